// The kind of slip behind a wrong step of an expression, in a teacher's words: each kind is tried
// as a change of the line before the step (or of the step) that would make the step right, and is
// named only when that change gives exactly the pupil's value.
#pragma once

#include "marking/ExactExpression.h"

#include <string>

namespace qimbel {

// `before` is the last readable line, `step` the wrong step after it, `own` Qimbel's own next
// step after `before` (nullptr when there is none). The slip's name (去括号时没有变号, 漏乘,
// 约分错误, 进位/借位错误, 符号错误), or empty when none of them explains the step.
std::string SlipOf(const ExprNode &before, const ExprNode &step, const ExprNode *own);

} // namespace qimbel
