#include "grapher.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "number_texts.h"
#include "plot.h"
#include "scales.h"

namespace kurvex {
namespace {

// A sample whose evaluation raised a math fault keeps this Y; the scan ends there.
constexpr long double kFaultY = 9999;

std::string AsciiLowerCase(const std::string& text) {
    std::string lower = text;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

}  // namespace

void Grapher::Resize(int sampleCount, int pictureHeight, int windowHeight) {
    sampleCount = std::max(sampleCount, 1);
    state_.ResizeStore(sampleCount);
    state_.WindowHeight = windowHeight;
    pictureHeight_ = pictureHeight;
    table_.resize(static_cast<size_t>(sampleCount) + 1);
}

void Grapher::PrepareRun(const Boxes& boxes, const Services& services) {
    state_.ResizeStore(state_.SampleCount);
    tanCut_ = false;
    state_.TanCutSeen = false;
    equation_ = boxes.Equation;
    state_.PictureWidth = state_.SampleCount;
    state_.AxisRow = pictureHeight_ / 2;
    timesPi_ = boxes.PiItemIndex != 0;
    state_.HalfHeight = pictureHeight_ * 0.5L;
    if (!boxes.HighLim.empty() && !boxes.LowLim.empty()) ReadLimits(boxes, services);
}

// The high limit is read first: when the low one fails, the high one is already taken.
void Grapher::ReadLimits(const Boxes& boxes, const Services& services) {
    const long double factor = timesPi_ ? kPi : 1;
    highX_ = BoxNumber(boxes.HighLim, services.decimalSeparator) * factor;
    lowX_ = BoxNumber(boxes.LowLim, services.decimalSeparator) * factor;
    prevTanArg_ = lowX_;
    xRange_ = Checked(highX_ - lowX_);
    xIncrement_ = xRange_ / state_.PictureWidth;
    minY_ = 0;
    xAtMinY_ = 0;
}

void Grapher::GoButtonClick(Boxes& boxes, Services& services) {
    PrepareRun(boxes, services);
    equation_ = services.lowerCase ? services.lowerCase(equation_) : AsciiLowerCase(equation_);
    CheckSyntax(equation_, syntaxError_, services.messages);
    if (syntaxError_) {
        syntaxError_ = false;
        return;
    }
    if (lowX_ < highX_) {
        long double maxY = 0, xAtMaxY = 0;
        ScanRange(maxY, xAtMaxY, boxes, services);
        if (!anyValid_) return;
        Draw(services, maxY, boxes);
    }
    if (!boxes.SpecX.empty()) EvaluateSpecificX(boxes, services);
    WriteTable(services);
}

void Grapher::ScanRange(long double& maxY, long double& xAtMaxY, Boxes& boxes, Services& services) {
    maxY = 0;
    minY_ = 0;
    anyValid_ = false;
    prevTanArg_ = lowX_ + xIncrement_;
    for (int i = 1; i <= state_.SampleCount; ++i) {
        tanCut_ = false;
        const long double x = i * xIncrement_ + lowX_;
        long double y = 0;
        try {
            EvaluateEquation(equation_, y, mathError_, x, prevTanArg_, tanCut_, services.messages);
        } catch (const MathFault&) {
            // The scan ends at this sample; the Max boxes keep their texts.
            state_.SampleMathError[i] = true;
            state_.SampleY[i] = kFaultY;
            return;
        }
        if (tanCut_) state_.TanCutSeen = true;
        state_.SampleTanCut[i] = tanCut_;
        state_.SampleMathError[i] = mathError_;
        state_.SampleY[i] = mathError_ ? 0 : y;
        if (mathError_) continue;
        anyValid_ = true;
        if (state_.SampleY[i] > maxY) maxY = state_.SampleY[i], xAtMaxY = x;
        if (state_.SampleY[i] < minY_) minY_ = state_.SampleY[i], xAtMinY_ = x;
    }
    ReportExtremes(maxY, xAtMaxY, boxes, services);
}

// A tie goes to the negative extreme, whose X is then shown without its sign.
void Grapher::ReportExtremes(long double& maxY, long double& xAtMaxY, Boxes& boxes,
                             const Services& services) {
    if (!anyValid_) {
        services.picture.SetFontColor(kRed);
        services.picture.SetFontSize(36);
        services.picture.TextOut(100, 300, "Math Error for all values within limits");
        return;
    }
    if (std::fabs(maxY) <= std::fabs(minY_)) {
        maxY = std::fabs(minY_);
        xAtMaxY = std::fabs(xAtMinY_);
    }
    boxes.MaxY = ValueText(maxY, services.decimalSeparator);
    boxes.MaxX = ValueText(xAtMaxY, services.decimalSeparator);
}

void Grapher::Draw(Services& services, long double maxY, const Boxes& boxes) {
    int yAxisColumn = 0;
    DrawAxes(services.picture, state_, yAxisColumn, lowX_, highX_);
    if (maxY == 0) return;
    DrawCurve(services.picture, state_, maxY);
    DrawScales(services.picture, state_, boxes.Equation, yAxisColumn, highX_, lowX_, maxY);
}

// The specific X is taken as typed, never times pi, and starts from the tan memory the scan
// left. Faults are not caught here: they end the command before the table.
void Grapher::EvaluateSpecificX(Boxes& boxes, Services& services) {
    const long double x = BoxNumber(boxes.SpecX, services.decimalSeparator);
    EvaluateEquation(equation_, specYValue_, mathError_, x, prevTanArg_, tanCut_,
                     services.messages);
    if (!mathError_)
        boxes.SpecY = GeneralText(specYValue_, services.decimalSeparator);
    else if (tanCut_)
        boxes.SpecY = "TanLimit - curve cut";
    else
        boxes.SpecY = "Math Error at that value";
}

void Grapher::WriteTable(const Services& services) {
    table_[0] = {"    X Value", "    YValue"};
    for (int i = 1; i <= state_.SampleCount; ++i) {
        table_[i][0] = ValueText(i * xIncrement_ + lowX_, services.decimalSeparator);
        if (state_.SampleTanCut[i])
            table_[i][1] = " Tanlimit - Curve cut";
        else if (state_.SampleMathError[i])
            table_[i][1] = "      MathError";
        else
            table_[i][1] = ValueText(state_.SampleY[i], services.decimalSeparator);
    }
}

void Grapher::EmptyTableRows() {
    for (int i = 1; i <= state_.SampleCount; ++i) table_[i] = {"", ""};
}

}  // namespace kurvex
