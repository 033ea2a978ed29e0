// Reading and writing the exact rationals of the roots of a quadratic and the whole-number ratio.
// Numerators and denominators read or made here stay within 10^18 in magnitude, so every sum and
// product of two of them fits in 128 bits; a value that would grow beyond is refused.
#pragma once

#include "algebra/ExactNumber.h"
#include "solver/WholeNumbers.h"

#include <optional>
#include <string>

namespace qimbel {

// n/d in lowest terms with a positive denominator; nothing when d is 0 or a part exceeds 10^18.
std::optional<Rational> MakeBoundedRational(__int128 numerator, __int128 denominator);

// Reads a number typed as a whole number, a decimal or a fraction of two such (12, －0.25, 2/3,
// +1.5/0.5), with an optional sign in front ("＋" "－" "+" "-") and outer round brackets. Nothing
// for any other text, for a zero denominator, or for more than 17 digits on a side.
std::optional<Rational> ReadRational(const std::string &text);

// a·b and a÷b exactly; nothing when b is 0 or the result leaves the range.
std::optional<Rational> Times(const Rational &a, const Rational &b);
std::optional<Rational> DividedBy(const Rational &a, const Rational &b);

// The text of a rational: 3, －1/2 (full-width minus).
std::string RationalText(const Rational &value);

} // namespace qimbel
