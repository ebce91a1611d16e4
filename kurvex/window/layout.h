#pragma once

namespace kurvex {

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    int right() const { return left + width; }
    bool operator==(const Rect&) const = default;
};

// Widths the window measures from its fonts: the labels' texts and the buttons.
struct MeasuredWidths {
    int equationLabel = 70, lowLimLabel = 45, highLimLabel = 50, specXLabel = 55, specYLabel = 50,
        maxXLabel = 40, maxYLabel = 40, button = 37;
};

// Where every part of the window stands, computed from the screen size alone.
struct Layout {
    int windowWidth = 0;  // W, also the number of samples and table rows
    int windowHeight = 0;
    Rect groupBox, equationLabel, equationEdit, goButton, clearButton, exitButton;
    Rect lowLimLabel, lowLimEdit, highLimLabel, highLimEdit, piRadioGroup;
    Rect specXLabel, specXEdit, specYLabel, specYEdit, maxXLabel, maxXEdit, maxYLabel, maxYEdit;
    Rect pageControl, image, helpSheet, tableSheet, tableGrid, helpMemo;
    int tableColumnWidth = 0;
};

// The window's width is 99% of the screen's (rounded halves to even, with 0.99 held as a
// double, as the window has always computed it); everything else follows from it.
Layout FormCreateLayout(int screenWidth, int screenHeight, const MeasuredWidths& widths);

}  // namespace kurvex
