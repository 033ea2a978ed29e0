#include "solver/Solver.h"

namespace qimbel {

// True when the text holds a bracket or an operator of either width; false for a plain number.
bool Solver::HanYunSuanFu(std::string text)
{
    static const char *const signs[] = {"{", "}", "[", "]", "(", ")", "＋", "+", "－", "-", "×", "*", "÷", "^"};
    for (const char *sign : signs)
        if (Contains(text, sign))
            return true;
    return false;
}

} // namespace qimbel
