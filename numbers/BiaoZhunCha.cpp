#include "numbers/NumberText.h"
#include "solver/Solver.h"

#include <cmath>

namespace qimbel {

// The standard deviation: the square root of the variance as formatted.
std::string Solver::BiaoZhunCha(const StringArray &numbers)
{
    const std::string variance = FangCha(numbers);
    if (variance.empty())
        return {};
    return ShuZhiWenBen(std::sqrt(numbers::LeadingValue(variance)));
}

} // namespace qimbel
