#include "charts/QuadraticRoots.h"

#include <cmath>

namespace qimbel {

namespace {

Rational Negated(const Rational &r) { return Rational {-r.numerator, r.denominator}; }

std::optional<Rational> Difference(const Rational &x, const Rational &y) { return RationalSum(x, Negated(y)); }

// The whole square root, rounded down.
Whole SquareRootOf(Whole m)
{
    Whole s = static_cast<Whole>(std::sqrt(static_cast<double>(m)));
    while (s > 0 && s * s > m)
        --s;
    while ((s + 1) * (s + 1) <= m)
        ++s;
    return s;
}

// m = s²·r with r square-free (as far as trial division below 10^5 and a last square test can
// tell; a larger square factor stays under the root, which is still exact).
void SplitSquare(Whole m, Whole &s, Whole &r)
{
    s = 1;
    r = 1;
    for (Whole d = 2; d <= 100000 && d * d <= m; ++d) {
        while (m % (d * d) == 0) {
            m /= d * d;
            s *= d;
        }
        if (m % d == 0) {
            m /= d;
            r *= d;
        }
    }
    // Beyond 10^30 the square test's double estimate is too coarse; the rest stays under the root.
    const Whole bound = static_cast<Whole>(1000000000000000LL) * static_cast<Whole>(1000000000000000LL);
    const Whole root = m < bound ? SquareRootOf(m) : 0;
    if (m < bound && root * root == m)
        s *= root;
    else
        r *= m;
}

} // namespace

double RootSurd::Approximate() const
{
    return static_cast<double>(a.numerator) / static_cast<double>(a.denominator)
        + static_cast<double>(b.numerator) / static_cast<double>(b.denominator) * std::sqrt(static_cast<double>(r));
}

RootSurd RationalRootSurd(const Rational &value) { return RootSurd {value, Rational {0, 1}, 1}; }

std::optional<RootSurd> RootSurdSum(const RootSurd &x, const RootSurd &y)
{
    if (!x.IsRational() && !y.IsRational() && x.r != y.r)
        return std::nullopt;
    const std::optional<Rational> a = RationalSum(x.a, y.a);
    const std::optional<Rational> b = RationalSum(x.b, y.b);
    if (!a || !b)
        return std::nullopt;
    return RootSurd {*a, *b, b->numerator == 0 ? 1 : (x.IsRational() ? y.r : x.r)};
}

std::optional<RootSurd> RootSurdProduct(const RootSurd &x, const RootSurd &y)
{
    if (!x.IsRational() && !y.IsRational() && x.r != y.r)
        return std::nullopt;
    const Whole r = x.IsRational() ? y.r : x.r;
    // (a + b√r)(c + d√r) = ac + bd·r + (ad + bc)√r
    const std::optional<Rational> ac = RationalProduct(x.a, y.a);
    const std::optional<Rational> bd = RationalProduct(x.b, y.b);
    const std::optional<Rational> ad = RationalProduct(x.a, y.b);
    const std::optional<Rational> bc = RationalProduct(x.b, y.a);
    if (!ac || !bd || !ad || !bc)
        return std::nullopt;
    const std::optional<Rational> bdr = RationalProduct(*bd, Rational {r, 1});
    if (!bdr)
        return std::nullopt;
    const std::optional<Rational> a = RationalSum(*ac, *bdr);
    const std::optional<Rational> b = RationalSum(*ad, *bc);
    if (!a || !b)
        return std::nullopt;
    return RootSurd {*a, *b, b->numerator == 0 ? 1 : r};
}

std::optional<RootSurd> RootSurdInverse(const RootSurd &x)
{
    // 1/(a + b√r) = (a − b√r)/(a² − b²r)
    const std::optional<Rational> aa = RationalProduct(x.a, x.a);
    const std::optional<Rational> bb = RationalProduct(x.b, x.b);
    if (!aa || !bb)
        return std::nullopt;
    const std::optional<Rational> bbr = RationalProduct(*bb, Rational {x.r, 1});
    if (!bbr)
        return std::nullopt;
    const std::optional<Rational> norm = Difference(*aa, *bbr);
    if (!norm || norm->numerator == 0)
        return std::nullopt;
    const std::optional<Rational> a = RationalQuotient(x.a, *norm);
    const std::optional<Rational> b = RationalQuotient(Negated(x.b), *norm);
    if (!a || !b)
        return std::nullopt;
    return RootSurd {*a, *b, b->numerator == 0 ? 1 : x.r};
}

std::optional<RootSurd> FormValue(const RationalForm &form, const RootSurd &x)
{
    const auto value = [&](const Polynomial &p) -> std::optional<RootSurd> {
        RootSurd v = RationalRootSurd(Rational {0, 1});
        for (std::size_t i = p.c.size(); i-- > 0;) {
            std::optional<RootSurd> next = RootSurdProduct(v, x);
            if (next)
                next = RootSurdSum(*next, RationalRootSurd(p.c[i]));
            if (!next)
                return std::nullopt;
            v = *next;
        }
        return v;
    };
    const std::optional<RootSurd> n = value(form.numerator);
    const std::optional<RootSurd> d = value(form.denominator);
    if (!n || !d)
        return std::nullopt;
    const std::optional<RootSurd> inverse = RootSurdInverse(*d);
    if (!inverse)
        return std::nullopt;
    return RootSurdProduct(*n, *inverse);
}

std::string RootSurdText(const RootSurd &x)
{
    if (x.IsRational())
        return ExactText(x.a);
    std::string text = x.a.numerator != 0 ? ExactText(x.a) : "";
    Rational b = x.b;
    if (b.numerator < 0) {
        text += "－";
        b = Negated(b);
    } else if (!text.empty()) {
        text += "＋";
    }
    if (b.numerator != 1)
        text += WholeText(b.numerator);
    text += "√" + WholeText(x.r);
    if (b.denominator != 1)
        text += "/" + WholeText(b.denominator);
    return text;
}

std::optional<QuadraticRoots> SolveQuadratic(const Rational &a, const Rational &b, const Rational &c)
{
    if (a.numerator == 0)
        return std::nullopt;
    QuadraticRoots roots;
    const std::optional<Rational> bb = RationalProduct(b, b);
    const std::optional<Rational> ac = RationalProduct(a, c);
    if (!bb || !ac)
        return std::nullopt;
    const std::optional<Rational> fourAc = RationalProduct(Rational {4, 1}, *ac);
    if (!fourAc)
        return std::nullopt;
    const std::optional<Rational> delta = Difference(*bb, *fourAc);
    if (!delta)
        return std::nullopt;
    roots.delta = *delta;
    if (delta->numerator < 0)
        return roots;
    const std::optional<Rational> twoA = RationalProduct(Rational {2, 1}, a);
    const std::optional<Rational> p = twoA ? RationalQuotient(Negated(b), *twoA) : std::nullopt;
    if (!p)
        return std::nullopt;
    if (delta->numerator == 0) {
        roots.count = 1;
        roots.x1 = roots.x2 = RationalRootSurd(*p);
        return roots;
    }
    // √(n/d) = √(n·d)/d = s√r/d.
    Whole nd = 0;
    if (MultiplyOverflows(delta->numerator, delta->denominator, nd))
        return std::nullopt;
    Whole s = 1, r = 1;
    SplitSquare(nd, s, r);
    std::optional<Rational> q = MakeRational(s, delta->denominator);
    if (q)
        q = RationalQuotient(*q, *twoA);
    if (!q)
        return std::nullopt;
    if (q->numerator < 0)
        q = Negated(*q);
    roots.count = 2;
    if (r == 1) {
        const std::optional<Rational> x1 = RationalSum(*p, *q);
        const std::optional<Rational> x2 = Difference(*p, *q);
        if (!x1 || !x2)
            return std::nullopt;
        roots.x1 = RationalRootSurd(*x1);
        roots.x2 = RationalRootSurd(*x2);
    } else {
        roots.x1 = RootSurd {*p, *q, r};
        roots.x2 = RootSurd {*p, Negated(*q), r};
    }
    return roots;
}

} // namespace qimbel
