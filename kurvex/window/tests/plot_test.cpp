#include "plot.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine.h"
#include "recording_canvas.h"
#include "sample_scan.h"

namespace {

using kurvex::GraphState;

// A picture of the given size with an empty store of one sample per column.
GraphState Picture(int width, int height) {
    GraphState state;
    state.ResizeStore(width);
    state.PictureWidth = width;
    state.HalfHeight = height * 0.5L;
    state.AxisRow = height / 2;
    state.WindowHeight = height + 108;
    return state;
}

// "M" for a move, "L" for a line, one letter per step.
std::string Kinds(const RecordingCanvas& canvas) {
    std::string kinds;
    for (const auto& step : canvas.steps) kinds += step.kind == "move" ? 'M' : 'L';
    return kinds;
}

// ---- DrawAxes ------------------------------------------------------------------------------

struct YAxisCase {
    const char* name;
    long double lowX, highX;
    int pictureWidth;
    int column;
    bool drawn;
};

class YAxisColumnTest : public testing::TestWithParam<YAxisCase> {};

TEST_P(YAxisColumnTest, ColumnOfZeroAndTheAxisLine) {
    const YAxisCase& c = GetParam();
    GraphState state = Picture(c.pictureWidth, 660);
    RecordingCanvas canvas;
    int yAxisColumn = 12345;
    kurvex::DrawAxes(canvas, state, yAxisColumn, c.lowX, c.highX);

    EXPECT_EQ(yAxisColumn, c.column);
    ASSERT_EQ(canvas.steps.size(), c.drawn ? 4u : 2u);
    if (!c.drawn) return;
    const auto& move = canvas.steps[2];
    const auto& line = canvas.steps[3];
    EXPECT_EQ(move.kind, "move");
    EXPECT_EQ(move.x, c.column);
    EXPECT_EQ(move.y, 0);
    EXPECT_EQ(line.kind, "line");
    EXPECT_EQ(line.x, c.column);
    EXPECT_EQ(line.y, state.WindowHeight);  // on past the bottom of the picture
    EXPECT_EQ(line.color, kurvex::kBlack);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, YAxisColumnTest,
    testing::Values(YAxisCase{"Straddling", -10, 10, 1000, 500, true},
                    YAxisCase{"ZeroIsTheLowLimit", 0, 10, 1000, 0, false},
                    YAxisCase{"ZeroIsTheHighLimit", -10, 0, 1000, 0, false},
                    YAxisCase{"AllPositive", 1, 10, 1000, 0, false},
                    YAxisCase{"AllNegative", -10, -1, 1000, 0, false},
                    YAxisCase{"RoundsToTheLeftEdge", -0.001L, 1000, 1000, 0, true},
                    YAxisCase{"RoundsToTheRightEdge", -1000, 0.001L, 1000, 1000, true},
                    YAxisCase{"AQuarterIn", -1, 3, 1000, 250, true},
                    YAxisCase{"HalfGoesDownToEven", -1, 7, 20, 2, true},
                    YAxisCase{"HalfGoesUpToEven", -3, 5, 20, 8, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DrawAxes, XAxisCrossesThePictureInBlackWithThePenWidthLeftAlone) {
    GraphState state = Picture(1013, 661);
    RecordingCanvas canvas;
    canvas.penColor = kurvex::kRed;
    canvas.penWidth = 3;
    int yAxisColumn = 0;
    kurvex::DrawAxes(canvas, state, yAxisColumn, 1, 2);

    ASSERT_EQ(canvas.steps.size(), 2u);
    EXPECT_EQ(canvas.steps[0].kind, "move");
    EXPECT_EQ(canvas.steps[0].x, 0);
    EXPECT_EQ(canvas.steps[0].y, 330);
    EXPECT_EQ(canvas.steps[1].kind, "line");
    EXPECT_EQ(canvas.steps[1].x, 1013);
    EXPECT_EQ(canvas.steps[1].y, 330);
    EXPECT_EQ(canvas.steps[1].color, kurvex::kBlack);
    EXPECT_EQ(canvas.steps[1].size, 3);
}

TEST(DrawAxes, TanNoticeOnlyAfterATanCut) {
    for (const bool tanCutSeen : {false, true}) {
        SCOPED_TRACE(tanCutSeen);
        GraphState state = Picture(1013, 661);
        state.TanCutSeen = tanCutSeen;
        RecordingCanvas canvas;
        int yAxisColumn = 0;
        kurvex::DrawAxes(canvas, state, yAxisColumn, -1, 1);

        const auto texts = canvas.Texts();
        ASSERT_EQ(texts.size(), tanCutSeen ? 1u : 0u);
        if (!tanCutSeen) continue;
        EXPECT_EQ(texts[0].text, "Tan Values limited to 100");
        EXPECT_EQ(texts[0].x, 1013 / 2 + 15);
        EXPECT_EQ(texts[0].y, 330 + 100);
        EXPECT_EQ(texts[0].color, kurvex::kGreen);
        EXPECT_EQ(texts[0].size, 20);
    }
}

// ---- DrawCurve: the mapping ------------------------------------------------------------------

struct RowCase {
    const char* name;
    long double y, maxY, halfHeight;
    int row;
};

class CurveRowTest : public testing::TestWithParam<RowCase> {};

TEST_P(CurveRowTest, RowOfOneValue) {
    const RowCase& c = GetParam();
    GraphState state = Picture(1, 2);
    state.HalfHeight = c.halfHeight;
    state.SampleY[1] = c.y;
    RecordingCanvas canvas;
    kurvex::DrawCurve(canvas, state, c.maxY);

    ASSERT_EQ(canvas.steps.size(), 1u);
    EXPECT_EQ(canvas.steps[0].kind, "move");
    EXPECT_EQ(canvas.steps[0].x, 1);
    EXPECT_EQ(canvas.steps[0].y, c.row);
}

INSTANTIATE_TEST_SUITE_P(
    Values, CurveRowTest,
    testing::Values(RowCase{"MaxYAtTheTop", 10, 10, 200, 0},
                    RowCase{"ZeroAtTheMiddle", 0, 10, 200, 200},
                    RowCase{"MinusMaxYAtTheBottomEdge", -10, 10, 200, 400},
                    RowCase{"HalfWayUp", 5, 10, 200, 100},
                    RowCase{"OddHeightMiddleHalfToEven", 0, 10, 200.5L, 200},
                    RowCase{"OddHeightBottom", -10, 10, 200.5L, 401},
                    RowCase{"HalfRoundsUpToEven", 0.25L, 10, 100, 98},
                    RowCase{"HalfRoundsDownToEven", 0.75L, 10, 100, 92},
                    // Just below 1 in 80 bits puts the row just past the half; in 64 bits the
                    // value would be 1 and the row would round down to 0.
                    RowCase{"ExtendedPrecisionDecidesTheHalf", 1 - 0x1p-62L, 2, 1, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DrawCurve, RowsFarOutsideThePictureAreHeldNearIt) {
    // 9999 is what a scan leaves at a sample where a math fault stopped it.
    const struct {
        long double y, maxY;
        bool above;
    } cases[] = {{9999, 0.001L, true},
                 {-9999, 0.001L, false},
                 {1e4000L, 1e-4000L, true},
                 {-1e4000L, 1e-4000L, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.y));
        GraphState state = Picture(2, 400);
        state.SampleY[1] = c.y;
        state.SampleY[2] = 0;
        RecordingCanvas canvas;
        kurvex::DrawCurve(canvas, state, c.maxY);
        ASSERT_EQ(canvas.steps.size(), 2u);
        const int row = canvas.steps[0].y;
        // Still far beyond the edge, so the line to the next sample crosses the picture
        // almost vertically, yet small enough for any rasteriser (exact in a float).
        if (c.above) {
            EXPECT_LT(row, -100 * 400);
        } else {
            EXPECT_GT(row, 101 * 400);
        }
        EXPECT_LE(row < 0 ? -row : row, 1 << 24);
        EXPECT_EQ(canvas.steps[1].y, 200);
    }
}

// ---- DrawCurve: moves and lines --------------------------------------------------------------

struct CutCase {
    const char* name;
    int samples;
    std::set<int> mathErrors, tanCuts;
    const char* kinds;  // one letter per column 1..W
};

class CurveCutTest : public testing::TestWithParam<CutCase> {};

TEST_P(CurveCutTest, MovesWithoutDrawingAtCutsAndAfterErrors) {
    const CutCase& c = GetParam();
    GraphState state = Picture(c.samples, 200);
    for (int i = 1; i <= c.samples; ++i) {
        const bool error = c.mathErrors.count(i) > 0;
        state.SampleY[i] = error ? 0 : (i % 2 ? 40 : -60);
        state.SampleMathError[i] = error;
        state.SampleTanCut[i] = c.tanCuts.count(i) > 0;
    }
    RecordingCanvas canvas;
    kurvex::DrawCurve(canvas, state, 100);

    EXPECT_EQ(Kinds(canvas), c.kinds);
    for (size_t s = 0; s < canvas.steps.size(); ++s) {
        const int column = static_cast<int>(s) + 1;
        EXPECT_EQ(canvas.steps[s].x, column);
        const int expectedRow = c.mathErrors.count(column) ? 100 : (column % 2 ? 60 : 160);
        EXPECT_EQ(canvas.steps[s].y, expectedRow) << "column " << column;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Stores, CurveCutTest,
    testing::Values(CutCase{"Unbroken", 5, {}, {}, "MLLLL"},
                    CutCase{"TanCutAndMathError", 8, {6}, {4}, "MLLMLLML"},
                    CutCase{"RunOfMathErrors", 7, {3, 4, 5}, {}, "MLLMMML"},
                    CutCase{"MathErrorAtTheFirstSample", 3, {1}, {}, "MML"},
                    CutCase{"TanCutAtTheFirstSampleIsAMoveAnyway", 3, {}, {1}, "MLL"},
                    CutCase{"TanCutAtTheLastSample", 4, {}, {4}, "MLLM"},
                    CutCase{"TanCutTogetherWithMathError", 5, {3}, {3}, "MLMML"},
                    CutCase{"ConsecutiveTanCuts", 6, {}, {3, 4}, "MLMMLL"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DrawCurve, RedOnePixelPenWhateverCameBefore) {
    GraphState state = Picture(3, 200);
    RecordingCanvas canvas;
    canvas.penColor = kurvex::kBlack;
    canvas.penWidth = 4;
    kurvex::DrawCurve(canvas, state, 1);
    ASSERT_EQ(canvas.steps.size(), 3u);
    for (const auto& step : canvas.steps) {
        EXPECT_EQ(step.color, kurvex::kRed);
        EXPECT_EQ(step.size, 1);
    }
}

TEST(DrawCurve, ReadsNoSampleBeyondTheStore) {
    const struct {
        int sampleCount, stored, steps;
    } cases[] = {{10, 5, 5}, {5, 5, 5}, {0, 5, 0}, {1, 5, 1}, {-3, 5, 0}, {4, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.sampleCount << " of " << c.stored);
        GraphState state = Picture(c.stored, 200);
        state.SampleCount = c.sampleCount;
        RecordingCanvas canvas;
        kurvex::DrawCurve(canvas, state, 1);
        EXPECT_EQ(canvas.steps.size(), static_cast<size_t>(c.steps));
    }
}

// ---- DrawCurve over real scans ---------------------------------------------------------------

TEST(DrawCurveScan, StraightLineRowsHalvesToEven) {
    // X steps by 0.5, so every other row lies exactly on a half.
    GraphState state = Picture(40, 100);
    const long double maxY = ScanInto(state, "x", -10, 10);
    ASSERT_EQ(maxY, 10);
    RecordingCanvas canvas;
    kurvex::DrawCurve(canvas, state, maxY);

    ASSERT_EQ(canvas.steps.size(), 40u);
    EXPECT_EQ(Kinds(canvas), "M" + std::string(39, 'L'));
    const int expected[] = {98, 95, 92, 90, 88, 85, 82, 80};  // 100 - 2.5 i, i = 1..8
    for (int i = 1; i <= 8; ++i) EXPECT_EQ(canvas.steps[i - 1].y, expected[i - 1]) << i;
    EXPECT_EQ(canvas.steps[19].y, 50);  // X = 0
    EXPECT_EQ(canvas.steps[39].y, 0);   // X = 10 = MaxY
}

TEST(DrawCurveScan, SingleMathErrorDipsToTheAxisThenRestarts) {
    // 10 / 640 is exact, so sample 320 is X = 5 exactly and divides by zero.
    GraphState state = Picture(640, 400);
    const long double maxY = ScanInto(state, "1/(x-5)", 0, 10);
    ASSERT_TRUE(state.SampleMathError[320]);
    ASSERT_EQ(maxY, 64);
    RecordingCanvas canvas;
    kurvex::DrawCurve(canvas, state, maxY);

    const std::string kinds = Kinds(canvas);
    EXPECT_EQ(kinds, "M" + std::string(319, 'L') + "M" + std::string(319, 'L'));
    EXPECT_EQ(canvas.steps[318].y, 400);  // sample 319 is -64, the bottom edge
    EXPECT_EQ(canvas.steps[319].kind, "line");
    EXPECT_EQ(canvas.steps[319].y, 200);  // down... or up to the axis
    EXPECT_EQ(canvas.steps[320].kind, "move");
    EXPECT_EQ(canvas.steps[320].y, 0);  // sample 321 is +64
}

TEST(DrawCurveScan, TanOverSeveralPeriodsLeavesGapsAtTheLimitedSamples) {
    // X steps by 0.01: next to each of the four asymptotes one sample is held at +100 and the
    // next at -100, both cut.
    GraphState state = Picture(1000, 400);
    const long double maxY = ScanInto(state, "tan(x)", -5, 5);
    ASSERT_EQ(maxY, 100);
    ASSERT_TRUE(state.TanCutSeen);
    RecordingCanvas canvas;
    kurvex::DrawCurve(canvas, state, maxY);
    ASSERT_EQ(canvas.steps.size(), 1000u);

    int cuts = 0, edgeStarts = 0;
    for (int i = 2; i <= 1000; ++i) {
        const auto& step = canvas.steps[i - 1];
        EXPECT_EQ(step.kind, state.SampleTanCut[i] ? "move" : "line") << i;
        if (!state.SampleTanCut[i]) continue;
        ++cuts;
        const long double y = state.SampleY[i];
        ASSERT_TRUE(y == 100 || y == -100) << i;
        EXPECT_EQ(step.y, y > 0 ? 0 : 400) << i;
        // The next branch starts with a line from the edge where the held sample lies.
        if (i < 1000 && canvas.steps[i].kind == "line") ++edgeStarts;
    }
    EXPECT_EQ(cuts, 8);
    EXPECT_EQ(edgeStarts, 4);
    // No line crosses the middle next to an asymptote.
    for (const long double asymptote : {-4.712389L, -1.570796L, 1.570796L, 4.712389L}) {
        const int column = static_cast<int>((asymptote + 5) * 100);
        for (int i = column - 2; i <= column + 3; ++i) {
            const auto& step = canvas.steps[i - 1];
            const int from = canvas.steps[i - 2].y;
            if (step.kind == "line") {
                EXPECT_FALSE((from < 150 && step.y > 250) || (from > 250 && step.y < 150))
                    << "a line across the asymptote at column " << i;
            }
        }
    }
}

}  // namespace
