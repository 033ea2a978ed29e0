#include "marking/EquationMarking.h"

namespace qimbel {

MarkedProblem MarkEquationWorking(Solver &, int, const std::vector<std::string> &lines)
{
    MarkedProblem marked;
    for (const std::string &line : lines)
        marked.lines.push_back({line, StepMark::Problem, "", ""});
    return marked;
}

} // namespace qimbel
