#include <QFontDatabase>
#include <QGroupBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include "frm_start.h"
#include "window_test_doubles.h"

using namespace quorvel;

class StartWindowTest : public QObject {
    Q_OBJECT

private:
    DrillState state;
    FakeClock clock;
    RecordingBoxes boxes;
    QPointer<frmStart> window;

    template <typename T>
    T* Find(const char* name) {
        return Child<T>(window, name);
    }
    QRadioButton* Option(const char* name) { return Find<QRadioButton>(name); }
    QPushButton* Button(const char* name) { return Find<QPushButton>(name); }

private slots:
    void init() {
        state = {};
        state.sngStartTime = -1.0f;  // not a time of day: shows whether Start wrote it
        clock = {};
        clock.Set(9, 15, 30);
        boxes = {};
        window = new frmStart(state, clock, boxes);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    void cleanup() {
        delete window.data();
        FlushClosedWindows();
    }

    void isLaidOutInTwipsAtTheScreensResolution_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        // 15 twips to the pixel at 96 dots per inch
        QTest::newRow("Frame1") << "Frame1" << QRect(16, 16, 305, 73);
        QTest::newRow("OptYoung") << "OptYoung" << QRect(24, 24, 129, 33);
        QTest::newRow("OptOld") << "OptOld" << QRect(160, 24, 129, 33);
        QTest::newRow("btnStart") << "btnStart" << QRect(56, 104, 81, 33);
        QTest::newRow("btnAbout") << "btnAbout" << QRect(200, 104, 81, 33);
    }
    void isLaidOutInTwipsAtTheScreensResolution() {
        QCOMPARE(window->screen()->logicalDotsPerInch(), 96.0);
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QCOMPARE(Find<QWidget>(qPrintable(name))->geometry(), geometry);
        QCOMPARE(window->size(), QSize(338, 153));
    }

    void isAFixedCentredDialogWithoutControlBox() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Quorvel"));
        QVERIFY(!window->windowIcon().isNull());
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const Qt::WindowFlags flags = window->windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);  // kept out of the task bar
        QVERIFY(flags & Qt::WindowTitleHint);
        QVERIFY(!(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint |
                           Qt::WindowSystemMenuHint)));
        const QRect screen = window->screen()->geometry();
        QCOMPARE(window->frameGeometry().center().x(), screen.center().x());
        QVERIFY(qAbs(window->frameGeometry().center().y() - screen.center().y()) <= 1);
    }

    void showsTheTextsInThePlayfulFace_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bold");
        QTest::newRow("Frame1") << "Frame1"
                                << "Choose a Grade Level" << false;
        QTest::newRow("OptYoung") << "OptYoung"
                                  << "&1st - 3rd Grade" << true;
        QTest::newRow("OptOld") << "OptOld"
                                << "&4th - 6th Grade" << true;
        QTest::newRow("btnStart") << "btnStart"
                                  << "Start" << true;
        QTest::newRow("btnAbout") << "btnAbout"
                                  << "About" << true;
    }
    void showsTheTextsInThePlayfulFace() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, bold);
        QWidget* control = Find<QWidget>(qPrintable(name));
        const QString shown = name == "Frame1" ? Find<QGroupBox>("Frame1")->title()
                                               : Find<QAbstractButton>(qPrintable(name))->text();
        QCOMPARE(shown, text);
        QCOMPARE(control->font().pointSizeF(), 9.75);
        QCOMPARE(control->font().bold(), bold);
        if (!QFontDatabase::families().contains("Comic Neue")) QSKIP("Comic Neue not installed");
        QCOMPARE(QFontInfo(control->font()).family(), QStringLiteral("Comic Neue"));
    }

    void opensWithNoBandAndStartFocused() {
        QVERIFY(!Option("OptYoung")->isChecked());
        QVERIFY(!Option("OptOld")->isChecked());
        QCOMPARE(QApplication::focusWidget(), Button("btnStart"));
        QVERIFY(Button("btnStart")->isDefault());
        QVERIFY(!Button("btnAbout")->isDefault());
    }

    void tabsFromStartThroughTheBandsToAbout() {
        // The two bands are one stop: the first while none was visited, else the last visited.
        const auto tabs = [](int count) {
            QList<QWidget*> visited;
            for (int i = 0; i < count; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                visited << QApplication::focusWidget();
            }
            return visited;
        };
        QCOMPARE(tabs(3),
                 (QList<QWidget*>{Option("OptYoung"), Button("btnAbout"), Button("btnStart")}));
        QTest::keyClick(window, Qt::Key_4, Qt::AltModifier);
        QTRY_VERIFY(Option("OptOld")->isChecked());
        QCOMPARE(tabs(3),
                 (QList<QWidget*>{Button("btnAbout"), Button("btnStart"), Option("OptOld")}));
    }

    void startWithoutABandAsksForOneAndRecordsNothing() {
        QSignalSpy unloaded(window.data(), &DrillDialog::unloaded);
        QTest::keyClick(Button("btnStart"), Qt::Key_Return);
        Button("btnStart")->click();
        QCOMPARE(boxes.Texts(), QStringList(2, "You need to select a grade level."));
        const BoxRequest& box = boxes.shown[0].request;
        QCOMPARE(box.title, QStringLiteral("Quorvel"));
        QCOMPARE(box.icon, BoxIcon::Exclamation);
        QCOMPARE(box.buttons, BoxButtons::Ok);
        QCOMPARE(boxes.shown[0].owner, QStringLiteral("frmStart"));
        QVERIFY(window->isVisible());
        QCOMPARE(unloaded.count(), 0);
        QCOMPARE(clock.reads, 0);
        QCOMPARE(state.intTopFactor, std::int16_t{0});
        QCOMPARE(state.sngStartTime, -1.0f);
    }

    void aBandChosenByItsAccessKeyStartsWithEnter_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("topFactor");
        QTest::newRow("Alt+1") << int(Qt::Key_1) << 5;
        QTest::newRow("Alt+4") << int(Qt::Key_4) << 12;
    }
    void aBandChosenByItsAccessKeyStartsWithEnter() {
        QFETCH(int, key);
        QFETCH(int, topFactor);
        Button("btnStart")->click();  // first without a band: the window stays usable
        QSignalSpy unloaded(window.data(), &DrillDialog::unloaded);
        QTest::keyClick(window, Qt::Key(key), Qt::AltModifier);
        QTRY_VERIFY(Option(topFactor == 5 ? "OptYoung" : "OptOld")->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

        QCOMPARE(state.intTopFactor, std::int16_t(topFactor));
        QCOMPARE(state.sngStartTime, static_cast<float>(clock.now));
        QCOMPARE(clock.reads, 1);
        QCOMPARE(unloaded.count(), 1);
        QVERIFY(window.isNull() || !window->isVisible());
        QCOMPARE(boxes.shown.size(), 1);
    }

    void escapeAndTheWindowManagersCloseLeaveItOpen() {
        QSignalSpy unloaded(window.data(), &DrillDialog::unloaded);
        QTest::keyClick(window, Qt::Key_Escape);
        window->close();
        QVERIFY(window->isVisible());
        QCOMPARE(unloaded.count(), 0);
    }

    void aboutAsksForTheAboutBoxAndKeepsTheBand() {
        QSignalSpy about(window.data(), &frmStart::aboutRequested);
        Option("OptOld")->click();
        Button("btnAbout")->click();
        QCOMPARE(about.count(), 1);
        QVERIFY(window->isVisible());
        QVERIFY(Option("OptOld")->isChecked());
        QCOMPARE(clock.reads, 0);
    }
};

QTEST_MAIN(StartWindowTest)
#include "start_window_test.moc"
