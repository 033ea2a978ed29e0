#include "algebra/FactorSearch.h"
#include "algebra/PolyAlgebra.h"
#include "algebra/YinShiFenJie.h"

namespace qimbel {

namespace {

bool IsNumber(const Poly &p) { return p.terms.size() == 1 && TotalDegree(p.terms[0].exponents) == 0; }

// A coefficient as a factor in the cross: 3, (－4), y, (y＋5), (－y－5).
std::string Bracketed(const Poly &p)
{
    if (p.terms.size() == 1 && p.terms[0].coefficient > 0)
        return PolyText(p);
    return "(" + PolyText(PolySorted(p)) + ")";
}

// ＋(y＋9)x, －(y＋9)x, －xy, ＋(4y＋20): a coefficient times `x` inside a sum.
std::string SummandText(const Poly &coefficient, int x, int power)
{
    if (coefficient.terms.empty())
        return "";
    Exponents e {};
    if (x >= 0)
        e[static_cast<std::size_t>(x)] = static_cast<unsigned char>(power);
    if (coefficient.terms.size() == 1) {
        const std::optional<Poly> term = PolyProduct(coefficient, MonomialPoly(1, e));
        return term ? MonomialText(term->terms[0].coefficient, term->terms[0].exponents, true) : "";
    }
    const Poly sorted = PolySorted(coefficient);
    const bool negative = sorted.terms[0].coefficient < 0;
    return std::string(negative ? "－(" : "＋(") + PolyText(negative ? PolyNegated(sorted) : sorted) + ")"
        + (x >= 0 ? MonomialText(1, e) : "");
}

} // namespace

// 十字相乘法 with one letter as the unknown and the other letters in the coefficients: the
// quadratic A·x²＋B·x＋C in x splits when B²－4AC is a square; the cross splitting of A and C
// is read from the two factors.
//   x^2－xy－9x＋4y＋20 看成 x^2－(y＋9)x＋(4y＋20): 1＝1×1，4y＋20＝(－4)×(－y－5)
//                     ＝ (x－4)(x－y－5)
bool ZhuYuanShiZiXiangCheng(Factored &f, FenJieBuZhou &steps)
{
    for (std::size_t i = 0; i < f.factors.size(); ++i) {
        const Poly &p = f.factors[i].poly;
        const std::vector<int> letters = SearchedLetters(p);
        for (int x : letters) {
            if (DegreeIn(p, x) != 2)
                continue;
            const std::vector<Poly> c = CoefficientsIn(p, x);
            if (!IsNumber(c[2]) || c[0].terms.empty())
                continue;
            const long long a = c[2].terms[0].coefficient;
            long long fourA = 0;
            if (__builtin_mul_overflow(a, 4, &fourA))
                continue;
            const std::optional<Poly> bb = PolyProduct(c[1], c[1]);
            const std::optional<Poly> ac = PolyProduct(MonomialPoly(fourA, Exponents {}), c[0]);
            const std::optional<Poly> disc = bb && ac ? PolySum(*bb, PolyNegated(*ac)) : std::nullopt;
            const std::optional<Poly> root = disc ? PolySquareRoot(*disc) : std::nullopt;
            if (!root)
                continue;
            Exponents ex {};
            ex[static_cast<std::size_t>(x)] = 1;
            const std::optional<Poly> base = PolySum(MonomialPoly(2 * a, ex), c[1]);
            const std::optional<Poly> one = base ? PolySum(*base, PolyNegated(*root)) : std::nullopt;
            const std::optional<Poly> two = base ? PolySum(*base, *root) : std::nullopt;
            if (!one || !two || one->terms.empty() || two->terms.empty())
                continue;
            const long long g1 = IntegerContent(*one);
            const long long g2 = IntegerContent(*two);
            Poly first = DividedByInteger(*one, g1);
            Poly second = DividedByInteger(*two, g2);
            long long both = 0;
            if (__builtin_mul_overflow(g1, g2, &both) || both % fourA != 0)
                continue;
            const long long k = both / fourA;
            if (k != 1 && k != -1)
                continue;
            if (k == -1)
                second = PolyNegated(second);
            const std::optional<Poly> check = PolyProduct(first, second);
            if (!check || !SamePoly(*check, p))
                continue;
            // The cross: a1·x＋c1 and a2·x＋c2.
            const std::vector<Poly> f1 = CoefficientsIn(first, x);
            const std::vector<Poly> f2 = CoefficientsIn(second, x);
            if (f1.size() != 2 || f2.size() != 2 || !IsNumber(f1[1]) || !IsNumber(f2[1]))
                continue;
            const long long a1 = f1[1].terms[0].coefficient;
            const long long a2 = f2[1].terms[0].coefficient;
            const std::optional<Poly> cross1 = PolyProduct(MonomialPoly(a1, Exponents {}), f2[0]);
            const std::optional<Poly> cross2 = PolyProduct(MonomialPoly(a2, Exponents {}), f1[0]);
            if (!cross1 || !cross2)
                continue;
            const std::string xs(1, LetterOf(x));
            std::string form = a == 1 ? xs + "^2" : a == -1 ? "－" + xs + "^2" : CoefficientText(a) + xs + "^2";
            form += SummandText(c[1], x, 1) + SummandText(c[0], -1, 0);
            const std::string why = "十字相乘法：把 " + PolyText(p) + " 看成 " + xs + " 的二次三项式 " + form + "，"
                + CoefficientText(a) + "＝" + BracketedNumber(a1) + "×" + BracketedNumber(a2) + "，"
                + PolyText(PolySorted(c[0])) + "＝" + Bracketed(f1[0]) + "×" + Bracketed(f2[0]) + "，交叉相乘 "
                + BracketedNumber(a1) + "×" + Bracketed(f2[0]) + "＋" + BracketedNumber(a2) + "×" + Bracketed(f1[0])
                + "＝" + PolyText(PolySorted(c[1])) + "，等于一次项系数";
            const int power = f.factors[i].power;
            if (SamePoly(first, second)) {
                f.factors[i].poly = PolySorted(first);
                f.factors[i].power *= 2;
            } else {
                f.factors[i].poly = PolySorted(first);
                f.factors.insert(f.factors.begin() + static_cast<long>(i) + 1, PolyFactor {PolySorted(second), power});
            }
            Tidy(f);
            steps.push_back({FactoredText(f), why});
            return true;
        }
    }
    return false;
}

} // namespace qimbel
