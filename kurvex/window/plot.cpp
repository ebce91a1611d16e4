#include "plot.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "pixels.h"
#include "rounding.h"

namespace kurvex {

namespace {

// The column of X = 0; it lies between 0 and the picture width when 0 lies between the limits.
int ZeroColumn(long double pictureWidth, long double lowX, long double highX) {
    return ToPixel(Round(pictureWidth / (highX - lowX) * (0 - lowX)));
}

// MaxY at row 0, 0 at the middle, -MaxY at the bottom edge.
int RowOf(const GraphState& state, long double y, long double maxY) {
    return ToPixel(Round(state.HalfHeight - state.HalfHeight * y / maxY));
}

// The samples the curve may read: W, but never more than the store holds.
int StoredSamples(const GraphState& state) {
    const size_t stored =
        std::min({state.SampleY.size(), state.SampleMathError.size(), state.SampleTanCut.size()});
    if (stored < 2 || state.SampleCount < 1) return 0;
    return static_cast<int>(std::min(static_cast<size_t>(state.SampleCount), stored - 1));
}

}  // namespace

void DrawAxes(Canvas& canvas, const GraphState& state, int& yAxisColumn, long double lowX,
              long double highX) {
    canvas.SetPenColor(kBlack);
    canvas.SetPenStyle(PenStyle::Solid);  // the width stays as the picture or the curve left it
    canvas.MoveTo(0, state.AxisRow);
    canvas.LineTo(state.SampleCount, state.AxisRow);

    canvas.SetFontColor(kGreen);
    canvas.SetFontSize(20);
    if (state.TanCutSeen) {
        canvas.TextOut(ToPixel(HeldSum(state.SampleCount / 2, 15)),
                       ToPixel(HeldSum(state.AxisRow, 100)), "Tan Values limited to 100");
    }

    yAxisColumn = 0;
    if (lowX < 0 && highX > 0) {
        // A column that rounds to 0 still gets its axis, along the left edge.
        yAxisColumn = ZeroColumn(state.PictureWidth, lowX, highX);
        canvas.MoveTo(yAxisColumn, 0);
        canvas.LineTo(yAxisColumn, state.WindowHeight);  // on past the bottom of the picture
    }
}

void DrawCurve(Canvas& canvas, const GraphState& state, long double maxY) {
    canvas.SetPenWidth(1);
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetPenColor(kRed);
    const int samples = StoredSamples(state);
    if (samples < 1) return;

    canvas.MoveTo(1, RowOf(state, state.SampleY[1], maxY));
    for (int i = 2; i <= samples; ++i) {
        const int row = RowOf(state, state.SampleY[i], maxY);
        // A tan cut leaves out the segment into it; after a math error the curve restarts.
        // The segment into a math error is drawn and dips to the axis, where its 0 lies.
        if (state.SampleTanCut[i] || state.SampleMathError[i - 1]) {
            canvas.MoveTo(i, row);
        } else {
            canvas.LineTo(i, row);
        }
    }
}

}  // namespace kurvex
