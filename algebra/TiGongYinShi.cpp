#include "algebra/FactorSearch.h"
#include "algebra/YinShiFenJie.h"

namespace qimbel {

// 提公因法: the common factor of the terms (greatest common divisor of the coefficients, lowest
// power of each letter, the first term's sign) goes in front. Written in two steps, as on the
// board: every term as common factor × rest, then ma＋mb＝m(a＋b).
//   3a^2－6a ＝ 3a×a－3a×2 ＝ 3a(a－2)
bool TiGongYinShi(Factored &f, FenJieBuZhou &steps)
{
    for (std::size_t i = 0; i < f.factors.size(); ++i) {
        if (f.factors[i].power != 1)
            continue;
        const Poly &p = f.factors[i].poly;
        const PolyTerm common = CommonFactorOf(p);
        if (p.terms.size() < 2 || IsOne(common))
            continue;
        long long constant = 0;
        if (__builtin_mul_overflow(f.constant, common.coefficient, &constant))
            continue;
        const Poly rest = DividedByTerm(p, common);
        const long long size = common.coefficient < 0 ? -common.coefficient : common.coefficient;
        const std::string shown = MonomialText(size, common.exponents);
        std::string products;
        for (std::size_t k = 0; k < rest.terms.size(); ++k) {
            const PolyTerm &r = rest.terms[k];
            const bool negative = (r.coefficient < 0) != (common.coefficient < 0);
            products += negative ? "－" : (k > 0 ? "＋" : "");
            products += shown + "×" + MonomialText(r.coefficient < 0 ? -r.coefficient : r.coefficient, r.exponents);
        }
        const std::string named = MonomialText(common.coefficient, common.exponents);
        steps.push_back({FactoredText(f, static_cast<int>(i), products), "提公因法：各项的公因式是 " + named});
        f.constant = constant;
        for (std::size_t k = 0; k < f.monomial.size(); ++k)
            f.monomial[k] = static_cast<unsigned char>(f.monomial[k] + common.exponents[k]);
        f.factors[i].poly = rest;
        Tidy(f);
        steps.push_back({FactoredText(f), "提公因法：ma＋mb＝m(a＋b)，提出公因式 " + named});
        return true;
    }
    return false;
}

} // namespace qimbel
