// Helpers shared by the column-arithmetic routines (column/ShuShi*.cpp): operand checks, place
// names, the right-aligned column lines and exact arithmetic on digit texts.
//
// Column arithmetic works digit by digit on the typed texts, so every number stays exact however
// many digits it has; nothing here goes through a machine integer or a double.
#pragma once

#include <string>
#include <vector>

namespace qimbel::column {

// Column lines are right-aligned at this byte column. A column with a longer line is aligned at
// the end of its longest line instead, so that its digits still stand under each other.
inline constexpr int kRightEdge = 30;

// Multiplication and division draw one line per digit, each as wide as the numbers, so their
// operands are held to this many characters to keep the worked text readable and bounded.
inline constexpr int kMaxLongOperand = 50;

// Detail levels outside 1..5 count as 1.
int ClampLevel(int level);

// A typed operand split at its point. `whole` holds the integer digits without redundant leading
// zeros ("007" is read as 7, "00.5" as 0.5); it is empty when the operand is typed without an
// integer digit (".5"), which then has no integer place to work. `fraction` holds the digits
// after the point, possibly none ("5." is read as 5).
struct Operand {
    std::string whole;
    std::string fraction;
    // The operand as it is worked: whole digits, then "." and the fraction when there is one.
    std::string Text() const { return fraction.empty() ? whole : whole + "." + fraction; }
};

// Empty when `text` is an unsigned decimal number (digits with at most one point); otherwise the
// sentence that the routines return instead of a worked solution.
std::string OperandProblem(const std::string &text);
// Empty when both operands can be worked, else the sentence about the first that cannot.
std::string OperandsProblem(const std::string &first, const std::string &second);
// Splits an operand that OperandProblem accepted.
Operand SplitOperand(const std::string &text);

// "个位上的数 " .. "千兆位上的数 " for i = 0..15, then "整数第" (i + 1) "位的数".
std::string IntegerPlaceName(int i);
// "十分位上的数 " .. "千兆分位上的数 " for j = 0..14, then "小数点后第" (j + 1) "位的数".
std::string DecimalPlaceName(int j);

// "第" n "步：".
std::string StepLabel(int n);

// The right edge of a column made of `lines`: kRightEdge, or the length of the longest line.
int RightEdge(const std::vector<std::string> &lines);
// `line` with blanks in front so that it ends at byte column `edge`.
std::string AlignRight(const std::string &line, int edge);

// The column of an addition or subtraction: the first operand, the operator line (the sign, a
// blank and the second operand), a bar that starts under the sign and is three longer than the
// result, and the result; all but the bar right-aligned. No line end after the result.
std::string FourLineColumn(const std::string &top, const std::string &bottom, const std::string &result);

// Exact arithmetic on texts of decimal digits without a point and without leading zeros ("0" for
// zero).
std::string StripLeadingZeros(const std::string &digits);
// -1, 0 or 1 as a is smaller than, equal to or larger than b.
int CompareDigits(const std::string &a, const std::string &b);
std::string AddDigits(const std::string &a, const std::string &b);
// a - b, for a >= b.
std::string SubtractDigits(const std::string &a, const std::string &b);
// a * d for one digit d (0..9).
std::string MultiplyByDigit(const std::string &a, int d);

} // namespace qimbel::column
