// Speed of the factor and multiple routines on the largest 32-bit inputs: each must answer in
// well under a millisecond (trial division to the square root, divisors in pairs, gcd).
#include "solver/Solver.h"

#include <benchmark/benchmark.h>

using namespace qimbel;

static void BM_Routine(benchmark::State &state, std::string (Solver::*routine)(std::string), const char *input)
{
    Solver s;
    for (auto _ : state)
        benchmark::DoNotOptimize((s.*routine)(input));
}

BENCHMARK_CAPTURE(BM_Routine, fenjieyinshu_largest_prime, &Solver::fenjieyinshu, "2147483647");
BENCHMARK_CAPTURE(BM_Routine, fenjieyinshu_square_of_a_prime, &Solver::fenjieyinshu, "2147117569");
BENCHMARK_CAPTURE(BM_Routine, GongYinShu_largest_pair, &Solver::GongYinShu, "2147483646,2147483647");
BENCHMARK_CAPTURE(BM_Routine, GongYinShu_all_factors, &Solver::GongYinShu, "2147483646");
BENCHMARK_CAPTURE(BM_Routine, BeiShu_coprime_large_numbers, &Solver::BeiShu, "2147483647和2147483646的公倍数");
BENCHMARK_CAPTURE(BM_Routine, YinShu_largest_pair, &Solver::YinShu, "2147483646和2147483647的公因数");
BENCHMARK_CAPTURE(BM_Routine, TongFen_large_denominators, &Solver::TongFen, "1/2147483647＋1/2147483646");
