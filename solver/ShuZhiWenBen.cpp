#include "solver/Solver.h"

#include <cstdio>
#include <vector>

namespace qimbel {

// The text every routine gives a computed real number: printed with six decimals ("%lf") and
// stripped by QuLing. Large values print all their digits (1e20 gives 21 digits).
std::string Solver::ShuZhiWenBen(double value)
{
    const int needed = std::snprintf(nullptr, 0, "%lf", value);
    if (needed <= 0)
        return {};
    std::vector<char> buffer(static_cast<std::size_t>(needed) + 1);
    std::snprintf(buffer.data(), buffer.size(), "%lf", value);
    return QuLing(std::string(buffer.data(), static_cast<std::size_t>(needed)));
}

} // namespace qimbel
