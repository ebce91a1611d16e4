#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "engine_rig.h"

namespace lottavo {
namespace {

struct SeedCase {
    const char* name;
    std::string typed;
    uint32_t defaultValue;
    int32_t status;
    int32_t seedVal;     // when accepted
    std::string stored;  // the seed text afterwards, when accepted
};

class SeedCheckTest : public ::testing::TestWithParam<SeedCase>, public EngineRig {
protected:
    void SetUp() override {
        errno = 0;
        // A known earlier state, for the refusals to leave alone: seed 777 and a last status of
        // -2 from a refused write.
        engine.setUSeedStr("777");
        ASSERT_EQ(engine.checkUSeedStr(0), 0);
        engine.setOutBuf(-1, "");
        ASSERT_EQ(engine.getStatus(), -2);
        box.shown.clear();
        ASSERT_EQ(engine.setUSeedStr(GetParam().typed.c_str()), 0);
    }
};

TEST_P(SeedCheckTest, AcceptsOrRefuses) {
    const SeedCase& c = GetParam();
    EXPECT_EQ(engine.checkUSeedStr(c.defaultValue), c.status);
    EXPECT_TRUE(box.shown.empty());  // refusals are the caller's to report
    if (c.status == 0) {
        EXPECT_EQ(engine.getSeedVal(), c.seedVal);
        EXPECT_EQ(engine.getUSeedStr(), c.stored);
        EXPECT_EQ(engine.getStatus(), 0);
    } else {
        EXPECT_EQ(engine.getSeedVal(), 777);
        EXPECT_EQ(engine.getUSeedStr(), c.typed);
        EXPECT_EQ(engine.getStatus(), -2);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SeedCheckTest,
    ::testing::Values(
        SeedCase{"Zero", "0", 0, 0, 0, "0"}, SeedCase{"Highest", "32000", 0, 0, 32000, "32000"},
        SeedCase{"LeadingZeros", "00000", 0, 0, 0, "00000"},
        SeedCase{"Ordinary", "12345", 0, 0, 12345, "12345"},
        SeedCase{"JustAbove", "32001", 0, -4, 0, ""}, SeedCase{"FiveNines", "99999", 0, -4, 0, ""},
        // an empty text takes the default in five places: "    0" begins with a blank
        SeedCase{"Empty", "", 0, -2, 0, ""}, SeedCase{"LeadingBlank", " 5", 0, -2, 0, ""},
        SeedCase{"LeadingTab", "\t5", 0, -2, 0, ""},
        SeedCase{"LeadingControl", "\x01", 0, -2, 0, ""},
        SeedCase{"LeadingHighCharacter",
                 "\xe9"
                 "5",
                 0, -2, 0, ""},
        SeedCase{"Delete", "\x7f", 0, -3, 0, ""}, SeedCase{"TrailingLetter", "5a", 0, -3, 0, ""},
        SeedCase{"Negative", "-1", 0, -3, 0, ""}, SeedCase{"TrailingBlank", "5 ", 0, -3, 0, ""},
        SeedCase{"Plus", "+5", 0, -3, 0, ""},
        // only the first five digits are read
        SeedCase{"SixDigits", "123456", 0, 0, 12345, "123456"},
        // the text is cut after eleven characters before it is judged and stored
        SeedCase{"CutToEleven", "000000000012", 0, 0, 0, "00000000001"},
        SeedCase{"LetterBeyondTheCut", "12345678901a", 0, 0, 12345, "12345678901"},
        SeedCase{"LargeBeyondTheCut", "99999999999a", 0, -4, 0, ""},
        // other defaults for an empty text
        SeedCase{"EmptyWithFiveDigitDefault", "", 20000, 0, 20000, "20000"},
        SeedCase{"EmptyWithShortDefault", "", 5, -2, 0, ""},
        SeedCase{"EmptyWithHighDefault", "", 4294967295u, -4, 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lottavo
