#pragma once

#include <array>
#include <cstdarg>
#include <cstdint>

#include "msg_box.h"
#include "program_exit.h"

#define LOTTAVO_PRINTF(format_index, first_value) \
    __attribute__((format(printf, format_index, first_value)))

namespace lottavo {

// The program's error reporter. A report is the caller's text from a printf-style format, a
// status line and, when errno holds a system error, that error's number and message; it is shown
// in the error box. Reports are cut at 2047 characters.
class ErrHC {
public:
    static constexpr int32_t kMsgSize = 2048;

    constexpr ErrHC(MsgBoxC& box, ProgramExitC& programExit) noexcept
        : box_(&box), exit_(&programExit) {}
    ~ErrHC() { reset(); }
    ErrHC(const ErrHC&) = delete;
    ErrHC& operator=(const ErrHC&) = delete;

    // Where the boxes go and how the program ends from now on.
    void setServices(MsgBoxC& box, ProgramExitC& programExit);

    // Reports and ends the program with the status as its exit code.
    [[noreturn]] void fatal(int32_t status, const char* format, ...) LOTTAVO_PRINTF(3, 4);
    // Reports a negative status; zero and positive ones pass untouched. Gives the status back.
    int32_t check(int32_t status, const char* format, ...) LOTTAVO_PRINTF(3, 4);

    void compose(int32_t status, const char* format, std::va_list values) LOTTAVO_PRINTF(3, 0);
    void show();
    void reset();

    const char* getMsgText() const { return msgText.data(); }
    int32_t getMsgLen() const { return msgLen; }

private:
    void append(const char* format, ...) LOTTAVO_PRINTF(2, 3);
    void appendList(const char* format, std::va_list values) LOTTAVO_PRINTF(2, 0);
    void appendSystemError(int error);

    std::array<char, kMsgSize> msgText{};
    int32_t msgLen = 0;
    MsgBoxC* box_;
    ProgramExitC* exit_;
};

// The one reporter of the program. Until setServices is called it writes its boxes to the
// standard error stream and ends the program with std::exit.
extern ErrHC errHandler;

}  // namespace lottavo
