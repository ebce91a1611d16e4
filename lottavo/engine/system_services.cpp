#include "system_services.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <thread>

namespace lottavo {

ClockReadingC LocalClockC::now() {
    using namespace std::chrono;
    const auto sinceEpoch = duration_cast<milliseconds>(system_clock::now().time_since_epoch());
    const std::time_t seconds = static_cast<std::time_t>(sinceEpoch.count() / 1000);
    std::tm local{};
    localtime_r(&seconds, &local);

    ClockReadingC reading;
    reading.seconds = seconds;
    reading.millis = static_cast<uint16_t>(sinceEpoch.count() % 1000);
    reading.minutesWest = static_cast<int16_t>(-local.tm_gmtoff / 60);
    reading.dstFlag = static_cast<int16_t>(local.tm_isdst > 0 ? 1 : 0);
    return reading;
}

void ThreadWaitC::sleepMs(uint32_t ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void* HeapMemoryC::resize(void* block, std::size_t bytes) {
    return std::realloc(block, bytes);
}

void HeapMemoryC::release(void* block) {
    std::free(block);
}

void StdExitC::end(int32_t status) {
    std::exit(status);
}

int32_t StderrMsgBoxC::show(void*, const char* text, const char* caption, uint32_t) {
    std::fprintf(stderr, "[%s]\n%s\n", caption, text);
    std::fflush(stderr);
    return kButtonOk;
}

}  // namespace lottavo
