// The drill's five windows for a child who uses assistive technology or only the keyboard:
// every control that can take the focus has an accessible name, which the accessibility
// interface reports; and the keyboard alone reaches every control, Tab in the windows' tab order
// and the arrow keys within the grade choice.
#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSet>
#include <QtTest>

#include "window_test_doubles.h"
#include "windows_by_name.h"

using namespace quorvel;

class AccessibilityTest : public QObject {
    Q_OBJECT

private:
    WindowsByName windows;
    DrillState& state = windows.state;
    FakeClock& clock = windows.clock;
    QPointer<QWidget> window;

    void Open(const QString& name) {
        clock.Set(10, 1, 7);
        window = windows.Create(name);
        QVERIFY2(window, qPrintable(name));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

    QList<QWidget*> FocusableControls(Qt::FocusPolicy policy) const {
        QList<QWidget*> controls;
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (child->isVisibleTo(window) && (child->focusPolicy() & policy) == policy)
                controls << child;
        }
        return controls;
    }

    QStringList Names(const QList<QWidget*>& widgets) const {
        QStringList names;
        for (const QWidget* widget : widgets) names << widget->objectName();
        return names;
    }

    // Tab from the control that has the focus when the window opens, until the focus is back.
    QList<QWidget*> TabCycle() const {
        QList<QWidget*> visited;
        QWidget* first = QApplication::focusWidget();
        if (!first) return visited;
        visited << first;
        for (int i = 0; i < 20; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() == first) break;
            visited << QApplication::focusWidget();
        }
        return visited;
    }

private slots:
    void init() {
        state = {};
        clock = {};
        clock.Set(10, 0, 0);
        state.sngStartTime = static_cast<float>(clock.now);
        windows.boxes = {};
        windows.launcher = {};
        windows.registry = {};
    }
    void cleanup() {
        delete window.data();
        FlushClosedWindows();
    }

    void everyFocusableControlHasAnAccessibleName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("expected");  // control: accessible name
        QTest::newRow("frmStart") << "frmStart"
                                  << QStringList{"btnStart: Start", "OptYoung: 1st - 3rd Grade",
                                                 "OptOld: 4th - 6th Grade", "btnAbout: About"};
        QTest::newRow("frmMain") << "frmMain"
                                 << QStringList{"txtAnswer: Answer", "btnAnswer: Enter Answer",
                                                "btnHElp: Help", "btnExit: Exit"};
        QTest::newRow("frmTimeEnd")
            << "frmTimeEnd"
            << QStringList{
                   "lblTimeMsg: It took you 1 minute and 7 seconds\r\nto complete your "
                   "multiplication table.",
                   "BtnStartOver: Start Over", "btnExit: Exit"};
        QTest::newRow("frmAbout") << "frmAbout"
                                  << QStringList{"cmdOK: OK", "cmdSysInfo: System Info..."};
        QTest::newRow("frmSplash") << "frmSplash" << QStringList{};
    }
    void everyFocusableControlHasAnAccessibleName() {
        QFETCH(QString, name);
        QFETCH(QStringList, expected);
        Open(name);
        QStringList named;
        for (QWidget* control : FocusableControls(Qt::ClickFocus)) {
            const QString accessibleName = control->accessibleName();
            QVERIFY2(!accessibleName.isEmpty(), qPrintable(control->objectName()));
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            QVERIFY2(accessible, qPrintable(control->objectName()));
            QCOMPARE(accessible->text(QAccessible::Name), accessibleName);
            named << control->objectName() + ": " + accessibleName;
        }
        named.sort();
        expected.sort();
        QCOMPARE(named, expected);
    }

    void theAnswerBoxDescribesItsQuestion() {
        Open("frmMain");
        auto* answer = Child<QLineEdit>(window, "txtAnswer");
        QCOMPARE(answer->accessibleDescription(), QStringLiteral("2 X 1"));
        QTest::keyClicks(answer, "2");
        QTest::keyClick(answer, Qt::Key_Return);
        QCOMPARE(answer->accessibleDescription(), QStringLiteral("2 X 2"));
    }

    // The time can be selected with the mouse and copied; Tab passes the message by.
    void theTimeMessageCanBeSelected() {
        Open("frmTimeEnd");
        auto* message = Child<QLabel>(window, "lblTimeMsg");
        QVERIFY(message->textInteractionFlags() & Qt::TextSelectableByMouse);
        QCOMPARE(message->focusPolicy(), Qt::ClickFocus);
        QTest::mouseClick(message, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::keyClick(message, Qt::Key_A, Qt::ControlModifier);
        // The selection holds the whole message; its line break reads as a paragraph break.
        QCOMPARE(message->selectedText().replace(QChar::ParagraphSeparator, u'\n'),
                 message->text().remove(u'\r'));
    }

    void theKeyboardReachesEveryControl_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("tabOrder");
        QTest::newRow("frmStart") << "frmStart" << QStringList{"btnStart", "OptYoung", "btnAbout"};
        QTest::newRow("frmMain") << "frmMain"
                                 << QStringList{"txtAnswer", "btnAnswer", "btnHElp", "btnExit"};
        QTest::newRow("frmTimeEnd") << "frmTimeEnd" << QStringList{"BtnStartOver", "btnExit"};
        QTest::newRow("frmAbout") << "frmAbout" << QStringList{"cmdOK", "cmdSysInfo"};
        QTest::newRow("frmSplash") << "frmSplash" << QStringList{};
    }
    void theKeyboardReachesEveryControl() {
        QFETCH(QString, name);
        QFETCH(QStringList, tabOrder);
        Open(name);
        const QList<QWidget*> cycle = TabCycle();
        QCOMPARE(Names(cycle), tabOrder);

        // The grade options are one tab stop; the arrow keys move between them.
        QSet<QWidget*> reached(cycle.begin(), cycle.end());
        for (QWidget* stop : cycle) {
            if (!qobject_cast<QRadioButton*>(stop)) continue;
            stop->setFocus();
            QTest::keyClick(stop, Qt::Key_Right);
            reached << QApplication::focusWidget();
        }
        for (QWidget* control : FocusableControls(Qt::TabFocus))
            QVERIFY2(reached.contains(control), qPrintable(control->objectName()));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
