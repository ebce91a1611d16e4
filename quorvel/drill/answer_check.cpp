#include "answer_check.h"

namespace quorvel {

Question NextQuestion(std::int16_t topFactor, Question question) {
    if (question.b < topFactor) return {question.a, question.b + 1};
    return {question.a + 1, 1};
}

AnswerCheck TestAnswer(std::int16_t topFactor, Question question, std::string_view answerText,
                       const NumberFormat& format) {
    if (answerText.empty()) return {AnswerOutcome::Empty, question};
    const auto answer = ParseAnswer(answerText, format);
    if (!answer) return {AnswerOutcome::NoNumber, question};
    // The product in double precision, as the answer was read.
    if (*answer != static_cast<double>(question.a) * static_cast<double>(question.b)) {
        return {AnswerOutcome::Wrong, question};
    }
    const Question next = NextQuestion(topFactor, question);
    const bool complete = next.a == topFactor + 1;
    return {complete ? AnswerOutcome::RightAndComplete : AnswerOutcome::Right, next};
}

}  // namespace quorvel
