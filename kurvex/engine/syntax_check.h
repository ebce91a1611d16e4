#pragma once

#include <string>

#include "message_sink.h"

namespace kurvex {

// Checks a lower-cased equation: brackets, then allowed characters, then letter sequences.
// A refusal shows one message, sets syntaxError and leaves the text as it was; acceptance
// replaces the text by its encoded form and leaves syntaxError alone.
void CheckSyntax(std::string& equation, bool& syntaxError, MessageSink& messages);

// Replaces every function word of an accepted equation by its one-letter code:
// sin s, cos c, tan t, asin u, acos z, atan v, logd d, logn n, alogd f, alogn p.
void EncodeEquation(std::string& equation);

}  // namespace kurvex
