#include "charts/PolynomialZeros.h"

#include "algebra/ExactNumber.h"

#include <algorithm>
#include <cmath>

namespace qimbel {

namespace {

using Poly = std::vector<Rational>; // c[i] of x^i

// Exact arithmetic that says when a number leaves 128 bits.
struct Overflow { };

Rational Checked(const std::optional<Rational> &r)
{
    if (!r)
        throw Overflow {};
    return *r;
}
Rational Add(const Rational &a, const Rational &b) { return Checked(RationalSum(a, b)); }
Rational Mul(const Rational &a, const Rational &b) { return Checked(RationalProduct(a, b)); }
Rational Div(const Rational &a, const Rational &b) { return Checked(RationalQuotient(a, b)); }
Rational Neg(const Rational &a) { return Rational {-a.numerator, a.denominator}; }
bool Zero(const Rational &a) { return a.numerator == 0; }

void Trim(Poly &p)
{
    while (!p.empty() && Zero(p.back()))
        p.pop_back();
}

Poly Sum(const Poly &a, const Poly &b, bool subtract)
{
    Poly s(std::max(a.size(), b.size()), Rational {0, 1});
    for (std::size_t i = 0; i < s.size(); ++i) {
        const Rational x = i < a.size() ? a[i] : Rational {0, 1};
        const Rational y = i < b.size() ? b[i] : Rational {0, 1};
        s[i] = Add(x, subtract ? Neg(y) : y);
    }
    Trim(s);
    return s;
}

Poly Product(const Poly &a, const Poly &b)
{
    if (a.empty() || b.empty())
        return {};
    if (a.size() + b.size() - 2 > static_cast<std::size_t>(kHighestZerosDegree))
        throw Overflow {};
    Poly p(a.size() + b.size() - 1, Rational {0, 1});
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j < b.size(); ++j)
            p[i + j] = Add(p[i + j], Mul(a[i], b[j]));
    Trim(p);
    return p;
}

Poly Monic(Poly p)
{
    if (p.empty())
        return p;
    const Rational top = p.back();
    for (Rational &c : p)
        c = Div(c, top);
    return p;
}

// a = q·b + r; the remainder.
Poly Remainder(Poly a, const Poly &b)
{
    while (a.size() >= b.size() && !a.empty()) {
        const Rational factor = Div(a.back(), b.back());
        const std::size_t shift = a.size() - b.size();
        for (std::size_t i = 0; i < b.size(); ++i)
            a[shift + i] = Add(a[shift + i], Neg(Mul(factor, b[i])));
        a.pop_back(); // its coefficient is now 0
        Trim(a);
    }
    return a;
}

Poly Quotient(Poly a, const Poly &b)
{
    if (a.size() < b.size())
        return {};
    Poly q(a.size() - b.size() + 1, Rational {0, 1});
    while (a.size() >= b.size() && !a.empty()) {
        const Rational factor = Div(a.back(), b.back());
        const std::size_t shift = a.size() - b.size();
        q[shift] = factor;
        for (std::size_t i = 0; i < b.size(); ++i)
            a[shift + i] = Add(a[shift + i], Neg(Mul(factor, b[i])));
        a.pop_back();
        Trim(a);
    }
    Trim(q);
    return q;
}

Poly Gcd(Poly a, Poly b)
{
    // Each round lowers the degree of b: at most kHighestZerosDegree + 1 rounds.
    for (int round = 0; round <= kHighestZerosDegree + 1 && !b.empty(); ++round) {
        Poly r = Monic(Remainder(a, b));
        a = std::move(b);
        b = std::move(r);
    }
    return Monic(a);
}

Poly Derivative(const Poly &p)
{
    Poly d;
    for (std::size_t i = 1; i < p.size(); ++i)
        d.push_back(Mul(p[i], Rational {static_cast<Whole>(i), 1}));
    Trim(d);
    return d;
}

std::optional<Rational> ValueAt(const Poly &p, const Rational &x)
{
    Rational v {0, 1};
    for (std::size_t i = p.size(); i-- > 0;) {
        const std::optional<Rational> t = RationalProduct(v, x);
        const std::optional<Rational> s = t ? RationalSum(*t, p[i]) : std::nullopt;
        if (!s)
            return std::nullopt;
        v = *s;
    }
    return v;
}

double ValueAt(const Poly &p, double x)
{
    double v = 0;
    for (std::size_t i = p.size(); i-- > 0;)
        v = v * x + double(p[i].numerator) / double(p[i].denominator);
    return v;
}

// The fractions nearest x with denominators up to a million, from the continued fraction.
std::vector<Rational> Convergents(double x)
{
    std::vector<Rational> out;
    Whole p0 = 1, q0 = 0, p1 = static_cast<Whole>(std::floor(x)), q1 = 1;
    double rest = x - std::floor(x);
    if (const std::optional<Rational> r = MakeRational(p1, q1))
        out.push_back(*r);
    for (int k = 0; k < 30 && rest > 1e-12 && q1 < 1000000; ++k) {
        const double inverse = 1 / rest;
        const Whole a = static_cast<Whole>(std::floor(inverse));
        rest = inverse - std::floor(inverse);
        const Whole p2 = a * p1 + p0, q2 = a * q1 + q0;
        p0 = p1;
        q0 = q1;
        p1 = p2;
        q1 = q2;
        if (const std::optional<Rational> r = MakeRational(p1, q1))
            out.push_back(*r);
    }
    return out;
}

// The simple zeros in [−10, 10] of a square-free polynomial, by sign changes on a fine grid and
// bisection; a fixed number of steps, whatever the values.
std::vector<double> SimpleZeros(const Poly &p)
{
    std::vector<double> zeros;
    constexpr int kSteps = 4000; // 0.005 apart
    double previous = ValueAt(p, -10.0);
    if (previous == 0)
        zeros.push_back(-10.0);
    for (int k = 1; k <= kSteps; ++k) {
        const double x = -10.0 + 20.0 * k / kSteps;
        const double v = ValueAt(p, x);
        if (v == 0) {
            zeros.push_back(x);
        } else if (previous != 0 && std::isfinite(previous) && std::isfinite(v) && (previous < 0) != (v < 0)) {
            double lo = x - 20.0 / kSteps, hi = x, flo = previous;
            for (int i = 0; i < 80; ++i) {
                const double m = (lo + hi) / 2;
                const double fm = ValueAt(p, m);
                if (fm == 0)
                    lo = hi = m;
                else if ((fm < 0) == (flo < 0)) {
                    lo = m;
                    flo = fm;
                } else {
                    hi = m;
                }
            }
            zeros.push_back((lo + hi) / 2);
        }
        previous = v;
    }
    return zeros;
}

double AsDouble(const Rational &r) { return double(r.numerator) / double(r.denominator); }

} // namespace

std::optional<std::vector<Rational>> PolynomialCoefficients(const FunctionFormula &formula)
{
    if (!formula.Ok())
        return std::nullopt;
    try {
        std::vector<Poly> stack;
        for (const FormulaStep &step : formula.Steps()) {
            switch (step.code) {
            case FormulaStep::Code::Number: {
                Poly c {step.number};
                Trim(c);
                stack.push_back(c);
                continue;
            }
            case FormulaStep::Code::X:
                stack.push_back({Rational {0, 1}, Rational {1, 1}});
                continue;
            case FormulaStep::Code::Negate:
                if (stack.empty())
                    return std::nullopt;
                for (Rational &c : stack.back())
                    c = Neg(c);
                continue;
            case FormulaStep::Code::Root:
            case FormulaStep::Code::Absolute:
                // Of a number the form of the graph knows; here it is no polynomial's business.
                return std::nullopt;
            default:
                break;
            }
            if (stack.size() < 2)
                return std::nullopt;
            const Poly b = stack.back();
            stack.pop_back();
            Poly &a = stack.back();
            switch (step.code) {
            case FormulaStep::Code::Add:
                a = Sum(a, b, false);
                break;
            case FormulaStep::Code::Subtract:
                a = Sum(a, b, true);
                break;
            case FormulaStep::Code::Multiply:
                a = Product(a, b);
                break;
            case FormulaStep::Code::Divide:
                // Only by a number other than 0.
                if (b.size() != 1)
                    return std::nullopt;
                for (Rational &c : a)
                    c = Div(c, b[0]);
                break;
            case FormulaStep::Code::Power: {
                if (b.size() > 1)
                    return std::nullopt;
                const Rational e = b.empty() ? Rational {0, 1} : b[0];
                if (e.denominator != 1 || e.numerator < 0 || e.numerator > kHighestZerosDegree)
                    return std::nullopt;
                if (a.empty() && e.numerator == 0)
                    return std::nullopt; // 0^0
                Poly power {Rational {1, 1}};
                for (Whole k = 0; k < e.numerator; ++k)
                    power = Product(power, a);
                a = power;
                break;
            }
            default:
                return std::nullopt;
            }
        }
        if (stack.size() != 1)
            return std::nullopt;
        return stack[0];
    } catch (const Overflow &) {
        return std::nullopt;
    }
}

std::optional<std::vector<PolynomialZero>> PolynomialZerosBetweenTens(const std::vector<Rational> &coefficients)
{
    std::vector<PolynomialZero> zeros;
    if (coefficients.empty())
        return zeros;
    try {
        // Yun's square-free decomposition: p = Π f_i^i with every f_i square-free.
        Poly p = Monic(coefficients);
        std::vector<Poly> factors; // factors[i - 1] = f_i
        Poly a = Gcd(p, Derivative(p));
        Poly b = Quotient(p, a);
        Poly c = Sum(Quotient(Derivative(p), a), Derivative(b), true);
        for (int i = 1; i <= kHighestZerosDegree && b.size() > 1; ++i) {
            Poly d = Gcd(b, c);
            factors.push_back(d);
            Poly nextB = Quotient(b, d);
            c = Sum(Quotient(c, d), Derivative(nextB), true);
            b = std::move(nextB);
        }
        for (std::size_t i = 0; i < factors.size(); ++i) {
            Poly f = factors[i];
            if (f.size() <= 1)
                continue;
            const int multiplicity = static_cast<int>(i + 1);
            // The rational zeros first, each taken out exactly; then what is left, numerically.
            std::vector<double> left;
            for (const double x : SimpleZeros(f)) {
                bool found = false;
                for (const Rational &r : Convergents(x)) {
                    const std::optional<Rational> v = ValueAt(f, r);
                    if (v && Zero(*v) && std::fabs(AsDouble(r) - x) < 1e-6) {
                        zeros.push_back({true, r, multiplicity, AsDouble(r)});
                        f = Quotient(f, Poly {Neg(r), Rational {1, 1}});
                        found = true;
                        break;
                    }
                }
                if (!found)
                    left.push_back(x);
            }
            for (const double x : left)
                zeros.push_back({false, Rational {0, 1}, multiplicity, x});
        }
    } catch (const Overflow &) {
        return std::nullopt;
    }
    std::sort(zeros.begin(), zeros.end(),
        [](const PolynomialZero &a, const PolynomialZero &b) { return a.approximate < b.approximate; });
    // A crossing is listed once.
    std::vector<PolynomialZero> once;
    for (const PolynomialZero &z : zeros)
        if (once.empty() || std::fabs(once.back().approximate - z.approximate) > 1e-9)
            once.push_back(z);
    return once;
}

} // namespace qimbel
