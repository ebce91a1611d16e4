#include "dialog_404.h"

#include <array>

namespace lottavo {

namespace {

// Both static texts carry id 361; nothing addresses them.
constexpr int kStaticId = 361;
constexpr const char* kSeedText = "Seed, 0 <= n <= 32000:";
constexpr const char* kQuitText = "(quit to cumulate generated Lists)-->";

const std::array<DialogItemC, 6> kItems404 = {{
    {kGenerateId, ControlKindE::DefPushButton, "Generate", {170, 5, 50, 14}, true, "Generate"},
    {kCopyId, ControlKindE::PushButton, "Copy", {170, 20, 50, 14}, true, "Copy"},
    {kQuitId, ControlKindE::PushButton, "Quit", {170, 35, 50, 14}, true, "Quit"},
    {kSeedBoxId, ControlKindE::Edit, "", {100, 5, 40, 12}, true, "InStr"},
    {kStaticId, ControlKindE::Static, kSeedText, {5, 7, 88, 12}, false, "SeedText"},
    {kStaticId, ControlKindE::Static, kQuitText, {5, 37, 150, 12}, false, "QuitText"},
}};

const DialogTemplateC kTemplate404 = {
    404, "Random Integer Generator", {240, 50}, "Courier New", 12, kItems404,
};

}  // namespace

const DialogTemplateC& dialogTemplate404() {
    return kTemplate404;
}

}  // namespace lottavo
