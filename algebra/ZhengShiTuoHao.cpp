#include "algebra/ArithmeticText.h"
#include "algebra/BracketGroups.h"

#include "solver/ExpressionText.h"
#include "solver/InputLimits.h"

namespace qimbel {

namespace {

bool HoldsOpening(const std::string &text) { return Contains(text, "(") || Contains(text, "[") || Contains(text, "{"); }

bool HoldsClosing(const std::string &text) { return Contains(text, ")") || Contains(text, "]") || Contains(text, "}"); }

// True when the group sits directly inside a pair of brackets (any kinds that match).
bool InsidePair(const std::string &head, const std::string &tail)
{
    if (head.empty() || tail.empty())
        return false;
    const char open = head.back();
    const char close = tail[0];
    return (open == '(' && close == ')') || (open == '[' && close == ']') || (open == '{' && close == '}');
}

// The step result of a step worked inside the group h: head, the group with its new inside, tail;
// empty when the step changed nothing.
std::string InsideStep(const std::string &head, const std::string &h, const std::string &tail, const std::string &f,
    const std::string &step)
{
    const StepParts parts = SplitStep(step);
    if (parts.expression.empty() || parts.expression == f)
        return {};
    return FullWidthSigns(head + Left(h, 1) + parts.expression + Right(h, 1) + tail) + "┃" + parts.description;
}

} // namespace

// One step at the bracket group of one kind that goes first (ZhengShiYouXianYunSuanShi): a
// numeric group is worked inside (KuoHaoZhengShiBu); a group of the same kind inside it goes
// first, then any other group inside it; a group whose inside holds only like terms has them
// combined; a product, quotient or power inside is worked before the group is multiplied,
// divided or raised; a group with no operator
// beside it that sits inside another pair, or is the whole expression, loses its brackets;
// otherwise the operation on whichever side weighs more is done: brackets removed with the sign
// rules for "＋" and "－", the power expanded, the product or quotient worked. Every occurrence of
// the operation that stands on its own takes the result.
std::string Solver::ZhengShiTuoHao(std::string expression, std::string opening, std::string closing)
{
    // Each level of nesting is one call deeper: the pages never hand over deeper brackets than
    // kDeepestBrackets, and a step never nests them much deeper.
    if (BracketDepth(expression) > 2 * kDeepestBrackets)
        return {};
    const std::string marked = ZhengShiYouXianYunSuanShi(expression, opening, closing);
    const int left = Find(marked, "〖");
    const int right = Find(marked, "〗");
    std::string head;
    std::string h;
    std::string tail;
    if (left >= 0 && right > left && marked != "〖〗") {
        head = Left(marked, left);
        h = Mid(marked, left + Len("〖"), right - left - Len("〖"));
        tail = Mid(marked, right + Len("〗"));
    } else {
        // No operator touches any group: the first group that holds work is the one.
        h = KuoHaoCheck(expression, opening, closing);
        const int at = h.empty() ? -1 : Find(expression, h);
        if (at < 0)
            return {};
        head = Left(expression, at);
        tail = Mid(expression, at + Len(h));
    }
    if (h.empty())
        return {};
    const int position = Len(head); // where the group starts in the expression
    const bool wrapped = Len(h) >= 2 && IsOpeningBracket(h[0]) && IsClosingBracket(h.back());
    const std::string f = wrapped ? Mid(h, 1, Len(h) - 2) : h;

    if (GetZiMu(h).empty()) {
        if (KuoHaoCheck(expression, opening, closing) == h)
            return KuoHaoZhengShiBu(expression, opening, closing);
        return GroupStep(*this, head, h, tail, opening, closing);
    }
    // Letters beside a bracket that never closes (or closes without opening) cannot be
    // multiplied, raised or opened: the group or its factor would be cut in the middle, and
    // every step would write a longer wrong expression (a(b＋c gave ab(＋ac, then ab(＋a^(2)bc…).
    if (!BracketsBalanced(expression))
        return {};

    // A group of the same kind inside that goes first.
    const std::string inner = ZhengShiYouXianYunSuanShi(f, opening, closing);
    if (wrapped && Contains(inner, "〖") && inner != "〖〗") {
        const StepParts parts = SplitStep(ZhengShiTuoHao(f, opening, closing));
        if (parts.expression.empty() || parts.expression == f)
            return {};
        return FullWidthSigns(head + Left(h, 1) + parts.expression + Right(h, 1) + tail) + "┃" + parts.description;
    }

    // Any other group inside goes first, one that holds work (of any kind) or a single term, as
    // (－a): until the inside is one polynomial the group cannot be multiplied, raised or opened as
    // a whole. 3((2b－ab)) is not 3b(2－3ab), and －((－2b)(8x)) is not －(＋2b)(8x).
    if (wrapped && HoldsOpening(f)) {
        std::string step;
        static const char *const kinds[][2] = {{"(", ")"}, {"[", "]"}, {"{", "}"}};
        for (const auto &kind : kinds)
            if (step.empty() && !KuoHaoCheck(f, kind[0], kind[1]).empty())
                step = ZhengShiTuoHao(f, kind[0], kind[1]);
        if (step.empty())
            step = ZhengShiSiZeYunSuan(f);
        const std::string next = InsideStep(head, h, tail, f, step);
        if (!next.empty())
            return next;
    }

    // Only like terms inside: combine them.
    if (ChengChuGeShu(f) == 0) {
        std::string combined = HeBingTongLeiXiang(f);
        if (combined != f) {
            if (combined.empty())
                combined = "0";
            const std::string next = ReplaceOperation(expression, f, combined, wrapped ? position + 1 : position);
            return FullWidthSigns(next) + "┃将式子 " + f + " 合并同类项运算";
        }
    }

    // The operators on either side of the group.
    const std::string lastTwo = Right(head, 2);
    std::string before = DiYiFuHao(lastTwo);
    if (before.empty() && !lastTwo.empty() && !HoldsOpening(lastTwo))
        before = "×";
    const std::string firstTwo = Left(tail, 2);
    std::string after;
    int afterWeight = 0;
    bool implied = false;
    if (Contains(firstTwo, "^")) {
        after = "^";
    } else {
        after = DiYiFuHao(firstTwo);
        if (after.empty() && !firstTwo.empty() && !HoldsClosing(firstTwo)) {
            after = "×";
            implied = true;
            afterWeight = HoldsOpening(firstTwo) ? 4 : 0;
        }
    }
    if (!implied && !after.empty())
        afterWeight = YunSuanJiBie(after);
    const int beforeWeight = before.empty() ? 0 : YunSuanJiBie(before);

    if (before.empty() && after.empty()) {
        if (InsidePair(head, tail) || (head.empty() && tail.empty()))
            return head + f + tail + "┃去掉式子 " + h + " 两边的括号";
        return {};
    }

    std::string operation;
    std::string result;
    std::string description;
    int start = position;
    // A factor written right after the group is multiplied before a sign in front opens it:
    // 1－(a－b)b is 1－(ab－b^(2)), not 1(－a＋b)b.
    const bool signBefore = before == "＋" || before == "－";
    const bool afterFirst = !after.empty() && (before.empty() || afterWeight > beforeWeight || (implied && signBefore));
    // A product, quotient or power inside is worked before the group is multiplied, divided or
    // raised, which takes a polynomial; opening the group by the sign rules can carry it.
    const std::string side = afterFirst ? after : before;
    if (wrapped && side != "＋" && side != "－" && ChengChuGeShu(f) > 0) {
        const std::string next = InsideStep(head, h, tail, f, ZhengShiSiZeYunSuan(f));
        if (!next.empty())
            return next;
    }

    if (afterFirst) {
        if (after == "＋" || after == "－") {
            operation = h + after;
            result = QuKuoHao(operation);
            description = "将式子 " + operation + " 向右边进行去括号运算";
        } else if (after == "^") {
            const std::string exponent = RightShi(Mid(tail, 1));
            operation = h + "^" + exponent;
            result = ZhengShiChengFang(h, exponent);
            description = "将式子 " + operation + " 进行乘方运算";
        } else if (after == "÷") {
            const std::string divisor = RightShi(Mid(tail, 2));
            operation = h + "÷" + divisor;
            result = XiangChu(h, divisor);
            description = "将式子 " + operation + " 进行除法运算2";
        } else {
            std::string rest = tail;
            std::string written;
            if (Left(tail, 2) == "×" || Left(tail, 2) == "·") {
                written = Left(tail, 2);
                rest = Mid(tail, 2);
            }
            const std::string factor = RightShi(rest);
            operation = h + written + factor;
            result = XiangCheng(h, factor);
            description = "将式子 " + operation + " 进行乘法运算2";
        }
    } else {
        if (before == "＋" || before == "－") {
            operation = before + h;
            result = QuKuoHao(operation);
            description = "将式子 " + operation + " 向左边进行去括号运算";
        } else if (before == "÷") {
            const std::string b = LeftShi(head);
            operation = b + h;
            const std::string dividend = Right(b, 2) == "÷" ? Left(b, Len(b) - 2) : b;
            result = XiangChu(dividend, h);
            description = "将式子 " + operation + " 进行除法运算";
        } else {
            std::string b = LeftShi(head);
            if (StartsWithSign(b))
                b = Mid(b, 2);
            operation = b + h;
            const std::string factor = Right(b, 2) == "×" || Right(b, 2) == "·" ? Left(b, Len(b) - 2) : b;
            result = XiangCheng(factor, h);
            description = "将式子 " + operation + " 进行乘法运算1";
        }
        start = position - (Len(operation) - Len(h));
    }
    if (result.empty() || result == operation)
        return {};
    const std::string next = ReplaceOperation(expression, operation, result, start);
    return FullWidthSigns(next) + "┃" + description;
}

} // namespace qimbel
