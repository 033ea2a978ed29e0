#include "algebra/YinShiFenJie.h"

#include "algebra/ArithmeticText.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

namespace qimbel {

const char *BuNengFenJie(int method)
{
    switch (method) {
    case kTiGongYinFa:
        return "各项没有公因式，不能用提公因法分解。";
    case kYingYongGongShiFa:
        return "不符合平方差公式或完全平方公式的形式，不能用应用公式法分解。";
    case kFenZuFenJieFa:
        return "找不到能分别提取公因式的分组，不能用分组分解法分解。";
    case kShiZiXiangChengFa:
        return "不是能用十字相乘法分解的二次三项式。";
    case kPeiFangFa:
        return "不是能用配方法在整数范围内分解的二次三项式（二次项系数为1）。";
    case kQiuGenFa:
        return "找不到有理数根，不能用求根法分解。";
    case kDaiDingXiShuFa:
        return "比较系数找不到整数解，不能用待定系数法分解。";
    default:
        return "用综合处理的各种方法都不能在整数范围内分解这个多项式。";
    }
}

namespace {

// One round of the chosen method, with the forms of it that take one letter as the unknown.
bool OneRound(Factored &f, int method, FenJieBuZhou &steps)
{
    switch (method) {
    case kTiGongYinFa:
        return TiGongYinShi(f, steps);
    case kYingYongGongShiFa:
        return GongShiFenJie(f, steps);
    case kFenZuFenJieFa:
        return FenZuFenJie(f, steps) || AnZiMuFenZu(f, steps);
    case kShiZiXiangChengFa:
        return ShiZiXiangCheng(f, steps) || ZhuYuanShiZiXiangCheng(f, steps);
    case kPeiFangFa:
        return PeiFangFenJie(f, steps);
    case kQiuGenFa:
        return QiuGenFenJie(f, steps, 2) || ZhuYuanQiuGen(f, steps);
    case kDaiDingXiShuFa:
        return DaiDingXiShu(f, steps) || ErCiYinShiFenJie(f, steps);
    default:
        return false;
    }
}

} // namespace

bool FenJie(Factored &f, int method, FenJieBuZhou &steps)
{
    if (method < kTiGongYinFa || method >= kZongHeChuLi)
        return ZongHeFenJie(f, steps);
    // The common factor comes out first, whatever the method: 2x^2－4x－6 ＝ 2(x^2－2x－3).
    bool split = method != kTiGongYinFa && TiGongYinShi(f, steps);
    // A method may apply to the factors it made itself (x^4－16 by the formulas twice); a
    // method that finds nothing more ends its run.
    bool used = false;
    for (int round = 0; round < 64 && OneRound(f, method, steps); ++round)
        used = true;
    if (!used)
        steps.push_back({"", BuNengFenJie(method)});
    // What the method leaves that still splits is split by the methods that apply.
    const bool more = ZongHeFenJie(f, steps, used ? 0 : method);
    if (!used && !more)
        steps.pop_back(); // nothing was left to split: the sentence would only confuse
    return split || used || more;
}

// Factorises an integer polynomial by the chosen method. Level 1 gives the factorised expression,
// 2 to 4 the chain of expressions, 5 the worked text with the method and formula of every step.
// The product is multiplied out again before it is written; a polynomial that the method cannot
// split, or a line that is not an integer polynomial, is answered with one sentence.
std::string Solver::YinShiFenJie(std::string polynomial, int method, int level)
{
    if (level < 1 || level > 5)
        level = 1;
    if (method < kTiGongYinFa || method > kZongHeChuLi)
        method = kZongHeChuLi;
    const std::string first = Trim(polynomial);
    if (std::string sentence = FactorLineTooLarge(first); !sentence.empty())
        return sentence;
    const auto answer = [&](const std::string &sentence) { return level == 1 ? sentence : first + "\r\n" + sentence; };

    std::string why;
    const std::optional<Poly> poly = ReadPolynomial(first, why);
    if (!poly)
        return answer(why);
    if (LettersOf(*poly).empty())
        return answer("式子中没有字母，不是要分解因式的多项式。");
    if (poly->terms.size() < 2)
        return answer("这是一个单项式，不需要分解因式。");

    Factored f;
    f.factors.push_back({*poly, 1});
    FenJieBuZhou steps;
    // A typed product or bracket is first multiplied out, so the steps start from a polynomial.
    if (PolyText(*poly) != first)
        steps.push_back({PolyText(*poly), "先去括号、合并同类项，化成多项式"});
    const std::size_t typed = steps.size();
    if (!FenJie(f, method, steps) || steps.size() == typed) {
        if (typed == 0)
            return answer(BuNengFenJie(method));
        return level == 1 ? BuNengFenJie(method) : first + "\r\n＝" + PolyText(*poly) + "\r\n" + BuNengFenJie(method);
    }
    const std::optional<Poly> check = Expand(f);
    if (!check || !SamePoly(*check, *poly))
        return answer("分解的结果乘开后与原式不相等，没有写出结果。");

    if (level == 1)
        return steps.back().expression;
    std::string text = first;
    int number = 0;
    for (const FenJieBu &step : steps) {
        if (step.expression.empty())
            text += "\r\n" + step.description; // the chosen method found nothing; the others go on
        else if (level < 5)
            text += "\r\n＝" + step.expression;
        else
            text += StepLine(step.expression, StepPadding(first, step.expression, 30), ++number, step.description);
    }
    return text;
}

} // namespace qimbel
