// Exact roots of a quadratic with rational coefficients: rational, or p ± q√r with r a
// square-free whole number, as a teacher writes them (1＋√2, 3√5/2).
#pragma once

#include "charts/FunctionForm.h"

#include <optional>
#include <string>

namespace qimbel {

// a + b√r; b is 0 or r is a square-free whole number above 1.
struct RootSurd {
    Rational a;
    Rational b;
    Whole r = 1;
    bool IsRational() const { return b.numerator == 0; }
    double Approximate() const;
};

RootSurd RationalRootSurd(const Rational &value);
// Sums and products of surds of the same root (or rational ones); nothing on overflow.
std::optional<RootSurd> RootSurdSum(const RootSurd &x, const RootSurd &y);
std::optional<RootSurd> RootSurdProduct(const RootSurd &x, const RootSurd &y);
std::optional<RootSurd> RootSurdInverse(const RootSurd &x);
// The value of N(x)/D(x) at a surd; nothing where D is 0 or on overflow.
std::optional<RootSurd> FormValue(const RationalForm &form, const RootSurd &x);
// 3, －1/2, 1＋√2, 2－2√2, √3/2, －3√5.
std::string RootSurdText(const RootSurd &x);

// The real roots of a·x² + b·x + c = 0 (a ≠ 0): none, one double root, or x1 > x2.
struct QuadraticRoots {
    Rational delta; // b² − 4ac
    int count = 0;
    RootSurd x1, x2;
};
std::optional<QuadraticRoots> SolveQuadratic(const Rational &a, const Rational &b, const Rational &c);

} // namespace qimbel
