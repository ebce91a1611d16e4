#include "helper_programs.h"

#include <array>
#include <string>

namespace quorvel {
namespace {

constexpr std::array<std::string_view, 9> kCalculators = {
    kWindowsCalculator, "gnome-calculator", "kcalc",       "galculator", "mate-calc",
    "qalculate-gtk",    "qalculate-qt",     "speedcrunch", "xcalc",
};

}  // namespace

bool StartFirstOf(ProgramLauncher& launcher, std::span<const std::string_view> programs) {
    for (std::string_view program : programs) {
        if (launcher.Start(std::string(program))) return true;
    }
    return false;
}

bool StartCalculator(ProgramLauncher& launcher) {
    return StartFirstOf(launcher, kCalculators);
}

}  // namespace quorvel
