#include <gtest/gtest.h>

#include "engine.h"
#include "row_names.h"
#include "typed_equation.h"

namespace kurvex {
namespace {

struct Case {
    const char* equation;
    const char* y;  // the value text of Y
};

class FunctionValueTest : public ::testing::TestWithParam<Case> {};

TEST_P(FunctionValueTest, GivesTheValueText) {
    const Outcome outcome = EvaluateTyped(GetParam().equation);
    EXPECT_FALSE(outcome.mathError);
    EXPECT_FALSE(outcome.tanCut);
    EXPECT_EQ(outcome.YText(), GetParam().y);
}

INSTANTIATE_TEST_SUITE_P(
    Logs, FunctionValueTest,
    ::testing::Values(
        Case{"logd100", "2.000000000000000000"}, Case{"logn1", "0.000000000000000000"},
        Case{"alogd2", "100.000000000000000000"}, Case{"alogn1", "2.718281828459045240"},
        Case{"alogd-2", "0.010000000000000000"}, Case{"alogn-100000", "0.000000000000000000"},
        // ln 5 is rounded to its value text before log10 is taken
        Case{"logd(logn5)", "0.206674227491118923"},
        Case{"logd1000+logn1*2", "3.000000000000000000"}),
    NamedBy<&Case::equation>());

INSTANTIATE_TEST_SUITE_P(
    Powers, FunctionValueTest,
    ::testing::Values(Case{"2^0.5", "1.414213562373095050"}, Case{"0^0", "1.000000000000000000"},
                      Case{"0^2", "0.000000000000000000"}, Case{"-2^3", "-8.000000000000000000"},
                      Case{"-8^3", "-512.000000000000000000"},
                      Case{"2^3^2", "64.000000000000000000"}, Case{"2^-2", "0.250000000000000000"},
                      Case{"2^59", "576460752303423488.000000000000000000"},
                      Case{"3^37", "450283905890997363.000000000000000000"},
                      Case{"2^62", "4.6116860184273879E18"},
                      Case{"10^-5000", "0.000000000000000000"}),
    NamedBy<&Case::equation>());

INSTANTIATE_TEST_SUITE_P(
    Trig, FunctionValueTest,
    ::testing::Values(
        Case{"asin2", "0.000000000000000000"}, Case{"acos-1.5", "0.000000000000000000"},
        Case{"asin1", "1.570796326794896620"}, Case{"acos-1", "3.141592653589793240"},
        Case{"atan1", "0.785398163397448310"}, Case{"sin1+cos1", "1.381773290676036220"},
        Case{"tan1.5", "14.101419947171719400"},
        Case{"sin10000000000000000000", "0.000000000000000000"},
        Case{"cos-10000000000000000000", "0.000000000000000000"},
        // arc terms out of range become 0 and the terms after them still count
        Case{"asin2*cos1", "0.000000000000000000"}, Case{"asin2+cos0", "1.000000000000000000"},
        Case{"acos2+sin0+cos0", "1.000000000000000000"},
        // a tan exactly at the asymptote pi/2 becomes 0, then cos 0 is added
        Case{"tan1.5707963267948966192313216916+cos0", "1.000000000000000000"}),
    NamedBy<&Case::equation>());

class FunctionMathErrorTest : public ::testing::TestWithParam<const char*> {};

TEST_P(FunctionMathErrorTest, EndsWithMathErrorAndNoMessage) {
    const Outcome outcome = EvaluateTyped(GetParam());
    EXPECT_TRUE(outcome.mathError);
    EXPECT_TRUE(outcome.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Rules, FunctionMathErrorTest,
                         ::testing::Values("logd0", "logd-1", "logn-1", "logn0", "alogd5000",
                                           "alogn20000", "0^-1", "0^0.5", "-8^0.5", "logdlogn5",
                                           "2^-3000000000", "alogd-3000000000"),
                         NamedByText());

TEST(FunctionTerms, LogOperandsBeyondTheLimitAreAMathError) {
    // 1.15 × 10^4932 lies between the limit 1.1 × 10^4932 and the top of the range.
    EXPECT_TRUE(EvaluateTyped("logd115" + std::string(4930, '0')).mathError);
    EXPECT_FALSE(EvaluateTyped("logd105" + std::string(4930, '0')).mathError);
    EXPECT_TRUE(EvaluateTyped("alogn115" + std::string(4929, '0')).mathError);
}

TEST(FunctionTerms, ArcTermsOfAnXInAndOutOfRange) {
    const Outcome outcome = EvaluateTyped("asin(x/2)+cos(x)", 4);
    EXPECT_FALSE(outcome.mathError);
    EXPECT_EQ(outcome.YText(), "-0.653643620863611915");
}

struct Tan {
    long double prevTanArg;
    const char* equation;
    bool tanCut;
    double y;
    long double prevTanArgAfter;
};

class TanRuleTest : public ::testing::TestWithParam<Tan> {};

TEST_P(TanRuleTest, LimitsAndReportsTheCut) {
    const Tan& row = GetParam();
    const Outcome outcome = EvaluateTyped(row.equation, 0, row.prevTanArg);
    EXPECT_FALSE(outcome.mathError);
    EXPECT_EQ(outcome.tanCut, row.tanCut);
    EXPECT_NEAR(static_cast<double>(outcome.y), row.y, 1e-14);
    EXPECT_EQ(outcome.prevTanArg, row.prevTanArgAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TanRuleTest,
    ::testing::Values(Tan{1.0L, "tan1.5", false, 14.101419947171719, 1.5L},
                      Tan{1.5L, "tan1.7", true, -7.6966021394591584, 1.7L},
                      Tan{1.5L, "tan1.6", true, -34.232532735557417, 1.6L},
                      Tan{1.5L, "tan1.5707", true, 100, 1.5707L},
                      Tan{-1.5L, "tan-1.5707", true, -100, -1.5707L},
                      Tan{-1.0L, "tan-1.6", true, 34.232532735557417, -1.6L},
                      // a step across a whole turn crosses 3pi/2 in the reduced angles
                      Tan{6.2L, "tan6.3", true, 0.016816277694182235, 6.3L},
                      Tan{4.0L, "tan4.5", false, 4.6373320545511845, 4.5L},
                      // two terms, each compared with the one evaluated before it
                      Tan{0, "tan1+tan2", true, -0.62763213860661676, 2},
                      // no tan term: the memory is left alone
                      Tan{1.5L, "sin0", false, 0, 1.5L}),
    NamedBy<&Tan::equation>());

}  // namespace
}  // namespace kurvex
