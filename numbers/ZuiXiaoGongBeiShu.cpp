#include "numbers/FactorMath.h"
#include "solver/Solver.h"

namespace qimbel {

// The least common multiple of a comma list: 4,6 gives 12. Zeros are left out and signs
// dropped; a list without any other number gives the empty text, a multiple beyond 64 bits
// kTooLarge.
std::string Solver::ZuiXiaoGongBeiShu(std::string list)
{
    std::vector<long long> values;
    if (!NonZeroMagnitudes(list, values))
        return kTooLarge;
    if (values.empty())
        return {};
    long long lcm = 0;
    if (!Lcm(values, lcm))
        return kTooLarge;
    return IntText(lcm);
}

} // namespace qimbel
