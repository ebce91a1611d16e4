#include "picture_view.h"

#include <QPaintEvent>
#include <QPainter>

namespace kurvex {

void PictureView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    painter.drawImage(0, 0, picture_);
}

}  // namespace kurvex
