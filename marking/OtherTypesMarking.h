// 批改 of the types whose working reads as that of another type: 化简比 (10) as a division whose
// value every step keeps, 简便运算 (11) and the expressions of 算式计算与填空 (32) as 四则混合运算,
// 解(未知数)比 (18) as an equation (a:b is a÷b), and a blank of 算式计算与填空 ("()＋25＝60") as an
// unknown. The pupil's lines are echoed as typed; only what is read changes.
#pragma once
#include "marking/MarkedProblem.h"
#include "solver/Solver.h"

#include <string>
#include <vector>

namespace qimbel {

// True for 10, 11, 18 and 32.
bool IsOtherMarkedType(int type);

// One problem and the pupil's lines after it, as MarkExpressionWorking and MarkEquationWorking
// take them.
MarkedProblem MarkOtherWorking(Solver &solver, int type, const std::vector<std::string> &lines);

// True when the lines of a problem of this type begin with "＝" (the steps of an expression); a
// problem with a blank or a ratio equation has steps that are equations.
bool StepsStartWithEquals(int type, const std::string &problem);

} // namespace qimbel
