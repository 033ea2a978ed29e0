#include "numbers/EntryValue.h"
#include "numbers/NumberText.h"
#include "solver/Solver.h"

namespace qimbel {

// The population variance: the mean squared distance from the mean, divided by the number of
// entries. The mean is taken as the pupil sees it in decimals, formatted with six places and read back.
std::string Solver::FangCha(const StringArray &numbers)
{
    const std::string mean = PingJunShu(numbers);
    if (mean.empty())
        return {};
    const double m = numbers::LeadingValue(ShuZhiWenBen(numbers::EntryDouble(mean)));
    double sum = 0;
    for (int i = 0; i < numbers.GetSize(); ++i) {
        const double d = numbers::EntryDouble(numbers.GetAt(i)) - m;
        sum += d * d;
    }
    return ShuZhiWenBen(sum / numbers.GetSize());
}

} // namespace qimbel
