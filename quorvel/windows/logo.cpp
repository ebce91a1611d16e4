#include "logo.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace quorvel {
namespace {

const QColor kBody(255, 140, 26);    // warm orange case
const QColor kOutline(176, 84, 0);   // its darker edge
const QColor kFace(255, 255, 255);   // dial
const QColor kTicks(120, 120, 120);  // quarter marks
const QColor kTimes(30, 111, 217);   // the times sign

void PaintCrown(QPainter& painter, qreal s) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kOutline);
    painter.drawRoundedRect(QRectF(0.42 * s, 0.04 * s, 0.16 * s, 0.09 * s), 0.03 * s, 0.03 * s);
    painter.drawRect(QRectF(0.47 * s, 0.11 * s, 0.06 * s, 0.06 * s));
    // the side button, tilted towards the crown
    painter.save();
    painter.translate(0.80 * s, 0.24 * s);
    painter.rotate(45);
    painter.drawRoundedRect(QRectF(-0.05 * s, -0.03 * s, 0.10 * s, 0.06 * s), 0.02 * s, 0.02 * s);
    painter.restore();
}

void PaintCase(QPainter& painter, qreal s, const QPointF& centre) {
    painter.setPen(QPen(kOutline, 0.04 * s));
    painter.setBrush(kBody);
    painter.drawEllipse(centre, 0.40 * s, 0.40 * s);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kFace);
    painter.drawEllipse(centre, 0.30 * s, 0.30 * s);
}

void PaintTicks(QPainter& painter, qreal s, const QPointF& centre) {
    painter.setPen(QPen(kTicks, 0.035 * s, Qt::SolidLine, Qt::RoundCap));
    for (int quarter = 0; quarter < 4; ++quarter) {
        painter.save();
        painter.translate(centre);
        painter.rotate(90.0 * quarter);
        painter.drawLine(QPointF(0, -0.26 * s), QPointF(0, -0.21 * s));
        painter.restore();
    }
}

void PaintTimesSign(QPainter& painter, qreal s, const QPointF& centre) {
    const qreal arm = 0.12 * s;
    painter.setPen(QPen(kTimes, 0.08 * s, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(-arm, -arm), centre + QPointF(arm, arm));
    painter.drawLine(centre + QPointF(-arm, arm), centre + QPointF(arm, -arm));
}

}  // namespace

QPixmap PaintLogo(int size) {
    QPixmap logo(size, size);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const QPointF centre(0.5 * s, 0.56 * s);
    PaintCrown(painter, s);
    PaintCase(painter, s, centre);
    PaintTicks(painter, s, centre);
    PaintTimesSign(painter, s, centre);
    return logo;
}

void ShowLogo(QLabel* label) {
    const qreal density = label->devicePixelRatioF();
    QPixmap logo = PaintLogo(qRound(qMax(label->width(), label->height()) * density));
    logo.setDevicePixelRatio(density);
    label->setScaledContents(true);
    label->setPixmap(logo);
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(PaintLogo(size));
    return icon;
}

}  // namespace quorvel
