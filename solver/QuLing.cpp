#include "solver/Solver.h"

namespace qimbel {

// Drops trailing zeros after the point, and the point itself when nothing is left behind it.
// Zeros before the point are never touched: 120 stays 120, 2.500000 becomes 2.5.
std::string Solver::QuLing(std::string number)
{
    const int dot = Find(number, ".");
    if (dot < 0)
        return number;
    std::string whole = Left(number, dot);
    std::string fraction = Mid(number, dot);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (fraction == ".")
        fraction.clear();
    return whole + fraction;
}

} // namespace qimbel
