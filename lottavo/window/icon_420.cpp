#include "icon_420.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
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

// Paints the icon into target, scaled from its 64-unit grid.
void drawIcon420(QPainter& painter, const QRectF& target) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.topLeft());
    painter.scale(target.width() / kIcon420Size, target.height() / kIcon420Size);
    drawGround(painter);
    drawSheet(painter);
    drawDie(painter);
    painter.restore();
}

QImage paintedImage(const QSize& pixels) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawIcon420(painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    return image;
}

class Icon420EngineC : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        drawIcon420(*painter, squareIn(rect));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        if (side <= 0) return {};
        return QPixmap::fromImage(paintedImage({side, side}));
    }

    QIconEngine* clone() const override { return new Icon420EngineC; }
    QString key() const override { return QStringLiteral("lottavo-icon-420"); }

private:
    static QRectF squareIn(const QRect& rect) {
        const int side = std::min(rect.width(), rect.height());
        return {rect.x() + (rect.width() - side) / 2.0, rect.y() + (rect.height() - side) / 2.0,
                qreal(side), qreal(side)};
    }
};

}  // namespace

QImage icon420Image(qreal devicePixelRatio) {
    const int side = qRound(kIcon420Size * devicePixelRatio);
    QImage image = paintedImage({side, side});
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

QIcon icon420() {
    return QIcon(new Icon420EngineC);
}

}  // namespace lottavo
