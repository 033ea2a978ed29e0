#include "column/ColumnCommon.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

#include <algorithm>

namespace qimbel {

using namespace column;

namespace {

// -1, 0 or 1 as the value of a is smaller than, equal to or larger than that of b.
int CompareOperands(const Operand &a, const Operand &b)
{
    // An empty integer part (".5") is worth 0.
    const int whole = CompareDigits(StripLeadingZeros(a.whole), StripLeadingZeros(b.whole));
    if (whole != 0)
        return whole;
    const std::size_t width = std::max(a.fraction.size(), b.fraction.size());
    std::string x = a.fraction;
    std::string y = b.fraction;
    x.append(width - x.size(), '0');
    y.append(width - y.size(), '0');
    const int c = x.compare(y);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

} // namespace

// Column subtraction of two unsigned decimal numbers, one step per place from the last decimal
// place upward, with every borrow written out. A minuend smaller than the subtrahend has nowhere
// to take its last borrow from: the two are swapped, the column works the larger minus the
// smaller, and the difference is given with a minus sign and a sentence that says why.
// Level 1: the difference; 5: the column, "\r\n" and the explanation; 2..4: the column alone.
std::string Solver::ShuShiJianFa(std::string minuend, std::string subtrahend, int level)
{
    if (std::string sentence = LineTooLong(minuend, kLongestColumnOperand); !sentence.empty())
        return sentence;
    if (std::string sentence = LineTooLong(subtrahend, kLongestColumnOperand); !sentence.empty())
        return sentence;
    level = ClampLevel(level);
    const std::string problem = OperandsProblem(minuend, subtrahend);
    if (!problem.empty())
        return problem;
    Operand a = SplitOperand(minuend);
    Operand b = SplitOperand(subtrahend);
    const std::string typedA = a.Text();
    const std::string typedB = b.Text();
    const bool negative = CompareOperands(a, b) < 0;
    if (negative)
        std::swap(a, b);

    std::string steps;
    int n = 0;
    // Only unequal decimal counts give a padding step.
    if (b.fraction.size() < a.fraction.size()) {
        const std::size_t count = a.fraction.size() - b.fraction.size();
        b.fraction.append(count, '0');
        steps
            += StepLabel(++n) + "向第2个减数的小数末尾添加 " + IntText(static_cast<long long>(count)) + " 个 0 ；\r\n";
    } else if (a.fraction.size() < b.fraction.size()) {
        const std::size_t count = b.fraction.size() - a.fraction.size();
        a.fraction.append(count, '0');
        steps
            += StepLabel(++n) + "向第1个减数的小数末尾添加 " + IntText(static_cast<long long>(count)) + " 个 0 ；\r\n";
    }

    int borrow = 0;
    // Writes the outcome of one place and returns the digit it keeps.
    auto place = [&](int value, bool decimal) {
        if (value < 0) {
            value += 10;
            borrow = 1;
            steps += decimal ? " < 0,不够减 向前一位借10,并得到差：" : " < 0,不够减， 向前一位借10,并得到差：";
            steps += IntText(value) + "；\r\n";
            return value;
        }
        borrow = 0;
        steps += " = " + IntText(value) + ",得到差：" + IntText(value) + "；\r\n";
        return value;
    };

    std::string fraction(a.fraction.size(), '0');
    for (int j = static_cast<int>(a.fraction.size()) - 1; j >= 0; --j) {
        const char x = a.fraction[static_cast<std::size_t>(j)];
        const char y = b.fraction[static_cast<std::size_t>(j)];
        steps += StepLabel(++n) + DecimalPlaceName(j) + x + " - " + y;
        if (borrow)
            steps += " - 1(借位)";
        fraction[static_cast<std::size_t>(j)] = static_cast<char>('0' + place(x - '0' - (y - '0') - borrow, true));
    }

    // The minuend is at least the subtrahend and neither has leading zeros, so every integer
    // place of the subtrahend is also a place of the minuend. The one exception is a subtrahend
    // whose integer part is 0 under a minuend typed without an integer digit (.5 - 0.25): that 0
    // has no place to be worked in, and no borrow can reach it.
    std::string whole;
    for (int i = 0; i < static_cast<int>(a.whole.size()); ++i) {
        const char x = a.whole[a.whole.size() - 1 - static_cast<std::size_t>(i)];
        const bool hasY = i < static_cast<int>(b.whole.size());
        const char y = hasY ? b.whole[b.whole.size() - 1 - static_cast<std::size_t>(i)] : '0';
        steps += StepLabel(++n) + IntegerPlaceName(i) + x;
        if (hasY)
            steps += std::string(" - ") + y;
        if (borrow)
            steps += " - 1(借位)";
        whole += static_cast<char>('0' + place(x - '0' - (y - '0') - borrow, false));
    }
    std::reverse(whole.begin(), whole.end());
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    std::string difference;
    if (fraction.empty())
        difference = whole.empty() ? "0" : whole;
    else
        difference = (whole.empty() ? "0" : whole) + "." + fraction;

    if (level == 1)
        return negative ? "-" + difference : difference;
    std::string text = FourLineColumn(a.Text(), "－ " + b.Text(), difference);
    if (!negative) {
        if (level == 5)
            text += "\r\n解题说明\r\n" + steps;
        return text;
    }
    const std::string swapped
        = "被减数" + typedA + "小于减数" + typedB + "，交换两个数的位置，用" + typedB + "减去" + typedA;
    const std::string last = "最后：在差的前面添上负号，" + typedA + " - " + typedB + " = -" + difference;
    if (level == 5)
        return text + "\r\n解题说明\r\n" + swapped + "：\r\n" + steps + last + "；\r\n";
    return text + "\r\n" + last;
}

} // namespace qimbel
