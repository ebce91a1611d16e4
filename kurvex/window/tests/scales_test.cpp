#include "scales.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "plot.h"
#include "recording_canvas.h"

namespace {

using kurvex::GraphState;
using Step = RecordingCanvas::Step;

constexpr int kWidth = 1000;
constexpr int kAxisRow = 331;  // a picture 663 pixels high
constexpr int kXRow = kAxisRow + 30;
constexpr int kYColumn = 500;

// One DrawScales call on a 1000 x 663 picture, with the texts sorted by what they are.
struct Scales {
    GraphState state;
    RecordingCanvas canvas;

    Scales() {
        state.ResizeStore(kWidth);
        state.PictureWidth = kWidth;
        state.HalfHeight = 331.5L;
        state.AxisRow = kAxisRow;
        state.WindowHeight = 768;
    }

    Scales& Draw(long double lowX, long double highX, long double maxY, int yAxisColumn = kYColumn,
                 const std::string& equation = "x") {
        kurvex::DrawScales(canvas, state, equation, yAxisColumn, highX, lowX, maxY);
        return *this;
    }

    std::vector<Step> TextsWhere(auto keep) const {
        std::vector<Step> texts;
        for (const Step& text : canvas.Texts())
            if (keep(text)) texts.push_back(text);
        return texts;
    }
    // Red and small on the row below the axis.
    std::vector<Step> XFigures() const {
        return TextsWhere(
            [](const Step& t) { return t.color == kurvex::kRed && t.size == 10 && t.y == kXRow; });
    }
    // Black and small: the Y figures, and the tenths notice of the X axis.
    std::vector<Step> YFiguresAt(int column) const {
        return TextsWhere([column](const Step& t) {
            return t.color == kurvex::kBlack && t.size == 10 && t.x == column &&
                   t.text.find("figures") == std::string::npos;
        });
    }
    std::vector<Step> Notices() const {
        return TextsWhere([](const Step& t) { return t.text.find(' ') != std::string::npos; });
    }
};

std::vector<std::string> TextsOf(const std::vector<Step>& steps) {
    std::vector<std::string> texts;
    for (const Step& step : steps) texts.push_back(step.text);
    return texts;
}

// ---- The equation and the X axis -------------------------------------------------------------

TEST(DrawScales, EquationAsTypedInRedBelowTheControlBand) {
    for (const int bandHeight : {78, 90}) {
        Scales scales;
        scales.state.GroupBoxHeight = bandHeight;
        scales.Draw(-10, 10, 10, kYColumn, "3*Sin(X)+2");
        const auto texts = scales.canvas.Texts();
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts[0].text, "3*Sin(X)+2");
        EXPECT_EQ(texts[0].x, 50);
        EXPECT_EQ(texts[0].y, bandHeight);
        EXPECT_EQ(texts[0].color, kurvex::kRed);
        EXPECT_EQ(texts[0].size, 20);
    }
}

TEST(DrawScales, TenthsNoticeForARangeOfThreeOrLess) {
    const struct {
        long double lowX, highX;
        bool tenths;
    } cases[] = {{0, 2, true},        {0, 3, true},   {-1.5L, 1.5L, true},
                 {0, 3.0001L, false}, {0, 10, false}, {-10, 10, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lowX << ".." << c.highX);
        Scales scales;
        scales.state.SampleCount = 1001;  // W div 2 drops the half
        scales.Draw(c.lowX, c.highX, 10);
        const auto notices = scales.Notices();
        ASSERT_EQ(notices.size(), c.tenths ? 1u : 0u);
        if (!c.tenths) continue;
        EXPECT_EQ(notices[0].text, "X axis figures in tenths");
        EXPECT_EQ(notices[0].x, 500 + 100);
        EXPECT_EQ(notices[0].y, 165 - 100);
        EXPECT_EQ(notices[0].color, kurvex::kBlack);
        EXPECT_EQ(notices[0].size, 10);
    }
}

TEST(DrawScales, XFiguresForMinusTenToTen) {
    // One figure per unit, a twentieth of the width apart; 10 falls on the right edge and 11
    // beyond it.
    Scales scales;
    scales.Draw(-10, 10, 10);
    const auto figures = scales.XFigures();
    ASSERT_EQ(figures.size(), 22u);
    for (int k = 0; k < 22; ++k) {
        EXPECT_EQ(figures[k].text, std::to_string(k - 10));
        EXPECT_EQ(figures[k].x, 50 * k);
    }
}

struct XIntervalCase {
    const char* name;
    long double highX;  // from 0
    bool tenths;
    int interval;
    int secondColumn;
    int figures;
};

class XIntervalTest : public testing::TestWithParam<XIntervalCase> {};

TEST_P(XIntervalTest, SecondFigureAndFigureCount) {
    const XIntervalCase& c = GetParam();
    Scales scales;
    scales.Draw(0, c.highX, 10);
    EXPECT_EQ(scales.Notices().size(), c.tenths ? 1u : 0u);
    const auto figures = scales.XFigures();
    ASSERT_EQ(figures.size(), static_cast<size_t>(c.figures));
    EXPECT_EQ(figures[0].text, "0");
    EXPECT_EQ(figures[0].x, 0);
    EXPECT_EQ(figures[1].text, std::to_string(c.interval));
    EXPECT_EQ(figures[1].x, c.secondColumn);
    EXPECT_EQ(figures.back().text, std::to_string(c.interval * (c.figures - 1)));
}

// Each row boundary from both sides; rounded ranges below 3 take 1, above 25000 take 1000.
INSTANTIATE_TEST_SUITE_P(
    Ranges, XIntervalTest,
    testing::Values(
        XIntervalCase{"R3_5", 3.5L, false, 1, 286, 5}, XIntervalCase{"R20", 20, false, 1, 50, 22},
        XIntervalCase{"R20_5RoundsTo20", 20.5L, false, 1, 49, 22},
        XIntervalCase{"R21", 21, false, 2, 95, 12}, XIntervalCase{"R50", 50, false, 2, 40, 27},
        XIntervalCase{"R51", 51, false, 5, 98, 12}, XIntervalCase{"R100", 100, false, 5, 50, 22},
        XIntervalCase{"R101", 101, false, 10, 99, 12},
        XIntervalCase{"R200", 200, false, 10, 50, 22},
        XIntervalCase{"R201", 201, false, 25, 124, 10},
        XIntervalCase{"R500", 500, false, 25, 50, 22},
        XIntervalCase{"R501", 501, false, 50, 100, 12},
        XIntervalCase{"R1000", 1000, false, 50, 50, 22},
        XIntervalCase{"R1001", 1001, false, 100, 100, 12},
        XIntervalCase{"R5000", 5000, false, 100, 20, 52},
        XIntervalCase{"R5001", 5001, false, 500, 100, 12},
        XIntervalCase{"R10000", 10000, false, 500, 50, 22},
        XIntervalCase{"R10001", 10001, false, 1000, 100, 12},
        XIntervalCase{"R25000", 25000, false, 1000, 40, 27},
        XIntervalCase{"R25001BeyondTheTable", 25001, false, 1000, 40, 27},
        XIntervalCase{"R1000000BeyondTheTable", 1000000, false, 1000, 1, 1002},
        XIntervalCase{"Tenths3", 3, true, 2, 67, 17},
        XIntervalCase{"Tenths2_5", 2.5L, true, 2, 80, 14},
        XIntervalCase{"Tenths0_3", 0.3L, true, 1, 333, 5},
        XIntervalCase{"Tenths0_25BelowTheTable", 0.25L, true, 1, 400, 4},
        XIntervalCase{"Tenths0_2BelowTheTable", 0.2L, true, 1, 500, 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DrawScales, FirstXFigureAndItsOffset) {
    const struct {
        long double lowX, highX;
        std::vector<std::string> texts;
        std::vector<int> columns;
    } cases[] = {
        // -10 lies half a unit (25 pixels) in.
        {-10.5L, 9.5L, {"-10", "-9", "-8"}, {25, 75, 125}},
        // The offset is an absolute value, so 2 is written half a unit in, though it lies
        // half a unit left of the picture.
        {2.5L, 12.5L, {"2", "3", "4"}, {50, 150, 250}},
        // Tenths: 0 to 20 tenths.
        {0, 2, {"0", "1", "2"}, {0, 50, 100}},
        // Interval 50, the first figure 0 a twentieth of a pixel in.
        {-0.001L, 1000, {"0", "50", "100"}, {0, 50, 100}},
        // Interval 2 from an odd first figure.
        {-7, 43, {"-7", "-5", "-3"}, {0, 40, 80}},
        // The step and the offset are rounded apart: 428.57 + 42.86 gives 429 + 43.
        {0.3L, 7.3L, {"0", "1", "2", "3"}, {43, 186, 329, 472}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lowX << ".." << c.highX);
        const auto figures = Scales().Draw(c.lowX, c.highX, 10).XFigures();
        ASSERT_GE(figures.size(), c.texts.size());
        for (size_t k = 0; k < c.texts.size(); ++k) {
            EXPECT_EQ(figures[k].text, c.texts[k]);
            EXPECT_EQ(figures[k].x, c.columns[k]);
        }
    }
}

TEST(DrawScales, XFigureCountFollowsTheTruncatedLimits) {
    const struct {
        long double lowX, highX;
        size_t figures;
        const char* last;
    } cases[] = {{-10, 10, 22, "11"},  {2.5L, 12.5L, 12, "13"}, {-7, 43, 26, "43"},
                 {0.5L, 3.7L, 5, "4"}, {-3.7L, -0.5L, 5, "1"},  {-10.5L, 9.5L, 21, "10"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lowX << ".." << c.highX);
        const auto figures = Scales().Draw(c.lowX, c.highX, 10).XFigures();
        ASSERT_EQ(figures.size(), c.figures);
        EXPECT_EQ(figures.back().text, c.last);
    }
}

// ---- Y range too great -----------------------------------------------------------------------

TEST(DrawScales, TooGreatNoticeInsteadOfYFigures) {
    const struct {
        long double maxY;
        bool tooGreat;
    } cases[] = {{5000000, true}, {4999999.99L, false}, {5000000.01L, true},
                 {1e30L, true},   {1e4000L, true},      {4999999, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.maxY));
        Scales scales;
        scales.Draw(-10, 10, c.maxY);
        const auto texts = scales.canvas.Texts();
        EXPECT_EQ(scales.XFigures().size(), 22u);
        EXPECT_EQ(scales.YFiguresAt(25).empty(), c.tooGreat);
        if (!c.tooGreat) continue;
        const Step& notice = texts.back();
        EXPECT_EQ(notice.text, "Y value range too great to show on screen. See Table");
        EXPECT_EQ(notice.x, 20);
        EXPECT_EQ(notice.y, kAxisRow + 50);
        EXPECT_EQ(notice.color, kurvex::kRed);
        EXPECT_EQ(notice.size, 30);
        EXPECT_EQ(scales.Notices().size(), 1u);
    }
}

// ---- Y figures -------------------------------------------------------------------------------

struct YCase {
    const char* name;
    long double maxY;
    const char* notice;  // "" for none
    int figureStep, pixelStep, above, below;
};

// Checks the figures beside the axis and at both edges against one YCase.
void ExpectYFigures(const Scales& scales, const YCase& c) {
    for (const int column : {kYColumn - 30, 25, kWidth - 35, kWidth - 40}) {
        SCOPED_TRACE(column);
        const auto figures = scales.YFiguresAt(column);
        const int above = column == kWidth - 40 ? 0 : c.above;
        const int below = column == kWidth - 35 ? 0 : c.below;
        ASSERT_EQ(figures.size(), static_cast<size_t>(above + below));
        for (int i = 1; i <= above; ++i) {
            EXPECT_EQ(figures[i - 1].text, std::to_string(c.figureStep * i));
            EXPECT_EQ(figures[i - 1].y, kAxisRow - c.pixelStep * i);
        }
        for (int i = 1; i <= below; ++i) {
            EXPECT_EQ(figures[above + i - 1].text, std::to_string(-c.figureStep * i));
            EXPECT_EQ(figures[above + i - 1].y, kAxisRow - 18 + c.pixelStep * i);
        }
    }
}

class YScaleTest : public testing::TestWithParam<YCase> {};

TEST_P(YScaleTest, FiguresNoticeAndPositions) {
    const YCase& c = GetParam();
    Scales scales;
    scales.Draw(-10, 10, c.maxY);
    ExpectYFigures(scales, c);
    const auto notices = scales.Notices();
    ASSERT_EQ(notices.size(), *c.notice ? 1u : 0u);
    if (!*c.notice) return;
    EXPECT_EQ(notices[0].text, c.notice);
    EXPECT_EQ(notices[0].x, kWidth / 2 + 100);
    EXPECT_EQ(notices[0].y, 100);
    EXPECT_EQ(notices[0].color, kurvex::kRed);
    EXPECT_EQ(notices[0].size, 10);
}

// The interval table's boundaries; the axis row is 331.
INSTANTIATE_TEST_SUITE_P(
    IntervalTable, YScaleTest,
    testing::Values(
        YCase{"Y5", 5, "", 1, 66, 10, 6}, YCase{"Y10", 10, "", 1, 33, 20, 11},
        YCase{"Y10_5RoundsTo10", 10.5L, "", 1, 32, 21, 11}, YCase{"Y11", 11, "", 2, 60, 7, 6},
        YCase{"Y50", 50, "", 2, 13, 33, 26}, YCase{"Y51", 51, "", 5, 32, 11, 11},
        YCase{"Y100", 100, "", 5, 17, 22, 21}, YCase{"Y101", 101, "", 10, 33, 11, 11},
        YCase{"Y200", 200, "", 10, 17, 21, 21}, YCase{"Y201", 201, "", 20, 33, 10, 11},
        YCase{"Y500", 500, "", 20, 13, 26, 26}, YCase{"Y501", 501, "", 50, 33, 10, 11},
        YCase{"Y1000", 1000, "", 50, 17, 20, 21}, YCase{"Y1001", 1001, "", 100, 33, 10, 11},
        YCase{"Y2000", 2000, "", 100, 17, 20, 21}, YCase{"Y2001", 2001, "", 500, 83, 4, 5},
        YCase{"Y10000", 10000, "", 500, 17, 20, 21}, YCase{"Y10001", 10001, "", 2000, 66, 5, 6},
        YCase{"Y50000", 50000, "", 2000, 13, 25, 26}, YCase{"Y50001", 50001, "", 5000, 33, 10, 11},
        YCase{"Y100000", 100000, "", 5000, 17, 20, 21},
        YCase{"Y100001", 100001, "", 50000, 165, 2, 3},
        YCase{"Y1000000", 1000000, "", 50000, 17, 20, 21},
        YCase{"Y1000001", 1000001, "", 200000, 66, 5, 6},
        YCase{"Y4999999", 4999999, "", 200000, 13, 25, 25}),
    [](const auto& info) { return std::string(info.param.name); });

// Halves, tenths and hundredths: MaxY is scaled up and the figures count in steps of 1.
INSTANTIATE_TEST_SUITE_P(
    Rescaling, YScaleTest,
    testing::Values(YCase{"Three", 3, "Y axis figures in halves", 1, 55, 12, 7},
                    YCase{"JustAboveTwo", 2.0000001L, "Y axis figures in halves", 1, 83, 8, 5},
                    YCase{"FourPointNine", 4.9L, "Y axis figures in halves", 1, 34, 20, 10},
                    YCase{"ExactlyFiveIsNotRescaled", 5, "", 1, 66, 10, 6},
                    YCase{"ExactlyTwo", 2, "Y axis figures in tenths", 1, 17, 40, 21},
                    YCase{"OnePointFive", 1.5L, "Y axis figures in tenths", 1, 22, 30, 16},
                    YCase{"JustAboveAFifth", 0.21L, "Y axis figures in tenths", 1, 158, 4, 3},
                    YCase{"ExactlyAFifth", 0.2L, "Y axis figures in hundredths", 1, 17, 40, 21},
                    YCase{"ATenth", 0.1L, "Y axis figures in hundredths", 1, 33, 20, 11},
                    YCase{"AHundredthTimesFive", 0.05L, "Y axis figures in hundredths", 1, 66, 10,
                          6}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DrawScales, MinusTenToTenYFiguresRunPastTheTopEdge) {
    // MaxY 10: 1 to 20 above the axis, those from 11 on above row 0; -1 to -11 below.
    Scales scales;
    scales.Draw(-10, 10, 10);
    const auto figures = scales.YFiguresAt(kYColumn - 30);
    ASSERT_EQ(figures.size(), 31u);
    EXPECT_EQ(figures[9].text, "10");
    EXPECT_EQ(figures[9].y, 1);
    EXPECT_EQ(figures[10].text, "11");
    EXPECT_LT(figures[10].y, 0);
    EXPECT_EQ(figures[19].text, "20");
    EXPECT_EQ(figures[20].text, "-1");
    EXPECT_EQ(figures[30].text, "-11");
}

TEST(DrawScales, NoYFiguresWithoutAYAxisButTheNoticesStay) {
    const struct {
        long double lowX, highX, maxY;
        std::vector<std::string> notices;
    } cases[] = {{1, 10, 10, {}},
                 {0, 2, 3, {"X axis figures in tenths", "Y axis figures in halves"}},
                 {-10, 0, 0.1L, {"Y axis figures in hundredths"}},
                 {0, 10, 1e7L, {"Y value range too great to show on screen. See Table"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lowX << ".." << c.highX);
        Scales scales;
        int yAxisColumn = -1;
        kurvex::DrawAxes(scales.canvas, scales.state, yAxisColumn, c.lowX, c.highX);
        ASSERT_EQ(yAxisColumn, 0);
        scales.Draw(c.lowX, c.highX, c.maxY, yAxisColumn);
        EXPECT_EQ(TextsOf(scales.Notices()), c.notices);
        for (const int column : {-30, 25, kWidth - 35, kWidth - 40})
            EXPECT_TRUE(scales.YFiguresAt(column).empty()) << column;
        // Everything but the equation and the notices is an X figure.
        EXPECT_EQ(scales.canvas.Texts().size(), 1 + c.notices.size() + scales.XFigures().size());
    }
}

TEST(DrawScales, TextsInOrderWithTheirColours) {
    Scales scales;
    scales.Draw(-1, 1, 3);
    const auto texts = scales.canvas.Texts();
    // Equation, tenths notice, 22 X figures (-10 to 11 tenths), halves notice, Y figures.
    ASSERT_GT(texts.size(), 25u);
    EXPECT_EQ(texts[0].text, "x");
    EXPECT_EQ(texts[1].text, "X axis figures in tenths");
    EXPECT_EQ(texts[2].text, "-10");
    EXPECT_EQ(texts[23].text, "11");
    for (int i = 2; i <= 23; ++i) EXPECT_EQ(texts[i].color, kurvex::kRed) << i;
    EXPECT_EQ(texts[24].text, "Y axis figures in halves");
    for (size_t i = 25; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i].color, kurvex::kBlack) << i;
        EXPECT_EQ(texts[i].size, 10) << i;
    }
    EXPECT_EQ(texts.size(), 25u + 3 * (12 + 7));
}

// ---- Ranges and sizes no table covers ---------------------------------------------------------

TEST(DrawScales, FiguresLessThanAPixelApartOnlyTheLastOfEachColumn) {
    // 2^30 wide: interval 1000, 1e6 / 2^30 pixels apart, exactly. Figure k lands in column c
    // up to k = floor((c + 0.5) * 2^30 / 1e6).
    Scales scales;
    scales.Draw(-536870912, 536870912, 10);
    const auto figures = scales.XFigures();
    ASSERT_GE(figures.size(), 4u);
    EXPECT_EQ(figures[0].text, "-536870912");
    EXPECT_EQ(figures[0].x, 0);
    const struct {
        int column;
        long long k;
    } lasts[] = {{0, 536}, {1, 1610}, {2, 2684}};
    for (const auto& last : lasts) {
        EXPECT_EQ(figures[last.column + 1].x, last.column);
        EXPECT_EQ(figures[last.column + 1].text, std::to_string(-536870912 + 1000 * last.k));
    }
    // One figure per column up to the last, k = 1073741, on the right edge.
    ASSERT_EQ(figures.size(), 1002u);
    for (size_t i = 2; i < figures.size(); ++i) EXPECT_EQ(figures[i].x, figures[i - 1].x + 1);
    EXPECT_EQ(figures.back().x, kWidth);
    EXPECT_EQ(figures.back().text, std::to_string(-536870912 + 1073741000));
}

TEST(DrawScales, ExtremeRangesAndSizesFinishQuickly) {
    const struct {
        long double lowX, highX, maxY;
    } cases[] = {{-1e30L, 1e30L, 10},
                 {-1e4932L, 1e4932L, 10},
                 {0, 1e-4000L, 10},
                 {0, 1e-4940L, 10},
                 {1e20L, 1e20L + 50, 10},
                 {-1e19L, -1e19L + 9, 10},
                 {-10, 10, 1e-4000L},
                 {-10, 10, 0.0000001L},
                 {-10, 10, 1e4932L},
                 {9.2e18L, 9.3e18L, 10},
                 {3, 2, 10}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << static_cast<double>(c.lowX) << ".." << static_cast<double>(c.highX)
                     << " MaxY " << static_cast<double>(c.maxY));
        const auto start = std::chrono::steady_clock::now();
        Scales scales;
        scales.Draw(c.lowX, c.highX, c.maxY);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
        EXPECT_LE(scales.XFigures().size(), 2u * kWidth + 2);
        for (const Step& text : scales.canvas.Texts()) {
            EXPECT_LE(text.x < 0 ? -text.x : text.x, 1 << 24);
            EXPECT_LE(text.y < 0 ? -text.y : text.y, 1 << 24);
        }
    }
}

TEST(DrawScales, TinyMaxYPutsTheOneFigureBelowFarBeyondTheBottom) {
    Scales scales;
    scales.Draw(-10, 10, 1e-4000L);
    const auto figures = scales.YFiguresAt(kYColumn - 30);
    ASSERT_EQ(figures.size(), 1u);
    EXPECT_EQ(figures[0].text, "-1");
    EXPECT_GT(figures[0].y, 2 * kAxisRow + 1);
}

}  // namespace
