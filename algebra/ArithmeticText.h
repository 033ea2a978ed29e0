// Helpers shared by the worked-arithmetic routines (numeric mixed operations and polynomial
// arithmetic): reading number texts exactly, printing results, finding operands that touch an
// operator, putting an operation's result back into its expression, and laying out step lines.
//
// Whole numbers are held in 128 bits with overflow checks, so sums, differences and products
// print every digit exactly; only a value that no longer fits takes the decimal road ("%lf"), the
// form Qimbel gives every computed real. Fractions keep 128-bit numerators and denominators.
#pragma once

#include "solver/Solver.h"

#include <optional>
#include <string>

namespace qimbel {

using Whole = __int128;

// Bounds that keep every worked line readable and every line fast: a product of polynomials of
// more than this many term products is not formed, and a driver writes no expression longer than
// kLongestExpression bytes (the working stops before it).
inline constexpr int kMostProductTerms = 400;
inline constexpr int kLongestExpression = 4096;

// A number text read exactly: a whole number, a fraction n/d, or a decimal.
struct NumberValue {
    enum class Kind { Whole, Fraction, Decimal };
    Kind kind = Kind::Whole;
    Whole numerator = 0;
    Whole denominator = 1; // 1 for a whole number; may be 0 for a typed fraction such as 3/0
    double decimal = 0; // the value itself for a decimal

    double AsDouble() const;
};

// Reads a plain number text: an optional sign ("＋" "－" "+" "-"), then digits, or digits with one
// ".", or digits "/" digits (each side may carry its own sign). Outer brackets, as in (－2) or
// {[(12)]}, are taken off first. Anything else gives nothing.
std::optional<NumberValue> ReadNumber(const std::string &text);

// Whole-number text with a full-width minus: 12, －7.
std::string WholeText(Whole value);
// The number text of a computed real ("%lf", trailing zeros stripped) with a full-width minus;
// empty when the value is not finite, so an overflow never prints as a number.
std::string DecimalText(double value);
// n/d with a full-width minus in front of a negative fraction; a denominator of 1 gives n alone.
std::string FractionText(Whole numerator, Whole denominator);

// True when the exact result does not fit (the smallest value counts as not fitting, so every
// result can be negated).
bool AddOverflows(Whole a, Whole b, Whole &sum);
bool MultiplyOverflows(Whole a, Whole b, Whole &product);

bool IsDigitByte(char c);
bool IsLetterByte(char c);
bool HasLetters(const std::string &text);

// Byte length of a leading "＋" or "－" (2), or 0.
int LeadingSignLength(const std::string &text);
bool StartsWithSign(const std::string &text);

// Position of the bracket that closes (opens) the one at `pos`, any of the three kinds, by
// depth; -1 when it never closes (opens).
int MatchingClose(const std::string &text, int pos);
int MatchingOpen(const std::string &text, int pos);

// The text without one pair of outer brackets when its first bracket closes at its last byte.
std::string WithoutOuterBrackets(const std::string &text);

// Number of top-level terms: 1 + the "＋" and "－" outside brackets after the first character.
int TopLevelTermCount(const std::string &text);

// Puts the result of one operation back into the expression. The occurrence at `primary` (the
// operation that was worked) is always replaced; every other occurrence of the same text is
// replaced too, as long as it stands on its own: not inside a longer number or term, and not
// bound otherwise by its neighbours (1×2 in 31×2 or in 8÷1×2, 1＋2 in 3－1＋2 stay). A result of
// several terms that lands next to a product, a quotient, a power or a "－" is bracketed, and a
// sign that meets a sign is merged, so the new expression keeps the value of the old one.
// `primary` below 0 means the first occurrence that stands on its own (or else the first one).
std::string ReplaceOperation(
    const std::string &expression, const std::string &operation, const std::string &result, int primary = -1);

// head, piece and tail joined so that the piece does not run into its neighbours, as a group's
// result does when its brackets go: a number after a digit, letter, "." or closing bracket is
// written after "×" (2(3＋5) becomes 2×8, not 28), a signed number there is bracketed as well
// (2(3－5) becomes 2×(－2); without `bracketSigned` it becomes 2×－2), a term with letters that
// begins with a digit or a sign is bracketed (2(9a^(2))), and a number that a digit would follow
// gets "×" behind it.
std::string JoinUnglued(
    const std::string &head, const std::string &piece, const std::string &tail, bool bracketSigned = true);

// "＋－" to "－", "－－" to "＋", "－＋" to "－", in that order.
std::string MergeSigns(std::string text);

// A step result cut at its first "┃".
struct StepParts {
    std::string expression;
    std::string description;
    bool hasSeparator = false;
};
StepParts SplitStep(const std::string &step);

// One operation a op b worked by the routine of its operator (ZhengShiChengFang for "^",
// XiangCheng, XiangChu, XiangJia, XiangJian), with the phrase that describes it. A sum that the
// routine rewrote over a common denominator gives the rewritten sum as its result, which is then
// written again after the phrase.
struct WorkedOperation {
    std::string operation; // a op b
    std::string result;
    std::string phrase;
    std::string again;
};
WorkedOperation WorkOperation(Solver &solver, const std::string &a, const std::string &op, const std::string &b);

// The step result of a worked operation that starts at byte `start` of `expression`: the new
// expression, "┃", "a op b=c" and the phrase. A result that forms no value (a division by 0)
// leaves the new expression empty, which ends the working.
std::string OperationStep(const std::string &expression, const WorkedOperation &worked, int start);

// The next step of the general driver on `expression`: a bracket group that holds work first,
// small brackets before middle before large (ZhengShiTuoHao), then the expression itself
// (ZhengShiSiZeYunSuan).
std::string DriverStep(Solver &solver, const std::string &expression);

// Blanks before a step label: byte length of the first expression minus that of the new one
// plus 10, never below `least`.
int StepPadding(const std::string &first, const std::string &current, int least);

// One written step line: "\r\n＝", the new expression, the padding, "第" n "步:", the description.
std::string StepLine(const std::string &expression, int padding, int number, const std::string &description);

// The final reduction of a worked text: the fraction (a plain fraction, possibly signed) reduced,
// as a step result "p/q┃约分:…"; empty when it cannot be reduced.
std::string FinalReduction(Solver &solver, const std::string &expression);

// True when the first step of an expression is the common-denominator rewrite: a plain sum of
// fractions (and whole numbers) with different denominators, without decimals, products,
// quotients, letters, brackets or doubled signs, which the rewrite cannot carry.
bool NeedsCommonDenominator(Solver &solver, const std::string &expression);

// The shared work of XiangJia and XiangJian.
std::string SumOrDifference(Solver &solver, std::string a, std::string b, bool subtract);

// One operation inside a known bracket group (head, group, tail) of an expression, as
// KuoHaoZhengShiBu describes it; a group inside it that holds work (of the same kind, else of
// another kind) is worked first, and a group around a number alone loses its brackets.
std::string GroupStep(Solver &solver, const std::string &head, const std::string &group, const std::string &tail,
    const std::string &opening, const std::string &closing);

// The shared work of DanXiangShiCheng and DanXiangShiChu.
std::string MonomialProduct(Solver &solver, std::string a, std::string b, bool divide);

// A letter part compared by its letters and their exponents: a^(2) and a^2, ab and ba are alike.
std::string LetterPartKey(const std::string &letterPart);

// The operand texts that touch an operator: OperandBefore ends at byte `pos` (the operator),
// OperandAfter starts at byte `pos` (just after it). An operand is a bracket group with its
// brackets, else a run of digits, ".", "/" and letters; a sign that opens the expression or
// follows another operator or an opening bracket belongs to the operand.
std::string OperandBefore(const std::string &expression, int pos);
std::string OperandAfter(const std::string &expression, int pos);

} // namespace qimbel
