// The drill's windows on a high-resolution screen. Run at a device pixel ratio of 2
// (QT_SCALE_FACTOR=2, set by the test's environment): a twip stays 1/1440 of a logical inch of
// 96 device-independent pixels, so each window keeps its size in those pixels and covers twice
// as many screen pixels each way; its texts keep their point sizes in proportion to it, and the
// logo is painted at the screen's own resolution, not enlarged from a small picture.
#include <QFontInfo>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QtTest>

#include "window_test_doubles.h"
#include "windows_by_name.h"

using namespace quorvel;

namespace {

// Device-independent pixels for a length in twips: 15 twips to the pixel.
int Pixels(int twips) {
    return qRound(twips / 15.0);
}

}  // namespace

class HighDpiTest : public QObject {
    Q_OBJECT

private:
    WindowsByName windows;
    DrillState& state = windows.state;
    FakeClock& clock = windows.clock;
    QPointer<QWidget> window;

    void Open(const QString& name) {
        window = windows.Create(name);
        QVERIFY2(window, qPrintable(name));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }

private slots:
    void cleanup() {
        delete window.data();
        FlushClosedWindows();
    }

    void runsAtDevicePixelRatioTwo() {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 96.0);
    }

    void windowsKeepTheirSizesInTwips_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("twips");
        QTest::newRow("frmStart") << "frmStart" << QSize(5070, 2295);
        QTest::newRow("frmMain") << "frmMain" << QSize(5880, 4800);
        QTest::newRow("frmTimeEnd") << "frmTimeEnd" << QSize(5580, 2520);
        QTest::newRow("frmAbout") << "frmAbout" << QSize(6675, 4590);
        QTest::newRow("frmSplash") << "frmSplash" << QSize(7320, 4245);
    }
    void windowsKeepTheirSizesInTwips() {
        QFETCH(QString, name);
        QFETCH(QSize, twips);
        Open(name);
        const QSize size(Pixels(twips.width()), Pixels(twips.height()));
        QCOMPARE(window->size(), size);
        QCOMPARE(window->devicePixelRatio(), 2.0);
        QCOMPARE(window->grab().toImage().size(), size * 2);
    }

    void textsKeepTheirPointSizes() {
        Open("frmMain");
        // 72 points are one logical inch: 96 device-independent pixels.
        QCOMPARE(QFontInfo(Child<QLabel>(window, "lblValueA")->font()).pixelSize(), 96);
        QCOMPARE(Child<QLabel>(window, "lblValueA")->height(), Pixels(1365));
    }

    void logosArePaintedAtTheScreensResolution_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("logo");
        QTest::newRow("frmAbout") << "frmAbout"
                                  << "picIcon";
        QTest::newRow("frmSplash") << "frmSplash"
                                   << "imgLogo";
    }
    void logosArePaintedAtTheScreensResolution() {
        QFETCH(QString, name);
        QFETCH(QString, logo);
        Open(name);
        const QLabel* label = Child<QLabel>(window, qPrintable(logo));
        const QPixmap pixmap = label->pixmap();
        QCOMPARE(pixmap.devicePixelRatio(), 2.0);
        QCOMPARE(pixmap.size(), label->size() * 2);
    }
};

QTEST_MAIN(HighDpiTest)
#include "high_dpi_test.moc"
