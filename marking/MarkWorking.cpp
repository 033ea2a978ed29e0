#include "marking/MarkWorking.h"

#include "marking/EquationMarking.h"
#include "marking/ExpressionMarking.h"
#include "marking/InequalitySystemMarking.h"
#include "marking/OtherTypesMarking.h"
#include "marking/QuadraticSystemMarking.h"
#include "marking/SurdMarking.h"
#include "solver/ExpressionText.h"
#include "solver/GbkText.h"
#include "solver/InputLimits.h"

#include <vector>

namespace qimbel {

namespace {

bool IsExpressionType(int type)
{
    return type == 7 || type == 8 || type == 20 || type == 21 || type == 22 || type == 23 || type == 24;
}

bool IsEquationType(int type)
{
    return type == 9 || type == 25 || type == 26 || type == 27 || type == 28 || type == 29 || type == 30 || type == 31;
}

// The lines of the text; a lone LF ends a line too.
std::vector<std::string> LinesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t p = text.find('\n', start);
        std::string line = text.substr(start, p == std::string::npos ? std::string::npos : p - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        if (p == std::string::npos)
            return lines;
        start = p + 1;
    }
}

bool StartsWithEquals(const std::string &line)
{
    const std::string t = TrimLeft(line);
    return Left(t, 2) == "＝" || Left(t, 1) == "=";
}

// A line longer than any line a marker reads is refused: the text box above already holds it
// whole, so its echo is only its opening, lest a huge line be written twice.
constexpr int kLongestEcho = kLongestExpressionLine;
constexpr int kRefusedOpening = 64;

std::string EchoOf(const std::string &typed)
{
    if (Len(typed) <= kLongestEcho)
        return typed;
    int end = 0;
    while (end < kRefusedOpening)
        end += CharSize(typed, end);
    return Left(typed, end) + "……";
}

void AppendProblem(MarkedText &out, const MarkedProblem &problem)
{
    int step = 0;
    int right = 0;
    for (const MarkedLine &line : problem.lines) {
        out.text += EchoOf(line.typed) + "\r\n";
        switch (line.mark) {
        case StepMark::Problem:
            if (!line.reason.empty())
                out.text += "无法识别：" + line.reason + "。\r\n";
            continue;
        case StepMark::Right:
            out.text += "√\r\n";
            ++right;
            break;
        case StepMark::Wrong:
            out.text
                += "× 第" + IntText(step + 1) + "步错了" + (line.reason.empty() ? "" : "：" + line.reason) + "。\r\n";
            if (!line.correctStep.empty())
                out.text += "应该是：" + line.correctStep + "\r\n";
            break;
        case StepMark::Unreadable:
            out.text += "无法识别：" + line.reason + "。\r\n";
            break;
        }
        ++step;
    }
    ++out.problems;
    // A problem that could not be read has nothing to count.
    if (!problem.lines.empty() && problem.lines[0].mark == StepMark::Problem && !problem.lines[0].reason.empty())
        return;
    if (problem.finished)
        out.text += "最后一步已经是答案。\r\n";
    else
        out.text += "还没有做完" + (problem.missing.empty() ? "" : "：" + problem.missing) + "。\r\n";
    if (!problem.remark.empty())
        out.text += problem.remark + "\r\n";
    out.text += "共" + IntText(step) + "步，对" + IntText(right) + "步。\r\n";
    out.steps += step;
    out.right += right;
}

} // namespace

bool CanMark(int type) { return IsExpressionType(type) || IsEquationType(type) || IsOtherMarkedType(type); }

namespace {

bool StepsStartWithEqualsFor(int type, const std::vector<std::string> &problem, const std::string &line)
{
    return IsExpressionType(type)
        || (IsOtherMarkedType(type) && StepsStartWithEquals(type, problem.empty() ? line : problem[0]));
}

MarkedProblem MarkOneProblem(Solver &solver, int type, const std::vector<std::string> &problem)
{
    MarkedProblem marked = IsOtherMarkedType(type) ? MarkOtherWorking(solver, type, problem)
        : type == 24                               ? MarkSurdWorking(solver, problem)
        : type == 31                               ? MarkInequalitySystemWorking(solver, problem)
        : type == 28                               ? MarkQuadraticSystemWorking(solver, problem)
        : IsExpressionType(type)                   ? MarkExpressionWorking(solver, type, problem)
                                                   : MarkEquationWorking(solver, type, problem);
    if (marked.lines.size() != problem.size()) {
        // Every typed line is echoed once, in order, whatever a marker gave back.
        marked = MarkedProblem {};
        for (const std::string &line : problem)
            marked.lines.push_back({line, StepMark::Problem, "", ""});
    }
    return marked;
}

// The problems of the text in order (each its lines), and what stands between them: blank lines
// are given to `blank`, each problem to `problem`; a false answer from either stops the walk.
template <typename Problem, typename Blank>
void WalkProblems(int type, const std::string &typed, Problem &&problem, Blank &&blank)
{
    std::vector<std::string> lines = LinesOf(typed);
    std::vector<std::string> current;
    const auto flush = [&] {
        if (current.empty())
            return true;
        const bool go = problem(current);
        current.clear();
        return go;
    };
    for (const std::string &line : lines) {
        if (Trim(line).empty()) {
            if (!flush() || !blank(line))
                return;
            continue;
        }
        // For the expressions a line that does not start with "＝" starts the next problem.
        if (StepsStartWithEqualsFor(type, current, line) && !StartsWithEquals(line) && !flush())
            return;
        current.push_back(line);
    }
    flush();
}

} // namespace

MarkedText MarkWorking(Solver &solver, int type, const std::string &typed)
{
    MarkedText out;
    out.text = std::string(kMarkedHeader) + "\r\n";
    if (!CanMark(type)) {
        out.text += std::string(kCannotMark) + "\r\n";
        return out;
    }
    WalkProblems(
        type, typed,
        [&](const std::vector<std::string> &problem) {
            if (out.text.size() > static_cast<std::size_t>(kLongestWorkedText)) {
                out.text += "后面的题目太多，没有批改。\r\n";
                return false;
            }
            MarkedProblem marked = MarkOneProblem(solver, type, problem);
            AppendProblem(out, marked);
            out.marked.push_back(std::move(marked));
            return true;
        },
        [&](const std::string &line) {
            if (out.text.size() > static_cast<std::size_t>(kLongestWorkedText)) {
                out.text += "后面的题目太多，没有批改。\r\n";
                return false;
            }
            out.text += EchoOf(line) + "\r\n";
            return true;
        });
    return out;
}

std::optional<LastProblem> MarkLastProblem(Solver &solver, int type, const std::string &typed)
{
    if (!CanMark(type) || typed.size() > static_cast<std::size_t>(kLongestWorkedText))
        return std::nullopt;
    std::vector<std::string> last;
    WalkProblems(
        type, typed,
        [&](const std::vector<std::string> &problem) {
            last = problem;
            return true;
        },
        [](const std::string &) { return true; });
    if (last.empty())
        return std::nullopt;
    return LastProblem {last, MarkOneProblem(solver, type, last)};
}

} // namespace qimbel
