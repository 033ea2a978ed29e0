#include "numbers/NumberText.h"
#include "solver/Solver.h"

namespace qimbel {

// The median. The list is sorted ascending in place; an odd list gives its middle entry as typed
// (2.50 stays 2.50), an even one the mean of the two middle values. An empty list has none.
std::string Solver::ZhongWeiShu(StringArray &numbers)
{
    const int n = numbers.GetSize();
    if (n == 0)
        return {};
    numbers::ExchangeSort(numbers);
    if (n % 2 == 1)
        return numbers.GetAt(n / 2);
    const double sum = numbers::LeadingValue(numbers.GetAt(n / 2 - 1)) + numbers::LeadingValue(numbers.GetAt(n / 2));
    return ShuZhiWenBen(sum / 2);
}

} // namespace qimbel
