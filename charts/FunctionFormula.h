// A function y = F(x) as a pupil types it, read once and then evaluated at any x: quickly in
// doubles for drawing, and exactly in fractions where the value is rational (a trace point, the
// properties of the function).
//
// Accepted: "y＝2x＋1", "f(x)＝…", numbers with a decimal point, x, ＋ － × ÷ / ^ (also as the ASCII
// signs), round, square and curly brackets (full-width round ones too), √x, √(x＋1), sqrt(x),
// |x| (also ｜x｜), and products written without a sign: 2x, 2x(x－1), (x＋1)(x－2), 3√x.
// A product without a sign binds as × does, from left to right: 1/2x is (1/2)·x. A power binds
// tighter than a sign in front: －x^2 is －(x^2).
#pragma once

#include "algebra/ExactNumber.h"

#include <optional>
#include <string>
#include <vector>

namespace qimbel {

// The longest function line read, in bytes of GBK text.
inline constexpr int kLongestFunctionLine = 256;

struct FormulaStep {
    enum class Code { Number, X, Add, Subtract, Multiply, Divide, Power, Negate, Root, Absolute };
    Code code = Code::Number;
    Rational number; // the exact value of a number
    double value = 0; // the same as a double
};

class FunctionFormula {
public:
    // Why the line cannot be read (which character, where), or empty when it can.
    const std::string &Error() const { return error_; }
    bool Ok() const { return error_.empty(); }
    // The right side as the pupil typed it, blanks taken out (GBK).
    const std::string &Typed() const { return typed_; }

    // F(x); not a number where F has no value (a zero divisor, the root of a negative number).
    double Value(double x) const;
    // F(x) exactly; nothing where F has no value or the value is not rational (√2) or too large.
    std::optional<Rational> ExactValue(const Rational &x) const;

    // The program in postfix order, for the forms that look at its structure.
    const std::vector<FormulaStep> &Steps() const { return steps_; }

private:
    friend FunctionFormula ReadFunction(const std::string &typed);
    std::string error_;
    std::string typed_;
    std::vector<FormulaStep> steps_;
    int depth_ = 0; // the deepest stack the program needs
};

// √value exactly; nothing when it is not rational (or value is negative).
std::optional<Rational> ExactSquareRoot(const Rational &value);

// Reads a typed function line (GBK).
FunctionFormula ReadFunction(const std::string &typed);

} // namespace qimbel
