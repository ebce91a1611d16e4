#include "icon_420.h"

#include <QPainter>
#include <QPixmap>
#include <array>

namespace lottavo {

namespace {

void drawGround(QPainter& painter) {
    painter.setPen(QPen(QColor(40, 40, 120), 2));
    painter.setBrush(QColor(221, 221, 255));
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
}

// A sheet with a column of short list lines.
void drawSheet(QPainter& painter) {
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(9.5, 7.5, 30, 44));
    painter.setPen(QPen(Qt::black, 2));
    for (int y = 13; y <= 45; y += 6) {
        painter.drawLine(13, y, 19, y);
        painter.drawLine(23, y, 36, y);
    }
}

// A red die showing five.
void drawDie(QPainter& painter) {
    painter.setPen(QPen(QColor(90, 0, 0), 1.5));
    painter.setBrush(QColor(200, 30, 30));
    painter.drawRoundedRect(QRectF(30, 30, 28, 28), 6, 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    const std::array<QPointF, 5> pips = {{{37, 37}, {51, 37}, {44, 44}, {37, 51}, {51, 51}}};
    for (const QPointF& pip : pips) painter.drawEllipse(pip, 2.8, 2.8);
}

}  // namespace

QImage icon420Image() {
    QImage image(kIcon420Size, kIcon420Size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawGround(painter);
    drawSheet(painter);
    drawDie(painter);
    return image;
}

QIcon icon420() {
    return QIcon(QPixmap::fromImage(icon420Image()));
}

}  // namespace lottavo
