#include "algebra/ArithmeticText.h"

#include "solver/ExpressionText.h"

namespace qimbel {

namespace {

// True when the "＋" or "－" at `pos` joins two operands rather than signing a number.
bool JoinsOperands(const std::string &expression, int pos)
{
    if (pos <= 0)
        return false;
    const char c = expression[static_cast<std::size_t>(pos - 1)];
    return IsDigitByte(c) || IsLetterByte(c) || c == '.' || IsClosingBracket(c);
}

} // namespace

// One operation on numbers and monomials, as ShuZiYiBu does it, with powers first: the first
// "^" whose base is a number or a bracket group, else the first "×" or "÷", else the first "＋"
// or "－" between two operands. The operands are the texts that touch the operator, a bracketed
// operand such as (－2) with its brackets, counted by its value. Empty when nothing can be worked.
std::string Solver::ZhengShiYiBu(std::string expression)
{
    if (NeedsCommonDenominator(*this, expression))
        return TongFen(expression);

    std::string op;
    int o = -1;
    std::string a;
    std::string b;
    for (int p = Find(expression, "^"); p >= 0 && op.empty(); p = Find(expression, "^", p + 1)) {
        const std::string base = OperandBefore(expression, p);
        // A sign in front of the base belongs to the whole power: －2^2 is −4.
        const std::string unsignedBase = Mid(base, LeadingSignLength(base));
        const std::string power = OperandAfter(expression, p + 1);
        if (unsignedBase.empty() || power.empty())
            continue;
        if (HasLetters(unsignedBase) && !IsOpeningBracket(unsignedBase[0]))
            continue; // a letter with its exponent is a factor, not an operation
        op = "^";
        o = p;
        a = unsignedBase;
        b = power;
    }
    if (op.empty()) {
        const int times = Find(expression, "×", 1);
        const int divide = Find(expression, "÷", 1);
        if (times > 0 || divide > 0) {
            op = divide < 0 || (times > 0 && times < divide) ? "×" : "÷";
            o = op == "×" ? times : divide;
        }
    }
    if (op.empty()) {
        const int from = LeadingSignLength(expression) > 0 ? LeadingSignLength(expression) : 1;
        for (int p = from; p < Len(expression);) {
            const int plus = Find(expression, "＋", p);
            const int minus = Find(expression, "－", p);
            const int q = plus < 0 ? minus : minus < 0 ? plus : std::min(plus, minus);
            if (q < 0)
                break;
            if (JoinsOperands(expression, q)) {
                op = q == plus ? "＋" : "－";
                o = q;
                break;
            }
            p = q + 2;
        }
    }
    if (op.empty())
        return {};
    if (op != "^") {
        a = OperandBefore(expression, o);
        b = OperandAfter(expression, o + Len(op));
        // An operand that is part of a power left standing (a letter's, as in a^2×3) is not
        // taken apart.
        const int start = o - Len(a);
        const int end = o + Len(op) + Len(b);
        if ((start > 0 && expression[static_cast<std::size_t>(start - 1)] == '^')
            || (end < Len(expression) && expression[static_cast<std::size_t>(end)] == '^'))
            return {};
    }
    if (a.empty() || b.empty())
        return {};

    const WorkedOperation worked = WorkOperation(*this, a, op, b);
    if (worked.result == worked.operation)
        return {};
    return OperationStep(expression, worked, o - Len(a));
}

} // namespace qimbel
