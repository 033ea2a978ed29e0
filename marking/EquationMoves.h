// Judging a step of an equation or inequality in one unknown by the move the pupil made, as a
// teacher does, and not only by the solutions it keeps: for a linear equation every line with the
// same root is proportional to the one before, so a wrong move can keep the root by chance.
//
// One line may hold, from the line before it:
//   - each side rewritten as an equal expression (去括号, 合并同类项, 约分, 通分, 因式分解 …);
//   - terms of the line before taken to the other side with their signs changed (移项), any
//     number of them, together with that rewriting;
//   - both sides multiplied or divided by the same non-zero number (去分母, 系数化为1, both sides
//     times －1), the inequality sign turned for a negative number, with the rewriting;
//   - 移项 and a multiplication together only when the multiplication clears the denominators
//     (the least common denominator of the line's numbers) or leaves the unknown alone, with a
//     coefficient of 1, against a side without it (2x＋3＝7 → x＝2; 2x^2－8＝0 → x^2＝4);
//   - for a quadratic, the same number added to both sides when it completes a square (配方);
//   - for a fractional equation, both sides multiplied by a polynomial (去分母).
// Sides may change places (6＝2x → 2x＝6, the inequality sign turned with them). Lines with "±",
// "或" or several equations are judged by their solutions alone.
#pragma once

#include "marking/EquationReading.h"

#include <string>

namespace qimbel::marking {

enum class MoveVerdict {
    Right, // a school move, or a composition of them as listed above
    Wrong, // no such move gives the line
    DirectionKept, // the move is right but the inequality sign was not turned for a negative number
    Unknown, // not judged by moves (the lines are not two single relations that can be read)
};

// The verdict for `next` written after `previous`, both lines in the unknown u.
MoveVerdict JudgeMove(const OneUnknownLine &previous, const OneUnknownLine &next, char u);

// True when the line follows `previous` by a right move and has the solutions of `target`.
bool RightStepText(const OneUnknownLine &previous, const std::string &text, const SolutionSet &target, char u,
    const std::vector<SurdNumber> &domain);

} // namespace qimbel::marking
