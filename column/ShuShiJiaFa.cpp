#include "column/ColumnCommon.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

#include <algorithm>
#include <vector>

namespace qimbel {

using namespace column;

// Column addition of two unsigned decimal numbers, one step per place from the last decimal
// place up to the highest integer place, with every carry written out.
// Level 1: the sum; 5: the column, "\r\n" and the explanation; 2..4: the column alone.
std::string Solver::ShuShiJiaFa(std::string first, std::string second, int level)
{
    if (std::string sentence = LineTooLong(first, kLongestColumnOperand); !sentence.empty())
        return sentence;
    if (std::string sentence = LineTooLong(second, kLongestColumnOperand); !sentence.empty())
        return sentence;
    level = ClampLevel(level);
    const std::string problem = OperandsProblem(first, second);
    if (!problem.empty())
        return problem;
    Operand a = SplitOperand(first);
    Operand b = SplitOperand(second);

    std::string steps;
    int n = 0;
    // The addend with fewer decimals is padded with zeros; with equal counts the first addend
    // still gets its (empty) padding step.
    if (!a.fraction.empty() || !b.fraction.empty()) {
        n = 1;
        if (b.fraction.size() < a.fraction.size()) {
            const std::size_t count = a.fraction.size() - b.fraction.size();
            b.fraction.append(count, '0');
            steps += StepLabel(1) + "向第2个加数的小数末尾添加 " + IntText(static_cast<long long>(count))
                + " 个 0 ；\r\n";
        } else {
            const std::size_t count = b.fraction.size() - a.fraction.size();
            a.fraction.append(count, '0');
            steps += StepLabel(1) + "向第1个加数的小数末尾添加 " + IntText(static_cast<long long>(count))
                + " 个 0 ；\r\n";
        }
    }

    int carry = 0;
    // Writes the outcome of one place and returns the digit it keeps.
    auto place = [&](int value) {
        if (value <= 9) {
            steps += " = " + IntText(value) + ",得到" + IntText(value) + "；\r\n";
            carry = 0;
            return value;
        }
        steps += " = 1" + IntText(value - 10) + " > 9 向前一位进1,并得到" + IntText(value - 10) + "；\r\n";
        carry = 1;
        return value - 10;
    };

    std::string fraction(a.fraction.size(), '0');
    for (int j = static_cast<int>(a.fraction.size()) - 1; j >= 0; --j) {
        const char x = a.fraction[static_cast<std::size_t>(j)];
        const char y = b.fraction[static_cast<std::size_t>(j)];
        steps += StepLabel(++n) + DecimalPlaceName(j) + x + " + " + y;
        if (carry)
            steps += "+进位1";
        fraction[static_cast<std::size_t>(j)] = static_cast<char>('0' + place(x - '0' + (y - '0') + carry));
    }

    // Integer digits of the sum, lowest place first.
    std::string whole;
    const int places = static_cast<int>(std::max(a.whole.size(), b.whole.size()));
    for (int i = 0; i < places; ++i) {
        const bool hasX = i < static_cast<int>(a.whole.size());
        const bool hasY = i < static_cast<int>(b.whole.size());
        const char x = hasX ? a.whole[a.whole.size() - 1 - static_cast<std::size_t>(i)] : '0';
        const char y = hasY ? b.whole[b.whole.size() - 1 - static_cast<std::size_t>(i)] : '0';
        steps += StepLabel(++n) + IntegerPlaceName(i);
        int value = carry;
        if (hasX && hasY) {
            steps += std::string(1, x) + " + " + y;
            value += x - '0' + (y - '0');
        } else {
            const char only = hasX ? x : y;
            steps += only;
            value += only - '0';
        }
        if (carry)
            steps += "+进位1";
        else if (!(hasX && hasY))
            steps += "没有数和它相加";
        whole += static_cast<char>('0' + place(value));
    }
    if (carry)
        whole += '1';
    std::reverse(whole.begin(), whole.end());
    // Addends typed without integer digits (.5 + .25) leave none: the sum is written "0." and its
    // decimals.
    const std::string sum = fraction.empty() ? whole : (whole.empty() ? "0" : whole) + "." + fraction;

    if (level == 1)
        return sum;
    std::string text = FourLineColumn(a.Text(), "＋ " + b.Text(), sum);
    if (level == 5)
        text += "\r\n解题说明\r\n" + steps;
    return text;
}

} // namespace qimbel
