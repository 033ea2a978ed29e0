#include "algebra/ArithmeticText.h"

namespace qimbel {

// The operator to work first: "×" or "÷", whichever comes first; else "＋" or "－", whichever
// comes first. A sign that opens the expression is the sign of its first number, not an
// operator, so the search starts after it: －3＋2 gives "＋" and －4－2 gives "－".
std::string Solver::XianSuanFuHao(std::string expression)
{
    const int from = LeadingSignLength(expression) > 0 ? LeadingSignLength(expression) : 1;
    auto first = [&](const char *op) { return Find(expression, op, from); };
    const int times = first("×");
    const int divide = first("÷");
    if (times > 0 || divide > 0) {
        if (divide < 0 || (times > 0 && times < divide))
            return "×";
        return "÷";
    }
    const int plus = first("＋");
    const int minus = first("－");
    if (plus > 0 || minus > 0) {
        if (minus < 0 || (plus > 0 && plus < minus))
            return "＋";
        return "－";
    }
    return {};
}

} // namespace qimbel
