#pragma once

#include <cstdint>

#include "err_handler.h"
#include "msg_box.h"
#include "randomize.h"

namespace lottavo {

// The Generate and Copy commands of the generator dialog over its engine, without the window:
// the dialog calls them from its buttons. Both do nothing once the cumulative list window has
// been opened (CumShown 1).

inline constexpr uint32_t kCopyBoxStyle = kBoxIconQuestion | kBoxOk | kBoxSystemModal;

// Checks the seed text and runs one list, which ends with the list shown in a box. Gives 0 when
// a list was made; the refusal status (negative) when the seed was refused, which has been
// reported and the seed text set to "0", for the dialog to show in its seed box; 1 when the
// command was ignored.
int32_t generateCommand(RandomizeC& engine, ErrHC& err);

// Copies the current list to the clipboard and shows the confirmation in a box owned by owner.
// Gives the copy's result, 1 (nothing generated yet) or 2 (copied), or 0 when the command was
// ignored. A failed clipboard step ends the program.
int32_t copyCommand(RandomizeC& engine, ErrHC& err, MsgBoxC& box, void* owner);

}  // namespace lottavo
