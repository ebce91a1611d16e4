#pragma once

// The services of the running program that need no window system: the local clock, real waits,
// the C heap, the normal exit, and a message box on the standard error stream for reports made
// before a window can show them.

#include "block_memory.h"
#include "clock.h"
#include "msg_box.h"
#include "program_exit.h"
#include "waits.h"

namespace lottavo {

class LocalClockC final : public ClockC {
public:
    ClockReadingC now() override;
};

class ThreadWaitC final : public WaitC {
public:
    void sleepMs(uint32_t ms) override;
};

class HeapMemoryC final : public BlockMemoryC {
public:
    void* resize(void* block, std::size_t bytes) override;
    void release(void* block) override;
};

// Ends the program through std::exit: exit-time handlers run and static objects are destroyed.
class StdExitC final : public ProgramExitC {
public:
    void end(int32_t status) override;
};

// Writes the caption and the text to standard error and answers OK.
class StderrMsgBoxC final : public MsgBoxC {
public:
    int32_t show(void* owner, const char* text, const char* caption, uint32_t style) override;
};

}  // namespace lottavo
