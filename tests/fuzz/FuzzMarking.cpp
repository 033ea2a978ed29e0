// 批改 with an oracle. The first byte chooses the test:
//   own working (expression types): the rest is a problem; Qimbel's own working of it, copied
//     line by line as a pupil would, is marked: no step of it may be wrong;
//   a system after a contradiction (二元一次方程组): six small numbers make a system with one
//     solution, a line that contradicts it follows, then a line made of the next numbers; the
//     contradicting line must be wrong, and the last line may be right only when the solution
//     satisfies it;
//   the one-unknown equation types (the next byte chooses one): the rest, split at line ends,
//     is marked for faults, time-outs and memory.
#include "FuzzInput.h"

#include "marking/EquationMarking.h"
#include "marking/ExpressionMarking.h"
#include "marking/SurdMarking.h"
#include "solver/GbkText.h"
#include "solver/Solver.h"

#include <string>
#include <vector>

namespace {

using qimbel::MarkedProblem;
using qimbel::StepMark;

// The full-width equals sign in GBK, as Qimbel's working writes it (the target's source is compiled
// as it is, by a compiler that keeps string literals in the source's bytes).
constexpr const char *kEquals = "\xA3\xBD";

std::vector<std::string> OwnWorking(qimbel::Solver &solver, int type, const std::string &problem)
{
    const std::string working = qimbel::OwnWorkingOf(solver, type, problem);
    std::vector<std::string> lines {problem};
    std::size_t start = 0;
    for (;;) {
        const std::size_t p = working.find("\r\n", start);
        const std::string line
            = qimbel::Trim(working.substr(start, p == std::string::npos ? std::string::npos : p - start));
        if (qimbel::Left(line, 2) == kEquals)
            lines.push_back(line);
        if (p == std::string::npos)
            return lines;
        start = p + 2;
    }
}

// "3x", "-x", "+2y": a term of a linear equation, with its sign unless it is the first.
std::string Term(long long c, char letter, bool first)
{
    std::string text = c < 0 ? "-" : first ? "" : "+";
    const long long size = c < 0 ? -c : c;
    if (size != 1)
        text += std::to_string(size);
    return text + letter;
}

std::string Linear(long long a, long long b, long long c)
{
    std::string left;
    if (a != 0)
        left += Term(a, 'x', true);
    if (b != 0)
        left += Term(b, 'y', left.empty());
    if (left.empty())
        left = "0";
    return left + "=" + (c < 0 ? "-" + std::to_string(-c) : std::to_string(c));
}

void SystemAfterContradiction(qimbel::Solver &solver, const std::uint8_t *data, std::size_t size)
{
    if (size < 10)
        return;
    const auto n = [&](std::size_t i) { return static_cast<long long>(data[i] % 19) - 9; };
    const long long a1 = n(1), b1 = n(2), c1 = n(3), a2 = n(4), b2 = n(5), c2 = n(6);
    const long long det = a1 * b2 - a2 * b1;
    if (det == 0 || a1 == 0 || b1 == 0 || a2 == 0 || b2 == 0)
        return;
    // The solution (x, y) = (xn/det, yn/det).
    const long long xn = c1 * b2 - c2 * b1, yn = a1 * c2 - a2 * c1;
    // The first equation with another right side: no solution of the system satisfies it.
    const long long shift = 1 + data[7] % 5;
    const long long p = n(8), q = n(9), r = size > 10 ? n(10) : 0;
    const std::vector<std::string> lines
        = {Linear(a1, b1, c1), Linear(a2, b2, c2), Linear(a1, b1, c1 + shift), Linear(p, q, r)};
    const MarkedProblem marked = qimbel::MarkEquationWorking(solver, 26, lines);
    if (marked.lines.size() != lines.size())
        qimbel::fuzz::Fail("a line of the system neither echoed nor marked");
    if (marked.lines[2].mark == StepMark::Right)
        qimbel::fuzz::Fail("a line that contradicts the system marked right");
    // p·x ＋ q·y ＝ r at the solution: p·xn ＋ q·yn ＝ r·det.
    const bool follows = p * xn + q * yn == r * det;
    if (marked.lines[3].mark == StepMark::Right && !follows)
        qimbel::fuzz::Fail("a line after a contradiction marked right though it does not follow");
}

} // namespace

// The one-unknown equation types on random lines: every line comes back once, within the time-out.
void EquationLines(qimbel::Solver &solver, const std::uint8_t *data, std::size_t size)
{
    static const int equationTypes[] = {9, 25, 27, 29, 30};
    if (size < 2)
        return;
    const int type = equationTypes[data[1] % std::size(equationTypes)];
    const std::string text = qimbel::fuzz::Rest(data + 1, size - 1);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t p = text.find('\n', start);
        lines.push_back(text.substr(start, p == std::string::npos ? std::string::npos : p - start));
        if (p == std::string::npos)
            break;
        start = p + 1;
    }
    const MarkedProblem marked = qimbel::MarkEquationWorking(solver, type, lines);
    if (marked.lines.size() != lines.size())
        qimbel::fuzz::Fail("a line of an equation neither echoed nor marked");
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Up to three equation lines at their limit; an expression problem is shorter.
    if (size == 0 || size > 800)
        return 0;
    static qimbel::Solver solver;
    static const int types[] = {8, 20, 21, 22, 23, 24};
    const int choice = data[0] % (std::size(types) + 2);
    if (choice == static_cast<int>(std::size(types))) {
        SystemAfterContradiction(solver, data, size);
        return 0;
    }
    if (choice == static_cast<int>(std::size(types)) + 1) {
        EquationLines(solver, data, size);
        return 0;
    }
    if (size > 200)
        return 0;
    const int type = types[choice];
    std::string problem = qimbel::Trim(qimbel::fuzz::Rest(data, size));
    // Problems a pupil types: numbers, letters, the four operations, powers and brackets.
    if (problem.empty()
        || problem.find_first_not_of("0123456789abcdefghijklmnopqrstuvwxyz+-*/()^. ") != std::string::npos)
        return 0;
    // "1. 0" and "(1) 3＋4" start with a problem number, which 批改 leaves out of the problem
    // and the worked routine does not: such a line is no test of the two agreeing.
    if (qimbel::WithoutProblemNumber(problem) != problem)
        return 0;
    // For 二次根式 the letter r stands for the root sign (GBK A1 CC).
    if (type == 24)
        for (std::size_t p = problem.find('r'); p != std::string::npos; p = problem.find('r', p + 2))
            problem.replace(p, 1, "\xA1\xCC");
    const std::vector<std::string> lines = OwnWorking(solver, type, problem);
    if (lines.size() < 2)
        return 0;
    const MarkedProblem marked
        = type == 24 ? qimbel::MarkSurdWorking(solver, lines) : qimbel::MarkExpressionWorking(solver, type, lines);
    if (marked.lines.size() != lines.size())
        qimbel::fuzz::Fail("a line of Qimbel's own working neither echoed nor marked");
    // A line may be unreadable to the marker (a limit, a number too large), never wrong.
    for (const qimbel::MarkedLine &line : marked.lines)
        if (line.mark == StepMark::Wrong)
            qimbel::fuzz::Fail("a step of Qimbel's own working marked wrong");
    return 0;
}
