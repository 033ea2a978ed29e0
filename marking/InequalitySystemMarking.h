// 批改 of 一元一次不等式组 (31). The problem is its first line when that holds every inequality
// (joined by "，" or "；"), else its first two lines. Each later line is either a step of one of
// the inequalities, judged by the moves of one inequality against that inequality's last line (a
// line that names it, "由①得", belongs to it; else the one it follows by a right move, else the
// one being worked), or the solution set of the system: a chain 3＜x＜5, one inequality after
// every inequality is solved, or 无解. The set is compared exactly with the common part of the
// inequalities' sets, and a wrong one is named by the rule a teacher says: 同大取大, 同小取小,
// 大小小大中间找, 大大小小找不到 (无解), or the end points.
#pragma once

#include "marking/MarkedProblem.h"
#include "solver/Solver.h"

#include <string>
#include <vector>

namespace qimbel {

MarkedProblem MarkInequalitySystemWorking(Solver &solver, const std::vector<std::string> &lines);

// The problem's lines: 1 when the first line holds two or more inequalities, else 2.
int InequalitySystemProblemLines(const std::vector<std::string> &lines);

} // namespace qimbel
