#include "answer_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "row_name.h"

namespace quorvel {
namespace {

const NumberFormat kFullStop{".", "-", "+"};
const NumberFormat kComma{",", "-", "+"};

std::string ProductText(Question question) {
    return std::to_string(question.a * question.b);
}

// --- the order of questions ------------------------------------------------------------------

struct Band {
    const char* name;
    std::int16_t topFactor;
    size_t questions;
    Question last;
    Question afterTwoTimesFive;
};

class BandSequenceTest : public ::testing::TestWithParam<Band> {};

TEST_P(BandSequenceTest, RightAnswersWalkTheTableRowByRowFromTwoTimesOne) {
    const Band& band = GetParam();
    std::vector<Question> expected;
    for (int a = 2; a <= band.topFactor; ++a) {
        for (int b = 1; b <= band.topFactor; ++b) expected.push_back({a, b});
    }

    std::vector<Question> asked;
    Question question = kFirstQuestion;
    for (size_t guard = 0; guard < 1000; ++guard) {
        asked.push_back(question);
        const AnswerCheck check =
            TestAnswer(band.topFactor, question, ProductText(question), kFullStop);
        if (check.outcome == AnswerOutcome::RightAndComplete) {
            EXPECT_EQ(check.next, (Question{band.topFactor + 1, 1}));
            break;
        }
        ASSERT_EQ(check.outcome, AnswerOutcome::Right) << question.a << " X " << question.b;
        question = check.next;
    }
    EXPECT_EQ(asked.size(), band.questions);
    EXPECT_EQ(asked.back(), band.last);
    EXPECT_EQ(asked, expected);
}

TEST_P(BandSequenceTest, TwoTimesFiveIsFollowedByTheBandsNextQuestion) {
    const Band& band = GetParam();
    const AnswerCheck check = TestAnswer(band.topFactor, {2, 5}, "10", kFullStop);
    EXPECT_EQ(check.outcome, AnswerOutcome::Right);
    EXPECT_EQ(check.next, band.afterTwoTimesFive);
}

TEST_P(BandSequenceTest, OnlyTheLastQuestionCompletesTheTable) {
    const Band& band = GetParam();
    const Question beforeLast{band.topFactor, band.topFactor - 1};
    EXPECT_EQ(TestAnswer(band.topFactor, beforeLast, ProductText(beforeLast), kFullStop).outcome,
              AnswerOutcome::Right);
    // A wrong answer to the last question leaves the table open.
    EXPECT_EQ(TestAnswer(band.topFactor, band.last, "1", kFullStop).outcome, AnswerOutcome::Wrong);
}

INSTANTIATE_TEST_SUITE_P(Bands, BandSequenceTest,
                         ::testing::Values(Band{"Young", kYoungTopFactor, 20, {5, 5}, {3, 1}},
                                           Band{"Old", kOldTopFactor, 132, {12, 12}, {2, 6}}),
                         NamedBy<&Band::name>());

// --- the answer forms, asked 2 X 3 in the younger band ---------------------------------------

enum class Mark { FullStop, Comma };

struct Form {
    Mark mark;
    const char* text;
    AnswerOutcome outcome;
};

class AnswerFormTest : public ::testing::TestWithParam<Form> {};

TEST_P(AnswerFormTest, GivesTheOutcomeAndMovesOnOnlyWhenRight) {
    const Form& form = GetParam();
    const NumberFormat& format = form.mark == Mark::FullStop ? kFullStop : kComma;
    const AnswerCheck check = TestAnswer(kYoungTopFactor, {2, 3}, form.text, format);
    EXPECT_EQ(check.outcome, form.outcome);
    const Question expectedNext =
        form.outcome == AnswerOutcome::Right ? Question{2, 4} : Question{2, 3};
    EXPECT_EQ(check.next, expectedNext);
}

constexpr AnswerOutcome kRight = AnswerOutcome::Right;
constexpr AnswerOutcome kWrong = AnswerOutcome::Wrong;
constexpr AnswerOutcome kNoNumber = AnswerOutcome::NoNumber;

INSTANTIATE_TEST_SUITE_P(
    FullStopLocale, AnswerFormTest,
    ::testing::Values(
        Form{Mark::FullStop, "6", kRight}, Form{Mark::FullStop, "06", kRight},
        Form{Mark::FullStop, "+6", kRight}, Form{Mark::FullStop, " 6 ", kRight},
        Form{Mark::FullStop, "\t6  ", kRight}, Form{Mark::FullStop, "6.0", kRight},
        Form{Mark::FullStop, "6.", kRight}, Form{Mark::FullStop, "006.000", kRight},
        Form{Mark::FullStop, " +6.0 ", kRight},
        // read in double precision, as any decimal text is
        Form{Mark::FullStop, "6.00000000000000000001", kRight}, Form{Mark::FullStop, "7", kWrong},
        Form{Mark::FullStop, "-6", kWrong}, Form{Mark::FullStop, "5.9", kWrong},
        Form{Mark::FullStop, ".6", kWrong}, Form{Mark::FullStop, "60", kWrong},
        Form{Mark::FullStop, "0", kWrong}, Form{Mark::FullStop, "six", kNoNumber},
        Form{Mark::FullStop, " ", kNoNumber}, Form{Mark::FullStop, "   ", kNoNumber},
        Form{Mark::FullStop, "6,0", kNoNumber}, Form{Mark::FullStop, "6 0", kNoNumber},
        Form{Mark::FullStop, "6a", kNoNumber}, Form{Mark::FullStop, "6e0", kNoNumber},
        Form{Mark::FullStop, "0x6", kNoNumber}, Form{Mark::FullStop, "+", kNoNumber},
        Form{Mark::FullStop, ".", kNoNumber}, Form{Mark::FullStop, "+-6", kNoNumber},
        Form{Mark::FullStop, "--6", kNoNumber}, Form{Mark::FullStop, "- 6", kNoNumber},
        Form{Mark::FullStop, "6-", kNoNumber}, Form{Mark::FullStop, "6.0.0", kNoNumber},
        Form{Mark::FullStop, "\xef\xbc\x96", kNoNumber}, Form{Mark::FullStop, "6\n", kNoNumber},
        Form{Mark::FullStop, "inf", kNoNumber}, Form{Mark::FullStop, "nan", kNoNumber}),
    NamedBy<&Form::text>());

INSTANTIATE_TEST_SUITE_P(
    CommaLocale, AnswerFormTest,
    ::testing::Values(Form{Mark::Comma, "6", kRight}, Form{Mark::Comma, "06", kRight},
                      Form{Mark::Comma, "+6", kRight}, Form{Mark::Comma, " 6 ", kRight},
                      Form{Mark::Comma, "6,0", kRight}, Form{Mark::Comma, " -6,0", kWrong},
                      Form{Mark::Comma, "6,5", kWrong}, Form{Mark::Comma, "6.0", kNoNumber},
                      Form{Mark::Comma, "6.000", kNoNumber}, Form{Mark::Comma, "six", kNoNumber},
                      Form{Mark::Comma, " ", kNoNumber}),
    NamedBy<&Form::text>());

TEST(AnswerCheckTest, AnEmptyAnswerIsNeitherNumberNorWrong) {
    const AnswerCheck check = TestAnswer(kOldTopFactor, {7, 8}, "", kFullStop);
    EXPECT_EQ(check.outcome, AnswerOutcome::Empty);
    EXPECT_EQ(check.next, (Question{7, 8}));
}

TEST(AnswerCheckTest, NumbersBeyondTheRangeOfADoubleAreNoNumber) {
    const std::string huge = "1" + std::string(400, '0');
    EXPECT_EQ(TestAnswer(kYoungTopFactor, {2, 3}, huge, kFullStop).outcome,
              AnswerOutcome::NoNumber);
    // A long number a double can hold is a wrong answer, not an error.
    EXPECT_EQ(TestAnswer(kYoungTopFactor, {2, 3}, std::string(300, '9'), kFullStop).outcome,
              AnswerOutcome::Wrong);
}

}  // namespace
}  // namespace quorvel
