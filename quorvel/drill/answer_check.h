#pragma once

#include <cstdint>
#include <string_view>

#include "answer_number.h"
#include "grade_band.h"

namespace quorvel {

enum class AnswerOutcome {
    Empty,             // nothing typed
    NoNumber,          // text that is no number, or a number out of range
    Wrong,             // a number other than A X B
    Right,             // A X B; `next` is the following question
    RightAndComplete,  // A X B of the band's last question; the table is done
};

struct AnswerCheck {
    AnswerOutcome outcome;
    Question next;  // the question to show now; unchanged unless the answer was right
};

// The question after `question` in a band up to `topFactor`: row by row, B from 1 to the top
// factor, then the next A. After the last question A is topFactor + 1.
Question NextQuestion(std::int16_t topFactor, Question question);

// Tests the typed answer to `question` and applies the advance rule.
AnswerCheck TestAnswer(std::int16_t topFactor, Question question, std::string_view answerText,
                       const NumberFormat& format);

}  // namespace quorvel
