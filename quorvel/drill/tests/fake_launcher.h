#pragma once

#include <set>
#include <string>
#include <vector>

#include "program_launcher.h"

namespace quorvel {

// A launcher that starts only the programs it is told are installed, and remembers every try.
struct FakeLauncher : ProgramLauncher {
    std::set<std::string> installed;  // programs that start
    std::set<std::string> files;      // paths that exist
    std::vector<std::string> tried;   // every Start, in order
    std::vector<std::string> started;

    bool Start(const std::string& program) override {
        tried.push_back(program);
        if (!installed.contains(program)) return false;
        started.push_back(program);
        return true;
    }
    bool FileExists(const std::string& path) const override { return files.contains(path); }
};

}  // namespace quorvel
