#include "numbers/NumberText.h"
#include "solver/Solver.h"

namespace qimbel {

// The total of a number list; an empty entry counts as 0.
std::string Solver::ZongShu(const StringArray &numbers)
{
    double total = 0;
    for (int i = 0; i < numbers.GetSize(); ++i)
        total += numbers::LeadingValue(numbers.GetAt(i));
    return ShuZhiWenBen(total);
}

} // namespace qimbel
