#include "app_info.h"

namespace quorvel {

std::string VersionNumber() {
    return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionRevision);
}

std::string VersionText() {
    return "Version " + VersionNumber();
}

}  // namespace quorvel
