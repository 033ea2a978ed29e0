#include "equations/EquationText.h"
#include "equations/Rational.h"
#include "solver/Solver.h"
#include "solver/WholeNumbers.h"

namespace qimbel {

namespace {

// The coefficient of a term that is `unknown` with an optional number in front (x, 2x, 1/2x);
// nothing for any other term.
std::optional<Rational> UnknownCoefficient(const std::string &term, const std::string &unknown)
{
    if (Len(term) <= Len(unknown) || Right(term, Len(unknown)) != unknown) {
        if (term == unknown)
            return Rational {1, 1};
        return std::nullopt;
    }
    return ReadRational(Left(term, Len(term) - Len(unknown)));
}

// √n for a whole n > 0 in simplest form: 2√3 for 12, √6 for 6.
std::string SurdText(long long n)
{
    long long outside = 1;
    long long inside = n;
    for (long long p = 2; p <= 1000000 && p * p <= inside; ++p)
        while (inside % (p * p) == 0) {
            inside /= p * p;
            outside *= p;
        }
    return (outside == 1 ? "" : std::to_string(outside)) + "√" + std::to_string(inside);
}

} // namespace

// A proportion whose unknown stands twice, in both outer or both inner terms (3:x＝x:12): the
// product of those terms is the square of the unknown, so the equation is x^2＝36 and, the terms
// of a ratio being positive, x＝6. The lines follow the product equation that BiLiFangCheng
// writes; the empty text for any other proportion.
std::string Solver::BiLiPingFang(std::string proportion, std::string unknown)
{
    // Most proportions hold the unknown once: nothing to do for them.
    const int first = Find(proportion, unknown);
    if (unknown.empty() || first < 0 || Find(proportion, unknown, first + Len(unknown)) < 0)
        return {};
    const int p = Find(proportion, "＝");
    std::string a, b, c, d;
    if (unknown.empty() || p < 0 || !SplitRatio(Left(proportion, p), a, b) || !SplitRatio(Mid(proportion, p + 2), c, d))
        return {};
    for (std::string *term : {&a, &b, &c, &d})
        *term = GetTiHuan(*term, "÷", "/");
    // The pair that holds the unknown twice, and the pair of numbers.
    std::optional<Rational> k1 = UnknownCoefficient(a, unknown);
    std::optional<Rational> k2 = UnknownCoefficient(d, unknown);
    std::string m = b;
    std::string n = c;
    if (!k1 || !k2) {
        k1 = UnknownCoefficient(b, unknown);
        k2 = UnknownCoefficient(c, unknown);
        m = a;
        n = d;
    }
    const std::optional<Rational> rm = ReadRational(m);
    const std::optional<Rational> rn = ReadRational(n);
    if (!k1 || !k2 || !rm || !rn)
        return {};
    const std::optional<Rational> k = Times(*k1, *k2);
    const std::optional<Rational> product = Times(*rm, *rn);
    if (!k || !product || k->numerator == 0)
        return {};
    const std::optional<Rational> square = DividedBy(*product, *k);
    if (!square)
        return {};
    std::string out = "  " + unknown + "^2＝" + RationalText(*square) + "\r\n";
    if (square->numerator <= 0)
        return out + "  比的各项都是正数，这个比例没有符合要求的解。\r\n";
    // The square is in lowest terms: its root is rational when both parts are squares.
    constexpr Whole kLargest = 1000000000000000000LL;
    const long long top
        = square->numerator <= kLargest ? SquareRootFloor(static_cast<long long>(square->numerator)) : -1;
    const long long bottom
        = square->denominator <= kLargest ? SquareRootFloor(static_cast<long long>(square->denominator)) : -1;
    std::string value;
    if (top >= 0 && bottom > 0 && static_cast<Whole>(top) * top == square->numerator
        && static_cast<Whole>(bottom) * bottom == square->denominator)
        value = RationalText(Rational {top, bottom});
    else if (square->denominator == 1 && square->numerator <= 1000000000000LL)
        value = SurdText(static_cast<long long>(square->numerator));
    else
        value = "√(" + RationalText(*square) + ")";
    return out + "  " + unknown + "＝" + value + "（比的各项都是正数）\r\n";
}

} // namespace qimbel
