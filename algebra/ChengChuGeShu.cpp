#include "algebra/ArithmeticText.h"

#include "solver/ExpressionText.h"

namespace qimbel {

// How many kinds of multiplicative work a polynomial still holds (0 to 3): a power of a base
// longer than one byte (a compound base still to expand), a written product or quotient, and two
// bracket groups side by side. 0 means only like terms are left to combine.
int Solver::ChengChuGeShu(std::string polynomial)
{
    int count = 0;
    for (int p = Find(polynomial, "^"); p >= 0; p = Find(polynomial, "^", p + 1)) {
        std::string base;
        if (p > 0 && IsClosingBracket(polynomial[static_cast<std::size_t>(p - 1)])) {
            const int open = MatchingOpen(polynomial, p - 1);
            base = WithoutOuterBrackets(Mid(polynomial, open < 0 ? 0 : open, p - (open < 0 ? 0 : open)));
        } else {
            int start = p;
            while (start > 0
                && (IsDigitByte(polynomial[static_cast<std::size_t>(start - 1)])
                    || polynomial[static_cast<std::size_t>(start - 1)] == '.'))
                --start;
            base = start < p ? Mid(polynomial, start, p - start) : Mid(polynomial, p - 1 < 0 ? 0 : p - 1, 1);
        }
        if (Len(base) > 1) {
            ++count;
            break;
        }
    }
    if (Contains(polynomial, "×") || Contains(polynomial, "·") || Contains(polynomial, "*")
        || Contains(polynomial, "÷"))
        ++count;
    if (Contains(polynomial, ")(") || Contains(polynomial, "][") || Contains(polynomial, "}{"))
        ++count;
    return count;
}

} // namespace qimbel
