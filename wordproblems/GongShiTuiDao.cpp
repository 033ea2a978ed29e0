#include "wordproblems/FormulaPlan.h"
#include "wordproblems/FormulaText.h"

namespace qimbel {

namespace wordproblems {

namespace {

bool Holds(const StringArray &array, const std::string &text)
{
    for (int i = 0; i < array.GetSize(); ++i)
        if (array[i] == text)
            return true;
    return false;
}

bool InputsAvailable(const FormulaWork &work, const std::string &formula)
{
    for (const std::string &input : FormulaInputs(formula))
        if (!IsAvailable(work, input))
            return false;
    return true;
}

} // namespace

bool IsAvailable(const FormulaWork &work, const std::string &quantity)
{
    for (int i = 0; i < work.quantities.GetSize(); ++i)
        if (work.quantities[i] == quantity)
            if (work.values[i] != kUnknown)
                return true;
    for (int i = 0; i < work.applyList.GetSize(); ++i)
        if (FormulaHead(work.applyList[i]) == quantity)
            return true;
    return false;
}

bool WorkOutQuantity(Solver &solver, FormulaWork &work, const std::string &quantity)
{
    if (work.heads.size() != static_cast<std::size_t>(work.formulas.GetSize())) {
        work.heads.clear();
        for (int i = 0; i < work.formulas.GetSize(); ++i)
            work.heads.push_back(FormulaHead(work.formulas[i]));
    }
    // The formulas in the order of the file: the array holds the last key first.
    for (const bool ready : {true, false}) {
        for (int i = work.formulas.GetSize() - 1; i >= 0; --i) {
            if (work.heads[static_cast<std::size_t>(i)] != quantity)
                continue;
            const std::string &formula = work.formulas[i];
            if (InputsAvailable(work, formula) != ready)
                continue;
            if (solver.GongShiTuiDao(formula, work))
                return true;
        }
    }
    return false;
}

} // namespace wordproblems

// Puts `formula` on the apply list behind the formulas that give its unknown inputs. Each unknown
// input is entered into the used heads while it is worked out, so a formula that needs, through
// others, the quantity it is meant to give fails instead of going round for ever; every formula
// goes on the list at most once, since it only goes there while its head has no value. False,
// with both lists as they were, when an input cannot be worked out or the budget is spent.
bool Solver::GongShiTuiDao(std::string formula, wordproblems::FormulaWork &work)
{
    if (work.budget <= 0)
        return false;
    --work.budget;
    const int usedMark = work.usedHeads.GetSize();
    const int applyMark = work.applyList.GetSize();
    for (const std::string &input : wordproblems::FormulaInputs(formula)) {
        if (wordproblems::IsAvailable(work, input))
            continue;
        bool cycle = wordproblems::Holds(work.usedHeads, input);
        if (!cycle)
            work.usedHeads.Add(input);
        if (cycle || !wordproblems::WorkOutQuantity(*this, work, input)) {
            work.usedHeads.SetSize(usedMark);
            work.applyList.SetSize(applyMark);
            return false;
        }
    }
    work.applyList.Add(formula);
    return true;
}

} // namespace qimbel
