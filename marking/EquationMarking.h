// 批改 of the equation types: 一元一次方程 and 不等式 (9, 25, 30), 二元一次方程组 (26), 一元二次方程
// (27), 分式方程 (29). Each step is compared with the readable line before it by its solution set.
#pragma once
#include "marking/MarkedProblem.h"
#include "solver/Solver.h"

#include <string>
#include <vector>

namespace qimbel {

// One problem and the pupil's lines after it, as typed (GBK, one line each, no line ends): the
// problem first (a system's two equations on two lines, or on one). Every line comes back once,
// in order, with its mark.
MarkedProblem MarkEquationWorking(Solver &solver, int type, const std::vector<std::string> &lines);

} // namespace qimbel
