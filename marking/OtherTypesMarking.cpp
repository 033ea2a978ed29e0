#include "marking/OtherTypesMarking.h"

#include "algebra/ExactNumber.h"
#include "marking/EquationLine.h"
#include "marking/EquationMarking.h"
#include "marking/ExpressionMarking.h"
#include "solver/ExpressionText.h"
#include "solver/GbkText.h"

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
    return MarkExpressionWorking(solver, 7, lines);
}

} // namespace qimbel
