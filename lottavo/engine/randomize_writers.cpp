#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

#include "randomize.h"

namespace lottavo {

namespace {

bool liesWithin(const char* text, const char* buffer, uint32_t capacity) {
    return std::less_equal<const char*>()(buffer, text) &&
           std::less<const char*>()(text, buffer + capacity);
}

}  // namespace

int32_t RandomizeC::setUSeedStr(const char* text) {
    if (text == nullptr) return refuseBadStart("setUSeedStr", 0, text);
    const std::size_t length = std::strlen(text) + 1;
    if (length > kUSeedSize) {
        return Status = svc.err.check(-2,
                                      "Lottavo Internal ERROR: RandomizeC::setUSeedStr().\nCan't "
                                      "copy string of length %d into array of length %d",
                                      static_cast<int>(length), static_cast<int>(kUSeedSize));
    }
    return writeText(USeedStr.data(), kUSeedSize, "setUSeedStr", 0, text);
}

int32_t RandomizeC::setOutBuf(int32_t start, const char* text) {
    return writeText(OutBuf.data(), kOutBufSize, "setOutBuf", start, text);
}

int32_t RandomizeC::setOutTitleBuf(int32_t start, const char* text) {
    return writeText(OutTitleBuf.data(), kOutTitleSize, "setOutTitleBuf", start, text);
}

int32_t RandomizeC::setPasswStr(int32_t start, const char* text) {
    return writeText(PasswStr.data(), kPasswSize, "setPasswStr", start, text);
}

// The block is sized by sizTextPtr beforehand; a text that would still run past it is refused
// like one that runs past a fixed buffer.
int32_t RandomizeC::setTextPtr(int32_t start, const char* text) {
    if (start < 0 || text == nullptr) return refuseBadStart("setTextPtr", start, text);
    return writeText(TextBufPtr, TextBufSize, "setTextPtr", start, text);
}

int32_t RandomizeC::sizTextPtr(uint32_t size) {
    Status = 0;
    // The block always keeps room for a terminator.
    const uint32_t bytes = std::max<uint32_t>(size, 1);
    char* block = static_cast<char*>(svc.memory.resize(TextBufPtr, bytes));
    if (block == nullptr) {
        return Status = svc.err.check(
                   -1,
                   "RandomizeC::sizTextPtr:  Can't realloc\n%u byte TextBufPtr for text window.\n",
                   size);
    }
    block[bytes - 1] = '\0';  // a shrunk block cuts the text rather than its terminator
    TextBufPtr = block;
    TextBufSize = bytes;
    return Status;
}

// Writes text with its terminator at buffer[start], the common part of the writers. A refused
// write leaves the buffer as it was.
int32_t RandomizeC::writeText(char* buffer, uint32_t capacity, const char* writer, int32_t start,
                              const char* text) {
    if (text == nullptr) return refuseBadStart(writer, start, text);
    const std::size_t length = std::strlen(text) + 1;
    if (start < 0 || static_cast<std::size_t>(start) + length > capacity) {
        return refuseLength(writer, start, static_cast<uint32_t>(length), capacity);
    }
    // Text taken from the buffer itself is copied first: the write may overlap it.
    std::string own;
    if (liesWithin(text, buffer, capacity)) text = (own = text).c_str();
    if (std::snprintf(buffer + start, capacity - start, "%s", text) < 0) {
        return Status = svc.err.check(
                   -3, "Lottavo Internal ERROR: RandomizeC::%s().\nsprintf() failed.", writer);
    }
    return 0;
}

int32_t RandomizeC::refuseBadStart(const char* writer, int32_t start, const char* text) {
    return Status = svc.err.check(-2,
                                  "Lottavo Internal ERROR: RandomizeC::%s().\nBad start index=[%d] "
                                  "or string pointer=[%p]",
                                  writer, start, static_cast<const void*>(text));
}

int32_t RandomizeC::refuseLength(const char* writer, int32_t start, uint32_t length,
                                 uint32_t capacity) {
    return Status =
               svc.err.check(-2,
                             "Lottavo Internal ERROR: RandomizeC::%s().\nIllegal start "
                             "index=%d for string length %d into array of length %d",
                             writer, start, static_cast<int>(length), static_cast<int>(capacity));
}

}  // namespace lottavo
