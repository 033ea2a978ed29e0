#include "algebra/ArithmeticText.h"

namespace qimbel {

namespace {

bool HoldsBracketPair(const std::string &text)
{
    return (Contains(text, "(") && Contains(text, ")")) || (Contains(text, "[") && Contains(text, "]"))
        || (Contains(text, "{") && Contains(text, "}"));
}

} // namespace

// One step on an expression whose bracket groups need no more work. Without letters it is
// ZhengShiYiBu of the whole expression. With letters: first a power of a bracket group is
// expanded; else the first product ("×", "·", or two groups side by side) or quotient is worked;
// else like terms are combined (all of them cancelling gives 0). Doubled signs are merged. When
// nothing applies the step result is "┃" alone. A number left alone in brackets loses them.
std::string Solver::ZhengShiSiZeYunSuan(std::string expression)
{
    if (GetZiMu(expression).empty()) {
        const std::string step = ZhengShiYiBu(expression);
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
        const std::string base = LeftShi(Left(expression, p));
        if (!HoldsBracketPair(base))
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
