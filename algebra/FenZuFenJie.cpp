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

// Three of the four terms a perfect square, the fourth a square of the other sign:
//   a^2－2ab＋b^2－c^2 ＝ (a^2－2ab＋b^2)－c^2 ＝ (a－b)^2－c^2 ＝ (a－b＋c)(a－b－c)
bool ThreeAndOne(Factored &f, std::size_t i, FenJieBuZhou &steps)
{
    const Poly &p = f.factors[i].poly;
    for (std::size_t t = 0; t < 4; ++t) {
        Poly three;
        for (std::size_t k = 0; k < 4; ++k)
            if (k != t)
                three.terms.push_back(p.terms[k]);
        const PolyTerm &one = p.terms[t];
        // The square comes first when the single term is the positive one: c^2－(a±b)^2.
        const bool squareFirst = one.coefficient > 0;
        PolyTerm magnitude = one;
        magnitude.coefficient = squareFirst ? one.coefficient : -one.coefficient;
        const std::optional<PolyTerm> c = SquareRootOf(magnitude);
        const Poly group = PolySorted(squareFirst ? PolyNegated(three) : three);
        const std::optional<SquareOfSum> square = PerfectSquareOf(group);
        if (!c || !square)
            continue;
        const std::string op = square->sign > 0 ? "＋" : "－";
        const std::string sum = "(" + PolyText(TwoTerms(square->a, square->b, square->sign)) + ")^2";
        const std::string oneText = MonomialText(magnitude.coefficient, magnitude.exponents);
        steps.push_back(
            {FactoredText(f, static_cast<int>(i),
                 squareFirst ? oneText + "－(" + PolyText(group) + ")" : "(" + PolyText(group) + ")－" + oneText),
                "分组分解法：把能配成完全平方的三项分成一组"});
        steps.push_back({FactoredText(f, static_cast<int>(i),
                             squareFirst ? SquareText(*c) + "－" + sum : sum + "－" + SquareText(*c)),
            "分组分解法：组内应用完全平方公式 a^2" + op + "2ab＋b^2＝(a" + op + "b)^2"});
        Poly plus;
        Poly minus;
        PolyTerm b = square->b;
        b.coefficient *= square->sign;
        PolyTerm negC = *c;
        negC.coefficient = -negC.coefficient;
        if (squareFirst) {
            plus.terms = {*c, square->a, b};
            PolyTerm negA = square->a;
            negA.coefficient = -negA.coefficient;
            PolyTerm negB = b;
            negB.coefficient = -negB.coefficient;
            minus.terms = {*c, negA, negB};
        } else {
            plus.terms = {square->a, b, *c};
            minus.terms = {square->a, b, negC};
        }
        f.factors[i].poly = plus;
        f.factors.insert(f.factors.begin() + static_cast<long>(i) + 1, PolyFactor {minus, 1});
        Tidy(f);
        steps.push_back({FactoredText(f), "分组分解法：再应用平方差公式 a^2－b^2＝(a＋b)(a－b)"});
        return true;
    }
    return false;
}

// Two terms a difference of squares, the other two a multiple of a＋b or a－b:
//   a^2－b^2－a－b ＝ (a^2－b^2)－(a＋b) ＝ (a＋b)(a－b)－(a＋b) ＝ (a＋b)(a－b－1)
bool SquaresAndPair(Factored &f, std::size_t i, FenJieBuZhou &steps)
{
    static const int kPairs[6][4]
        = {{0, 1, 2, 3}, {2, 3, 0, 1}, {0, 2, 1, 3}, {1, 3, 0, 2}, {0, 3, 1, 2}, {1, 2, 0, 3}};
    const Poly &p = f.factors[i].poly;
    for (const auto &g : kPairs) {
        PolyTerm plus = p.terms[static_cast<std::size_t>(g[0])];
        PolyTerm minus = p.terms[static_cast<std::size_t>(g[1])];
        if (plus.coefficient < 0)
            std::swap(plus, minus);
        if (plus.coefficient < 0 || minus.coefficient > 0)
            continue;
        PolyTerm minusSize = minus;
        minusSize.coefficient = -minus.coefficient;
        const std::optional<PolyTerm> a = SquareRootOf(plus);
        const std::optional<PolyTerm> b = SquareRootOf(minusSize);
        if (!a || !b)
            continue;
        Poly pair;
        pair.terms = {p.terms[static_cast<std::size_t>(g[2])], p.terms[static_cast<std::size_t>(g[3])]};
        PolyTerm m = CommonFactorOf(pair);
        const Poly rest = DividedByTerm(pair, m);
        const Poly sum = TwoTerms(*a, *b, 1);
        const Poly difference = TwoTerms(*a, *b, -1);
        Poly common;
        Poly other;
        if (SamePoly(rest, sum) || SamePoly(rest, PolyNegated(sum))) {
            common = sum;
            other = difference;
        } else if (SamePoly(rest, difference) || SamePoly(rest, PolyNegated(difference))) {
            common = difference;
            other = sum;
        } else {
            continue;
        }
        if (!SamePoly(rest, common))
            m.coefficient = -m.coefficient;
        const std::optional<Poly> joined = PolySum(other, MonomialPoly(m.coefficient, m.exponents));
        if (!joined || joined->terms.size() < 2)
            continue;
        Poly squares;
        squares.terms = {plus, minus};
        const bool secondNegative = pair.terms[0].coefficient < 0;
        steps.push_back({FactoredText(f, static_cast<int>(i),
                             "(" + PolyText(squares) + ")" + (secondNegative ? "－(" : "＋(")
                                 + PolyText(secondNegative ? PolyNegated(pair) : pair) + ")"),
            "分组分解法：把多项式分成两组"});
        const std::string commonText = PolyText(common);
        const bool single = m.coefficient * m.coefficient == 1 && TotalDegree(m.exponents) == 0;
        steps.push_back(
            {FactoredText(f, static_cast<int>(i),
                 "(" + PolyText(sum) + ")(" + PolyText(difference) + ")" + TimesGroup(m, commonText, false)),
                single ? "分组分解法：第一组应用平方差公式 a^2－b^2＝(a＋b)(a－b)"
                       : "分组分解法：第一组应用平方差公式，第二组提取公因式"});
        f.factors[i].poly = common;
        f.factors.insert(f.factors.begin() + static_cast<long>(i) + 1, PolyFactor {*joined, 1});
        Tidy(f);
        steps.push_back({FactoredText(f), "分组分解法：再提取公因式 (" + commonText + ")"});
        return true;
    }
    return false;
}

} // namespace

// 分组分解法 on four terms: two groups of two, each group's common factor taken out, and the
// bracket they then share taken out again; the groupings are tried in the written order first.
// Failing that, three terms that make a perfect square and a fourth square give a difference
// of two squares, or two squares of different signs share a bracket with the other two terms.
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
        if (ThreeAndOne(f, i, steps) || SquaresAndPair(f, i, steps))
            return true;
    }
    return false;
}

} // namespace qimbel
