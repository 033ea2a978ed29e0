#include "marking/EquationSet.h"

#include "algebra/SurdValue.h"

namespace qimbel::marking {

using namespace fractions;

namespace {

bool SameRational(const Rational &a, const Rational &b)
{
    return a.numerator == b.numerator && a.denominator == b.denominator;
}

Rational Whole1(Whole n) { return Rational {n, 1}; }

// Whether c (symbol) 0 holds for a number c.
bool Holds(const Rational &c, const std::string &symbol)
{
    const Whole n = c.numerator;
    if (symbol == "＝")
        return n == 0;
    if (symbol == "＞")
        return n > 0;
    if (symbol == "＜")
        return n < 0;
    if (symbol == "≥")
        return n >= 0;
    return n <= 0;
}

// The coefficient of letter^power in a polynomial in that letter alone.
Rational CoefficientOf(const Poly &p, char letter, int power)
{
    Monomial m;
    if (power > 0)
        m[letter] = power;
    const auto it = p.find(m);
    return it == p.end() ? Rational {0, 1} : it->second;
}

bool OnlyLetter(const Poly &p, char letter)
{
    for (const auto &[m, c] : p)
        for (const auto &[l, power] : m)
            if (l != letter)
                return false;
    return true;
}

} // namespace

bool LessThan(const Rational &a, const Rational &b)
{
    const std::optional<Rational> minus = RationalProduct(b, Rational {-1, 1});
    const std::optional<Rational> d = minus ? RationalSum(a, *minus) : std::nullopt;
    return d && d->numerator < 0;
}

bool SameNumber(const SurdNumber &a, const SurdNumber &b)
{
    return SameRational(a.p, b.p) && SameRational(a.q, b.q) && (a.q.numerator == 0 || a.r == b.r);
}

bool HasNumber(const std::vector<SurdNumber> &numbers, const SurdNumber &n)
{
    for (const SurdNumber &m : numbers)
        if (SameNumber(m, n))
            return true;
    return false;
}

std::string SurdNumberText(const SurdNumber &n)
{
    if (n.q.numerator == 0)
        return ExactText(n.p);
    // Over one denominator: (A ± C√r)/D; p＋q√r as it stands when that does not fit.
    const Whole g = WholeGcd(n.p.denominator, n.q.denominator);
    Whole d = 0, a = 0, c = 0;
    if (MultiplyOverflows(n.p.denominator / g, n.q.denominator, d) || MultiplyOverflows(n.p.numerator, d / n.p.denominator, a)
        || MultiplyOverflows(n.q.numerator, d / n.q.denominator, c)) {
        const bool negative = n.q.numerator < 0;
        const Rational size {negative ? -n.q.numerator : n.q.numerator, n.q.denominator};
        return ExactText(n.p) + (negative ? "－" : "＋") + ExactText(size) + "√" + WholeText(n.r);
    }
    std::string top = a == 0 ? std::string() : WholeText(a);
    top += c < 0 ? "－" : a == 0 ? "" : "＋";
    const Whole size = c < 0 ? -c : c;
    top += (size == 1 ? std::string() : WholeText(size)) + "√" + WholeText(n.r);
    if (d == 1)
        return top;
    return (a == 0 ? top : "(" + top + ")") + "/" + WholeText(d);
}

bool SameSet(const SolutionSet &a, const SolutionSet &b)
{
    if (a.kind != b.kind)
        return false;
    if (a.kind == SolutionSet::Kind::Above || a.kind == SolutionSet::Kind::Below)
        return SameRational(a.bound, b.bound) && a.closed == b.closed;
    if (a.values.size() != b.values.size())
        return false;
    for (const SurdNumber &n : a.values)
        if (!HasNumber(b.values, n))
            return false;
    return true;
}

SolutionSet Without(const SolutionSet &set, const std::vector<SurdNumber> &excluded)
{
    SolutionSet out = set;
    if (set.kind == SolutionSet::Kind::Finite) {
        out.values.clear();
        for (const SurdNumber &n : set.values)
            if (!HasNumber(excluded, n))
                out.values.push_back(n);
    } else if (set.kind == SolutionSet::Kind::AllExcept) {
        for (const SurdNumber &n : excluded)
            if (!HasNumber(out.values, n))
                out.values.push_back(n);
    }
    return out;
}

SolutionSet Joined(const SolutionSet &a, const SolutionSet &b)
{
    SolutionSet out = a;
    for (const SurdNumber &n : b.values)
        if (!HasNumber(out.values, n))
            out.values.push_back(n);
    return out;
}

std::optional<std::vector<SurdNumber>> RootsOf(const Poly &p, char letter)
{
    if (!OnlyLetter(p, letter))
        return std::nullopt;
    const int degree = DegreeIn(p, letter);
    const Rational c0 = CoefficientOf(p, letter, 0);
    const Rational c1 = CoefficientOf(p, letter, 1);
    if (degree == 1)
        return std::vector<SurdNumber> {{Over(Negated(c0), c1)}};
    if (degree != 2)
        return std::nullopt;
    const Rational c2 = CoefficientOf(p, letter, 2);
    const Rational disc = Plus(Times(c1, c1), Negated(Times(Whole1(4), Times(c2, c0))));
    const Rational twoA = Times(Whole1(2), c2);
    const Rational middle = Over(Negated(c1), twoA);
    if (disc.numerator < 0)
        return std::vector<SurdNumber> {};
    if (disc.numerator == 0)
        return std::vector<SurdNumber> {{middle}};
    // √(n/d) = √(n·d)/d = k√s/d.
    Whole nd = 0;
    if (MultiplyOverflows(disc.numerator, disc.denominator, nd))
        return std::nullopt;
    const std::optional<std::pair<Whole, Whole>> split = SquareFree(nd);
    if (!split)
        return std::nullopt;
    Rational half = Over(Rational {split->first, disc.denominator}, twoA);
    if (half.numerator < 0)
        half = Negated(half);
    if (split->second == 1)
        return std::vector<SurdNumber> {{Plus(middle, Negated(half))}, {Plus(middle, half)}};
    return std::vector<SurdNumber> {{middle, Negated(half), split->second}, {middle, half, split->second}};
}

std::optional<SolutionSet> SetOf(const Poly &p, char letter, const std::string &symbol)
{
    if (!OnlyLetter(p, letter))
        return std::nullopt;
    const int degree = DegreeIn(p, letter);
    SolutionSet set;
    if (degree == 0) {
        set.kind = Holds(ConstantOf(p), symbol) ? SolutionSet::Kind::AllExcept : SolutionSet::Kind::Finite;
        return set;
    }
    if (symbol == "＝") {
        std::optional<std::vector<SurdNumber>> roots = RootsOf(p, letter);
        if (!roots)
            return std::nullopt;
        set.values = *roots;
        return set;
    }
    if (degree != 1)
        return std::nullopt;
    // a·x ＋ b (symbol) 0: x (symbol, reversed when a < 0) −b/a.
    const Rational a = CoefficientOf(p, letter, 1);
    set.bound = Over(Negated(CoefficientOf(p, letter, 0)), a);
    const bool above = (symbol == "＞" || symbol == "≥") == (a.numerator > 0);
    set.kind = above ? SolutionSet::Kind::Above : SolutionSet::Kind::Below;
    set.closed = symbol == "≥" || symbol == "≤";
    return set;
}

} // namespace qimbel::marking
