#include "sys_info.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_launcher.h"
#include "fake_registry.h"

namespace quorvel {
namespace {

using Programs = std::vector<std::string>;

constexpr const char* kToolPath = "C:\\Tools\\MSINFO\\MSINFO32.EXE";
constexpr const char* kFolder = "C:\\Tools\\Shared";
constexpr const char* kFolderTool = "C:\\Tools\\Shared\\MSINFO32.EXE";

struct Machine {
    const char* name;
    bool pathValue;      // the tool's path is registered
    bool folderValue;    // the tool's folder is registered
    Programs installed;  // programs that start
    Programs files;      // files that exist
    bool started;
    Programs tried;
};

class StartSysInfoTest : public ::testing::TestWithParam<Machine> {};

TEST_P(StartSysInfoTest, StartsWhatTheRegistryNamesElseALinuxTool) {
    const Machine& machine = GetParam();
    FakeRegistry registry;
    if (machine.pathValue) registry.SetText(kSysInfoKey, "PATH", kToolPath);
    if (machine.folderValue) registry.SetText(kSysInfoLocationKey, "MSINFO", kFolder);
    FakeLauncher launcher;
    launcher.installed.insert(machine.installed.begin(), machine.installed.end());
    launcher.files.insert(machine.files.begin(), machine.files.end());

    EXPECT_EQ(StartSysInfo(registry, launcher), machine.started);
    EXPECT_EQ(launcher.tried, machine.tried);
}

const Programs kLinuxTools = {
    "hardinfo",          "kinfocenter", "gnome-system-monitor", "mate-system-monitor",
    "xfce4-taskmanager", "lxtask"};

INSTANTIATE_TEST_SUITE_P(
    Machines, StartSysInfoTest,
    ::testing::Values(
        Machine{"PathRegistered", true, true, {kToolPath}, {}, true, {kToolPath}},
        // a registered tool that will not start is the end of it
        Machine{"PathDoesNotStart", true, true, {"hardinfo"}, {kFolderTool}, false, {kToolPath}},
        Machine{"FolderRegistered", false, true, {kFolderTool}, {kFolderTool}, true, {kFolderTool}},
        Machine{"FolderWithoutTheFile", false, true, {kFolderTool, "hardinfo"}, {}, false, {}},
        Machine{"FolderToolDoesNotStart", false, true, {}, {kFolderTool}, false, {kFolderTool}},
        Machine{"NoRegistryHardinfo", false, false, {"hardinfo"}, {}, true, {"hardinfo"}},
        Machine{"NoRegistryLaterTool",
                false,
                false,
                {"gnome-system-monitor"},
                {},
                true,
                {"hardinfo", "kinfocenter", "gnome-system-monitor"}},
        Machine{"NothingAtAll", false, false, {}, {}, false, kLinuxTools}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StartSysInfoTest, LooksUpTheTwoValuesUnderTheirKeys) {
    // Values with the right names under other keys lead nowhere.
    FakeRegistry registry;
    registry.SetText("SOFTWARE\\Microsoft\\Shared Tools", "PATH", kToolPath);
    registry.SetText(kSysInfoKey, "MSINFO", kFolder);
    FakeLauncher launcher;
    launcher.installed = {kToolPath, kFolderTool};
    launcher.files = {kFolderTool};
    EXPECT_FALSE(StartSysInfo(registry, launcher));
    EXPECT_EQ(launcher.tried, kLinuxTools);
}

}  // namespace
}  // namespace quorvel
