#include "algebra/FactorSearch.h"
#include "algebra/PolyAlgebra.h"
#include "algebra/YinShiFenJie.h"
#include "solver/WholeNumbers.h"

#include <algorithm>

namespace qimbel {

namespace {

constexpr std::size_t kMostCandidates = 4096;
constexpr long long kLargestSearched = 1000000000000LL;
// Past this degree in the unknown the search is not made: every candidate is one long division
// of the whole polynomial, and no factorisation a pupil meets needs it (p^33 over a sum took a
// 分式 line far past its time).
constexpr int kHighestSearchedDegree = 12;
// At most this many candidate roots are tried by division in one search: a constant term of many
// letters has thousands of divisors, each a long division of the whole polynomial (a 分式 line of
// 78 characters took over 100 ms). A pupil's factorisation needs a few dozen.
constexpr int kMostTried = 256;

bool IsNumber(const Poly &p) { return p.terms.size() == 1 && TotalDegree(p.terms[0].exponents) == 0; }

// Every divisor of a completely factorised polynomial, up to sign: the products of its factors
// with every power up to their own, of its letters likewise, and of the divisors of its number.
std::vector<Poly> Divisors(const Factored &f)
{
    const long long size = f.constant < 0 ? -f.constant : f.constant;
    if (size > kLargestSearched)
        return {};
    std::vector<Poly> divisors;
    for (long long d : FactorsOf(size))
        divisors.push_back(MonomialPoly(d, Exponents {}));
    const auto times = [&](const Poly &by, int most) {
        std::vector<Poly> more = divisors;
        for (const Poly &d : divisors) {
            Poly product = d;
            for (int k = 1; k <= most && more.size() <= kMostCandidates; ++k) {
                const std::optional<Poly> next = PolyProduct(product, by);
                if (!next)
                    break;
                product = *next;
                more.push_back(product);
            }
        }
        divisors = more;
    };
    for (int letter = 0; letter < kLetterCount; ++letter)
        if (f.monomial[static_cast<std::size_t>(letter)] > 0) {
            Exponents e {};
            e[static_cast<std::size_t>(letter)] = 1;
            times(MonomialPoly(1, e), f.monomial[static_cast<std::size_t>(letter)]);
        }
    for (const PolyFactor &factor : f.factors)
        times(factor.poly, factor.power);
    if (divisors.size() > kMostCandidates)
        return {};
    return divisors;
}

} // namespace

// 求根法 with one letter as the unknown and the other letters in the value: a factor a·x＋r has
// a dividing the first coefficient and r dividing the terms without x; the root x＝－r/a makes
// the polynomial 0.
//   x^2y＋xy^2＋x＋y 看成 x 的多项式，当 x＝－y 时值为0，所以它有因式 x＋y
bool ZhuYuanQiuGen(Factored &f, FenJieBuZhou &steps)
{
    int tried = 0;
    for (std::size_t i = 0; i < f.factors.size(); ++i) {
        const Poly &p = f.factors[i].poly;
        std::vector<int> letters = SearchedLetters(p);
        // The letter of the lowest degree first: fewer candidates, shorter division.
        std::stable_sort(letters.begin(), letters.end(), [&](int a, int b) { return DegreeIn(p, a) < DegreeIn(p, b); });
        for (int x : letters) {
            if (DegreeIn(p, x) < 2 || DegreeIn(p, x) > kHighestSearchedDegree)
                continue;
            const std::vector<Poly> c = CoefficientsIn(p, x);
            if (!IsNumber(c.back()) || c[0].terms.empty())
                continue;
            const long long lead = c.back().terms[0].coefficient;
            if (lead > kLargestSearched || lead < -kLargestSearched)
                continue;
            // The terms without x, factorised completely first (they hold one letter fewer).
            Factored rest;
            rest.factors.push_back({c[0], 1});
            FenJieBuZhou scratch;
            ZongHeFenJie(rest, scratch);
            Tidy(rest);
            const std::vector<Poly> divisors = Divisors(rest);
            Exponents ex {};
            ex[static_cast<std::size_t>(x)] = 1;
            for (long long a : FactorsOf(lead < 0 ? -lead : lead))
                for (const Poly &d : divisors)
                    for (int sign : {1, -1}) {
                        const Poly r = sign > 0 ? d : PolyNegated(d);
                        const std::optional<Poly> linear = PolySum(MonomialPoly(a, ex), r);
                        if (!linear || IntegerContent(*linear) != 1)
                            continue;
                        if (++tried > kMostTried)
                            return false;
                        const std::optional<Poly> quotient = PolyQuotient(p, *linear);
                        if (!quotient)
                            continue;
                        const std::string xs(1, LetterOf(x));
                        const std::string value = a == 1
                            ? PolyText(PolySorted(PolyNegated(r)))
                            : "(" + PolyText(PolySorted(PolyNegated(r))) + ")/" + std::to_string(a);
                        const std::string why = "求根法：把 " + PolyText(p) + " 看成 " + xs + " 的多项式，当 " + xs
                            + "＝" + value + " 时，它的值为0，所以它有因式 " + PolyText(PolySorted(*linear));
                        SplitFactor(f, i, PolySorted(*linear), *quotient);
                        steps.push_back({FactoredText(f), why});
                        return true;
                    }
        }
    }
    return false;
}

} // namespace qimbel
