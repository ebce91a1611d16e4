#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine.h"
#include "recording_messages.h"

// One evaluation of a typed equation, checked and encoded first as the window does.
struct Outcome {
    long double y = 0;
    bool mathError = false;
    bool tanCut = false;
    long double prevTanArg = 0;
    std::vector<std::string> messages;

    std::string YText() const { return kurvex::FormatValue(y); }
};

inline Outcome EvaluateTyped(const std::string& typed, long double x = 0,
                             long double prevTanArg = 0) {
    RecordingMessages messages;
    std::string equation = typed;
    bool syntaxError = false;
    kurvex::CheckSyntax(equation, syntaxError, messages);
    EXPECT_FALSE(syntaxError) << typed << " was refused";
    Outcome outcome;
    outcome.prevTanArg = prevTanArg;
    kurvex::EvaluateEquation(equation, outcome.y, outcome.mathError, x, outcome.prevTanArg,
                             outcome.tanCut, messages);
    outcome.messages = messages.texts;
    return outcome;
}
