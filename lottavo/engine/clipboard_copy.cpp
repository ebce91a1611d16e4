#include <algorithm>
#include <cstdio>
#include <cstring>

#include "randomize.h"

namespace lottavo {

// Puts OutBuf on the clipboard once a list has been made, then replaces it by a confirmation.
// Gives 2 after a copy, 1 when there was nothing to copy, or the failed step's negative status
// with OutBuf left as it was.
int32_t RandomizeC::copyListTextToClipboard() {
    Status = 0;
    if (ListNum > 0) {
        const int32_t status = putOnClipboard();
        if (status < 0) return status;
    }
    return confirmCopy();
}

int32_t RandomizeC::putOnClipboard() {
    ClipboardC& clip = svc.clipboard;
    ClipHandle = clip.allocate(kClipBlockFlags, kClipBytes);
    if (ClipHandle == 0) {
        Status = -2;
        svc.err.fatal(-2,
                      "RandomizeC::copyListTextToClipboard() failed.\nGlobalAlloc() text buffer "
                      "for clipboard failed.\n");
    }
    ClipPtr = clip.lock(ClipHandle);
    if (ClipPtr == nullptr) {
        Status = svc.err.check(-3,
                               "RandomizeC::copyListTextToClipboard() failed.\nGlobalLock() buffer "
                               "for string copy failed.\n");
        return dropClipBlock(-3);
    }
    // The block is smaller than OutBuf: a longer text is cut to what the block holds.
    const std::size_t length = std::min<std::size_t>(getOutBufLen(), kClipBytes - 1);
    std::memcpy(ClipPtr, OutBuf.data(), length);
    ClipPtr[length] = '\0';
    ClipPtr = nullptr;
    if (clip.unlock(ClipHandle) == 0 && clip.lastError() != 0) {
        Status = -5;
        svc.err.check(-5,
                      "RandomizeC::copyListTextToClipboard() failed.\nGlobalUnlock() string buffer "
                      "after mem copy failed.\n");
        return dropClipBlock(-5);
    }
    if (clip.open(nullptr) != 1) {
        Status = -2;
        svc.err.check(-2,
                      "RandomizeC::copyListTextToClipboard() failed.\nCan't open the Windows "
                      "clipboard:\nPossibly locked or disabled.");
        return dropClipBlock(-2);
    }
    if (clip.empty() != 1) {
        clip.close();  // not left open for every other program
        Status = -4;
        svc.err.check(-4,
                      "RandomizeC::copyListTextToClipboard() failed.\nEmptyClipboard() clear the "
                      "clipboard failed.\n");
        return dropClipBlock(-4);
    }
    if (clip.setData(kClipFormatText, ClipHandle) == 0) {
        clip.close();
        Status = -6;
        svc.err.check(-6,
                      "RandomizeC::copyListTextToClipboard() failed.\nSetClipboardData() assign "
                      "text buffer to the clipboard failed.\n");
        return dropClipBlock(-6);
    }
    // From here on the clipboard owns the block.
    if (clip.close() != 1) {
        Status = -7;
        svc.err.check(-7,
                      "RandomizeC::copyListTextToClipboard() failed.\nCloseClipboard(): error "
                      "closing clipboard after copy.\n");
        return -7;
    }
    return 0;
}

// Frees a block the clipboard did not take.
int32_t RandomizeC::dropClipBlock(int32_t status) {
    svc.clipboard.release(ClipHandle);
    ClipHandle = 0;
    ClipPtr = nullptr;
    return status;
}

int32_t RandomizeC::confirmCopy() {
    if (ListNum > 0) {
        char text[80];
        std::snprintf(text, sizeof text,
                      "Copied List #%03d to Windows Clipboard.\n (List cleared).", ListNum);
        Status = setOutBuf(0, text);
        if (Status >= 0) Status = 2;
    } else {
        Status = setOutBuf(0, "Nothing Generated yet.");
        if (Status >= 0) Status = 1;
    }
    return Status;
}

}  // namespace lottavo
