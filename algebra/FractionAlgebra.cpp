// Polynomials with exact rational coefficients: their arithmetic, exact quotient, greatest common
// divisor and normal form, and the common denominator and value of fractions of them.
#include "algebra/FractionAlgebra.h"
#include "algebra/WorkSpent.h"
#include "solver/PerThread.h"

#include <algorithm>
#include <set>

namespace qimbel::fractions {

Rational Plus(const Rational &a, const Rational &b)
{
    const std::optional<Rational> r = RationalSum(a, b);
    if (!r)
        throw TooLarge {};
    return *r;
}

Rational Times(const Rational &a, const Rational &b)
{
    const std::optional<Rational> r = RationalProduct(a, b);
    if (!r)
        throw TooLarge {};
    return *r;
}

Rational Over(const Rational &a, const Rational &b)
{
    const std::optional<Rational> r = RationalQuotient(a, b);
    if (!r)
        throw TooLarge {};
    return *r;
}

Rational Negated(const Rational &a) { return Times(a, Rational {-1, 1}); }

namespace {

// The steps the innermost WorkLimit still allows on this thread; below 0 when none is set.
QIMBEL_PER_THREAD long long workLeft = -1;

void Spend(long long units)
{
    if (workLeft < 0)
        return;
    workLeft -= units;
    if (workLeft < 0) {
        workLeft = 0;
        throw TooMuchWork {};
    }
}

} // namespace

WorkLimit::WorkLimit(long long units)
    : saved_(workLeft)
{
    workLeft = saved_ < 0 ? units : std::min(saved_, units);
    start_ = workLeft;
}

bool WorkSpent() { return workLeft == 0; }

WorkLimit::~WorkLimit() { workLeft = saved_ < 0 ? -1 : std::max(0LL, saved_ - (start_ - workLeft)); }

namespace {

bool IsZeroValue(const Rational &r) { return r.numerator == 0; }

void AddTerm(Poly &p, const Monomial &m, const Rational &c)
{
    Spend(1 + static_cast<long long>(m.size()));
    auto it = p.find(m);
    if (it == p.end()) {
        if (!IsZeroValue(c))
            p.emplace(m, c);
        return;
    }
    it->second = Plus(it->second, c);
    if (IsZeroValue(it->second))
        p.erase(it);
}

int TotalDegree(const Monomial &m)
{
    int d = 0;
    for (const auto &[letter, power] : m)
        d += power;
    return d;
}

// The written order: higher total degree first, then the earlier letter with the higher power.
bool WrittenBefore(const Monomial &a, const Monomial &b)
{
    const int da = TotalDegree(a);
    const int db = TotalDegree(b);
    if (da != db)
        return da > db;
    auto ia = a.begin();
    auto ib = b.begin();
    while (ia != a.end() && ib != b.end()) {
        if (ia->first != ib->first)
            return ia->first < ib->first;
        if (ia->second != ib->second)
            return ia->second > ib->second;
        ++ia;
        ++ib;
    }
    return ia != a.end() && ib == b.end();
}

} // namespace

std::vector<Monomial> WrittenOrder(const Poly &p)
{
    Spend(static_cast<long long>(p.size()));
    std::vector<Monomial> order;
    for (const auto &[m, c] : p)
        order.push_back(m);
    std::sort(order.begin(), order.end(), WrittenBefore);
    return order;
}

namespace {

Monomial Leading(const Poly &p) { return WrittenOrder(p).front(); }

std::set<char> LettersOf(const Poly &p)
{
    std::set<char> letters;
    for (const auto &[m, c] : p)
        for (const auto &[letter, power] : m)
            letters.insert(letter);
    return letters;
}

// The coefficients of p as a polynomial in `letter`: exponent → polynomial in the other letters.
std::map<int, Poly> CoefficientsIn(const Poly &p, char letter)
{
    std::map<int, Poly> result;
    for (const auto &[m, c] : p) {
        Monomial rest = m;
        int power = 0;
        auto it = rest.find(letter);
        if (it != rest.end()) {
            power = it->second;
            rest.erase(it);
        }
        AddTerm(result[power], rest, c);
    }
    return result;
}

Poly PowerOf(char letter, int power)
{
    Poly p;
    Monomial m;
    if (power > 0)
        m[letter] = power;
    p.emplace(m, Rational {1, 1});
    return p;
}

Poly GcdIn(const Poly &a, const Poly &b);

// The greatest common divisor of the coefficients of p in `letter`.
Poly ContentIn(const Poly &p, char letter)
{
    Poly g;
    for (const auto &[power, coefficient] : CoefficientsIn(p, letter))
        g = GcdIn(g, coefficient);
    return g;
}

Poly PrimitiveIn(const Poly &p, char letter)
{
    const std::optional<Poly> q = ExactQuotient(p, ContentIn(p, letter));
    return q ? *q : p;
}

// lc(b)^k · a reduced modulo b as polynomials in `letter`.
Poly PseudoRemainder(Poly r, const Poly &b, char letter)
{
    const int db = DegreeIn(b, letter);
    const Poly lb = CoefficientsIn(b, letter)[db];
    for (int guard = 0; !r.empty() && DegreeIn(r, letter) >= db && guard < 64; ++guard) {
        const int dr = DegreeIn(r, letter);
        const Poly lr = CoefficientsIn(r, letter)[dr];
        r = Difference(Product(lb, r), Product(Product(lr, PowerOf(letter, dr - db)), b));
    }
    return r;
}

Poly GcdIn(const Poly &a, const Poly &b)
{
    if (a.empty())
        return Normalised(b);
    if (b.empty())
        return Normalised(a);
    std::set<char> letters = LettersOf(a);
    for (char c : LettersOf(b))
        letters.insert(c);
    if (letters.empty())
        return Constant(Rational {1, 1});
    const char x = *letters.begin();
    const Poly common = GcdIn(ContentIn(a, x), ContentIn(b, x));
    Poly pa = PrimitiveIn(a, x);
    Poly pb = PrimitiveIn(b, x);
    if (DegreeIn(pa, x) < DegreeIn(pb, x))
        std::swap(pa, pb);
    for (int guard = 0; !pb.empty() && guard < 64; ++guard) {
        if (DegreeIn(pb, x) == 0) {
            pa = Constant(Rational {1, 1});
            break;
        }
        const Poly r = PseudoRemainder(pa, pb, x);
        pa = pb;
        pb = r.empty() ? Poly {} : PrimitiveIn(r, x);
    }
    return Normalised(Product(common, Normalised(pa)));
}

} // namespace

Poly Constant(const Rational &value)
{
    Poly p;
    AddTerm(p, {}, value);
    return p;
}

Poly LetterPoly(char letter) { return PowerOf(letter, 1); }

Poly Sum(const Poly &a, const Poly &b)
{
    Poly r = a;
    for (const auto &[m, c] : b)
        AddTerm(r, m, c);
    return r;
}

Poly Scaled(const Poly &a, const Rational &factor)
{
    Poly r;
    for (const auto &[m, c] : a)
        AddTerm(r, m, Times(c, factor));
    return r;
}

Poly Difference(const Poly &a, const Poly &b) { return Sum(a, Scaled(b, Rational {-1, 1})); }

Poly Product(const Poly &a, const Poly &b)
{
    Poly r;
    for (const auto &[ma, ca] : a)
        for (const auto &[mb, cb] : b) {
            Monomial m = ma;
            for (const auto &[letter, power] : mb) {
                m[letter] += power;
                if (m[letter] > 64)
                    throw TooLarge {};
            }
            AddTerm(r, m, Times(ca, cb));
        }
    return r;
}

bool SamePoly(const Poly &a, const Poly &b) { return Difference(a, b).empty(); }

bool IsConstant(const Poly &p) { return p.empty() || (p.size() == 1 && p.begin()->first.empty()); }

Rational ConstantOf(const Poly &p)
{
    auto it = p.find(Monomial {});
    return it == p.end() ? Rational {0, 1} : it->second;
}

int DegreeIn(const Poly &p, char letter)
{
    Spend(static_cast<long long>(p.size()) / 4);
    int d = 0;
    for (const auto &[m, c] : p) {
        auto it = m.find(letter);
        if (it != m.end() && it->second > d)
            d = it->second;
    }
    return d;
}

Poly Substituted(const Poly &p, char letter, const Rational &value)
{
    Poly r;
    for (const auto &[m, c] : p) {
        Monomial rest = m;
        Rational factor = c;
        auto it = rest.find(letter);
        if (it != rest.end()) {
            for (int k = 0; k < it->second; ++k)
                factor = Times(factor, value);
            rest.erase(it);
        }
        AddTerm(r, rest, factor);
    }
    return r;
}

std::optional<Poly> ExactQuotient(const Poly &a, const Poly &b)
{
    if (b.empty())
        return std::nullopt;
    const Monomial lb = Leading(b);
    const Rational cb = b.at(lb);
    Poly q;
    Poly r = a;
    for (int guard = 0; !r.empty(); ++guard) {
        if (guard > 4096)
            return std::nullopt;
        const Monomial lr = Leading(r);
        Monomial t = lr;
        for (const auto &[letter, power] : lb) {
            auto it = t.find(letter);
            if (it == t.end() || it->second < power)
                return std::nullopt;
            it->second -= power;
            if (it->second == 0)
                t.erase(it);
        }
        Poly step;
        step.emplace(t, Over(r.at(lr), cb));
        q = Sum(q, step);
        r = Difference(r, Product(step, b));
    }
    return q;
}

Poly Gcd(const Poly &a, const Poly &b) { return GcdIn(a, b); }

Poly Normalised(const Poly &p, Rational *factor)
{
    Spend(static_cast<long long>(p.size()));
    if (factor != nullptr)
        *factor = Rational {1, 1};
    if (p.empty())
        return p;
    Whole lcm = 1;
    for (const auto &[m, c] : p) {
        const Whole g = WholeGcd(lcm, c.denominator);
        Whole next = 0;
        if (MultiplyOverflows(lcm / g, c.denominator, next))
            throw TooLarge {};
        lcm = next;
    }
    Whole g = 0;
    for (const auto &[m, c] : p)
        g = WholeGcd(g, Times(c, Rational {lcm, 1}).numerator);
    const bool negative = p.at(Leading(p)).numerator < 0;
    const Rational scale = *MakeRational(negative ? -lcm : lcm, g);
    if (factor != nullptr)
        *factor = Over(Rational {1, 1}, scale);
    return Scaled(p, scale);
}

Poly CommonDenominator(const std::vector<Fraction> &values)
{
    Whole number = 1;
    Poly rest = Constant(Rational {1, 1});
    for (const Fraction &f : values) {
        Rational factor;
        const Poly q = Normalised(f.den, &factor);
        const Whole n = factor.numerator < 0 ? -factor.numerator : factor.numerator;
        Whole next = 0;
        if (MultiplyOverflows(number / WholeGcd(number, n), n, next))
            throw TooLarge {};
        number = next;
        const std::optional<Poly> lcm = ExactQuotient(Product(rest, q), Gcd(rest, q));
        if (!lcm)
            throw TooLarge {};
        rest = Normalised(*lcm);
    }
    return Scaled(rest, Rational {number, 1});
}

std::optional<Fraction> TermValue(const Term &term)
{
    Fraction value {Constant(Rational {term.negative ? -1 : 1, 1}), Constant(Rational {1, 1})};
    for (std::size_t k = 0; k < term.factors.size(); ++k) {
        const Fraction &f = term.factors[k];
        if (term.divides[k]) {
            if (f.num.empty())
                return std::nullopt;
            value = Fraction {Product(value.num, f.den), Product(value.den, f.num)};
        } else {
            value = Fraction {Product(value.num, f.num), Product(value.den, f.den)};
        }
    }
    return value;
}

std::optional<Fraction> SumValue(const std::vector<Term> &terms)
{
    Fraction sum {Poly {}, Constant(Rational {1, 1})};
    for (const Term &term : terms) {
        const std::optional<Fraction> v = TermValue(term);
        if (!v)
            return std::nullopt;
        sum = Fraction {Sum(Product(sum.num, v->den), Product(v->num, sum.den)), Product(sum.den, v->den)};
    }
    return sum;
}

Fraction Reduced(const Fraction &f)
{
    if (f.num.empty())
        return Fraction {Poly {}, Constant(Rational {1, 1})};
    const Poly g = Gcd(f.num, f.den);
    const std::optional<Poly> n = ExactQuotient(f.num, g);
    const std::optional<Poly> d = ExactQuotient(f.den, g);
    Rational numFactor;
    Rational denFactor;
    const Poly num = Normalised(n && d ? *n : f.num, &numFactor);
    const Poly den = Normalised(n && d ? *d : f.den, &denFactor);
    // Whole coefficients on both sides: p·N over q·D with p/q the ratio of the factors.
    const Rational ratio = Over(numFactor, denFactor);
    return Fraction {Scaled(num, Rational {ratio.numerator, 1}), Scaled(den, Rational {ratio.denominator, 1})};
}

} // namespace qimbel::fractions
