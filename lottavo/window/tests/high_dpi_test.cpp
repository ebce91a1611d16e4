// The generator on a high-resolution screen. Run at a device pixel ratio of 2 (QT_SCALE_FACTOR=2,
// set by the test's environment): the template font keeps its point size in logical pixels, so
// the dialog keeps its size in dialog units and covers twice as many screen pixels each way; its
// icon is painted at the screen's own resolution, not enlarged from the 64-pixel picture.
#include <QApplication>
#include <QScreen>
#include <QtTest>
#include <memory>

#include "dialog_units.h"
#include "icon_420.h"
#include "lottavo_dlg.h"
#include "window_rig.h"

using namespace lottavo;

class HighDpiTest : public QObject, private ActiveDialogFixtureC {
    Q_OBJECT

private slots:
    void init() { QVERIFY(open()); }
    void cleanup() { close(); }

    void runsAtDevicePixelRatioTwo() {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 96.0);
    }

    void theDialogKeepsItsSizeInDialogUnits_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");  // device-independent
        QTest::newRow("client area") << "client" << QRect(3, -1, 600, 113);
        QTest::newRow("Generate") << "Generate" << QRect(425, 11, 125, 32);
        QTest::newRow("seed box") << "InStr" << QRect(250, 11, 100, 27);
        QTest::newRow("quit text") << "QuitText" << QRect(13, 83, 375, 27);
    }
    void theDialogKeepsItsSizeInDialogUnits() {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        QWidget* control = dlg->findChild<QWidget*>(name);
        QVERIFY(control != nullptr);
        const DialogBaseUnitsC base = baseUnitsOf(QFontMetrics(control->font()));
        QCOMPARE(base.x, 10);
        QCOMPARE(base.y, 18);
        if (pixels.y() < 0) {
            QCOMPARE(control->size(), pixels.size());  // below the caption bar
        } else {
            QCOMPARE(control->geometry(), pixels);
        }
        QCOMPARE(control->devicePixelRatio(), 2.0);
        QCOMPARE(control->grab().size(), pixels.size() * 2);
    }

    void theIconIsPaintedAtTheScreensDensity() {
        const QPixmap shown = icon420().pixmap(kIcon420Size);
        QCOMPARE(shown.devicePixelRatio(), 2.0);
        QCOMPARE(shown.size(), QSize(128, 128));
        const QImage painted = icon420Image(2.0);
        QCOMPARE(shown.toImage(), painted);
        QCOMPARE(painted.pixelColor(88, 88), QColor(Qt::white));  // the die's middle pip
        // Enlarged from 64 pixels, the edges would be blurred: it is not that picture.
        const QImage enlarged =
            icon420Image().scaled(128, 128, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY(enlarged.convertToFormat(painted.format()) != painted);
    }
};

QTEST_MAIN(HighDpiTest)
#include "high_dpi_test.moc"
