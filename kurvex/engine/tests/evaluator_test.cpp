#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine.h"
#include "recording_messages.h"
#include "row_names.h"
#include "typed_equation.h"

namespace kurvex {
namespace {

constexpr const char* kEighteenDigits =
    "Intermediate calculation is more than 18 digits before decimal point. Closing";

struct Case {
    const char* equation;
    long double x;
    const char* y;  // the value text of Y
};

class EvaluateTest : public ::testing::TestWithParam<Case> {};

TEST_P(EvaluateTest, GivesTheValueText) {
    const Outcome outcome = EvaluateTyped(GetParam().equation, GetParam().x);
    EXPECT_FALSE(outcome.mathError);
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_EQ(outcome.YText(), GetParam().y);
}

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, EvaluateTest,
    ::testing::Values(
        Case{"x", 0.5L, "0.500000000000000000"}, Case{"x", 0, "0.000000000000000000"},
        Case{"2x", 1.5L, "3.000000000000000000"}, Case{"x2", 1.5L, "3.000000000000000000"},
        Case{"2(x)", 1.5L, "3.000000000000000000"}, Case{"(x)2", 1.5L, "3.000000000000000000"},
        Case{"(2)(3)", 0, "6.000000000000000000"}, Case{"xx", 3, "9.000000000000000000"},
        Case{"3x^3", 2, "24.000000000000000000"}, Case{"-2^2", 0, "4.000000000000000000"},
        Case{"2^-2", 0, "0.250000000000000000"}, Case{"8/2/2", 0, "2.000000000000000000"},
        Case{"8/2*2", 0, "8.000000000000000000"}, Case{"2-3-4", 0, "-5.000000000000000000"},
        Case{"3-2*-4", 0, "11.000000000000000000"}, Case{"5+-3", 0, "2.000000000000000000"},
        Case{"2+3*4", 0, "14.000000000000000000"}, Case{"(2+3)*4", 0, "20.000000000000000000"},
        Case{"((x+1)*(x-1))", 3, "8.000000000000000000"}, Case{"-x", 2, "-2.000000000000000000"},
        Case{"x-x", -7, "0.000000000000000000"},
        // every intermediate result is carried as its value text
        Case{"(1/3)*3", 0, "0.999999999999999999"}, Case{"1/3*3", 0, "0.999999999999999999"},
        Case{"10^-20*10000", 0, "0.000000000000000000"},
        Case{"x/3", 1e17L, "33333333333333333.300000000000000000"},
        // the final conversion understands exponents, the operand readers do not
        Case{"10^20", 0, "1E20"}, Case{"(2e3)", 0, "2000.000000000000000000"},
        Case{"2e3", 0, "2000.000000000000000000"}, Case{"2e3+1", 0, "4.000000000000000000"},
        // operators the check lets through
        Case{"2+", 0, "2.000000000000000000"}, Case{"2**3", 0, "0.000000000000000000"}),
    NamedBy<&Case::equation>());

TEST(EvaluateEquation, FunctionOfAProductTakesOnlyTheNumberAfterIt) {
    const long double x = 2;
    EXPECT_NEAR(static_cast<double>(EvaluateTyped("4sin4x", x).y), 4 * std::sin(4.0) * 2, 1e-15);
    EXPECT_NEAR(static_cast<double>(EvaluateTyped("4sin(4x)", x).y), 4 * std::sin(8.0), 1e-15);
    EXPECT_NEAR(static_cast<double>(EvaluateTyped("sinx+2", x).y), std::sin(2.0) + 2, 1e-15);
    EXPECT_NEAR(static_cast<double>(EvaluateTyped("sin(x+2)", x).y), std::sin(4.0), 1e-15);
}

struct Failure {
    const char* equation;
    long double x;
    bool message;  // the 18-digit message is shown
};

class MathErrorTest : public ::testing::TestWithParam<Failure> {};

TEST_P(MathErrorTest, EndsWithMathError) {
    const Outcome outcome = EvaluateTyped(GetParam().equation, GetParam().x);
    EXPECT_TRUE(outcome.mathError);
    if (GetParam().message)
        EXPECT_EQ(outcome.messages, std::vector<std::string>{kEighteenDigits});
    else
        EXPECT_TRUE(outcome.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Rules, MathErrorTest,
                         ::testing::Values(Failure{"1/0", 0, false}, Failure{"1/(x-x)", 1, false},
                                           Failure{"(1/0)+2", 0, false},
                                           Failure{"(10^20)", 0, true}, Failure{"(x)+2e3", 1, true},
                                           Failure{"2e3*sin1", 0, true},
                                           Failure{"(x)", 1e18L, true},
                                           Failure{"10^20+sin1", 0, true},
                                           // an invalid operation inside a bracket
                                           Failure{"(2^-3000000000)", 0, false}),
                         NamedBy<&Failure::equation>());

TEST(EvaluateEquation, InvalidOperationInsideABracketIsAMathErrorButEscapesOutside) {
    RecordingMessages messages;
    long double y = 0, prevTanArg = 0;
    bool mathError = false, tanCut = false;
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    EvaluateEquation("(x)", y, mathError, nan, prevTanArg, tanCut, messages);
    EXPECT_TRUE(mathError);
    EXPECT_THROW(EvaluateEquation("x", y, mathError, nan, prevTanArg, tanCut, messages),
                 InvalidOperationFault);
}

TEST(EvaluateEquation, FaultsThatEscapeToTheCaller) {
    EXPECT_THROW(EvaluateTyped(""), ConversionFault);
    EXPECT_THROW(EvaluateTyped("()"), ConversionFault);
    EXPECT_THROW(EvaluateTyped("1.2.3+x"), ConversionFault);
    EXPECT_THROW(EvaluateTyped("10^20*2"), ConversionFault);  // "1E40.0..." is left behind
    EXPECT_THROW(EvaluateTyped("10^5000"), OverflowFault);
    EXPECT_THROW(EvaluateTyped("(10^5000)"), OverflowFault);
    EXPECT_THROW(EvaluateTyped("(" + std::string(3000, '9') + "*" + std::string(3000, '9') + ")"),
                 OverflowFault);
    EXPECT_THROW(EvaluateTyped("-8^1.5"), InvalidArgumentFault);
    EXPECT_THROW(EvaluateTyped("0^1.5"), DivisionByZeroFault);
}

TEST(EvaluateEquation, ClearsBothFlagsOnEntryAndKeepsTheEquation) {
    RecordingMessages messages;
    const std::string equation = "t(x)";
    long double y = 0, prevTanArg = 0;
    bool mathError = true, tanCut = true;
    EvaluateEquation(equation, y, mathError, 0.5L, prevTanArg, tanCut, messages);
    EXPECT_FALSE(mathError);
    EXPECT_FALSE(tanCut);
    EXPECT_EQ(equation, "t(x)");
}

TEST(EvaluateEquation, MessageOnceForEveryEvaluationThatMeetsIt) {
    RecordingMessages messages;
    long double y = 0, prevTanArg = 0;
    bool mathError = false, tanCut = false;
    for (long double x : {1.0L, 2.0L, 3.0L})
        EvaluateEquation("(x)+2e3", y, mathError, x, prevTanArg, tanCut, messages);
    EXPECT_EQ(messages.texts.size(), 3u);
}

TEST(EvaluateEquation, StrayBracketsOfAnUncheckedTextEnd) {
    RecordingMessages messages;
    long double y = 0, prevTanArg = 0;
    bool mathError = false, tanCut = false;
    EvaluateEquation("2)+(3", y, mathError, 0, prevTanArg, tanCut, messages);
    EXPECT_FALSE(mathError);
    EXPECT_EQ(FormatValue(y), "5.000000000000000000");
}

TEST(SubstituteX, JoinsNumbersWithATimesSign) {
    struct Row {
        std::string text, expected;
    };
    const std::string one = "1.000000000000000000";
    for (const Row& row : std::vector<Row>{{"2x", "2*" + one},
                                           {"x2", one + "*2"},
                                           {"xx", one + "*" + one},
                                           {"sx", "s" + one},
                                           {"(x)", "(" + one + ")"},
                                           {"x^2", one + "^2"},
                                           {"x.5", one + "*.5"},
                                           {"xs2", one + "*s2"},
                                           {"ex", "e*" + one}}) {
        std::string text = row.text;
        SubstituteX(text, 1);
        EXPECT_EQ(text, row.expected) << row.text;
    }
}

TEST(WriteBackValue, PutsTheValueBetweenTheTwoPieces) {
    struct Row {
        std::string left, right;
        long double value;
        std::string expected;
    };
    const std::string three = "3.000000000000000000";
    RecordingMessages messages;
    long double prevTanArg = 0;
    bool mathError = false, tanCut = false;
    Evaluation evaluation{0, mathError, prevTanArg, tanCut, messages};
    for (const Row& row : std::vector<Row>{{"2", "", 3, "2*" + three},
                                           {"", "2", 3, three + "*2"},
                                           {"s", "", 3, "s" + three},
                                           {"2+", "-1", 3, "2+" + three + "-1"},
                                           {"(", ")", 3, "(" + three + ")"},
                                           {"2", "3", 0, "2*0*3"},
                                           {"", "", -0.0L, "0"}}) {
        std::string text = "unchanged";
        EXPECT_TRUE(WriteBackValue(row.left, row.right, text, row.value, evaluation));
        EXPECT_EQ(text, row.expected);
    }
    EXPECT_FALSE(mathError);
    EXPECT_TRUE(messages.texts.empty());

    std::string text = "unchanged";
    EXPECT_FALSE(WriteBackValue("", "", text, 1e20L, evaluation));
    EXPECT_EQ(text, "unchanged");
    EXPECT_TRUE(mathError);
    EXPECT_EQ(messages.texts, std::vector<std::string>{kEighteenDigits});
}

TEST(ReadLeftOperand, TakesAMinusOnlyAfterAnOperatorOrAtTheStart) {
    struct Row {
        std::string text;
        size_t op;
        long double value;
        size_t begin;
    };
    for (const Row& row : std::vector<Row>{{"-2^2", 2, -2, 0},
                                           {"5-3", 1, 5, 0},
                                           {"2*-3^2", 4, -3, 2},
                                           {"2-3^2", 3, 3, 2},
                                           {"s-3^2", 3, 3, 2},
                                           {"1E20*2", 4, 20, 2},
                                           {"*2", 0, 0, 0},
                                           {"-.5/2", 3, -0.5, 0}}) {
        const LeftOperand left = ReadLeftOperand(row.text, row.op);
        EXPECT_EQ(left.value, row.value) << row.text;
        EXPECT_EQ(left.begin, row.begin) << row.text;
    }
}

TEST(ReadRightOperand, TakesAnOptionalMinusAndTheNumber) {
    struct Row {
        std::string text;
        size_t op;
        long double value;
        size_t end;
    };
    for (const Row& row : std::vector<Row>{{"2*-3.5+1", 1, -3.5, 6},
                                           {"s", 0, 0, 1},
                                           {"2^", 1, 0, 2},
                                           {"2^-", 1, 0, 3},
                                           {"2*3E20", 1, 3, 3},
                                           {"2^--3", 1, 0, 3}}) {
        const RightOperand right = ReadRightOperand(row.text, row.op);
        EXPECT_EQ(right.value, row.value) << row.text;
        EXPECT_EQ(right.end, row.end) << row.text;
    }
}

TEST(AddSubStage, WorksFromTheLeftAndLeavesALeadingSign) {
    struct Row {
        std::string segment, expected;
    };
    for (const Row& row : std::vector<Row>{{"2-3-4", "-5.000000000000000000"},
                                           {"-5", "-5"},
                                           {"5-", "5.000000000000000000"},
                                           {"--5", "-5.000000000000000000"},
                                           {"1+2", "3.000000000000000000"}}) {
        std::string segment = row.segment;
        AddSubStage(segment);
        EXPECT_EQ(segment, row.expected) << row.segment;
    }
}

}  // namespace
}  // namespace kurvex
