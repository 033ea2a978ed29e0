#include "column/ColumnCommon.h"
#include "solver/Solver.h"

#include <algorithm>
#include <vector>

namespace qimbel {

using namespace column;

namespace {

// Decimal places the quotient is carried beyond the dividend's own.
constexpr int kExtraPlaces = 5;

// Moves the point of an operand k places to the right and writes the result as a number text
// (no leading zeros before the point, no trailing zeros after it): 1.5 and 1 give 15, 0.05 and
// 1 give 0.5, 3 and 2 give 300. Done on the digits, so nothing is lost to rounding.
std::string ShiftPoint(const Operand &number, std::size_t k)
{
    std::string fraction = number.fraction;
    fraction.append(k > fraction.size() ? k - fraction.size() : 0, '0');
    std::string whole = StripLeadingZeros(number.whole + fraction.substr(0, k));
    fraction.erase(0, k);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    return fraction.empty() ? whole : whole + "." + fraction;
}

// One row of the working column under the head line.
struct Row {
    std::string line;
    std::string explanation; // on product rows only
};

} // namespace

// Long division. A divisor with decimals is first made whole by moving both points; the
// dividend is carried five decimal places further. Each quotient digit that is not zero gives a
// product, a bar and a remainder, all written under the digits of the dividend they belong to,
// with the explanation of the step on the product's row. The quotient stands over the dividend.
// An exact quotient is shown without the zeros of the added places; one that does not end
// within them is shown with all its places followed by "……".
// Level 1: the quotient; 5: the column with the step explanations; 2..4: the column alone.
std::string Solver::ShuShiChuFa(std::string dividend, std::string divisor, int level)
{
    level = ClampLevel(level);
    const std::string problem = OperandsProblem(dividend, divisor);
    if (!problem.empty())
        return problem;
    if (Len(dividend) > kMaxLongOperand || Len(divisor) > kMaxLongOperand)
        return "竖式除法中的被除数和除数最多可以有" + IntText(kMaxLongOperand)
            + "个字符，请把算式分成较小的部分再计算。";
    const Operand a = SplitOperand(dividend);
    const Operand b = SplitOperand(divisor);

    std::string head;
    int n = 0;
    std::string newDividend = a.Text();
    std::string newDivisor = b.Text();
    if (!b.fraction.empty()) {
        const std::size_t k = b.fraction.size();
        const std::string p = "1" + std::string(k, '0');
        newDividend = ShiftPoint(a, k);
        newDivisor = ShiftPoint(b, k);
        head = StepLabel(++n) + a.Text() + "×" + p + "=" + newDividend + " , " + b.Text() + "×" + p + "=" + newDivisor
            + "," + "将除数乘以" + p + ",化除数为整数";
    }
    if (newDivisor == "0")
        return "除数是0，0不能作除数，所以不能进行除法计算。";

    std::string extended = newDividend;
    if (!Contains(extended, "."))
        extended += ".";
    extended.append(kExtraPlaces, '0');

    // Byte column of every character of the extended dividend in the head line, and of every
    // digit (the point skipped).
    const int start = Len(newDivisor) + 12;
    const int width = Len(extended);
    std::vector<int> digitColumn;
    for (int c = 0; c < width; ++c)
        if (extended[static_cast<std::size_t>(c)] != '.')
            digitColumn.push_back(start + c);

    // Column of dividend digit t; a number reaching left of the first digit (never the case for
    // the numbers of a long division, but kept safe) goes on to the left of it.
    auto columnOf = [&](int t) { return t >= 0 ? digitColumn[static_cast<std::size_t>(t)] : start + t; };
    // A number whose last digit belongs to dividend digit `last`, each digit under the digit of
    // the same place (a number that spans the point leaves a blank under it).
    auto drawn = [&](const std::string &number, int last) {
        std::string line;
        const int count = Len(number);
        for (int i = 0; i < count; ++i) {
            line.resize(static_cast<std::size_t>(columnOf(last - (count - 1 - i))), ' ');
            line += number[static_cast<std::size_t>(i)];
        }
        return line;
    };
    // A bar reaching one column beyond the drawn number on each side.
    auto bar = [&](const std::string &number, int last) {
        const int from = columnOf(last - Len(number) + 1) - 1;
        const int to = columnOf(last) + 1;
        return std::string(static_cast<std::size_t>(from), ' ')
            + std::string(static_cast<std::size_t>(to - from + 1), '-');
    };

    std::string quotient;
    std::string partial; // digits, without leading zeros; empty right after an exact step
    std::vector<Row> rows;
    int digit = -1; // index of the last dividend digit taken
    int lastStepDigit = -1;
    for (int c = 0; c < width; ++c) {
        if (extended[static_cast<std::size_t>(c)] == '.') {
            quotient += quotient.empty() ? "0." : ".";
            continue; // the next character is a digit and is taken at once
        }
        ++digit;
        partial = StripLeadingZeros(partial + extended[static_cast<std::size_t>(c)]);
        if (CompareDigits(partial, newDivisor) < 0) {
            if (!quotient.empty())
                quotient += '0';
            continue;
        }
        int q = 1;
        while (q < 9 && CompareDigits(MultiplyByDigit(newDivisor, q + 1), partial) <= 0)
            ++q;
        const std::string product = MultiplyByDigit(newDivisor, q);
        quotient += static_cast<char>('0' + q);
        // The first partial dividend is the head line itself; later ones get a row of their own.
        if (lastStepDigit >= 0)
            rows.push_back({drawn(partial, digit), {}});
        rows.push_back({drawn(product, digit), StepLabel(++n) + "进行" + partial + "-" + product + "的计算."});
        rows.push_back({bar(partial, digit), {}});
        partial = SubtractDigits(partial, product);
        if (partial == "0")
            partial.clear();
        lastStepDigit = digit;
    }

    // An exact quotient drops the zeros of the added places and closes the column with the
    // remainder 0 under the last product; otherwise the last remainder, with the digits brought
    // down after the last step, closes it.
    const bool exact = partial.empty() || partial == "0";
    const int quotientStart = start + width - Len(quotient);
    if (exact) {
        quotient = QuLing(quotient);
        if (lastStepDigit >= 0)
            rows.push_back({drawn("0", lastStepDigit), {}});
    } else {
        quotient += "……";
        rows.push_back({drawn(partial, digit), {}});
    }
    if (level == 1)
        return quotient;

    std::string text;
    if (level == 5 && !head.empty())
        text += head + "\r\n";
    text += std::string(static_cast<std::size_t>(quotientStart), ' ') + quotient + "\r\n";
    text += std::string(static_cast<std::size_t>(start - 1), ' ')
        + std::string(static_cast<std::size_t>(width + 1), '-') + "\r\n";
    text += std::string(10, ' ') + newDivisor + " )" + extended;
    // Explanations start four columns after the end of the dividend.
    const int explanationColumn = start + width + 4;
    for (const Row &row : rows) {
        text += "\r\n" + row.line;
        if (level == 5 && !row.explanation.empty())
            text += std::string(static_cast<std::size_t>(std::max(1, explanationColumn - Len(row.line))), ' ')
                + row.explanation;
    }
    return text;
}

} // namespace qimbel
