// Polynomials with exact coefficients, and the form N(x)/D(x) of a function built from x and
// numbers with ＋ － × ÷ and whole powers: the form that tells a line from a parabola or a
// hyperbola, and that two functions are subtracted in to find where they meet.
#pragma once

#include "algebra/ExactNumber.h"
#include "charts/FunctionFormula.h"

#include <optional>
#include <string>
#include <vector>

namespace qimbel {

// The highest power a form may hold; beyond it the function counts as "other".
inline constexpr int kHighestFormDegree = 8;

// c[i] is the coefficient of x^i; no zero at the top (the zero polynomial has no coefficients).
struct Polynomial {
    std::vector<Rational> c;
    int Degree() const { return static_cast<int>(c.size()) - 1; } // −1 for zero
    bool IsZero() const { return c.empty(); }
    Rational At(int i) const
    {
        return i >= 0 && i < static_cast<int>(c.size()) ? c[static_cast<std::size_t>(i)] : Rational {0, 1};
    }
};

Polynomial Constant(const Rational &value);
// Sums, differences and products; nothing when a coefficient leaves 128 bits or the degree
// exceeds kHighestFormDegree.
std::optional<Polynomial> PolynomialSum(const Polynomial &a, const Polynomial &b);
std::optional<Polynomial> PolynomialDifference(const Polynomial &a, const Polynomial &b);
std::optional<Polynomial> PolynomialProduct(const Polynomial &a, const Polynomial &b);
std::optional<Rational> PolynomialValue(const Polynomial &p, const Rational &x);

// The text Qimbel writes for a polynomial: x^2－2x－3, －x, (1/2)x＋1, 0.
std::string PolynomialText(const Polynomial &p);

// N/D with D ≠ 0. A constant denominator is always 1; a common power of x is taken out of both.
// `holes` is set when a factor of x was cancelled away entirely (x^2/x has no value at 0).
struct RationalForm {
    Polynomial numerator;
    Polynomial denominator;
    bool holes = false;
};

// The form of a read function; nothing when it holds a root or an absolute value of something
// that depends on x, a power that is not a small whole number, or exceeds the degree bound.
std::optional<RationalForm> RationalFormOf(const FunctionFormula &formula);

} // namespace qimbel
