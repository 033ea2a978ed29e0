#include "numbers/FactorMath.h"
#include "solver/Solver.h"

namespace qimbel {

// True when numerator and denominator of a/b have a common factor greater than 1. A fraction
// with a zero part, without "/" or with a part too long to read is not reducible.
bool Solver::KeYueFen(std::string fraction)
{
    const int bar = Find(fraction, "/");
    if (bar < 0)
        return false;
    long long a = 0;
    long long b = 0;
    if (!LeadingInteger(Trim(Left(fraction, bar)), a) || !LeadingInteger(Trim(Mid(fraction, bar + 1)), b))
        return false;
    if (a == 0 || b == 0)
        return false;
    return Gcd(a < 0 ? -a : a, b < 0 ? -b : b) > 1;
}

} // namespace qimbel
