// Marking the equation types: the reading of a pupil's line into its exact solution set, and
// whole workings marked step by step (slips, Qimbel's step in place, the end), each a row of a
// table. The property test beside it marks thousands of random workings.
#include "marking/EquationMarking.h"
#include "marking/EquationLine.h"
#include "marking/EquationReading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using namespace qimbel;
using namespace qimbel::marking;

namespace {

// A set as a short text: {2,3}, 任何数, x＞－3, x≥1 (the numbers sorted as texts).
std::string Described(const SolutionSet &set)
{
    switch (set.kind) {
    case SolutionSet::Kind::Above:
        return std::string(set.closed ? "x≥" : "x＞") + ExactText(set.bound);
    case SolutionSet::Kind::Below:
        return std::string(set.closed ? "x≤" : "x＜") + ExactText(set.bound);
    default:
        break;
    }
    std::vector<std::string> texts;
    for (const SurdNumber &n : set.values)
        texts.push_back(SurdNumberText(n));
    std::sort(texts.begin(), texts.end());
    std::string out = set.kind == SolutionSet::Kind::AllExcept ? "任何数" : "";
    for (std::size_t k = 0; k < texts.size(); ++k)
        out += (k == 0 ? "{" : ",") + texts[k];
    return texts.empty() ? (out.empty() ? "{}" : out) : out + "}";
}

std::vector<std::string> LinesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// √, ×, ? (unreadable) for each step.
std::string Marks(const MarkedProblem &marked)
{
    std::string marks;
    for (const MarkedLine &line : marked.lines)
        marks += line.mark == StepMark::Right   ? "√"
            : line.mark == StepMark::Wrong      ? "×"
            : line.mark == StepMark::Unreadable ? "?"
                                                : "";
    return marks;
}

} // namespace

TEST(EquationMarking, LinesAreReadIntoTheirExactSolutionSets)
{
    const struct {
        const char *typed;
        const char *set; // or "!" and the reason it cannot be read
    } rows[] = {
        // The words around the working and the ways of writing the signs.
        {"解：移项得 2x+3=7", "{2}"},
        {"两边同除以－2，得x＞－3", "x＞－3"},
        {"（x－1）×２＜３", "x＜2.5"},
        {"2x>=4", "x≥2"},
        {"2x＝7＋－3", "{2}"},
        {"∴ x＝2是原方程的解。", "{2}"},
        // Linear: brackets, fractions, decimals; no solution and every number.
        {"3(x－1)＝2x", "{3}"},
        {"x/2＋1＝x/3", "{－6}"},
        {"0.5x＝1/4", "{0.5}"},
        {"2x＝2x＋1", "{}"},
        {"2(x＋1)＝2x＋2", "任何数"},
        {"原方程无解", "{}"},
        // Quadratic: rational and surd roots, compared exactly.
        {"x^2－5x＋6＝0", "{2,3}"},
        {"(x－1)^2＝0", "{1}"},
        {"x^2＝－1", "{}"},
        {"x^2－2x－1＝0", "{1＋√2,1－√2}"},
        {"x＝1±√2", "{1＋√2,1－√2}"},
        {"x－1＝±√8", "{1＋2√2,1－2√2}"},
        {"x1＝(1＋√5)/2，x2＝(1－√5)/2", "{(1＋√5)/2,(1－√5)/2}"},
        {"2x＝√12", "{√3}"},
        {"x＝(2±√0)/2", "{1}"},
        {"x＝2或x＝－3", "{2,－3}"},
        {"x1 = 2   x2 = -3", "{2,－3}"},
        {"x1＝x2＝3", "{3}"},
        // Fractional: a number that makes a denominator 0 is no solution.
        {"1/(x－1)＝2/(x^2－1)", "{}"},
        {"2÷(x＋1)＝1", "{1}"},
        // Inequalities: a negative factor turns the sign.
        {"－2x＞6", "x＜－3"},
        {"(x＋1)/(－2)＜1", "x＞－3"},
        {"x＋1≥x", "任何数"},
        {"x－x＞1", "{}"},
        // What cannot be read.
        {"2x＋＝7", "!读不懂这个式子，请检查括号和运算符号"},
        {"2x＋y＝7", "!式子里除了 x 还有别的字母"},
        {"x^2＞1", "!这一步不是一元一次不等式"},
        {"x^3＝8", "!这一步不是一元一次方程或一元二次方程"},
        {"x＝1±2±3", "!一个式子里只能有一个“±”"},
        {"设x为未知数", "!没有等号或不等号"},
        {"x＝√(1000000000000)", "!根号里的数太大"},
        {"x＝√1000000000000", "!根号里的数太大"},
        {"x＝√(2", "!根号后面要写一个整数"},
    };
    for (const auto &row : rows) {
        const std::string normalised = NormalisedSigns(row.typed);
        const OneUnknownLine line = ReadOneUnknown(WorkingPart(normalised), normalised, 'x', {});
        const std::string got = line.reason.empty() ? Described(line.set) : "!" + line.reason;
        EXPECT_EQ(got, row.set) << row.typed;
    }
}

TEST(EquationMarking, WorkingsAreMarkedStepByStep)
{
    Solver solver;
    const struct {
        int type;
        const char *lines;
        const char *marks;
        const char *slip; // at the first wrong or unreadable step
        const char *correct; // Qimbel's step at the first wrong step
        const char *missing; // empty: finished
    } rows[] = {
        {25, "3x＋5＝x－7\n移项得 3x－x＝－7－5\n2x＝－12\nx＝－6", "√√√", "", "", ""},
        // The move is judged, not only the root it keeps.
        {25, "2x－3(x－2)＝4\n2x＋3x－6＝4\n5x＝10\nx＝2", "×√√", "去括号时没有变号", "2x－3x＋6＝4",
            "答案对了，但是第1步的做法不对"},
        {25, "2x－3(x－2)＝4\n2x－3x－6＝4", "×", "去括号时没有变号", "2x－3x＋6＝4", "还要移项"},
        {25, "2x－3(x－2)＝4\n2x－3x－6＝－8", "×", "", "2x－3x＋6＝4", "还要移项"},
        {25, "2x－3＝5\n0.5x＝2", "×", "", "2x＝5＋3", "还要把x的系数化为1"},
        // 3x taken across and the sides exchanged: a right move, though not the usual one.
        {25, "3x＋6＝0\n－3x＝6", "√", "", "", "还要把x的系数化为1"},
        {25, "3x＋6＝0\n3x＝6", "×", "移项没有变号", "3x＝－6", "还要把x的系数化为1"},
        {30, "2x－3(x－2)＜4\n2x＋3x－6＜4", "×", "去括号时没有变号", "2x－3x＋6＜4", "还要移项"},
        {27, "(x－3)^2＝4\nx－3＝2", "×", "开平方时漏掉了负的平方根", "x－3＝±2", "还要求出x的值"},
        // Moves a line may hold together.
        {25, "2x＋3＝7\nx＝2", "√", "", "", ""},
        {25, "5－x＝3\nx＝5－3\nx＝2", "√√", "", "", ""},
        {25, "(x－1)/2＝3－x\nx＋2x＝6＋1\nx＝7/3", "√√", "", "", ""},
        {25, "6＝2x\nx＝3", "√", "", "", ""},
        {27, "2x^2－8＝0\nx^2＝4\nx＝±2", "√√", "", "", ""},
        {27, "x^2－6x＋5＝0\nx^2－6x＝－5\nx^2－6x＋9＝－5＋9\n(x－3)^2＝4\nx－3＝±2\nx1＝5，x2＝1", "√√√√√", "", "",
            ""},
        // A △ line after words in front is one line of 公式法.
        {27, "2x^2－3x－2＝0\n∴Δ＝(－3)^2－4×2×(－2)＝25＞0\nx1＝2，x2＝－1/2", "√√", "", "", ""},
        {27, "2x^2－3x－2＝0\n所以△＝9－16＝－7＜0", "×", "", "△＝b^2－4ac＝25＞0", "还要求出x的值"},
        // The end tells the truth: a fraction to reduce, two steps on one line.
        {25, "4x＝6\nx＝6/4", "√", "", "", "还要约分"},
        {30, "4x＜6\nx＜6/4", "√", "", "", "还要约分"},
        {25, "3x－1＝5\n解：3x＝6，x＝2", "√", "", "", ""},
        {25, "3x－1＝5\n3x＝6，x＝3", "×", "", "x＝2", "答案不对，要从第1步改起"},
        {25, "2x＋3＝7\n2x＝7＋3\n2x＝10\nx＝5", "×√√", "移项没有变号", "2x＝7－3", "答案不对，要从第1步改起"},
        {25, "3－2(x－1)＝5\n3－2x－2＝5", "×", "去括号时没有变号", "3－2x＋2＝5", "还要移项"},
        {25, "4－(x＋2)＝1\n4－x＋2＝1", "×", "去括号时没有变号", "4－x－2＝1", "还要移项"},
        {25, "3(x＋2)＝12\n3x＋2＝12", "×", "漏乘", "3x＋6＝12", "还要移项"},
        {25, "x/2＋1＝x/3\n3x＋1＝2x", "×", "漏乘", "3x＋6＝2x", "还要移项"},
        {25, "2x＝7－3\n2x＝－4", "×", "符号错误", "2x＝4", "还要把x的系数化为1"},
        {25, "2x＋3＝7\n2x＝4\nx＝3", "√×", "", "x＝2", "答案不对，要从第2步改起"},
        {25, "2x＋3＝7\n解：\n2x＝4\nx＝3", "√×", "", "x＝2", "答案不对，要从第2步改起"},
        {25, "2x＋3＝7\n解：", "", "", "", "还没有写出解题步骤"},
        {25, "2x＋3＝7\n2x＝4", "√", "", "", "还要把x的系数化为1"},
        {25, "2x＋3＝7\n2x＝＝4\nx＝2", "?√", "一个式子里只能有一个等号或不等号", "", ""},
        {9, "x＋15＝40\nx＝40－15\nx＝25\n检验：把x＝25代入原方程，左边＝25＋15＝40，右边＝40，所以x＝25是方程的解",
            "√√√", "", "", ""},
        {25, "2x－4＝0\nx＝2\n检验：把x＝2代入原方程，左边＝2×2－4＝0，右边＝0，左边＝右边，所以x＝2是原方程的解", "√√",
            "", "", ""},
        {9, "x＋15＝40\nx＝25\n检验：把x＝25代入原方程，左边＝40＝右边", "√√", "", "", "还要写出检验的结论"},
        {30, "－2x＞6\nx＞－3", "×", "不等式两边同除以负数没有改变方向", "x＜－3", "答案不对，要从第1步改起"},
        {30, "5x－3≤2x＋6\n3x≤9\nx≤3", "√√", "", "", ""},
        {27, "x^2－5x＋6＝0\n(x－2)(x－3)＝0\nx－2＝0或x－3＝0\nx1＝2，x2＝3", "√√√", "", "", ""},
        {27, "x^2－2x－1＝0\n(x－1)^2＝2\nx＝1±√2", "√√", "", "", ""},
        {27, "x^2－4x＝－3\nx^2－4x＋3＝0\nx1＝1，x2＝－3", "√×", "", "x1＝1，x2＝3", "答案不对，要从第2步改起"},
        {29, "1/(x－1)＝2/(x^2－1)\nx＋1＝2\nx＝1", "√×", "增根没有检验", "经检验，x＝1是原方程的增根，原方程无解",
            "还要检验"},
        {29, "3/x＝2/(x－1)\n3(x－1)＝2x\nx＝3\n检验：当x＝3时，x(x－1)＝6≠0\n所以x＝3是原方程的解", "√√√√", "", "",
            ""},
        {29, "3/x＝2/(x－1)\n3(x－1)＝2x\nx＝3", "√√", "", "", "还要检验"},
        {29, "3/x＝2/(x－1)\n3x－3＝2x\nx＝3\n经检验，x＝3是增根", "√√×", "", "经检验，x＝3是原方程的解",
            "检验的结论不对"},
        {26, "x＋y＝5\nx－y＝1\n①＋②得 2x＝6\nx＝3\n把x＝3代入①得 3＋y＝5\ny＝2\n所以方程组的解为 x＝3，y＝2", "√√√√√",
            "", "", ""},
        {26, "x＋y＝5，x－y＝1\n由①得 x＝5－y\n把x＝5－y代入②得 5－y－y＝1\ny＝2\nx＝3", "√√√√", "", "", ""},
        // After a wrong step the next is compared with the last right one, not worked on from it.
        {26, "x＋y＝5\nx－y＝1\ny＝5＋x\nx＋5＋x＝5", "××", "移项没有变号", "y＝5－x", "还要求出x和y的值"},
        {26, "x＋y＝5\nx－y＝1\nx＋y＝3\nx＝100\ny＝－7", "×××", "", "x＝3，y＝2", "答案不对，要从第1步改起"},
        {26, "x＋y＝5\nx－y＝1\nx＋y＝3\n2x＝6\nx＝3，y＝2", "×√√", "", "x＝3，y＝2", ""},
        // Without solutions what adding and subtracting gives is right, a pair of numbers is not.
        {26, "x＋y＝1\nx＋y＝2\nx＝1\ny＝3", "××", "", "", "这个方程组无解，要写出“方程组无解”"},
        {26, "x＋y＝1\nx＋y＝2\n②－①得 0＝1\n所以方程组无解", "√√", "", "", ""},
        {26, "x＋y＝1\nx＋y＝2\nx＋y＝5，x－y＝1", "×", "", "", "这个方程组无解，要写出“方程组无解”"},
        {26, "x＋y＝1\n2x＋2y＝2\n方程组有无数个解", "√", "", "", ""},
        {26, "x＋y＝5\nx－y＝1\n方程组无解", "×", "", "", "答案不对，要从第1步改起"},
        // A wrong elimination is put right by the elimination, not by the answer.
        {26, "x＋3y＝5\nx－y＝1\n①－②得 2y＝4", "×", "", "4y＝4", "还要求出x和y的值"},
        {26, "x＋3y＝5\n2x－y＝3\n①×2－②得 7y＝6", "×", "", "7y＝7", "还要求出x和y的值"},
        // A bracket taken off wrongly in a system, and a value worked out from it.
        {26, "y＝x－1\n3x＋4y＝12\n3x＋4(x－1)＝12\n3x＋4x－1＝12\n7x＝13\nx＝13/7", "√×××", "漏乘", "3x＋4x－4＝12",
            "答案不对，要从第2步改起"},
        {26, "x＋y＝1\n2x－3(y－2)＝8\n2x－3y－6＝8", "×", "去括号时没有变号", "2x－3y＋6＝8", "还要求出x和y的值"},
        {26, "x＋y＝5\nx－y＝1\n2x＝6\nx＝3", "√√", "", "", "还要求出y的值"},
        {26, "x＋y＝5  x－y＝1\n把x＝3代入① 得 3＋y＝5\nx＝3 y＝2", "√√", "", "", ""},
        {26,
            "3x＋2y＝12\nx－y＝－1\n由②得：x＝y－1③\n把③代入①得：3(y－1)＋2y＝12\ny＝3\n把y＝3代入③得：x＝2\n∴原方程组的解是{x＝2, y＝3}",
            "√√√√√", "", "", ""},
        {26, "x＋y＝5\nx－y＝1\n2x＝6\nx＝4，y＝1", "√×", "", "x＝3，y＝2", "答案不对，要从第2步改起"},
    };
    for (const auto &row : rows) {
        const MarkedProblem marked = MarkEquationWorking(solver, row.type, LinesOf(row.lines));
        const std::string where = std::string(row.lines);
        ASSERT_EQ(marked.lines.size(), LinesOf(row.lines).size()) << where;
        EXPECT_EQ(Marks(marked), row.marks) << where;
        const auto first = std::find_if(marked.lines.begin(), marked.lines.end(),
            [](const MarkedLine &l) { return l.mark == StepMark::Wrong || l.mark == StepMark::Unreadable; });
        EXPECT_EQ(first == marked.lines.end() ? "" : first->reason, row.slip) << where;
        EXPECT_EQ(first == marked.lines.end() ? "" : first->correctStep, row.correct) << where;
        EXPECT_EQ(marked.finished, std::string(row.missing).empty()) << where;
        EXPECT_EQ(marked.missing, row.missing) << where;
    }
}

TEST(EquationMarking, ProblemsThatCannotBeReadMarkNoStep)
{
    Solver solver;
    for (const auto &[type, lines] : std::vector<std::pair<int, std::string>> {{25, "2x＋y＝3\nx＝1"},
             {25, "7＝7\n0＝0"}, {26, "x＋y＋z＝5\nx＝1"}, {27, std::string(300, '1') + "x＝1\nx＝1"}}) {
        const MarkedProblem marked = MarkEquationWorking(solver, type, LinesOf(lines));
        EXPECT_FALSE(marked.lines[0].reason.empty()) << lines;
        EXPECT_EQ(marked.lines[0].mark, StepMark::Problem) << lines;
        EXPECT_FALSE(marked.finished);
    }
}

// Work past the limit makes a line unreadable with its own reason (not "数太大"), and the next
// line is compared with the last readable one. A small outer limit stands in for a line that
// would need more than a line's share.
TEST(EquationMarking, WorkPastTheLimitIsSaidSo)
{
    Solver solver;
    const std::string tooMuch = "这个式子太复杂，无法在短时间内算完";
    {
        const fractions::WorkLimit tight(40);
        const MarkedProblem marked = MarkEquationWorking(solver, 9, LinesOf("3(x－1)＝2(x＋1)－(x－5)\nx＝5"));
        ASSERT_EQ(marked.lines.size(), 2u);
        EXPECT_EQ(marked.lines[0].reason, tooMuch);
        EXPECT_EQ(marked.lines[1].mark, StepMark::Problem);
    }
    // With a line's share the same working is marked.
    const MarkedProblem marked = MarkEquationWorking(solver, 9, LinesOf("3(x－1)＝2(x＋1)－(x－5)\nx＝5"));
    EXPECT_EQ(marked.lines[0].reason, "");
    EXPECT_EQ(marked.lines[1].mark, StepMark::Right);
    EXPECT_TRUE(marked.finished) << marked.missing;
}
