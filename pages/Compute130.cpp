// Compute on the 小学计算题 page: column arithmetic, mixed operations, equations and ratios.
#include "pages/LineKind.h"
#include "pages/PageDispatch.h"
#include "pages/ResultTexts.h"
#include "solver/InputLimits.h"

#include <algorithm>

namespace qimbel {

namespace {

// The four operators, full-width as the page's normalisation leaves them.
const char *const kOperators[] = {"＋", "－", "×", "÷"};

// The earlier of the first occurrences of `x` and `y` that stand at a position above 0 (a sign
// at position 0 belongs to the number); -1 when neither does.
int EarlierOperator(const std::string &line, const char *x, const char *y)
{
    const int p = Find(line, x);
    const int q = Find(line, y);
    if (p > 0 && (q <= 0 || p < q))
        return p;
    return q > 0 ? q : -1;
}

// The operator of a column problem: multiplication and division before addition and
// subtraction, each the earlier one in the line.
int ColumnOperator(const std::string &line)
{
    const int p = EarlierOperator(line, "×", "÷");
    return p > 0 ? p : EarlierOperator(line, "＋", "－");
}

// The number on the left of the operator at `p`: the text before it, cut after the last
// operator in it (one at position 0 is a sign and stays with the number).
std::string LeftOperand(const std::string &line, int p)
{
    const std::string before = Left(line, p);
    int last = -1;
    for (const char *op : kOperators)
        last = std::max(last, ReverseFind(before, op));
    return last >= 1 ? Mid(before, last + Len(kOperators[0])) : before;
}

// The number on the right of an operator, given the text after it: cut before the first
// operator in it unless that stands at position 0.
std::string RightOperand(const std::string &after)
{
    int first = -1;
    for (const char *op : kOperators) {
        const int q = Find(after, op);
        if (q >= 0 && (first < 0 || q < first))
            first = q;
    }
    return first > 0 ? Left(after, first) : after;
}

// 竖式计算: the column routine of the line's first operator, worked on the numbers beside it.
std::string ColumnProblem(Solver &solver, const std::string &line, int level)
{
    const int p = ColumnOperator(line);
    if (p <= 0)
        return {};
    const std::string op = Mid(line, p, 2);
    const std::string left = LeftOperand(line, p);
    const std::string right = RightOperand(Mid(line, p + 2));
    std::string result;
    if (op == "＋")
        result = solver.ShuShiJiaFa(left, right, level);
    else if (op == "－")
        result = solver.ShuShiJianFa(left, right, level);
    else if (op == "×")
        result = solver.ShuShiChengFa(left, right, level);
    else
        result = solver.ShuShiChuFa(left, right, level);
    return result + "\r\n";
}

// 解方程 and 解(未知数)比: the letters of every equation of this compute join the letter list
// (first line first), and entry 0 of the equation list is solved for entry 0 of the letters.
// An equation without any letter is answered with a sentence.
// The list only ever grows and a letter joins it once, so the earlier equations, whose letters
// are all in it already, would add nothing: taking the letters of the new equation alone gives
// the same list and keeps a page of n equations linear.
std::string SolveLatestEquation(ComputeRun &run)
{
    run.solver.GetWeiZhiShu(run.equations[0], run.letters);
    if (run.letters.IsEmpty())
        return "没有找到未知数，无法求解。";
    return run.solver.YiCiDengShi(run.equations[0], run.letters[0], run.level);
}

} // namespace

void ComputeLine130(ComputeRun &run, const std::string &line)
{
    run.out += kResultHeader;
    switch (run.type) {
    case 7:
        run.out += ColumnProblem(run.solver, line, run.level);
        break;
    case 8:
        // 四则混合运算: the worked mixed operations.
        run.out += "  " + run.solver.HunHeYunSuan(line, run.level) + "\r\n";
        break;
    case 11:
        // 简便运算: the law that makes the line simpler, then the usual order.
        run.out += "  " + run.solver.JianBianYunSuan(line, run.level) + "\r\n";
        break;
    case 9:
        // 解方程: the line joins the page's equation list and is solved for entry 0 of the letters;
        // a line of another kind gets the type that solves it, and its letters join nothing.
        if (const std::string wrongKind = WrongKindSentence(line, 9); !wrongKind.empty()) {
            run.out += wrongKind + "\r\n";
            break;
        }
        run.equations.InsertAt(0, line);
        run.out += SolveLatestEquation(run) + "\r\n";
        break;
    case 10:
        // 化简比: a line beyond the limit gets the sentence alone, a ratio of three or more terms
        // its own working.
        if (const std::string sentence = EveryStepTooLarge(line); !sentence.empty()) {
            run.out += sentence + "\r\n";
            break;
        }
        if (const std::string chain = run.solver.LianBiHuaJian(line); !chain.empty()) {
            run.out += "  " + line + "\r\n" + chain;
            break;
        }
        // The ratio, then its quotient worked out.
        run.out += "  " + line + "\r\n＝" + run.solver.SiZeHunHeYunSuan(run.solver.BiHuaShang(line)) + "\r\n";
        // The quotient is not yet a ratio: the simplest whole-number ratio follows.
        if (const std::string simplest = run.solver.ZuiJianBi(line); !simplest.empty())
            run.out += simplest + "\r\n";
        break;
    case 18: {
        // 解(未知数)比: the proportion, its equation, then the equation solved as for 解方程; an
        // unknown that stands twice makes it x^2＝…
        if (const std::string sentence = EquationTooLarge(line); !sentence.empty()) {
            run.out += sentence + "\r\n";
            break;
        }
        const std::string equation = run.solver.BiLiFangCheng(line);
        run.out += "  " + line + "\r\n  " + equation + "\r\n";
        run.equations.InsertAt(0, equation);
        run.solver.GetWeiZhiShu(equation, run.letters);
        if (!run.letters.IsEmpty()) {
            if (const std::string squared = run.solver.BiLiPingFang(line, run.letters[0]); !squared.empty()) {
                run.out += squared;
                break;
            }
        }
        run.out += SolveLatestEquation(run) + "\r\n";
        break;
    }
    default:
        // Types without a routine give the result header alone, or the sentence for a line
        // beyond their limit.
        if (const std::string sentence = LineTooLong(line, kLongestLineWithoutRoutine); !sentence.empty())
            run.out += sentence + "\r\n";
        break;
    }
}

} // namespace qimbel
