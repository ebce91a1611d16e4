#pragma once

#include <string>

namespace quorvel {

// Starts other programs for Help and System Info, without waiting for them.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;

    // Starts `program` (a path, or a bare name looked up on the search path) in a normal window;
    // false when it cannot be started.
    virtual bool Start(const std::string& program) = 0;

    // Whether a file exists at `path`.
    virtual bool FileExists(const std::string& path) const = 0;
};

}  // namespace quorvel
