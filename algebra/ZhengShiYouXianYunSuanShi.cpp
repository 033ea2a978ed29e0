#include "algebra/BracketGroups.h"
#include "solver/Solver.h"

namespace qimbel {

// Marks the group of the given bracket kind that operator priority says must be worked first:
// each group with work is weighed by the level of the operator just before it and then of the
// one just after it, and only a strictly greater weight takes over, so among equals the first
// group wins and a group that no operator touches is never chosen. The chosen group is wrapped
// in "〖" "〗"; "〖〗" alone means none was chosen.
// 2×(a＋b)^2－(c＋d) gives 2×〖(a＋b)〗^2－(c＋d).
std::string Solver::ZhengShiYouXianYunSuanShi(std::string expression, std::string opening, std::string closing)
{
    int best = 0;
    GroupSpan chosen;
    int searchFrom = 0; // the search goes on in the text after the last group
    const int n = Len(expression);
    while (searchFrom < n) {
        const GroupSpan group = FindWorkGroup(expression, opening, closing, searchFrom);
        if (group.start < 0)
            break;
        const std::string before = Mid(expression, searchFrom, group.start - searchFrom);
        const std::string after = Mid(expression, group.end);

        // A coefficient or a closing bracket that touches the group multiplies it.
        std::string opBefore = DiYiFuHao(Right(before, 2));
        if (opBefore.empty() && !before.empty())
            opBefore = "×";
        // A power after the group counts with its exponent; anything else that touches it counts
        // with what it is (a bracket that follows weighs as a bracket).
        const std::string head = Left(after, 2);
        std::string opAfter;
        if (Contains(head, "^"))
            opAfter = head;
        else {
            opAfter = DiYiFuHao(head);
            if (opAfter.empty())
                opAfter = head;
        }

        for (const std::string &op : {opBefore, opAfter}) {
            const int weight = YunSuanJiBie(op);
            if (weight > best) {
                best = weight;
                chosen = group;
            }
        }
        searchFrom = group.end;
    }
    if (chosen.start < 0)
        return "〖〗";
    return Left(expression, chosen.start) + "〖" + Mid(expression, chosen.start, chosen.end - chosen.start) + "〗"
        + Mid(expression, chosen.end);
}

} // namespace qimbel
