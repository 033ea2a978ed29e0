#include "algebra/ArithmeticText.h"

namespace qimbel {

// The operand on the left of the operator at byte `position`: the text after the last "＋",
// "－", "×" or "÷" before it. A sign at position 0 is no operator, so it stays with the operand.
std::string Solver::ZuoCaoZuoShu(std::string expression, int position)
{
    const std::string before = Left(expression, position);
    int last = -1;
    for (const char *op : {"＋", "－", "×", "÷"}) {
        const int p = ZuiHouWeiZhi(before, op);
        if (p > 0 && p > last)
            last = p;
    }
    return last < 0 ? before : Mid(before, last + 2);
}

} // namespace qimbel
