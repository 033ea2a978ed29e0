#include "algebra/ArithmeticText.h"
#include "solver/InputLimits.h"

#include <unordered_set>

namespace qimbel {

// The worked text of a numeric expression: the expression, then one line per operation with the
// new expression, the blanks that align the labels, "第n步:" and the description; a fraction that
// can be reduced ends with a "约分:" step. The loop ends when no bracket or operator is left, when
// a step finds nothing (its line is "＝" alone), or when a step gives an expression that was
// already written (an operation that changes nothing, such as a＋b, or a cycle).
std::string Solver::SiZeHunHeYunSuan(std::string expression)
{
    if (std::string sentence = EveryStepTooLarge(expression); !sentence.empty())
        return sentence;
    const std::string first = expression;
    std::string worked = expression;
    std::unordered_set<std::string> seen {expression};
    int number = 0;
    while (HanYunSuanFu(expression)) {
        ++number;
        std::string step;
        if (Contains(expression, "("))
            step = KuoHaoShuZiBu(expression, "(", ")");
        else if (Contains(expression, "["))
            step = KuoHaoShuZiBu(expression, "[", "]");
        else if (Contains(expression, "{"))
            step = KuoHaoShuZiBu(expression, "{", "}");
        else
            step = ShuZiYiBu(expression);

        const StepParts parts = SplitStep(step);
        // A step that makes the expression far longer than the typed one is not working it out
        // (text that is no expression, as 未知数×…); nor is one that floods the text box.
        if (Len(parts.expression) > 2 * Len(first) + 64 || Len(worked) > kLongestWorkedText)
            break;
        if (!parts.hasSeparator) {
            worked += "\r\n＝" + step;
            expression = step;
            break;
        }
        worked += StepLine(parts.expression, Len(first) - Len(parts.expression) + 10, number, parts.description);
        expression = parts.expression;
        if (!seen.insert(expression).second)
            break;
    }
    const std::string reduction = FinalReduction(*this, expression);
    if (!reduction.empty()) {
        const StepParts parts = SplitStep(reduction);
        worked += StepLine(parts.expression, Len(first) - Len(parts.expression) + 10, number + 1, parts.description);
    }
    return TrimLeft(worked);
}

} // namespace qimbel
