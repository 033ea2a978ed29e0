#include "numbers/NumberText.h"
#include "solver/Solver.h"

namespace qimbel {

// The mean of a number list: total ÷ number of entries. An empty list has no mean (empty text).
std::string Solver::PingJunShu(const StringArray &numbers)
{
    if (numbers.IsEmpty())
        return {};
    double total = 0;
    for (int i = 0; i < numbers.GetSize(); ++i)
        total += numbers::LeadingValue(numbers.GetAt(i));
    return ShuZhiWenBen(total / numbers.GetSize());
}

} // namespace qimbel
