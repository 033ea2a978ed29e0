// 批改 of a system of two linear equations in two unknowns (二元一次方程组). The pupil's working is
// held as a pair of equations with the same solutions as the system: a step that gives one
// equation is right when every solution of the pair satisfies it, and it takes the place of the
// equation it makes redundant; a line with two equations (x＝3，y＝2) must have the same solutions.
#pragma once

#include "marking/EquationReading.h"
#include "marking/MarkedProblem.h"

#include <string>
#include <vector>

namespace qimbel::marking {

// The solutions of two linear equations: one point, a line (every solution of `line`), none, or
// every pair.
struct PairSet {
    enum class Kind { Point, Line, None, All };
    Kind kind = Kind::All;
    Rational x {0, 1}, y {0, 1};
    LinearEquation line;
};

PairSet Solved(const LinearEquation &first, const LinearEquation &second);
bool SamePairSet(const PairSet &a, const PairSet &b);
// Every solution of the set satisfies the equation.
bool Implied(const LinearEquation &e, const PairSet &set);

// The problem is the first line when it holds both equations, else the first two lines.
MarkedProblem MarkSystemWorking(const std::vector<std::string> &lines);

} // namespace qimbel::marking

namespace qimbel {
using marking::MarkSystemWorking;
}
