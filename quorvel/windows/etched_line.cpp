#include "etched_line.h"

#include <QPainter>
#include <algorithm>

#include "twips_layout.h"

namespace quorvel {

EtchedLine::EtchedLine(const Lines& lines, QWidget* parent) : QWidget(parent) {
    const TwipsLayout twips;
    const QLine grey(twips.Px(lines.greyLeft), twips.Px(lines.greyY), twips.Px(lines.greyRight),
                     twips.Px(lines.greyY));
    const QLine white(twips.Px(lines.whiteLeft), twips.Px(lines.whiteY), twips.Px(lines.whiteRight),
                      twips.Px(lines.whiteY));
    const int left = std::min(grey.x1(), white.x1());
    const int right = std::max(grey.x2(), white.x2());
    const int top = std::min(grey.y1(), white.y1());
    const int bottom = std::max(grey.y1(), white.y1()) + 1;  // room for the 2-pixel white line
    setGeometry(left, top, right - left + 1, bottom - top + 1);
    grey_ = grey.translated(-left, -top);
    white_ = white.translated(-left, -top);
}

void EtchedLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    painter.drawLine(grey_);
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(white_);
}

}  // namespace quorvel
