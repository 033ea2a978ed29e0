// The searches behind the factorisation methods: the common factor of terms, square roots of
// monomials, a quadratic read as A·x² + B·x·M + C·M², the integer splittings of cross
// multiplication, and rational roots with exact division.
#pragma once

#include "algebra/FactorPolynomial.h"

#include <optional>
#include <vector>

namespace qimbel {

// The common factor of the terms: the greatest common divisor of the coefficients, with the sign
// of the first term, and the lowest exponent of every letter.
PolyTerm CommonFactorOf(const Poly &p);
// Every term divided by the monomial (which must divide each of them).
Poly DividedByTerm(const Poly &p, const PolyTerm &by);
bool IsOne(const PolyTerm &t);

// The monomial whose square is `t` (positive coefficient, perfect square, even exponents).
std::optional<PolyTerm> SquareRootOf(const PolyTerm &t);
// "3^2", "x^2", "(2x)^2", "(x^2)^2": the square of a positive monomial as a pupil writes it.
std::string SquareText(const PolyTerm &root);

// a² ± 2ab + b² with a, b positive monomials: the squares and the sign of the middle term.
struct SquareOfSum {
    PolyTerm a;
    PolyTerm b;
    int sign = 1;
};
std::optional<SquareOfSum> PerfectSquareOf(const Poly &p);
// "x^2＋2×x×3＋3^2": the trinomial written as the square formula shows it.
std::string PerfectSquareText(const SquareOfSum &s);
// a + sign·b as a polynomial of two terms.
Poly TwoTerms(const PolyTerm &a, const PolyTerm &b, int sign);

// A polynomial read as A·X² + B·X·M + C·M² with X a power x^k of one letter (x itself, or x^2
// in x^4＋7x^2＋12), C not 0 and M a monomial of the other letters (empty for a polynomial in x
// alone).
struct QuadraticForm {
    int letter = 0;
    int power = 1; // k
    Exponents m {};
    long long a = 0, b = 0, c = 0;
};
// "x", "x^2": the X of the form, and its square.
std::string QuadraticUnknown(const QuadraticForm &q, int times = 1);
std::optional<QuadraticForm> QuadraticOf(const Poly &p);

// A = a1·a2 and C = c1·c2 with a1·c2 + a2·c1 = B (a1 > 0, the smallest splittings first).
struct CrossSplit {
    long long a1 = 0, a2 = 0, c1 = 0, c2 = 0;
};
std::optional<CrossSplit> CrossSplitOf(const QuadraticForm &q);
// The linear factor k·x + c·M.
Poly LinearFactor(const QuadraticForm &q, long long k, long long c);

// The first factor of the product that is a quadratic with a cross splitting.
struct CrossFound {
    std::size_t index = 0;
    QuadraticForm form;
    CrossSplit split;
};
std::optional<CrossFound> FirstCrossSplit(const Factored &f);

// Factor i of the product replaced by the two linear factors of the splitting (one factor
// squared when they are the same).
void SplitQuadratic(Factored &f, std::size_t i, const QuadraticForm &q, const CrossSplit &s);

// Factor i of the product replaced by `first` and `second`, both with the power factor i had.
void SplitFactor(Factored &f, std::size_t i, const Poly &first, const Poly &second);

// The letters of a factor that the searches with one letter as the unknown work on: two or three
// letters and at most kMostSearchedTerms terms; empty for any other factor.
std::vector<int> SearchedLetters(const Poly &p);

// A whole number in brackets when negative: 3, (－2).
std::string BracketedNumber(long long value);

// For a polynomial in the one letter x: a rational root p/q (q > 0) by the rational root test,
// the root 0 first; nothing when there is none or the numbers are too large.
struct RationalRoot {
    long long p = 0, q = 1;
};
std::optional<RationalRoot> RationalRootOf(const Poly &p, int letter);
// The exact quotient of p by q·x − r; nothing when the division leaves a remainder.
std::optional<Poly> DividedByLinear(const Poly &p, int letter, const RationalRoot &root);

} // namespace qimbel
