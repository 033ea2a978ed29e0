#include "algebra/YinShiFenJie.h"

#include "algebra/ArithmeticText.h"
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

bool FenJie(Factored &f, int method, FenJieBuZhou &steps)
{
    bool split = false;
    // A method may apply to the factors it made itself (x^4－16 by the formulas twice); a
    // method that finds nothing more ends the run.
    for (int round = 0; round < 64; ++round) {
        bool more = false;
        switch (method) {
        case kTiGongYinFa:
            more = TiGongYinShi(f, steps);
            break;
        case kYingYongGongShiFa:
            more = GongShiFenJie(f, steps);
            break;
        case kFenZuFenJieFa:
            more = FenZuFenJie(f, steps);
            break;
        case kShiZiXiangChengFa:
            more = ShiZiXiangCheng(f, steps);
            break;
        case kPeiFangFa:
            more = PeiFangFenJie(f, steps);
            break;
        case kQiuGenFa:
            more = QiuGenFenJie(f, steps, 2);
            break;
        case kDaiDingXiShuFa:
            more = DaiDingXiShu(f, steps);
            break;
        default:
            return ZongHeFenJie(f, steps);
        }
        if (!more)
            break;
        split = true;
    }
    return split;
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
        if (level < 5)
            text += "\r\n＝" + step.expression;
        else
            text += StepLine(step.expression, StepPadding(first, step.expression, 30), ++number, step.description);
    }
    return text;
}

} // namespace qimbel
