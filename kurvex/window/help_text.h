#pragma once

#include <string>

namespace kurvex {

// The instructions shown on the Help page.
const std::string& HelpText();

}  // namespace kurvex
