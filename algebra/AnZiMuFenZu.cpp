#include "algebra/FactorSearch.h"
#include "algebra/PolyAlgebra.h"
#include "algebra/YinShiFenJie.h"

namespace qimbel {

// 分组分解法 by the powers of one letter: the terms with the same power of x make a group; when
// the groups share a factor in the other letters, it is taken out.
//   x^3y＋x^3＋xy＋x＋y＋1 ＝ x^3(y＋1)＋x(y＋1)＋(y＋1) ＝ (y＋1)(x^3＋x＋1)
bool AnZiMuFenZu(Factored &f, FenJieBuZhou &steps)
{
    for (std::size_t i = 0; i < f.factors.size(); ++i) {
        const Poly &p = f.factors[i].poly;
        std::vector<int> letters = SearchedLetters(p);
        // In more letters the greatest common divisor of the groups is not searched: a group that
        // divides every other one (ace＋acf＋ade＋adf＋bce＋…＋bdf by a: (ce＋cf＋de＋df) and
        // b(ce＋cf＋de＋df)) is found by division alone, one letter after another.
        constexpr std::size_t kMostDividedTerms = 256;
        const bool byDivision = letters.empty() && LettersOf(p).size() > 3 && p.terms.size() <= kMostDividedTerms;
        if (byDivision)
            letters = LettersOf(p);
        for (int x : letters) {
            const std::vector<Poly> c = CoefficientsIn(p, x);
            // A group of one term shares at most a monomial, which the common factor took out.
            bool single = false;
            for (const Poly &coefficient : c)
                single = single || coefficient.terms.size() == 1;
            if (single)
                continue;
            std::optional<Poly> common = Poly {};
            int groups = 0;
            if (byDivision) {
                // The first group that divides every other one.
                common = std::nullopt;
                for (const Poly &candidate : c) {
                    if (candidate.terms.empty())
                        continue;
                    ++groups;
                    bool divides = !common;
                    for (const Poly &coefficient : c)
                        divides = divides && (coefficient.terms.empty() || PolyQuotient(coefficient, candidate));
                    if (divides)
                        common = PolySorted(candidate);
                }
                if (common && common->terms[0].coefficient < 0)
                    common = PolyNegated(*common);
            } else {
                for (const Poly &coefficient : c)
                    if (!coefficient.terms.empty() && common) {
                        common = PolyGcd(*common, coefficient);
                        ++groups;
                    }
            }
            if (!common || groups < 2 || common->terms.size() < 2)
                continue;
            const std::optional<Poly> rest = PolyQuotient(p, *common);
            if (!rest)
                continue;
            // x^3(y＋1)＋x(y＋1)＋(y＋1): each power of x with its coefficient.
            std::string grouped;
            for (std::size_t k = c.size(); k-- > 0;) {
                if (c[k].terms.empty())
                    continue;
                Exponents e {};
                e[static_cast<std::size_t>(x)] = static_cast<unsigned char>(k);
                const Poly &g = c[k];
                if (g.terms.size() == 1) {
                    const std::optional<Poly> term = PolyProduct(g, MonomialPoly(1, e));
                    if (!term)
                        return false;
                    grouped += MonomialText(term->terms[0].coefficient, term->terms[0].exponents, !grouped.empty());
                    continue;
                }
                const bool negative = PolySorted(g).terms[0].coefficient < 0;
                grouped += negative ? "－" : grouped.empty() ? "" : "＋";
                grouped += (k > 0 ? MonomialText(1, e) : "") + "(" + PolyText(PolySorted(negative ? PolyNegated(g) : g))
                    + ")";
            }
            const std::string commonText = PolyText(*common);
            steps.push_back({FactoredText(f, static_cast<int>(i), grouped),
                std::string("分组分解法：按 ") + LetterOf(x) + " 的次数分组"});
            SplitFactor(f, i, *common, *rest);
            steps.push_back({FactoredText(f), "分组分解法：各组都有公因式 (" + commonText + ")，提取公因式"});
            return true;
        }
    }
    return false;
}

} // namespace qimbel
