#include "numbers/EntryValue.h"
#include "numbers/NumberText.h"
#include "solver/Solver.h"

namespace qimbel {

// The total of a number list, exact when every entry has an exact value; an empty entry counts
// as 0.
std::string Solver::ZongShu(const StringArray &numbers)
{
    StringArray filled;
    for (int i = 0; i < numbers.GetSize(); ++i)
        filled.Add(numbers.GetAt(i).empty() ? std::string("0") : numbers.GetAt(i));
    if (const std::optional<Rational> total = numbers::ExactSum(filled))
        return numbers::EntryText(*total);
    double total = 0;
    for (int i = 0; i < numbers.GetSize(); ++i)
        total += numbers::EntryDouble(numbers.GetAt(i));
    return ShuZhiWenBen(total);
}

} // namespace qimbel
