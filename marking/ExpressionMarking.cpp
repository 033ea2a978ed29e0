#include "marking/ExpressionMarking.h"

#include "marking/ExactExpression.h"
#include "marking/ExpressionAnswer.h"
#include "marking/ExpressionSlips.h"
#include "solver/ExpressionText.h"
#include "solver/GbkText.h"
#include "solver/InputLimits.h"

namespace qimbel {

using fractions::Fraction;

namespace {

// A readable line (or one part of it between "＝" signs).
struct Reading {
    std::string text;
    ExprNode tree;
    Fraction value;
};

bool IsEqualsAt(const std::string &text, int i)
{
    return Mid(text, i, 2) == "＝" || text[static_cast<std::size_t>(i)] == '=';
}

} // namespace

std::vector<std::string> PartsOf(const std::string &text)
{
    std::vector<std::string> parts;
    std::string part;
    for (int i = 0; i < Len(text);) {
        const int size = CharSize(text, i);
        if (IsEqualsAt(text, i)) {
            parts.push_back(Trim(part));
            part.clear();
        } else {
            part += Mid(text, i, size);
        }
        i += size;
    }
    parts.push_back(Trim(part));
    return parts;
}

std::string WithoutProblemNumber(const std::string &text)
{
    const std::string t = TrimLeft(text);
    const int open = Left(t, 1) == "(" ? 1 : Left(t, 2) == "（" ? 2 : 0;
    int i = open;
    while (i < Len(t) && i < open + 3 && t[static_cast<std::size_t>(i)] >= '0' && t[static_cast<std::size_t>(i)] <= '9')
        ++i;
    if (i == open)
        return text;
    const std::string after = Mid(t, i);
    const auto blankAfter
        = [&after](int n) { return Mid(after, n, 1) == " " || Mid(after, n, 1) == "\t" || Mid(after, n, 2) == "　"; };
    if (open > 0 && (Left(after, 1) == ")" || Left(after, 2) == "）")) {
        const int close = Left(after, 1) == ")" ? 1 : 2;
        return blankAfter(close) ? Trim(Mid(after, close)) : text;
    }
    if (open == 0 && Left(after, 2) == "、")
        return Trim(Mid(after, 2));
    if (open == 0 && ((Left(after, 1) == "." && blankAfter(1)) || (Left(after, 2) == "．" && blankAfter(2))))
        return Trim(Mid(after, Left(after, 1) == "." ? 1 : 2));
    return text;
}

namespace {

int LongestLine(int type) { return type == 22 || type == 23 ? kLongestFactorLine : kLongestExpressionLine; }

bool NumbersOnly(int type) { return type == 7 || type == 8 || type == 20; }

// Reads one part; on failure `why` says why.
std::optional<Reading> ReadPart(int type, const std::string &text, std::string &why)
{
    ReadExpression read = ReadPupilExpression(text, type != 23);
    if (!read.tree) {
        why = read.why;
        return std::nullopt;
    }
    if (NumbersOnly(type))
        for (const ExprNode *n : NodesOf(*read.tree))
            if (n->kind == ExprNode::Kind::Letter) {
                why = "这一类题目的算式里只有数，不能有字母";
                return std::nullopt;
            }
    std::optional<Fraction> value = ExactValueOf(*read.tree, &why);
    if (!value)
        return std::nullopt;
    return Reading {text, std::move(*read.tree), std::move(*value)};
}

// Why a whole line cannot be read before its parts are: too long, brackets too deep.
std::string LineLimit(int type, const std::string &line)
{
    const int longest = LongestLine(type);
    if (Len(line) > longest)
        return "这一行太长，一行最多可以有" + IntText(longest) + "个字符";
    if (BracketDepth(line) > kDeepestBrackets)
        return "括号层数太多";
    return {};
}

// The text handed to a worked routine: the signs as the page's compute writes them.
std::string RoutineText(const std::string &text)
{
    std::string out;
    for (int i = 0; i < Len(text);) {
        const int size = CharSize(text, i);
        const std::string c = Mid(text, i, size);
        i += size;
        if (c == "+")
            out += "＋";
        else if (c == "-")
            out += "－";
        else if (c == "*" || c == "·")
            out += "×";
        else if (c == ":")
            out += "÷";
        else if (c == "（")
            out += "(";
        else if (c == "）")
            out += ")";
        else if (c != " " && c != "\t" && c != "　")
            out += c;
    }
    return out;
}

std::vector<std::string> LinesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t p = text.find("\r\n", start);
        lines.push_back(text.substr(start, p == std::string::npos ? std::string::npos : p - start));
        if (p == std::string::npos)
            return lines;
        start = p + 2;
    }
}

bool IsProductAtTop(const ExprNode &tree)
{
    const ExprNode *n = &Unbracketed(tree);
    while (n->kind == ExprNode::Kind::Sum && n->kids.size() == 1)
        n = &Unbracketed(n->kids[0]);
    return n->kind == ExprNode::Kind::Product || n->kind == ExprNode::Kind::Power;
}

// A whole number typed in ASCII or full-width digits (blanks around it allowed).
std::optional<long long> TypedWhole(const std::string &text)
{
    long long value = 0;
    int digits = 0;
    for (int i = 0; i < Len(text);) {
        const int size = CharSize(text, i);
        int digit = -1;
        if (size == 1 && text[static_cast<std::size_t>(i)] >= '0' && text[static_cast<std::size_t>(i)] <= '9')
            digit = text[static_cast<std::size_t>(i)] - '0';
        else if (size == 2 && static_cast<unsigned char>(text[static_cast<std::size_t>(i)]) == 0xA3) {
            const int trail = static_cast<unsigned char>(text[static_cast<std::size_t>(i) + 1]);
            if (trail >= 0xB0 && trail <= 0xB9)
                digit = trail - 0xB0;
        }
        const bool blank = (size == 1 && IsBlank(text[static_cast<std::size_t>(i)])) || Mid(text, i, 2) == "　";
        if (digit < 0 && !blank)
            return std::nullopt;
        if (digit >= 0) {
            if (++digits > 15)
                return std::nullopt;
            value = value * 10 + digit;
        }
        i += size;
    }
    if (digits == 0)
        return std::nullopt;
    return value;
}

// The dividend and divisor of a line that is a division of two whole numbers (100÷7).
std::optional<std::pair<long long, long long>> WholeDivision(const ExprNode &tree)
{
    const ExprNode &n = Unbracketed(tree);
    if (n.kind != ExprNode::Kind::Product || n.kids.size() != 2 || !n.divide[1])
        return std::nullopt;
    const ExprNode &a = n.kids[0];
    const ExprNode &b = n.kids[1];
    if (a.kind != ExprNode::Kind::Number || b.kind != ExprNode::Kind::Number || a.number.denominator != 1
        || b.number.denominator != 1 || a.number.numerator < 0 || b.number.numerator <= 0
        || a.number.numerator > 999999999999999 || b.number.numerator > 999999999999999)
        return std::nullopt;
    return std::make_pair(static_cast<long long>(a.number.numerator), static_cast<long long>(b.number.numerator));
}

// A quotient with a remainder, q……r (or q…r), as a pupil writes it after a division.
struct Remainder {
    long long quotient = 0;
    long long remainder = 0;
};
std::optional<Remainder> ReadRemainder(const std::string &part)
{
    const int at = Find(part, "…");
    if (at < 0)
        return std::nullopt;
    int end = at;
    while (Mid(part, end, 2) == "…")
        end += 2;
    const std::optional<long long> q = TypedWhole(Left(part, at));
    const std::optional<long long> r = TypedWhole(Mid(part, end));
    if (!q || !r)
        return std::nullopt;
    return Remainder {*q, *r};
}

} // namespace

std::vector<std::string> CrLfLines(const std::string &text) { return LinesOf(text); }

std::string OwnWorkingOf(Solver &solver, int type, const std::string &typed)
{
    // The routines read the signs and blanks as the pages hand them over: with "+" or a blank
    // inside a bracket they would drop a number (0(+1) worked as 0＋1).
    const std::string expression = RoutineText(typed);
    if (type == 22)
        return solver.YinShiFenJie(expression, 8, 4);
    if (type == 23)
        return solver.FenShiSiZeYunSuan(expression, 4);
    if (type == 24)
        return solver.GenShiSiZeYunSuan(expression, 4);
    return solver.HunHeYunSuan(expression, 4);
}

std::string OwnNextStep(Solver &solver, int type, const std::string &line)
{
    const std::string given = RoutineText(line);
    if (!LineLimit(type, given).empty())
        return {};
    std::string why;
    const std::optional<Reading> before = ReadPart(type, given, why);
    if (!before)
        return {};
    const std::string working = OwnWorkingOf(solver, type, given);
    // The right steps after the echoed line; a factorisation offers its first product (the lines
    // before it only show the common factor or the groups).
    std::vector<std::string> steps;
    const std::vector<std::string> lines = LinesOf(working);
    for (std::size_t k = 1; k < lines.size(); ++k) {
        const std::string step = Trim(lines[k]);
        if (Left(step, 2) != "＝")
            continue;
        const std::string text = Trim(Mid(step, 2));
        const std::optional<Reading> read = ReadPart(type, text, why);
        if (text == given || !read || !SameValue(read->value, before->value).value_or(false))
            continue;
        if (type != 22 || IsProductAtTop(read->tree))
            return text;
        steps.push_back(text);
    }
    return steps.empty() ? std::string() : steps.back();
}

MarkedProblem MarkExpressionWorking(Solver &solver, int type, const std::vector<std::string> &lines)
{
    MarkedProblem marked;
    if (lines.empty())
        return marked;
    std::vector<std::string> first = PartsOf(lines[0]);
    const std::string problemText = WithoutProblemNumber(first[0]);
    std::string why = LineLimit(type, lines[0]);
    std::optional<Reading> problem;
    if (why.empty()) {
        const fractions::WorkLimit limit(fractions::kLineWork);
        problem = ReadPart(type, problemText, why);
    }
    if (!problem) {
        // Nothing can be compared with a problem that cannot be read: the lines are only echoed.
        for (const std::string &line : lines)
            marked.lines.push_back({line, StepMark::Problem, "", ""});
        marked.lines[0].reason = why;
        return marked;
    }

    Reading base = *problem;
    bool remainderSeen = false; // a step q……r after a division of whole numbers
    bool remainderRight = false;
    int step = 0;
    int firstWrong = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string &line = lines[i];
        std::vector<std::string> parts;
        if (i == 0) {
            parts.assign(first.begin() + 1, first.end());
        } else {
            parts = PartsOf(line);
            parts.erase(parts.begin()); // what stands before the leading "＝"
        }
        while (!parts.empty() && parts.back().empty())
            parts.pop_back();
        if (i == 0 && parts.empty()) {
            marked.lines.push_back({line, StepMark::Problem, "", ""});
            continue;
        }
        ++step;
        // Every line gets its own share of work, so that one huge step cannot hold up the rest.
        const fractions::WorkLimit limit(fractions::kLineWork);
        try {
            MarkedLine mark {line, StepMark::Right, "", ""};
            why = LineLimit(type, line);
            std::vector<Reading> read;
            if (parts.empty() && why.empty())
                why = "等号后面没有算式";
            // 100÷7 ＝ 14……2: a division with a remainder is judged by its quotient and remainder.
            if (why.empty() && parts.size() == 1 && !remainderSeen) {
                const std::optional<std::pair<long long, long long>> division = WholeDivision(base.tree);
                const std::optional<Remainder> typed = ReadRemainder(parts[0]);
                if (division && typed) {
                    const long long q = division->first / division->second;
                    const long long r = division->first % division->second;
                    remainderSeen = true;
                    remainderRight = typed->quotient == q && typed->remainder == r;
                    if (!remainderRight) {
                        mark.mark = StepMark::Wrong;
                        mark.reason = typed->quotient != q ? "商不对" : "余数不对";
                        if (firstWrong == 0) {
                            firstWrong = step;
                            mark.correctStep = IntText(q) + "……" + IntText(r);
                        }
                    }
                    marked.lines.push_back(std::move(mark));
                    continue;
                }
            }
            if (remainderSeen && why.empty()) {
                marked.lines.push_back({line, StepMark::Unreadable, "有余数的除法写到商和余数就可以了", ""});
                continue;
            }
            for (const std::string &part : parts) {
                if (!why.empty())
                    break;
                std::optional<Reading> r = ReadPart(type, part, why);
                if (r)
                    read.push_back(std::move(*r));
            }
            if (!why.empty()) {
                marked.lines.push_back({line, StepMark::Unreadable, why, ""});
                continue;
            }
            for (Reading &r : read) {
                const std::optional<bool> same = SameValue(r.value, base.value);
                if (!same) {
                    mark = {line, StepMark::Unreadable, "数太大，无法准确比较", ""};
                    break;
                }
                if (!*same && mark.mark == StepMark::Right) {
                    const std::string own = OwnNextStep(solver, type, base.text);
                    std::string ignored;
                    const std::optional<Reading> ownRead = own.empty() ? std::nullopt : ReadPart(type, own, ignored);
                    mark.mark = StepMark::Wrong;
                    mark.reason = SlipOf(base.tree, r.tree, ownRead ? &ownRead->tree : nullptr);
                    if (firstWrong == 0) {
                        firstWrong = step;
                        mark.correctStep = own;
                    }
                }
                base = std::move(r);
            }
            marked.lines.push_back(std::move(mark));
        } catch (const fractions::TooLarge &) {
            // Work beyond the limit where no routine of its own caught it.
            marked.lines.push_back({line, StepMark::Unreadable, "式子太复杂，无法在短时间内比较", ""});
        }
    }

    if (remainderSeen) {
        marked.finished = remainderRight && firstWrong == 0;
        if (!marked.finished)
            marked.missing
                = firstWrong > 0 ? "答案不对，要从第" + IntText(firstWrong) + "步改起" : std::string("答案不对");
        return marked;
    }
    const fractions::WorkLimit limit(fractions::kLineWork);
    if (firstWrong != 0 && !SameValue(base.value, problem->value).value_or(false)) {
        marked.missing = "答案不对，要从第" + IntText(firstWrong) + "步改起";
        return marked;
    }
    try {
        marked.missing = MissingFromAnswer(type, base.tree, base.value);
    } catch (const fractions::TooLarge &) {
        marked.missing = "式子太复杂，无法判断是否已经做完";
    }
    marked.finished = marked.missing.empty();
    return marked;
}

} // namespace qimbel
