// 一步一步: working beside a pupil one line at a time. 下一步检查 marks only the last typed line
// of the last problem against the line before it; 提示 names the next move without making it.
// Texts are GBK with CR LF line ends.
#pragma once

#include "solver/Solver.h"

#include <string>

namespace qimbel {

// The line above the answer of 下一步检查 and of 提示.
inline constexpr const char *kStepCheckHeader = "下一步检查：";
inline constexpr const char *kHintHeader = "提示：";

// The last typed line and its mark: "√", or "× 第k步错了：slip。" with "应该是：…" when Qimbel
// has a right step for it; a sentence when there is no step yet or the type cannot be marked.
std::string MarkLastStep(Solver &solver, int type, const std::string &typed);

// "下一步：去括号", "下一步：两边同除以3", …; "先改正第k步…" after a wrong step; "已经做完了…" when
// the last line is the answer.
std::string HintNextStep(Solver &solver, int type, const std::string &typed);

} // namespace qimbel
