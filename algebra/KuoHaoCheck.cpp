#include "algebra/BracketGroups.h"
#include "solver/Solver.h"

namespace qimbel {

// The first group of the given bracket kind that still holds an operation, brackets included:
// on 3×(2＋5)－(－1) with "(" ")" it is (2＋5). Empty when every group closed without work; the
// unclosed rest when a group never closes.
std::string Solver::KuoHaoCheck(std::string expression, std::string opening, std::string closing)
{
    const GroupSpan group = FindWorkGroup(expression, opening, closing);
    if (group.start < 0)
        return {};
    return Mid(expression, group.start, group.end - group.start);
}

} // namespace qimbel
