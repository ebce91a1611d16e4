#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "fake_launcher.h"
#include "frm_main.h"
#include "window_test_doubles.h"

using namespace quorvel;

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    DrillState state;
    RecordingBoxes boxes;
    FakeLauncher launcher;
    QPointer<frmMain> window;

    template <typename T>
    T* Find(const char* name) {
        return Child<T>(window, name);
    }
    QLineEdit* Answer() { return Find<QLineEdit>("txtAnswer"); }
    QString Question() {
        return Find<QLabel>("lblValueA")->text() + " X " + Find<QLabel>("lblValueB")->text();
    }
    // Types into the answer box, replacing what is selected, and presses Enter.
    void Type(const QString& text) {
        QTest::keyClicks(Answer(), text);
        QTest::keyClick(Answer(), Qt::Key_Return);
    }

private slots:
    void init() {
        QLocale::setDefault(QLocale::c());
        state = {};
        state.intTopFactor = 5;
        boxes = {};
        launcher = {};
        window = new frmMain(state, boxes, launcher);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    void cleanup() {
        delete window.data();
        FlushClosedWindows();
        QLocale::setDefault(QLocale::c());
    }

    void isLaidOutInTwipsAtTheScreensResolution_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("fraNumbers") << "fraNumbers" << QRect(16, 16, 358, 240);
        QTest::newRow("lblValueA") << "lblValueA" << QRect(48, 16, 96, 91);
        QTest::newRow("lblTimes") << "lblTimes" << QRect(144, 16, 72, 91);
        QTest::newRow("lblValueB") << "lblValueB" << QRect(223, 16, 96, 91);
        QTest::newRow("txtAnswer") << "txtAnswer" << QRect(32, 121, 167, 91);
        QTest::newRow("btnAnswer") << "btnAnswer" << QRect(215, 136, 111, 61);
        QTest::newRow("btnHElp") << "btnHElp" << QRect(64, 267, 80, 31);
        QTest::newRow("btnExit") << "btnExit" << QRect(248, 267, 80, 31);
    }
    void isLaidOutInTwipsAtTheScreensResolution() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QCOMPARE(Find<QWidget>(qPrintable(name))->geometry(), geometry);
        QCOMPARE(window->size(), QSize(392, 320));
        // the question and the answer sit in the frame
        QCOMPARE(Answer()->parentWidget(), Find<QWidget>("fraNumbers"));
        QCOMPARE(Find<QWidget>("btnAnswer")->parentWidget(), Find<QWidget>("fraNumbers"));
        QCOMPARE(Find<QWidget>("btnExit")->parentWidget(), window.data());
    }

    void showsItsTextsInThePlayfulFace_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<int>("alignment");
        QTest::newRow("lblValueA") << "lblValueA"
                                   << "2" << 72.0 << int(Qt::AlignRight);
        QTest::newRow("lblTimes") << "lblTimes"
                                  << "X" << 72.0 << int(Qt::AlignHCenter);
        QTest::newRow("lblValueB") << "lblValueB"
                                   << "1" << 72.0 << int(Qt::AlignLeft);
        QTest::newRow("txtAnswer") << "txtAnswer"
                                   << "" << 48.0 << int(Qt::AlignHCenter);
        QTest::newRow("btnAnswer") << "btnAnswer"
                                   << "Enter Answer" << 15.75 << 0;
        QTest::newRow("btnHElp") << "btnHElp"
                                 << "Help" << 12.0 << 0;
        QTest::newRow("btnExit") << "btnExit"
                                 << "Exit" << 12.0 << 0;
    }
    void showsItsTextsInThePlayfulFace() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(qreal, points);
        QFETCH(int, alignment);
        QWidget* control = Find<QWidget>(qPrintable(name));
        QCOMPARE(control->font().pointSizeF(), points);
        QVERIFY(control->font().bold());
        if (auto* label = qobject_cast<QLabel*>(control)) {
            QCOMPARE(label->text(), text);
            QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
        } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            QCOMPARE(edit->text(), text);
            QCOMPARE(int(edit->alignment() & Qt::AlignHorizontal_Mask), alignment);
        } else {
            QCOMPARE(qobject_cast<QPushButton*>(control)->text(), text);
        }
    }

    void isAFixedWindowWithACloseBoxOnly() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Quorvel"));
        QVERIFY(!window->windowIcon().isNull());
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(window->windowFlags() & Qt::WindowMinMaxButtonsHint));
    }

    void opensAtTwoTimesOneWithAnEmptyFocusedAnswerBox() {
        QCOMPARE(Question(), QStringLiteral("2 X 1"));
        QCOMPARE(Answer()->text(), QString());
        QCOMPARE(QApplication::focusWidget(), Answer());
        QCOMPARE(Answer()->cursor().shape(), Qt::IBeamCursor);
        QVERIFY(Answer()->maxLength() > 1000000);
        QVERIFY(Find<QPushButton>("btnAnswer")->isDefault());
    }

    void tabsFromTheAnswerToTheButtons() {
        QList<QWidget*> visited;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget();
        }
        QCOMPARE(visited, (QList<QWidget*>{Find<QWidget>("btnAnswer"), Find<QWidget>("btnHElp"),
                                           Find<QWidget>("btnExit"), Answer()}));
    }

    void answerFormsToTwoTimesThree_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");   // empty: none
        QTest::addColumn<QString>("question");  // after the answer
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        const QLocale german(QLocale::German, QLocale::Germany);
        const QString needNumber = "You need to enter a number!";
        QTest::newRow("6") << english << "6"
                           << ""
                           << "2 X 4";
        QTest::newRow("06") << english << "06"
                            << ""
                            << "2 X 4";
        QTest::newRow("+6") << english << "+6"
                            << ""
                            << "2 X 4";
        QTest::newRow("blanks") << english << " 6 "
                                << ""
                                << "2 X 4";
        QTest::newRow("6.0") << english << "6.0"
                             << ""
                             << "2 X 4";
        QTest::newRow("6,0 with comma") << german << "6,0"
                                        << ""
                                        << "2 X 4";
        QTest::newRow("6.0 with comma") << german << "6.0" << needNumber << "2 X 3";
        QTest::newRow("six") << english << "six" << needNumber << "2 X 3";
        QTest::newRow("blank") << english << " " << needNumber << "2 X 3";
        QTest::newRow("huge") << english << "1" + QString(400, '0') << needNumber << "2 X 3";
        QTest::newRow("7") << english << "7"
                           << "Try Again!"
                           << "2 X 3";
        QTest::newRow("-6") << german << "-6"
                            << "Try Again!"
                            << "2 X 3";
    }
    void answerFormsToTwoTimesThree() {
        QFETCH(QLocale, locale);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, question);
        QLocale::setDefault(locale);
        Type("2");
        Type("4");
        QCOMPARE(Question(), QStringLiteral("2 X 3"));

        Type(typed);
        QCOMPARE(boxes.Texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(Question(), question);
        if (message.isEmpty()) {
            QCOMPARE(Answer()->text(), QString());
        } else {
            // the whole answer is selected, so the next key replaces it
            QCOMPARE(Answer()->text(), typed);
            QCOMPARE(Answer()->selectedText(), typed);
            QCOMPARE(boxes.shown[0].request.icon, BoxIcon::Exclamation);
            QCOMPARE(boxes.shown[0].request.title, QStringLiteral("Quorvel"));
        }
        QCOMPARE(QApplication::focusWidget(), Answer());
    }

    void typingAfterTryAgainReplacesTheWrongAnswer() {
        Type("3");
        QCOMPARE(boxes.Texts(), QStringList{"Try Again!"});
        Type("2");
        QCOMPARE(boxes.Texts(), QStringList{"Try Again!"});
        QCOMPARE(Question(), QStringLiteral("2 X 2"));
    }

    void anEmptyAnswerAsksForANumberAndKeepsTheQuestion() {
        Type("2");
        QTest::keyClick(Answer(), Qt::Key_Return);
        Find<QPushButton>("btnAnswer")->click();
        QCOMPARE(boxes.Texts(), QStringList(2, "You need to enter a number!"));
        QCOMPARE(Question(), QStringLiteral("2 X 2"));
        QCOMPARE(Answer()->text(), QString());
        QVERIFY(window->isVisible());
    }

    void theLastRightAnswerReportsTheTableCompleteThenCloses() {
        QStringList events;
        connect(window, &frmMain::tableCompleted, this, [&] { events << "completed"; });
        connect(window, &DrillDialog::unloaded, this, [&] { events << "unloaded"; });
        int asked = 0;
        while (window && window->isVisible() && asked < 100) {
            const int a = Find<QLabel>("lblValueA")->text().toInt();
            const int b = Find<QLabel>("lblValueB")->text().toInt();
            ++asked;
            Type(QString::number(a * b));
        }
        QCOMPARE(asked, 20);
        QCOMPARE(events, (QStringList{"completed", "unloaded"}));
        QVERIFY(boxes.shown.isEmpty());
    }

    void theOlderBandAsksUpToTwelve() {
        state.intTopFactor = 12;
        for (int b = 1; b <= 5; ++b) Type(QString::number(2 * b));
        QCOMPARE(Question(), QStringLiteral("2 X 6"));
    }

    void exitAndTheCloseBoxCloseWithoutCompleting_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Exit") << false;
        QTest::newRow("close box") << true;
    }
    void exitAndTheCloseBoxCloseWithoutCompleting() {
        QFETCH(bool, closeBox);
        QSignalSpy completed(window.data(), &frmMain::tableCompleted);
        QSignalSpy unloaded(window.data(), &DrillDialog::unloaded);
        Type("2");
        if (closeBox) {
            window->close();
        } else {
            Find<QPushButton>("btnExit")->click();
        }
        QCOMPARE(unloaded.count(), 1);
        QCOMPARE(completed.count(), 0);
        QVERIFY(window.isNull() || !window->isVisible());
    }

    void escapeDoesNotClose() {
        QSignalSpy unloaded(window.data(), &DrillDialog::unloaded);
        QTest::keyClick(Answer(), Qt::Key_Escape);
        QVERIFY(window->isVisible());
        QCOMPARE(unloaded.count(), 0);
    }

    void helpStartsACalculatorAndLeavesTheQuestionAlone_data() {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("started");
        QTest::newRow("desktop calculator")
            << QStringList{"C:\\WINDOWS\\CALC.EXE", "kcalc"} << "C:\\WINDOWS\\CALC.EXE";
        QTest::newRow("linux calculator") << QStringList{"kcalc"} << "kcalc";
    }
    void helpStartsACalculatorAndLeavesTheQuestionAlone() {
        QFETCH(QStringList, installed);
        QFETCH(QString, started);
        for (const QString& program : installed) launcher.installed.insert(program.toStdString());
        Type("2");
        QTest::keyClicks(Answer(), "4");
        Find<QPushButton>("btnHElp")->click();
        QCOMPARE(launcher.started, std::vector<std::string>{started.toStdString()});
        QCOMPARE(launcher.tried.front(), std::string("C:\\WINDOWS\\CALC.EXE"));
        QVERIFY(boxes.shown.isEmpty());
        QCOMPARE(Question(), QStringLiteral("2 X 2"));
        QCOMPARE(Answer()->text(), QStringLiteral("4"));
    }

    void helpWithoutACalculatorSaysSo() {
        Find<QPushButton>("btnHElp")->click();
        QVERIFY(launcher.started.empty());
        QCOMPARE(launcher.tried.size(), size_t{9});
        QCOMPARE(boxes.Texts(),
                 QStringList{"Sorry, no calculator could be started on this computer."});
        QCOMPARE(boxes.shown[0].request.title, QStringLiteral("Quorvel"));
        QCOMPARE(boxes.shown[0].request.icon, BoxIcon::Exclamation);
        QCOMPARE(Question(), QStringLiteral("2 X 1"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
