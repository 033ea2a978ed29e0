#include "algebra/ArithmeticText.h"

#include "solver/ExpressionText.h"

namespace qimbel {

namespace {

// The bracket group that the "^" at `pos` raises to a power, or empty. Only the group that
// touches the "^" is the base: a coefficient or a letter in front of it stays outside the power
// (2(3a)^2 is 2 times 9a^(2)), and the brackets of a written exponent, as in a^(2)b^(2), are no
// base at all, or a product such as a^(2)b^(2) would be squared over and over.
std::string BracketBase(const std::string &expression, int pos)
{
    if (pos <= 0 || !IsClosingBracket(expression[static_cast<std::size_t>(pos - 1)]))
        return {};
    const int open = MatchingOpen(expression, pos - 1);
    if (open < 0 || (open > 0 && expression[static_cast<std::size_t>(open - 1)] == '^'))
        return {};
    return Mid(expression, open, pos - open);
}

// A group that holds a single term, as (－a) or (2ab), is no work for the bracket steps, yet a
// sign or a factor in front of it still has to reach inside, or the working would stop at
// 3(－a) or －(－2ab): the first such group has its brackets removed by the sign rules, or is
// multiplied by the factor in front of it; one that nothing touches loses its brackets.
void SingleTermGroup(Solver &solver, const std::string &expression, std::string &operation, std::string &result,
    std::string &description)
{
    for (int p = 0; p < Len(expression); p += CharSize(expression, p)) {
        if (!IsOpeningBracket(expression[static_cast<std::size_t>(p)]))
            continue;
        const int close = MatchingClose(expression, p);
        if (close < 0)
            return;
        const std::string group = Mid(expression, p, close - p + 1);
        const std::string head = Left(expression, p);
        const std::string sign = Right(head, 2);
        const char last = head.empty() ? '\0' : head.back();
        const char next = close + 1 < Len(expression) ? expression[static_cast<std::size_t>(close + 1)] : '\0';
        if (last == '^' || next == '^' || IsDigitByte(next) || IsOpeningBracket(next)) {
            p = close; // an exponent, a power, or a product that the other steps work
            continue;
        }
        if (sign == "＋" || sign == "－") {
            operation = sign + group;
            result = solver.QuKuoHao(operation);
            description = "将式子 " + operation + " 向左边进行去括号运算";
        } else if (IsDigitByte(last) || IsLetterByte(last) || IsClosingBracket(last)) {
            // Only a monomial multiplies the group here: a factor that holds a group of its own,
            // as 2a(＋b)2a, is no term (2a(＋b)2a(＋b) gave 2a^(2)b^(2)(＋)).
            const std::string factor = solver.LeftShi(head);
            if (factor.empty() || factor.find_first_of("([{") != std::string::npos) {
                p = close;
                continue;
            }
            operation = factor + group;
            result = solver.XiangCheng(factor, group);
            description = "将式子 " + operation + " 进行乘法运算1";
        } else if (head.empty() || IsOpeningBracket(last)) {
            operation = group;
            result = WithoutOuterBrackets(group);
            description = "去掉式子 " + group + " 两边的括号";
        } else {
            p = close;
            continue;
        }
        if (!result.empty() && result != operation)
            return;
        operation.clear();
        p = close;
    }
}

} // namespace

// One step on an expression whose bracket groups need no more work. Without letters it is
// ZhengShiYiBu of the whole expression. With letters: first a power of a bracket group is
// expanded; else the first product ("×", "·", or two groups side by side) or quotient is worked;
// else a group of a single term is opened or multiplied by the factor in front of it; else like
// terms are combined (all of them cancelling gives 0). Doubled signs are merged. When
// nothing applies the step result is "┃" alone. A number left alone in brackets loses them.
std::string Solver::ZhengShiSiZeYunSuan(std::string expression)
{
    if (GetZiMu(expression).empty()) {
        // A group with no work left beside a number, as (－1/2.4)1＋6, is a product first.
        const std::string step = ZhengShiYiBu(TimesBesideGroups(expression));
        // A number left alone in brackets, such as (－5), loses them.
        const std::string inside = WithoutOuterBrackets(expression);
        if (step.empty() && inside != expression && !inside.empty())
            return inside + "┃去掉式子 " + expression + " 两边的括号";
        return step;
    }

    std::string operation;
    std::string result;
    std::string description;
    for (int p = Find(expression, "^"); p >= 0 && operation.empty(); p = Find(expression, "^", p + 1)) {
        const std::string base = BracketBase(expression, p);
        if (base.empty())
            continue;
        const std::string exponent = RightShi(Mid(expression, p + 1));
        const std::string power = ZhengShiChengFang(base, exponent);
        const std::string text = base + "^" + exponent;
        if (power.empty() || power == text)
            continue;
        operation = text;
        result = power;
        description = "进行 " + text + " 的乘方计算";
    }
    if (operation.empty()) {
        int best = -1;
        std::string kind;
        for (const char *mark : {"×", "·", ")(", "][", "}{", "÷"}) {
            const int p = Find(expression, mark);
            if (p >= 0 && (best < 0 || p < best)) {
                best = p;
                kind = mark;
            }
        }
        if (kind == "×" || kind == "·") {
            const std::string left = ZuoCaoZuoShu(expression, best);
            const std::string right = RightShi(Mid(expression, best + 2));
            operation = left + kind + right;
            result = XiangCheng(left, right);
            description = "进行 " + operation + " 的乘法计算1";
        } else if (kind == "÷") {
            const std::string left = LeftShi(Left(expression, best));
            const std::string right = RightShi(Mid(expression, best + 2));
            operation = left + kind + right;
            result = XiangChu(left, right);
            description = "进行 " + operation + " 的除法计算";
        } else if (!kind.empty()) {
            const std::string left = LeftShi(Left(expression, best + 1));
            const std::string right = RightShi(Mid(expression, best + 1));
            operation = left + right;
            result = XiangCheng(left, right);
            description = "进行 " + operation + " 的乘法计算2";
        }
    }
    if (operation.empty())
        SingleTermGroup(*this, expression, operation, result, description);
    if (operation.empty()) {
        const std::string combined = HeBingTongLeiXiang(expression);
        if (combined != expression) {
            operation = expression;
            result = combined.empty() ? std::string("0") : combined;
            description = "进行 " + expression + " 的合并同类项操作";
        }
    }
    if (operation.empty() || result.empty() || result == operation)
        return "┃";
    const std::string next = MergeSigns(ReplaceOperation(expression, operation, result));
    return next + "┃" + description;
}

} // namespace qimbel
