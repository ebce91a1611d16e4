#include "qimage_canvas.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <QString>
#include <algorithm>

#include "rounding.h"

namespace kurvex {

namespace {

QColor ToQColor(Rgb color) {
    return QColor(color.red, color.green, color.blue);
}

// The pictures are laid out for a screen of 96 pixels per inch; a point is 1/72 inch.
constexpr int kPixelsPerInch = 96;
constexpr int kPointsPerInch = 72;
constexpr int kLargestPixelSize = 1000;

// No text is that wide or high, so one starting this far left or above cannot show.
constexpr int kFarOff = 1 << 24;

}  // namespace

QImageCanvas::QImageCanvas(QImage& image) : image_(image) {}

void QImageCanvas::SetPenColor(Rgb color) {
    penColor_ = ToQColor(color);
}

void QImageCanvas::SetPenStyle(PenStyle) {}  // solid is the only style

void QImageCanvas::SetPenWidth(int width) {
    penWidth_ = std::clamp(width, 1, 100);
}

void QImageCanvas::MoveTo(int x, int y) {
    position_ = QPoint(x, y);
}

void QImageCanvas::LineTo(int x, int y) {
    const QPoint end(x, y);
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(penColor_, penWidth_, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(position_, end);
    position_ = end;
}

void QImageCanvas::SetFontColor(Rgb color) {
    fontColor_ = ToQColor(color);
}

void QImageCanvas::SetFontSize(int points) {
    fontPoints_ = points;
}

QFont QImageCanvas::FontForPoints(int points) {
    QFont font = QFontDatabase::hasFamily(QStringLiteral("DejaVu Sans"))
                     ? QFont(QStringLiteral("DejaVu Sans"))
                     : QGuiApplication::font();
    const int64_t pixels =
        Round(static_cast<long double>(points) * kPixelsPerInch / kPointsPerInch);
    font.setPixelSize(static_cast<int>(std::clamp<int64_t>(pixels, 1, kLargestPixelSize)));
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void QImageCanvas::TextOut(int x, int y, const std::string& text) {
    // A box that starts at or past the right or bottom edge shows nothing.
    if (x >= image_.width() || y >= image_.height() || x < -kFarOff || y < -kFarOff) return;
    const QString qtext = QString::fromStdString(text);
    const QFont font = FontForPoints(fontPoints_);
    const QFontMetrics metrics(font);
    // The advance box, widened to any ink that overhangs it, hides what lies beneath.
    const QRect box = QRect(x, y, metrics.horizontalAdvance(qtext), metrics.height())
                          .united(metrics.boundingRect(qtext).translated(x, y + metrics.ascent()));
    if (box.right() < 0 || box.bottom() < 0) return;

    QPainter painter(&image_);
    painter.fillRect(box, Qt::white);
    painter.setFont(font);
    painter.setPen(fontColor_);
    painter.drawText(x, y + metrics.ascent(), qtext);
}

}  // namespace kurvex
