#pragma once

#include <cstddef>
#include <string>

#include "evaluator.h"

namespace kurvex {

enum class LogKind { Decimal = 1, Natural = 2, DecimalAntiLog = 3, NaturalAntiLog = 4 };

// Powers from the left: "2^3^2" is 64, and a leading "-" belongs to the base ("-2^2" is 4).
void PowerStage(std::string& segment, Evaluation& evaluation);

// All decimal logs from the left, then natural logs, decimal anti-logs, natural anti-logs.
void LogStage(std::string& segment, Evaluation& evaluation);

// One log or anti-log term: the code letter at index letter and the number right after it.
void LogTerm(std::string& segment, size_t letter, LogKind kind, Evaluation& evaluation);

// Trig and arc terms from the left, each written back before the next is looked for.
// A tan value is limited to ±100 and tanCut tells the caller to cut the curve at this X.
void TrigStage(std::string& segment, Evaluation& evaluation);

// The tan rule for operand a: reads and replaces prevTanArg, may set tanCut.
long double TanTerm(long double a, Evaluation& evaluation);

}  // namespace kurvex
