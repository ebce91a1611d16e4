#include "layout.h"

#include <gtest/gtest.h>

namespace kurvex {
namespace {

TEST(FormCreateLayout, At1024By768) {
    const Layout l = FormCreateLayout(1024, 768, MeasuredWidths{});
    EXPECT_EQ(l.windowWidth, 1014);
    EXPECT_EQ(l.windowHeight, 768);
    EXPECT_EQ(l.image, (Rect{0, 0, 1014, 660}));
    EXPECT_EQ(l.goButton.left, 509);
    EXPECT_EQ(l.piRadioGroup.left, 944);
    EXPECT_EQ(l.piRadioGroup.width, 70);
    EXPECT_EQ(l.groupBox, (Rect{0, 0, 1014, 78}));
    EXPECT_EQ(l.pageControl, (Rect{0, 78, 1014, 660}));
    EXPECT_EQ(l.tableColumnWidth, 507);
}

TEST(FormCreateLayout, WindowWidthIsNinetyNinePercentRoundedHalvesToEven) {
    struct Row {
        int screen, window;
    };
    // 0.99 is held as a double, a little below 0.99: 1050 gives 1039.4999..., hence 1039.
    for (const Row& row : {Row{1024, 1014}, Row{1050, 1039}, Row{1920, 1901}, Row{800, 792},
                           Row{850, 841}, Row{848, 840}, Row{2560, 2534}}) {
        EXPECT_EQ(FormCreateLayout(row.screen, 600, MeasuredWidths{}).windowWidth, row.window)
            << row.screen;
    }
}

TEST(FormCreateLayout, ControlsFollowOneAnotherAcrossTheBand) {
    MeasuredWidths widths;
    widths.equationLabel = 66;
    widths.button = 48;
    widths.maxXLabel = 38;
    for (int screen : {848, 1024, 1280, 1920}) {
        const Layout l = FormCreateLayout(screen, 700, widths);
        const int w = l.windowWidth;
        EXPECT_EQ(l.equationEdit.left, l.equationLabel.right() + 2);
        EXPECT_EQ(l.equationEdit.right(), w / 2);
        EXPECT_EQ(l.clearButton.left, l.goButton.right() + 2);
        EXPECT_EQ(l.exitButton.left, l.clearButton.right() + 2);
        EXPECT_EQ(l.lowLimLabel.left, l.exitButton.right() + 2);
        EXPECT_EQ(l.lowLimEdit.left, l.lowLimLabel.right() + 2);
        EXPECT_EQ(l.lowLimEdit.right(), l.highLimLabel.left);
        EXPECT_EQ(l.highLimLabel.left, l.lowLimLabel.left + (w - 80 - l.exitButton.right()) / 2);
        EXPECT_EQ(l.highLimEdit.right(), l.piRadioGroup.left - 2);
        EXPECT_EQ(l.specXEdit.left, l.equationEdit.left);
        EXPECT_EQ(l.specXEdit.width, l.lowLimEdit.width);
        EXPECT_EQ(l.specYEdit.width,
                  (w - 72 - l.specYLabel.right() - 2 * widths.maxXLabel) / 3 - 4);
        EXPECT_EQ(l.maxXEdit.width, l.specYEdit.width);
        EXPECT_EQ(l.maxYEdit.width, l.specYEdit.width);
        EXPECT_EQ(l.maxYEdit.left, l.maxYLabel.right() + 2);
        EXPECT_LE(l.maxYEdit.right(), w - 70) << "the outputs end before the units choice";
    }
}

}  // namespace
}  // namespace kurvex
