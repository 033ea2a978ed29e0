#include "algebra/ArithmeticText.h"

namespace qimbel {

// The operand on the right of an operator; `position` is the byte just after it. It runs up to
// the next "＋", "－", "×" or "÷". A right operand that begins with a sign (2×－3＋1) keeps the
// sign and ends at the next operator after it, so the rest of the expression is left alone.
std::string Solver::YouCaoZuoShu(std::string expression, int position)
{
    const std::string rest = Mid(expression, position);
    const int from = LeadingSignLength(rest);
    int next = -1;
    for (const char *op : {"＋", "－", "×", "÷"}) {
        const int p = Find(rest, op, from);
        if (p >= 0 && (next < 0 || p < next))
            next = p;
    }
    if (from == 0 && next == 0)
        return rest;
    return next < 0 ? rest : Left(rest, next);
}

} // namespace qimbel
