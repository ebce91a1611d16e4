#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine.h"
#include "graph_state.h"

// Swallows the engine's messages; the drawing tests look only at the samples.
struct SilentMessages : kurvex::MessageSink {
    void ShowMessage(const std::string&) override {}
};

// Fills the store as the range scan does: sample i at X = i * (high - low) / W + low, 0 and the
// math-error mark on a math error, the tan-cut mark per sample. Returns the largest |Y|.
inline long double ScanInto(kurvex::GraphState& state, const std::string& typed, long double lowX,
                            long double highX) {
    SilentMessages messages;
    std::string equation = typed;
    bool syntaxError = false;
    kurvex::CheckSyntax(equation, syntaxError, messages);
    EXPECT_FALSE(syntaxError) << typed;
    state.TanCutSeen = false;
    const long double increment = (highX - lowX) / state.PictureWidth;
    long double prevTanArg = lowX + increment, maxY = 0;
    for (int i = 1; i <= state.SampleCount; ++i) {
        long double y = 0;
        bool mathError = false, tanCut = false;
        kurvex::EvaluateEquation(equation, y, mathError, i * increment + lowX, prevTanArg, tanCut,
                                 messages);
        state.SampleY[i] = mathError ? 0 : y;
        state.SampleMathError[i] = mathError;
        state.SampleTanCut[i] = tanCut;
        state.TanCutSeen = state.TanCutSeen || tanCut;
        if (!mathError) maxY = std::max(maxY, y < 0 ? -y : y);
    }
    return maxY;
}
