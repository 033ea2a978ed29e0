#include "algebra/ArithmeticText.h"

namespace qimbel {

namespace {

const char *PhraseOf(const std::string &op)
{
    if (op == "×")
        return " 的乘法计算";
    if (op == "÷")
        return " 的除法计算";
    if (op == "＋")
        return " 的加法计算";
    return " 的减法计算";
}

} // namespace

// One operation on a numeric expression without brackets, as a step result: the new expression,
// "┃", then "a d b=c" and the phrase of the operation. Fractions with different denominators are
// first brought to a common denominator as a step of its own. Every other occurrence of the same
// operation that stands on its own is worked in the same step (2×3＋2×3 gives 6＋6). Empty when
// the expression holds no operation; an operation that forms no value (a division by 0) gives an
// empty new expression, which ends the working.
std::string Solver::ShuZiYiBu(std::string expression)
{
    if (NeedsCommonDenominator(*this, expression))
        return TongFen(expression);

    const std::string d = XianSuanFuHao(expression);
    if (d.empty())
        return {};
    const int o = Find(expression, d, LeadingSignLength(expression) > 0 ? LeadingSignLength(expression) : 1);
    if (o <= 0)
        return {};
    const std::string a = ZuoCaoZuoShu(expression, o);
    const std::string b = YouCaoZuoShu(expression, o + 2);

    std::string c;
    if (d == "×")
        c = XiangCheng(a, b);
    else if (d == "÷")
        c = XiangChu(a, b);
    else if (d == "＋")
        c = XiangJia(a, b);
    else
        c = XiangJian(a, b);

    const std::string operation = a + d + b;
    std::string phrase = PhraseOf(d);
    std::string again;
    const StepParts parts = SplitStep(c);
    if (parts.hasSeparator) {
        // A sum rewritten over a common denominator: the rewritten sum is the result.
        c = parts.expression;
        phrase += "  ";
        again = c;
    }
    if (c.empty())
        return "┃" + operation + "=" + phrase;
    const std::string next = ReplaceOperation(expression, operation, c, o - Len(a));
    return next + "┃" + operation + "=" + c + phrase + again;
}

} // namespace qimbel
