#include "algebra/SurdValue.h"

#include "solver/GbkText.h"

#include <algorithm>

namespace qimbel {

std::optional<std::pair<Whole, Whole>> SquareFree(Whole n)
{
    if (n < 1 || n > kLargestRadicand)
        return std::nullopt;
    unsigned long long rest = static_cast<unsigned long long>(n);
    Whole k = 1;
    Whole s = 1;
    for (unsigned long long p = 2; p * p <= rest; ++p) {
        int e = 0;
        while (rest % p == 0) {
            rest /= p;
            ++e;
        }
        for (int i = 0; i < e / 2; ++i)
            k *= static_cast<Whole>(p);
        if (e % 2 == 1)
            s *= static_cast<Whole>(p);
    }
    s *= static_cast<Whole>(rest);
    return std::pair {k, s};
}

namespace {

// Adds c√r (r square-free) into the sorted terms.
bool AddTerm(Surd &a, Whole radicand, const QValue &coefficient)
{
    if (!coefficient.ok)
        return false;
    auto at = std::lower_bound(
        a.terms.begin(), a.terms.end(), radicand, [](const SurdTerm &t, Whole r) { return t.radicand < r; });
    if (at != a.terms.end() && at->radicand == radicand) {
        at->coefficient = at->coefficient + coefficient;
        if (!at->coefficient.ok)
            return false;
        if (IsZero(at->coefficient))
            a.terms.erase(at);
        return true;
    }
    if (IsZero(coefficient))
        return true;
    if (a.terms.size() >= kMostSurdTerms)
        return false;
    a.terms.insert(at, SurdTerm {radicand, coefficient});
    return true;
}

} // namespace

Surd SurdOf(const QValue &value)
{
    Surd s;
    AddTerm(s, 1, value);
    return s;
}

std::optional<Surd> SurdRoot(const QValue &value)
{
    if (!value.ok || Negative(value))
        return std::nullopt;
    if (IsZero(value))
        return Surd {};
    // √(p/q) ＝ √(pq)/q
    Whole pq = 0;
    if (MultiplyOverflows(value.v.numerator, value.v.denominator, pq))
        return std::nullopt;
    const std::optional<std::pair<Whole, Whole>> split = SquareFree(pq);
    if (!split)
        return std::nullopt;
    Surd s;
    if (!AddTerm(s, split->second, MakeQ(split->first, value.v.denominator)))
        return std::nullopt;
    return s;
}

std::optional<Surd> SurdSum(const Surd &a, const Surd &b)
{
    Surd s = a;
    for (const SurdTerm &t : b.terms)
        if (!AddTerm(s, t.radicand, t.coefficient))
            return std::nullopt;
    return s;
}

std::optional<Surd> SurdNegated(const Surd &a)
{
    Surd s = a;
    for (SurdTerm &t : s.terms)
        t.coefficient = -t.coefficient;
    return s;
}

std::optional<Surd> SurdProduct(const Surd &a, const Surd &b)
{
    Surd s;
    for (const SurdTerm &x : a.terms) {
        for (const SurdTerm &y : b.terms) {
            // √m·√n ＝ g√((m/g)(n/g)) with g ＝ gcd(m, n); the rest is square-free again.
            const Whole g = WholeGcd(x.radicand, y.radicand);
            Whole r = 0;
            if (MultiplyOverflows(x.radicand / g, y.radicand / g, r) || r > kLargestRadicand)
                return std::nullopt;
            if (!AddTerm(s, r, x.coefficient * y.coefficient * MakeQ(g)))
                return std::nullopt;
        }
    }
    return s;
}

Surd SurdConjugate(const Surd &b)
{
    // The term whose sign changes: the one negative term, else the second (2＋√3 gives 2－√3,
    // √3－√2 gives √3＋√2).
    Surd c = b;
    if (c.terms.size() != 2)
        return c;
    const bool firstNegative = Negative(c.terms[0].coefficient);
    const bool secondNegative = Negative(c.terms[1].coefficient);
    SurdTerm &flip = firstNegative && !secondNegative ? c.terms[0] : c.terms[1];
    flip.coefficient = -flip.coefficient;
    return c;
}

std::optional<Surd> SurdQuotient(const Surd &a, const Surd &b)
{
    if (b.terms.empty() || b.terms.size() > 2)
        return std::nullopt;
    // One term c√r: multiply by √r; two terms: by the conjugate. The divisor becomes rational.
    Surd by = b.terms.size() == 1 ? Surd {{SurdTerm {b.terms[0].radicand, MakeQ(1)}}} : SurdConjugate(b);
    const std::optional<Surd> top = SurdProduct(a, by);
    const std::optional<Surd> bottom = SurdProduct(b, by);
    if (!top || !bottom || bottom->terms.size() != 1 || bottom->terms[0].radicand != 1)
        return std::nullopt;
    const QValue d = bottom->terms[0].coefficient;
    Surd s;
    for (const SurdTerm &t : top->terms)
        if (!AddTerm(s, t.radicand, t.coefficient / d))
            return std::nullopt;
    return s;
}

bool IsRational(const Surd &a) { return a.terms.empty() || (a.terms.size() == 1 && a.terms[0].radicand == 1); }

bool SurdEqual(const Surd &a, const Surd &b)
{
    if (a.terms.size() != b.terms.size())
        return false;
    for (std::size_t k = 0; k < a.terms.size(); ++k)
        if (a.terms[k].radicand != b.terms[k].radicand || !Same(a.terms[k].coefficient, b.terms[k].coefficient))
            return false;
    return true;
}

std::string SurdText(const Surd &a)
{
    if (a.terms.empty())
        return "0";
    // Several terms over one denominator are written over it once: (1＋√5)/2.
    Whole common = a.terms[0].coefficient.v.denominator;
    for (const SurdTerm &t : a.terms)
        common = t.coefficient.v.denominator == common ? common : 1;
    const bool together = a.terms.size() > 1 && common > 1;
    std::string text;
    for (const SurdTerm &t : a.terms) {
        const bool negative = Negative(t.coefficient);
        const Whole p = negative ? -t.coefficient.v.numerator : t.coefficient.v.numerator;
        const Whole q = together ? 1 : t.coefficient.v.denominator;
        text += negative ? "－" : text.empty() ? "" : "＋";
        if (t.radicand == 1) {
            text += FractionText(p, q);
            continue;
        }
        text += (p == 1 ? std::string() : WholeText(p)) + "√" + WholeText(t.radicand);
        if (q != 1)
            text += "/" + WholeText(q);
    }
    return together ? "(" + text + ")/" + WholeText(common) : text;
}

} // namespace qimbel
