#pragma once

#include <cstdint>

namespace lottavo {

// A block of shared memory handed to the clipboard; 0 is no block.
using ClipHandleT = std::uintptr_t;

// The block the list is copied into: movable, zero-filled, discardable and shareable.
inline constexpr uint32_t kClipBlockFlags = 0x2142;
// Plain text with a terminator.
inline constexpr uint32_t kClipFormatText = 1;

// The system clipboard and the shared memory it takes its data in. Each step reports failure
// as the program's clipboard copy expects it:
// - allocate: 0 when no block can be had;
// - lock: the block's first byte, or null;
// - unlock: 0 once the block is no longer locked; lastError then tells a failure (non-zero)
//   from the normal end of the lock (0);
// - open, empty, close: 1 on success;
// - setData: the block now owned by the clipboard, or 0.
// release frees a block the clipboard has not taken.
class ClipboardC {
public:
    virtual ~ClipboardC() = default;
    virtual ClipHandleT allocate(uint32_t flags, uint32_t bytes) = 0;
    virtual char* lock(ClipHandleT block) = 0;
    virtual int32_t unlock(ClipHandleT block) = 0;
    virtual uint32_t lastError() = 0;
    virtual void release(ClipHandleT block) = 0;
    virtual int32_t open(void* owner) = 0;
    virtual int32_t empty() = 0;
    virtual ClipHandleT setData(uint32_t format, ClipHandleT block) = 0;
    virtual int32_t close() = 0;
};

}  // namespace lottavo
