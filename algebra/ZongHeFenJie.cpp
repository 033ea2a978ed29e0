#include "algebra/YinShiFenJie.h"

namespace qimbel {

// 综合处理: round after round, the first method that splits a factor, in the order a teacher
// tries them: the common factor, the formulas, cross multiplication, grouping, for a factor of
// degree three or more in one letter a trial root, for one of degree four or more a factor of
// degree two; then, for a factor in several letters, grouping by the powers of one letter, and
// cross multiplication and trial roots with one letter as the unknown. The rounds end when
// nothing splits: every factor left is then irreducible over the integers (for factors of
// degree up to five in one letter, and quadratic or with a factor of degree one in some letter
// in several).
bool ZongHeFenJie(Factored &f, FenJieBuZhou &steps)
{
    bool split = false;
    for (int round = 0; round < 64; ++round) {
        if (TiGongYinShi(f, steps) || GongShiFenJie(f, steps) || ShiZiXiangCheng(f, steps) || FenZuFenJie(f, steps)
            || QiuGenFenJie(f, steps, 3) || ErCiYinShiFenJie(f, steps) || AnZiMuFenZu(f, steps)
            || ZhuYuanShiZiXiangCheng(f, steps) || ZhuYuanQiuGen(f, steps))
            split = true;
        else
            break;
    }
    return split;
}

} // namespace qimbel
