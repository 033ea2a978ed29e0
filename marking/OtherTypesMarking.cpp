#include "marking/OtherTypesMarking.h"

#include "algebra/ExactNumber.h"
#include "marking/EquationLine.h"
#include "marking/EquationMarking.h"
#include "marking/ExactExpression.h"
#include "marking/ExpressionMarking.h"
#include "solver/ExpressionText.h"
#include "solver/GbkText.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace qimbel {

namespace {

// The blank of a fill-in problem as typed: "()", "（）", "( )" (blanks inside allowed).
bool BlankAt(const std::string &text, int i, int &length)
{
    const bool ascii = Mid(text, i, 1) == "(";
    const bool wide = Mid(text, i, 2) == "（";
    if (!ascii && !wide)
        return false;
    int j = i + (ascii ? 1 : 2);
    while (j < Len(text) && (Mid(text, j, 1) == " " || Mid(text, j, 2) == "　"))
        j += Mid(text, j, 1) == " " ? 1 : 2;
    if (Mid(text, j, 1) == ")") {
        length = j + 1 - i;
        return true;
    }
    if (Mid(text, j, 2) == "）") {
        length = j + 2 - i;
        return true;
    }
    return false;
}

// The text with each blank written as the letter x.
std::string BlanksAsUnknown(const std::string &text, bool &any)
{
    std::string out;
    for (int i = 0; i < Len(text);) {
        int length = 0;
        if (BlankAt(text, i, length)) {
            out += "x";
            any = true;
            i += length;
            continue;
        }
        const int size = CharSize(text, i);
        out += Mid(text, i, size);
        i += size;
    }
    return out;
}

bool IsColon(const std::string &text, int i)
{
    return Mid(text, i, 1) == ":" || Mid(text, i, 2) == "：" || Mid(text, i, 2) == "∶";
}

// A ratio a:b as the division (a)÷(b); a text without a colon is left as it is. A colon of words
// ("解：") before the working is kept.
std::string RatioAsDivision(const std::string &side)
{
    int colon = -1;
    int depth = 0;
    for (int i = 0; i < Len(side); i += CharSize(side, i)) {
        const std::string c = Mid(side, i, CharSize(side, i));
        depth += c == "(" || c == "（" ? 1 : c == ")" || c == "）" ? -1 : 0;
        if (depth == 0 && IsColon(side, i)) {
            colon = i;
            break;
        }
    }
    if (colon < 0)
        return side;
    const int size = Mid(side, colon, 1) == ":" ? 1 : 2;
    const std::string a = Trim(Left(side, colon));
    const std::string b = Trim(Mid(side, colon + size));
    if (a.empty() || b.empty())
        return side;
    return "(" + a + ")÷(" + b + ")";
}

// Each side of the line's relations with its ratio as a division.
std::string RatiosAsDivisions(const std::string &line)
{
    std::string out;
    std::string side;
    for (int i = 0; i < Len(line);) {
        const int size = CharSize(line, i);
        const std::string c = Mid(line, i, size);
        if (c == "=" || c == "＝") {
            out += RatioAsDivision(side) + c;
            side.clear();
        } else {
            side += c;
        }
        i += size;
    }
    return out + RatioAsDivision(side);
}

// The whole numbers p and q of a line p:q (after its "＝"), or nothing.
std::optional<std::pair<long long, long long>> WholeRatio(const std::string &line)
{
    std::string text = marking::NormalisedSigns(line);
    if (Left(text, 2) == "＝")
        text = Mid(text, 2);
    const int colon = Find(text, ":");
    if (colon <= 0)
        return std::nullopt;
    const auto whole = [](const std::string &t) -> std::optional<long long> {
        if (t.empty() || t.size() > 15)
            return std::nullopt;
        long long v = 0;
        for (char c : t) {
            if (c < '0' || c > '9')
                return std::nullopt;
            v = v * 10 + (c - '0');
        }
        return v;
    };
    const std::optional<long long> p = whole(Left(text, colon));
    const std::optional<long long> q = whole(Mid(text, colon + 1));
    if (!p || !q)
        return std::nullopt;
    return std::make_pair(*p, *q);
}

// The value of a:b as the simplest ratio of whole numbers, from the problem line.
std::optional<std::string> SimplestRatio(const std::vector<std::string> &mapped)
{
    // The problem's ratio, read with the page's own reading of numbers: a:b with whole numbers,
    // decimals or fractions; worked exactly.
    const std::string text = marking::NormalisedSigns(mapped[0]);
    const int bar = Find(text, ")÷(");
    if (bar < 0)
        return std::nullopt;
    const std::optional<NumberValue> a = ReadNumber(Mid(text, 1, bar - 1));
    const std::optional<NumberValue> b = ReadNumber(Mid(text, bar + 4, Len(text) - bar - 5));
    if (!a || !b)
        return std::nullopt;
    const std::optional<Rational> x = ExactValue(*a);
    const std::optional<Rational> y = ExactValue(*b);
    if (!x || !y || y->numerator == 0 || x->numerator <= 0 || y->numerator < 0)
        return std::nullopt;
    const std::optional<Rational> r = RationalQuotient(*x, *y);
    if (!r)
        return std::nullopt;
    return WholeText(r->numerator) + ":" + WholeText(r->denominator);
}

MarkedProblem MarkRatio(Solver &solver, const std::vector<std::string> &lines)
{
    std::vector<std::string> mapped;
    for (const std::string &line : lines)
        mapped.push_back(RatiosAsDivisions(line));
    MarkedProblem marked = MarkExpressionWorking(solver, 7, mapped);
    if (marked.lines.size() != lines.size())
        return marked;
    for (std::size_t i = 0; i < lines.size(); ++i)
        marked.lines[i].typed = lines[i];
    const std::optional<std::string> simplest = SimplestRatio(mapped);
    for (MarkedLine &line : marked.lines)
        if (!line.correctStep.empty())
            line.correctStep = simplest ? *simplest : std::string();
    if (!marked.lines.empty() && !marked.lines[0].reason.empty())
        return marked;
    // The end: the last readable step, p:q with whole numbers without a common factor.
    const MarkedLine *last = nullptr;
    std::size_t lastIndex = 0;
    for (std::size_t i = 1; i < marked.lines.size(); ++i)
        if (marked.lines[i].mark == StepMark::Right || marked.lines[i].mark == StepMark::Wrong) {
            last = &marked.lines[i];
            lastIndex = i;
        }
    if (last == nullptr) {
        marked.finished = false;
        marked.missing = "还没有写出化简的步骤";
        return marked;
    }
    if (!marked.finished && !marked.missing.empty() && Contains(marked.missing, "答案不对"))
        return marked;
    const std::optional<std::pair<long long, long long>> pq = WholeRatio(lines[lastIndex]);
    if (pq && pq->first > 0 && pq->second > 0 && std::gcd(pq->first, pq->second) == 1) {
        marked.finished = true;
        marked.missing.clear();
    } else {
        marked.finished = false;
        marked.missing = pq ? "还要化成最简整数比" : "化简比的结果要写成最简整数比";
    }
    return marked;
}

// The lines with the blank written as x, marked as an equation; the blank is shown again in
// Qimbel's own texts.
MarkedProblem MarkBlank(Solver &solver, const std::vector<std::string> &lines)
{
    std::vector<std::string> mapped;
    for (const std::string &line : lines) {
        bool any = false;
        mapped.push_back(BlanksAsUnknown(line, any));
    }
    MarkedProblem marked = MarkEquationWorking(solver, 9, mapped);
    if (marked.lines.size() != lines.size())
        return marked;
    // 4x is written 4×() again.
    const auto back = [](const std::string &text) {
        std::string out;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] != 'x') {
                out += text[i];
                continue;
            }
            const bool number = i > 0 && ((text[i - 1] >= '0' && text[i - 1] <= '9') || text[i - 1] == ')');
            out += number ? "×()" : "()";
        }
        return out;
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        marked.lines[i].typed = lines[i];
        marked.lines[i].correctStep = back(marked.lines[i].correctStep);
    }
    marked.missing = back(marked.missing);
    return marked;
}

// ---- 简便运算: did a law make the work easier, or did the pupil work in order? ----

using Kind = ExprNode::Kind;

bool IsPlainNumber(const ExprNode &n) { return Unbracketed(n).kind == Kind::Number; }

// The line as text, numbers by their exact values and a bracket round one number left out, so
// that 8×(5) and 8×5 are the same.
std::string Canonical(const ExprNode &n)
{
    switch (n.kind) {
    case Kind::Number:
        return ExactText(n.number);
    case Kind::Letter:
        return std::string(1, n.letter);
    case Kind::Fixed:
        return "?";
    case Kind::Group:
        return IsPlainNumber(n) ? Canonical(Unbracketed(n)) : "(" + Canonical(n.kids[0]) + ")";
    case Kind::Power:
        return Canonical(n.kids[0]) + "^" + IntText(n.exponent);
    case Kind::Sum: {
        std::string out;
        for (std::size_t k = 0; k < n.kids.size(); ++k)
            out += (n.negative[k] ? "－" : k == 0 ? "" : "＋") + Canonical(n.kids[k]);
        return out;
    }
    case Kind::Product: {
        std::string out;
        for (std::size_t k = 0; k < n.kids.size(); ++k)
            out += (k == 0 ? "" : n.divide[k] ? "÷" : "×") + Canonical(n.kids[k]);
        return out;
    }
    }
    return {};
}

ExprNode NumberNode(const Rational &v)
{
    ExprNode n;
    n.number = v;
    return n;
}

// The lines one operation later, by the order of operations: inside brackets first, × and ÷
// before ＋ and －, each from the left; operations in different brackets or different terms
// are independent, so each may come first.
void NextInOrder(const ExprNode &root, std::vector<ExprNode> &out)
{
    std::vector<const ExprNode *> nodes = NodesOf(root);
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const ExprNode &n = *nodes[i];
        if (n.kind != Kind::Sum && n.kind != Kind::Product && n.kind != Kind::Power)
            continue;
        bool ready = n.kids.size() >= (n.kind == Kind::Power ? 1u : 2u);
        if (n.kind == Kind::Power)
            ready = IsPlainNumber(n.kids[0]);
        else if (n.kind == Kind::Sum)
            ready = ready && IsPlainNumber(n.kids[0]) && IsPlainNumber(n.kids[1]);
        else
            ready = ready && IsPlainNumber(n.kids[0]) && IsPlainNumber(n.kids[1]);
        if (!ready)
            continue;
        // The first two kids (or the power) as one number.
        ExprNode part = n;
        if (n.kind != Kind::Power) {
            part.kids.resize(2);
            if (n.kind == Kind::Sum)
                part.negative.resize(2);
            else
                part.divide.resize(2);
        }
        const std::optional<fractions::Fraction> value = ExactValueOf(part);
        if (!value || !fractions::IsConstant(value->num) || !fractions::IsConstant(value->den))
            continue;
        const Rational v = fractions::ConstantOf(value->num);
        const Rational d = fractions::ConstantOf(value->den);
        const std::optional<Rational> q = RationalQuotient(v, d);
        if (!q)
            continue;
        ExprNode next = root;
        ExprNode &at = *NodesOf(next)[i];
        if (n.kind == Kind::Power || n.kids.size() == 2) {
            // A sum of two negative-signed terms keeps its sign in front: －3－5 is －8.
            at = NumberNode(*q);
        } else {
            at.kids.erase(at.kids.begin());
            at.kids[0] = NumberNode(*q);
            if (n.kind == Kind::Sum) {
                at.negative.erase(at.negative.begin());
                at.negative[0] = false;
            } else {
                at.divide.erase(at.divide.begin());
                at.divide[0] = false;
            }
        }
        out.push_back(std::move(next));
    }
}

constexpr std::size_t kMostOrderStates = 400;

// True when `after` is `before` with some operations done in order (at least one).
bool WorkedInOrder(const ExprNode &before, const ExprNode &after)
{
    const std::string target = Canonical(after);
    std::vector<ExprNode> layer {before};
    std::vector<std::string> seen {Canonical(before)};
    for (int depth = 0; depth < 64 && !layer.empty(); ++depth) {
        std::vector<ExprNode> next;
        for (const ExprNode &tree : layer) {
            std::vector<ExprNode> children;
            NextInOrder(tree, children);
            for (ExprNode &child : children) {
                const std::string text = Canonical(child);
                if (text == target)
                    return true;
                if (seen.size() >= kMostOrderStates)
                    return false;
                if (std::find(seen.begin(), seen.end(), text) != seen.end())
                    continue;
                seen.push_back(text);
                next.push_back(std::move(child));
            }
        }
        layer = std::move(next);
    }
    return false;
}

// The law the routine uses first ("乘法分配律"), "拆数", or empty when it finds none.
std::string RoutineLaw(Solver &solver, const std::string &problem)
{
    const std::string working = solver.JianBianYunSuan(problem, 5);
    const int used = Find(working, "运用");
    if (used >= 0) {
        std::string law = Mid(working, used + Len("运用"));
        for (const char *end : {"（", "，", "\r"}) {
            const int at = Find(law, end);
            if (at >= 0)
                law = Left(law, at);
        }
        return law;
    }
    return Contains(working, "拆数") ? "拆数" : std::string();
}

// The closing sentence of 简便运算.
std::string EasierRemark(Solver &solver, const std::vector<std::string> &lines, const MarkedProblem &marked)
{
    // Said at the end of the work only: the answer reached, or a wrong one.
    if ((!marked.lines.empty() && !marked.lines[0].reason.empty())
        || !(marked.finished || Contains(marked.missing, "答案不对")))
        return {};
    // The readings of the problem and of every part of every step, in order.
    std::vector<ExprNode> trees;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::vector<std::string> parts = PartsOf(lines[i]);
        if (i == 0)
            parts[0] = WithoutProblemNumber(parts[0]);
        else
            parts.erase(parts.begin());
        for (const std::string &part : parts) {
            if (part.empty())
                continue;
            ReadExpression read = ReadPupilExpression(part, true);
            if (!read.tree)
                return {};
            trees.push_back(std::move(*read.tree));
        }
    }
    if (trees.size() < 2)
        return {};
    bool allRight = true;
    for (const MarkedLine &line : marked.lines)
        allRight = allRight && line.mark != StepMark::Wrong && line.mark != StepMark::Unreadable;
    bool inOrder = true;
    for (std::size_t k = 1; k < trees.size() && inOrder; ++k)
        inOrder = Canonical(trees[k - 1]) == Canonical(trees[k]) || WorkedInOrder(trees[k - 1], trees[k]);
    if (!inOrder)
        return allRight ? "运用了运算定律，计算简便。" : std::string();
    const std::string law = RoutineLaw(solver, PartsOf(WithoutProblemNumber(lines[0]))[0]);
    if (law.empty())
        return "这道题没有能简便计算的地方，按运算顺序计算就可以。";
    if (law == "拆数")
        return "这道题可以先拆数，再用运算定律简便计算。";
    return "这道题可以用" + law + "简便计算。";
}

} // namespace

bool IsOtherMarkedType(int type) { return type == 10 || type == 11 || type == 18 || type == 32; }

bool StepsStartWithEquals(int type, const std::string &problem)
{
    if (type == 10 || type == 11)
        return true;
    if (type == 32) {
        bool any = false;
        BlanksAsUnknown(problem, any);
        return !any && !Contains(problem, "=") && !Contains(problem, "＝");
    }
    return false;
}

MarkedProblem MarkOtherWorking(Solver &solver, int type, const std::vector<std::string> &lines)
{
    if (lines.empty())
        return {};
    if (type == 10)
        return MarkRatio(solver, lines);
    if (type == 18) {
        std::vector<std::string> mapped;
        for (const std::string &line : lines)
            mapped.push_back(RatiosAsDivisions(line));
        MarkedProblem marked = MarkEquationWorking(solver, 25, mapped);
        for (std::size_t i = 0; i < marked.lines.size() && i < lines.size(); ++i)
            marked.lines[i].typed = lines[i];
        return marked;
    }
    if (type == 32 && !StepsStartWithEquals(type, lines[0]))
        return MarkBlank(solver, lines);
    MarkedProblem marked = MarkExpressionWorking(solver, 7, lines);
    if (type == 11 && marked.lines.size() == lines.size())
        marked.remark = EasierRemark(solver, lines, marked);
    return marked;
}

} // namespace qimbel
