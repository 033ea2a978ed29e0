#include "numbers/NumberText.h"
#include "solver/Solver.h"

namespace qimbel {

// The multiple filter: keeps the numbers divisible by every number of the clause (2和3的倍数,
// 能被2和3整除), or, in a negated clause, those divisible by none of them. A number that is not
// a whole number other than 0 is never a multiple. A clause without numbers keeps the list.
void Solver::BeiShuShaiXuan(std::string clause, StringArray &numbers)
{
    numbers::KeepRelated(
        *this, clause, numbers, [](const std::string &x, const std::string &y) { return numbers::DividesText(y, x); });
}

} // namespace qimbel
