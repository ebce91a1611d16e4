#pragma once

#include <string>

#include "canvas.h"
#include "graph_state.h"

namespace kurvex {

// The equation as typed, the X and Y scale figures and the scale notices.
void DrawScales(Canvas& canvas, const GraphState& state, const std::string& equationAsTyped,
                int yAxisColumn, long double highX, long double lowX, long double maxY);

}  // namespace kurvex
