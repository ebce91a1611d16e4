#pragma once

// Test doubles for the engine's services: boxes and waits are recorded, the clock follows a
// script, the clipboard lives in memory and can be made to fail at any step, the heap can be
// made to refuse large blocks, and the program's end is thrown as an exception the test
// catches.

#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "block_memory.h"
#include "clipboard.h"
#include "clock.h"
#include "msg_box.h"
#include "program_exit.h"
#include "waits.h"

namespace lottavo {

// Thrown where the program would end.
struct ProgramEndedC {
    int32_t status;
};

class ThrowingExitC : public ProgramExitC {
public:
    void end(int32_t status) override { throw ProgramEndedC{status}; }
};

// A shared record of the services' calls in the order they were made.
using EventLogT = std::vector<std::string>;

class RecordingMsgBoxC : public MsgBoxC {
public:
    struct ShownC {
        void* owner;
        std::string text;
        std::string caption;
        uint32_t style;
    };

    int32_t show(void* owner, const char* text, const char* caption, uint32_t style) override {
        shown.push_back({owner, text, caption, style});
        if (log != nullptr) log->push_back("box " + std::string(caption));
        if (duringShow) std::exchange(duringShow, nullptr)();
        return answer;
    }

    std::vector<ShownC> shown;
    // Runs once, while the next box is up: what the user does meanwhile.
    std::function<void()> duringShow;
    int32_t answer = kButtonOk;
    EventLogT* log = nullptr;
};

class RecordingWaitC : public WaitC {
public:
    void sleepMs(uint32_t ms) override {
        waits.push_back(ms);
        if (log != nullptr) log->push_back("wait " + std::to_string(ms));
    }

    std::vector<uint32_t> waits;
    EventLogT* log = nullptr;
};

// Reading k (counted from 0) shows the milliseconds millisAt(k); by default k mod 1000.
class ScriptedClockC : public ClockC {
public:
    ClockReadingC now() override {
        ClockReadingC reading;
        reading.seconds = 1'000'000'000;
        reading.millis = millisAt(reads++);
        if (log != nullptr) log->push_back("clock");
        return reading;
    }

    std::function<uint16_t(uint32_t)> millisAt = [](uint32_t k) {
        return static_cast<uint16_t>(k % 1000);
    };
    uint32_t reads = 0;
    EventLogT* log = nullptr;
};

// Hands out heap blocks up to a size limit and refuses larger ones.
class LimitedMemoryC : public BlockMemoryC {
public:
    void* resize(void* block, std::size_t bytes) override {
        if (bytes > limit) {
            ++refusals;
            return nullptr;
        }
        return std::realloc(block, bytes);
    }
    void release(void* block) override { std::free(block); }

    std::size_t limit = 1 << 20;
    int refusals = 0;
};

// A clipboard held in memory. Blocks are exact-size heap arrays, so a write past one is caught
// by the address sanitizer.
class MemoryClipboardC : public ClipboardC {
public:
    enum class StepE { Allocate, Lock, Unlock, Open, Empty, SetData, Close };

    ClipHandleT allocate(uint32_t flags, uint32_t bytes) override {
        ++allocations;
        allocFlags = flags;
        allocBytes = bytes;
        if (failing == StepE::Allocate) return 0;
        const ClipHandleT handle = ++lastHandle;
        blocks[handle] = {std::make_unique<char[]>(bytes), bytes};
        return handle;
    }
    char* lock(ClipHandleT block) override {
        return failing == StepE::Lock ? nullptr : blocks.at(block).bytes.get();
    }
    int32_t unlock(ClipHandleT) override {
        error = failing == StepE::Unlock ? kUnlockError : 0;
        return 0;
    }
    uint32_t lastError() override { return error; }
    void release(ClipHandleT block) override { blocks.erase(block); }
    int32_t open(void*) override {
        if (failing == StepE::Open) return 0;
        isOpen = true;
        return 1;
    }
    int32_t empty() override {
        if (failing == StepE::Empty) return 0;
        contents.clear();
        return 1;
    }
    ClipHandleT setData(uint32_t format, ClipHandleT block) override {
        if (failing == StepE::SetData || !isOpen) return 0;
        const BlockC& taken = blocks.at(block);
        contents.assign(taken.bytes.get(), strnlen(taken.bytes.get(), taken.size));
        dataFormat = format;
        blocks.erase(block);
        return block;
    }
    int32_t close() override {
        isOpen = false;
        return failing == StepE::Close ? 0 : 1;
    }

    static constexpr uint32_t kUnlockError = 158;

    std::optional<StepE> failing;
    std::string contents = "text from another program";
    bool isOpen = false;
    int allocations = 0;
    uint32_t allocFlags = 0;
    uint32_t allocBytes = 0;
    uint32_t dataFormat = 0;
    uint32_t error = 0;

    // Blocks neither released nor taken by the clipboard.
    struct BlockC {
        std::unique_ptr<char[]> bytes;
        uint32_t size;
    };
    std::map<ClipHandleT, BlockC> blocks;
    ClipHandleT lastHandle = 0;
};

}  // namespace lottavo
