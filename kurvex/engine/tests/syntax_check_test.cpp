#include <gtest/gtest.h>

#include "engine.h"
#include "recording_messages.h"
#include "row_names.h"

namespace kurvex {
namespace {

constexpr const char* kClosing = "Error - Clsing bracket without opener";
constexpr const char* kUnequal = "Error - No of opening brackets does not equalno of closers";
constexpr const char* kUnrecognised = "Syntax Error - equation containes unrecognised characters";

struct Refusal {
    const char* equation;
    std::string message;
};

class SyntaxRefusalTest : public ::testing::TestWithParam<Refusal> {};

TEST_P(SyntaxRefusalTest, ShowsOneMessageAndLeavesTheText) {
    RecordingMessages messages;
    std::string equation = GetParam().equation;
    bool syntaxError = false;
    CheckSyntax(equation, syntaxError, messages);
    EXPECT_TRUE(syntaxError);
    EXPECT_EQ(equation, GetParam().equation);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SyntaxRefusalTest,
    ::testing::Values(
        Refusal{"(x", kUnequal}, Refusal{"((x)", kUnequal}, Refusal{"x)", kClosing},
        Refusal{")x(", kClosing},
        // brackets are judged before anything else
        Refusal{"b)", kClosing}, Refusal{"sin x", kUnrecognised}, Refusal{"b", kUnrecognised},
        Refusal{"2,5", kUnrecognised}, Refusal{"x\xc3\xa9", kUnrecognised},
        Refusal{"cos(x)+co(x)", kUnrecognised}, Refusal{"sin(x)+si(x)", kUnrecognised},
        // characters are judged before letter sequences
        Refusal{"sin xlogx", kUnrecognised}, Refusal{"logx", "Syntax error following character 3"},
        Refusal{"ax", "Syntax error following character 1"},
        Refusal{"2^*3", "Syntax error following character 2"},
        Refusal{"2^.5", "Syntax error following character 2"},
        Refusal{"x^", "Syntax error following character 2"},
        // whole words taken out leave nothing unrecognised; the letter rules then judge them
        Refusal{"ccosos", "Syntax error following character 1"},
        Refusal{"ttanan", "Syntax error following character 1"},
        Refusal{"123456789+logx", "Syntax error following character 13"},
        Refusal{"2d3", "Syntax error preceding character 2"},
        Refusal{"n", "Syntax error preceding character 1"},
        Refusal{"xsinn", "Syntax error preceding character 5"},
        Refusal{"snin", "Syntax error immediately before or after character number 1"},
        Refusal{"ssinin", "Syntax error immediately before or after character number 1"},
        // the first failing position wins
        Refusal{"2d3+ax", "Syntax error preceding character 2"}),
    NamedBy<&Refusal::equation>());

struct Encoding {
    const char* equation;
    const char* encoded;
};

class SyntaxAcceptanceTest : public ::testing::TestWithParam<Encoding> {};

TEST_P(SyntaxAcceptanceTest, EncodesWithoutMessage) {
    RecordingMessages messages;
    std::string equation = GetParam().equation;
    bool syntaxError = false;
    CheckSyntax(equation, syntaxError, messages);
    EXPECT_FALSE(syntaxError);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(equation, GetParam().encoded);
}

INSTANTIATE_TEST_SUITE_P(
    Words, SyntaxAcceptanceTest,
    ::testing::Values(Encoding{"sinx", "sx"}, Encoding{"3sin(2x)+alogd2-atan(x)", "3s(2x)+f2-v(x)"},
                      Encoding{"logn(x)*acos0.5", "n(x)*z0.5"}, Encoding{"asinx", "ux"},
                      Encoding{"sin1+cos1+tan1+asin1+acos1+atan1+logd1+logn1+alogd1+alogn1",
                               "s1+c1+t1+u1+z1+v1+d1+n1+f1+p1"},
                      Encoding{"2**3", "2**3"}, Encoding{"()", "()"}, Encoding{"2+", "2+"},
                      Encoding{"", ""}, Encoding{"2e3-x^(-1)", "2e3-x^(-1)"},
                      // an "n" after "a" with fewer than three characters before it
                      Encoding{"an5", "p5"}, Encoding{"xan5", "xp5"}),
    NamedBy<&Encoding::equation>());

// Every function word typed twice or more; each must reach the letter-sequence rules.
INSTANTIATE_TEST_SUITE_P(
    RepeatedWords, SyntaxAcceptanceTest,
    ::testing::Values(Encoding{"sin(x)+sin(x)", "s(x)+s(x)"}, Encoding{"cos1*cos2", "c1*c2"},
                      Encoding{"tan(x)*tan(x)", "t(x)*t(x)"},
                      Encoding{"asin(x)-asin(x)", "u(x)-u(x)"},
                      Encoding{"acos0.5+acos0.5", "z0.5+z0.5"}, Encoding{"atan1+atan2", "v1+v2"},
                      Encoding{"logd1+logd2", "d1+d2"}, Encoding{"logn1logn2", "n1n2"},
                      Encoding{"alogd1+alogd2", "f1+f2"}, Encoding{"alogn1+alogn2", "p1+p2"},
                      Encoding{"sinsinsinx", "sssx"}, Encoding{"tan(tan(tan(x)))", "t(t(t(x)))"},
                      Encoding{"sin(x)+asin(x)+sin(x)", "s(x)+u(x)+s(x)"}),
    NamedBy<&Encoding::equation>());

TEST(CheckSyntax, AcceptanceLeavesAnEarlierSyntaxErrorSet) {
    RecordingMessages messages;
    std::string equation = "x";
    bool syntaxError = true;
    CheckSyntax(equation, syntaxError, messages);
    EXPECT_TRUE(syntaxError);
    EXPECT_TRUE(messages.texts.empty());
}

TEST(EncodeEquation, EndsOnEveryShortTextMadeOfItsLetters) {
    // Texts of up to five characters over the letters the encoder deletes around.
    const std::string alphabet = "acdnstlog5";
    std::vector<std::string> texts = {""};
    for (int length = 1; length <= 5; ++length) {
        std::vector<std::string> longer;
        for (const std::string& t : texts)
            for (char c : alphabet) longer.push_back(t + c);
        for (const std::string& t : longer) {
            std::string s = t;
            EncodeEquation(s);
            EXPECT_LE(s.size(), t.size()) << t;
        }
        texts = std::move(longer);
    }
}

}  // namespace
}  // namespace kurvex
