#include "scales.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <span>

#include "pixels.h"
#include "rounding.h"

namespace kurvex {

namespace {

// One row of an interval table: the interval for values up to upTo, from the row before on.
struct IntervalRow {
    int64_t upTo;
    int64_t interval;
};

// Rounded X ranges 3 to 25000. Narrower ranges take the first row, wider ones the last.
constexpr IntervalRow kXIntervals[] = {{20, 1},     {50, 2},      {100, 5},
                                       {200, 10},   {500, 25},    {1000, 50},
                                       {5000, 100}, {10000, 500}, {25000, 1000}};

// Rounded Y sizes 5 to 5000000. Below 5 one of the halves, tenths or hundredths rules always
// replaces the interval; above, no Y figures are written at all.
constexpr IntervalRow kYIntervals[] = {
    {10, 1},     {50, 2},      {100, 5},      {200, 10},      {500, 20},        {1000, 50},
    {2000, 100}, {10000, 500}, {50000, 2000}, {100000, 5000}, {1000000, 50000}, {5000000, 200000}};

int64_t IntervalFor(std::span<const IntervalRow> table, int64_t value) {
    for (const IntervalRow& row : table)
        if (value <= row.upTo) return row.interval;
    return table.back().interval;
}

// From this size on the Y range is not labelled.
constexpr long double kTooGreatY = 5000000;

// The Y tables give at most about forty figures a side; this only stops an unforeseen count.
constexpr int64_t kMostYFigures = 200;

// The X range and limits the figures are computed from.
struct XRange {
    long double lowX, highX, range;
};

// A range of 3 or less is labelled in tenths.
XRange TenthsIfNarrow(Canvas& canvas, const GraphState& state, long double lowX,
                      long double highX) {
    XRange x{lowX, highX, highX - lowX};
    if (x.range <= 3) {
        x = {x.lowX * 10, x.highX * 10, x.range * 10};
        canvas.TextOut(ToPixel(HeldSum(state.SampleCount / 2, 100)),
                       ToPixel(HeldSum(state.AxisRow / 2, -100)), "X axis figures in tenths");
    }
    return x;
}

// Where the X figures go: figure k (0 is the first) at Round(k * step) + Round(offset).
struct XFigures {
    int64_t first;
    int64_t interval;
    long double step;
    int64_t offsetColumn;
    int row;

    int64_t Column(int64_t k) const { return HeldSum(Round(k * step), offsetColumn); }
    int64_t Value(int64_t k) const {
        return HeldSum(first, static_cast<long double>(k) * interval);
    }
};

// The last figure at or before the given column. Columns never fall as k rises, so a binary
// search finds it; figures less than a pixel apart are drawn over by the last of them.
int64_t LastAtColumn(const XFigures& figures, int64_t k, int64_t last, int64_t column) {
    while (k < last) {
        const int64_t middle = k + (last - k + 1) / 2;
        if (figures.Column(middle) <= column) {
            k = middle;
        } else {
            last = middle - 1;
        }
    }
    return k;
}

// The number of figures after the first: one per interval from Trunc(low / interval) to
// Trunc(high / interval), one more than their difference, none when that is negative.
int64_t LaterFigureCount(const XRange& x, int64_t interval) {
    const long double count =
        static_cast<long double>(Trunc(x.highX / interval)) - Trunc(x.lowX / interval) + 1;
    constexpr int64_t kMost = std::numeric_limits<int64_t>::max() - 1;  // k + 1 never overflows
    return count < 1 ? 0 : count >= kMost ? kMost : static_cast<int64_t>(count);
}

// Later figures start at or after the first one's column and move right as k rises; those
// beyond the right edge are not visible, so the count stops a picture width past it.
void WriteLaterXFigures(Canvas& canvas, const GraphState& state, const XFigures& figures,
                        int64_t last) {
    const int64_t stopColumn = Round(2 * state.PictureWidth);
    const bool subPixel = !(figures.step >= 1);
    for (int64_t k = 1; k <= last; ++k) {
        const int64_t column = figures.Column(k);
        if (column > stopColumn) break;
        if (subPixel) k = LastAtColumn(figures, k, last, column);
        canvas.TextOut(ToPixel(column), figures.row, std::to_string(figures.Value(k)));
    }
}

void WriteXFigures(Canvas& canvas, const GraphState& state, const XRange& x) {
    XFigures figures{};
    figures.interval = IntervalFor(kXIntervals, Round(x.range));
    figures.step = state.PictureWidth / x.range * figures.interval;
    figures.first = Trunc(x.lowX);
    figures.offsetColumn = Round(std::fabs((x.lowX - figures.first) * figures.step));
    figures.row = ToPixel(HeldSum(state.AxisRow, 30));

    canvas.SetFontColor(kRed);
    canvas.TextOut(ToPixel(figures.offsetColumn), figures.row, std::to_string(figures.first));
    WriteLaterXFigures(canvas, state, figures, LaterFigureCount(x, figures.interval));
}

// Returns whether the Y range is too large to be labelled, after saying so.
bool TooGreatForYFigures(Canvas& canvas, const GraphState& state, long double maxY) {
    if (!(std::fabs(maxY) >= kTooGreatY)) return false;
    canvas.SetFontSize(30);
    canvas.TextOut(20, ToPixel(HeldSum(state.AxisRow, 50)),
                   "Y value range too great to show on screen. See Table");
    return true;
}

struct YScale {
    long double maxY;
    long double interval;
};

// A small MaxY is scaled up to whole figures in halves, tenths or hundredths, with a notice.
YScale ScaleY(Canvas& canvas, const GraphState& state, long double maxY) {
    YScale y{maxY, static_cast<long double>(IntervalFor(kYIntervals, Round(std::fabs(maxY))))};
    const char* notice = nullptr;
    if (y.maxY > 2 && y.maxY < 5) {
        y = {y.maxY * 2, 1};
        notice = "Y axis figures in halves";
    } else if (y.maxY > 0.2L && y.maxY <= 2) {
        y = {y.maxY * 10, 1};
        notice = "Y axis figures in tenths";
    } else if (y.maxY <= 0.2L) {
        y = {y.maxY * 100, 1};
        notice = "Y axis figures in hundredths";
    }
    if (notice != nullptr) {
        // A fixed row near the top, whatever the height of the picture.
        canvas.TextOut(ToPixel(HeldSum(state.SampleCount / 2, 100)), 100, notice);
    }
    return y;
}

int64_t YFigureCount(int64_t count) {
    return std::clamp<int64_t>(count, 0, kMostYFigures);
}

// One Y figure beside the axis and at both edges of the picture.
void WriteYFigure(Canvas& canvas, int yAxisColumn, int64_t row, int64_t rightColumn,
                  int64_t figure) {
    const std::string text = std::to_string(figure);
    canvas.TextOut(ToPixel(HeldSum(yAxisColumn, -30)), ToPixel(row), text);
    canvas.TextOut(25, ToPixel(row), text);
    canvas.TextOut(ToPixel(rightColumn), ToPixel(row), text);
}

// Figures above the axis hang down from their rows; those below stand 18 pixels higher, so
// that their lower edges come near their rows. The pixel step is rounded before it is
// multiplied, so the figures drift from the exact scale by up to half a pixel each. The count
// above runs past the top edge; those figures are simply not visible.
void WriteYFigures(Canvas& canvas, const GraphState& state, int yAxisColumn, const YScale& y) {
    canvas.SetFontColor(kBlack);
    if (yAxisColumn == 0) return;  // no Y axis, so no Y figures anywhere

    const int64_t pixelStep = Round(state.AxisRow / (y.maxY / y.interval));
    const int64_t figureStep = Round(y.interval);
    const int64_t above = YFigureCount(Round(y.maxY / (y.interval - 0.5L)));
    for (int64_t i = 1; i <= above; ++i) {
        const int64_t row = HeldSum(state.AxisRow, -static_cast<long double>(pixelStep) * i);
        WriteYFigure(canvas, yAxisColumn, row, HeldSum(state.SampleCount, -35), figureStep * i);
    }
    const int64_t below = YFigureCount(Trunc(y.maxY / y.interval + 1));
    for (int64_t i = 1; i <= below; ++i) {
        const int64_t row =
            HeldSum(HeldSum(state.AxisRow, -18), static_cast<long double>(pixelStep) * i);
        WriteYFigure(canvas, yAxisColumn, row, HeldSum(state.SampleCount, -40), -(figureStep * i));
    }
}

}  // namespace

void DrawScales(Canvas& canvas, const GraphState& state, const std::string& equationAsTyped,
                int yAxisColumn, long double highX, long double lowX, long double maxY) {
    canvas.SetFontColor(kRed);
    canvas.SetFontSize(20);
    canvas.TextOut(50, state.GroupBoxHeight, equationAsTyped);

    canvas.SetFontColor(kBlack);
    canvas.SetFontSize(10);
    WriteXFigures(canvas, state, TenthsIfNarrow(canvas, state, lowX, highX));
    if (TooGreatForYFigures(canvas, state, maxY)) return;
    WriteYFigures(canvas, state, yAxisColumn, ScaleY(canvas, state, maxY));
}

}  // namespace kurvex
