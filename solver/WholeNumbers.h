// Whole-number theory shared by the families above: divisors, common divisors and multiples,
// square roots. It knows nothing of texts.
#pragma once

#include <vector>

namespace qimbel {

// Greatest common divisor of the magnitudes of a and b (gcd(x, 0) = |x|), also for the
// smallest 64-bit value.
long long GcdOf(long long a, long long b);

// The largest r with r·r ≤ n, for n ≥ 0.
long long SquareRootFloor(long long n);

// Greatest common divisor of two magnitudes (gcd(x, 0) = x).
long long Gcd(long long a, long long b);

// Least common multiple of positive values; false when it does not fit in 64 bits.
bool Lcm(const std::vector<long long> &values, long long &lcm);

// The factors of a positive n up to 2^31 - 1, ascending, found in pairs up to its square root.
std::vector<long long> FactorsOf(long long n);

} // namespace qimbel
