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

long long Gcd(long long a, long long b)
{
    while (b != 0) {
        const long long r = a % b;
        a = b;
        b = r;
    }
    return a;
}

bool Lcm(const std::vector<long long> &values, long long &lcm)
{
    lcm = 1;
    for (long long v : values) {
        const long long step = v / Gcd(lcm, v);
        if (__builtin_mul_overflow(lcm, step, &lcm))
            return false;
    }
    return true;
}

std::vector<long long> FactorsOf(long long n)
{
    std::vector<long long> small;
    std::vector<long long> large;
    for (long long i = 1; i * i <= n; ++i)
        if (n % i == 0) {
            small.push_back(i);
            if (i != n / i)
                large.push_back(n / i);
        }
    small.insert(small.end(), large.rbegin(), large.rend());
    return small;
}

} // namespace qimbel
