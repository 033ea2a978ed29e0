#include "numbers/FactorMath.h"
#include "solver/Solver.h"

namespace qimbel {

// Reduces a/b by the greatest common factor g of its parts and explains it:
// 6/9 gives 2/3┃约分:6÷3/9÷3, 6/3 gives 2┃约分:6÷3/3÷3. A fraction that cannot be reduced
// (see KeYueFen) gives the empty text.
std::string Solver::YueFen(std::string fraction)
{
    if (!KeYueFen(fraction))
        return {};
    const int bar = Find(fraction, "/");
    long long a = 0;
    long long b = 0;
    LeadingInteger(Trim(Left(fraction, bar)), a);
    LeadingInteger(Trim(Mid(fraction, bar + 1)), b);
    const long long g = Gcd(a < 0 ? -a : a, b < 0 ? -b : b);
    const long long p = a / g;
    const long long q = b / g;
    const std::string explanation = IntText(a) + "÷" + IntText(g) + "/" + IntText(b) + "÷" + IntText(g);
    return IntText(p) + (q == 1 ? "" : "/" + IntText(q)) + "┃约分:" + explanation;
}

} // namespace qimbel
