#include "numbers/NumberText.h"
#include "solver/Solver.h"

namespace qimbel {

// The factor filter: keeps the numbers that divide every number of the clause (公因数), or, in a
// negated clause, those that divide none of them. A number that is not a whole number other than
// 0 is never a factor. A clause without numbers keeps the list.
void Solver::YinShuShaiXuan(std::string clause, StringArray &numbers)
{
    numbers::KeepRelated(
        *this, clause, numbers, [](const std::string &x, const std::string &y) { return numbers::DividesText(x, y); });
}

} // namespace qimbel
