#pragma once

#include <string>
#include <vector>

#include "engine.h"

// Keeps the texts of the engine's message boxes instead of showing them.
struct RecordingMessages : kurvex::MessageSink {
    std::vector<std::string> texts;
    void ShowMessage(const std::string& text) override { texts.push_back(text); }
};
