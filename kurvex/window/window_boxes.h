#pragma once

#include <string>

#include "engine.h"

namespace kurvex {

// The window's modal boxes: plain messages (the syntax check, the 18-digit rule) and the
// error box that reports a failed command. The program shows real boxes; tests record them.
class WindowBoxes : public MessageSink {
public:
    virtual void ShowError(const std::string& text) = 0;
};

// Boxes with an OK button, titled with the program's name; they return once closed.
class QtWindowBoxes : public WindowBoxes {
public:
    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
};

}  // namespace kurvex
