#pragma once

#include <map>
#include <memory>

#include "clipboard.h"

namespace lottavo {

// The desktop clipboard behind the engine's clipboard steps. A block is a zero-filled heap
// array; the clipboard is "open" between open and close, for this program only. setData hands
// the block's text to QClipboard as plain text; a clipboard emptied and closed without data
// is cleared. lastError gives the code of the last failed step, in the numbering the steps
// have always reported.
class QtClipboardC final : public ClipboardC {
public:
    static constexpr uint32_t kErrorNotEnoughMemory = 8;
    static constexpr uint32_t kErrorInvalidHandle = 6;
    static constexpr uint32_t kErrorAccessDenied = 5;
    static constexpr uint32_t kErrorNotLocked = 158;
    static constexpr uint32_t kErrorClipboardNotOpen = 1418;

    ClipHandleT allocate(uint32_t flags, uint32_t bytes) override;
    char* lock(ClipHandleT block) override;
    int32_t unlock(ClipHandleT block) override;
    uint32_t lastError() override { return error_; }
    void release(ClipHandleT block) override;
    int32_t open(void* owner) override;
    int32_t empty() override;
    ClipHandleT setData(uint32_t format, ClipHandleT block) override;
    int32_t close() override;

    // Blocks neither released nor taken by the clipboard.
    std::size_t blockCount() const { return blocks_.size(); }

private:
    struct BlockC {
        std::unique_ptr<char[]> bytes;
        uint32_t size = 0;
        int32_t locks = 0;
    };

    BlockC* find(ClipHandleT block);
    int32_t fail(uint32_t error);

    std::map<ClipHandleT, BlockC> blocks_;
    ClipHandleT lastHandle_ = 0;
    uint32_t error_ = 0;
    bool open_ = false;
    bool emptied_ = false;
    bool placed_ = false;
};

}  // namespace lottavo
