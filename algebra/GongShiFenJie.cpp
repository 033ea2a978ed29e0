#include "algebra/FactorSearch.h"
#include "algebra/YinShiFenJie.h"

namespace qimbel {

namespace {

// a^2－b^2＝(a＋b)(a－b) on a factor of one positive and one negative square.
bool DifferenceOfSquares(Factored &f, std::size_t i, FenJieBuZhou &steps)
{
    const Poly &p = f.factors[i].poly;
    if (p.terms.size() != 2 || f.factors[i].power != 1)
        return false;
    const bool firstPositive = p.terms[0].coefficient > 0;
    PolyTerm plus = p.terms[firstPositive ? 0 : 1];
    PolyTerm minus = p.terms[firstPositive ? 1 : 0];
    if (plus.coefficient < 0 || minus.coefficient > 0)
        return false;
    minus.coefficient = -minus.coefficient;
    const std::optional<PolyTerm> a = SquareRootOf(plus);
    const std::optional<PolyTerm> b = SquareRootOf(minus);
    if (!a || !b)
        return false;
    const std::string squares = SquareText(*a) + "－" + SquareText(*b);
    if (squares != PolyText(p))
        steps.push_back({FactoredText(f, static_cast<int>(i), squares), "应用公式法：写成 a^2－b^2 的形式"});
    f.factors[i].poly = TwoTerms(*a, *b, 1);
    f.factors.insert(f.factors.begin() + static_cast<long>(i) + 1, PolyFactor {TwoTerms(*a, *b, -1), 1});
    Tidy(f);
    steps.push_back({FactoredText(f), "应用公式法：平方差公式 a^2－b^2＝(a＋b)(a－b)"});
    return true;
}

// a^2±2ab＋b^2＝(a±b)^2 on a factor of two positive squares and twice their product.
bool PerfectSquare(Factored &f, std::size_t i, FenJieBuZhou &steps)
{
    const std::optional<SquareOfSum> square = PerfectSquareOf(f.factors[i].poly);
    if (!square)
        return false;
    const std::string op = square->sign > 0 ? "＋" : "－";
    steps.push_back({FactoredText(f, static_cast<int>(i), PerfectSquareText(*square)),
        "应用公式法：写成 a^2" + op + "2ab＋b^2 的形式"});
    f.factors[i].poly = TwoTerms(square->a, square->b, square->sign);
    f.factors[i].power *= 2;
    Tidy(f);
    steps.push_back({FactoredText(f), "应用公式法：完全平方公式 a^2" + op + "2ab＋b^2＝(a" + op + "b)^2"});
    return true;
}

} // namespace

// 应用公式法: the difference of two squares and the perfect square.
//   x^2－9 ＝ x^2－3^2 ＝ (x＋3)(x－3);  x^2＋6x＋9 ＝ x^2＋2×x×3＋3^2 ＝ (x＋3)^2
bool GongShiFenJie(Factored &f, FenJieBuZhou &steps)
{
    for (std::size_t i = 0; i < f.factors.size(); ++i)
        if (DifferenceOfSquares(f, i, steps) || PerfectSquare(f, i, steps))
            return true;
    return false;
}

} // namespace qimbel
