#include "test_hook.h"

#include <cstdlib>
#include <cstring>

namespace lottavo {

TestHookE testHookFromEnvironment() {
    const char* hook = std::getenv("LOTTAVO_TEST_HOOK");
    if (hook == nullptr) return TestHookE::None;
    if (std::strcmp(hook, "fatal-report") == 0) return TestHookE::FatalReport;
    if (std::strcmp(hook, "failed-start") == 0) return TestHookE::FailedStart;
    return TestHookE::None;
}

}  // namespace lottavo
