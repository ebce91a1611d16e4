#pragma once

#include <QIcon>
#include <QImage>

namespace lottavo {

inline constexpr int kIcon420Size = 64;

// Icon 420: a numbered list sheet and a die on the dialog's lavender, drawn on a 64 x 64 grid.
// The image is painted at devicePixelRatio screen pixels per grid unit and carries that ratio.
QImage icon420Image(qreal devicePixelRatio = 1.0);

// The icon paints itself at whatever size a window or screen asks for, so it stays sharp at
// any pixel density.
QIcon icon420();

}  // namespace lottavo
