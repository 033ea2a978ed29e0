// 批改 of 二元二次方程组 (28): a linear and a quadratic equation in two unknowns, worked by 代入消元.
// The problem is its first line when that holds both equations, else its first two lines. The
// exact solutions (pairs p＋q√r) are worked out first; then each line is judged against them:
//   - an equation in both unknowns (y＝3－x) is right when every solution satisfies it;
//   - the first equation in one unknown (after 代入) is right when its roots are exactly the
//     values of that unknown in the solutions; the lines after it are judged by the moves of a
//     quadratic equation (配方, 因式分解, 公式法 …), as on the 一元二次方程 page;
//   - values (x1＝1，x2＝2; 把x＝1代入③得y＝2; x1＝1，y1＝2；x2＝2，y2＝1) are right when each pair
//     they state is a solution, and a list of one unknown's values must not lose a root.
// The work is finished when the last line states every pair; a missing pair is named.
#pragma once

#include "marking/MarkedProblem.h"
#include "solver/Solver.h"

#include <string>
#include <vector>

namespace qimbel {

MarkedProblem MarkQuadraticSystemWorking(Solver &solver, const std::vector<std::string> &lines);

} // namespace qimbel
