#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "engine_rig.h"

namespace lottavo {
namespace {

const std::string kHeading = "Cumulated lists this session (save for proper format):  \n";
const std::string kAbortLine = "\n\nFatal Error.   Aborting ...\n";

class CumulateTest : public ::testing::Test, public EngineRig {
protected:
    void SetUp() override { errno = 0; }

    // Runs f, which must end the program, and gives the exit status.
    template <typename F>
    int32_t endStatus(F f) {
        try {
            f();
        } catch (const ProgramEndedC& ended) {
            return ended.status;
        }
        ADD_FAILURE() << "the program went on";
        return 0;
    }
};

TEST_F(CumulateTest, TheFirstListReplacesTheRemnantByTheHeading) {
    engine.setOutBuf(0, "first\nlist");
    engine.cumulateRandomNum(1);
    EXPECT_EQ(engine.getTextPtr(), kHeading + "\n\nList #001:\nfirst\nlist\n");
    EXPECT_EQ(engine.getStatus(), 0);
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(CumulateTest, LaterListsAppendUnderTheirNumber) {
    engine.setOutBuf(0, "one");
    engine.cumulateRandomNum(1);
    engine.setOutBuf(0, "two");
    engine.cumulateRandomNum(2);
    engine.setOutBuf(0, "three");
    engine.cumulateRandomNum(3);
    EXPECT_EQ(engine.getTextPtr(), kHeading +
                                       "\n\nList #001:\none\n"
                                       "\n\nList #002:\ntwo\n"
                                       "\n\nList #003:\nthree\n");
}

TEST_F(CumulateTest, GrowthIsTheListPlusFourteenThenFifteenFromList1000) {
    engine.setOutBuf(0, "12345");
    engine.cumulateRandomNum(1);
    uint32_t length = engine.getTextPtrLen();
    engine.cumulateRandomNum(999);
    EXPECT_EQ(engine.getTextPtrLen(), length + 5 + 14);
    length = engine.getTextPtrLen();
    engine.cumulateRandomNum(1000);
    EXPECT_EQ(engine.getTextPtrLen(), length + 5 + 15);
    EXPECT_NE(std::string(engine.getTextPtr()).find("\n\nList #1000:\n12345\n"), std::string::npos);
}

TEST_F(CumulateTest, TheBlockGrowsAsFarAsTheListsNeed) {
    const std::string list(494, 'L');
    engine.setOutBuf(0, list.c_str());
    for (int32_t n = 1; n <= 50; ++n) engine.cumulateRandomNum(n);
    EXPECT_EQ(engine.getTextPtrLen(), kHeading.size() + 50 * (494 + 14));
    EXPECT_TRUE(box.shown.empty());
}

// The failed resize is reported twice: by the resize itself, then as the end of the program.
// need = 57 (the heading) + 100 (the list) + 32 = 189.
TEST_F(CumulateTest, NoMemoryForTheNextListEndsTheProgramAfterTwoReports) {
    engine.setOutBuf(0, std::string(100, 'x').c_str());
    memory.limit = 150;
    EXPECT_EQ(endStatus([&] { engine.cumulateRandomNum(1); }), -3);
    ASSERT_EQ(box.shown.size(), 2u);
    EXPECT_EQ(box.shown[0].text,
              "RandomizeC::sizTextPtr:  Can't realloc\n189 byte TextBufPtr for text window.\n"
              "\n   -----> Status = -1 *****\n");
    EXPECT_EQ(box.shown[1].text,
              "RandomizeC::cumulateRandomNum():  Can't realloc\n189 byte TextBufPtr for text "
              "window\n(Random Number List #1).\n   -----> Status = -3 *****\n" +
                  kAbortLine);
    EXPECT_EQ(engine.getStatus(), -1);  // stored by the resize; the end came before any other
}

// A block shrunk by its owner below the heading: the heading is refused instead of written past
// the block, and the cumulation ends the program. The 16-byte block holds 15 characters of the
// remnant.
TEST_F(CumulateTest, AHeadingThatDoesNotFitEndsTheProgram) {
    engine.sizTextPtr(16);
    engine.setOutBuf(0, "list");
    EXPECT_EQ(endStatus([&] { engine.cumulateRandomNum(1); }), -2);
    ASSERT_EQ(box.shown.size(), 2u);
    EXPECT_EQ(box.shown[0].text,
              "Lottavo Internal ERROR: RandomizeC::setTextPtr().\nIllegal start index=0 for "
              "string length 58 into array of length 16\n   -----> Status = -2 *****\n");
    EXPECT_EQ(box.shown[1].text,
              "RandomizeC::cumulateRandomNum(): Can't zero the 15 byte TextBufPtr for text "
              "window\n(Random Number List #1).\n   -----> Status = -2 *****\n" +
                  kAbortLine);
}

TEST_F(CumulateTest, TheListIsShownUnderItsNumber) {
    engine.setOutBuf(0, "the list");
    box.answer = kButtonCancel;
    EXPECT_EQ(engine.messageRandomNum(7), kButtonCancel);
    EXPECT_STREQ(engine.getOutTitleBuf(), " Random Number List #007");
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, "the list");
    EXPECT_EQ(box.shown[0].caption, " Random Number List #007");
    EXPECT_EQ(box.shown[0].owner, nullptr);
    EXPECT_EQ(box.shown[0].style, kBoxIconInformation | kBoxSetForeground);
    EXPECT_EQ(box.shown[0].style, 0x10040u);
}

TEST_F(CumulateTest, TheCaptionTakesLongNumbersWithinItsWorkArea) {
    engine.messageRandomNum(12345);
    EXPECT_STREQ(engine.getOutTitleBuf(), " Random Number List #12345");
    // 32 characters would not fit the 32-character work area with its terminator: cut to 31
    engine.messageRandomNum(INT32_MIN);
    EXPECT_STREQ(engine.getOutTitleBuf(), " Random Number List #-214748364");
}

}  // namespace
}  // namespace lottavo
