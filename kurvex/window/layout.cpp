#include "layout.h"

#include "rounding.h"

namespace kurvex {
namespace {

constexpr int kBandHeight = 78;
constexpr int kFirstRowTop = 14;
constexpr int kHighLabelTop = 21;
constexpr int kSecondRowEditTop = 45;
constexpr int kSecondRowLabelTop = 49;
constexpr int kEditHeight = 24;
constexpr int kButtonHeight = 26;
constexpr int kLabelHeight = 17;
constexpr int kRadioGroupWidth = 70;
constexpr int kRadioGroupHeight = 51;
constexpr int kEquationLabelLeft = 8;

Rect Label(int left, int top, int width) {
    return {left, top, width, kLabelHeight};
}
Rect Edit(int left, int top, int width) {
    return {left, top, width, kEditHeight};
}

void LayOutFirstRow(Layout& l, const MeasuredWidths& m) {
    const int w = l.windowWidth;
    l.equationLabel = Label(kEquationLabelLeft, kFirstRowTop, m.equationLabel);
    const int editLeft = l.equationLabel.right() + 2;
    l.equationEdit = Edit(editLeft, kFirstRowTop, w / 2 - editLeft);
    l.goButton = {w / 2 + 2, kFirstRowTop, m.button, kButtonHeight};
    l.clearButton = {l.goButton.right() + 2, kFirstRowTop, m.button, kButtonHeight};
    l.exitButton = {l.clearButton.right() + 2, kFirstRowTop, m.button, kButtonHeight};
    l.piRadioGroup = {w - kRadioGroupWidth, kFirstRowTop, kRadioGroupWidth, kRadioGroupHeight};
    l.lowLimLabel = Label(l.exitButton.right() + 2, kFirstRowTop, m.lowLimLabel);
    l.highLimLabel = Label(l.lowLimLabel.left + (w - 80 - l.exitButton.right()) / 2, kHighLabelTop,
                           m.highLimLabel);
    l.lowLimEdit = Edit(l.lowLimLabel.right() + 2, kFirstRowTop,
                        l.highLimLabel.left - l.lowLimLabel.right() - 2);
    const int highLeft = l.highLimLabel.right() + 2;
    l.highLimEdit = Edit(highLeft, kFirstRowTop, l.piRadioGroup.left - highLeft - 2);
}

void LayOutSecondRow(Layout& l, const MeasuredWidths& m) {
    l.specXLabel = Label(l.equationLabel.left, kSecondRowLabelTop, m.specXLabel);
    l.specXEdit = Edit(l.equationEdit.left, kSecondRowEditTop, l.lowLimEdit.width);
    l.specYLabel = Label(l.specXEdit.right() + 2, kSecondRowLabelTop, m.specYLabel);
    const int t = l.windowWidth - 72 - l.specYLabel.right() - 2 * m.maxXLabel;
    l.specYEdit = Edit(l.specYLabel.right() + 2, kSecondRowEditTop, t / 3 - 4);
    const int outputWidth = l.specYEdit.width;
    l.maxXLabel = Label(l.specYEdit.right() + 2, kSecondRowLabelTop, m.maxXLabel);
    l.maxXEdit = Edit(l.maxXLabel.right() + 2, kSecondRowEditTop, outputWidth);
    l.maxYLabel = Label(l.maxXEdit.right() + 2, kSecondRowLabelTop, m.maxYLabel);
    l.maxYEdit = Edit(l.maxYLabel.right() + 2, kSecondRowEditTop, outputWidth);
}

void LayOutPages(Layout& l) {
    const int w = l.windowWidth, h = l.windowHeight;
    l.groupBox = {0, 0, w, kBandHeight};
    l.pageControl = {0, kBandHeight, w, h - 108};
    l.image = {0, 0, w, h - 108};
    l.helpSheet = {0, 0, w, h - 118};
    l.tableSheet = {0, 0, w - 50, h - 108};
    l.tableGrid = {0, 0, w - 50, h - 108};
    l.helpMemo = {0, 0, w - 50, h - 158};
    l.tableColumnWidth = w / 2;
}

}  // namespace

Layout FormCreateLayout(int screenWidth, int screenHeight, const MeasuredWidths& widths) {
    Layout l;
    l.windowWidth = static_cast<int>(
        Round(static_cast<long double>(screenWidth) * static_cast<long double>(0.99)));
    l.windowHeight = screenHeight;
    LayOutFirstRow(l, widths);
    LayOutSecondRow(l, widths);
    LayOutPages(l);
    return l;
}

}  // namespace kurvex
