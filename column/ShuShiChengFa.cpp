#include "column/ColumnCommon.h"
#include "solver/Solver.h"

#include <algorithm>
#include <vector>

namespace qimbel {

using namespace column;

namespace {

// A number drawn in the column: a blank after every digit, the point attached to the digit
// before it (12.5 is drawn "1 2.5 ").
std::string Spaced(const std::string &number)
{
    std::string drawn;
    for (char c : number) {
        if (c == '.') {
            if (!drawn.empty() && drawn.back() == ' ')
                drawn.pop_back();
            drawn += '.';
        } else {
            drawn += c;
            drawn += ' ';
        }
    }
    return drawn;
}

struct PartialProduct {
    std::string value; // digits, "0" for a zero digit of the second factor
    std::string step; // e.g. "125×4 = 500"
};

} // namespace

// Column multiplication: one partial product per digit of the second factor, each shifted by
// one place (two columns) more than the one before, then the sum with the decimal point set by
// the decimals of both factors.
// Level 1: the product; 5: the column, "\r\n\r\n", the steps and the final remark; 2..4: the
// column alone.
std::string Solver::ShuShiChengFa(std::string first, std::string second, int level)
{
    level = ClampLevel(level);
    const std::string problem = OperandsProblem(first, second);
    if (!problem.empty())
        return problem;
    if (Len(first) > kMaxLongOperand || Len(second) > kMaxLongOperand)
        return "竖式乘法中的每个因数最多可以有" + IntText(kMaxLongOperand) + "个字符，请把算式分成较小的部分再计算。";
    const Operand a = SplitOperand(first);
    const Operand b = SplitOperand(second);

    // The first factor read as one whole number without its point.
    const std::string m = StripLeadingZeros(a.whole + a.fraction);
    const std::string digitsB = b.whole + b.fraction;
    // Partial products, ones digit of the second factor first; the leading zeros of the second
    // factor give none. A second factor of zero is worked as the single digit 0.
    std::vector<PartialProduct> partials;
    const std::size_t firstNonZero = std::min(digitsB.find_first_not_of('0'), digitsB.size() - 1);
    for (std::size_t i = digitsB.size(); i-- > firstNonZero;) {
        const int d = digitsB[i] - '0';
        const std::string value = d == 0 ? std::string("0") : MultiplyByDigit(m, d);
        partials.push_back({value, m + "×" + IntText(d) + " = " + value});
    }

    // The total: each partial product moved up by its place.
    std::string total = "0";
    for (std::size_t i = 0; i < partials.size(); ++i)
        if (partials[i].value != "0")
            total = AddDigits(total, partials[i].value + std::string(i, '0'));
    const std::size_t k = a.fraction.size() + b.fraction.size();
    std::string product = total;
    std::string remark;
    if (k > 0 && total.size() > k) {
        product.insert(total.size() - k, ".");
        remark = "最后：在结果的适当位置添加小数点";
    } else if (k > 0) {
        product = "0." + std::string(k - total.size(), '0') + total;
        remark = "最后：结果位数不够，在结果的前面添加0，和小数点及必要的小数位0";
    }
    if (level == 1)
        return product;

    // The lines of the column before alignment; every one of them is right-aligned.
    const std::string top = Spaced(a.Text());
    const std::string bottom = "× " + Spaced(b.Text());
    std::vector<std::string> lines
        = {top, bottom, std::string(static_cast<std::size_t>(std::max(Len(top), Len(bottom))) + 3, '-')};
    std::string lastLine;
    for (std::size_t i = 0; i < partials.size(); ++i) {
        if (partials[i].value == "0")
            continue;
        lastLine = Spaced(partials[i].value) + std::string(2 * i, ' ');
        lines.push_back(lastLine);
    }
    // With no partial-product line (a factor of zero) the product follows the first bar.
    if (!lastLine.empty())
        lines.push_back(std::string(lastLine.size() + 3, '-'));
    lines.push_back(Spaced(product));
    const int edge = RightEdge(lines);
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += AlignRight(lines[i], edge) + (i + 1 < lines.size() ? "\r\n" : "");
    if (level == 5) {
        text += "\r\n\r\n";
        for (std::size_t i = 0; i < partials.size(); ++i)
            text += StepLabel(static_cast<int>(i) + 1) + partials[i].step + "\r\n";
        text += remark;
    }
    return text;
}

} // namespace qimbel
