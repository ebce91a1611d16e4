#include "qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <cstring>
#include <new>

#include "text_codec.h"

namespace lottavo {

namespace {

QClipboard* desktopClipboard() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr
               ? QGuiApplication::clipboard()
               : nullptr;
}

}  // namespace

ClipHandleT QtClipboardC::allocate(uint32_t, uint32_t bytes) {
    std::unique_ptr<char[]> block(new (std::nothrow) char[bytes]());
    if (!block) return static_cast<ClipHandleT>(fail(kErrorNotEnoughMemory));
    blocks_[++lastHandle_] = {std::move(block), bytes, 0};
    return lastHandle_;
}

char* QtClipboardC::lock(ClipHandleT block) {
    BlockC* found = find(block);
    if (found == nullptr) return nullptr;
    ++found->locks;
    return found->bytes.get();
}

// Gives the locks still held: 0 with no error once the block is free again.
int32_t QtClipboardC::unlock(ClipHandleT block) {
    BlockC* found = find(block);
    if (found == nullptr) return 0;
    if (found->locks == 0) return fail(kErrorNotLocked);
    error_ = 0;
    return --found->locks;
}

void QtClipboardC::release(ClipHandleT block) {
    blocks_.erase(block);
}

int32_t QtClipboardC::open(void*) {
    if (open_ || desktopClipboard() == nullptr) return fail(kErrorAccessDenied);
    open_ = true;
    emptied_ = false;
    placed_ = false;
    return 1;
}

int32_t QtClipboardC::empty() {
    if (!open_) return fail(kErrorClipboardNotOpen);
    emptied_ = true;
    return 1;
}

ClipHandleT QtClipboardC::setData(uint32_t format, ClipHandleT block) {
    if (!open_) return static_cast<ClipHandleT>(fail(kErrorClipboardNotOpen));
    BlockC* found = find(block);
    QClipboard* clipboard = desktopClipboard();
    if (found == nullptr || clipboard == nullptr || format != kClipFormatText) return 0;
    const std::string text(found->bytes.get(), strnlen(found->bytes.get(), found->size));
    clipboard->setText(textFromEngine(text.c_str()), QClipboard::Clipboard);
    blocks_.erase(block);  // the desktop clipboard keeps its own copy
    placed_ = true;
    return block;
}

int32_t QtClipboardC::close() {
    if (!open_) return fail(kErrorClipboardNotOpen);
    open_ = false;
    QClipboard* clipboard = desktopClipboard();
    if (emptied_ && !placed_ && clipboard != nullptr) clipboard->clear(QClipboard::Clipboard);
    return 1;
}

QtClipboardC::BlockC* QtClipboardC::find(ClipHandleT block) {
    const auto found = blocks_.find(block);
    if (found == blocks_.end()) {
        fail(kErrorInvalidHandle);
        return nullptr;
    }
    return &found->second;
}

int32_t QtClipboardC::fail(uint32_t error) {
    error_ = error;
    return 0;
}

}  // namespace lottavo
