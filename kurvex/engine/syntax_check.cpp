#include "syntax_check.h"

#include <array>
#include <optional>
#include <string_view>

namespace kurvex {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Character at a 0-based index, or '\0' beyond either end: no character.
char At(const std::string& s, long i) {
    return i >= 0 && i < static_cast<long>(s.size()) ? s[static_cast<size_t>(i)] : '\0';
}

bool OneOf(char c, std::string_view set) {
    return c != '\0' && set.find(c) != std::string_view::npos;
}

std::optional<std::string> CheckBrackets(const std::string& s) {
    int depth = 0;
    for (char c : s) {
        if (c == '(') ++depth;
        if (c == ')') {
            if (depth == 0) return "Error - Clsing bracket without opener";
            --depth;
        }
    }
    if (depth != 0) return "Error - No of opening brackets does not equalno of closers";
    return std::nullopt;
}

bool EraseFirst(std::string& w, std::string_view word) {
    const size_t at = w.find(word);
    if (at == std::string::npos) return false;
    w.erase(at, word.size());
    return true;
}

// Up to `rounds` rounds, each taking out at most the first occurrence of every word in turn.
// A round that takes out nothing leaves the text as it is for every later round too.
void EraseInRounds(std::string& w, size_t rounds, std::initializer_list<std::string_view> words) {
    for (size_t round = 0; round < rounds; ++round) {
        bool erased = false;
        for (std::string_view word : words) erased |= EraseFirst(w, word);
        if (!erased) return;
    }
}

bool AllAllowed(const std::string& w) {
    for (char c : w)
        if (!OneOf(c, "()*+-./0123456789^ex")) return false;
    return true;
}

// The rounds as written take out one "a", "d" and "n" per round, which can split a repeated
// word ("sin(x)+sin(x)" loses the "n" of the second "sin"). A second reading that takes out
// only whole words first, then every "a", "d" and "n", accepts such texts; either reading
// accepting is enough.
std::optional<std::string> CheckCharacters(const std::string& s) {
    std::string literal = s;
    EraseInRounds(literal, s.size(), {"sin", "cos", "tan", "log", "a", "d", "n"});
    if (AllAllowed(literal)) return std::nullopt;

    std::string words = s;
    EraseInRounds(words, s.size(), {"sin", "cos", "tan", "log"});
    std::erase_if(words, [](char c) { return c == 'a' || c == 'd' || c == 'n'; });
    if (AllAllowed(words)) return std::nullopt;
    return "Syntax Error - equation containes unrecognised characters";
}

// The message for position i (0-based) when its letter is not surrounded as it must be.
std::optional<std::string> CheckLetterAt(const std::string& s, long i) {
    const char next = At(s, i + 1), previous = At(s, i - 1);
    const auto followedBy = [&](std::string_view two) {
        return next == two[0] && At(s, i + 2) == two[1];
    };
    const std::string position = std::to_string(i + 1);
    bool ok = true;
    std::string_view message = "Syntax error following character ";
    switch (s[static_cast<size_t>(i)]) {
        case 's':
            ok = next == 'i' || previous == 'o';
            message = "Syntax error immediately before or after character number ";
            break;
        case 'c':
            ok = followedBy("os");
            break;
        case 't':
            ok = followedBy("an");
            break;
        case 'l':
            ok = followedBy("og");
            break;
        case 'g':
            ok = OneOf(next, "dn");
            break;
        case 'a':
            ok = OneOf(next, "clnst");
            break;
        case '^':
            ok = next == '(' || next == '-' || next == 'x' || IsDigit(next);
            break;
        case 'd':
            ok = previous == 'g';
            message = "Syntax error preceding character ";
            break;
        case 'n':
            ok = OneOf(previous, "agi");
            message = "Syntax error preceding character ";
            break;
        default:
            break;
    }
    if (ok) return std::nullopt;
    return std::string(message) + position;
}

std::optional<std::string> CheckLetters(const std::string& s) {
    for (long i = 0; i < static_cast<long>(s.size()); ++i)
        if (auto message = CheckLetterAt(s, i)) return message;
    return std::nullopt;
}

char ArcCode(char letter) {
    switch (letter) {
        case 'c':
            return 'z';
        case 'd':
            return 'f';
        case 'n':
            return 'p';
        case 's':
            return 'u';
        case 't':
            return 'v';
        default:
            return '\0';
    }
}

}  // namespace

void CheckSyntax(std::string& equation, bool& syntaxError, MessageSink& messages) {
    std::optional<std::string> refusal = CheckBrackets(equation);
    if (!refusal) refusal = CheckCharacters(equation);
    if (!refusal) refusal = CheckLetters(equation);
    if (refusal) {
        messages.ShowMessage(*refusal);
        syntaxError = true;
        return;
    }
    EncodeEquation(equation);
}

void EncodeEquation(std::string& s) {
    // Pass 1: "sin", "cos", "tan" keep their first letter; "logd" and "logn" their last.
    for (size_t i = 0; i < s.size(); ++i) {
        if (OneOf(s[i], "cst")) s.erase(i + 1, 2);
        // An "n" after "a" that ends no "logn" ("an5") may have fewer than three characters
        // before it: nothing is deleted then, and pass 2 reads "an" as "alogn".
        if (OneOf(s[i], "dn") && i >= 3) {
            s.erase(i - 3, 3);
            i -= 3;
        }
    }
    // Pass 2: "a" and the letter after it become the arc or anti-log code.
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != 'a') continue;
        const char code = ArcCode(At(s, static_cast<long>(i) + 1));
        s.erase(i, 2);
        if (code != '\0') s.insert(i, 1, code);
    }
}

}  // namespace kurvex
