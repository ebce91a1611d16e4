#pragma once

#include <QMessageBox>
#include <cstdint>

#include "msg_box.h"

namespace lottavo {

// How a box of a given style looks and behaves on this desktop.
struct BoxLookC {
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    // A box without owner and without a modal style leaves every window working; one with an
    // owner holds up that window only; system- and task-modal boxes hold up the whole program.
    Qt::WindowModality modality;
    bool onTop;       // system-modal and top-most boxes stay above other windows
    bool foreground;  // raised and activated when shown
};

BoxLookC boxLookOf(uint32_t style, bool owned);

// The button the answer of a box is, as the style's buttons number them; a box that was never
// answered (the program ended its loops) counts as escaped.
int32_t buttonOf(QMessageBox::StandardButton clicked, QMessageBox::StandardButtons buttons);

// Message boxes as QMessageBox. owner is the QWidget the box belongs to, or null. show copies
// text and caption before it waits: while a box without owner is up, a command may run and
// rewrite the buffers they came from. Without a QApplication (before it is made or after it
// is gone) the box goes to the standard error stream.
class QtMsgBoxC final : public MsgBoxC {
public:
    int32_t show(void* owner, const char* text, const char* caption, uint32_t style) override;
};

}  // namespace lottavo
