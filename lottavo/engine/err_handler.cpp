#include "err_handler.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "system_services.h"

namespace lottavo {

namespace {

constinit StderrMsgBoxC stderrBox;
constinit StdExitC normalExit;

}  // namespace

constinit ErrHC errHandler(stderrBox, normalExit);

void ErrHC::setServices(MsgBoxC& box, ProgramExitC& programExit) {
    box_ = &box;
    exit_ = &programExit;
}

void ErrHC::fatal(int32_t status, const char* format, ...) {
    std::va_list values;
    va_start(values, format);
    compose(status, format, values);
    va_end(values);
    append("\n\nFatal Error.   Aborting ...\n");
    show();
    exit_->end(status);
    std::exit(status);  // only if the exit service broke its promise to end the program
}

int32_t ErrHC::check(int32_t status, const char* format, ...) {
    if (status >= 0) return status;
    std::va_list values;
    va_start(values, format);
    compose(status, format, values);
    va_end(values);
    show();
    return status;
}

void ErrHC::compose(int32_t status, const char* format, std::va_list values) {
    // Taken first: formatting the caller's text may itself change errno.
    const int error = errno;
    appendList(format, values);
    append("\n   -----> Status = %d *****\n", status);
    appendSystemError(error);
}

void ErrHC::show() {
    box_->show(nullptr, msgText.data(), "Lottavo ERROR", kBoxIconStop | kBoxOk | kBoxTaskModal);
    reset();
}

void ErrHC::reset() {
    msgText.front() = '\0';
    msgText.back() = '\0';
    msgLen = 0;
}

void ErrHC::append(const char* format, ...) {
    std::va_list values;
    va_start(values, format);
    appendList(format, values);
    va_end(values);
}

// Writes at the end of the report and keeps what fits: the last character of msgText stays a
// terminator, so a report can grow to 2047 characters and no further.
void ErrHC::appendList(const char* format, std::va_list values) {
    const int32_t room = kMsgSize - 1 - msgLen;
    const int written = std::vsnprintf(msgText.data() + msgLen, room + 1, format, values);
    if (written > 0) msgLen += std::min<int32_t>(written, room);
    msgText[msgLen] = '\0';
}

// Linux keeps no operating-system error code beside errno, so only the errno line is written.
// Each message is followed by its own line break before the line's, as the program's texts
// have always shown it. Numbers the library has no message for add nothing.
void ErrHC::appendSystemError(int error) {
    if (error <= 0) return;
    const char* message = strerrordesc_np(error);
    if (message == nullptr) return;
    append("\nSYSTEM ERROR: errno=%d\n %s\n\n", error, message);
}

}  // namespace lottavo
