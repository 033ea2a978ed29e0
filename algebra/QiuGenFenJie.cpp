#include "algebra/FactorSearch.h"
#include "algebra/YinShiFenJie.h"
#include "solver/WholeNumbers.h"

namespace qimbel {

namespace {

std::string RootText(const RationalRoot &r)
{
    return r.q == 1 ? CoefficientText(r.p) : CoefficientText(r.p) + "/" + std::to_string(r.q);
}

// q·x − p as a factor.
Poly RootFactor(int letter, const RationalRoot &r)
{
    Exponents x {};
    x[static_cast<std::size_t>(letter)] = 1;
    Poly p = MonomialPoly(r.q, x);
    if (r.p != 0)
        p.terms.push_back({Exponents {}, -r.p});
    return p;
}

} // namespace

// 求根法 on a polynomial in one letter: a root p/q (found among the divisors of the last and the
// first coefficient) gives the factor qx－p. A quadratic is split by both of its roots at once.
//   x^2－5x＋6: 令 x^2－5x＋6＝0，解得 x1＝2，x2＝3 ＝ (x－2)(x－3)
bool QiuGenFenJie(Factored &f, FenJieBuZhou &steps, int lowestDegree)
{
    for (std::size_t i = 0; i < f.factors.size(); ++i) {
        const Poly &p = f.factors[i].poly;
        const std::vector<int> letters = LettersOf(p);
        if (letters.size() != 1 || DegreeIn(p, letters[0]) < lowestDegree)
            continue;
        const int x = letters[0];
        const std::optional<RationalRoot> root = RationalRootOf(p, x);
        if (!root)
            continue;
        const std::optional<Poly> quotient = DividedByLinear(p, x, *root);
        if (!quotient)
            continue;
        const std::string name(1, LetterOf(x));
        const std::string polyText = PolyText(p);
        const int power = f.factors[i].power;
        if (DegreeIn(p, x) == 2) {
            // The other root is the root of the linear quotient.
            const PolyTerm &lead = quotient->terms[0];
            const long long last = quotient->terms.size() > 1 ? quotient->terms[1].coefficient : 0;
            const long long g = GcdOf(last, lead.coefficient);
            RationalRoot other {(lead.coefficient < 0 ? last : -last) / g,
                (lead.coefficient < 0 ? -lead.coefficient : lead.coefficient) / g};
            const std::string why = "求根法：令 " + polyText + "＝0，解得 " + name + "1＝" + RootText(*root) + "，"
                + name + "2＝" + RootText(other);
            // P＝k(q1x－p1)(q2x－p2), k the first coefficient over q1·q2 (a whole number: the
            // factors have no common divisor, so they divide P over the integers).
            const Poly one = RootFactor(x, *root);
            const Poly two = RootFactor(x, other);
            const long long k = lead.coefficient / other.q;
            long long constant = 0;
            if (lead.coefficient % other.q != 0 || __builtin_mul_overflow(f.constant, power == 1 ? k : 1, &constant)
                || (power != 1 && k != 1))
                continue;
            f.constant = constant;
            f.factors[i].poly = one;
            if (SamePoly(one, two))
                f.factors[i].power *= 2;
            else
                f.factors.insert(f.factors.begin() + static_cast<long>(i) + 1, PolyFactor {two, power});
            Tidy(f);
            steps.push_back({FactoredText(f), why});
            return true;
        }
        const std::string why = "求根法：当 " + name + "＝" + RootText(*root) + " 时，" + polyText
            + " 的值为0，所以它有因式 " + PolyText(RootFactor(x, *root));
        SplitFactor(f, i, RootFactor(x, *root), *quotient);
        steps.push_back({FactoredText(f), why});
        return true;
    }
    return false;
}

} // namespace qimbel
