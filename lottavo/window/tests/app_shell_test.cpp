#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "box_styles.h"
#include "cumulator_win.h"
#include "frame_window.h"
#include "icon_420.h"
#include "lottavo_app.h"
#include "lottavo_dlg.h"
#include "owl_main.h"
#include "test_hook.h"
#include "test_suites.h"
#include "version_info.h"
#include "window_rig.h"

using namespace lottavo;

Q_DECLARE_METATYPE(lottavo::ShowModeE)

namespace {

const QString kAppName = QStringLiteral("  Random Integer Generator  Lottavo 2.01");

// Runs the application; then, inside its loop, act on its frame.
int32_t runWith(LottavoC& app, std::function<void(FrameWindowC&)> act) {
    QTimer::singleShot(0, [&app, act] {
        if (app.mainWindow() == nullptr) QFAIL("no main window");
        act(*app.mainWindow());
    });
    return app.run();
}

void clickQuit(LottavoC& app) {
    app.dialog()->findChild<QPushButton*>(QStringLiteral("Quit"))->click();
}

}  // namespace

class AppShellTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowRigC> rig;

private slots:
    void init() { rig = std::make_unique<WindowRigC>(); }
    void cleanup() { rig.reset(); }

    void theNameNamesTheProgramAndVersion() {
        QCOMPARE(QString::fromStdString(applicationName()), kAppName);
    }

    void theVersionBlockIsTheApplicationsMetadata() {
        applyVersionInfo();
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Lottavo"));
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("2.01"));
        QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Lottavo"));
        QCOMPARE(qApp->property("applicationDescription").toString(),
                 QStringLiteral("Lottavo for Windows 32"));
    }

    // A dialog frame and nothing else: no window buttons, no sizing; the frame fits the dialog.
    void theGeneratorWindow() {
        LottavoC app(kAppName.toLatin1().constData(), rig->services());
        rig->box.answer = kButtonYes;
        const int32_t status = runWith(app, [&app](FrameWindowC& frame) {
            QVERIFY(frame.isVisible());
            QCOMPARE(frame.windowTitle(), kAppName);
            const Qt::WindowFlags flags = frame.windowFlags();
            QVERIFY(flags.testFlag(Qt::WindowTitleHint));
            for (Qt::WindowType absent :
                 {Qt::WindowSystemMenuHint, Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
                  Qt::WindowMaximizeButtonHint}) {
                QVERIFY(!flags.testFlag(absent));
            }
            QCOMPARE(frame.minimumSize(), frame.maximumSize());
            QCOMPARE(frame.centralWidget(), app.dialog());
            QCOMPARE(frame.size(), app.dialog()->size());
            QCOMPARE(app.dialog()->windowTitle(), QStringLiteral("Random Integer Generator"));
            QCOMPARE(frame.windowIcon().pixmap(kIcon420Size).toImage(), icon420Image());
            clickQuit(app);
        });
        QCOMPARE(status, 0);
        QVERIFY(!app.mainWindow()->isVisible());
    }

    void showModes_data() {
        QTest::addColumn<ShowModeE>("started");
        QTest::addColumn<ShowModeE>("shown");
        QTest::newRow("normal") << ShowModeE::Normal << ShowModeE::Normal;
        QTest::newRow("maximized") << ShowModeE::Maximized << ShowModeE::Normal;
        QTest::newRow("minimized") << ShowModeE::Minimized << ShowModeE::Normal;
        QTest::newRow("minimized, not active")
            << ShowModeE::MinimizedNoActivate << ShowModeE::MinimizedNoActivate;
        QTest::newRow("hidden") << ShowModeE::Hidden << ShowModeE::Hidden;
    }
    void showModes() {
        QFETCH(ShowModeE, started);
        QFETCH(ShowModeE, shown);
        QCOMPARE(mainWindowShowMode(started), shown);
    }

    void startedMaximizedOpensNormal() {
        AppServicesC services = rig->services();
        services.startMode = ShowModeE::Maximized;
        LottavoC app(kAppName.toLatin1().constData(), services);
        rig->box.answer = kButtonYes;
        Qt::WindowStates state = Qt::WindowMaximized;
        runWith(app, [&](FrameWindowC& frame) {
            state = frame.windowState();
            clickQuit(app);
        });
        QCOMPARE(state, Qt::WindowNoState);
    }

    // The desktop's close request takes the way of Quit: the question before any list.
    void aCloseRequestBeforeAnyListAsks() {
        LottavoC app(kAppName.toLatin1().constData(), rig->services());
        rig->box.answer = kButtonNo;
        bool closedAtOnce = true;
        bool openAfterNo = false;
        const int32_t status = runWith(app, [&](FrameWindowC& frame) {
            closedAtOnce = frame.close();
            QTimer::singleShot(0, [&] {
                openAfterNo = frame.isVisible();
                rig->box.answer = kButtonYes;
                frame.close();
            });
        });
        QCOMPARE(status, 0);
        QVERIFY(!closedAtOnce);
        QVERIFY(openAfterNo);
        const auto asked = rig->boxesCaptioned(" Lottavo:  QUITTING?");
        QCOMPARE(asked.size(), std::size_t{2});
        QVERIFY(!app.mainWindow()->isVisible());
    }

    // After lists it shows them, and the program ends once their window has closed.
    void aCloseRequestAfterListsShowsThem() {
        LottavoC app(kAppName.toLatin1().constData(), rig->services());
        bool shown = false;
        const int32_t status = runWith(app, [&](FrameWindowC& frame) {
            app.dialog()->generate();
            whenCumulatorOpen(
                [&](CumulatorWinC* win) { shown = win->toPlainText().contains(u"List #001:"); });
            frame.close();
        });
        QCOMPARE(status, 0);
        QVERIFY(shown);
        QCOMPARE(rig->boxesCaptioned(" Lottavo:  QUITTING?").size(), std::size_t{0});
    }

    void owlMainEndsWithStatus0() {
        rig->box.answer = kButtonYes;
        const char* argv[] = {"lottavo"};
        const int32_t status = OwlMain(1, argv, rig->err, [&](const char* name) {
            auto app = std::make_unique<LottavoC>(name, rig->services());
            QTimer::singleShot(0, [raw = app.get()] { clickQuit(*raw); });
            return app;
        });
        QCOMPARE(status, 0);
        QCOMPARE(rig->boxesCaptioned(kErrorCaption).size(), std::size_t{0});
    }

    void aFailedStartIsReportedWithTheArguments() {
        const char* argv[] = {"lottavo", "%s%n%x"};
        const int32_t status = OwlMain(2, argv, rig->err, [&](const char* name) {
            return std::make_unique<StartFailureC>(name, rig->services());
        });
        QCOMPARE(status, -1);
        QCOMPARE(rig->box.shown.size(), std::size_t{1});
        QCOMPARE(rig->box.shown[0].caption, kErrorCaption);
        QCOMPARE(QString::fromStdString(rig->box.shown[0].text),
                 QStringLiteral("OwlMain:  appMain.Run() returned failure.\n\nCalled with "
                                "argc=[2];\n\n            argv[0]: -->|lottavo|<--\n"
                                "            argv[1]: -->|%s%n%x|<--\n"
                                "            argv[2]: -->|(null)|<--\n.\n"
                                "   -----> Status = -1 *****\n"));
    }

    void failedStartReports_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("report");
        const QString head = QStringLiteral("OwlMain:  appMain.Run() returned failure.\n\n");
        const QString line = QStringLiteral("            argv[%1]: -->|%2|<--\n");
        QTest::newRow("none") << QStringList{}
                              << head + "Called with argc=[0];\n\n" + line.arg(0).arg("(null)") +
                                     line.arg(1).arg("(null)") + line.arg(2).arg("(null)") + ".";
        QTest::newRow("four") << QStringList{"a", "b", "c", "d"}
                              << head + "Called with argc=[4];\n\n" + line.arg(0).arg("a") +
                                     line.arg(1).arg("b") + line.arg(2).arg("c") + ".";
    }
    void failedStartReports() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, report);
        std::vector<QByteArray> bytes;
        std::vector<const char*> argv;
        for (const QString& argument : arguments) bytes.push_back(argument.toLatin1());
        for (const QByteArray& argument : bytes) argv.push_back(argument.constData());
        QCOMPARE(QString::fromStdString(failedStartReport(int(argv.size()), argv.data())), report);
    }

    void aMissingArgumentTextIsNull() {
        const char* argv[] = {"lottavo", nullptr};
        const std::string report = failedStartReport(2, argv);
        QVERIFY(report.find("argv[1]: -->|(null)|<--") != std::string::npos);
    }

    void aLongArgumentIsCutNotOverrun() {
        const std::string longArgument(10000, 'x');
        const char* argv[] = {"lottavo", longArgument.c_str()};
        QCOMPARE(failedStartReport(2, argv).size(), std::size_t{4095});
    }
};

int runAppShellTests(int argc, char** argv) {
    AppShellTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "app_shell_test.moc"
