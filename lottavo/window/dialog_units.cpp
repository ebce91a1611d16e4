#include "dialog_units.h"

#include <QStringList>
#include <cstdint>
#include <cstdlib>

namespace lottavo {

QFont templateFont(const DialogTemplateC& dialog) {
    QFont font;
    font.setFamilies({QString::fromLatin1(dialog.fontFace), QStringLiteral("Liberation Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(dialog.fontPoints);
    return font;
}

DialogBaseUnitsC baseUnitsOf(const QFontMetrics& metrics) {
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, metrics.height()};
}

int mulDiv(int value, int numerator, int denominator) {
    const int64_t product = int64_t{value} * numerator;
    const int64_t half = std::abs(int64_t{denominator}) / 2;
    const bool negative = (product < 0) != (denominator < 0);
    const int64_t rounded = (std::abs(product) + half) / std::abs(int64_t{denominator});
    return static_cast<int>(negative ? -rounded : rounded);
}

QRect toPixels(const QRect& units, DialogBaseUnitsC base) {
    return {mulDiv(units.x(), base.x, 4), mulDiv(units.y(), base.y, 8),
            mulDiv(units.width(), base.x, 4), mulDiv(units.height(), base.y, 8)};
}

QSize toPixels(const QSize& units, DialogBaseUnitsC base) {
    return {mulDiv(units.width(), base.x, 4), mulDiv(units.height(), base.y, 8)};
}

}  // namespace lottavo
