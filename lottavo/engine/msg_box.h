#pragma once

#include <cstdint>

namespace lottavo {

// Style bits of a message box, combined with |. The values are those the program has always
// passed, so a style reads the same in a recorded box as in the texts that describe it.
inline constexpr uint32_t kBoxOk = 0x0;
inline constexpr uint32_t kBoxYesNo = 0x4;
inline constexpr uint32_t kBoxIconStop = 0x10;
inline constexpr uint32_t kBoxIconQuestion = 0x20;
inline constexpr uint32_t kBoxIconInformation = 0x40;
inline constexpr uint32_t kBoxSystemModal = 0x1000;
inline constexpr uint32_t kBoxTaskModal = 0x2000;
inline constexpr uint32_t kBoxSetForeground = 0x10000;

// The button a box was closed with.
inline constexpr int32_t kButtonOk = 1;
inline constexpr int32_t kButtonCancel = 2;
inline constexpr int32_t kButtonYes = 6;
inline constexpr int32_t kButtonNo = 7;

// A modal message box. owner is the window the box belongs to (its identity only), or null for
// a box of its own; show returns when the user has closed the box. A box without owner leaves
// the program's windows working, so a command may run and rewrite the buffers text and caption
// came from while it is up: show takes its own copies before it waits.
class MsgBoxC {
public:
    virtual ~MsgBoxC() = default;
    virtual int32_t show(void* owner, const char* text, const char* caption, uint32_t style) = 0;
};

// Shows an ordinary message box and gives back the button pressed.
inline int32_t showMsgBox(MsgBoxC& box, void* owner, const char* text, const char* caption,
                          uint32_t style) {
    return box.show(owner, text, caption, style);
}

}  // namespace lottavo
