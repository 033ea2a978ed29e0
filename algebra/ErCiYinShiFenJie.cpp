#include "algebra/FactorSearch.h"
#include "algebra/PolyAlgebra.h"
#include "algebra/YinShiFenJie.h"
#include "solver/WholeNumbers.h"

namespace qimbel {

namespace {

constexpr long long kLargestSearched = 1000000000000LL; // divisor searches stay below 10^6 steps
constexpr long long kMostTrials = 200000;

long long Magnitude(long long v) { return v < 0 ? -v : v; }

// The value of the coefficients c (index = exponent) at x; nothing on overflow.
std::optional<long long> ValueAt(const std::vector<long long> &c, long long x)
{
    __int128 sum = 0;
    for (std::size_t k = c.size(); k-- > 0;) {
        sum = sum * x + c[k];
        if (sum > kLargestSearched * 1000 || sum < -kLargestSearched * 1000)
            return std::nullopt;
    }
    return static_cast<long long>(sum);
}

// A factor a2·x²＋a1·x＋a0 of the polynomial with coefficients c (degree four or more, no
// rational root), found among a2 dividing the first coefficient, a0 the last, and a2＋a1＋a0
// dividing the value at 1; the value at −1 and then the division itself decide.
std::optional<std::vector<long long>> QuadraticFactor(const std::vector<long long> &c)
{
    const long long lead = c.back();
    const long long last = c.front();
    const std::optional<long long> one = ValueAt(c, 1);
    const std::optional<long long> minusOne = ValueAt(c, -1);
    if (!one || !minusOne || *one == 0 || *minusOne == 0 || last == 0 || Magnitude(lead) > kLargestSearched
        || Magnitude(last) > kLargestSearched || Magnitude(*one) > kLargestSearched)
        return std::nullopt;
    const std::vector<long long> as = FactorsOf(Magnitude(lead));
    const std::vector<long long> cs = FactorsOf(Magnitude(last));
    const std::vector<long long> es = FactorsOf(Magnitude(*one));
    if (static_cast<long long>(as.size() * cs.size() * es.size()) * 4 > kMostTrials)
        return std::nullopt;
    Poly p;
    for (std::size_t k = 0; k < c.size(); ++k)
        if (c[k] != 0) {
            Exponents e {};
            e[0] = static_cast<unsigned char>(k);
            p.terms.push_back({e, c[k]});
        }
    for (long long a2 : as)
        for (long long d : cs)
            for (long long a0 : {d, -d})
                for (long long e : es)
                    for (long long atOne : {e, -e}) {
                        const long long a1 = atOne - a2 - a0;
                        const long long atMinusOne = a2 - a1 + a0;
                        if (atMinusOne == 0 || *minusOne % atMinusOne != 0)
                            continue;
                        Poly q;
                        for (int k = 2; k >= 0; --k) {
                            const long long v = k == 2 ? a2 : k == 1 ? a1 : a0;
                            if (v == 0)
                                continue;
                            Exponents ex {};
                            ex[0] = static_cast<unsigned char>(k);
                            q.terms.push_back({ex, v});
                        }
                        if (PolyQuotient(p, q))
                            return std::vector<long long> {a0, a1, a2};
                    }
    return std::nullopt;
}

// The coefficients of p in x with the other letter y set to 1, when p is homogeneous in x and y
// (or in x alone, y < 0).
std::optional<std::vector<long long>> OneLetter(const Poly &p, int x, int y, int &degree)
{
    degree = -1;
    std::vector<long long> c(static_cast<std::size_t>(DegreeIn(p, x)) + 1, 0);
    for (const PolyTerm &t : p.terms) {
        const int d
            = t.exponents[static_cast<std::size_t>(x)] + (y >= 0 ? t.exponents[static_cast<std::size_t>(y)] : 0);
        if (degree >= 0 && y >= 0 && d != degree)
            return std::nullopt;
        degree = d;
        c[t.exponents[static_cast<std::size_t>(x)]] = t.coefficient;
    }
    return c;
}

} // namespace

// 待定系数法 for a factor of degree four or more in one letter (or homogeneous in two) that has
// no factor of degree one: a factor mx^2＋nx＋k is assumed and the coefficients compared; the
// whole-number solution gives it, and the division the other factor.
//   x^4＋x^2＋1: 设它有因式 mx^2＋nx＋k，得 m＝1，n＝1，k＝1 ＝ (x^2＋x＋1)(x^2－x＋1)
bool ErCiYinShiFenJie(Factored &f, FenJieBuZhou &steps)
{
    for (std::size_t i = 0; i < f.factors.size(); ++i) {
        const Poly &p = f.factors[i].poly;
        const std::vector<int> letters = LettersOf(p);
        if (letters.empty() || letters.size() > 2)
            continue;
        const int x = letters[0];
        const int y = letters.size() == 2 ? letters[1] : -1;
        if (DegreeIn(p, x) < 4)
            continue;
        int degree = 0;
        std::optional<std::vector<long long>> c = OneLetter(p, x, y, degree);
        if (!c)
            continue;
        // The search works in the letter a; the factor is then written in x (and y).
        const std::optional<std::vector<long long>> q = QuadraticFactor(*c);
        if (!q)
            continue;
        Poly factor;
        for (int k = 2; k >= 0; --k) {
            const long long v = (*q)[static_cast<std::size_t>(k)];
            if (v == 0)
                continue;
            Exponents e {};
            e[static_cast<std::size_t>(x)] = static_cast<unsigned char>(k);
            if (y >= 0)
                e[static_cast<std::size_t>(y)] = static_cast<unsigned char>(2 - k);
            factor.terms.push_back({e, v});
        }
        const std::optional<Poly> rest = PolyQuotient(p, factor);
        if (!rest)
            continue;
        const std::string xs(1, LetterOf(x));
        const std::string ys = y >= 0 ? std::string(1, LetterOf(y)) : std::string();
        const std::string why = "待定系数法：设 " + PolyText(p) + " 有二次因式 m" + xs + "^2＋n" + xs + ys + "＋k"
            + (ys.empty() ? "" : ys + "^2") + "，比较系数得整数解 m＝" + CoefficientText((*q)[2]) + "，n＝"
            + CoefficientText((*q)[1]) + "，k＝" + CoefficientText((*q)[0]);
        SplitFactor(f, i, factor, *rest);
        steps.push_back({FactoredText(f), why});
        return true;
    }
    return false;
}

} // namespace qimbel
