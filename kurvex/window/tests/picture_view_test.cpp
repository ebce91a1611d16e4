// The picture on a high-resolution screen. Run at a device pixel ratio of 2 (QT_SCALE_FACTOR=2,
// set by the test's environment): each pixel of the picture must reach the screen as a sharp
// 2x2 block of its own colour, never blended with its neighbours.
#include "picture_view.h"

#include <QApplication>
#include <QPainter>
#include <QtTest>

using kurvex::PictureView;

namespace {

// A picture whose every pixel differs from a neighbour: a checkerboard of black and white with
// a red diagonal, as sharp-edged as the curves and figures the grapher draws.
QImage SharpPicture() {
    QImage picture(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    for (int i = 0; i < picture.height(); ++i) picture.setPixel(i, i, qRgb(255, 0, 0));
    return picture;
}

}  // namespace

class PictureViewTest : public QObject {
    Q_OBJECT

private slots:
    void runsAtDevicePixelRatioTwo() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    void showsEachPixelAsASharpBlock() {
        const QImage picture = SharpPicture();
        PictureView view(picture);
        view.resize(picture.size());
        const QImage shown = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), picture.size() * 2);
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QRgb own = picture.pixel(x / 2, y / 2);
                if (shown.pixel(x, y) != own) {
                    QFAIL(qPrintable(QString::asprintf("screen pixel %d,%d is %08x, not %08x", x, y,
                                                       shown.pixel(x, y), own)));
                }
            }
        }
    }

    // Beyond the picture's edge the page's own background shows.
    void fillsTheRestWithTheBackground() {
        const QImage picture = SharpPicture();
        PictureView view(picture);
        view.resize(picture.width() + 10, picture.height());
        const QImage shown = view.grab().toImage();
        QCOMPARE(QColor(shown.pixel(shown.width() - 1, 0)), view.palette().color(QPalette::Window));
    }
};

QTEST_MAIN(PictureViewTest)
#include "picture_view_test.moc"
