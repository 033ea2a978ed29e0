#include "numbers/NumberText.h"
#include "solver/Solver.h"

namespace qimbel {

namespace {

// Magnitude comparison of two digit texts without leading zeros.
bool LessDigits(const std::string &a, const std::string &b)
{
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

bool IsFractionText(const std::string &text)
{
    return Contains(text, "/") && !Contains(text, ".") && !Contains(text, "%") && text != "0";
}

// 真分数 (proper) or 假分数 (improper): a fraction of whole numbers with a denominator that is not 0.
bool FractionKind(const std::string &text, bool proper)
{
    if (!IsFractionText(text))
        return false;
    const int bar = Find(text, "/");
    const std::string numerator = numbers::MagnitudeDigits(Left(text, bar));
    const std::string denominator = numbers::MagnitudeDigits(Mid(text, bar + 1));
    if (denominator.empty())
        return false;
    return proper ? !numerator.empty() && LessDigits(numerator, denominator) : !LessDigits(numerator, denominator);
}

bool IsOdd(const std::string &text)
{
    const std::string digits = numbers::MagnitudeDigits(text);
    return !digits.empty() && (digits.back() - '0') % 2 == 1;
}

// The test of one filter row of the property table on one number text.
bool Holds(int row, const std::string &x)
{
    const bool minus = numbers::HasMinus(x);
    const bool zero = x == "0";
    const bool integer = numbers::IsIntegerText(x);
    switch (row) {
    case 0: // 正实数
        return !minus && !zero;
    case 1: // 负实数
        return minus && !zero;
    case 2: // 实数
    case 5: // 有理数
        return true;
    case 3: // 正有理数
        return !minus;
    case 4: // 负有理数
        return minus;
    case 9: // 正整数
        return integer && !minus && !zero;
    case 10: // 负整数
        return integer && minus && !zero;
    case 11: // 整数
        return integer;
    case 12: // 真分数
        return FractionKind(x, true);
    case 13: // 假分数
        return FractionKind(x, false);
    case 14: // 百分数
        return Contains(x, "%") && !Contains(x, ".") && !Contains(x, "/") && !zero;
    case 15: // 小数
        return Contains(x, ".") && !Contains(x, "/") && !Contains(x, "%") && !zero;
    case 16: // 自然数
        return numbers::IsNaturalText(x);
    case 17: // 质数
        return numbers::IsPrimeText(x);
    case 18: // 合数
        return numbers::IsCompositeText(x);
    case 19: // 奇数
        return numbers::IsNaturalText(x) && IsOdd(x);
    case 20: // 偶数
        return numbers::IsNaturalText(x) && !IsOdd(x);
    case 24: // 分数
        return IsFractionText(x);
    default: // 正无理数, 负无理数, 无理数: no typed number is irrational
        return false;
    }
}

} // namespace

// The property filter of row `row` of the property table: blanks every number of the list that
// fails the row's test, or, when the clause is negated by 不 or 非, every number that passes it.
// Blanked numbers stay blank, so the filters of one question combine as a conjunction.
void Solver::XingZhiShaiXuan(int row, std::string clause, StringArray &numbers)
{
    const bool negated = Contains(clause, "不") || Contains(clause, "非");
    for (int i = 0; i < numbers.GetSize(); ++i) {
        const std::string &x = numbers.GetAt(i);
        if (x.empty())
            continue;
        if (Holds(row, x) == negated)
            numbers.SetAt(i, "");
    }
}

} // namespace qimbel
