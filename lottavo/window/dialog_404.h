#pragma once

#include "dialog_template.h"

namespace lottavo {

inline constexpr int kGenerateId = 357;
inline constexpr int kCopyId = 358;
inline constexpr int kQuitId = 359;
inline constexpr int kSeedBoxId = 360;
// The seed box holds 5 characters; the limit counts the terminator as well.
inline constexpr int kSeedBoxLimit = 6;

// Template 404, the generator dialog: the seed box, Generate, Copy and Quit.
const DialogTemplateC& dialogTemplate404();

}  // namespace lottavo
