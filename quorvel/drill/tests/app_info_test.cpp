#include "app_info.h"

#include <gtest/gtest.h>

#include <string>

#include "twips.h"

namespace quorvel {
namespace {

TEST(AppInfoTest, VersionTextJoinsTheThreeNumbers) {
    EXPECT_EQ(VersionText(), "Version 1.50.0");
}

TEST(AppInfoTest, DescriptionKeepsItsDoubleBlanks) {
    const std::string description = kDescription;
    EXPECT_NE(description.find("learn  their"), std::string::npos);
    EXPECT_NE(description.find("memorization.  This program will time them.  The program"),
              std::string::npos);
    EXPECT_NE(description.find("table.  The faster"), std::string::npos);
    EXPECT_EQ(description.find("   "), std::string::npos);
    EXPECT_TRUE(description.ends_with("the better they know it."));
}

struct Length {
    int twips;
    double dotsPerInch;
    int pixels;
};

class TwipsTest : public ::testing::TestWithParam<Length> {};

TEST_P(TwipsTest, ConvertsAtTheScreensResolutionToTheNearestPixel) {
    EXPECT_EQ(TwipsToPixels(GetParam().twips, GetParam().dotsPerInch), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Lengths, TwipsTest,
                         ::testing::Values(Length{1440, 96, 96}, Length{4575, 96, 305},
                                           Length{1359, 96, 91}, Length{1352, 96, 90},
                                           Length{237, 96, 16}, Length{7, 96, 0}, Length{8, 96, 1},
                                           Length{1440, 120, 120}, Length{5070, 144, 507},
                                           Length{0, 96, 0}));

}  // namespace
}  // namespace quorvel
