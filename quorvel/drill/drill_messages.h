#pragma once

namespace quorvel {

// The texts of the drill's message boxes. They are the program's own wording and are shown
// exactly as written here.
inline constexpr const char* kSelectGradeMessage = "You need to select a grade level.";
inline constexpr const char* kEnterNumberMessage = "You need to enter a number!";
inline constexpr const char* kTryAgainMessage = "Try Again!";
inline constexpr const char* kExitQuestion = "Do you want to exit now?";
inline constexpr const char* kSysInfoUnavailableMessage =
    "System Information Is Unavailable At This Time";
inline constexpr const char* kNoCalculatorMessage =
    "Sorry, no calculator could be started on this computer.";

}  // namespace quorvel
