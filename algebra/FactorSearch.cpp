#include "algebra/FactorSearch.h"

#include "solver/WholeNumbers.h"

#include <algorithm>
#include <cmath>

namespace qimbel {

namespace {

constexpr long long kLargestSearched = 1000000000000LL; // 10^12: divisor searches stay below 10^6 steps
// Pairs of divisors tried at most, so that numbers with very many divisors stay quick.
constexpr std::size_t kMostPairs = 200000;

long long Magnitude(long long v) { return v < 0 ? -v : v; }

// The coefficients of a one-letter polynomial, index = exponent.
std::vector<__int128> Coefficients(const Poly &p, int letter)
{
    std::vector<__int128> c(static_cast<std::size_t>(DegreeIn(p, letter)) + 1, 0);
    for (const PolyTerm &t : p.terms)
        c[t.exponents[static_cast<std::size_t>(letter)]] += t.coefficient;
    return c;
}

// Σ c_k p^k q^(n−k) = q^n · P(p/q); nothing on overflow.
std::optional<__int128> ScaledValue(const std::vector<__int128> &c, long long p, long long q)
{
    __int128 sum = 0;
    __int128 pk = 1;
    const int n = static_cast<int>(c.size()) - 1;
    for (int k = 0; k <= n; ++k) {
        __int128 term = 0;
        if (__builtin_mul_overflow(c[static_cast<std::size_t>(k)], pk, &term))
            return std::nullopt;
        for (int j = k; j < n; ++j)
            if (__builtin_mul_overflow(term, static_cast<__int128>(q), &term))
                return std::nullopt;
        if (__builtin_add_overflow(sum, term, &sum))
            return std::nullopt;
        if (k < n && __builtin_mul_overflow(pk, static_cast<__int128>(p), &pk))
            return std::nullopt;
    }
    return sum;
}

} // namespace

PolyTerm CommonFactorOf(const Poly &p)
{
    PolyTerm common;
    if (p.terms.empty())
        return common;
    common.exponents = p.terms[0].exponents;
    long long g = 0;
    for (const PolyTerm &t : p.terms) {
        g = GcdOf(g, t.coefficient);
        for (std::size_t k = 0; k < common.exponents.size(); ++k)
            common.exponents[k] = std::min(common.exponents[k], t.exponents[k]);
    }
    common.coefficient = p.terms[0].coefficient < 0 ? -g : g;
    return common;
}

Poly DividedByTerm(const Poly &p, const PolyTerm &by)
{
    Poly q;
    for (const PolyTerm &t : p.terms) {
        PolyTerm r = t;
        r.coefficient = t.coefficient / by.coefficient;
        for (std::size_t k = 0; k < r.exponents.size(); ++k)
            r.exponents[k] = static_cast<unsigned char>(t.exponents[k] - by.exponents[k]);
        q.terms.push_back(r);
    }
    return q;
}

bool IsOne(const PolyTerm &t) { return t.coefficient == 1 && TotalDegree(t.exponents) == 0; }

std::optional<PolyTerm> SquareRootOf(const PolyTerm &t)
{
    if (t.coefficient <= 0)
        return std::nullopt;
    const long long r = SquareRootFloor(t.coefficient);
    if (r * r != t.coefficient)
        return std::nullopt;
    PolyTerm root;
    root.coefficient = r;
    for (std::size_t k = 0; k < t.exponents.size(); ++k) {
        if (t.exponents[k] % 2 != 0)
            return std::nullopt;
        root.exponents[k] = static_cast<unsigned char>(t.exponents[k] / 2);
    }
    return root;
}

std::string SquareText(const PolyTerm &root)
{
    const std::string text = MonomialText(root.coefficient, root.exponents);
    const int degree = TotalDegree(root.exponents);
    const bool bare = (degree == 0) || (root.coefficient == 1 && degree == 1);
    return bare ? text + "^2" : "(" + text + ")^2";
}

std::optional<SquareOfSum> PerfectSquareOf(const Poly &p)
{
    if (p.terms.size() != 3)
        return std::nullopt;
    for (int x = 0; x < 3; ++x)
        for (int y = x + 1; y < 3; ++y) {
            const std::optional<PolyTerm> a = SquareRootOf(p.terms[static_cast<std::size_t>(x)]);
            const std::optional<PolyTerm> b = SquareRootOf(p.terms[static_cast<std::size_t>(y)]);
            if (!a || !b)
                continue;
            const PolyTerm &middle = p.terms[static_cast<std::size_t>(3 - x - y)];
            std::optional<Poly> twice = PolyProduct(
                MonomialPoly(2 * a->coefficient, a->exponents), MonomialPoly(b->coefficient, b->exponents));
            if (!twice || twice->terms.size() != 1 || twice->terms[0].exponents != middle.exponents)
                continue;
            const long long product = twice->terms[0].coefficient;
            if (middle.coefficient == product || middle.coefficient == -product)
                return SquareOfSum {*a, *b, middle.coefficient > 0 ? 1 : -1};
        }
    return std::nullopt;
}

std::string PerfectSquareText(const SquareOfSum &s)
{
    return SquareText(s.a) + (s.sign > 0 ? "＋" : "－") + "2×" + MonomialText(s.a.coefficient, s.a.exponents) + "×"
        + MonomialText(s.b.coefficient, s.b.exponents) + "＋" + SquareText(s.b);
}

Poly TwoTerms(const PolyTerm &a, const PolyTerm &b, int sign)
{
    Poly p;
    p.terms.push_back(a);
    PolyTerm second = b;
    second.coefficient *= sign;
    p.terms.push_back(second);
    return p;
}

std::optional<QuadraticForm> QuadraticOf(const Poly &p)
{
    if (p.terms.size() < 2 || p.terms.size() > 3)
        return std::nullopt;
    for (int x = 0; x < kLetterCount; ++x) {
        if (DegreeIn(p, x) != 2)
            continue;
        const PolyTerm *byPower[3] = {nullptr, nullptr, nullptr};
        bool fits = true;
        for (const PolyTerm &t : p.terms) {
            const int e = t.exponents[static_cast<std::size_t>(x)];
            if (byPower[e] != nullptr)
                fits = false;
            byPower[e] = &t;
        }
        if (!fits || byPower[2] == nullptr || byPower[0] == nullptr)
            continue;
        Exponents rest2 = byPower[2]->exponents;
        rest2[static_cast<std::size_t>(x)] = 0;
        if (TotalDegree(rest2) != 0)
            continue;
        QuadraticForm q;
        q.letter = x;
        q.a = byPower[2]->coefficient;
        q.c = byPower[0]->coefficient;
        // M from the middle term when there is one, else half of the last term's letters.
        Exponents m {};
        if (byPower[1] != nullptr) {
            m = byPower[1]->exponents;
            m[static_cast<std::size_t>(x)] = 0;
            q.b = byPower[1]->coefficient;
        } else {
            for (std::size_t k = 0; k < m.size() && fits; ++k) {
                fits = byPower[0]->exponents[k] % 2 == 0;
                m[k] = static_cast<unsigned char>(byPower[0]->exponents[k] / 2);
            }
        }
        for (std::size_t k = 0; k < m.size() && fits; ++k)
            fits = byPower[0]->exponents[k] == 2 * m[k];
        if (!fits)
            continue;
        q.m = m;
        return q;
    }
    return std::nullopt;
}

std::optional<CrossSplit> CrossSplitOf(const QuadraticForm &q)
{
    if (q.a == 0 || q.c == 0 || Magnitude(q.a) > kLargestSearched || Magnitude(q.c) > kLargestSearched)
        return std::nullopt;
    const std::vector<long long> cs = FactorsOf(Magnitude(q.c));
    const std::vector<long long> as = FactorsOf(Magnitude(q.a));
    if (as.size() * cs.size() > kMostPairs)
        return std::nullopt;
    for (long long a1 : as) {
        const long long a2 = q.a / a1;
        for (long long d : cs)
            for (long long c1 : {d, -d}) {
                const long long c2 = q.c / c1;
                if (static_cast<__int128>(a1) * c2 + static_cast<__int128>(a2) * c1 == q.b)
                    return CrossSplit {a1, a2, c1, c2};
            }
    }
    return std::nullopt;
}

std::optional<CrossFound> FirstCrossSplit(const Factored &f)
{
    for (std::size_t i = 0; i < f.factors.size(); ++i)
        if (const std::optional<QuadraticForm> q = QuadraticOf(f.factors[i].poly))
            if (const std::optional<CrossSplit> s = CrossSplitOf(*q))
                return CrossFound {i, *q, *s};
    return std::nullopt;
}

Poly LinearFactor(const QuadraticForm &q, long long k, long long c)
{
    Exponents x {};
    x[static_cast<std::size_t>(q.letter)] = 1;
    Poly p = MonomialPoly(k, x);
    if (c != 0)
        p.terms.push_back({q.m, c});
    return p;
}

// Replaces factor i by the two linear factors of a cross splitting (one squared factor when
// they are the same).
void SplitQuadratic(Factored &f, std::size_t i, const QuadraticForm &q, const CrossSplit &s)
{
    const Poly first = LinearFactor(q, s.a1, s.c1);
    const Poly second = LinearFactor(q, s.a2, s.c2);
    if (SamePoly(first, second)) {
        f.factors[i].poly = first;
        f.factors[i].power *= 2;
    } else {
        const int power = f.factors[i].power;
        f.factors[i].poly = first;
        f.factors.insert(f.factors.begin() + static_cast<long>(i) + 1, PolyFactor {second, power});
    }
    Tidy(f);
}

std::string BracketedNumber(long long value)
{
    return value < 0 ? "(" + CoefficientText(value) + ")" : CoefficientText(value);
}

std::optional<RationalRoot> RationalRootOf(const Poly &p, int letter)
{
    const std::vector<__int128> c = Coefficients(p, letter);
    if (c.size() < 2)
        return std::nullopt;
    if (c[0] == 0)
        return RationalRoot {0, 1};
    const __int128 lead = c.back();
    const __int128 last = c[0];
    if (lead > kLargestSearched || lead < -kLargestSearched || last > kLargestSearched || last < -kLargestSearched)
        return std::nullopt;
    const std::vector<long long> ps = FactorsOf(static_cast<long long>(last < 0 ? -last : last));
    const std::vector<long long> qs = FactorsOf(static_cast<long long>(lead < 0 ? -lead : lead));
    if (ps.size() * qs.size() * c.size() > kMostPairs * 4)
        return std::nullopt;
    for (long long q : qs)
        for (long long d : ps)
            for (long long r : {d, -d}) {
                if (GcdOf(r, q) != 1)
                    continue;
                const std::optional<__int128> v = ScaledValue(c, r, q);
                if (v && *v == 0)
                    return RationalRoot {r, q};
            }
    return std::nullopt;
}

std::optional<Poly> DividedByLinear(const Poly &p, int letter, const RationalRoot &root)
{
    // Synthetic division by q·x − r from the top: each quotient coefficient is the running
    // remainder's top coefficient divided by q.
    std::vector<__int128> c = Coefficients(p, letter);
    const int n = static_cast<int>(c.size()) - 1;
    if (n < 1 || root.q == 0)
        return std::nullopt;
    std::vector<__int128> quotient(static_cast<std::size_t>(n), 0);
    for (int k = n; k >= 1; --k) {
        const __int128 top = c[static_cast<std::size_t>(k)];
        if (top % root.q != 0)
            return std::nullopt;
        const __int128 qk = top / root.q;
        quotient[static_cast<std::size_t>(k - 1)] = qk;
        c[static_cast<std::size_t>(k)] = 0;
        c[static_cast<std::size_t>(k - 1)] += qk * root.p;
    }
    if (c[0] != 0)
        return std::nullopt;
    Poly result;
    for (int k = n - 1; k >= 0; --k) {
        const __int128 v = quotient[static_cast<std::size_t>(k)];
        if (v == 0)
            continue;
        if (v > 4000000000000000000LL || v < -4000000000000000000LL)
            return std::nullopt;
        PolyTerm t;
        t.exponents[static_cast<std::size_t>(letter)] = static_cast<unsigned char>(k);
        t.coefficient = static_cast<long long>(v);
        result.terms.push_back(t);
    }
    return result;
}

} // namespace qimbel
