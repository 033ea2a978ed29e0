// 分式方程: find the least common denominator, multiply both sides by it (去分母), solve the
// whole equation with the linear solver (or the discriminant and the roots where it becomes
// quadratic), then 检验: a root that makes the common denominator 0 is 增根 and is rejected.
//
// The page's check turns "/" into "÷"; in an equation of this type "÷" is read as the fraction
// bar, as the pupil meant it (FractionAlgebra.h says how). All arithmetic is exact.
#include "algebra/FractionAlgebra.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

#include <algorithm>
#include <vector>

namespace qimbel {

using namespace fractions;

namespace {

const char *const kRelation = "＝";

struct Side {
    std::vector<Term> terms;
    std::vector<Fraction> values; // each term as one fraction, its sign included
};

std::optional<Side> ReadSide(const std::string &text)
{
    std::optional<std::vector<Term>> terms = ReadSum(text);
    if (!terms)
        return std::nullopt;
    Side side {*terms, {}};
    for (const Term &term : side.terms) {
        std::optional<Fraction> v = TermValue(term);
        if (!v)
            return std::nullopt;
        side.values.push_back(*v);
    }
    return side;
}

// The terms of one side multiplied by the common denominator, written out term by term.
std::string WholeSideText(const std::vector<Fraction> &values, const Poly &lcd, Poly &sum)
{
    std::string text;
    for (const Fraction &f : values) {
        const std::optional<Poly> times = ExactQuotient(lcd, f.den);
        if (!times)
            throw TooLarge {};
        const Poly part = Product(f.num, *times);
        sum = Sum(sum, part);
        if (part.empty())
            continue;
        const std::string piece = PolyText(part);
        text += text.empty() || Left(piece, 2) == "－" ? piece : "＋" + piece;
    }
    return text.empty() ? "0" : text;
}

std::string RootText(const std::string &unknown, const Rational &root, int degree)
{
    // Written as the working wrote it: the linear solver's decimal of up to six places, else a
    // fraction; the root formula of a quadratic writes fractions.
    return unknown + "＝" + (degree == 2 ? FractionText(root.numerator, root.denominator) : ExactText(root));
}

// The rational roots of a polynomial of degree 1 or 2 in `letter` (none when the roots are not
// rational).
std::vector<Rational> RationalRoots(const Poly &p, char letter)
{
    const Poly whole = Normalised(p);
    Rational c2 {0, 1}, c1 {0, 1}, c0 {0, 1};
    for (const auto &[m, c] : whole) {
        const int power = m.empty() ? 0 : m.begin()->second;
        (power == 2 ? c2 : power == 1 ? c1 : c0) = c;
    }
    std::vector<Rational> roots;
    if (DegreeIn(whole, letter) == 1) {
        roots.push_back(Over(Negated(c0), c1));
        return roots;
    }
    // c2·x² + c1·x + c0 with whole coefficients: the roots are rational when b² − 4ac is a square.
    const Rational disc = Plus(Times(c1, c1), Negated(Times(Rational {4, 1}, Times(c2, c0))));
    if (disc.numerator < 0 || disc.denominator != 1)
        return roots;
    Whole s = 0;
    while (s * s < disc.numerator && s < (Whole(1) << 62))
        s = s == 0 ? 1 : s * 2;
    Whole lo = 0, hi = s;
    while (lo < hi) {
        const Whole mid = (lo + hi) / 2;
        if (mid * mid < disc.numerator)
            lo = mid + 1;
        else
            hi = mid;
    }
    if (lo * lo != disc.numerator)
        return roots;
    const Rational twoA = Times(Rational {2, 1}, c2);
    roots.push_back(Over(Plus(Negated(c1), Negated(Rational {lo, 1})), twoA));
    if (lo != 0)
        roots.push_back(Over(Plus(Negated(c1), Rational {lo, 1}), twoA));
    return roots;
}

} // namespace

std::string Solver::FenShiFangCheng(std::string equation, std::string unknown, int level)
{
    if (level < 1 || level > 5)
        level = 1;
    if (std::string sentence = EquationTooLarge(equation); !sentence.empty())
        return sentence;
    equation = Trim(equation);
    const int at = Find(equation, kRelation);
    if (at < 0 || Len(unknown) != 1)
        return "请输入一个含有“＝”的分式方程，例如：2/(x－1)＝1";
    const char u = unknown[0];
    try {
        const std::optional<Side> left = ReadSide(Left(equation, at));
        const std::optional<Side> right = ReadSide(Mid(equation, at + Len(kRelation)));
        if (!left || !right || Contains(Mid(equation, at + Len(kRelation)), kRelation))
            return "这个方程不是能按分式方程求解的式子，请检查括号、分数线和运算符号。";
        std::vector<Fraction> all = left->values;
        all.insert(all.end(), right->values.begin(), right->values.end());
        for (const Fraction &f : all)
            for (const Poly *p : {&f.num, &f.den})
                for (const auto &[m, c] : *p)
                    for (const auto &[letter, power] : m)
                        if (letter != u)
                            return "分式方程中只能有一个未知数 " + unknown + "。";

        const Poly lcd = CommonDenominator(all);
        const std::string lcdText = FactorisedText(*this, lcd);
        Poly leftSum;
        Poly rightSum;
        const std::string wholeEquation
            = WholeSideText(left->values, lcd, leftSum) + kRelation + WholeSideText(right->values, lcd, rightSum);
        const Poly difference = Difference(leftSum, rightSum);
        const int degree = DegreeIn(difference, u);

        // The steps, each a block of lines; the labels come at level 5 only.
        std::vector<std::string> steps;
        // The denominators as the pupil typed them, each once.
        std::string denominators;
        std::vector<std::string> seen;
        for (const Side *side : {&*left, &*right})
            for (const Term &term : side->terms)
                for (const Fraction &f : term.factors) {
                    const std::string text = f.typedDen;
                    if (text.empty() || std::find(seen.begin(), seen.end(), text) != seen.end())
                        continue;
                    seen.push_back(text);
                    denominators += (denominators.empty() ? "" : "、") + text;
                }
        if (!denominators.empty()) {
            steps.push_back("找最简公分母：各分母是 " + denominators + "，最简公分母是 " + lcdText + "；");
            steps.push_back("去分母：方程两边同乘 " + lcdText + "，得\r\n  " + wholeEquation);
        }

        std::string conclusion;
        std::string result;
        std::string surdRoots; // the roots of a quadratic that are not rational, as written
        if (degree == 0) {
            steps.push_back("整理后未知数 " + unknown + " 消去了：");
            result = difference.empty() ? "使分母不为0的任何数都是原方程的解" : "整式方程无解，原方程无解";
            conclusion = result + "。";
        } else if (degree > 2) {
            return "去分母后得到的整式方程高于二次，这里只解化为一次或二次方程的分式方程。\r\n  " + wholeEquation;
        } else {
            if (degree == 1) {
                steps.push_back(
                    "解这个整式方程：\r\n" + TrimRight(YiCiDengShi(wholeEquation, unknown, level == 5 ? 5 : 4)));
            } else {
                // The quadratic is examined in its general form, the square term positive.
                const bool negative = difference.at(Monomial {{u, 2}}).numerator < 0;
                const Poly general = Scaled(difference, Rational {negative ? -1 : 1, 1});
                const std::string generalText = PolyText(general) + kRelation + "0";
                const std::string examined = TrimRight(ErCiFangCheng(generalText, unknown));
                steps.push_back("移项、合并同类项，得\r\n  " + generalText + "\r\n解这个一元二次方程：\r\n" + examined);
                // The roots as the root formula writes them (surds included): "∴x1＝… ,x2＝…".
                const int line = Find(examined, "∴" + unknown + "1＝");
                if (line >= 0) {
                    surdRoots = Mid(examined, line + Len("∴"));
                    const int end = Find(surdRoots, "\r\n");
                    if (end >= 0)
                        surdRoots = Left(surdRoots, end);
                    surdRoots = GetTiHuan(surdRoots, " ,", "，");
                }
            }
            // 增根 are the roots that the common denominator shares with the whole equation.
            const Poly shared = Gcd(difference, lcd);
            const std::vector<Rational> roots = RationalRoots(difference, u);
            std::string check = "检验：";
            std::string good;
            std::string bad;
            if (roots.empty() && degree == 2 && surdRoots.empty()) {
                check.clear(); // no root, nothing to check
                conclusion = "整式方程没有实数根，所以原方程无解。";
                result = "原方程无解";
            } else if (roots.empty() && degree == 2) {
                if (DegreeIn(shared, u) == 0) {
                    check += surdRoots + " 都不使最简公分母 " + lcdText + " 等于0；";
                    conclusion = "经检验，" + surdRoots + " 都是原方程的解。";
                    result = surdRoots;
                } else {
                    check += "两个根都使最简公分母 " + lcdText + " 等于0；";
                    conclusion = "经检验，这两个根都是原方程的增根，原方程无解。";
                    result = "原方程无解";
                }
            } else {
                for (const Rational &root : roots) {
                    const Rational value = ConstantOf(Substituted(lcd, u, root));
                    const std::string rootText = RootText(unknown, root, degree);
                    check += "\r\n  当 " + rootText + " 时，" + lcdText + "＝"
                        + (degree == 2 ? FractionText(value.numerator, value.denominator) : ExactText(value))
                        + (value.numerator == 0 ? "" : "≠0") + "；";
                    if (value.numerator == 0)
                        bad += (bad.empty() ? "" : "，") + rootText;
                    else
                        good += (good.empty() ? "" : "，") + rootText;
                }
                if (roots.empty())
                    check += "整式方程没有实数根；";
                if (!bad.empty() && good.empty()) {
                    conclusion = "经检验，" + bad + " 是原方程的增根，原方程无解。";
                    result = "原方程无解";
                } else if (!bad.empty()) {
                    conclusion = "经检验，" + bad + " 是原方程的增根，" + good + " 是原方程的解。";
                    result = good;
                } else if (!good.empty()) {
                    conclusion = "经检验，" + good + " 是原方程的解。";
                    result = good;
                } else {
                    conclusion = "原方程无解。";
                    result = "原方程无解";
                }
            }
            // Without the unknown in a denominator nothing can be 增根, and there is nothing to check.
            if (IsConstant(lcd) || check.empty()) {
                if (!good.empty())
                    conclusion = "所以原方程的解是 " + good + "。";
                else if (!surdRoots.empty())
                    conclusion = "所以原方程的解是 " + surdRoots + "。";
            } else {
                steps.push_back(check);
            }
        }
        if (level == 1)
            return result;
        std::string text = "  " + equation + "\r\n";
        for (std::size_t k = 0; k < steps.size(); ++k)
            text += (level == 5 ? "第" + IntText(static_cast<long long>(k + 1)) + "步:" : std::string()) + steps[k]
                + "\r\n";
        return text + conclusion;
    } catch (const TooLarge &) {
        return "这个方程中的数太大，无法准确求解。";
    }
}

} // namespace qimbel
