#pragma once

#include <string>

namespace kurvex {

// Where the engine shows its modal messages. The window shows a real box and returns once the
// user has closed it; tests record the texts.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace kurvex
