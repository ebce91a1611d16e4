#include "graph_form.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

using kurvex::TGraphForm;

namespace {

struct RecordingBoxes : kurvex::WindowBoxes {
    QStringList messages, errors;
    void ShowMessage(const std::string& text) override { messages << QString::fromStdString(text); }
    void ShowError(const std::string& text) override { errors << QString::fromStdString(text); }
};

int NonWhitePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) != qRgb(255, 255, 255);
    return count;
}

int RedPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == qRgb(255, 0, 0);
    return count;
}

}  // namespace

class GraphFormTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TGraphForm> form;
    RecordingBoxes boxes;

    template <typename T>
    T* Find(const char* name) {
        T* child = form->findChild<T*>(QString::fromUtf8(name));
        if (!child) qFatal("no %s", name);
        return child;
    }
    QLineEdit* Edit(const char* name) { return Find<QLineEdit>(name); }
    QAbstractItemModel* Table() { return Find<QTableView>("TableGrid")->model(); }
    QString Cell(int column, int row) {
        return Table()->data(Table()->index(row - 1, column)).toString();
    }

    void Type(const char* name, const QString& text) {
        Edit(name)->clear();
        QTest::keyClicks(Edit(name), text);
    }
    void Go(const QString& equation, const QString& low, const QString& high,
            const QString& specX = {}) {
        Type("EquationEdit", equation);
        Type("LowLimEdit", low);
        Type("HighLimEdit", high);
        Type("SpecXEdit", specX);
        Find<QPushButton>("GoButton")->click();
    }

private slots:
    void init() {
        QLocale::setDefault(QLocale::c());
        boxes = {};
        form = std::make_unique<TGraphForm>(QSize(1024, 768), &boxes);
    }

    void layoutAt1024By768() {
        QCOMPARE(form->width(), 1014);
        QCOMPARE(form->Picture().size(), QSize(1014, 660));
        QCOMPARE(Find<QPushButton>("GoButton")->x(), 509);
        QCOMPARE(Find<QFrame>("PiRadioGroup")->x(), 944);
        QCOMPARE(Find<QWidget>("GroupBox1")->geometry(), QRect(0, 0, 1014, 78));
        QCOMPARE(Find<QTabWidget>("PageControl1")->geometry(), QRect(0, 78, 1014, 660));
        QCOMPARE(Table()->rowCount(), 1014);
    }

    void startState() {
        QCOMPARE(form->windowTitle(), QStringLiteral("Kurvex"));
        for (QLineEdit* edit : form->findChildren<QLineEdit*>()) QVERIFY(edit->text().isEmpty());
        QVERIFY(Find<QRadioButton>("TimesPiItem")->isChecked());
        QVERIFY(!Find<QRadioButton>("UnitsItem")->isChecked());
        auto* pages = Find<QTabWidget>("PageControl1");
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("HelpSheet"));
        QCOMPARE(pages->tabText(0), QStringLiteral("Graph"));
        QCOMPARE(pages->tabText(1), QStringLiteral("Table"));
        QCOMPARE(pages->tabText(2), QStringLiteral("Help"));
        QCOMPARE(NonWhitePixels(form->Picture()), 0);
        QCOMPARE(Cell(0, 1), QString());
        QCOMPARE(Find<QPushButton>("ExitButton")->toolTip(),
                 QStringLiteral("This terminates the pogram"));
        QCOMPARE(Edit("MaxXEdit")->toolTip(),
                 QStringLiteral("This shows the X  value producing the max Y value"));
        const QString help = Find<QPlainTextEdit>("HelpMemo")->toPlainText();
        for (const char* heading : {"I N T R O D U C T I O N", "E N T E R I N G",
                                    "T H E   D I S P L A Y", "T H E   B U T T O N S"})
            QVERIFY2(help.contains(QString::fromUtf8(heading)), heading);
    }

    void tabOrder() {
        form->show();
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        Edit("EquationEdit")->setFocus();
        QStringList visited;
        for (int i = 0; i < 11; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, (QStringList{"SpecXEdit", "LowLimEdit", "HighLimEdit", "GoButton",
                                       "SpecYEdit", "MaxXEdit", "MaxYEdit", "TimesPiItem",
                                       "ClearButton", "ExitButton", "EquationEdit"}));
        // Within the units choice the arrow keys move the choice, and the tab stop with it.
        auto* timesPi = Find<QRadioButton>("TimesPiItem");
        timesPi->setFocus();
        QTest::keyClick(timesPi, Qt::Key_Up);
        QVERIFY(Find<QRadioButton>("UnitsItem")->isChecked());
        Edit("MaxYEdit")->setFocus();
        QTest::keyClick(Edit("MaxYEdit"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("UnitsItem"));
    }

    // Every control that can take the focus tells assistive technology what it is: its own
    // accessible name, which is also what the accessibility interface reports.
    void everyFocusableControlHasAnAccessibleName() {
        QStringList focusable;
        for (QWidget* widget : form->findChildren<QWidget*>()) {
            if (widget->focusPolicy() == Qt::NoFocus) continue;
            focusable << widget->objectName();
            QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            QVERIFY2(accessible, qPrintable(widget->objectName()));
            QCOMPARE(accessible->text(QAccessible::Name), widget->accessibleName());
        }
        // Among them: the edit boxes, buttons and units choice, and, by clicking, the table and
        // the help text.
        for (const char* control :
             {"EquationEdit", "SpecXEdit", "LowLimEdit", "HighLimEdit", "GoButton", "SpecYEdit",
              "MaxXEdit", "MaxYEdit", "UnitsItem", "TimesPiItem", "ClearButton", "ExitButton",
              "TableGrid", "HelpMemo"})
            QVERIFY2(focusable.contains(control), control);
    }

    void boxesAreNamedByTheirLabelsAndDescribedByTheirHints() {
        QCOMPARE(Edit("EquationEdit")->accessibleName(), QStringLiteral("Equation"));
        QCOMPARE(Edit("LowLimEdit")->accessibleName(), QStringLiteral("Low X"));
        QCOMPARE(Edit("HighLimEdit")->accessibleName(), QStringLiteral("High X"));
        // The specific X and Y boxes take their labels' captions without the trailing blank.
        QCOMPARE(Edit("SpecXEdit")->accessibleName(), Find<QLabel>("SpecXLabel")->text().trimmed());
        QCOMPARE(Edit("SpecYEdit")->accessibleName(), Find<QLabel>("SpecYLabel")->text().trimmed());
        QVERIFY(!Edit("SpecXEdit")->accessibleName().isEmpty());
        QCOMPARE(Edit("MaxXEdit")->accessibleName(), QStringLiteral("MaxX"));
        QCOMPARE(Edit("MaxYEdit")->accessibleName(), QStringLiteral("MaxY"));
        QCOMPARE(Edit("LowLimEdit")->accessibleDescription(),
                 QStringLiteral("Enter the low limit of X required here"));
        QCOMPARE(Find<QPushButton>("GoButton")->accessibleName(), QStringLiteral("Go"));
        QCOMPARE(Find<QPushButton>("GoButton")->accessibleDescription(),
                 QStringLiteral("This starts the calculations"));
        QCOMPARE(Find<QRadioButton>("TimesPiItem")->accessibleName(), QStringLiteral("Times Pi"));
        QCOMPARE(Find<QLabel>("MaxYLabel")->buddy(), Edit("MaxYEdit"));
    }

    // Tab alone reaches every control that the tab order names, and Space presses the buttons.
    void theKeyboardAloneDrawsAndClears() {
        form->show();
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        Edit("EquationEdit")->setFocus();
        const auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
        QTest::keyClicks(QApplication::focusWidget(), "x");
        key(Qt::Key_Tab);  // the specific X
        key(Qt::Key_Tab);  // Low X
        QTest::keyClicks(QApplication::focusWidget(), "-1");
        key(Qt::Key_Tab);  // High X
        QTest::keyClicks(QApplication::focusWidget(), "1");
        key(Qt::Key_Tab);  // Go
        key(Qt::Key_Space);
        QVERIFY(RedPixels(form->Picture()) > 0);
        QVERIFY(Edit("MaxYEdit")->text().startsWith("3.14159265358979"));  // times pi
        for (int i = 0; i < 5; ++i) key(Qt::Key_Tab);  // results, units choice, Clear
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("ClearButton"));
        key(Qt::Key_Space);
        QCOMPARE(NonWhitePixels(form->Picture()), 0);
        QVERIFY(boxes.messages.isEmpty() && boxes.errors.isEmpty());
    }

    void goComputesReportsAndLists() {
        Find<QRadioButton>("UnitsItem")->click();
        Go("x", "-2", "2", "1.5");
        QVERIFY(boxes.messages.isEmpty() && boxes.errors.isEmpty());
        QCOMPARE(Edit("MaxYEdit")->text(), QStringLiteral("2.000000000000000000"));
        QCOMPARE(Edit("MaxXEdit")->text(), QStringLiteral("2.000000000000000000"));
        QCOMPARE(Edit("SpecYEdit")->text(), QStringLiteral("1.5"));
        QCOMPARE(Table()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("    X Value"));
        QCOMPARE(Table()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("    YValue"));
        QCOMPARE(Cell(1, 1014), QStringLiteral("2.000000000000000000"));
        QVERIFY(RedPixels(form->Picture()) > 0);
        // Go leaves the page shown alone.
        QCOMPARE(Find<QTabWidget>("PageControl1")->currentWidget()->objectName(),
                 QStringLiteral("HelpSheet"));
    }

    void numberTextsFollowTheLocale() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Find<QRadioButton>("UnitsItem")->click();
        Go("x/4", "-1,5", "2", "0,5");
        QCOMPARE(Edit("MaxYEdit")->text(), QStringLiteral("0,500000000000000000"));
        QCOMPARE(Edit("SpecYEdit")->text(), QStringLiteral("0,125"));
        QCOMPARE(Cell(0, 1014), QStringLiteral("2,000000000000000000"));
        Go("x", "-1.5", "2");
        QCOMPARE(boxes.errors, QStringList{"'-1.5' is not a valid floating point value"});
    }

    void syntaxRefusalShowsItsMessage() {
        Go("sin x", "-1", "1");
        QCOMPARE(boxes.messages,
                 QStringList{"Syntax Error - equation containes unrecognised characters"});
        QCOMPARE(NonWhitePixels(form->Picture()), 0);
    }

    void failuresShowTheErrorBox() {
        Go("x^1.5", "", "", "-8");  // a fault of the specific X is not caught by the command
        Go("x", "abc", "1");
        QCOMPARE(boxes.errors.size(), 2);
        QVERIFY(boxes.errors[0].startsWith("Invalid argument"));
        QCOMPARE(boxes.errors[1], QStringLiteral("'abc' is not a valid floating point value"));
        QCOMPARE(Edit("SpecYEdit")->text(), QString());
    }

    void clearAfterTwoCurves() {
        Find<QRadioButton>("UnitsItem")->click();
        Go("x", "-1", "1");
        Go("x^2", "-1", "1");
        QVERIFY(RedPixels(form->Picture()) > 0);
        Find<QPushButton>("ClearButton")->click();
        QCOMPARE(NonWhitePixels(form->Picture()), 0);
        QCOMPARE(Cell(0, 1), QString());
        QCOMPARE(Cell(1, 1014), QString());
        QCOMPARE(Table()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("    X Value"));
        QCOMPARE(Edit("EquationEdit")->text(), QStringLiteral("x^2"));
        QCOMPARE(Edit("MaxYEdit")->text(), QStringLiteral("1.000000000000000000"));
        QVERIFY(boxes.errors.isEmpty());
    }

    void clearWithABadLimitBlanksThePictureFirst() {
        Find<QRadioButton>("UnitsItem")->click();
        Go("x", "-1", "1");
        Type("LowLimEdit", "abc");
        Find<QPushButton>("ClearButton")->click();
        QCOMPARE(boxes.errors, QStringList{"'abc' is not a valid floating point value"});
        QCOMPARE(NonWhitePixels(form->Picture()), 0);
        QCOMPARE(Cell(1, 1014), QStringLiteral("1.000000000000000000"));  // rows not emptied
    }

    void enterPressesTheFocusedButton() {
        form->show();
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        Type("EquationEdit", "x");
        Type("LowLimEdit", "0");
        Type("HighLimEdit", "1");
        auto* go = Find<QPushButton>("GoButton");
        go->setFocus();
        QTest::keyClick(go, Qt::Key_Return);
        QVERIFY(!Edit("MaxYEdit")->text().isEmpty());
    }

    void exitClosesTheWindow() {
        form->show();
        Find<QPushButton>("ExitButton")->click();
        QVERIFY(!form->isVisible());
        QVERIFY(!form->HasTemplateBitmap());
    }
};

QTEST_MAIN(GraphFormTest)
#include "graph_form_test.moc"
