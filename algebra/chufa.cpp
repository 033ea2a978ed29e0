#include "algebra/ArithmeticText.h"

namespace qimbel {

// One round of HunHeYunSuan's work: one step, chosen as the general driver chooses it, then a
// reduction when the result is a fraction that can be reduced. Level 1 (and any level outside 1
// to 5) gives the expression after the round; levels 2 to 5 give the text: the expression, then
// each line of the round ("\r\n＝", the new expression, at least 30 blanks, the description; no
// step number). A caller that needs the whole simplification calls it again on its result.
std::string Solver::chufa(std::string expression, int level)
{
    if (level < 1 || level > 5)
        level = 1;
    const std::string first = expression;
    std::string text = expression;
    auto line = [&](const StepParts &parts) {
        text += "\r\n＝" + parts.expression
            + std::string(static_cast<std::size_t>(StepPadding(first, parts.expression, 30)), ' ')
            + Trim(parts.description);
        expression = parts.expression;
    };
    if (HanYunSuanFu(expression)) {
        const std::string step = DriverStep(*this, expression);
        const StepParts parts = SplitStep(step);
        if (!parts.expression.empty() && parts.expression != expression)
            line(parts);
    }
    if (Contains(expression, "/")) {
        const std::string reduction = FinalReduction(*this, expression);
        if (!reduction.empty())
            line(SplitStep(reduction));
    }
    return level == 1 ? expression : text;
}

} // namespace qimbel
