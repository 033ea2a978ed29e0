#include "marking/MarkWorking.h"

#include "marking/EquationMarking.h"
#include "marking/ExpressionMarking.h"
#include "solver/ExpressionText.h"
#include "solver/GbkText.h"
#include "solver/InputLimits.h"

#include <vector>

namespace qimbel {

namespace {

bool IsExpressionType(int type)
{
    return type == 7 || type == 8 || type == 20 || type == 21 || type == 22 || type == 23;
}

bool IsEquationType(int type)
{
    return type == 9 || type == 25 || type == 26 || type == 27 || type == 29 || type == 30;
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
    out.text += "共" + IntText(step) + "步，对" + IntText(right) + "步。\r\n";
    out.steps += step;
    out.right += right;
}

} // namespace

bool CanMark(int type) { return IsExpressionType(type) || IsEquationType(type); }

MarkedText MarkWorking(Solver &solver, int type, const std::string &typed)
{
    MarkedText out;
    out.text = std::string(kMarkedHeader) + "\r\n";
    if (!CanMark(type)) {
        out.text += std::string(kCannotMark) + "\r\n";
        return out;
    }
    const std::vector<std::string> lines = LinesOf(typed);
    std::vector<std::string> problem;
    const auto flush = [&] {
        if (problem.empty())
            return;
        MarkedProblem marked = IsExpressionType(type) ? MarkExpressionWorking(solver, type, problem)
                                                      : MarkEquationWorking(solver, type, problem);
        if (marked.lines.size() != problem.size()) {
            // Every typed line is echoed once, in order, whatever a marker gave back.
            marked = MarkedProblem {};
            for (const std::string &line : problem)
                marked.lines.push_back({line, StepMark::Problem, "", ""});
        }
        AppendProblem(out, marked);
        problem.clear();
    };
    for (const std::string &line : lines) {
        if (out.text.size() > static_cast<std::size_t>(kLongestWorkedText)) {
            problem.clear();
            out.text += "后面的题目太多，没有批改。\r\n";
            return out;
        }
        if (Trim(line).empty()) {
            flush();
            out.text += EchoOf(line) + "\r\n";
            continue;
        }
        if (IsExpressionType(type) && !StartsWithEquals(line))
            flush();
        problem.push_back(line);
    }
    flush();
    return out;
}

} // namespace qimbel
