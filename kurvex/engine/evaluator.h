#pragma once

#include <cstddef>
#include <string>

#include "message_sink.h"

namespace kurvex {

// Everything one evaluation works with: its X and the caller's flags, which the stages read
// and set. Nothing else survives a call of EvaluateEquation.
struct Evaluation {
    long double x;
    bool& mathError;
    long double& prevTanArg;
    bool& tanCut;
    MessageSink& messages;
};

// Y for one X of an encoded equation, computed by rewriting its text: brackets innermost
// first, then powers, logs, trig terms, products and sums within each bracket-free segment.
// Clears mathError and tanCut first; y means nothing while mathError comes back set.
// Math faults that no stage turns into mathError, and the conversion fault, leave as exceptions.
void EvaluateEquation(const std::string& equation, long double& y, bool& mathError, long double x,
                      long double& prevTanArg, bool& tanCut, MessageSink& messages);

// Evaluates a bracket-free text to one value.
void EvaluateSegment(std::string& segment, long double& value, Evaluation& evaluation);

// Writes X's value text in place of every "x", joined to a neighbouring number by "*".
void SubstituteX(std::string& text, long double x);

// Puts value between left and right, joined by "*" to a neighbouring number. When the result
// would hold an exponent (more than 18 digits before the point, or an "e" around it), shows the
// 18-digit message, sets mathError, leaves text unchanged and returns false.
bool WriteBackValue(const std::string& left, const std::string& right, std::string& text,
                    long double value, Evaluation& evaluation);

// Positions are 0-based indices into the text.
struct LeftOperand {
    long double value;
    size_t begin;  // index of the operand's first character
};
struct RightOperand {
    long double value;
    size_t end;  // index just after the operand
};

// The number just before the operator at index op; its "-" belongs to it at the start of the
// text or after one of * + - /.
LeftOperand ReadLeftOperand(const std::string& text, size_t op);
// The number just after the operator or code letter at index op, with an optional "-".
RightOperand ReadRightOperand(const std::string& text, size_t op);

// Products and quotients from the left; division by 0 sets mathError.
void MulDivStage(std::string& segment, Evaluation& evaluation);
// Sums and differences from the left.
void AddSubStage(std::string& segment);

}  // namespace kurvex
