// Feeds arbitrary bytes through the check, the encoding and the evaluation, with an arbitrary
// X and tan memory taken from the first bytes. Faults the engine raises by design are fine;
// crashes, reads outside a text, hangs and sanitizer reports are not.
#include <cstdint>
#include <cstring>
#include <string>

#include "engine.h"

namespace {

struct QuietMessages : kurvex::MessageSink {
    void ShowMessage(const std::string&) override {}
};

long double TakeReal(const uint8_t*& data, size_t& size) {
    long double value = 0;
    if (size < 10) return value;
    std::memcpy(&value, data, 10);  // any 80-bit pattern, NaNs and infinities included
    data += 10;
    size -= 10;
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const long double x = TakeReal(data, size);
    long double prevTanArg = TakeReal(data, size);
    QuietMessages messages;

    std::string equation(reinterpret_cast<const char*>(data), size);
    const std::string typed = equation;
    bool syntaxError = false;
    kurvex::CheckSyntax(equation, syntaxError, messages);
    if (syntaxError && equation != typed) __builtin_trap();  // a refusal keeps the text

    long double y = 0;
    bool mathError = false, tanCut = false;
    try {
        kurvex::EvaluateEquation(equation, y, mathError, x, prevTanArg, tanCut, messages);
        if (!mathError) (void)kurvex::FormatValue(y);
    } catch (const kurvex::MathFault&) {
    } catch (const kurvex::ConversionFault&) {
    }
    return 0;
}
