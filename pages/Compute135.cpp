// Compute on the 方程与不等式 page. Types 25, 27, 29 and 30 solve every equation line as its own
// problem, each under its own result header; types 26, 28 and 31 read all their lines as one
// system and make one solver call after the last line.
#include "pages/LineKind.h"
#include "pages/PageDispatch.h"
#include "pages/ResultTexts.h"
#include "solver/InputLimits.h"

namespace qimbel {

namespace {

// The types that solve one line at a time.
bool SolvesEachLine(int type) { return type == 25 || type == 27 || type == 29 || type == 30; }

// The letters named by a declaration line: the text between "设" and "未知".
std::string DeclaredText(const std::string &declaration)
{
    std::string named = declaration;
    const int set = Find(named, "设");
    if (set >= 0)
        named = Mid(named, set + Len("设"));
    const int unknown = Find(named, "未知");
    if (unknown >= 0)
        named = Left(named, unknown);
    return named;
}

// One equation of a one-line type, solved for the declared unknown when a declaration stands
// above it, else for the unknown of the line itself (entry 0 of its letters: x in ax＋b＝0).
std::string SolveOneLine(ComputeRun &run, const std::string &equation)
{
    StringArray letters;
    run.solver.GetWeiZhiShu(run.declaration.empty() ? equation : DeclaredText(run.declaration), letters);
    if (letters.IsEmpty())
        return "没有找到未知数，无法求解。";
    Solver &solver = run.solver;
    switch (run.type) {
    case 27:
        return solver.ErCiFangCheng(equation, letters[0]);
    case 29:
        return solver.FenShiFangCheng(equation, letters[0], run.level);
    default:
        return solver.YiCiDengShi(equation, letters[0], run.level);
    }
}

// Types 26, 28 and 31: the system of every equation line, for the letters found.
std::string SolveSystem(ComputeRun &run)
{
    if (run.type == 26)
        return run.solver.FangChengZu(run.equations, run.letters);
    if (run.type == 28)
        return run.solver.ErCiFangChengZu(run.equations, run.letters, run.level);
    return run.solver.BuDengShiZu(run.equations, run.letters);
}

} // namespace

// A type without a routine gives the result header alone.
void BeforeLines135(ComputeRun &run)
{
    if (run.type < 25 || run.type > 31)
        run.out += kResultHeader;
}

// An empty line, or one that names the unknown ("设x为未知数"), becomes the declaration line, so
// an empty line after a declaration clears it again; every other line is an equation.
void ComputeLine135(ComputeRun &run, const std::string &line)
{
    if (line.empty() || Contains(line, "未知")) {
        run.declaration = line;
        return;
    }
    run.equations.InsertAt(0, line);
    if (!SolvesEachLine(run.type))
        return;
    // A declared unknown makes the other letters numbers: the line's kind is the routine's to judge.
    const std::string wrongKind = run.declaration.empty() ? WrongKindSentence(line, run.type) : std::string();
    run.out += kResultHeader + (wrongKind.empty() ? SolveOneLine(run, line) : wrongKind) + "\r\n";
}

// Types 26, 28 and 31: one solver call for the whole text box. The unknowns are the letters of the
// declaration line when one is left standing, otherwise those of every equation, first line
// first. A box without any equation gets a sentence on every type that has a routine.
void AfterLines135(ComputeRun &run)
{
    if (run.type < 25 || run.type > 31)
        return;
    if (run.equations.IsEmpty()) {
        run.out += std::string(kResultHeader) + "没有找到要求解的方程或不等式。\r\n";
        return;
    }
    if (SolvesEachLine(run.type))
        return;
    run.out += kResultHeader;
    if (!run.declaration.empty())
        run.solver.GetWeiZhiShu(DeclaredText(run.declaration), run.letters);
    else
        for (int i = run.equations.GetSize() - 1; i >= 0; --i)
            run.solver.GetWeiZhiShu(run.equations[i], run.letters);
    std::vector<std::string> typed;
    for (int i = run.equations.GetSize() - 1; i >= 0; --i)
        typed.push_back(run.equations[i]);
    // A line of another kind names the type that fits it, in place of the working.
    std::string result = run.declaration.empty() ? WrongKindSentence(typed, run.type) : std::string();
    if (!result.empty())
        run.out += result + "\r\n";
    else if (run.letters.IsEmpty())
        run.out += "没有找到未知数，无法求解。\r\n";
    else
        run.out += SolveSystem(run) + "\r\n";
}

} // namespace qimbel
