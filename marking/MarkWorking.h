// 批改我的解答: the text box of a problem page holds problems, each followed by the pupil's own
// steps; the marked copy echoes every line and puts the marks and the teacher's sentences below
// the steps. The text is GBK with CR LF line ends, as everywhere in the engine.
//
//   √                                  a right step
//   × 第2步错了：进位/借位错误。       a wrong step, with its slip when it is recognised
//   应该是：85－24                     at the first wrong step of a problem, Qimbel's own step
//   无法识别：括号不配对。             a step that cannot be read (the next one is compared with
//                                      the last readable line)
//   最后一步已经是答案。 / 还没有做完：还要约分。
//   共4步，对3步。
#pragma once

#include "marking/MarkedProblem.h"
#include "solver/Solver.h"

#include <optional>
#include <vector>

#include <string>
#include <vector>

namespace qimbel {

// The line above the marked copy.
inline constexpr const char *kMarkedHeader = "批改结果：";
// The answer for a type that marking does not know.
inline constexpr const char *kCannotMark = "这一类题目还不能批改。";

// True for the types whose working can be marked: 7, 8, 20, 21, 22, 23 (expressions), 9, 25,
// 26, 27, 29, 30 (equations and inequalities), 10, 11, 18 and 32 (read as one of those).
bool CanMark(int type);

struct MarkedText {
    // kMarkedHeader, then the marked copy (or kCannotMark), each line ending in CR LF.
    std::string text;
    int problems = 0;
    int steps = 0;
    int right = 0;
    // Every problem as marked, in the order typed (for the 错题本).
    std::vector<MarkedProblem> marked;
};

// Marks the pupil's text (old results already cut away) for problem type `type`. Problems are
// separated by blank lines; for the expression types a line that does not start with "＝" also
// starts a new problem.
MarkedText MarkWorking(Solver &solver, int type, const std::string &typed);

// The last problem of the text (its lines, as typed) and its marking, for working one step at a
// time; nothing when the type cannot be marked or the text holds no problem.
struct LastProblem {
    std::vector<std::string> lines;
    MarkedProblem marked;
};
std::optional<LastProblem> MarkLastProblem(Solver &solver, int type, const std::string &typed);

} // namespace qimbel
