#pragma once

#include <vector>

namespace kurvex {

// What a scan leaves for the drawing and the table: one sample per pixel column, i = 1..W
// (index 0 is unused), and the picture's measures as the last run read them.
struct GraphState {
    int SampleCount = 0;  // W
    std::vector<long double> SampleY = std::vector<long double>(1);
    std::vector<bool> SampleMathError = std::vector<bool>(1);
    std::vector<bool> SampleTanCut = std::vector<bool>(1);

    long double PictureWidth = 0;
    long double HalfHeight = 0;
    int AxisRow = 0;
    bool TanCutSeen = false;

    int WindowHeight = 0;     // the screen height the layout used
    int GroupBoxHeight = 78;  // the control band above the pages

    // Sizes the store for W samples, all reset.
    void ResizeStore(int sampleCount) {
        SampleCount = sampleCount;
        SampleY.assign(sampleCount + 1, 0);
        SampleMathError.assign(sampleCount + 1, false);
        SampleTanCut.assign(sampleCount + 1, false);
    }
};

}  // namespace kurvex
