#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTime>
#include <QTimer>
#include <QtTest>

#include "desktop_launcher.h"
#include "helper_programs.h"
#include "jester_font.h"
#include "locale_number_format.h"
#include "logo.h"
#include "message_boxes.h"
#include "system_clock.h"
#include "twips_layout.h"

using namespace quorvel;

class DesktopServicesTest : public QObject {
    Q_OBJECT

private slots:
    void launcherStartsProgramsFoundOnThePath() {
        if (QStandardPaths::findExecutable("true").isEmpty()) QSKIP("no 'true' on the path");
        DesktopLauncher launcher;
        QVERIFY(launcher.Start("true"));
    }

    void launcherRefusesWhatCannotRun() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString plain = dir.filePath("notes.txt");
        QFile file(plain);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a program\n");
        file.close();

        DesktopLauncher launcher;
        QVERIFY(!launcher.Start(std::string(kWindowsCalculator)));
        QVERIFY(!launcher.Start("quorvel-no-such-program"));
        QVERIFY(!launcher.Start(plain.toStdString()));  // exists, but is not executable
        QVERIFY(!launcher.Start(""));
        QVERIFY(launcher.FileExists(plain.toStdString()));
        QVERIFY(!launcher.FileExists(dir.filePath("missing").toStdString()));
    }

    void clockGivesTheTimeOfDayAsAFractionOfADay() {
        const double before = QTime::currentTime().msecsSinceStartOfDay() / 86400000.0;
        const double now = SystemClock().Now();
        const double after = QTime::currentTime().msecsSinceStartOfDay() / 86400000.0;
        QVERIFY(now >= 0.0 && now < 1.0);
        QVERIFY((now >= before && now <= after) || after < before);  // or midnight passed
    }

    void numberFormatFollowsTheLocale_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("decimalPoint");
        QTest::newRow("C") << QLocale::c() << ".";
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << ".";
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << ",";
    }
    void numberFormatFollowsTheLocale() {
        QFETCH(QLocale, locale);
        QFETCH(QString, decimalPoint);
        const NumberFormat format = LocaleNumberFormat(locale);
        QCOMPARE(QString::fromStdString(format.decimalPoint), decimalPoint);
        QCOMPARE(QString::fromStdString(format.negativeSign), locale.negativeSign());
        QCOMPARE(QString::fromStdString(format.positiveSign), locale.positiveSign());
    }

    void thePlayfulFaceIsComicNeueWhenInstalled() {
        const QFont font = JesterFont(27.75, true);
        QCOMPARE(font.pointSizeF(), 27.75);
        QVERIFY(font.bold());
        QVERIFY(!JesterFont(8.25).bold());
        if (!QFontDatabase::families().contains("Comic Neue")) {
            QCOMPARE(JesterFamily(), QApplication::font().family());
            QSKIP("Comic Neue not installed: the default face stands in");
        }
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("Comic Neue"));
        QVERIFY(QFontInfo(font).bold());
    }

    void theLogoIsAStopwatchWithATimesSign() {
        const QImage logo = PaintLogo(64).toImage();
        QCOMPARE(logo.size(), QSize(64, 64));
        QCOMPARE(logo.pixelColor(0, 63).alpha(), 0);              // transparent corner
        QCOMPARE(logo.pixelColor(32, 36), QColor(30, 111, 217));  // centre of the sign
        QCOMPARE(logo.pixelColor(32, 13), QColor(255, 140, 26));  // orange case
        QVERIFY(!ProgramIcon().availableSizes().isEmpty());
    }

    void centringPutsTheWindowsMiddleOnTheScreensMiddle() {
        QWidget window;
        TwipsLayout().SetClientSize(&window, 4500, 3000, true);
        window.move(3, 5);
        window.show();
        CentreOnScreen(&window);
        // the outer frame counts, title bar and borders included
        const QRect screen = window.screen()->geometry();
        const QSize outer = window.frameGeometry().size();
        QCOMPARE(window.size(), QSize(300, 200));
        QCOMPARE(window.frameGeometry().topLeft(), QPoint((screen.width() - outer.width()) / 2,
                                                          (screen.height() - outer.height()) / 2));
    }

    void realBoxesShowTheRequestedBoxAndReturnTheButtonPressed_data() {
        QTest::addColumn<bool>("question");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("answer");
        QTest::newRow("exit question, Enter") << true << int(Qt::Key_Return) << int(BoxAnswer::Yes);
        QTest::newRow("exit question, Esc") << true << int(Qt::Key_Escape) << int(BoxAnswer::No);
        QTest::newRow("notice, Enter") << false << int(Qt::Key_Return) << int(BoxAnswer::Ok);
    }
    void realBoxesShowTheRequestedBoxAndReturnTheButtonPressed() {
        QFETCH(bool, question);
        QFETCH(int, key);
        QFETCH(int, answer);
        const BoxRequest request = question ? ExitQuestionBox() : PlainBox("Just so you know");
        QString title, text;
        int icon = -1, buttons = 0;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->standardButtons();
            QTest::keyClick(box, Qt::Key(key));
        });
        QtMessageBoxes boxes;
        QCOMPARE(int(boxes.Show(nullptr, request)), answer);
        QCOMPARE(title, QStringLiteral("Quorvel"));
        QCOMPARE(text, request.text);
        QCOMPARE(icon, int(question ? QMessageBox::Warning : QMessageBox::NoIcon));
        QCOMPARE(buttons, int(question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok));
    }
};

QTEST_MAIN(DesktopServicesTest)
#include "desktop_services_test.moc"
