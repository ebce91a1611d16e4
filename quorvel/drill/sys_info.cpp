#include "sys_info.h"

#include <array>
#include <string_view>

#include "helper_programs.h"

namespace quorvel {
namespace {

constexpr std::array<std::string_view, 6> kLinuxSysInfoTools = {
    "hardinfo",          "kinfocenter", "gnome-system-monitor", "mate-system-monitor",
    "xfce4-taskmanager", "lxtask",
};

}  // namespace

bool StartSysInfo(const RegistryReader& registry, ProgramLauncher& launcher) {
    const KeyValue path =
        GetKeyValue(registry, RegistryRoot::LocalMachine, kSysInfoKey, kSysInfoValue);
    if (path.found) return launcher.Start(path.text);

    const KeyValue folder = GetKeyValue(registry, RegistryRoot::LocalMachine, kSysInfoLocationKey,
                                        kSysInfoLocationValue);
    if (folder.found) {
        const std::string file = folder.text + kSysInfoFile;
        return launcher.FileExists(file) && launcher.Start(file);
    }
    return StartFirstOf(launcher, kLinuxSysInfoTools);
}

}  // namespace quorvel
