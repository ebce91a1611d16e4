#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "frm_time_end.h"
#include "window_test_doubles.h"

using namespace quorvel;

class TimeEndWindowTest : public QObject {
    Q_OBJECT

private:
    DrillState state;
    FakeClock clock;
    RecordingBoxes boxes;
    QPointer<frmTimeEnd> window;

    template <typename T>
    T* Find(const char* name) {
        return Child<T>(window, name);
    }
    QPushButton* Button(const char* name) { return Find<QPushButton>(name); }

    void Open(int hours, int minutes, int seconds) {
        clock.Set(hours, minutes, seconds);
        window = new frmTimeEnd(state, clock, boxes);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

private slots:
    void init() {
        clock = {};
        clock.Set(10, 0, 0);
        state = {};
        state.intTopFactor = 5;
        state.sngStartTime = static_cast<float>(clock.now);
        boxes = {};
        Open(10, 2, 5);
    }
    void cleanup() {
        delete window.data();
        FlushClosedWindows();
    }

    void measuresTheRunOnceWhenItOpens() {
        const QString message =
            "It took you 2 minutes and 5 seconds\r\nto complete your multiplication table.";
        QCOMPARE(clock.reads, 1);
        QCOMPARE(QString::fromStdString(state.strTimeMsg), message);
        QCOMPARE(Find<QLabel>("lblTimeMsg")->text(), message);
        QVERIFY(qAbs(state.sngElapsed * 86400.0 - 125.0) < 0.01);
        // the clock moving on changes nothing that is shown
        clock.Set(10, 7, 0);
        window->show();
        QCOMPARE(Find<QLabel>("lblTimeMsg")->text(), message);
        QCOMPARE(clock.reads, 1);
    }

    void measuresFromTheSharedStartTime_data() {
        QTest::addColumn<QTime>("start");
        QTest::addColumn<QTime>("end");
        QTest::addColumn<QString>("firstLine");
        QTest::addColumn<int>("seconds");
        QTest::newRow("under a minute")
            << QTime(8, 0, 0) << QTime(8, 0, 45) << "It took you 0 minutes and 45 seconds" << 45;
        QTest::newRow("one minute")
            << QTime(8, 0, 0) << QTime(8, 1, 0) << "It took you 1 minute and 0 seconds" << 60;
        QTest::newRow("over an hour")
            << QTime(8, 0, 0) << QTime(9, 3, 20) << "It took you 3 minutes and 20 seconds" << 3800;
        QTest::newRow("across midnight")
            << QTime(23, 59, 1) << QTime(0, 0, 2) << "It took you 1 minute and 1 second" << 61;
    }
    void measuresFromTheSharedStartTime() {
        QFETCH(QTime, start);
        QFETCH(QTime, end);
        QFETCH(QString, firstLine);
        QFETCH(int, seconds);
        delete window.data();
        clock.Set(start.hour(), start.minute(), start.second());
        state.sngStartTime = static_cast<float>(clock.now);
        Open(end.hour(), end.minute(), end.second());
        QCOMPARE(Find<QLabel>("lblTimeMsg")->text(),
                 firstLine + "\r\nto complete your multiplication table.");
        QVERIFY(qAbs(state.sngElapsed * 86400.0 - seconds) < 0.05);
    }

    void isLaidOutInTwipsWithTheMessageCentred() {
        QCOMPARE(window->size(), QSize(372, 168));
        QCOMPARE(Button("BtnStartOver")->geometry(), QRect(56, 112, 105, 41));
        QCOMPARE(Button("btnExit")->geometry(), QRect(200, 112, 105, 41));
        const QLabel* message = Find<QLabel>("lblTimeMsg");
        QCOMPARE(message->y(), 16);
        QVERIFY(qAbs(message->geometry().center().x() - 184) <= 1);  // 2760 twips
        QVERIFY(message->alignment() & Qt::AlignHCenter);
        // grown to fit both lines
        const QFontMetrics metrics(message->font());
        QVERIFY(message->width() >=
                metrics.horizontalAdvance("It took you 2 minutes and 5 seconds"));
        QVERIFY(message->height() >= 2 * metrics.height());
        QVERIFY(message->geometry().bottom() < Button("BtnStartOver")->y());
    }

    void usesThePlayfulFace() {
        QCOMPARE(Find<QLabel>("lblTimeMsg")->font().pointSizeF(), 12.0);
        QVERIFY(!Find<QLabel>("lblTimeMsg")->font().bold());
        for (const char* name : {"BtnStartOver", "btnExit"}) {
            QCOMPARE(Button(name)->font().pointSizeF(), 12.0);
            QVERIFY(Button(name)->font().bold());
        }
        QCOMPARE(Button("BtnStartOver")->text(), QStringLiteral("Start Over"));
        QCOMPARE(Button("btnExit")->text(), QStringLiteral("Exit"));
    }

    void isAResizableWindowWithACloseBox() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Quorvel"));
        QVERIFY(!window->windowIcon().isNull());
        QVERIFY(window->minimumSize() != window->maximumSize());
        QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(window->windowFlags() & Qt::WindowMinMaxButtonsHint));
    }

    void startOverHasTheFocusAndThereIsNoDefaultButton() {
        QCOMPARE(QApplication::focusWidget(), Button("BtnStartOver"));
        QTest::keyClick(Button("BtnStartOver"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Button("btnExit"));
        // Enter presses the focused button only; no button is the default when it loses focus
        QVERIFY(!Button("BtnStartOver")->isDefault());
        QTest::keyClick(Button("btnExit"), Qt::Key_Tab);
        QVERIFY(!Button("btnExit")->isDefault());
    }

    void exitAnsweredNoLeavesTheWindowAsItWas() {
        QSignalSpy exit(window.data(), &frmTimeEnd::exitConfirmed);
        QSignalSpy unloaded(window.data(), &DrillDialog::unloaded);
        boxes.answers = {BoxAnswer::No};
        Button("btnExit")->click();
        QCOMPARE(boxes.Texts(), QStringList{"Do you want to exit now?"});
        const BoxRequest& box = boxes.shown[0].request;
        QCOMPARE(box.title, QStringLiteral("Quorvel"));
        QCOMPARE(box.icon, BoxIcon::Exclamation);
        QCOMPARE(box.buttons, BoxButtons::YesNo);
        QCOMPARE(box.defaultAnswer, BoxAnswer::Yes);
        QVERIFY(window->isVisible());
        QCOMPARE(exit.count(), 0);
        QCOMPARE(unloaded.count(), 0);
        QCOMPARE(clock.reads, 1);
    }

    void exitAnsweredYesAsksForTheSplashThenCloses() {
        QStringList events;
        connect(window, &frmTimeEnd::exitConfirmed, this, [&] { events << "splash"; });
        connect(window, &DrillDialog::unloaded, this, [&] { events << "unloaded"; });
        boxes.answers = {BoxAnswer::Yes};
        Button("btnExit")->click();
        QCOMPARE(events, (QStringList{"splash", "unloaded"}));
    }

    void startOverAsksForAGradeWindowThenCloses() {
        QStringList events;
        connect(window, &frmTimeEnd::startOverRequested, this, [&] { events << "start"; });
        connect(window, &DrillDialog::unloaded, this, [&] { events << "unloaded"; });
        QTest::keyClick(Button("BtnStartOver"), Qt::Key_Return);
        QCOMPARE(events, (QStringList{"start", "unloaded"}));
        QVERIFY(boxes.shown.isEmpty());
    }

    void theCloseBoxClosesWithoutQuestion() {
        QSignalSpy exit(window.data(), &frmTimeEnd::exitConfirmed);
        QSignalSpy startOver(window.data(), &frmTimeEnd::startOverRequested);
        QSignalSpy unloaded(window.data(), &DrillDialog::unloaded);
        window->close();
        QCOMPARE(unloaded.count(), 1);
        QCOMPARE(exit.count() + startOver.count(), 0);
        QVERIFY(boxes.shown.isEmpty());
    }
};

QTEST_MAIN(TimeEndWindowTest)
#include "time_end_window_test.moc"
