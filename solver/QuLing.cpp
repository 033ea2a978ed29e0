#include "solver/Solver.h"

namespace qimbel {

// Drops trailing zeros after the point, and the point itself when nothing is left behind it.
// Zeros before the point are never touched: 120 stays 120, 2.500000 becomes 2.5.
std::string Solver::QuLing(std::string number)
{
    const int dot = Find(number, ".");
    if (dot < 0)
        return number;
    // The zeros at the end of the decimals go, then the point when nothing follows it.
    std::size_t end = number.size();
    while (end > static_cast<std::size_t>(dot) && number[end - 1] == '0')
        --end;
    if (end == static_cast<std::size_t>(dot) + 1)
        --end;
    number.resize(end);
    return number;
}

} // namespace qimbel
