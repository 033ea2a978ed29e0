#include "numbers/EntryValue.h"
#include "numbers/NumberText.h"
#include "solver/Solver.h"

namespace qimbel {

// The mean of a number list: total ÷ number of entries, exact (13/36 for 1/2, 1/3, 1/4) when every
// entry has an exact value. An empty list has no mean (empty text).
std::string Solver::PingJunShu(const StringArray &numbers)
{
    if (numbers.IsEmpty())
        return {};
    if (const std::optional<Rational> total = numbers::ExactSum(numbers))
        if (const std::optional<Rational> mean = RationalQuotient(*total, Rational {numbers.GetSize(), 1}))
            return numbers::EntryText(*mean);
    double total = 0;
    for (int i = 0; i < numbers.GetSize(); ++i)
        total += numbers::EntryDouble(numbers.GetAt(i));
    return ShuZhiWenBen(total / numbers.GetSize());
}

} // namespace qimbel
