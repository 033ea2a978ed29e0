#include "solver/Solver.h"

namespace qimbel {

// The weight of the strongest operation in a text: 6 large brackets, 5 middle, 4 small, 3 power,
// 2 multiplication or division, 1 addition or subtraction, 0 none.
int Solver::YunSuanJiBie(std::string text)
{
    struct Level {
        int level;
        const char *signs[4];
    };
    static const Level levels[] = {
        {6, {"{", "}", nullptr, nullptr}},
        {5, {"[", "]", nullptr, nullptr}},
        {4, {"(", ")", nullptr, nullptr}},
        {3, {"^", nullptr, nullptr, nullptr}},
        {2, {"×", "·", "*", "÷"}},
        {1, {"－", "-", "+", "＋"}},
    };
    for (const Level &row : levels)
        for (const char *sign : row.signs)
            if (sign != nullptr && Contains(text, sign))
                return row.level;
    return 0;
}

} // namespace qimbel
