#include "picture_view.h"

#include <QPaintEvent>
#include <QPainter>

namespace kurvex {

// The picture's pixels are shown as they are. At a device pixel ratio above 1 (a high
// resolution screen, or QT_SCALE_FACTOR) each becomes a block of screen pixels, never a blend
// of its neighbours: the curve and the figures stay sharp.
void PictureView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.fillRect(event->rect(), palette().window());
    painter.drawImage(0, 0, picture_);
}

}  // namespace kurvex
