#pragma once

#include <stdexcept>
#include <string>

namespace kurvex {

// Arithmetic faults of an evaluation. Each stage either turns one into MathError or lets it
// pass to the caller of EvaluateEquation; the range scan catches the whole family.
class MathFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class InvalidOperationFault : public MathFault {
public:
    InvalidOperationFault() : MathFault("Invalid floating point operation") {}
};

class DivisionByZeroFault : public MathFault {
public:
    DivisionByZeroFault() : MathFault("Floating point division by zero") {}
};

class OverflowFault : public MathFault {
public:
    OverflowFault() : MathFault("Floating point overflow") {}
};

class InvalidArgumentFault : public MathFault {
public:
    InvalidArgumentFault()
        : MathFault("Invalid argument: a negative number raised to a power that is not whole") {}
};

// A text that is not a number where one is required. Not a math fault: the range scan lets it
// through to the window's error box.
class ConversionFault : public std::runtime_error {
public:
    explicit ConversionFault(const std::string& text)
        : std::runtime_error("'" + text + "' is not a valid floating point value"), text_(text) {}

    const std::string& text() const { return text_; }

private:
    std::string text_;
};

}  // namespace kurvex
