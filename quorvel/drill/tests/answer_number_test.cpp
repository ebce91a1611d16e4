#include "answer_number.h"

#include <gtest/gtest.h>

#include <optional>

#include "row_name.h"

namespace quorvel {
namespace {

// A locale with its own signs: the minus is U+2212, the plus U+FF0B.
const NumberFormat kOwnSigns{",", "\xe2\x88\x92", "\xef\xbc\x8b"};

struct Reading {
    const char* text;
    std::optional<double> value;
};

class OwnSignsTest : public ::testing::TestWithParam<Reading> {};

TEST_P(OwnSignsTest, ReadsTheLocalesSignsBesideTheAsciiOnes) {
    EXPECT_EQ(ParseAnswer(GetParam().text, kOwnSigns), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Signs, OwnSignsTest,
                         ::testing::Values(Reading{"\xe2\x88\x92"
                                                   "6",
                                                   -6.0},
                                           Reading{"-6", -6.0},
                                           Reading{"\xef\xbc\x8b"
                                                   "6,5",
                                                   6.5},
                                           Reading{"+6", 6.0}, Reading{",25", 0.25},
                                           Reading{"\xe2\x88\x92", std::nullopt},
                                           Reading{"\xe2\x88\x92\xe2\x88\x92"
                                                   "6",
                                                   std::nullopt},
                                           // half a multi-byte minus is no sign
                                           Reading{"\xe2\x88"
                                                   "6",
                                                   std::nullopt}),
                         NamedBy<&Reading::text>());

TEST(ParseAnswerTest, AFormatWithoutADecimalMarkReadsWholeNumbersOnly) {
    const NumberFormat noMark{"", "-", "+"};
    EXPECT_EQ(ParseAnswer("12", noMark), 12.0);
    EXPECT_EQ(ParseAnswer("12.5", noMark), std::nullopt);
}

TEST(ParseAnswerTest, ReadsTheWholeTextAndNothingBeyondIt) {
    // A text with a zero inside it is not cut short at the zero.
    const std::string withZero(
        "6\0"
        "5",
        3);
    EXPECT_EQ(ParseAnswer(withZero, NumberFormat{}), std::nullopt);
    EXPECT_EQ(ParseAnswer(std::string_view("65", 1), NumberFormat{}), 6.0);
}

}  // namespace
}  // namespace quorvel
