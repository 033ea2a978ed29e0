#include "algebra/FactorSearch.h"
#include "algebra/YinShiFenJie.h"

#include <cmath>

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

// The monomial whose cube is `t` (any sign of the coefficient, exponents divisible by three).
std::optional<PolyTerm> CubeRootOf(const PolyTerm &t)
{
    const long long size = t.coefficient < 0 ? -t.coefficient : t.coefficient;
    const long long guess = std::llround(std::cbrt(static_cast<double>(size)));
    long long r = -1;
    for (long long c = guess > 0 ? guess - 1 : 0; c <= guess + 1 && c < 2097152; ++c)
        if (c * c * c == size)
            r = c;
    if (r < 0)
        return std::nullopt;
    PolyTerm root;
    root.coefficient = t.coefficient < 0 ? -r : r;
    for (std::size_t k = 0; k < t.exponents.size(); ++k) {
        if (t.exponents[k] % 3 != 0)
            return std::nullopt;
        root.exponents[k] = static_cast<unsigned char>(t.exponents[k] / 3);
    }
    return root;
}

// "2^3", "x^3", "(2x)^3", "(x^2)^3": the cube of a positive monomial as a pupil writes it.
std::string CubeText(const PolyTerm &root)
{
    const std::string text = MonomialText(root.coefficient, root.exponents);
    const int degree = TotalDegree(root.exponents);
    const bool bare = (degree == 0) || (root.coefficient == 1 && degree == 1);
    return bare ? text + "^3" : "(" + text + ")^3";
}

// a^3＋b^3＝(a＋b)(a^2－ab＋b^2) and a^3－b^3＝(a－b)(a^2＋ab＋b^2) on a factor of two cubes with a
// positive first term.
bool SumOfCubes(Factored &f, std::size_t i, FenJieBuZhou &steps)
{
    const Poly &p = f.factors[i].poly;
    if (p.terms.size() != 2 || f.factors[i].power != 1 || p.terms[0].coefficient < 0)
        return false;
    const std::optional<PolyTerm> a = CubeRootOf(p.terms[0]);
    std::optional<PolyTerm> b = CubeRootOf(p.terms[1]);
    if (!a || !b || (TotalDegree(a->exponents) == 0 && TotalDegree(b->exponents) == 0))
        return false;
    const int sign = b->coefficient < 0 ? -1 : 1;
    b->coefficient *= sign;
    const std::string op = sign > 0 ? "＋" : "－";
    const std::string other = sign > 0 ? "－" : "＋";
    const std::string cubes = CubeText(*a) + op + CubeText(*b);
    if (cubes != PolyText(p))
        steps.push_back({FactoredText(f, static_cast<int>(i), cubes), "应用公式法：写成 a^3" + op + "b^3 的形式"});
    const std::optional<Poly> aa
        = PolyProduct(MonomialPoly(a->coefficient, a->exponents), MonomialPoly(a->coefficient, a->exponents));
    const std::optional<Poly> ab
        = PolyProduct(MonomialPoly(a->coefficient, a->exponents), MonomialPoly(-sign * b->coefficient, b->exponents));
    const std::optional<Poly> bb
        = PolyProduct(MonomialPoly(b->coefficient, b->exponents), MonomialPoly(b->coefficient, b->exponents));
    if (!aa || !ab || !bb)
        return false;
    Poly square;
    square.terms = {aa->terms[0], ab->terms[0], bb->terms[0]};
    f.factors[i].poly = TwoTerms(*a, *b, sign);
    f.factors.insert(f.factors.begin() + static_cast<long>(i) + 1, PolyFactor {square, 1});
    Tidy(f);
    const std::string name = sign > 0 ? "立方和公式" : "立方差公式";
    steps.push_back(
        {FactoredText(f), "应用公式法：" + name + " a^3" + op + "b^3＝(a" + op + "b)(a^2" + other + "ab＋b^2)"});
    return true;
}

} // namespace

// 应用公式法: the difference of two squares, the perfect square, and the sum and the difference
// of two cubes.
//   x^2－9 ＝ x^2－3^2 ＝ (x＋3)(x－3);  x^2＋6x＋9 ＝ x^2＋2×x×3＋3^2 ＝ (x＋3)^2
//   x^3＋8 ＝ x^3＋2^3 ＝ (x＋2)(x^2－2x＋4)
bool GongShiFenJie(Factored &f, FenJieBuZhou &steps)
{
    for (std::size_t i = 0; i < f.factors.size(); ++i)
        if (DifferenceOfSquares(f, i, steps) || PerfectSquare(f, i, steps) || SumOfCubes(f, i, steps))
            return true;
    return false;
}

} // namespace qimbel
