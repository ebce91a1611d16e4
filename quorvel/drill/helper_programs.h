#pragma once

#include <span>
#include <string_view>

#include "program_launcher.h"

namespace quorvel {

// The calculator the drill offers as help, where the desktop keeps it.
inline constexpr std::string_view kWindowsCalculator = "C:\\WINDOWS\\CALC.EXE";

// Starts the first of `programs` that starts; false when none does.
bool StartFirstOf(ProgramLauncher& launcher, std::span<const std::string_view> programs);

// Starts a calculator: the desktop's own first, then the common Linux ones.
bool StartCalculator(ProgramLauncher& launcher);

}  // namespace quorvel
