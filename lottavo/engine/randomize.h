#pragma once

#include <array>
#include <cstdint>

#include "engine_services.h"
#include "lcg32.h"

namespace lottavo {

// The list engine: one object holds a whole run of the generator. From the seed, the list
// number and the milliseconds of the clock it draws 40 values, folds them into a numbered list
// of 16 unsigned 32-bit numbers with the printable characters of their bytes, shows it, adds it
// to the cumulative text of the run and copies it to the clipboard on request.
//
// Operations that can fail return a status (0 success, negative failure) and most store it in
// Status. Text buffers are written only through the set... writers, which refuse a start index
// or length that does not fit.
class RandomizeC {
public:
    static constexpr int32_t kValueCount = 40;
    static constexpr int32_t kEntryCount = 16;
    static constexpr uint32_t kSeedMax = 32000;
    static constexpr uint32_t kPrimeFlagCount = 32001;
    static constexpr uint32_t kOutTitleSize = 64;
    static constexpr uint32_t kOutBufSize = 1800;
    static constexpr uint32_t kPasswSize = 200;
    static constexpr uint32_t kUSeedSize = 15;
    static constexpr uint32_t kTextBufStartSize = 128;
    static constexpr uint32_t kClipBytes = 1200;
    static constexpr uint32_t kListWait = 11;  // milliseconds before each value
    static constexpr uint32_t kMixWait = 1;    // milliseconds before each clock mix

    explicit RandomizeC(const EngineServicesC& services);
    ~RandomizeC();
    RandomizeC(const RandomizeC&) = delete;
    RandomizeC& operator=(const RandomizeC&) = delete;

    // Writers: put text, with its terminator, at a start index and cut off what stood behind.
    int32_t setUSeedStr(const char* text);
    int32_t setOutBuf(int32_t start, const char* text);
    int32_t setOutTitleBuf(int32_t start, const char* text);
    int32_t setPasswStr(int32_t start, const char* text);
    int32_t setTextPtr(int32_t start, const char* text);
    int32_t sizTextPtr(uint32_t size);

    int32_t checkUSeedStr(uint32_t defaultValue);
    void makeTimeMix();
    void sievePrimes(uint32_t limit);
    void makeNumSeed(int32_t seed, int32_t index);
    void makeRandomNum(int32_t index);
    void cumulateRandomNum(int32_t listNum);
    int32_t messageRandomNum(int32_t listNum);
    int32_t copyListTextToClipboard();

    // Draws the 40 values of list ListNum from SeedVal; the last one builds, cumulates and shows
    // the list. The caller has checked the seed and raised ListNum.
    void runList();

    const char* getUSeedStr() const { return USeedStr.data(); }
    const char* getOutBuf() const { return OutBuf.data(); }
    uint32_t getOutBufLen() const;
    const char* getPasswStr() const { return PasswStr.data(); }
    uint32_t getPasswStrLen() const;
    const char* getOutTitleBuf() const { return OutTitleBuf.data(); }
    const char* getTextPtr() const { return TextBufPtr; }
    uint32_t getTextPtrLen() const;
    int32_t getListNum() const { return ListNum; }
    void setListNum(int32_t listNum) { ListNum = listNum; }
    int32_t getSeedVal() const { return SeedVal; }
    int32_t getPrimeVal() const { return PrimeVal; }
    int32_t getCumShown() const { return CumShown; }
    void setCumShown(int32_t cumShown) { CumShown = cumShown; }
    int32_t getStatus() const { return Status; }
    int32_t getTimeMix() const { return TimeMix; }
    int32_t getNumSeed() const { return NumSeed; }
    int32_t getRandAcc() const { return RandAcc; }

private:
    int32_t writeText(char* buffer, uint32_t capacity, const char* writer, int32_t start,
                      const char* text);
    int32_t refuseBadStart(const char* writer, int32_t start, const char* text);
    int32_t refuseLength(const char* writer, int32_t start, uint32_t length, uint32_t capacity);
    void allocateTextBlock();

    uint32_t foldEntry(int32_t d) const;
    void appendListLine(int32_t entry, uint32_t value, int32_t index);
    void appendPrintable(uint32_t value);
    void appendPrintableBlock(int32_t index);
    void buildList(int32_t index);

    int32_t putOnClipboard();
    int32_t dropClipBlock(int32_t status);
    int32_t confirmCopy();

    EngineServicesC svc;
    Lcg32C generator;

    ClockReadingC TimeNow{};
    int32_t TimeMix = 0;
    int32_t NumSeed = 0;
    int32_t PrimeVal = 7;
    int32_t RandAcc = 0;
    std::array<uint8_t, kPrimeFlagCount> PrimeFlags{};
    std::array<uint32_t, kValueCount> RandNums{};
    std::array<char, kOutTitleSize> OutTitleBuf{};
    std::array<char, kOutBufSize> OutBuf{};
    std::array<char, kPasswSize> PasswStr{};
    char* TextBufPtr = nullptr;
    uint32_t TextBufSize = 0;  // bytes in the block behind TextBufPtr
    int32_t CumShown = 0;
    char* ClipPtr = nullptr;
    ClipHandleT ClipHandle = 0;
    std::array<char, kUSeedSize> USeedStr{};
    int32_t SeedVal = 0;
    int32_t ListNum = 0;
    int32_t Status = 0;
};

}  // namespace lottavo
