// The exact solution sets that marking compares: the real roots of an equation in one unknown
// (rational numbers and numbers p＋q√r), an inequality's ray, "every number except …" and "none".
#pragma once

#include "algebra/FractionAlgebra.h"

#include <optional>
#include <string>
#include <vector>

namespace qimbel::marking {

// The real number p＋q√r: r is a square-free whole number above 1, or 1 with q 0 for a rational.
struct SurdNumber {
    Rational p {0, 1};
    Rational q {0, 1};
    Whole r = 1;
};

bool SameNumber(const SurdNumber &a, const SurdNumber &b);
bool HasNumber(const std::vector<SurdNumber> &numbers, const SurdNumber &n);
// The number as a pupil writes it: 3, 2.5, －1/3, 1＋√2, (1－√5)/2, －2√3.
std::string SurdNumberText(const SurdNumber &n);

struct SolutionSet {
    enum class Kind {
        Finite, // the numbers of `values` (none: no solution)
        AllExcept, // every number but those of `values`
        Above, // unknown ＞ bound, or ≥ when closed
        Below, // unknown ＜ bound, or ≤ when closed
    };
    Kind kind = Kind::Finite;
    std::vector<SurdNumber> values;
    Rational bound {0, 1};
    bool closed = false;
};

bool SameSet(const SolutionSet &a, const SolutionSet &b);
// The set less the numbers of `excluded` (the values that make a denominator 0).
SolutionSet Without(const SolutionSet &set, const std::vector<SurdNumber> &excluded);
// The union of two sets of kind Finite.
SolutionSet Joined(const SolutionSet &a, const SolutionSet &b);

// The real roots of p, a polynomial in `letter` alone of degree 1 or 2 (distinct, the smaller
// first); nothing when p holds another letter, has another degree, or its numbers grow too
// large to take the square root exactly. May throw fractions::TooLarge.
std::optional<std::vector<SurdNumber>> RootsOf(const fractions::Poly &p, char letter);
// The set of p (symbol) 0 for a polynomial p of degree at most 2 in `letter` and a symbol of
// "＝" "＞" "＜" "≥" "≤"; nothing when it is outside what can be worked exactly (an inequality
// of the second degree).
std::optional<SolutionSet> SetOf(const fractions::Poly &p, char letter, const std::string &symbol);

// a − b < 0 exactly (false when the difference cannot be formed).
bool LessThan(const Rational &a, const Rational &b);

} // namespace qimbel::marking
