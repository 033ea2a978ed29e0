// The exact value of a number text, and the texts of computed numbers.
//
// Whole numbers are held in 128 bits with overflow checks, so sums, differences and products
// print every digit exactly; only a value that no longer fits takes the decimal road ("%lf"), the
// form Qimbel gives every computed real. Fractions keep 128-bit numerators and denominators.
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

    double AsDouble() const;
};

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
bool MultiplyOverflows(Whole a, Whole b, Whole &product);

} // namespace qimbel
