#include "numbers/EntryValue.h"
#include "numbers/NumberText.h"
#include "solver/Solver.h"

namespace qimbel {

// The median. The list is sorted ascending in place by exact values; an odd list gives its middle
// entry as typed (2.50 stays 2.50), an even one the mean of the two middle values, exact when
// both have exact values. An empty list has none.
std::string Solver::ZhongWeiShu(StringArray &numbers)
{
    const int n = numbers.GetSize();
    if (n == 0)
        return {};
    numbers::ExchangeSort(numbers);
    if (n % 2 == 1)
        return numbers.GetAt(n / 2);
    StringArray middle;
    middle.Add(numbers.GetAt(n / 2 - 1));
    middle.Add(numbers.GetAt(n / 2));
    if (const std::optional<Rational> sum = numbers::ExactSum(middle))
        if (const std::optional<Rational> mean = RationalQuotient(*sum, Rational {2, 1}))
            return numbers::EntryText(*mean);
    const double sum = numbers::EntryDouble(numbers.GetAt(n / 2 - 1)) + numbers::EntryDouble(numbers.GetAt(n / 2));
    return ShuZhiWenBen(sum / 2);
}

} // namespace qimbel
