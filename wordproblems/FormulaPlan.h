// Planning which formulas of a formula file to evaluate, and in which order, to reach a quantity.
#pragma once

#include "solver/Solver.h"

#include <string>
#include <vector>

namespace qimbel::wordproblems {

// Formulas tried in one problem at most: a file whose formulas refer to each other in ever new
// ways cannot keep the page busy.
inline constexpr int kPlanBudget = 5000;

// The work of one problem: the file's quantities with their values ("未知" until known), its
// formulas, the quantities being worked out (used heads) and the formulas to evaluate in order.
struct FormulaWork {
    StringArray quantities;
    StringArray values;
    StringArray formulas;
    StringArray usedHeads;
    StringArray applyList;
    int budget = kPlanBudget;
    // The head of each formula, by index, read once: planning asks for them again and again.
    std::vector<std::string> heads;
};

// True when the quantity has a value, or a formula of the apply list gives it one.
bool IsAvailable(const FormulaWork &work, const std::string &quantity);

// Puts on the apply list a formula for `quantity` (which the caller has entered into the used
// heads) after the formulas that its unknown inputs need. A formula whose inputs are all
// available is taken first; else the first formula of the file whose inputs can be worked out.
// False, with the lists as they were, when no formula can be evaluated.
bool WorkOutQuantity(Solver &solver, FormulaWork &work, const std::string &quantity);

} // namespace qimbel::wordproblems
