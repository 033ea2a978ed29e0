#include "algebra/FactorSearch.h"
#include "algebra/YinShiFenJie.h"

namespace qimbel {

namespace {

// m(rest) as written inside a sum: "a(m＋n)", "－b(m＋n)", "＋(m＋n)".
std::string TimesGroup(const PolyTerm &m, const std::string &rest, bool first)
{
    std::string text;
    if (m.coefficient < 0)
        text = "－";
    else if (!first)
        text = "＋";
    const long long size = m.coefficient < 0 ? -m.coefficient : m.coefficient;
    if (size != 1 || TotalDegree(m.exponents) > 0)
        text += MonomialText(size, m.exponents);
    return text + "(" + rest + ")";
}

} // namespace

// 分组分解法 on four terms: two groups of two, each group's common factor taken out, and the
// bracket they then share taken out again. The groupings are tried in the written order first.
//   am＋an＋bm＋bn ＝ (am＋an)＋(bm＋bn) ＝ a(m＋n)＋b(m＋n) ＝ (m＋n)(a＋b)
bool FenZuFenJie(Factored &f, FenJieBuZhou &steps)
{
    static const int kGroupings[3][4] = {{0, 1, 2, 3}, {0, 2, 1, 3}, {0, 3, 1, 2}};
    for (std::size_t i = 0; i < f.factors.size(); ++i) {
        const Poly &p = f.factors[i].poly;
        if (p.terms.size() != 4 || f.factors[i].power != 1)
            continue;
        for (const auto &g : kGroupings) {
            Poly one;
            Poly two;
            one.terms = {p.terms[static_cast<std::size_t>(g[0])], p.terms[static_cast<std::size_t>(g[1])]};
            two.terms = {p.terms[static_cast<std::size_t>(g[2])], p.terms[static_cast<std::size_t>(g[3])]};
            const PolyTerm m1 = CommonFactorOf(one);
            PolyTerm m2 = CommonFactorOf(two);
            const Poly rest1 = DividedByTerm(one, m1);
            Poly rest2 = DividedByTerm(two, m2);
            if (!SamePoly(rest1, rest2)) {
                if (!SamePoly(rest1, PolyNegated(rest2)))
                    continue;
                m2.coefficient = -m2.coefficient;
                rest2 = rest1;
            }
            if (m1.exponents == m2.exponents)
                continue; // the other factor would be a single term: not a grouping
            const bool secondNegative = two.terms[0].coefficient < 0;
            const std::string grouped = "(" + PolyText(one) + ")" + (secondNegative ? "－(" : "＋(")
                + PolyText(secondNegative ? PolyNegated(two) : two) + ")";
            steps.push_back({FactoredText(f, static_cast<int>(i), grouped), "分组分解法：把多项式分成两组"});
            const std::string restText = PolyText(rest1);
            steps.push_back(
                {FactoredText(f, static_cast<int>(i), TimesGroup(m1, restText, true) + TimesGroup(m2, restText, false)),
                    "分组分解法：每组分别提取公因式"});
            Poly sum;
            sum.terms = {m1, m2};
            f.factors[i].poly = rest1;
            f.factors.insert(f.factors.begin() + static_cast<long>(i) + 1, PolyFactor {sum, 1});
            Tidy(f);
            steps.push_back({FactoredText(f), "分组分解法：再提取公因式 (" + restText + ")"});
            return true;
        }
    }
    return false;
}

} // namespace qimbel
