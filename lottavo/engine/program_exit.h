#pragma once

#include <cstdint>

namespace lottavo {

// Ends the program with a status as its exit code. An implementation must not return.
class ProgramExitC {
public:
    virtual ~ProgramExitC() = default;
    virtual void end(int32_t status) = 0;
};

}  // namespace lottavo
