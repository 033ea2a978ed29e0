#include "algebra/FactorSearch.h"
#include "algebra/YinShiFenJie.h"

namespace qimbel {

// 十字相乘法 on a quadratic A·x²＋B·x·M＋C·M²: A＝a1×a2 and C＝c1×c2 with the cross products
// a1×c2＋a2×c1 adding up to B give (a1x＋c1M)(a2x＋c2M).
//   x^2－5x＋6: 1＝1×1, 6＝(－2)×(－3), 1×(－3)＋1×(－2)＝－5 ＝ (x－2)(x－3)
bool ShiZiXiangCheng(Factored &f, FenJieBuZhou &steps)
{
    const std::optional<CrossFound> found = FirstCrossSplit(f);
    if (!found)
        return false;
    const std::size_t i = found->index;
    const QuadraticForm *q = &found->form;
    const CrossSplit *s = &found->split;
    const std::string why = "十字相乘法：" + CoefficientText(q->a) + "＝" + BracketedNumber(s->a1) + "×"
        + BracketedNumber(s->a2) + "，" + CoefficientText(q->c) + "＝" + BracketedNumber(s->c1) + "×"
        + BracketedNumber(s->c2) + "，交叉相乘 " + BracketedNumber(s->a1) + "×" + BracketedNumber(s->c2) + "＋"
        + BracketedNumber(s->a2) + "×" + BracketedNumber(s->c1) + "＝" + CoefficientText(q->b) + "，等于中间项系数";
    SplitQuadratic(f, i, *q, *s);
    steps.push_back({FactoredText(f), why});
    return true;
}

} // namespace qimbel
