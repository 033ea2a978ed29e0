// Whole-number helpers shared by the exact answers (roots, ratios, factorisation).
#pragma once

namespace qimbel {

// Greatest common divisor of the magnitudes of a and b (gcd(x, 0) = |x|), also for the
// smallest 64-bit value.
long long GcdOf(long long a, long long b);

// The largest r with r·r ≤ n, for n ≥ 0.
long long SquareRootFloor(long long n);

} // namespace qimbel
