#pragma once

#include "program_launcher.h"
#include "registry.h"

namespace quorvel {

inline constexpr const char* kSysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* kSysInfoValue = "PATH";
inline constexpr const char* kSysInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* kSysInfoLocationValue = "MSINFO";
inline constexpr const char* kSysInfoFile = "\\MSINFO32.EXE";

// Starts the system-information tool: the program the registry names, else the one in the
// folder it names; where the registry names neither, a Linux system-information program.
// False when nothing could be started.
bool StartSysInfo(const RegistryReader& registry, ProgramLauncher& launcher);

}  // namespace quorvel
