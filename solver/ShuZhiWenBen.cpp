#include "solver/Solver.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace qimbel {

// The text every routine gives a computed real number: printed with six decimals ("%lf") and
// stripped by QuLing. Large values print all their digits (1e20 gives 21 digits).
std::string Solver::ShuZhiWenBen(double value)
{
#if defined(__cpp_lib_to_chars)
    // The same digits as "%lf" (the fixed format with six decimals, rounded alike), without the
    // cost of printf; 1e308 takes 309 digits before the point.
    if (std::isfinite(value)) {
        char buffer[400];
        const std::to_chars_result done
            = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
        if (done.ec == std::errc())
            return QuLing(std::string(buffer, done.ptr));
    }
#endif
    const int needed = std::snprintf(nullptr, 0, "%lf", value);
    if (needed <= 0)
        return {};
    std::vector<char> buffer(static_cast<std::size_t>(needed) + 1);
    std::snprintf(buffer.data(), buffer.size(), "%lf", value);
    return QuLing(std::string(buffer.data(), static_cast<std::size_t>(needed)));
}

} // namespace qimbel
