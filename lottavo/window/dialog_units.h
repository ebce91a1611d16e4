#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <QSize>

#include "dialog_template.h"

namespace lottavo {

// Dialog units: a quarter of the template font's average character width across, an eighth of
// its height down. The base units are reckoned as the template's desktop reckons them, so that
// a metric-compatible face gives the same pixels.
struct DialogBaseUnitsC {
    int x;  // pixels per 4 horizontal units
    int y;  // pixels per 8 vertical units
};

// The template's font: its face where installed, else Liberation Mono, which has the metrics
// of "Courier New".
QFont templateFont(const DialogTemplateC& dialog);

// Average width of the 52 letters, rounded; the full character height.
DialogBaseUnitsC baseUnitsOf(const QFontMetrics& metrics);

// value * numerator / denominator, rounded half away from zero.
int mulDiv(int value, int numerator, int denominator);

QRect toPixels(const QRect& units, DialogBaseUnitsC base);
QSize toPixels(const QSize& units, DialogBaseUnitsC base);

}  // namespace lottavo
