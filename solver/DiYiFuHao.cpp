#include "solver/Solver.h"

namespace qimbel {

// The first of "＋" "－" "×" "÷" in the text (a sign at position 0 counts); empty when none occurs.
std::string Solver::DiYiFuHao(std::string text)
{
    static const char *const signs[] = {"＋", "－", "×", "÷"};
    std::string first;
    int firstPos = -1;
    for (const char *sign : signs) {
        const int p = Find(text, sign);
        if (p >= 0 && (firstPos < 0 || p < firstPos)) {
            firstPos = p;
            first = sign;
        }
    }
    return first;
}

} // namespace qimbel
