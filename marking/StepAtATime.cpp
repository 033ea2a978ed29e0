#include "marking/StepAtATime.h"

#include "marking/EquationLine.h"
#include "marking/EquationReading.h"
#include "marking/ExactExpression.h"
#include "marking/InequalitySystemMarking.h"
#include "marking/MarkWorking.h"
#include "solver/GbkText.h"

#include <optional>

namespace qimbel {

namespace {

bool IsStep(const MarkedLine &line) { return line.mark != StepMark::Problem; }

// The number of the step at line i, as the pupil counts them.
int StepNumber(const MarkedProblem &marked, std::size_t i)
{
    int n = 0;
    for (std::size_t k = 0; k <= i && k < marked.lines.size(); ++k)
        n += IsStep(marked.lines[k]) ? 1 : 0;
    return n;
}

std::string WithoutLeadingEquals(const std::string &line)
{
    const std::string t = TrimLeft(line);
    if (Left(t, 2) == "＝")
        return Mid(t, 2);
    if (Left(t, 1) == "=")
        return Mid(t, 1);
    return t;
}

// Qimbel's right step in place of a wrong last line that is not the first wrong one: the line
// before it taken as the problem, the last line as its only step.
std::string FixOfLast(Solver &solver, int type, const LastProblem &last, std::size_t before)
{
    if (type == 26 || type == 28 || type == 31)
        return {};
    std::vector<std::string> lines;
    if (before == 0 || (type != 26 && !IsStep(last.marked.lines[before]))) {
        lines.assign(last.lines.begin(), last.lines.begin() + static_cast<std::ptrdiff_t>(before) + 1);
    } else {
        std::string problem = last.lines[before];
        const bool expression = Left(TrimLeft(problem), 2) == "＝" || Left(TrimLeft(problem), 1) == "=";
        if (expression)
            problem = WithoutLeadingEquals(problem);
        lines = {last.lines.front(), problem};
        if (!expression)
            lines = {problem};
    }
    lines.push_back(last.lines.back());
    const std::string text = [&] {
        std::string t;
        for (const std::string &l : lines)
            t += l + "\r\n";
        return t;
    }();
    const std::optional<LastProblem> again = MarkLastProblem(solver, type, text);
    if (!again || again->marked.lines.empty())
        return {};
    return again->marked.lines.back().correctStep;
}

// The coefficient of the unknown on the left of a line a·x ＝ b (or with ＜ ＞ ≤ ≥), as text,
// and whether it is negative.
std::optional<std::pair<std::string, bool>> LoneCoefficient(const std::string &line)
{
    const std::string working = marking::WorkingPart(marking::NormalisedSigns(line));
    const marking::Relations rel = marking::SplitRelations(working);
    if (rel.symbols.size() != 1)
        return std::nullopt;
    const std::string letters = marking::LettersOf(rel.sides[0]);
    if (letters.size() != 1)
        return std::nullopt;
    const std::string &left = rel.sides[0];
    const int at = Find(left, letters);
    if (at < 0 || at + 1 != Len(left))
        return std::nullopt;
    std::string k = Left(left, at);
    if (k.empty() || k == "－")
        k += "1";
    if (Right(k, 2) == "×")
        k = Left(k, Len(k) - 2);
    const bool negative = Left(k, 2) == "－";
    return std::make_pair(k, negative);
}

std::string RelationOf(const std::string &line)
{
    const marking::Relations rel = marking::SplitRelations(marking::WorkingPart(marking::NormalisedSigns(line)));
    return rel.symbols.empty() ? std::string() : rel.symbols[0];
}

bool HasOperation(const ExprNode &n)
{
    const ExprNode &u = Unbracketed(n);
    return u.kind == ExprNode::Kind::Sum || u.kind == ExprNode::Kind::Product || u.kind == ExprNode::Kind::Power;
}

// The operation to do first in an expression of numbers, by the order of operations: inside the
// brackets first, then × and ÷, then ＋ and －, each from the left ("先算20÷4").
std::string FirstOperation(const ExprNode &node, int depth = 0)
{
    if (depth > 40)
        return {};
    const ExprNode &n = Unbracketed(node);
    if (n.kind != ExprNode::Kind::Sum && n.kind != ExprNode::Kind::Product)
        return {};
    for (const ExprNode &kid : n.kids)
        if (kid.kind == ExprNode::Kind::Group && HasOperation(kid))
            return FirstOperation(kid, depth + 1);
    if (n.kind == ExprNode::Kind::Sum)
        for (const ExprNode &kid : n.kids)
            if (HasOperation(kid))
                return FirstOperation(kid, depth + 1);
    if (n.kids.size() < 2 || n.kids[0].kind != ExprNode::Kind::Number || n.kids[1].kind != ExprNode::Kind::Number)
        return {};
    std::string sign;
    if (n.kind == ExprNode::Kind::Sum)
        sign = n.negative[1] ? "－" : "＋";
    else
        sign = n.divide[1] ? "÷" : "×";
    return "先算" + std::string(n.kind == ExprNode::Kind::Sum && n.negative[0] ? "－" : "") + n.kids[0].text + sign
        + n.kids[1].text;
}

// The next move named from what the last line still misses.
std::string MoveFor(const std::string &missing, const std::string &lastLine, int type)
{
    const std::string unknownMove = "移项，把含未知数的项移到左边，常数项移到右边";
    if (missing == "还要去括号")
        return "去括号";
    // Fractions of numbers are cleared before terms are moved or combined.
    if ((missing == "还要移项" || missing == "还要合并同类项") && Contains(lastLine, "/"))
        return "去分母，两边同乘以各分母的最简公分母";
    if (missing == "还要移项")
        return unknownMove;
    if (missing == "还要合并同类项")
        return "合并同类项";
    if (missing == "还要去分母")
        return "去分母，两边同乘以各分母的最简公分母";
    if (missing == "还要检验")
        return "检验，把根代入最简公分母";
    if (Contains(missing, "系数化为1")) {
        if (const auto k = LoneCoefficient(lastLine)) {
            const std::string symbol = RelationOf(lastLine);
            const bool turn = k->second && symbol != "＝" && !symbol.empty();
            return "系数化为1，两边同除以" + (k->second ? "(" + k->first + ")" : k->first)
                + (turn ? "，不等号要改变方向" : "");
        }
        return "系数化为1";
    }
    if (type == 27 && Contains(missing, "还要求出")) {
        const std::string working = marking::WorkingPart(marking::NormalisedSigns(lastLine));
        const marking::Relations rel = marking::SplitRelations(working);
        if (rel.symbols.size() == 1 && Contains(rel.sides[0], ")^2") && marking::TopTerms(rel.sides[0]).size() == 1
            && marking::LettersOf(rel.sides[1]).empty())
            return "直接开平方，别忘了负的平方根";
        if (rel.symbols.size() == 1 && rel.sides[1] == "0" && Contains(rel.sides[0], ")("))
            return "令每个因式等于0";
        if (rel.symbols.size() == 1 && rel.sides[1] == "0")
            return "把左边因式分解，或用配方法、公式法";
        return "移项，把方程化成一般形式";
    }
    if (type == 26 && Contains(missing, "和"))
        return "用代入法或加减法消去一个未知数";
    if (type == 26 && Contains(missing, "还要求出"))
        return "把求出的值代入一个方程，" + Mid(missing, 4);
    if (missing == "还要继续计算" && type == 24)
        return "按运算顺序继续计算，二次根式相乘除：√a×√b＝√(ab)，√a÷√b＝√(a÷b)";
    if (missing == "还要继续计算") {
        const std::string text = marking::NormalisedSigns(lastLine);
        const ReadExpression read = ReadPupilExpression(Left(text, 2) == "＝" ? Mid(text, 2) : text, true);
        if (read.tree)
            if (std::string first = FirstOperation(*read.tree); !first.empty())
                return first;
        return "继续计算，先算括号里的，再算乘除，后算加减";
    }
    if (Left(missing, 4) == "还要")
        return Mid(missing, 4);
    return missing;
}

// 一元一次不等式组: the inequality still to solve, and its next move as for one inequality; or
// the rule for the common part.
std::string InequalitySystemHint(Solver &solver, const LastProblem &last)
{
    const std::string &missing = last.marked.missing;
    const std::string prefix = "还要解不等式";
    const bool noStep = missing == "还没有写出解题步骤";
    if (Left(missing, Len(prefix)) != prefix && !noStep)
        return "下一步：取各个解集的公共部分（同大取大，同小取小，大小小大中间找，大大小小找不到）\r\n";
    const std::string circled = noStep ? std::string("①") : Mid(missing, Len(prefix));
    // The inequality in progress is the last line when that is a step not yet solved; else the
    // inequality of the problem.
    std::string text;
    const std::size_t lastIndex = last.lines.size() - 1;
    if (IsStep(last.marked.lines[lastIndex]) && last.marked.lines[lastIndex].mark == StepMark::Right)
        text = last.lines[lastIndex];
    const auto solved = [](const std::string &line) {
        const std::string normalised = marking::NormalisedSigns(line);
        const std::string working = marking::WorkingPart(normalised);
        const std::string letters = marking::LettersOf(working);
        return letters.size() == 1 && marking::ReadOneUnknown(working, normalised, letters[0], {}).answer;
    };
    if (text.empty() || solved(text)) {
        const std::size_t problemLines = static_cast<std::size_t>(InequalitySystemProblemLines(last.lines));
        std::vector<std::string> pieces;
        for (std::size_t k = 0; k < problemLines; ++k)
            for (const std::string &piece :
                marking::Pieces(marking::WorkingPart(marking::NormalisedSigns(last.lines[k])), false))
                pieces.push_back(piece);
        static const char *const kCircled[] = {"①", "②", "③", "④", "⑤"};
        for (std::size_t k = 0; k < pieces.size() && k < std::size(kCircled); ++k)
            if (circled == kCircled[k])
                text = pieces[k];
    }
    std::string move = text.empty() ? std::string() : HintNextStep(solver, 30, text);
    if (Left(move, Len(kHintHeader)) == kHintHeader)
        move = Mid(move, Len(kHintHeader));
    if (Left(move, Len("下一步：")) == "下一步：")
        move = Mid(move, Len("下一步："));
    if (Right(move, 2) == "\r\n")
        move = Left(move, Len(move) - 2);
    return "下一步：解不等式" + circled + (move.empty() || Contains(move, "继续") ? "" : "，" + move) + "\r\n";
}

// 二元二次方程组: 代入消元, then the quadratic in one unknown as on its own page, then the other
// unknown, then the pairs.
std::string QuadraticSystemHint(Solver &solver, const LastProblem &last)
{
    const std::string &missing = last.marked.missing;
    if (missing == "还要代入消元" || missing == "还没有写出解题步骤")
        return "下一步：代入消元，由一次方程用一个未知数表示另一个未知数，再代入二次方程\r\n";
    if (Contains(missing, "还少一组解"))
        return "下一步：补上漏掉的一组解\r\n";
    if (missing == "还要写出方程组的解")
        return "下一步：把每一组解写在一起，写出方程组的解\r\n";
    const std::string prefix = "还要求出";
    if (Left(missing, Len(prefix)) == prefix) {
        const std::string &line = last.lines.back();
        const std::string normalised = marking::NormalisedSigns(line);
        const std::string letters = marking::LettersOf(marking::WorkingPart(normalised));
        // The last line an equation in one unknown: its next move as on the 一元二次方程 page.
        if (letters.size() == 1 && !Contains(normalised, "，") && !Contains(normalised, ",")) {
            std::string move = HintNextStep(solver, 27, line);
            if (Left(move, Len("下一步：")) == "下一步：" && !Contains(move, "继续"))
                return move;
        }
        return "下一步：把求出的值分别代入一次方程，" + Mid(missing, Len("还要")) + "\r\n";
    }
    return "下一步：" + (Left(missing, Len("还要")) == "还要" ? Mid(missing, Len("还要")) : missing) + "\r\n";
}

} // namespace

std::string MarkLastStep(Solver &solver, int type, const std::string &typed)
{
    const std::optional<LastProblem> last = MarkLastProblem(solver, type, typed);
    if (!last)
        return "文本框中没有可以检查的步骤。\r\n";
    const MarkedProblem &marked = last->marked;
    const std::size_t i = marked.lines.size() - 1;
    const MarkedLine &line = marked.lines[i];
    if (!marked.lines[0].reason.empty() && marked.lines[0].mark == StepMark::Problem)
        return line.typed + "\r\n无法识别：" + marked.lines[0].reason + "。\r\n";
    if (!IsStep(line))
        return "还没有写出解题步骤：在题目下面写一步，再检查。\r\n";
    std::string out = line.typed + "\r\n";
    const int step = StepNumber(marked, i);
    switch (line.mark) {
    case StepMark::Right:
        out += "√\r\n";
        break;
    case StepMark::Wrong: {
        out += "× 第" + IntText(step) + "步错了" + (line.reason.empty() ? "" : "：" + line.reason) + "。\r\n";
        std::string fix = line.correctStep;
        if (fix.empty()) {
            std::size_t before = i;
            while (before > 0 && marked.lines[before - 1].mark == StepMark::Unreadable)
                --before;
            fix = before > 0 ? FixOfLast(solver, type, *last, before - 1) : std::string();
        }
        if (!fix.empty())
            out += "应该是：" + fix + "\r\n";
        break;
    }
    case StepMark::Unreadable:
        out += "无法识别：" + line.reason + "。\r\n";
        break;
    case StepMark::Problem:
        break;
    }
    return out;
}

std::string HintNextStep(Solver &solver, int type, const std::string &typed)
{
    std::optional<LastProblem> last = MarkLastProblem(solver, type, typed);
    if (!last)
        return "文本框中没有题目：先写题目，再要提示。\r\n";
    const MarkedProblem &marked = last->marked;
    if (!marked.lines[0].reason.empty() && marked.lines[0].mark == StepMark::Problem)
        return "题目无法识别：" + marked.lines[0].reason + "。\r\n";
    for (std::size_t i = 0; i < marked.lines.size(); ++i)
        if (marked.lines[i].mark == StepMark::Wrong)
            return "先改正第" + IntText(StepNumber(marked, i)) + "步"
                + (marked.lines[i].reason.empty() ? std::string() : "：" + marked.lines[i].reason) + "。\r\n";
    if (marked.finished)
        return "已经做完了：最后一步已经是答案。\r\n";
    if (type == 31)
        return InequalitySystemHint(solver, *last);
    if (type == 28)
        return QuadraticSystemHint(solver, *last);
    // The last readable line, written again as a step, tells what it still misses.
    std::size_t at = marked.lines.size() - 1;
    while (at > 0 && marked.lines[at].mark == StepMark::Unreadable)
        --at;
    std::string again = last->lines[at];
    const bool expressionSteps = Left(TrimLeft(again), 2) == "＝" || Left(TrimLeft(again), 1) == "=";
    const bool firstIsExpression = at == 0 && type != 26 && !Contains(again, "＝") && !Contains(again, "=")
        && !Contains(again, "＜") && !Contains(again, "＞") && !Contains(again, "<") && !Contains(again, ">")
        && !Contains(again, "≤") && !Contains(again, "≥");
    if (firstIsExpression && !expressionSteps)
        again = "＝" + again;
    std::vector<std::string> lines = last->lines;
    lines.resize(at + 1);
    lines.push_back(again);
    std::string text;
    for (const std::string &l : lines)
        text += l + "\r\n";
    const std::optional<LastProblem> probe = MarkLastProblem(solver, type, text);
    if (!probe || probe->marked.finished || probe->marked.missing.empty())
        return "下一步：继续计算。\r\n";
    return "下一步：" + MoveFor(probe->marked.missing, again, type) + "\r\n";
}

} // namespace qimbel
