// Compute on the 方程与不等式 page: all lines are collected first, then one solver call is made
// for the whole text box.
#include "pages/PageDispatch.h"
#include "pages/ResultTexts.h"

namespace qimbel {

void BeforeLines135(ComputeRun &run) { run.out += kResultHeader; }

// An empty line, or one that names the unknown ("设x为未知数"), becomes the declaration line, so
// an empty line after a declaration clears it again; every other line is an equation.
void ComputeLine135(ComputeRun &run, const std::string &line)
{
    if (line.empty() || Contains(line, "未知"))
        run.declaration = line;
    else
        run.equations.InsertAt(0, line);
}

namespace {

// The unknowns: the letters of the declaration line (between "设" and "未知") when there is
// one, otherwise those of every equation, first line first.
void CollectLetters135(ComputeRun &run)
{
    if (!run.declaration.empty()) {
        std::string named = run.declaration;
        const int set = Find(named, "设");
        if (set >= 0)
            named = Mid(named, set + Len("设"));
        const int unknown = Find(named, "未知");
        if (unknown >= 0)
            named = Left(named, unknown);
        run.solver.GetWeiZhiShu(named, run.letters);
        return;
    }
    for (int i = run.equations.GetSize() - 1; i >= 0; --i)
        run.solver.GetWeiZhiShu(run.equations[i], run.letters);
}

} // namespace

// One solver call for the whole text box; equation 0 is the last equation line typed. The
// routines need at least one equation and one letter: without them a sentence says so.
void AfterLines135(ComputeRun &run)
{
    if (run.type < 25 || run.type > 31)
        return;
    CollectLetters135(run);
    Solver &solver = run.solver;
    std::string result;
    if (run.equations.IsEmpty())
        result = "没有找到要求解的方程或不等式。";
    else if (run.letters.IsEmpty())
        result = "没有找到未知数，无法求解。";
    else if (run.type == 25 || run.type == 30)
        result = solver.YiCiDengShi(run.equations[0], run.letters[0], run.level);
    else if (run.type == 26)
        result = solver.FangChengZu(run.equations, run.letters);
    else if (run.type == 27)
        result = solver.ErCiFangCheng(run.equations[0], run.letters[0]);
    else if (run.type == 28)
        result = solver.ErCiFangChengZu(run.equations, run.letters, run.level);
    else if (run.type == 29)
        result = solver.FenShiFangCheng(run.equations[0], run.letters[0], run.level);
    else
        result = solver.BuDengShiZu(run.equations, run.letters);
    run.out += result + "\r\n";
}

} // namespace qimbel
