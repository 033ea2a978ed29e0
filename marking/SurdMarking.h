// 批改 of 二次根式四则运算 (24): every step is compared, exactly, with the readable line before it
// by its value c0＋c1√r1＋… (held in SurdValue, never as a double). A wrong step is named when one
// part of the line before, worked the way pupils slip, gives the pupil's value: √a·√b, (k√a)^2,
// 分母有理化, 合并同类二次根式, √a＋√b written √(a＋b), a root made simplest wrongly, a bracket
// taken off without changing the signs. The end asks for the simplest form: every root simplest,
// no root in a denominator, like roots combined.
#pragma once

#include "algebra/SurdValue.h"
#include "marking/MarkedProblem.h"
#include "solver/Solver.h"

#include <optional>
#include <string>
#include <vector>

namespace qimbel {

// The exact value of one expression of numbers and square roots as a pupil types it (√12, 2√3,
// √(1/2), (√3＋√2)^2, 1÷(√3－√2), 6/√2); nothing when it cannot be read or valued, `why` then
// says why (a sentence without its final "。").
std::optional<Surd> SurdValueOfText(const std::string &gbk, std::string *why = nullptr);

// The lines as MarkExpressionWorking takes them: the problem first, then the "＝" lines.
MarkedProblem MarkSurdWorking(Solver &solver, const std::vector<std::string> &lines);

// Qimbel's own next step after `line` (its expression, without "＝"): the first line of the
// routine's working of it with the same value; empty when it has none.
std::string SurdNextStep(Solver &solver, const std::string &line);

} // namespace qimbel
