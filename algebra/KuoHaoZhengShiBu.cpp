#include "algebra/ArithmeticText.h"

namespace qimbel {

// One operation inside the first group of one bracket kind that holds work (KuoHaoCheck; the
// group is taken where its text last occurs). The description starts "进行小括号中，",
// "进行中括号中，" or "进行大括号中，". The brackets stay while the inside still holds a bracket
// or an operator. A group of the same kind nested inside it with work of its own goes first.
std::string Solver::KuoHaoZhengShiBu(std::string expression, std::string opening, std::string closing)
{
    const std::string group = KuoHaoCheck(expression, opening, closing);
    if (group.empty())
        return {};
    const int at = ZuiHouWeiZhi(expression, group);
    if (at < 0)
        return {};
    return GroupStep(*this, Left(expression, at), group, Mid(expression, at + Len(group)), opening, closing);
}

} // namespace qimbel
