#include "algebra/PolyAlgebra.h"

#include "algebra/FactorSearch.h"
#include "algebra/FractionAlgebra.h"
#include "solver/WholeNumbers.h"

namespace qimbel {

namespace {

// Bounds the rounds of a division or a square root: each round takes away the leading term, so
// a result never has more terms than this.
constexpr int kMostRounds = 2000;

const PolyTerm &Leading(const Poly &sorted) { return sorted.terms.front(); }

// t ÷ by when it is a whole monomial.
std::optional<PolyTerm> TermQuotient(const PolyTerm &t, const PolyTerm &by)
{
    if (by.coefficient == 0 || t.coefficient % by.coefficient != 0)
        return std::nullopt;
    PolyTerm q;
    q.coefficient = t.coefficient / by.coefficient;
    for (std::size_t k = 0; k < q.exponents.size(); ++k) {
        if (t.exponents[k] < by.exponents[k])
            return std::nullopt;
        q.exponents[k] = static_cast<unsigned char>(t.exponents[k] - by.exponents[k]);
    }
    return q;
}

std::optional<Poly> Minus(const Poly &a, const Poly &b) { return PolySum(a, PolyNegated(b)); }

fractions::Poly ToFractions(const Poly &p)
{
    fractions::Poly f;
    for (const PolyTerm &t : p.terms) {
        fractions::Monomial m;
        for (int k = 0; k < kLetterCount; ++k)
            if (t.exponents[static_cast<std::size_t>(k)] > 0)
                m[LetterOf(k)] = t.exponents[static_cast<std::size_t>(k)];
        f.emplace(m, Rational {t.coefficient, 1});
    }
    return f;
}

std::optional<Poly> FromFractions(const fractions::Poly &f)
{
    Poly p;
    for (const auto &[m, c] : f) {
        if (c.denominator != 1 || c.numerator > 4000000000000000000LL || c.numerator < -4000000000000000000LL)
            return std::nullopt;
        PolyTerm t;
        t.coefficient = static_cast<long long>(c.numerator);
        for (const auto &[letter, power] : m) {
            if (power > 40)
                return std::nullopt;
            t.exponents[static_cast<std::size_t>(LetterIndex(letter))] = static_cast<unsigned char>(power);
        }
        p.terms.push_back(t);
    }
    return PolySorted(p);
}

} // namespace

std::optional<Poly> PolyQuotient(const Poly &a, const Poly &b)
{
    if (b.terms.empty())
        return std::nullopt;
    const PolyTerm lead = Leading(PolySorted(b));
    Poly quotient;
    Poly rest = PolySorted(a);
    for (int round = 0; round < kMostRounds; ++round) {
        if (rest.terms.empty())
            return PolySorted(quotient);
        const std::optional<PolyTerm> q = TermQuotient(Leading(rest), lead);
        if (!q)
            return std::nullopt;
        const Poly step = MonomialPoly(q->coefficient, q->exponents);
        const std::optional<Poly> product = PolyProduct(step, b);
        const std::optional<Poly> next = product ? Minus(rest, *product) : std::nullopt;
        const std::optional<Poly> sum = PolySum(quotient, step);
        if (!next || !sum)
            return std::nullopt;
        quotient = *sum;
        rest = PolySorted(*next);
    }
    return std::nullopt;
}

std::optional<Poly> PolySquareRoot(const Poly &p)
{
    if (p.terms.empty())
        return Poly {};
    const Poly sorted = PolySorted(p);
    const std::optional<PolyTerm> first = SquareRootOf(Leading(sorted));
    if (!first)
        return std::nullopt;
    PolyTerm twice = *first;
    twice.coefficient *= 2;
    Poly root = MonomialPoly(first->coefficient, first->exponents);
    // Each round the leading term of p − root² fixes the next term of the root: 2·first·t.
    for (int round = 0; round < kMostRounds; ++round) {
        const std::optional<Poly> square = PolyProduct(root, root);
        const std::optional<Poly> rest = square ? Minus(p, *square) : std::nullopt;
        if (!rest)
            return std::nullopt;
        if (rest->terms.empty())
            return root;
        const Poly sortedRest = PolySorted(*rest);
        const std::optional<PolyTerm> t = TermQuotient(Leading(sortedRest), twice);
        if (!t || !(t->exponents < root.terms.back().exponents))
            return std::nullopt;
        root.terms.push_back(*t);
    }
    return std::nullopt;
}

std::optional<Poly> PolyGcd(const Poly &a, const Poly &b)
{
    try {
        return FromFractions(fractions::Gcd(ToFractions(a), ToFractions(b)));
    } catch (const fractions::TooLarge &) {
        return std::nullopt;
    }
}

std::vector<Poly> CoefficientsIn(const Poly &p, int letter)
{
    std::vector<Poly> c(static_cast<std::size_t>(DegreeIn(p, letter)) + 1);
    for (const PolyTerm &t : p.terms) {
        PolyTerm rest = t;
        const int k = rest.exponents[static_cast<std::size_t>(letter)];
        rest.exponents[static_cast<std::size_t>(letter)] = 0;
        c[static_cast<std::size_t>(k)].terms.push_back(rest);
    }
    return c;
}

Poly TimesLetter(const Poly &p, int letter, int power)
{
    Poly r = p;
    for (PolyTerm &t : r.terms)
        t.exponents[static_cast<std::size_t>(letter)]
            = static_cast<unsigned char>(t.exponents[static_cast<std::size_t>(letter)] + power);
    return r;
}

Poly AtZero(const Poly &p, int letter)
{
    Poly r;
    for (const PolyTerm &t : p.terms)
        if (t.exponents[static_cast<std::size_t>(letter)] == 0)
            r.terms.push_back(t);
    return r;
}

long long IntegerContent(const Poly &p)
{
    long long g = 0;
    for (const PolyTerm &t : p.terms)
        g = GcdOf(g, t.coefficient);
    return g < 0 ? -g : g;
}

Poly DividedByInteger(const Poly &p, long long d)
{
    Poly r = p;
    for (PolyTerm &t : r.terms)
        t.coefficient /= d;
    return r;
}

} // namespace qimbel
