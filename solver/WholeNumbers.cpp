#include "solver/WholeNumbers.h"

#include <cmath>

namespace qimbel {

long long GcdOf(long long a, long long b)
{
    unsigned long long x = a < 0 ? 0ULL - static_cast<unsigned long long>(a) : static_cast<unsigned long long>(a);
    unsigned long long y = b < 0 ? 0ULL - static_cast<unsigned long long>(b) : static_cast<unsigned long long>(b);
    while (y != 0) {
        const unsigned long long r = x % y;
        x = y;
        y = r;
    }
    return static_cast<long long>(x);
}

long long SquareRootFloor(long long n)
{
    if (n <= 0)
        return 0;
    // The double estimate is off by a little for large n; the loops correct it exactly.
    long long r = static_cast<long long>(std::sqrt(static_cast<double>(n)));
    while (r > 0 && static_cast<__int128>(r) * r > n)
        --r;
    while (static_cast<__int128>(r + 1) * (r + 1) <= n)
        ++r;
    return r;
}

} // namespace qimbel
