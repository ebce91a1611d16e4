// Feeds arbitrary bytes to the answer test as the typed answer, with the band, the question and
// the locale's marks taken from the first bytes. Crashes, reads outside the text, sanitizer
// reports and outcomes that contradict the reading of the text are faults.
#include <cstdint>
#include <string_view>

#include "answer_check.h"

namespace {

const quorvel::NumberFormat kFormats[] = {
    {".", "-", "+"},
    {",", "-", "+"},
    {",", "\xe2\x88\x92", "+"},  // U+2212 as the minus
    {"", "-", "+"},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    const std::int16_t top = (data[0] & 1) ? quorvel::kOldTopFactor : quorvel::kYoungTopFactor;
    const quorvel::NumberFormat& format = kFormats[(data[0] >> 1) % 4];
    const quorvel::Question question{2 + data[1] % (top - 1), 1 + data[2] % top};
    const std::string_view text(reinterpret_cast<const char*>(data + 3), size - 3);

    const quorvel::AnswerCheck check = quorvel::TestAnswer(top, question, text, format);
    const auto value = quorvel::ParseAnswer(text, format);
    const bool right = value && *value == static_cast<double>(question.a * question.b);
    using quorvel::AnswerOutcome;
    switch (check.outcome) {
        case AnswerOutcome::Empty:
            if (!text.empty()) __builtin_trap();
            break;
        case AnswerOutcome::NoNumber:
            if (value) __builtin_trap();
            break;
        case AnswerOutcome::Wrong:
            if (!value || right) __builtin_trap();
            break;
        case AnswerOutcome::Right:
        case AnswerOutcome::RightAndComplete:
            if (!right || check.next == question) __builtin_trap();
            break;
    }
    if (check.next.b < 1 || check.next.b > top || check.next.a > top + 1) __builtin_trap();
    return 0;
}
