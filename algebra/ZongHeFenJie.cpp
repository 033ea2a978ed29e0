#include "algebra/YinShiFenJie.h"

namespace qimbel {

// 综合处理: round after round, the first method that splits a factor, in the order a teacher
// tries them: the common factor, the formulas, cross multiplication, grouping, and for a factor
// of degree three or more in one letter a trial root. The rounds end when nothing splits.
bool ZongHeFenJie(Factored &f, FenJieBuZhou &steps)
{
    bool split = false;
    for (int round = 0; round < 64; ++round) {
        if (TiGongYinShi(f, steps) || GongShiFenJie(f, steps) || ShiZiXiangCheng(f, steps) || FenZuFenJie(f, steps)
            || QiuGenFenJie(f, steps, 3))
            split = true;
        else
            break;
    }
    return split;
}

} // namespace qimbel
