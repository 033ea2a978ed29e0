#include "algebra/ArithmeticText.h"

namespace qimbel {

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

    // A sum rewritten over a common denominator comes back as the result of the step.
    return OperationStep(expression, WorkOperation(*this, a, d, b), o - Len(a));
}

} // namespace qimbel
