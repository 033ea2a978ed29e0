#include "solver/Solver.h"

namespace qimbel {

// The text repeated n times; the worked layouts build their runs of alignment blanks with it.
std::string Solver::ChongFu(int n, const std::string &text)
{
    std::string result;
    if (n <= 0 || text.empty())
        return result;
    if (text.size() == 1)
        return std::string(static_cast<std::size_t>(n), text[0]); // blanks of a padding, mostly
    result.reserve(static_cast<std::size_t>(n) * text.size());
    for (int i = 0; i < n; ++i)
        result += text;
    return result;
}

} // namespace qimbel
