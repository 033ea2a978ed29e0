#include "algebra/StepLayout.h"

#include "algebra/BracketMatching.h"
#include "algebra/ExactNumber.h"
#include "algebra/ReplaceOperation.h"
#include "solver/ExpressionText.h"
#include "solver/GbkText.h"

namespace qimbel {

StepParts SplitStep(const std::string &step)
{
    StepParts parts;
    const int bar = Find(step, "┃");
    if (bar < 0) {
        parts.expression = step;
        return parts;
    }
    parts.expression = Left(step, bar);
    parts.description = Mid(step, bar + Len("┃"));
    parts.hasSeparator = true;
    return parts;
}

int StepPadding(const std::string &first, const std::string &current, int least)
{
    const long long p = static_cast<long long>(Len(first)) - Len(current) + 10;
    return p < least ? least : static_cast<int>(p);
}

std::string StepLine(const std::string &expression, int padding, int number, const std::string &description)
{
    return "\r\n＝" + TrimRight(expression) + std::string(static_cast<std::size_t>(padding > 0 ? padding : 0), ' ')
        + "第" + std::to_string(number) + "步:" + Trim(description);
}

std::string FinalReduction(Solver &solver, const std::string &expression)
{
    const int sign = LeadingSignLength(expression);
    const std::string body = Mid(expression, sign);
    const int slash = Find(body, "/");
    if (slash <= 0 || slash == Len(body) - 1)
        return {};
    for (int i = 0; i < Len(body); ++i)
        if (i != slash && !IsDigitByte(body[static_cast<std::size_t>(i)]))
            return {};
    const std::optional<NumberValue> value = ReadNumber(body);
    if (!value || value->kind != NumberValue::Kind::Fraction || value->denominator == 0)
        return {};
    if (value->numerator > 2147483647 || value->denominator > 2147483647) {
        // Beyond the 32 bits of the fraction helpers: the same reduction and explanation, worked
        // in 128 bits, so that a result always ends in lowest terms.
        const std::optional<Rational> reduced = MakeRational(value->numerator, value->denominator);
        if (!reduced || reduced->denominator == value->denominator)
            return {};
        const std::string g = WholeText(value->denominator / reduced->denominator);
        return Left(expression, sign) + FractionText(reduced->numerator, reduced->denominator)
            + "┃约分:" + WholeText(value->numerator) + "÷" + g + "/" + WholeText(value->denominator) + "÷" + g;
    }
    if (!solver.KeYueFen(body))
        return {};
    const std::string reduced = solver.YueFen(body);
    if (reduced.empty() || Find(reduced, "┃") <= 0)
        return {};
    return Left(expression, sign) + reduced;
}

std::string TimesBesideGroups(const std::string &inside)
{
    std::string out;
    out.reserve(inside.size() + 8);
    for (std::size_t i = 0; i < inside.size(); ++i) {
        out += inside[i];
        const char c = inside[i];
        const char next = i + 1 < inside.size() ? inside[i + 1] : '\0';
        const bool nextDigit = next >= '0' && next <= '9';
        if ((IsClosingBracket(c) && (nextDigit || IsOpeningBracket(next)))
            || (c >= '0' && c <= '9' && IsOpeningBracket(next)))
            out += "×";
    }
    return out;
}

std::string GroupStep(Solver &solver, const std::string &head, const std::string &group, const std::string &tail,
    const std::string &opening, const std::string &closing)
{
    const bool wrapped
        = Len(group) >= 2 && Left(group, Len(opening)) == opening && Right(group, Len(closing)) == closing;
    const std::string inside = wrapped ? Mid(group, Len(opening), Len(group) - Len(opening) - Len(closing)) : group;
    // A group inside that still holds work goes first: of the same kind, else of another kind
    // (brackets that pupils nest the other way round, as in ({…})).
    if (wrapped) {
        const char *const kinds[][2] = {{"(", ")"}, {"[", "]"}, {"{", "}"}};
        for (int k = -1; k < 3; ++k) {
            const std::string open = k < 0 ? opening : kinds[k][0];
            const std::string close = k < 0 ? closing : kinds[k][1];
            const std::string inner = solver.KuoHaoCheck(inside, open, close);
            if (inner.empty() || inner == inside || Left(inner, 1) != open || Right(inner, 1) != close)
                continue;
            const int at = solver.ZuiHouWeiZhi(inside, inner);
            if (at >= 0)
                return GroupStep(solver, head + opening + Left(inside, at), inner,
                    Mid(inside, at + Len(inner)) + closing + tail, open, close);
        }
    }
    const char *start = opening == "[" ? "┃进行中括号中，" : opening == "{" ? "┃进行大括号中，" : "┃进行小括号中，";
    // Beside a group inside the group the product still goes before the sum: ((1/2)1＋6).
    const std::string step = solver.ZhengShiYiBu(TimesBesideGroups(inside));
    if (step.empty()) {
        // Nothing to work inside, as in {[－3]}: the group's own brackets go.
        if (wrapped && WithoutOuterBrackets(inside) != inside)
            return head + inside + tail + "┃去掉式子 " + group + " 两边的括号";
        return {};
    }
    const StepParts parts = SplitStep(step);
    if (parts.expression.empty())
        return start + parts.description; // the operation formed no value
    // A fraction raised to a power or under a fraction bar keeps its brackets: (2/3)^2, not 2/3^2;
    // (5/6)/2, not 5/6/2.
    const bool fractionKeepsBrackets = Contains(parts.expression, "/") && (Left(tail, 1) == "^" || Left(tail, 1) == "/");
    if (wrapped && (solver.HanYunSuanFu(parts.expression) || fractionKeepsBrackets)) {
        // A signed number keeps its brackets; beside a factor it is set off with "×" (2(3－5) is
        // 2×(－2)), so the product is worked next.
        const std::string kept = opening + parts.expression + closing;
        const std::optional<NumberValue> value = ReadNumber(parts.expression);
        if (value && StartsWithSign(parts.expression)) {
            const std::string next = Left(tail, 1);
            const bool digitAfter = !next.empty() && (IsDigitByte(next[0]) || next[0] == '.');
            if (GluesBefore(head, Len(head)))
                return head + "×" + kept + (digitAfter ? "×" : "") + tail + start + parts.description;
            if (digitAfter)
                return head + kept + "×" + tail + start + parts.description;
        }
        return head + kept + tail + start + parts.description;
    }
    return JoinUnglued(head, parts.expression, tail) + start + parts.description;
}

bool NeedsCommonDenominator(Solver &solver, const std::string &expression)
{
    if (Contains(expression, ".") || Contains(expression, "×") || Contains(expression, "÷")
        || Find(expression, "/") <= 0 || !solver.GetZiMu(expression).empty())
        return false;
    for (const char *piece : {"(", ")", "[", "]", "{", "}", "^", "＋－", "－－", "＋＋", "－＋"})
        if (Contains(expression, piece))
            return false;
    return solver.FenMuBuTong(expression) == 1;
}

namespace {

const char *OperationPhrase(const std::string &op)
{
    if (op == "^")
        return " 的乘方计算";
    if (op == "×")
        return " 的乘法计算";
    if (op == "÷")
        return " 的除法计算";
    if (op == "＋")
        return " 的加法计算";
    return " 的减法计算";
}

} // namespace

WorkedOperation WorkOperation(Solver &solver, const std::string &a, const std::string &op, const std::string &b)
{
    WorkedOperation worked;
    worked.operation = a + op + b;
    if (op == "^")
        worked.result = solver.ZhengShiChengFang(a, b);
    else if (op == "×")
        worked.result = solver.XiangCheng(a, b);
    else if (op == "÷")
        worked.result = solver.XiangChu(a, b);
    else if (op == "＋")
        worked.result = solver.XiangJia(a, b);
    else
        worked.result = solver.XiangJian(a, b);
    worked.phrase = OperationPhrase(op);
    const StepParts parts = SplitStep(worked.result);
    if (parts.hasSeparator) {
        worked.result = parts.expression;
        worked.phrase += "  ";
        worked.again = worked.result;
    }
    return worked;
}

std::string OperationStep(const std::string &expression, const WorkedOperation &worked, int start)
{
    if (worked.result.empty())
        return "┃" + worked.operation + "=" + worked.phrase;
    const std::string next = ReplaceOperation(expression, worked.operation, worked.result, start);
    return next + "┃" + worked.operation + "=" + worked.result + worked.phrase + worked.again;
}

namespace {

bool IsOpening(char c) { return c == '(' || c == '[' || c == '{'; }
bool IsClosing(char c) { return c == ')' || c == ']' || c == '}'; }

// In an expression of numbers alone, a group that holds one number and stands as a factor beside
// a number or another group (2(1)＋1, (2)(3)) loses its brackets before any operation, so the
// product it stands in is written out (2×1＋1) and worked before the sums around it. Without this
// step the operation search would take "(1)＋1" as the first sum and answer 2(1)＋1 with 4.
std::string UngroupFactor(const std::string &expression)
{
    if (HasLetters(expression))
        return {};
    const int length = Len(expression);
    // Walked a character at a time, so the second byte of a two-byte sign is never taken for a
    // bracket; `before` is the previous character when it is one byte, else a blank.
    const auto width
        = [&](int at) { return static_cast<unsigned char>(expression[at]) >= 0x81 && at + 1 < length ? 2 : 1; };
    char before = ' ';
    for (int open = 0; open < length; open += width(open)) {
        const bool single = width(open) == 1;
        const char c = expression[open];
        const char previous = before;
        before = single ? c : ' ';
        if (!single || !IsOpening(c))
            continue;
        int close = open + 1;
        while (close < length && !(width(close) == 1 && (IsOpening(expression[close]) || IsClosing(expression[close]))))
            close += width(close);
        if (close >= length || !IsClosing(expression[close]))
            continue;
        const std::string inside = Mid(expression, open + 1, close - open - 1);
        if (!ReadNumber(inside))
            continue;
        const char after = close + 1 < length ? expression[close + 1] : ' ';
        const bool factor = IsDigitByte(previous) || previous == '.' || IsClosing(previous) || IsDigitByte(after)
            || after == '.' || IsOpening(after);
        if (!factor)
            continue;
        const std::string group = Mid(expression, open, close - open + 1);
        return JoinUnglued(Left(expression, open), inside, Mid(expression, close + 1), true) + "┃去掉式子 " + group
            + " 两边的括号";
    }
    return {};
}

} // namespace

namespace {

// The first power of a plain number among letters, as 3^2 in 2(a＋3^2): the monomial routines
// read the number as a coefficient and the power as its letter part (2(a＋3^2) gave 2a＋6^2), so
// the power is worked out first. The number stands alone (not after a letter, a digit, a bracket,
// a fraction bar or another power mark) and the exponent is a small whole number, written bare or
// in brackets, with no power after it.
std::string NumberPowerStep(Solver &solver, const std::string &expression)
{
    if (!HasLetters(expression))
        return {};
    const std::size_t n = expression.size();
    auto digit = [&](std::size_t i) { return i < n && expression[i] >= '0' && expression[i] <= '9'; };
    for (std::size_t caret = expression.find('^'); caret != std::string::npos;
         caret = expression.find('^', caret + 1)) {
        std::size_t start = caret;
        while (start > 0 && (digit(start - 1) || expression[start - 1] == '.'))
            --start;
        if (start == caret || !digit(start))
            continue;
        if (start > 0) {
            const auto before = static_cast<unsigned char>(expression[start - 1]);
            // ASCII letters and marks, and the second byte of a GBK character that looks like one.
            if ((before >= 0x40 && before < 0x7F) || before == '/' || before == '^' || before == '.'
                || IsClosingBracket(static_cast<char>(before)))
                continue;
        }
        std::size_t end = caret + 1;
        const bool bracketed = end < n && expression[end] == '(';
        if (bracketed)
            ++end;
        const std::size_t first = end;
        while (digit(end) && end - first < 3)
            ++end;
        if (end == first || digit(end))
            continue;
        if (bracketed) {
            if (end >= n || expression[end] != ')')
                continue;
            ++end;
        }
        if (end < n && (expression[end] == '^' || expression[end] == '.'))
            continue;
        const std::string power = expression.substr(start, end - start);
        const std::string plain = expression.substr(start, caret - start) + "^"
            + expression.substr(first, end - first - (bracketed ? 1 : 0));
        const std::string value = solver.HunHeYunSuan(plain, 1);
        if (value.empty() || value == plain || Len(value) > 40 || !ReadNumber(value))
            continue;
        return FullWidthSigns(
                   Left(expression, static_cast<int>(start)) + value + Mid(expression, static_cast<int>(end)))
            + "┃进行 " + power + " 的乘方计算";
    }
    return {};
}

} // namespace

std::string DriverStep(Solver &solver, const std::string &typed)
{
    if (std::string step = NumberPowerStep(solver, typed); !step.empty())
        return step;
    // A doubled sign in front of a group goes before the group is opened: a－－(1－ab) is
    // a＋(1－ab), whose opening gives a＋1－ab.
    const std::string expression = MergeMeetingSigns(typed, true);
    static const char *const kinds[][2] = {{"(", ")"}, {"[", "]"}, {"{", "}"}};
    for (const auto &kind : kinds)
        if (!solver.KuoHaoCheck(expression, kind[0], kind[1]).empty())
            return solver.ZhengShiTuoHao(expression, kind[0], kind[1]);
    const std::string ungrouped = UngroupFactor(expression);
    if (!ungrouped.empty())
        return ungrouped;
    return solver.ZhengShiSiZeYunSuan(expression);
}

} // namespace qimbel
