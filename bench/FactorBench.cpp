// Speed of the factor and multiple routines on the largest 32-bit inputs: each must answer in
// well under a millisecond (trial division to the square root, divisors in pairs, gcd).
#include "solver/Solver.h"

#include <benchmark/benchmark.h>

using namespace qimbel;

static void BM_FenjieyinshuLargestPrime(benchmark::State &state)
{
    Solver s;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.fenjieyinshu("2147483647"));
}
BENCHMARK(BM_FenjieyinshuLargestPrime);

static void BM_FenjieyinshuSquareOfAPrime(benchmark::State &state)
{
    Solver s;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.fenjieyinshu("2147117569"));
}
BENCHMARK(BM_FenjieyinshuSquareOfAPrime);

static void BM_GongYinShuLargestPair(benchmark::State &state)
{
    Solver s;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.GongYinShu("2147483646,2147483647"));
}
BENCHMARK(BM_GongYinShuLargestPair);

static void BM_GongYinShuAllFactors(benchmark::State &state)
{
    Solver s;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.GongYinShu("2147483646"));
}
BENCHMARK(BM_GongYinShuAllFactors);

static void BM_BeiShuCoprimeLargeNumbers(benchmark::State &state)
{
    Solver s;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.BeiShu("2147483647和2147483646的公倍数"));
}
BENCHMARK(BM_BeiShuCoprimeLargeNumbers);

static void BM_YinShuLargestPair(benchmark::State &state)
{
    Solver s;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.YinShu("2147483646和2147483647的公因数"));
}
BENCHMARK(BM_YinShuLargestPair);

static void BM_TongFenLargeDenominators(benchmark::State &state)
{
    Solver s;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.TongFen("1/2147483647＋1/2147483646"));
}
BENCHMARK(BM_TongFenLargeDenominators);
