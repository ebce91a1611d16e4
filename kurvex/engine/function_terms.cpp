#include "function_terms.h"

#include <cmath>
#include <string_view>

#include "checked.h"
#include "faults.h"
#include "power.h"
#include "value_text.h"

namespace kurvex {
namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;
constexpr long double kOneOverPi = 0.318309886183790671537767526745028724L;
constexpr long double kAsymptotes[] = {
    1.570796326794896619231321691639751442L,   //  pi/2
    4.712388980384689857693965074919254326L,   //  3pi/2
    -1.570796326794896619231321691639751442L,  // -pi/2
    -4.712388980384689857693965074919254326L,  // -3pi/2
};
constexpr long double kTanLimit = 100;
// sin and cos of operands this large give 0.
constexpr long double kTrigOperandLimit = 9223372036854775808.0L;  // 2^63

// Log operands beyond 1.1 × 10^4932 are refused, and anti-log operands beyond the range in
// which the result can exist.
constexpr long double kLogOperandLimit = 1e4932L * 1.1L;
constexpr long double kAntiLogLimit3 = 1.1e4931L;
constexpr long double kAntiLogLimit4 = 1.1e4932L;

bool IsLogOfNumber(LogKind kind) {
    return kind == LogKind::Decimal || kind == LogKind::Natural;
}

bool WithinAntiLogLimits(LogKind kind, long double a) {
    if (kind == LogKind::DecimalAntiLog) return -kAntiLogLimit3 < a && a < kAntiLogLimit3;
    if (kind == LogKind::NaturalAntiLog) return -kAntiLogLimit3 < a && a < kAntiLogLimit4;
    return true;
}

long double LogValue(LogKind kind, long double a) {
    switch (kind) {
        case LogKind::Decimal:
            return std::log10(a);
        case LogKind::Natural:
            return std::log(a);
        case LogKind::DecimalAntiLog:
            return Power(10, a);
        case LogKind::NaturalAntiLog:
            return Checked(std::exp(a));
    }
    return 0;
}

// Whole turns taken off toward zero: the result lies within ±2pi and has the sign of a.
long double ReduceAngle(long double a) {
    return a - std::trunc(a * 0.5L * kOneOverPi) * 2 * kPi;
}

long double TrigValue(char letter, long double a) {
    switch (letter) {
        case 's':
            return std::fabs(a) >= kTrigOperandLimit ? 0 : std::sin(a);
        case 'c':
            return std::fabs(a) >= kTrigOperandLimit ? 0 : std::cos(a);
        case 'u':
            return std::atan2(a, std::sqrt(1 - a * a));
        case 'z':
            return std::atan2(std::sqrt(1 - a * a), a);
        case 'v':
            return std::atan2(a, 1.0L);
    }
    return 0;
}

}  // namespace

void PowerStage(std::string& segment, Evaluation& evaluation) {
    for (size_t p = segment.find('^'); p != std::string::npos && !evaluation.mathError;
         p = segment.find('^')) {
        try {
            const LeftOperand base = ReadLeftOperand(segment, p);
            const RightOperand exponent = ReadRightOperand(segment, p);
            const long double b = base.value, e = exponent.value;
            if ((e < 0 && b == 0) || (0 < e && e < 1 && b <= 0)) {
                evaluation.mathError = true;
                return;
            }
            segment = segment.substr(0, base.begin) + FormatValue(Power(b, e)) +
                      segment.substr(exponent.end);
        } catch (const InvalidOperationFault&) {
            evaluation.mathError = true;
            return;
        }
    }
}

void LogStage(std::string& segment, Evaluation& evaluation) {
    static constexpr struct {
        char letter;
        LogKind kind;
    } kOrder[] = {{'d', LogKind::Decimal},
                  {'n', LogKind::Natural},
                  {'f', LogKind::DecimalAntiLog},
                  {'p', LogKind::NaturalAntiLog}};
    for (const auto& step : kOrder) {
        for (size_t p = segment.find(step.letter); p != std::string::npos;
             p = segment.find(step.letter)) {
            LogTerm(segment, p, step.kind, evaluation);
            if (evaluation.mathError) return;
        }
    }
}

void LogTerm(std::string& segment, size_t letter, LogKind kind, Evaluation& evaluation) {
    const RightOperand operand = ReadRightOperand(segment, letter);
    const long double a = operand.value;
    long double value = 0;
    try {
        if ((IsLogOfNumber(kind) && a <= 0) || std::fabs(a) > kLogOperandLimit ||
            !WithinAntiLogLimits(kind, a)) {
            evaluation.mathError = true;
            return;
        }
        value = LogValue(kind, a);
    } catch (const MathFault&) {
        evaluation.mathError = true;
        return;
    }
    WriteBackValue(segment.substr(0, letter), segment.substr(operand.end), segment, value,
                   evaluation);
}

// An arc sine or cosine outside -1..1, and a tan exactly at an asymptote, become 0 and the
// stage goes on with the next term.
void TrigStage(std::string& segment, Evaluation& evaluation) {
    for (size_t p = segment.find_first_of("sctuzv"); p != std::string::npos;
         p = segment.find_first_of("sctuzv")) {
        const char letter = segment[p];
        const RightOperand operand = ReadRightOperand(segment, p);
        const long double a = operand.value;
        long double value = 0;
        if (letter == 't')
            value = TanTerm(a, evaluation);
        else if ((letter != 'u' && letter != 'z') || std::fabs(a) <= 1)
            value = TrigValue(letter, a);
        if (!WriteBackValue(segment.substr(0, p), segment.substr(operand.end), segment, value,
                            evaluation))
            return;
    }
}

long double TanTerm(long double a, Evaluation& evaluation) {
    const long double reduced = ReduceAngle(a);
    const long double previous = ReduceAngle(evaluation.prevTanArg);
    evaluation.prevTanArg = a;
    for (long double k : kAsymptotes)
        if (reduced == k) return 0;
    for (long double k : kAsymptotes)
        if ((previous < k && k < reduced) || (reduced < k && k < previous))
            evaluation.tanCut = true;
    const long double f = std::tan(a);
    if (f > kTanLimit || f < -kTanLimit) {
        evaluation.tanCut = true;
        return f > 0 ? kTanLimit : -kTanLimit;
    }
    return f;
}

}  // namespace kurvex
