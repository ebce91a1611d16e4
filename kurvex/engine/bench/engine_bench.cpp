// Nanoseconds per evaluation of typical equations, and a whole scan of 1901 samples: what a
// picture 1901 pixels wide asks of the engine for one Go.
#include <benchmark/benchmark.h>

#include <string>

#include "engine.h"

namespace {

struct QuietMessages : kurvex::MessageSink {
    void ShowMessage(const std::string&) override {}
};

constexpr const char* kMixed = "sin(x)^2+cos(3x)*logn(x^2+1)-tan(x/2)";

std::string Encoded(const char* typed) {
    QuietMessages messages;
    std::string equation = typed;
    bool syntaxError = false;
    kurvex::CheckSyntax(equation, syntaxError, messages);
    return equation;
}

void Evaluate(benchmark::State& state, const char* typed) {
    const std::string equation = Encoded(typed);
    QuietMessages messages;
    long double y = 0, prevTanArg = 0, x = 0.7L;
    bool mathError = false, tanCut = false;
    for (auto _ : state) {
        kurvex::EvaluateEquation(equation, y, mathError, x, prevTanArg, tanCut, messages);
        benchmark::DoNotOptimize(y);
    }
}
BENCHMARK_CAPTURE(Evaluate, x, "x");
BENCHMARK_CAPTURE(Evaluate, cubic, "3x^3-2x+1");
BENCHMARK_CAPTURE(Evaluate, mixed, kMixed);
BENCHMARK_CAPTURE(Evaluate, deep_brackets, "((((((((((x+1)*2)-3)/4)+5)*6)-7)/8)+9)*10)");

void ScanOf1901Samples(benchmark::State& state) {
    const std::string equation = Encoded(kMixed);
    QuietMessages messages;
    const long double low = -10, high = 10, increment = (high - low) / 1901;
    for (auto _ : state) {
        long double prevTanArg = low + increment, y = 0;
        bool mathError = false, tanCut = false;
        for (int i = 1; i <= 1901; ++i) {
            kurvex::EvaluateEquation(equation, y, mathError, i * increment + low, prevTanArg,
                                     tanCut, messages);
            benchmark::DoNotOptimize(y);
        }
    }
}
BENCHMARK(ScanOf1901Samples)->Unit(benchmark::kMillisecond);

void FormatValueFast(benchmark::State& state) {
    long double v = 0.123456789L;
    for (auto _ : state) benchmark::DoNotOptimize(kurvex::FormatValue(v += 1.0L));
}
void FormatValuePrintf(benchmark::State& state) {
    long double v = 0.123456789L;
    for (auto _ : state) benchmark::DoNotOptimize(kurvex::reference::FormatValue(v += 1.0L));
}
void ReadOperandFast(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(kurvex::ReadOperandText("-12.345678901234567800"));
}
void ReadOperandStrtold(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(kurvex::reference::ParseDecimal("-12.345678901234567800"));
}
BENCHMARK(FormatValueFast);
BENCHMARK(FormatValuePrintf);
BENCHMARK(ReadOperandFast);
BENCHMARK(ReadOperandStrtold);

}  // namespace

BENCHMARK_MAIN();
