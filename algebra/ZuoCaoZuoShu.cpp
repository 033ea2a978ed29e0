#include "algebra/ArithmeticText.h"

#include "solver/ExpressionText.h"

namespace qimbel {

// The operand on the left of the operator at byte `position`: the text after the last "＋",
// "－", "×" or "÷" before it. A sign at position 0 is no operator, so it stays with the operand.
// A bracket group that ends at the operator is the operand, (－a) in (－a)×b.
std::string Solver::ZuoCaoZuoShu(std::string expression, int position)
{
    const std::string before = Left(expression, position);
    // A bracket group before the operator is the operand whole: the sign inside (－a) is no
    // operator.
    if (!before.empty() && IsClosingBracket(before.back())) {
        const int open = MatchingOpen(before, Len(before) - 1);
        if (open >= 0)
            return open == LeadingSignLength(before) ? before : Mid(before, open);
    }
    int last = -1;
    for (const char *op : {"＋", "－", "×", "÷"}) {
        const int p = ZuiHouWeiZhi(before, op);
        if (p > 0 && p > last)
            last = p;
    }
    return last < 0 ? before : Mid(before, last + 2);
}

} // namespace qimbel
