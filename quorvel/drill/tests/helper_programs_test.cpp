#include "helper_programs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_launcher.h"

namespace quorvel {
namespace {

using Programs = std::vector<std::string>;

struct Desktop {
    const char* name;
    Programs installed;
    bool started;
    Programs tried;
};

class StartCalculatorTest : public ::testing::TestWithParam<Desktop> {};

TEST_P(StartCalculatorTest, TriesTheDesktopCalculatorFirstThenTheLinuxOnes) {
    FakeLauncher launcher;
    launcher.installed.insert(GetParam().installed.begin(), GetParam().installed.end());
    EXPECT_EQ(StartCalculator(launcher), GetParam().started);
    EXPECT_EQ(launcher.tried, GetParam().tried);
}

const std::string kCalc(kWindowsCalculator);

INSTANTIATE_TEST_SUITE_P(
    Desktops, StartCalculatorTest,
    ::testing::Values(
        Desktop{"Windows", {kCalc, "gnome-calculator"}, true, {kCalc}},
        Desktop{"Gnome", {"gnome-calculator", "kcalc"}, true, {kCalc, "gnome-calculator"}},
        Desktop{"Kde", {"kcalc"}, true, {kCalc, "gnome-calculator", "kcalc"}},
        Desktop{"BareX",
                {"xcalc"},
                true,
                {kCalc, "gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk",
                 "qalculate-qt", "speedcrunch", "xcalc"}},
        Desktop{"None",
                {},
                false,
                {kCalc, "gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk",
                 "qalculate-qt", "speedcrunch", "xcalc"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StartCalculatorTest, TheDesktopCalculatorIsAtItsFixedPath) {
    EXPECT_EQ(kWindowsCalculator, "C:\\WINDOWS\\CALC.EXE");
}

}  // namespace
}  // namespace quorvel
