#pragma once

#include "block_memory.h"
#include "clipboard.h"
#include "clock.h"
#include "err_handler.h"
#include "msg_box.h"
#include "waits.h"

namespace lottavo {

// Everything the list engine asks of the world outside it. The program hands in errHandler and
// its real services; tests hand in doubles.
struct EngineServicesC {
    ErrHC& err;
    ClockC& clock;
    WaitC& wait;
    MsgBoxC& msgBox;
    ClipboardC& clipboard;
    BlockMemoryC& memory;
};

}  // namespace lottavo
