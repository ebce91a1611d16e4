#pragma once

#include "canvas.h"
#include "graph_state.h"

namespace kurvex {

// The X axis across the picture, the green tan notice when a tan cut was seen, and the Y axis
// when 0 lies strictly between the limits. yAxisColumn is the Y axis's column, or 0.
void DrawAxes(Canvas& canvas, const GraphState& state, int& yAxisColumn, long double lowX,
              long double highX);

// The red curve of the whole sample store, cut at tan cuts and after math errors.
void DrawCurve(Canvas& canvas, const GraphState& state, long double maxY);

}  // namespace kurvex
