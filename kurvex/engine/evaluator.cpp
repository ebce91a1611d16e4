#include "evaluator.h"

#include <string_view>

#include "checked.h"
#include "faults.h"
#include "function_terms.h"
#include "value_text.h"

namespace kurvex {
namespace {

// A value written next to one of these is not joined to it by "*".
constexpr std::string_view kOperatorOrCode = "()*+-/^cdfnpstuvz";
// After a substituted X only the operators count.
constexpr std::string_view kOperator = "()*+-/^";

bool Contains(const std::string& s, std::string_view any) {
    return s.find_first_of(any) != std::string::npos;
}
bool In(char c, std::string_view set) {
    return set.find(c) != std::string_view::npos;
}
bool IsNumberChar(char c) {
    return (c >= '0' && c <= '9') || c == '.';
}

struct Bracket {
    std::string left, inner, right;
};

// The first bracket pair from the left that encloses no other. A checked equation is balanced;
// a stray ")" or "(" is taken as if the missing partner stood at the end of the text.
Bracket InnermostBracket(const std::string& t) {
    size_t open = t.find('(');
    size_t close = open == std::string::npos ? 0 : open + 1;
    for (; close < t.size() && t[close] != ')'; ++close)
        if (t[close] == '(') open = close;
    const size_t innerBegin = open == std::string::npos ? 0 : open + 1;
    return {open == std::string::npos ? std::string() : t.substr(0, open),
            t.substr(innerBegin, close - innerBegin),
            close < t.size() ? t.substr(close + 1) : std::string()};
}

}  // namespace

void EvaluateEquation(const std::string& equation, long double& y, bool& mathError, long double x,
                      long double& prevTanArg, bool& tanCut, MessageSink& messages) {
    mathError = false;
    tanCut = false;
    Evaluation evaluation{x, mathError, prevTanArg, tanCut, messages};
    std::string t = equation;
    while (Contains(t, "()")) {
        Bracket bracket = InnermostBracket(t);
        long double value = 0;
        try {
            EvaluateSegment(bracket.inner, value, evaluation);
        } catch (const InvalidOperationFault&) {
            mathError = true;
            return;
        }
        if (mathError) return;
        if (!WriteBackValue(bracket.left, bracket.right, t, value, evaluation)) return;
    }
    long double value = 0;
    EvaluateSegment(t, value, evaluation);
    y = value;
}

void EvaluateSegment(std::string& segment, long double& value, Evaluation& evaluation) {
    if (Contains(segment, "x")) SubstituteX(segment, evaluation.x);
    if (Contains(segment, "^")) PowerStage(segment, evaluation);
    if (evaluation.mathError) return;
    if (Contains(segment, "ndpf")) LogStage(segment, evaluation);
    if (evaluation.mathError) return;
    if (Contains(segment, "sctuzv")) TrigStage(segment, evaluation);
    if (evaluation.mathError) return;
    if (Contains(segment, "*/")) MulDivStage(segment, evaluation);
    if (evaluation.mathError) return;
    if (Contains(segment, "+-")) AddSubStage(segment);
    value = ConvertNumber(segment);
}

void SubstituteX(std::string& text, long double x) {
    const std::string value = FormatValue(x);
    for (size_t p = text.find('x'); p != std::string::npos; p = text.find('x')) {
        std::string left = text.substr(0, p);
        if (!left.empty() && !In(left.back(), kOperatorOrCode)) left += '*';
        std::string right = text.substr(p + 1);
        if (!right.empty() && !In(right.front(), kOperator)) right.insert(0, 1, '*');
        text = left + value + right;
    }
}

bool WriteBackValue(const std::string& left, const std::string& right, std::string& text,
                    long double value, Evaluation& evaluation) {
    std::string t = value == 0 ? "0" : FormatValue(value);
    if (!left.empty()) t = left + (In(left.back(), kOperatorOrCode) ? "" : "*") + t;
    if (!right.empty()) t += (In(right.front(), kOperatorOrCode) ? "" : "*") + right;
    if (Contains(t, "Ee")) {
        evaluation.messages.ShowMessage(
            "Intermediate calculation is more than 18 digits before decimal point. Closing");
        evaluation.mathError = true;
        return false;
    }
    text = std::move(t);
    return true;
}

LeftOperand ReadLeftOperand(const std::string& text, size_t op) {
    size_t begin = op;
    while (begin > 0 && IsNumberChar(text[begin - 1])) --begin;
    if (begin > 0 && text[begin - 1] == '-' && (begin == 1 || In(text[begin - 2], "*+-/"))) --begin;
    return {ReadOperandText(std::string_view(text).substr(begin, op - begin)), begin};
}

RightOperand ReadRightOperand(const std::string& text, size_t op) {
    size_t end = op + 1;
    if (end < text.size() && text[end] == '-') ++end;
    while (end < text.size() && IsNumberChar(text[end])) ++end;
    return {ReadOperandText(std::string_view(text).substr(op + 1, end - op - 1)), end};
}

void MulDivStage(std::string& segment, Evaluation& evaluation) {
    for (size_t p = segment.find_first_of("*/"); p != std::string::npos;
         p = segment.find_first_of("*/")) {
        const LeftOperand left = ReadLeftOperand(segment, p);
        const RightOperand right = ReadRightOperand(segment, p);
        long double value = 0;
        if (segment[p] == '*') {
            value = Checked(left.value * right.value);
        } else {
            if (right.value == 0) {
                evaluation.mathError = true;
                return;
            }
            value = Checked(left.value / right.value);
        }
        segment = segment.substr(0, left.begin) + FormatValue(value) + segment.substr(right.end);
    }
}

// Whatever stands before the left operand is dropped: after the earlier stages the left
// operand is the first number of the segment.
void AddSubStage(std::string& segment) {
    for (size_t p = segment.find_first_of("+-", 1); p != std::string::npos;
         p = segment.find_first_of("+-", 1)) {
        const LeftOperand left = ReadLeftOperand(segment, p);
        const RightOperand right = ReadRightOperand(segment, p);
        const long double value =
            Checked(segment[p] == '+' ? left.value + right.value : left.value - right.value);
        segment = FormatValue(value) + segment.substr(right.end);
    }
}

}  // namespace kurvex
