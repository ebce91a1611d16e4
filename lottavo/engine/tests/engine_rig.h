#pragma once

#include <string>

#include "engine_doubles.h"
#include "err_handler.h"
#include "randomize.h"

namespace lottavo {

// An engine wired to test doubles; its reporter shares the engine's box, so every box of a run
// is in one record, in order.
struct EngineRig {
    EngineRig() {
        box.log = &events;
        waits.log = &events;
        clock.log = &events;
    }

    // The captions of the boxes shown so far.
    std::vector<std::string> captions() const {
        std::vector<std::string> result;
        for (const auto& shown : box.shown) result.push_back(shown.caption);
        return result;
    }

    EventLogT events;
    RecordingMsgBoxC box;
    ThrowingExitC programExit;
    ErrHC err{box, programExit};
    ScriptedClockC clock;
    RecordingWaitC waits;
    MemoryClipboardC clipboard;
    LimitedMemoryC memory;
    RandomizeC engine{{err, clock, waits, box, clipboard, memory}};
};

}  // namespace lottavo
