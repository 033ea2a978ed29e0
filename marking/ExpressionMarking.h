// 批改 of the expression types: 竖式计算 and 四则混合运算 (7, 8), 有理数四则运算 (20), 整式四则运算
// (21), 因式分解 (22) and 分式四则运算 (23). Every step is compared, exactly, with the readable line
// before it: by its value, as a number or as a fraction of polynomials.
#pragma once

#include "marking/MarkedProblem.h"
#include "solver/Solver.h"

#include <string>
#include <vector>

namespace qimbel {

// One problem and the pupil's lines after it, as typed (GBK, no line ends): the problem first
// (it may go on with "＝" and the first step on the same line), then one step per line, each
// starting with "＝" (a line may hold more than one: ＝12－5＝7). Every line comes back once, in
// order, with its mark.
MarkedProblem MarkExpressionWorking(Solver &solver, int type, const std::vector<std::string> &lines);

// The parts of a text between its "＝" signs (full-width or ASCII), blanks trimmed; empty parts
// (a "＝" at the end, as in 38＋47＝) are left out.
std::vector<std::string> PartsOf(const std::string &text);

// The problem without a number in front of it: (1) or （1） and a blank, 1. and a blank, 1、.
std::string WithoutProblemNumber(const std::string &text);

// The lines of a worked text (CR LF between them).
std::vector<std::string> CrLfLines(const std::string &text);

// Qimbel's own working of `expression` by the type's routine, without explanations (level 4):
// the expression, then one "＝" line per step.
std::string OwnWorkingOf(Solver &solver, int type, const std::string &expression);

// Qimbel's own next step after `line` (its expression, without "＝"), from the type's worked
// routine; empty when it has none (the line is already the answer, or cannot be worked).
std::string OwnNextStep(Solver &solver, int type, const std::string &line);

} // namespace qimbel
