// The exact value of a number text, and the texts of computed numbers.
//
// Whole numbers are held in 128 bits with overflow checks, so sums, differences and products
// print every digit exactly. Fractions keep 128-bit numerators and denominators, and a typed
// decimal is also held exactly, as its digits over a power of ten. Every result of the four
// operations is therefore exact: it is written as a whole number, as a decimal when it has at most
// six places (the "%lf" form, so such results read as they always have), and otherwise as a
// reduced fraction: 1÷3 is 1/3, never 0.333333, and 1/3×3 is 1 again. Only a value that no longer
// fits in 128 bits (or an irrational power) takes the decimal road ("%lf").
#pragma once

#include <optional>
#include <string>

namespace qimbel {

using Whole = __int128;

// A number text read exactly: a whole number, a fraction n/d, or a decimal.
struct NumberValue {
    enum class Kind { Whole, Fraction, Decimal };
    Kind kind = Kind::Whole;
    Whole numerator = 0;
    Whole denominator = 1; // 1 for a whole number; may be 0 for a typed fraction such as 3/0
    double decimal = 0; // the value itself for a decimal
    // A decimal also holds its exact value in numerator / denominator (a power of ten) when its
    // digits fit in 128 bits; a whole number or a fraction is always exact.
    bool exact = true;

    double AsDouble() const;
};

// An exact rational number in lowest terms, its denominator above 0.
struct Rational {
    Whole numerator = 0;
    Whole denominator = 1;
};

// n/d in lowest terms; nothing when d is 0.
std::optional<Rational> MakeRational(Whole numerator, Whole denominator);
// The exact value of a number read by ReadNumber; nothing for a denominator of 0 or a decimal
// too long to hold.
std::optional<Rational> ExactValue(const NumberValue &value);
// a + b, a × b, a ÷ b; nothing when a part would not fit in 128 bits (or b is 0 for the quotient).
std::optional<Rational> RationalSum(const Rational &a, const Rational &b);
std::optional<Rational> RationalProduct(const Rational &a, const Rational &b);
std::optional<Rational> RationalQuotient(const Rational &a, const Rational &b);
// The text of an exact result: a whole number (12, －7); a decimal when the value has at most six
// places, exactly as "%lf" and QuLing write it (3.5, －0.125); else the reduced fraction (1/3,
// －2/7).
std::string ExactText(const Rational &value);

// Reads a plain number text: an optional sign ("＋" "－" "+" "-"), then digits, or digits with one
// ".", or digits "/" digits (each side may carry its own sign). Outer brackets, as in (－2) or
// {[(12)]}, are taken off first. Anything else gives nothing.
std::optional<NumberValue> ReadNumber(const std::string &text);

// Whole-number text with a full-width minus: 12, －7.
std::string WholeText(Whole value);
// The number text of a computed real ("%lf", trailing zeros stripped) with a full-width minus;
// empty when the value is not finite, so an overflow never prints as a number.
std::string DecimalText(double value);
// n/d with a full-width minus in front of a negative fraction; a denominator of 1 gives n alone.
std::string FractionText(Whole numerator, Whole denominator);

// True when the exact result does not fit (the smallest value counts as not fitting, so every
// result can be negated).
bool AddOverflows(Whole a, Whole b, Whole &sum);
// Greatest common divisor of the magnitudes (gcd(x, 0) = |x|).
Whole WholeGcd(Whole a, Whole b);
bool MultiplyOverflows(Whole a, Whole b, Whole &product);

} // namespace qimbel
