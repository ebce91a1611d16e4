#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "dialog_404.h"
#include "dialog_caption.h"
#include "dialog_colours.h"
#include "dialog_units.h"
#include "lottavo_dlg.h"
#include "test_suites.h"
#include "window_rig.h"

using namespace lottavo;

class DialogLayoutTest : public QObject, private ActiveDialogFixtureC {
    Q_OBJECT

private:
    QWidget* control(const QString& name) { return dlg->findChild<QWidget*>(name); }
    QWidget* client() { return control(QStringLiteral("client")); }

private slots:
    void init() { QVERIFY(open()); }
    void cleanup() { close(); }

    void mulDivRoundsHalvesAwayFromZero_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("numerator");
        QTest::addColumn<int>("denominator");
        QTest::addColumn<int>("result");
        QTest::newRow("exact") << 20 << 18 << 8 << 45;
        QTest::newRow("below half") << 5 << 18 << 8 << 11;   // 11.25
        QTest::newRow("half") << 14 << 18 << 8 << 32;        // 31.5
        QTest::newRow("above half") << 35 << 18 << 8 << 79;  // 78.75
        QTest::newRow("negative half") << -14 << 18 << 8 << -32;
        QTest::newRow("no overflow") << 2000000000 << 4 << 8 << 1000000000;
    }
    void mulDivRoundsHalvesAwayFromZero() {
        QFETCH(int, value);
        QFETCH(int, numerator);
        QFETCH(int, denominator);
        QFETCH(int, result);
        QCOMPARE(mulDiv(value, numerator, denominator), result);
    }

    // Liberation Mono has the widths and heights of "Courier New": 12 points at 96 dots per inch
    // give the base units that face has, 10 across and 18 down.
    void theTemplateFontGivesTheBaseUnitsOfItsFace() {
        const QFont font = client()->font();
        QCOMPARE(font.pointSize(), 12);
        const QString family = QFontInfo(font).family();
        QVERIFY2(family == u"Courier New" || family == u"Liberation Mono", qPrintable(family));
        const DialogBaseUnitsC base = baseUnitsOf(QFontMetrics(font));
        QCOMPARE(base.x, 10);
        QCOMPARE(base.y, 18);
    }

    void controlsSitAtTheirDialogUnits_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("Generate") << "Generate" << QRect(425, 11, 125, 32);
        QTest::newRow("Copy") << "Copy" << QRect(425, 45, 125, 32);
        QTest::newRow("Quit") << "Quit" << QRect(425, 79, 125, 32);
        QTest::newRow("seed box") << "InStr" << QRect(250, 11, 100, 27);
        QTest::newRow("seed text") << "SeedText" << QRect(13, 16, 220, 27);
        QTest::newRow("quit text") << "QuitText" << QRect(13, 83, 375, 27);
    }
    void controlsSitAtTheirDialogUnits() {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        QWidget* found = control(name);
        QVERIFY(found != nullptr);
        QCOMPARE(found->parentWidget(), client());
        QCOMPARE(found->geometry(), pixels);
    }

    // The client area is 240 x 50 units; caption bar and dialog frame lie around it.
    void theClientAreaHasTheTemplatesSize() {
        QCOMPARE(client()->size(), QSize(600, 113));
        auto* caption = dlg->findChild<DialogCaptionC*>();
        QVERIFY(caption != nullptr);
        QCOMPARE(caption->windowTitle(), QStringLiteral("Random Integer Generator"));
        QCOMPARE(caption->geometry().bottom() + 1, client()->y());
        QCOMPARE(dlg->size(), QSize(606, 113 + caption->height() + 6));
        QCOMPARE(dlg->minimumSize(), dlg->maximumSize());
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Random Integer Generator"));
    }

    void theTextsAreTheTemplates() {
        QCOMPARE(qobject_cast<QPushButton*>(control("Generate"))->text(),
                 QStringLiteral("Generate"));
        QCOMPARE(qobject_cast<QPushButton*>(control("Copy"))->text(), QStringLiteral("Copy"));
        QCOMPARE(qobject_cast<QPushButton*>(control("Quit"))->text(), QStringLiteral("Quit"));
        QCOMPARE(qobject_cast<QLabel*>(control("SeedText"))->text(),
                 QStringLiteral("Seed, 0 <= n <= 32000:"));
        QCOMPARE(qobject_cast<QLabel*>(control("QuitText"))->text(),
                 QStringLiteral("(quit to cumulate generated Lists)-->"));
        auto* seed = qobject_cast<QLineEdit*>(control("InStr"));
        QCOMPARE(seed->maxLength(), 5);
        QVERIFY(seed->validator() == nullptr);  // any character can be typed
        QVERIFY(seed->hasFrame());
    }

    void tabFollowsTheTemplateOrder() {
        QCOMPARE(QApplication::focusWidget(), control("Generate"));
        QStringList visited;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, (QStringList{"Copy", "Quit", "InStr", "Generate"}));
    }

    void theColourHandlerAnswers() {
        for (ColourKindE kind : {ColourKindE::Dialog, ColourKindE::Button, ColourKindE::Static}) {
            const ColourAnswerC answer = colourAnswerFor(kind);
            QVERIFY(!answer.platformColours);
            QCOMPARE(answer.text, QColor(0, 0, 0));
            QCOMPARE(answer.background, QColor(221, 221, 255));
        }
        QVERIFY(colourAnswerFor(ColourKindE::Edit).platformColours);
    }

    // Lavender behind black labels; the seed box in the desktop's edit colours.
    void theDialogIsLavenderWithBlackLabels() {
        const QImage picture = dlg->grab().toImage();
        const QPoint origin = client()->mapTo(dlg.get(), QPoint(0, 0));
        const QColor lavender(221, 221, 255);
        QCOMPARE(picture.pixelColor(origin + QPoint(2, 2)), lavender);
        QWidget* label = control("SeedText");
        QCOMPARE(picture.pixelColor(origin + label->geometry().bottomRight()), lavender);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 0));
        QWidget* seed = control("InStr");
        const QColor base = QApplication::palette().color(QPalette::Base);
        QCOMPARE(seed->palette().color(QPalette::Base), base);
        QCOMPARE(seed->palette().color(QPalette::Text),
                 QApplication::palette().color(QPalette::Text));
        QCOMPARE(picture.pixelColor(origin + seed->geometry().center() + QPoint(30, 0)), base);
    }
};

int runDialogLayoutTests(int argc, char** argv) {
    DialogLayoutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "dialog_layout_test.moc"
