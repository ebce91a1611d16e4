#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

#include "test_suites.h"

// The real program, started as a child process with its test hook (test_hook.h), on the
// offscreen platform. Its boxes then go to its standard error stream.
class ProgramExitTest : public QObject {
    Q_OBJECT

private:
    struct EndC {
        int exitCode;
        QString errors;
    };

    static EndC runProgram(const char* hook, const QStringList& arguments) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("LOTTAVO_TEST_HOOK"), QString::fromLatin1(hook));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(LOTTAVO_PROGRAM), arguments);
        if (!program.waitForFinished(30000)) {
            program.kill();
            program.waitForFinished();
            return {-1000, QStringLiteral("did not end")};
        }
        if (program.exitStatus() != QProcess::NormalExit) return {-2000, QStringLiteral("crashed")};
        return {program.exitCode(), QString::fromUtf8(program.readAllStandardError())};
    }

private slots:
    void aFatalReportEndsWithItsStatus() {
        const EndC end = runProgram("fatal-report", {});
        QCOMPARE(end.exitCode, 255);  // -1
        QVERIFY2(end.errors.contains(
                     u"[Lottavo ERROR]\nRandomizeC ctor:  Can't allocate\n128 byte TextBufPtr for "
                     u"text window.\n\n   -----> Status = -1 *****\n"),
                 qPrintable(end.errors));
        QVERIFY(end.errors.contains(u"\n\nFatal Error.   Aborting ...\n"));
    }

    void aFailedStartReportsItsArguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("shown");  // argv[1] and argv[2] in the report
        QTest::newRow("none") << QStringList{} << QStringList{"(null)", "(null)"};
        QTest::newRow("one") << QStringList{"alpha"} << QStringList{"alpha", "(null)"};
        QTest::newRow("formats are values")
            << QStringList{"%s%n", "%d %x", "third"} << QStringList{"%s%n", "%d %x"};
        QTest::newRow("as called, Qt's own options too")
            << QStringList{"-platform", "offscreen"} << QStringList{"-platform", "offscreen"};
    }
    void aFailedStartReportsItsArguments() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, shown);
        const EndC end = runProgram("failed-start", arguments);
        QCOMPARE(end.exitCode, 255);  // -1
        const QString line = QStringLiteral("            argv[%1]: -->|%2|<--\n");
        const QString expected =
            QStringLiteral("[Lottavo ERROR]\nOwlMain:  appMain.Run() returned failure.\n\n") +
            QStringLiteral("Called with argc=[%1];\n\n").arg(arguments.size() + 1) +
            line.arg(0).arg(QStringLiteral(LOTTAVO_PROGRAM)) + line.arg(1).arg(shown[0]) +
            line.arg(2).arg(shown[1]) + QStringLiteral(".\n   -----> Status = -1 *****\n");
        QVERIFY2(end.errors.contains(expected), qPrintable(end.errors));
    }
};

int runProgramExitTests(int argc, char** argv) {
    ProgramExitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "program_exit_test.moc"
