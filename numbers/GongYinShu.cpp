#include "numbers/FactorMath.h"
#include "solver/Solver.h"

#include <climits>

namespace qimbel {

// The common factors of a comma list, ascending, joined by ",": 12,18 gives 1,2,3,6 and one
// number gives all its factors. They are the factors of the greatest common divisor, found in
// pairs up to its square root. Zeros are left out and signs dropped; a list without any other
// number gives the empty text, a divisor beyond 32 bits kTooLarge.
std::string Solver::GongYinShu(std::string list)
{
    std::vector<long long> values;
    if (!NonZeroMagnitudes(list, values))
        return kTooLarge;
    if (values.empty())
        return {};
    long long g = 0;
    for (long long v : values)
        g = Gcd(g, v);
    if (g > INT_MAX)
        return kTooLarge;
    std::string result;
    for (long long f : FactorsOf(g))
        result += (result.empty() ? "" : ",") + IntText(f);
    return result;
}

} // namespace qimbel
