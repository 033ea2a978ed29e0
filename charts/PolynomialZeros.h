// The zeros of a polynomial function of any degree a pupil types (x^9, (x－1)^11, x^5－x): the
// exact coefficients are built from the formula, the rational zeros found exactly with their
// multiplicity, and only what is left is searched numerically, so a flat high power never turns
// into a cluster of crossings.
#pragma once

#include "charts/FunctionFormula.h"

#include <optional>
#include <vector>

namespace qimbel {

// The highest degree worked exactly; a higher one is left to the numeric scan of the graph.
inline constexpr int kHighestZerosDegree = 40;

// A zero of a polynomial between −10 and 10: exact (`value`, with `multiplicity`) or a simple
// zero found numerically (`approximate`).
struct PolynomialZero {
    bool exact = false;
    Rational value;
    int multiplicity = 1;
    double approximate = 0;
};

// c[i] is the coefficient of x^i, no zero at the top; nothing when the formula is not a
// polynomial (a divisor or a root depending on x, a power that is not a small whole number), its
// degree exceeds kHighestZerosDegree or a coefficient leaves 128 bits.
std::optional<std::vector<Rational>> PolynomialCoefficients(const FunctionFormula &formula);

// The zeros from −10 to 10 of the polynomial, the least first, each once; nothing when the exact
// work would leave 128 bits (the caller then scans the values). The zero polynomial has none.
std::optional<std::vector<PolynomialZero>> PolynomialZerosBetweenTens(const std::vector<Rational> &coefficients);

} // namespace qimbel
