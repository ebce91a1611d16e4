// The generator for someone who uses assistive technology or only the keyboard: every control
// that can take the focus has an accessible name, which the accessibility interface reports;
// Tab reaches every control of the dialog, and each button can be pressed from the keyboard;
// the cumulative list window is worked through its menu's access keys.
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "cumulator_win.h"
#include "frame_window.h"
#include "generator_commands.h"
#include "lottavo_dlg.h"
#include "menu_452.h"
#include "randomize.h"
#include "show_cumulated_lists.h"
#include "test_suites.h"
#include "window_rig.h"

using namespace lottavo;

namespace {

QList<QWidget*> focusableIn(QWidget* window, Qt::FocusPolicy policy) {
    QList<QWidget*> controls;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (child->isVisibleTo(window) && (child->focusPolicy() & policy) == policy) {
            controls << child;
        }
    }
    return controls;
}

// "object name: accessible name" for each control, sorted; checks that the accessibility
// interface reports the same name.
QStringList accessibleNames(const QList<QWidget*>& controls) {
    QStringList named;
    for (QWidget* control : controls) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        if (accessible == nullptr) {
            named << control->objectName() + ": <no interface>";
            continue;
        }
        if (accessible->text(QAccessible::Name) != control->accessibleName()) {
            named << control->objectName() + ": <interface reads another name>";
            continue;
        }
        named << control->objectName() + ": " + control->accessibleName();
    }
    named.sort();
    return named;
}

}  // namespace

class AccessibilityTest : public QObject, private ActiveDialogFixtureC {
    Q_OBJECT

private:
    QWidget* control(const char* name) { return dlg->findChild<QWidget*>(name); }

private slots:
    void init() { QVERIFY(open()); }
    void cleanup() { close(); }

    void everyDialogControlHasAnAccessibleName() {
        QCOMPARE(accessibleNames(focusableIn(dlg.get(), Qt::ClickFocus)),
                 (QStringList{"Copy: Copy", "Generate: Generate",
                              "InStr: Seed, 0 <= n <= 32000:", "Quit: Quit"}));
    }

    // The seed box is announced as labelled by the text before it.
    void theSeedLabelLabelsTheSeedBox() {
        auto* label = qobject_cast<QLabel*>(control("SeedText"));
        QCOMPARE(label->buddy(), control("InStr"));
        QAccessibleInterface* seedBox = QAccessible::queryAccessibleInterface(control("InStr"));
        QStringList labels;
        for (const auto& relation : seedBox->relations(QAccessible::Label)) {
            labels << relation.first->text(QAccessible::Name);
        }
        QCOMPARE(labels, QStringList{"Seed, 0 <= n <= 32000:"});
        // The other text labels nothing: it stands on a line without a box.
        QCOMPARE(qobject_cast<QLabel*>(control("QuitText"))->buddy(), nullptr);
    }

    void tabReachesEveryControl() {
        QSet<QWidget*> reached{QApplication::focusWidget()};
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << QApplication::focusWidget();
        }
        const QList<QWidget*> stops = focusableIn(dlg.get(), Qt::TabFocus);
        QCOMPARE(stops.size(), 4);
        for (QWidget* stop : stops)
            QVERIFY2(reached.contains(stop), qPrintable(stop->objectName()));
    }

    void everyButtonCanBePressedFromTheKeyboard_data() {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("boxCaption");  // of the box the press brings up
        QTest::newRow("Space on Generate")
            << "Generate" << int{Qt::Key_Space} << " Random Number List #001";
        QTest::newRow("Return in the seed box")
            << "InStr" << int{Qt::Key_Return} << " Random Number List #001";
        QTest::newRow("Space on Copy") << "Copy" << int{Qt::Key_Space} << "  COPY to Clipboard  ";
        QTest::newRow("Space on Quit") << "Quit" << int{Qt::Key_Space} << " Lottavo:  QUITTING?";
    }
    void everyButtonCanBePressedFromTheKeyboard() {
        QFETCH(QString, focused);
        QFETCH(int, key);
        QFETCH(QString, boxCaption);
        rig->box.answer = kButtonNo;
        QWidget* target = control(focused.toLatin1().constData());
        target->setFocus();
        QCOMPARE(QApplication::focusWidget(), target);
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(rig->box.shown.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(rig->box.shown[0].caption), boxCaption);
        QVERIFY(dlg->isVisible());
    }

    // The list text takes the focus and is read by the window's caption; Alt+M opens the menu
    // and S saves.
    void theCumulativeListWindowWorksFromTheKeyboard() {
        RandomizeC engine(rig->services().engine);
        engine.setUSeedStr("0");
        QCOMPARE(generateCommand(engine, rig->err), 0);
        auto* editor =
            new CumulatorWinC(nullptr, engine.getTextPtr(), kCumulatorName, rig->services());
        FrameWindowC frame(QString::fromLatin1(kCumulatorName), editor);
        buildMenu(frame.menuBar(), menu452(), [editor](int id) { editor->command(id); });
        frame.show();
        QApplication::setActiveWindow(&frame);
        QVERIFY(QTest::qWaitForWindowActive(&frame));

        QCOMPARE(accessibleNames(focusableIn(&frame, Qt::ClickFocus)),
                 QStringList{"CumulatorWinC: Lottavo: Cumulated Random Integer Lists  (Proper "
                             "format requires save)"});
        QCOMPARE(QApplication::focusWidget(), editor);

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("lists.txt"));
        rig->fileDialog.answers << path;
        QTest::keyClick(editor, Qt::Key_M, Qt::AltModifier);
        QMenu* popup = frame.menuBar()->actions().at(0)->menu();
        QTRY_VERIFY(popup->isVisible());
        QTest::keyClick(popup, Qt::Key_S);
        QTRY_VERIFY(QFile::exists(path));
        QCOMPARE(rig->fileDialog.asked.size(), std::size_t{1});
    }
};

int runAccessibilityTests(int argc, char** argv) {
    AccessibilityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "accessibility_test.moc"
