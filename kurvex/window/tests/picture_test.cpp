#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <utility>

#include "engine.h"
#include "plot.h"
#include "qimage_canvas.h"
#include "rounding.h"
#include "sample_scan.h"
#include "scales.h"

namespace {

using kurvex::GraphState;
using Pixel = std::pair<int, int>;

// Texts need a GUI application; the offscreen platform needs no display.
class QtEnvironment : public testing::Environment {
public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[22] = "kurvex_picture_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

[[maybe_unused]] testing::Environment* const kQt =
    testing::AddGlobalTestEnvironment(new QtEnvironment);

constexpr QRgb kWhite = 0xffffffff, kBlack = 0xff000000, kRed = 0xffff0000, kGreen = 0xff008000;

// A white picture with its canvas and store, drawn on as Go draws.
struct Picture {
    QImage image;
    kurvex::QImageCanvas canvas{image};
    GraphState state;
    int yAxisColumn = -1;

    Picture(int width, int height) : image(width, height, QImage::Format_RGB32) {
        image.fill(Qt::white);
        state.ResizeStore(width);
        state.PictureWidth = width;
        state.HalfHeight = height * 0.5L;
        state.AxisRow = height / 2;
        state.WindowHeight = height + 108;
    }

    long double Scan(const std::string& typed, long double lowX, long double highX) {
        return ScanInto(state, typed, lowX, highX);
    }

    // Scan, axes, curve and figures, as one Go command.
    long double Go(const std::string& typed, long double lowX, long double highX) {
        const long double maxY = Scan(typed, lowX, highX);
        kurvex::DrawAxes(canvas, state, yAxisColumn, lowX, highX);
        if (maxY != 0) {
            kurvex::DrawCurve(canvas, state, maxY);
            kurvex::DrawScales(canvas, state, typed, yAxisColumn, highX, lowX, maxY);
        }
        return maxY;
    }

    int Row(int sample, long double maxY) const {
        return static_cast<int>(
            kurvex::Round(state.HalfHeight - state.HalfHeight * state.SampleY[sample] / maxY));
    }

    QRgb At(int x, int y) const { return image.pixel(x, y); }

    std::set<Pixel> PixelsOf(QRgb color, QRect area = {}) const {
        if (area.isNull()) area = image.rect();
        area &= image.rect();
        std::set<Pixel> pixels;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixel(x, y) == color) pixels.insert({x, y});
        return pixels;
    }

    // Set KURVEX_PICTURE_DIR to look at the pictures the tests draw.
    ~Picture() {
        const QByteArray dir = qgetenv("KURVEX_PICTURE_DIR");
        if (dir.isEmpty()) return;
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        image.save(QString::fromUtf8(dir) + "/" + test->name() + ".png");
    }
};

// The pixels of a curve whose rows change by at most one per column: just its samples.
std::set<Pixel> SamplePixels(const Picture& picture, long double maxY) {
    std::set<Pixel> pixels;
    for (int i = 1; i < picture.image.width(); ++i) pixels.insert({i, picture.Row(i, maxY)});
    return pixels;
}

// ---- The canvas itself -----------------------------------------------------------------------

TEST(QImageCanvas, LinesAreOnePixelWideWithBothEndPoints) {
    Picture picture(60, 40);
    auto& canvas = picture.canvas;
    canvas.SetPenColor(kurvex::kBlack);
    canvas.MoveTo(10, 10);
    canvas.LineTo(20, 10);
    canvas.LineTo(20, 15);  // on from where the last line ended
    std::set<Pixel> expected;
    for (int x = 10; x <= 20; ++x) expected.insert({x, 10});
    for (int y = 10; y <= 15; ++y) expected.insert({20, y});
    EXPECT_EQ(picture.PixelsOf(kBlack), expected);
    EXPECT_EQ(picture.PixelsOf(kWhite).size(), 60u * 40 - expected.size());
}

TEST(QImageCanvas, ALineTowardsAFarPointCrossesThePictureStraight) {
    Picture picture(20, 40);
    picture.canvas.SetPenColor(kurvex::kRed);
    picture.canvas.MoveTo(5, 10);
    picture.canvas.LineTo(6, 1000000);
    std::set<Pixel> expected;
    for (int y = 10; y < 40; ++y) expected.insert({5, y});
    EXPECT_EQ(picture.PixelsOf(kRed), expected);
}

TEST(QImageCanvas, PointsBecomePixelsAtNinetySixPerInch) {
    const struct { int points, pixels; } cases[] = {{10, 13}, {20, 27}, {30, 40}, {36, 48}};
    for (const auto& c : cases)
        EXPECT_EQ(kurvex::QImageCanvas::FontForPoints(c.points).pixelSize(), c.pixels) << c.points;
}

TEST(QImageCanvas, TextHidesWhatLiesUnderItsBoxAndKeepsItsColour) {
    const struct {
        int points, inkLow, inkHigh;  // figures stand about 0.73 of the pixel size high
    } cases[] = {{10, 9, 10}, {20, 19, 20}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.points);
        Picture picture(200, 80);
        auto& canvas = picture.canvas;
        canvas.SetPenColor(kurvex::kBlack);
        for (int y = 0; y < 80; ++y) {
            canvas.MoveTo(0, y);
            canvas.LineTo(199, y);
        }
        canvas.SetFontColor(kurvex::kGreen);
        canvas.SetFontSize(c.points);
        canvas.TextOut(50, 20, "808");

        const QFontMetrics metrics(kurvex::QImageCanvas::FontForPoints(c.points));
        const QRect box(50, 20, metrics.horizontalAdvance("808"), metrics.height());
        EXPECT_TRUE(picture.PixelsOf(kBlack, box).empty());
        EXPECT_EQ(picture.PixelsOf(kBlack).size() + picture.PixelsOf(kWhite, box).size() +
                      picture.PixelsOf(kGreen, box).size(),
                  200u * 80);
        const auto ink = picture.PixelsOf(kGreen);
        ASSERT_FALSE(ink.empty());
        int top = 80, bottom = 0;
        for (const auto& [x, y] : ink) top = std::min(top, y), bottom = std::max(bottom, y);
        EXPECT_GE(bottom - top + 1, c.inkLow);
        EXPECT_LE(bottom - top + 1, c.inkHigh);
        EXPECT_EQ(picture.At(49, 21), kBlack);  // the box starts at the given corner
    }
}

TEST(QImageCanvas, TextsFarOutsideThePictureDrawNothing) {
    Picture picture(50, 50);
    picture.canvas.SetFontColor(kurvex::kRed);
    for (const auto& [x, y] : {Pixel{50, 0}, Pixel{0, 50}, Pixel{-1000000, 0}, Pixel{0, -1000000},
                               Pixel{INT32_MAX, INT32_MAX}, Pixel{INT32_MIN, INT32_MIN}})
        picture.canvas.TextOut(x, y, "12345");
    EXPECT_EQ(picture.PixelsOf(kWhite).size(), 50u * 50);
}

// ---- Whole pictures --------------------------------------------------------------------------

TEST(Picture, StraightLineMinusTenToTen) {
    Picture picture(600, 400);
    ASSERT_EQ(picture.Go("x", -10, 10), 10);
    ASSERT_EQ(picture.yAxisColumn, 300);

    // The Y axis, down to the bottom; the figure 0 below the axis hides part of it.
    for (int y = 0; y < 200; ++y) EXPECT_EQ(picture.At(300, y), kBlack) << y;
    for (int y = 250; y < 400; ++y) EXPECT_EQ(picture.At(300, y), kBlack) << y;
    // The X axis, crossed by the curve at X = 0.
    for (int x = 0; x < 600; ++x) EXPECT_EQ(picture.At(x, 200), x == 300 ? kRed : kBlack) << x;
    // Y figures beside the axis and at both edges, X figures under the axis, the equation.
    for (const QRect area :
         {QRect(270, 180, 20, 15), QRect(25, 180, 20, 15), QRect(565, 180, 20, 15)})
        EXPECT_FALSE(picture.PixelsOf(kBlack, area).empty()) << area.x();
    EXPECT_FALSE(picture.PixelsOf(kRed, QRect(30, 230, 20, 15)).empty());  // -9
    EXPECT_FALSE(picture.PixelsOf(kRed, QRect(50, 78, 20, 30)).empty());
}

TEST(Picture, StraightLineCurveIsExactlyItsSamples) {
    Picture picture(600, 400);
    const long double maxY = picture.Scan("x", -10, 10);
    kurvex::DrawCurve(picture.canvas, picture.state, maxY);
    EXPECT_EQ(picture.PixelsOf(kRed), SamplePixels(picture, maxY));
    EXPECT_EQ(picture.PixelsOf(kRed).size() + picture.PixelsOf(kWhite).size(), 600u * 400);
}

TEST(Picture, ZeroToTenHasNoYAxisAndNoYFigures) {
    Picture picture(600, 400);
    picture.Go("x", 0, 10);
    EXPECT_EQ(picture.yAxisColumn, 0);
    // Above the axis only the red curve and equation: no axis line, no figure.
    EXPECT_TRUE(picture.PixelsOf(kBlack, QRect(0, 0, 600, 200)).empty());
    EXPECT_FALSE(picture.PixelsOf(kRed, QRect(0, 230, 15, 15)).empty());  // the figure 0
}

TEST(Picture, YAxisOnTheLeftEdgeWhenZeroRoundsToColumnZero) {
    Picture picture(600, 400);
    picture.Go("x", -0.001L, 1000);
    EXPECT_EQ(picture.yAxisColumn, 0);
    std::set<Pixel> leftEdge;
    for (int y = 0; y < 200; ++y) leftEdge.insert({0, y});
    // The axis is drawn along the left edge, and no Y figure is written anywhere.
    EXPECT_EQ(picture.PixelsOf(kBlack, QRect(0, 0, 600, 200)), leftEdge);
}

TEST(Picture, SingleMathErrorDipsToTheAxisThenRestarts) {
    Picture picture(600, 400);
    for (int i = 1; i <= 600; ++i) picture.state.SampleY[i] = 5;  // row 100 of 400
    picture.state.SampleY[300] = 0;
    picture.state.SampleMathError[300] = true;
    kurvex::DrawCurve(picture.canvas, picture.state, 10);

    const auto red = picture.PixelsOf(kRed);
    auto isRed = [&](int x, int y) { return red.count({x, y}) > 0; };
    for (int x = 1; x < 600; ++x) EXPECT_EQ(isRed(x, 100), x != 300) << x;
    // Down from (299, 100) to the axis at (300, 200), without a gap...
    for (int y = 100; y <= 200; ++y) EXPECT_TRUE(isRed(299, y) || isRed(300, y)) << y;
    EXPECT_TRUE(isRed(300, 200));
    // ...but not back up: the next column holds only its own sample.
    for (int y = 0; y < 400; ++y) EXPECT_EQ(isRed(301, y), y == 100) << y;
}

TEST(Picture, TanOverSeveralPeriodsIsCutAtTheLimitedSamples) {
    Picture picture(1000, 400);
    ASSERT_EQ(picture.Go("tan(x)", -5, 5), 100);
    const GraphState& state = picture.state;

    // Near the asymptotes at -pi/2 and pi/2 no red crosses the middle of the picture.
    for (const int column : {343, 657})
        EXPECT_TRUE(picture.PixelsOf(kRed, QRect(column - 2, 140, 5, 121)).empty()) << column;
    // A held sample whose segments in and out are both left out is not drawn at all.
    int heldAlone = 0;
    for (int i = 2; i < 1000; ++i) {
        const int row = picture.Row(i, 100);
        if (!state.SampleTanCut[i] || !state.SampleTanCut[i + 1] || row < 0 || row >= 400) continue;
        ++heldAlone;
        EXPECT_NE(picture.At(i, row), kRed) << i;
    }
    EXPECT_EQ(heldAlone, 4);  // the +100 samples just before each asymptote
    // The green notice, below the middle.
    const auto green = picture.PixelsOf(kGreen);
    ASSERT_FALSE(green.empty());
    for (const auto& [x, y] : green) {
        EXPECT_GE(x, 500 + 15);
        EXPECT_GE(y, 200 + 100);
        EXPECT_LT(y, 200 + 100 + 40);
    }
}

TEST(Picture, SecondCurveIsDrawnOverTheFirstAlsoInRed) {
    Picture picture(600, 400);
    const long double firstMaxY = picture.Scan("x", -10, 10);
    kurvex::DrawCurve(picture.canvas, picture.state, firstMaxY);
    std::set<Pixel> expected = SamplePixels(picture, firstMaxY);
    const long double secondMaxY = picture.Scan("x/2+3", -10, 10);
    kurvex::DrawCurve(picture.canvas, picture.state, secondMaxY);
    expected.merge(SamplePixels(picture, secondMaxY));

    EXPECT_EQ(picture.PixelsOf(kRed), expected);
    EXPECT_EQ(picture.PixelsOf(kRed).size() + picture.PixelsOf(kWhite).size(), 600u * 400);
}

TEST(Picture, EveryPixelIsWhiteBlackRedOrGreen) {
    Picture picture(700, 500);
    picture.Go("tan(x)", -10, 10);
    picture.Go("x^5", -30, 30);  // too great for Y figures: the large notice
    picture.Go("1/(x-1)", -1, 3);
    picture.Go("sin(x)/3", -1, 2);
    size_t counted = 0;
    for (const QRgb color : {kWhite, kBlack, kRed, kGreen}) {
        const size_t count = picture.PixelsOf(color).size();
        EXPECT_GT(count, 0u) << std::hex << color;
        counted += count;
    }
    EXPECT_EQ(counted, 700u * 500);
}

}  // namespace
