#include "dialog_caption.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionTitleBar>

namespace lottavo {

namespace {

QStyleOptionTitleBar titleBarOption(const QWidget& bar) {
    QStyleOptionTitleBar option;
    option.initFrom(&bar);
    option.text = bar.windowTitle();
    option.titleBarFlags = Qt::Window | Qt::WindowTitleHint;
    option.titleBarState = Qt::WindowActive;
    option.state |= QStyle::State_Active;
    option.subControls = QStyle::SC_TitleBarLabel;
    return option;
}

}  // namespace

DialogCaptionC::DialogCaptionC(const QString& title, QWidget* parent) : QWidget(parent) {
    setWindowTitle(title);
}

QSize DialogCaptionC::sizeHint() const {
    const QStyleOptionTitleBar option = titleBarOption(*this);
    return {width(), style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, this)};
}

void DialogCaptionC::paintEvent(QPaintEvent*) {
    const QStyleOptionTitleBar option = titleBarOption(*this);
    QPainter painter(this);
    style()->drawComplexControl(QStyle::CC_TitleBar, &option, &painter, this);
}

}  // namespace lottavo
