#include "equations/Rational.h"
#include "solver/Solver.h"
#include "solver/WholeNumbers.h"

#include <cmath>

namespace qimbel {

namespace {

using Wide = __int128;

// Coefficients up to 10^9 keep b² − 4ac below 5·10^18, where the square part is found quickly.
constexpr long long kLargestCoefficient = 1000000000LL;

std::string WideText(Wide value)
{
    const long long v = static_cast<long long>(value);
    return v < 0 ? "－" + std::to_string(v).substr(1) : std::to_string(v);
}

// n = q²·r with r free of squares. Trial division by every p with p³ ≤ n leaves a cofactor
// with at most two prime factors, both above the cube root: it is a square or free of squares.
void SquarePart(long long n, long long &q, long long &r)
{
    q = 1;
    r = 1;
    for (long long p = 2; p * p * p <= n; ++p) {
        while (n % (p * p) == 0) {
            n /= p * p;
            q *= p;
        }
        if (n % p == 0) {
            n /= p;
            r *= p;
        }
    }
    const long long s = SquareRootFloor(n);
    if (s > 1 && s * s == n)
        q *= s;
    else
        r *= n;
}

// The root (p ± q√r)/d with the sign given, d > 0, r > 1.
std::string SurdRoot(long long p, const std::string &sign, const std::string &surd, long long d)
{
    std::string top = p == 0 ? (sign == "－" ? "－" + surd : surd) : std::to_string(p) + sign + surd;
    if (p < 0)
        top = "－" + top.substr(1);
    if (d == 1)
        return top;
    return (p == 0 ? top : "(" + top + ")") + "/" + std::to_string(d);
}

// "(p±s)/d", "±s/d" or "p±s" as the line after the substitution writes it.
std::string PlusMinus(long long p, const std::string &s, long long d)
{
    const std::string den = d < 0 ? "/(" + WideText(d) + ")" : "/" + std::to_string(d);
    if (p == 0)
        return "±" + s + (d == 1 ? "" : den);
    if (d == 1)
        return WideText(p) + "±" + s;
    return "(" + WideText(p) + "±" + s + ")" + den;
}

} // namespace

// The roots of a quadratic after its discriminant: the root formula with the coefficients put in,
// the numbers worked out, and x1, x2 (the smaller first) as whole numbers or fractions in lowest
// terms when △ is a perfect square, otherwise in simplest surd form. Coefficients that are not
// numbers, or a negative discriminant, give the empty text.
std::string Solver::ErCiFangChengGen(std::string a, std::string b, std::string c, std::string unknown)
{
    const auto read = [this](const std::string &text) -> std::optional<Rational> {
        if (text.empty())
            return Rational {0, 1};
        if (std::optional<Rational> r = ReadRational(text))
            return r;
        return ReadRational(HunHeYunSuan(text, 1));
    };
    const std::optional<Rational> ra = read(a);
    const std::optional<Rational> rb = read(b);
    const std::optional<Rational> rc = read(c);
    if (!ra || !rb || !rc || ra->numerator == 0)
        return {};

    // Whole coefficients with the same roots: all three times the common denominator.
    Wide common = 1;
    for (const Rational *r : {&*ra, &*rb, &*rc}) {
        common *= r->denominator / GcdOf(static_cast<long long>(common % r->denominator), r->denominator);
        if (common > kLargestCoefficient)
            return "∴系数太大，这里不再求根.\r\n\r\n";
    }
    const Wide A = ra->numerator * (common / ra->denominator);
    const Wide B = rb->numerator * (common / rb->denominator);
    const Wide C = rc->numerator * (common / rc->denominator);
    const auto tooLarge = [](Wide x) { return x > kLargestCoefficient || x < -kLargestCoefficient; };
    if (tooLarge(A) || tooLarge(B) || tooLarge(C))
        return "∴系数太大，这里不再求根.\r\n\r\n";
    const Wide D = B * B - 4 * A * C;
    if (D < 0)
        return {};

    std::string out;
    std::string shownA = a;
    std::string shownB = b.empty() ? std::string("0") : b;
    if (common > 1) {
        // Decimal or fractional coefficients: the equation times their common denominator has
        // whole coefficients and the same roots, and the formula is worked with those.
        shownA = WideText(A);
        shownB = WideText(B);
        // The root line uses the discriminant of these coefficients, so it is shown first.
        out = "  方程两边同乘以 " + WideText(common) + "，得 a＝" + shownA + " ,b＝" + shownB + " ,c＝" + WideText(C)
            + "\r\n  △＝b^2 － 4ac＝(" + shownB + ")^(2) － 4×(" + shownA + ")×(" + WideText(C) + ")＝" + WideText(D)
            + "\r\n";
    }
    out += "  " + unknown + "＝(－b±√△)/(2a)＝(－(" + shownB + ")±√" + WideText(D) + ")/(2×(" + shownA + "))\r\n";

    long long q = 0;
    long long r = 0;
    if (D == 0)
        r = 1; // q = 0: both roots are −b/(2a)
    else
        SquarePart(static_cast<long long>(D), q, r);
    const long long p = static_cast<long long>(-B);
    const long long d = static_cast<long long>(2 * A);
    const std::string surdOf = r == 1 ? std::to_string(q) : (q == 1 ? "" : std::to_string(q)) + "√" + std::to_string(r);
    out += "   ＝" + PlusMinus(p, D == 0 ? "0" : surdOf, d) + "\r\n";

    const std::string x1 = unknown + "1＝";
    const std::string x2 = unknown + "2＝";
    if (r == 1) {
        const std::optional<Rational> small = MakeRational(d > 0 ? p - q : p + q, d);
        const std::optional<Rational> large = MakeRational(d > 0 ? p + q : p - q, d);
        if (!small || !large)
            return out;
        if (q == 0)
            return out + "∴" + x1 + unknown + "2＝" + RationalText(*small) + "\r\n\r\n";
        return out + "∴" + x1 + RationalText(*small) + " ," + x2 + RationalText(*large) + "\r\n\r\n";
    }
    // (p ± q√r)/d in lowest terms with a positive denominator.
    long long pp = d < 0 ? -p : p;
    long long dd = d < 0 ? -d : d;
    long long qq = q;
    const long long g = GcdOf(GcdOf(pp, qq), dd);
    pp /= g;
    qq /= g;
    dd /= g;
    const std::string surd = (qq == 1 ? "" : std::to_string(qq)) + "√" + std::to_string(r);
    const std::string reduced = PlusMinus(pp, surd, dd);
    if (reduced != PlusMinus(p, surdOf, d))
        out += "   ＝" + reduced + "\r\n";
    return out + "∴" + x1 + SurdRoot(pp, "－", surd, dd) + " ," + x2 + SurdRoot(pp, "＋", surd, dd) + "\r\n\r\n";
}

} // namespace qimbel
