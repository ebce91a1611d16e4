#pragma once

#include <memory>

#include "app_services.h"
#include "block_memory.h"
#include "lottavo_app.h"
#include "msg_box.h"

namespace lottavo {

// The test hook of the program. Its reports at start (a refused memory block, a start that
// fails) cannot be brought about by anything a user does, so the tests start the real program
// with the environment variable LOTTAVO_TEST_HOOK set:
// - "fatal-report": every memory block is refused, so the first engine ends the program with
//   a fatal report;
// - "failed-start": the application makes no main window, so its run fails and the failure is
//   reported with the program's arguments.
// Under the hook the boxes go to the standard error stream, where the tests read the reports,
// instead of waiting for a click. Nothing else reads the variable; users never set it.
enum class TestHookE { None, FatalReport, FailedStart };

TestHookE testHookFromEnvironment();

// A heap that refuses every block.
class RefusingMemoryC final : public BlockMemoryC {
public:
    void* resize(void*, std::size_t) override { return nullptr; }
    void release(void*) override {}
};

// An application that makes no main window.
class StartFailureC final : public LottavoC {
public:
    StartFailureC(const char* name, const AppServicesC& services)
        : RandomizeC(services.engine), LottavoC(name, services) {}

protected:
    void initMainWindow() override {}
};

}  // namespace lottavo
