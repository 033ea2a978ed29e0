#include "solver/Solver.h"

namespace qimbel {

// Cuts a sentence into its clauses at the Chinese punctuation marks. Clauses are inserted at
// index 0, so the last clause ends up first; a final clause without a closing mark is dropped.
void Solver::FenJu(std::string text, StringArray &clauses)
{
    if (text.empty() || GetBiaoDian(text).empty())
        return;
    while (!text.empty()) {
        const std::string mark = GetBiaoDian(text);
        if (mark.empty())
            break;
        const int p = Find(text, mark);
        const std::string clause = Trim(Left(text, p));
        text = Trim(Mid(text, p + Len(mark)));
        if (!clause.empty())
            clauses.InsertAt(0, clause);
    }
}

} // namespace qimbel
