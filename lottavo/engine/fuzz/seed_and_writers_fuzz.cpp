// Drives the seed check and the text writers with arbitrary texts, start indexes, defaults and
// block sizes. The input is a series of records: operation (1 byte), start index (4 bytes),
// value (4 bytes), text length (1 byte), text. After every step the buffers must hold exactly
// what the writer rules say; reads or writes outside a buffer are left to the sanitizers.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "randomize.h"
#include "system_services.h"

namespace lottavo {
namespace {

void require(bool condition) {
    if (!condition) __builtin_trap();
}

// Reports are shown nowhere, but must stay within their limit.
class QuietBoxC final : public MsgBoxC {
public:
    int32_t show(void*, const char* text, const char*, uint32_t) override {
        require(std::strlen(text) <= 2047);
        return kButtonOk;
    }
};

// None of the operations driven here may end the program.
class TrapExitC final : public ProgramExitC {
public:
    void end(int32_t) override { __builtin_trap(); }
};

class StillClockC final : public ClockC {
public:
    ClockReadingC now() override { return {}; }
};

class NoWaitC final : public WaitC {
public:
    void sleepMs(uint32_t) override {}
};

class NoClipboardC final : public ClipboardC {
public:
    ClipHandleT allocate(uint32_t, uint32_t) override { return 0; }
    char* lock(ClipHandleT) override { return nullptr; }
    int32_t unlock(ClipHandleT) override { return 0; }
    uint32_t lastError() override { return 0; }
    void release(ClipHandleT) override {}
    int32_t open(void*) override { return 0; }
    int32_t empty() override { return 0; }
    ClipHandleT setData(uint32_t, ClipHandleT) override { return 0; }
    int32_t close() override { return 0; }
};

class InputC {
public:
    InputC(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool done() const { return size_ == 0; }
    uint8_t byte() { return size_ > 0 ? (--size_, *data_++) : 0; }
    uint32_t word() {
        uint32_t value = 0;
        for (int k = 0; k < 4; ++k) value |= static_cast<uint32_t>(byte()) << (8 * k);
        return value;
    }
    std::string text(size_t length) {
        length = std::min(length, size_);
        std::string taken(reinterpret_cast<const char*>(data_), length);
        data_ += length;
        size_ -= length;
        return taken;
    }

private:
    const uint8_t* data_;
    size_t size_;
};

// What a writer must have done: refused (status -2, buffer unchanged) exactly when the text with
// its terminator does not fit from start on, and otherwise written it there.
void checkWrite(int32_t status, const std::string& before, const std::string& after, int32_t start,
                const char* text, size_t capacity) {
    const size_t length = std::strlen(text) + 1;
    const bool fits = start >= 0 && static_cast<size_t>(start) + length <= capacity;
    if (!fits) {
        require(status == -2 && after == before);
    } else if (static_cast<size_t>(start) <= before.size()) {
        require(status == 0 && after == before.substr(0, start) + text);
    } else {
        require(status == 0 && after == before);  // written behind the terminator: not seen
    }
}

struct RigC {
    QuietBoxC box;
    TrapExitC programExit;
    ErrHC err{box, programExit};
    StillClockC clock;
    NoWaitC wait;
    NoClipboardC clipboard;
    HeapMemoryC memory;
    RandomizeC engine{{err, clock, wait, box, clipboard, memory}};
    size_t textCapacity = RandomizeC::kTextBufStartSize;
};

void checkSeed(RigC& rig, uint32_t defaultValue) {
    RandomizeC& engine = rig.engine;
    const std::string typed = engine.getUSeedStr();
    const int32_t seedBefore = engine.getSeedVal();
    const int32_t status = engine.checkUSeedStr(defaultValue);
    if (status < 0) {
        require(status >= -4 && status <= -2);
        require(engine.getSeedVal() == seedBefore && typed == engine.getUSeedStr());
        return;
    }
    const std::string stored = engine.getUSeedStr();
    require(engine.getSeedVal() >= 0 && engine.getSeedVal() <= 32000);
    require(!stored.empty() && stored.size() <= 11);
    require(stored.find_first_not_of("0123456789") == std::string::npos);
    require(typed.empty() || typed.compare(0, stored.size(), stored) == 0);
    require(std::stoul(stored.substr(0, 5)) == static_cast<unsigned long>(engine.getSeedVal()));
}

void step(RigC& rig, InputC& input) {
    RandomizeC& engine = rig.engine;
    const uint8_t operation = input.byte() % 7;
    const int32_t start = static_cast<int32_t>(input.word());
    const uint32_t value = input.word();
    const std::string text = input.text(input.byte());
    const char* c = text.c_str();  // a C text ends at its first zero byte

    switch (operation) {
        case 0: {
            const std::string before = engine.getOutBuf();
            checkWrite(engine.setOutBuf(start, c), before, engine.getOutBuf(), start, c, 1800);
            break;
        }
        case 1: {
            const std::string before = engine.getOutTitleBuf();
            checkWrite(engine.setOutTitleBuf(start, c), before, engine.getOutTitleBuf(), start, c,
                       64);
            break;
        }
        case 2: {
            const std::string before = engine.getPasswStr();
            checkWrite(engine.setPasswStr(start, c), before, engine.getPasswStr(), start, c, 200);
            break;
        }
        case 3: {
            const std::string before = engine.getTextPtr();
            checkWrite(engine.setTextPtr(start, c), before, engine.getTextPtr(), start, c,
                       rig.textCapacity);
            break;
        }
        case 4: {
            const std::string before = engine.getUSeedStr();
            checkWrite(engine.setUSeedStr(c), before, engine.getUSeedStr(), 0, c, 15);
            break;
        }
        case 5:
            checkSeed(rig, value);
            break;
        case 6: {
            const uint32_t size = value % 4096;
            const std::string before = engine.getTextPtr();
            require(engine.sizTextPtr(size) == 0);
            rig.textCapacity = std::max<uint32_t>(size, 1);
            require(engine.getTextPtr() ==
                    before.substr(0, std::min(before.size(), rig.textCapacity - 1)));
            break;
        }
    }
    require(rig.err.getMsgLen() == 0);
}

}  // namespace
}  // namespace lottavo

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    lottavo::RigC rig;
    lottavo::InputC input(data, size);
    while (!input.done()) lottavo::step(rig, input);
    return 0;
}
