// Compute on the 方程与不等式 page: all lines are collected first, then one solver call is made
// for the whole text box.
#include "pages/PageDispatch.h"
#include "pages/ResultTexts.h"

namespace qimbel {

void BeforeLines135(ComputeRun &run)
{
    run.out += kResultHeader;
}

// An empty line, or one that names the unknown ("设x为未知数"), becomes the declaration line, so
// an empty line after a declaration clears it again; every other line is an equation.
void ComputeLine135(ComputeRun &run, const std::string &line)
{
    if (line.empty() || Contains(line, "未知"))
        run.declaration = line;
    else
        run.equations.InsertAt(0, line);
}

void AfterLines135(ComputeRun &run)
{
    (void)run;
}

} // namespace qimbel
