// Exact algebra on fractions of polynomials, behind 分式四则运算 and 分式方程: polynomials with
// rational coefficients in any letters, their sum, product, exact quotient and greatest common
// divisor, their text, and the reading of a typed expression into fractions.
//
// Every coefficient is an exact Rational. A value that no longer fits in 128 bits throws
// TooLarge inside; the routines catch it and answer with a sentence, so nothing is ever rounded.
#pragma once

#include "algebra/ExactNumber.h"
#include "solver/Solver.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace qimbel::fractions {

struct TooLarge { };

// More work than any line a pupil types needs: thrown by the polynomial operations below once the
// work that the innermost WorkLimit allows is spent, so that a line which would grow without
// bound (many letters multiplied out, a common denominator of many factors) is refused in a few
// milliseconds instead of taking seconds or minutes. A TooLarge, so every routine that catches
// that catches this too.
struct TooMuchWork : TooLarge { };

// While it lives, the operations on this thread may do `units` steps of work (one step is one
// term added into a polynomial); a limit inside another takes the smaller of the two and spends
// from the outer one too.
class WorkLimit {
public:
    explicit WorkLimit(long long units);
    ~WorkLimit();
    WorkLimit(const WorkLimit &) = delete;
    WorkLimit &operator=(const WorkLimit &) = delete;

private:
    long long saved_;
    long long start_;
};

// The work a line of 分式四则运算 or one phase of a marked step may do: 10 to 25 ms of CPU on a
// 2.6 GHz core (bench_bounded); the lines of the textbooks need a few thousand steps.
inline constexpr long long kLineWork = 150000;

// Exact rational arithmetic that throws TooLarge instead of overflowing.
Rational Plus(const Rational &a, const Rational &b);
Rational Times(const Rational &a, const Rational &b);
Rational Over(const Rational &a, const Rational &b); // b is not 0
Rational Negated(const Rational &a);

// A monomial: the exponent (above 0) of each letter it holds.
using Monomial = std::map<char, int>;
// A polynomial: the coefficient (never 0) of each monomial; the empty map is 0.
using Poly = std::map<Monomial, Rational>;

// The monomials of p in the written order: higher total degree first, then the earlier letter
// with the higher power (x^2, xy, y^2, x, y, 1).
std::vector<Monomial> WrittenOrder(const Poly &p);
Poly Constant(const Rational &value);
Poly LetterPoly(char letter);
Poly Sum(const Poly &a, const Poly &b);
Poly Difference(const Poly &a, const Poly &b);
Poly Product(const Poly &a, const Poly &b);
Poly Scaled(const Poly &a, const Rational &factor);
bool IsConstant(const Poly &p);
bool SamePoly(const Poly &a, const Poly &b);
// The constant of a constant polynomial (0 for the empty one).
Rational ConstantOf(const Poly &p);
// The highest exponent of `letter` in p (0 when absent).
int DegreeIn(const Poly &p, char letter);
// p with `letter` replaced by the value.
Poly Substituted(const Poly &p, char letter, const Rational &value);
// a ÷ b when b divides a exactly; nothing otherwise (or when b is 0).
std::optional<Poly> ExactQuotient(const Poly &a, const Poly &b);
// The greatest common divisor, normalised (Normalised below); 1 for two constants.
Poly Gcd(const Poly &a, const Poly &b);
// The rational r with p = r·q, q having whole coefficients without a common factor and
// a positive first coefficient (in the written order); q is returned, r through `factor`.
Poly Normalised(const Poly &p, Rational *factor = nullptr);

// The text of p in the written order (higher degree first; x before y), with "＋" "－", powers as
// x^2, a coefficient 1 left out: x^2－2xy＋y^2, －4x＋8, 0 for the zero polynomial.
std::string PolyText(const Poly &p);
// True when the text has "＋" or "－" outside brackets after its first character.
bool HasOuterSign(const std::string &text);
// As a factor: bracketed when it has more than one term, or a coefficient and letters: (x＋1), (2x).
std::string FactorText(const Poly &p);
// The factorised form of p by the solver's factorisation (综合处理), when it finds one; else
// PolyText. A leading number of 1 is left out.
std::string FactorisedText(Solver &solver, const Poly &p);

// A fraction num/den of polynomials, den never 0.
struct Fraction {
    Poly num;
    Poly den;
    // The denominator as typed after the bar, outer brackets taken off (8－4x); empty when the
    // fraction was typed without a bar.
    std::string typedDen {};
};
// A denominator as it follows the bar: a number or a letter alone, else bracketed: (2x), (x＋1),
// [(x＋1)(x－1)].
std::string DenominatorText(Solver &solver, const Poly &den, bool factorised);
// The text num/den, each part bracketed where needed (den 1 gives num alone); each part
// factorised when asked.
std::string FractionText(Solver &solver, const Fraction &f, bool factorNum, bool factorDen);
// The least common denominator of the fractions: the least common multiple of the whole factors
// in front of the denominators, times the least common multiple of the rest: x and 2x give 2x,
// 8－4x and 2 give 4x－8.
Poly CommonDenominator(const std::vector<Fraction> &values);

// One term of a sum: its sign, then fractions multiplied or divided in written order.
struct Term {
    bool negative = false;
    std::vector<Fraction> factors;
    std::vector<bool> divides; // divides[k]: factor k is a divisor (k ≥ 1)
};

// Reads a sum of fractions. "/" is the fraction bar; where the text has no "/" (the page's check
// turns "/" into "÷"), the first "÷" after a numerator is the fraction bar and a "÷" after a
// whole fraction divides. A numerator or a denominator is a number, a monomial, a bracketed
// sum, or such pieces written side by side (2÷x(x＋1) is 2 over x(x＋1)). Nothing when the text
// is not such a sum or a denominator is 0.
std::optional<std::vector<Term>> ReadSum(const std::string &text);
// The value of a term and of a whole sum as one fraction (not reduced); nothing when a divisor
// is 0.
std::optional<Fraction> TermValue(const Term &term);
std::optional<Fraction> SumValue(const std::vector<Term> &terms);
// num/den reduced by their greatest common divisor, both with whole coefficients, the
// denominator's first coefficient positive: (2x^2－2)/(4x＋4) gives (x－1)/2.
Fraction Reduced(const Fraction &f);

} // namespace qimbel::fractions
