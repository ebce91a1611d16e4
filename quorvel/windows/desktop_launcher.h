#pragma once

#include "program_launcher.h"

namespace quorvel {

// Starts programs detached from the drill, which neither waits for them nor hears of them again.
class DesktopLauncher : public ProgramLauncher {
public:
    bool Start(const std::string& program) override;
    bool FileExists(const std::string& path) const override;
};

}  // namespace quorvel
