#include "column/ColumnCommon.h"

#include "solver/GbkText.h"

#include <algorithm>

namespace qimbel::column {

int ClampLevel(int level) { return level >= 1 && level <= 5 ? level : 1; }

std::string OperandProblem(const std::string &text)
{
    if (text.empty())
        return "算式中缺少参与计算的数，无法进行竖式计算。";
    int points = 0;
    int digits = 0;
    for (char c : text) {
        if (c == '.')
            ++points;
        else if (c >= '0' && c <= '9')
            ++digits;
        else
            return "“" + text + "”不是一个不带符号的整数或小数，无法进行竖式计算。";
    }
    if (points > 1 || digits == 0)
        return "“" + text + "”不是一个不带符号的整数或小数，无法进行竖式计算。";
    return {};
}

std::string OperandsProblem(const std::string &first, const std::string &second)
{
    std::string problem = OperandProblem(first);
    if (problem.empty())
        problem = OperandProblem(second);
    return problem;
}

Operand SplitOperand(const std::string &text)
{
    Operand operand;
    const int dot = Find(text, ".");
    const std::string whole = dot < 0 ? text : Left(text, dot);
    operand.whole = whole.empty() ? whole : StripLeadingZeros(whole);
    if (dot >= 0)
        operand.fraction = Mid(text, dot + 1);
    return operand;
}

std::string IntegerPlaceName(int i)
{
    static const char *const names[] = {"个位上的数 ", "十位上的数 ", "百位上的数 ", "千位上的数 ", "万位上的数 ",
        "十万位上的数 ", "百万位上的数 ", "千万位上的数 ", "亿位上的数 ", "十亿位上的数 ", "百亿位上的数 ",
        "千亿位上的数 ", "兆位上的数 ", "十兆位上的数 ", "百兆位上的数 ", "千兆位上的数 "};
    if (i >= 0 && i < static_cast<int>(std::size(names)))
        return names[i];
    return "整数第" + IntText(static_cast<long long>(i) + 1) + "位的数";
}

std::string DecimalPlaceName(int j)
{
    static const char *const names[] = {"十分位上的数 ", "百分位上的数 ", "千分位上的数 ", "万分位上的数 ",
        "十万分位上的数 ", "百万分位上的数 ", "千万分位上的数 ", "亿分位上的数 ", "十亿分位上的数 ", "百亿分位上的数 ",
        "千亿分位上的数 ", "兆分位上的数 ", "十兆分位上的数 ", "百兆分位上的数 ", "千兆分位上的数 "};
    if (j >= 0 && j < static_cast<int>(std::size(names)))
        return names[j];
    return "小数点后第" + IntText(static_cast<long long>(j) + 1) + "位的数";
}

std::string StepLabel(int n) { return "第" + IntText(n) + "步："; }

int RightEdge(const std::vector<std::string> &lines)
{
    int edge = kRightEdge;
    for (const std::string &line : lines)
        edge = std::max(edge, Len(line));
    return edge;
}

std::string AlignRight(const std::string &line, int edge)
{
    const int blanks = edge - Len(line);
    return blanks > 0 ? std::string(static_cast<std::size_t>(blanks), ' ') + line : line;
}

std::string FourLineColumn(const std::string &top, const std::string &bottom, const std::string &result)
{
    const int edge = RightEdge({top, bottom, result});
    std::string text = AlignRight(top, edge) + "\r\n" + AlignRight(bottom, edge) + "\r\n";
    text += std::string(static_cast<std::size_t>(edge - Len(bottom)), ' ');
    text += std::string(result.size() + 3, '-') + "\r\n" + AlignRight(result, edge);
    return text;
}

std::string StripLeadingZeros(const std::string &digits)
{
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? std::string("0") : digits.substr(first);
}

int CompareDigits(const std::string &a, const std::string &b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    const int c = a.compare(b);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

std::string AddDigits(const std::string &a, const std::string &b)
{
    std::string sum;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry; ++i) {
        int v = carry;
        if (i < a.size())
            v += a[a.size() - 1 - i] - '0';
        if (i < b.size())
            v += b[b.size() - 1 - i] - '0';
        sum += static_cast<char>('0' + v % 10);
        carry = v / 10;
    }
    std::reverse(sum.begin(), sum.end());
    return StripLeadingZeros(sum);
}

std::string SubtractDigits(const std::string &a, const std::string &b)
{
    std::string difference;
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        int v = a[a.size() - 1 - i] - '0' - borrow;
        if (i < b.size())
            v -= b[b.size() - 1 - i] - '0';
        borrow = v < 0 ? 1 : 0;
        difference += static_cast<char>('0' + v + 10 * borrow);
    }
    std::reverse(difference.begin(), difference.end());
    return StripLeadingZeros(difference);
}

std::string MultiplyByDigit(const std::string &a, int d)
{
    std::string product;
    int carry = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const int v = (a[a.size() - 1 - i] - '0') * d + carry;
        product += static_cast<char>('0' + v % 10);
        carry = v / 10;
    }
    if (carry)
        product += static_cast<char>('0' + carry);
    std::reverse(product.begin(), product.end());
    return StripLeadingZeros(product);
}

} // namespace qimbel::column
