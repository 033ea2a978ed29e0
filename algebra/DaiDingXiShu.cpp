#include "algebra/FactorSearch.h"
#include "algebra/YinShiFenJie.h"

namespace qimbel {

// 待定系数法 on a quadratic: the factors are written with unknown coefficients, multiplied out,
// and the coefficients compared; the whole-number solution gives the factors.
//   2x^2＋5x－3＝(mx＋p)(nx＋q)＝mnx^2＋(mq＋np)x＋pq: mn＝2, mq＋np＝5, pq＝－3
bool DaiDingXiShu(Factored &f, FenJieBuZhou &steps)
{
    const std::optional<CrossFound> found = FirstCrossSplit(f);
    if (!found)
        return false;
    const std::size_t i = found->index;
    const QuadraticForm *q = &found->form;
    const CrossSplit *s = &found->split;
    const std::string x = QuadraticUnknown(*q);
    const std::string x2 = QuadraticUnknown(*q, 2);
    const std::string m = MonomialText(1, q->m);
    const std::string mm = TotalDegree(q->m) > 0 ? m : std::string();
    Exponents squared = q->m;
    for (unsigned char &e : squared)
        e = static_cast<unsigned char>(2 * e);
    const std::string mSquared = TotalDegree(q->m) > 0 ? MonomialText(1, squared) : std::string();
    const std::string why = "待定系数法：设 " + PolyText(f.factors[i].poly) + "＝(m" + x + "＋p" + mm + ")(n" + x
        + "＋q" + mm + ")＝mn" + x2 + "＋(mq＋np)" + x + mm + "＋pq" + mSquared + "，比较系数得 mn＝"
        + CoefficientText(q->a) + "，mq＋np＝" + CoefficientText(q->b) + "，pq＝" + CoefficientText(q->c)
        + "，取整数解 m＝" + CoefficientText(s->a1) + "，p＝" + CoefficientText(s->c1) + "，n＝"
        + CoefficientText(s->a2) + "，q＝" + CoefficientText(s->c2);
    SplitQuadratic(f, i, *q, *s);
    steps.push_back({FactoredText(f), why});
    return true;
}

} // namespace qimbel
