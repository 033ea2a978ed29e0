#include "algebra/ArithmeticText.h"

namespace qimbel {

namespace {

const char *OpeningOf(const std::string &opening)
{
    if (opening == "[")
        return "┃进行中括号中，";
    if (opening == "{")
        return "┃进行大括号中，";
    return "┃进行小括号中，";
}

} // namespace

// One operation inside the innermost group of one bracket kind of a numeric expression: the
// group that the last opening bracket starts. The brackets stay while the inside still holds an
// operation and go once it is a single number. A group that holds a number alone, such as (－2),
// has no operation: its brackets are taken off ("去掉式子 (－2) 两边的括号"), so the number counts
// by its value in the operation around it. A number that would run into a factor beside it is set
// off with "×": 2(3＋5) becomes 2×8.
std::string Solver::KuoHaoShuZiBu(std::string expression, std::string opening, std::string closing)
{
    const int open = ZuiHouWeiZhi(expression, opening);
    if (open < 0)
        return {};
    const std::string head = Left(expression, open);
    const int close = Find(expression, closing, open + Len(opening));
    const std::string inside = close < 0 ? Mid(expression, open + Len(opening))
                                         : Mid(expression, open + Len(opening), close - open - Len(opening));
    const std::string tail = close < 0 ? std::string() : Mid(expression, close + Len(closing));

    const std::string step = ShuZiYiBu(inside);
    const StepParts parts = SplitStep(step);
    if (step.empty()) {
        const std::string group = opening + inside + (close < 0 ? std::string() : closing);
        return JoinUnglued(head, inside, tail, false) + "┃去掉式子 " + group + " 两边的括号";
    }
    if (parts.expression.empty())
        return OpeningOf(opening) + parts.description; // the operation formed no value
    const std::string description = OpeningOf(opening) + parts.description;
    if (HanYunSuanFu(parts.expression))
        return head + opening + parts.expression + closing + tail + description;
    return JoinUnglued(head, parts.expression, tail) + description;
}

} // namespace qimbel
