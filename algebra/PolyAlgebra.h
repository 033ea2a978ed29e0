// Exact division, square roots, greatest common divisors and coefficients of integer
// polynomials in several letters: what the factorisation needs beyond products and sums to
// split a factor in more than one letter or of a degree above two.
#pragma once

#include "algebra/FactorPolynomial.h"

#include <optional>
#include <vector>

namespace qimbel {

// a ÷ b when b divides a exactly with whole coefficients; nothing otherwise, for b 0, or when a
// number would not fit.
std::optional<Poly> PolyQuotient(const Poly &a, const Poly &b);
// The polynomial with a positive first term whose square is p (the empty one for 0); nothing
// when p is not such a square.
std::optional<Poly> PolySquareRoot(const Poly &p);
// The greatest common divisor of two polynomials, whole coefficients without a common factor
// and a positive first term; nothing when the numbers grow too large.
std::optional<Poly> PolyGcd(const Poly &a, const Poly &b);
// p as a polynomial in `letter`: entry k is the coefficient of letter^k (a polynomial in the
// other letters).
std::vector<Poly> CoefficientsIn(const Poly &p, int letter);
// p with every term multiplied by letter^power.
Poly TimesLetter(const Poly &p, int letter, int power);
// p with the value 0 put for `letter`.
Poly AtZero(const Poly &p, int letter);
// The greatest common divisor of the coefficients, positive.
long long IntegerContent(const Poly &p);
// Every coefficient divided by a whole number that divides them all.
Poly DividedByInteger(const Poly &p, long long d);

} // namespace qimbel
