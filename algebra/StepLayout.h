// One step of the worked arithmetic and its written line: the operation worked and put back, the
// step chosen by the driver, the step result cut at "┃", the padding and the label of a line.
#pragma once

#include "solver/Solver.h"

#include <string>

namespace qimbel {

// Bounds that keep every worked line readable and every line fast: a product of polynomials of
// more than this many term products is not formed, and a driver writes no expression longer than
// kLongestExpression bytes (the working stops before it).
inline constexpr int kMostProductTerms = 400;
inline constexpr int kLongestExpression = 4096;

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

// A product written without its sign beside a bracket gets its "×" ((1/2)1 is (1/2)×1, 2(1/2) is
// 2×(1/2)), so that a step on numbers multiplies before it adds.
std::string TimesBesideGroups(const std::string &expression);

// The next step of the general driver on `expression`: a bracket group that holds work first,
// small brackets before middle before large (ZhengShiTuoHao), then the expression itself
// (ZhengShiSiZeYunSuan). Signs that meet in front of a group are merged first.
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

// One operation inside a known bracket group (head, group, tail) of an expression, as
// KuoHaoZhengShiBu describes it; a group inside it that holds work (of the same kind, else of
// another kind) is worked first, and a group around a number alone loses its brackets.
std::string GroupStep(Solver &solver, const std::string &head, const std::string &group, const std::string &tail,
    const std::string &opening, const std::string &closing);

} // namespace qimbel
