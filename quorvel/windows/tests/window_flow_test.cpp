#include "window_flow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "fake_launcher.h"
#include "fake_registry.h"
#include "window_test_doubles.h"

using namespace quorvel;

namespace {

constexpr const char* kSecondLine = "\r\nto complete your multiplication table.";

}  // namespace

class WindowFlowTest : public QObject {
    Q_OBJECT

private:
    FakeClock clock;
    RecordingBoxes boxes;
    FakeLauncher launcher;
    FakeRegistry registry;
    int ends = 0;
    std::unique_ptr<WindowFlow> flow;

    void Begin(int splashIntervalMs = kSplashIntervalMs) {
        flow = std::make_unique<WindowFlow>(
            DrillServices{clock, boxes, launcher, registry}, [this] { ++ends; }, splashIntervalMs);
        flow->Begin();
    }

    // The one visible window called `name`; the test stops unless there is exactly one.
    QWidget* Window(const char* name) {
        const QList<QWidget*> windows = VisibleWindows(QString::fromUtf8(name));
        if (windows.size() != 1) qFatal("%lld windows %s", qlonglong(windows.size()), name);
        return windows.front();
    }
    bool IsOpen(const char* name) { return !VisibleWindows(QString::fromUtf8(name)).isEmpty(); }

    template <typename T>
    T* Find(const char* window, const char* name) {
        return Child<T>(Window(window), name);
    }

    // Chooses a band by its access key and presses Start.
    void StartBand(Qt::Key accessKey) {
        QWidget* start = Window("frmStart");
        QApplication::setActiveWindow(start);
        QTest::keyClick(start, accessKey, Qt::AltModifier);
        const char* option = accessKey == Qt::Key_1 ? "OptYoung" : "OptOld";
        QTRY_VERIFY(Find<QRadioButton>("frmStart", option)->isChecked());
        Find<QPushButton>("frmStart", "btnStart")->click();
    }
    QString Question() {
        return Find<QLabel>("frmMain", "lblValueA")->text() + " X " +
               Find<QLabel>("frmMain", "lblValueB")->text();
    }
    void Answer(const QString& text) {
        QLineEdit* answer = Find<QLineEdit>("frmMain", "txtAnswer");
        QTest::keyClicks(answer, text);
        QTest::keyClick(answer, Qt::Key_Return);
    }
    // Answers the current question right; with `wrongFirst`, after a wrong answer.
    void AnswerRight(bool wrongFirst = false) {
        const int a = Find<QLabel>("frmMain", "lblValueA")->text().toInt();
        const int b = Find<QLabel>("frmMain", "lblValueB")->text().toInt();
        if (wrongFirst) Answer(QString::number(a * b + 1));
        Answer(QString::number(a * b));
    }
    QString TimeMessage() { return Find<QLabel>("frmTimeEnd", "lblTimeMsg")->text(); }

    // Runs a whole band from the current grade window, a wrong answer before every fifth
    // question; the last answer is given at `endTime`. Returns the questions asked.
    QStringList RunBand(Qt::Key accessKey, QTime endTime) {
        StartBand(accessKey);
        QStringList asked;
        while (IsOpen("frmMain") && asked.size() < 200) {
            asked << Question();
            const bool last = Question() == (accessKey == Qt::Key_1 ? "5 X 5" : "12 X 12");
            if (last) clock.Set(endTime.hour(), endTime.minute(), endTime.second());
            AnswerRight(asked.size() % 5 == 0);
        }
        return asked;
    }

private slots:
    void init() {
        clock = {};
        clock.Set(10, 0, 0);
        boxes = {};
        launcher = {};
        registry = {};
        ends = 0;
    }
    void cleanup() {
        flow.reset();
        FlushClosedWindows();
    }

    void theProgramOpensOnTheGradeWindowWithoutSplash() {
        Begin();
        QCOMPARE(VisibleWindowCount(), 1);
        QVERIFY(IsOpen("frmStart"));
        QVERIFY(!IsOpen("frmSplash"));
    }

    void startWithoutABandAsksForOneThenABandStartsTheQuestions() {
        Begin();
        Find<QPushButton>("frmStart", "btnStart")->click();
        QCOMPARE(boxes.Texts(), QStringList{"You need to select a grade level."});
        QVERIFY(IsOpen("frmStart"));
        StartBand(Qt::Key_1);
        QVERIFY(!IsOpen("frmStart"));
        QCOMPARE(Question(), QStringLiteral("2 X 1"));
        QCOMPARE(flow->State().intTopFactor, std::int16_t{5});
        QCOMPARE(flow->State().sngStartTime, static_cast<float>(clock.now));
        QCOMPARE(VisibleWindowCount(), 1);
    }

    void theYoungerBandRunsTwentyQuestionsToTheResult() {
        Begin();
        const QStringList asked = RunBand(Qt::Key_1, QTime(10, 3, 7));
        QCOMPARE(asked.size(), 20);
        QCOMPARE(asked.first(), QStringLiteral("2 X 1"));
        QCOMPARE(asked[5], QStringLiteral("3 X 1"));  // after 2 X 5
        QCOMPARE(asked.last(), QStringLiteral("5 X 5"));
        QCOMPARE(boxes.Texts(), QStringList(4, "Try Again!"));

        QVERIFY(!IsOpen("frmMain"));
        QCOMPARE(VisibleWindows("frmTimeEnd").size(), 1);
        QCOMPARE(TimeMessage(), QString("It took you 3 minutes and 7 seconds") + kSecondLine);
        QCOMPARE(clock.reads, 2);  // at Start and when the result opened, once
        QCOMPARE(QString::fromStdString(flow->State().strTimeMsg), TimeMessage());
        QCOMPARE(ends, 0);
    }

    void theOlderBandRunsAHundredAndThirtyTwoQuestionsAcrossMidnight() {
        clock.Set(23, 58, 0);
        Begin();
        const QStringList asked = RunBand(Qt::Key_4, QTime(0, 3, 30));
        QCOMPARE(asked.size(), 132);
        QCOMPARE(asked[5], QStringLiteral("2 X 6"));
        QCOMPARE(asked.last(), QStringLiteral("12 X 12"));
        QCOMPARE(boxes.Texts().size(), 26);
        QCOMPARE(TimeMessage(), QString("It took you 5 minutes and 30 seconds") + kSecondLine);
        QCOMPARE(clock.reads, 2);
    }

    void exitOrTheCloseBoxReportTheTimeSoFar_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Exit") << false;
        QTest::newRow("close box") << true;
    }
    void exitOrTheCloseBoxReportTheTimeSoFar() {
        QFETCH(bool, closeBox);
        Begin();
        StartBand(Qt::Key_4);
        AnswerRight();
        AnswerRight(true);
        AnswerRight();
        clock.Set(10, 0, 42);
        if (closeBox) {
            Window("frmMain")->close();
        } else {
            Find<QPushButton>("frmMain", "btnExit")->click();
        }
        QVERIFY(!IsOpen("frmMain"));
        QCOMPARE(TimeMessage(), QString("It took you 0 minutes and 42 seconds") + kSecondLine);
        QCOMPARE(clock.reads, 2);
        QCOMPARE(ends, 0);
    }

    void theResultsCloseBoxEndsTheProgramAtOnce() {
        Begin();
        StartBand(Qt::Key_1);
        Find<QPushButton>("frmMain", "btnExit")->click();
        Window("frmTimeEnd")->close();
        QCOMPARE(ends, 1);
        QCOMPARE(VisibleWindowCount(), 0);
        QVERIFY(boxes.shown.isEmpty());
    }

    void startOverMeasuresTheSecondRunFromItsOwnStart() {
        Begin();
        RunBand(Qt::Key_4, QTime(10, 20, 0));
        QCOMPARE(TimeMessage(), QString("It took you 20 minutes and 0 seconds") + kSecondLine);

        clock.Set(10, 25, 0);
        Find<QPushButton>("frmTimeEnd", "BtnStartOver")->click();
        QVERIFY(!IsOpen("frmTimeEnd"));
        QVERIFY(!Find<QRadioButton>("frmStart", "OptYoung")->isChecked());
        QVERIFY(!Find<QRadioButton>("frmStart", "OptOld")->isChecked());
        QCOMPARE(clock.reads, 2);

        clock.Set(10, 30, 0);
        const QStringList asked = RunBand(Qt::Key_1, QTime(10, 31, 15));
        QCOMPARE(asked.size(), 20);
        QCOMPARE(flow->State().intTopFactor, std::int16_t{5});
        QCOMPARE(TimeMessage(), QString("It took you 1 minute and 15 seconds") + kSecondLine);
        QCOMPARE(ends, 0);
    }

    void exitAnsweredNoStaysThenYesLeavesThroughTheSplash() {
        Begin();
        StartBand(Qt::Key_1);
        Find<QPushButton>("frmMain", "btnExit")->click();
        boxes.answers = {BoxAnswer::No, BoxAnswer::Yes};
        Find<QPushButton>("frmTimeEnd", "btnExit")->click();
        QVERIFY(IsOpen("frmTimeEnd"));
        QVERIFY(!IsOpen("frmSplash"));

        Find<QPushButton>("frmTimeEnd", "btnExit")->click();
        QCOMPARE(boxes.Texts(), QStringList(2, "Do you want to exit now?"));
        QVERIFY(!IsOpen("frmTimeEnd"));
        QCOMPARE(VisibleWindowCount(), 1);
        QCOMPARE(Find<QLabel>("frmSplash", "lblProductName")->text(), QStringLiteral("Quorvel"));
        QCOMPARE(Find<QLabel>("frmSplash", "lblVersion")->text(), QStringLiteral("Version 1.50.0"));
        // the real splash stands six seconds
        QCOMPARE(Find<QTimer>("frmSplash", "tmrClose")->interval(), 6000);
        QVERIFY(Find<QTimer>("frmSplash", "tmrClose")->isActive());
        QCOMPARE(ends, 0);
    }

    void theSplashEndsTheProgramWhenItsTimeIsUp() {
        Begin(40);
        StartBand(Qt::Key_1);
        Find<QPushButton>("frmMain", "btnExit")->click();
        Find<QPushButton>("frmTimeEnd", "btnExit")->click();  // Yes is the default
        QVERIFY(IsOpen("frmSplash"));
        QCOMPARE(ends, 0);
        QTest::keyClick(Window("frmSplash"), Qt::Key_Escape);
        QTRY_COMPARE_WITH_TIMEOUT(ends, 1, 2000);
        QTest::qWait(100);
        QCOMPARE(ends, 1);
    }

    void aboutOpensModallyAndTheGradeWindowKeepsItsBand() {
        Begin();
        Find<QRadioButton>("frmStart", "OptOld")->click();
        Find<QPushButton>("frmStart", "btnAbout")->click();
        QWidget* about = Window("frmAbout");
        QCOMPARE(about->windowTitle(), QStringLiteral("About Quorvel"));
        QCOMPARE(about->parentWidget(), Window("frmStart"));
        QCOMPARE(QApplication::activeModalWidget(), about);

        Find<QPushButton>("frmAbout", "cmdSysInfo")->click();
        QCOMPARE(boxes.Texts(), QStringList{"System Information Is Unavailable At This Time"});
        QVERIFY(IsOpen("frmAbout"));

        QTest::keyClick(about, Qt::Key_Escape);
        QTRY_VERIFY(!IsOpen("frmAbout"));
        QVERIFY(Find<QRadioButton>("frmStart", "OptOld")->isChecked());
        Find<QPushButton>("frmStart", "btnStart")->click();
        QCOMPARE(flow->State().intTopFactor, std::int16_t{12});
        QVERIFY(IsOpen("frmMain"));
        QCOMPARE(ends, 0);
    }

    void everyWindowIsCentredOnTheScreenWhenItOpens() {
        const auto centred = [this](const char* name) {
            const QWidget* window = Window(name);
            const QPoint offset =
                window->frameGeometry().center() - window->screen()->geometry().center();
            return qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1;
        };
        Begin();
        QVERIFY(centred("frmStart"));
        Find<QPushButton>("frmStart", "btnAbout")->click();
        QVERIFY(centred("frmAbout"));
        Find<QPushButton>("frmAbout", "cmdOK")->click();
        StartBand(Qt::Key_1);
        QVERIFY(centred("frmMain"));
        Find<QPushButton>("frmMain", "btnExit")->click();
        QVERIFY(centred("frmTimeEnd"));
        Find<QPushButton>("frmTimeEnd", "btnExit")->click();
        QVERIFY(centred("frmSplash"));
    }

    void everyOpeningCreatesTheWindowAnew() {
        Begin();
        QPointer<QWidget> firstStart = Window("frmStart");
        StartBand(Qt::Key_1);
        AnswerRight();
        QPointer<QWidget> firstMain = Window("frmMain");
        Find<QPushButton>("frmMain", "btnExit")->click();
        Find<QPushButton>("frmTimeEnd", "BtnStartOver")->click();
        StartBand(Qt::Key_1);
        FlushClosedWindows();
        QVERIFY(firstStart.isNull());
        QVERIFY(firstMain.isNull());
        QCOMPARE(Question(), QStringLiteral("2 X 1"));
        QCOMPARE(Find<QLineEdit>("frmMain", "txtAnswer")->text(), QString());
    }
};

QTEST_MAIN(WindowFlowTest)
#include "window_flow_test.moc"
