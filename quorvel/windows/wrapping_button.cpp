#include "wrapping_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include "accessible_names.h"

namespace quorvel {

WrappingButton::WrappingButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    NameAfterCaption(this);
}

void WrappingButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this)) {
        flags |= Qt::TextHideMnemonic;
    }
    painter.drawItemText(area, flags, option.palette, isEnabled(), caption, QPalette::ButtonText);
}

}  // namespace quorvel
