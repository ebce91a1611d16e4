#pragma once

#include <QIcon>
#include <QImage>

namespace lottavo {

inline constexpr int kIcon420Size = 64;

// Icon 420: a numbered list sheet and a die on the dialog's lavender, 64 x 64 pixels.
QImage icon420Image();
QIcon icon420();

}  // namespace lottavo
