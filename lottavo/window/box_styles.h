#pragma once

#include <cstdint>

#include "msg_box.h"

namespace lottavo {

// Style bits of message boxes the windows ask for besides those the engine uses (msg_box.h).
inline constexpr uint32_t kBoxOkCancel = 0x1;
inline constexpr uint32_t kBoxYesNoCancel = 0x3;
inline constexpr uint32_t kBoxIconExclamation = 0x30;
inline constexpr uint32_t kBoxTopMost = 0x40000;

inline constexpr uint32_t kBoxButtonMask = 0xF;
inline constexpr uint32_t kBoxIconMask = 0xF0;
inline constexpr uint32_t kBoxModalMask = 0x3000;

// Quit before any list: Yes and No, question mark, system-modal, brought to the front.
inline constexpr uint32_t kQuitBoxStyle =
    kBoxYesNo | kBoxIconQuestion | kBoxSystemModal | kBoxSetForeground;
// The cumulative list window's question about changed text.
inline constexpr uint32_t kChangedBoxStyle = kBoxYesNoCancel | kBoxIconQuestion;
// The cumulative list window's write failure.
inline constexpr uint32_t kWriteFailedBoxStyle = kBoxOk | kBoxIconExclamation;

}  // namespace lottavo
