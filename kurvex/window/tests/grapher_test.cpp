#include "grapher.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine.h"
#include "recording_canvas.h"
#include "recording_messages.h"

namespace kurvex {
namespace {

const std::string kZero = "0.000000000000000000";

class GrapherTest : public ::testing::Test {
protected:
    static constexpr int kW = 200;

    GrapherTest() {
        grapher.Resize(kW, 100, 208);
        boxes.PiItemIndex = 0;
    }

    void Go(const std::string& equation, const std::string& low, const std::string& high,
            const std::string& specX = "") {
        boxes.Equation = equation;
        boxes.LowLim = low;
        boxes.HighLim = high;
        boxes.SpecX = specX;
        grapher.GoButtonClick(boxes, services);
    }

    int Count(const std::string& kind, Rgb color) const {
        return static_cast<int>(std::count_if(
            picture.steps.begin(), picture.steps.end(),
            [&](const RecordingCanvas::Step& s) { return s.kind == kind && s.color == color; }));
    }
    bool Wrote(const std::string& text) const {
        const auto texts = picture.Texts();
        return std::any_of(texts.begin(), texts.end(),
                           [&](const RecordingCanvas::Step& s) { return s.text == text; });
    }

    RecordingMessages messages;
    RecordingCanvas picture;
    Boxes boxes;
    Services services{messages, picture, ".", {}};
    Grapher grapher;
};

TEST_F(GrapherTest, FirstGoWithoutLimitsScansNothingButListsZeros) {
    Go("x+1", "", "", "2");
    EXPECT_TRUE(picture.steps.empty());
    EXPECT_EQ(boxes.SpecY, "3");
    EXPECT_EQ(boxes.MaxY, "");
    EXPECT_EQ(grapher.Cell(0, 0), "    X Value");
    EXPECT_EQ(grapher.Cell(1, 0), "    YValue");
    for (int i : {1, kW / 2, kW}) {
        EXPECT_EQ(grapher.Cell(0, i), kZero);
        EXPECT_EQ(grapher.Cell(1, i), kZero);
    }
}

TEST_F(GrapherTest, EqualLimitsListTheLowXWithoutScanning) {
    Go("x", "3", "3");
    EXPECT_TRUE(picture.steps.empty());
    EXPECT_EQ(grapher.Cell(0, 1), "3.000000000000000000");
    EXPECT_EQ(grapher.Cell(0, kW), "3.000000000000000000");
    EXPECT_EQ(grapher.Cell(1, kW), kZero);
}

TEST_F(GrapherTest, ReversedLimitsListFallingXWithoutScanning) {
    Go("x", "2", "0");
    EXPECT_TRUE(picture.steps.empty());
    EXPECT_LT(grapher.XIncrement(), 0);
    EXPECT_EQ(grapher.Cell(0, 1), "1.990000000000000000");
    EXPECT_EQ(grapher.Cell(0, kW), kZero);
    EXPECT_EQ(grapher.Cell(1, 1), kZero);
}

TEST_F(GrapherTest, TimesPiAppliesToTheLimitsOnlyAsTheyAreRead) {
    boxes.PiItemIndex = 1;
    Go("x", "-2", "2", "1");
    EXPECT_EQ(grapher.LowX(), -2 * Grapher::kPi);
    EXPECT_EQ(grapher.HighX(), 2 * Grapher::kPi);
    EXPECT_EQ(boxes.SpecY, "1");  // the specific X is never times pi
    EXPECT_EQ(grapher.Cell(0, kW), FormatValue(2 * Grapher::kPi));

    // Without limits the last ones stay, whatever the units choice says now.
    boxes.PiItemIndex = 0;
    Go("x", "", "2");
    EXPECT_EQ(grapher.LowX(), -2 * Grapher::kPi);
}

TEST_F(GrapherTest, PositiveExtremeWinsWithItsSign) {
    Go("x", "-2", "2");
    EXPECT_EQ(boxes.MaxY, "2.000000000000000000");
    EXPECT_EQ(boxes.MaxX, "2.000000000000000000");
}

TEST_F(GrapherTest, NegativeExtremeIsShownWithoutSign) {
    Go("x", "-3", "1");
    EXPECT_EQ(boxes.MaxY, "2.980000000000000000");
    EXPECT_EQ(boxes.MaxX, "2.980000000000000000");
}

TEST_F(GrapherTest, ZeroMaximumGivesWayToTheNegativeExtreme) {
    Go("x^2-1", "-1", "1");  // Y is 0 at X = 1 and -1 at X = 0
    EXPECT_EQ(boxes.MaxY, "1.000000000000000000");
    EXPECT_EQ(boxes.MaxX, kZero);
}

TEST_F(GrapherTest, AllZeroValuesDrawTheAxesOnly) {
    Go("0", "-1", "1");
    EXPECT_EQ(boxes.MaxY, kZero);
    EXPECT_EQ(boxes.MaxX, kZero);
    EXPECT_GT(Count("line", kBlack), 0);
    EXPECT_EQ(Count("line", kRed), 0);
    EXPECT_TRUE(picture.Texts().empty());
}

TEST_F(GrapherTest, MathErrorEverywhereWritesTheNoticeAndKeepsTheOutputs) {
    Go("x", "-1", "1", "5");
    const std::string tableY = grapher.Cell(1, 7);
    picture.steps.clear();
    Go("1/(x-x)", "-1", "1", "9");
    ASSERT_EQ(picture.Texts().size(), 1u);
    const RecordingCanvas::Step notice = picture.Texts()[0];
    EXPECT_EQ(notice.text, "Math Error for all values within limits");
    EXPECT_EQ(notice.x, 100);
    EXPECT_EQ(notice.y, 300);
    EXPECT_EQ(notice.size, 36);
    EXPECT_EQ(notice.color, kRed);
    EXPECT_EQ(boxes.SpecY, "5");
    EXPECT_EQ(boxes.MaxY, "1.000000000000000000");
    EXPECT_EQ(grapher.Cell(1, 7), tableY);
}

TEST_F(GrapherTest, LimitedTanSamplesAreMarkedAndCountForTheMaximum) {
    Go("tan(x)", "-2", "2");
    EXPECT_TRUE(grapher.State().TanCutSeen);
    // +100 first at X = -1.58, -100 first at X = 1.58: the tie goes to the negative extreme.
    EXPECT_EQ(boxes.MaxY, "100.000000000000000000");
    EXPECT_EQ(boxes.MaxX, "1.580000000000000000");
    int cutRows = 0;
    for (int i = 1; i <= kW; ++i) cutRows += grapher.Cell(1, i) == " Tanlimit - Curve cut";
    EXPECT_GE(cutRows, 2);
    EXPECT_EQ(grapher.Cell(1, kW / 2), kZero);  // tan 0
}

TEST_F(GrapherTest, SpecificXTexts) {
    struct Row {
        const char* equation;
        const char* specX;
        const char* specY;
    };
    for (const Row& row :
         {Row{"x/3", "1", "0.333333333333333"}, Row{"1/x", "0", "Math Error at that value"},
          Row{"tan(x)/0", "1.5707", "TanLimit - curve cut"},
          Row{"x*1000000000000000000", "3", "3E18"}}) {
        Go(row.equation, "", "", row.specX);
        EXPECT_EQ(boxes.SpecY, row.specY) << row.equation;
    }
}

TEST_F(GrapherTest, MathFaultMidScanEndsTheScanAtThatSample) {
    boxes.MaxY = boxes.MaxX = "earlier";
    Go("(3-x)^1.5", "2", "10");  // a negative base from X = 3 on raises a fault
    const GraphState& s = grapher.State();
    int fault = 0;
    for (int i = 1; i <= kW && !fault; ++i)
        if (s.SampleY[i] == 9999) fault = i;
    ASSERT_GT(fault, 1);
    EXPECT_TRUE(s.SampleMathError[fault]);
    for (int i = 1; i < fault; ++i) EXPECT_FALSE(s.SampleMathError[i]);
    for (int i = fault + 1; i <= kW; ++i) {
        EXPECT_EQ(s.SampleY[i], 0);
        EXPECT_FALSE(s.SampleMathError[i] || s.SampleTanCut[i]);
    }
    EXPECT_EQ(boxes.MaxY, "earlier");
    EXPECT_EQ(boxes.MaxX, "earlier");
    EXPECT_FALSE(Wrote("Math Error for all values within limits"));
    EXPECT_GT(Count("line", kRed), 0);  // the command goes on with what the scan found
    EXPECT_EQ(grapher.Cell(1, fault), "      MathError");
    EXPECT_EQ(grapher.Cell(1, kW), kZero);
}

TEST_F(GrapherTest, FaultAtTheFirstSampleEndsTheCommand) {
    Go("x", "", "", "1");
    Go("(x-3)^1.5", "0", "10", "5");
    EXPECT_TRUE(picture.steps.empty());
    EXPECT_EQ(boxes.SpecY, "1");
    EXPECT_EQ(grapher.Cell(1, 1), kZero);
}

TEST_F(GrapherTest, HighLimitFailureLeavesBothLimits) {
    Go("x", "-1", "1");
    EXPECT_THROW(Go("x", "-5", "abc"), ConversionFault);
    EXPECT_EQ(grapher.LowX(), -1);
    EXPECT_EQ(grapher.HighX(), 1);
    EXPECT_EQ(grapher.XIncrement(), 2.0L / kW);
}

TEST_F(GrapherTest, LowLimitFailureLeavesTheHighLimitTaken) {
    Go("x", "-1", "1");
    try {
        Go("x", "1.5.", "7");
        ADD_FAILURE() << "no conversion fault";
    } catch (const ConversionFault& fault) {
        EXPECT_STREQ(fault.what(), "'1.5.' is not a valid floating point value");
    }
    EXPECT_EQ(grapher.LowX(), -1);
    EXPECT_EQ(grapher.HighX(), 7);
    EXPECT_EQ(grapher.XIncrement(), 2.0L / kW);
}

TEST_F(GrapherTest, SpecificXFailureComesAfterTheDrawingAndBeforeTheTable) {
    Go("x", "-1", "1");
    EXPECT_THROW(Go("2x", "-1", "1", "one"), ConversionFault);
    EXPECT_EQ(boxes.MaxY, "2.000000000000000000");
    EXPECT_GT(Count("line", kRed), 0);
    EXPECT_EQ(grapher.Cell(1, kW), "1.000000000000000000");  // the table of the first Go
}

TEST_F(GrapherTest, SpecificXFaultsAreNotCaught) {
    EXPECT_THROW(Go("x^1.5", "", "", "-8"), InvalidArgumentFault);
    EXPECT_THROW(Go("x+()", "", "", "1"), ConversionFault);
}

TEST_F(GrapherTest, ConversionFaultDuringTheScanEndsTheCommand) {
    EXPECT_THROW(Go("()+x", "-1", "1"), ConversionFault);
    EXPECT_EQ(grapher.Cell(1, 1), "");
}

TEST_F(GrapherTest, SyntaxRefusalShowsItsMessageAndChangesNothingShown) {
    Go("x", "-1", "1");
    const size_t stepsBefore = picture.steps.size();
    Go("sin x", "-5", "5", "2");
    EXPECT_EQ(messages.texts, std::vector<std::string>{
                                  "Syntax Error - equation containes unrecognised characters"});
    EXPECT_EQ(picture.steps.size(), stepsBefore);
    EXPECT_EQ(boxes.MaxY, "1.000000000000000000");
    EXPECT_EQ(grapher.Cell(1, kW), "1.000000000000000000");
    EXPECT_EQ(grapher.State().SampleY[kW], 0);  // the store was already cleared
    // The flag was reset: the next Go computes again.
    Go("sin(x)", "-5", "5");
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(grapher.Cell(1, 1), kZero);
}

TEST_F(GrapherTest, UpperCaseEquationsAreLowerCasedButDrawnAsTyped) {
    Go("SIN(X)+2", "-1", "1");
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(grapher.Equation(), "s(x)+2");
    EXPECT_TRUE(Wrote("SIN(X)+2"));
}

TEST_F(GrapherTest, EighteenDigitMessageOncePerSample) {
    Go("(x)+2e3", "-1", "1");
    EXPECT_EQ(messages.texts.size(), static_cast<size_t>(kW));
    EXPECT_TRUE(Wrote("Math Error for all values within limits"));
}

TEST_F(GrapherTest, TextsUseTheLocaleSeparator) {
    services.decimalSeparator = ",";
    Go("x/4", "-1,5", "2e0", "0,5");
    EXPECT_EQ(boxes.MaxY, "0,500000000000000000");
    EXPECT_EQ(boxes.MaxX, "2,000000000000000000");
    EXPECT_EQ(boxes.SpecY, "0,125");
    EXPECT_EQ(grapher.Cell(0, kW), "2,000000000000000000");
    EXPECT_THROW(Go("x", "-1.5", "2"), ConversionFault);
}

TEST_F(GrapherTest, EmptyTableRowsKeepsTheHeadings) {
    Go("x", "-1", "1");
    grapher.EmptyTableRows();
    EXPECT_EQ(grapher.Cell(0, 0), "    X Value");
    for (int i = 1; i <= kW; ++i) EXPECT_EQ(grapher.Cell(0, i) + grapher.Cell(1, i), "");
}

TEST_F(GrapherTest, StoreAndTableFollowAWideWindow) {
    grapher.Resize(1901, 900, 1008);
    Go("x", "0", "1901");
    EXPECT_EQ(grapher.TableRowCount(), 1902);
    EXPECT_EQ(grapher.Cell(0, 1901), "1901.000000000000000000");
    EXPECT_EQ(grapher.Cell(1, 1901), "1901.000000000000000000");
}

TEST_F(GrapherTest, LimitsBeyondTheRangeAreAConversionFailure) {
    EXPECT_THROW(Go("x", "-1", "1e5000"), ConversionFault);
    EXPECT_THROW(Go("x", "-1e4932", "1e4932"), OverflowFault);  // their range overflows
}

}  // namespace
}  // namespace kurvex
