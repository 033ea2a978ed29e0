#include "solver/Solver.h"

namespace qimbel {

// True when the text holds a bracket or an operator of either width; false for a plain number.
bool Solver::HanYunSuanFu(std::string text)
{
    // One walk over the characters: a sign counts only where a character starts.
    static const char *const wide[] = {"＋", "－", "×", "÷"};
    const int n = Len(text);
    for (int i = 0; i < n;) {
        const char c = text[static_cast<std::size_t>(i)];
        if (IsGbkLead(static_cast<unsigned char>(c)) && i + 1 < n) {
            for (const char *sign : wide)
                if (text.compare(static_cast<std::size_t>(i), 2, sign) == 0)
                    return true;
            i += 2;
            continue;
        }
        switch (c) {
        case '{':
        case '}':
        case '[':
        case ']':
        case '(':
        case ')':
        case '+':
        case '-':
        case '*':
        case '^':
            return true;
        default:
            ++i;
        }
    }
    return false;
}

} // namespace qimbel
