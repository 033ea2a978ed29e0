// Speed of factorisation and of the roots of a quadratic: a line of the 初中计算题 page must be
// answered at once, even for a polynomial of high degree or with coefficients that have very many
// divisors (the searches give up beyond a fixed number of divisor pairs).
#include "solver/Solver.h"

#include <benchmark/benchmark.h>

using namespace qimbel;

static void BM_YinShiFenJie(benchmark::State &state, const char *polynomial, int method)
{
    Solver s;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.YinShiFenJie(polynomial, method, 5));
}

BENCHMARK_CAPTURE(BM_YinShiFenJie, combined_quadratic, "x^2－5x＋6", 8);
BENCHMARK_CAPTURE(BM_YinShiFenJie, combined_common_then_formula, "a^2b－b^3", 8);
BENCHMARK_CAPTURE(BM_YinShiFenJie, combined_quartic_by_roots, "(x－1)(x＋2)(2x－3)(x＋4)", 8);
BENCHMARK_CAPTURE(BM_YinShiFenJie, combined_twentieth_power, "(x＋1)^20", 8);
BENCHMARK_CAPTURE(BM_YinShiFenJie, roots_many_divisors, "963761198400x^3＋x＋963761198400", 6);
BENCHMARK_CAPTURE(BM_YinShiFenJie, cross_many_divisors, "963761198400x^2＋x＋963761198400", 4);

static void BM_ErCiFangChengGen(benchmark::State &state, const char *c)
{
    Solver s;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.ErCiFangChengGen("1", "0", c, "x"));
}

BENCHMARK_CAPTURE(BM_ErCiFangChengGen, small_surd, "－12");
BENCHMARK_CAPTURE(BM_ErCiFangChengGen, largest_coefficient_prime_square_part, "－999999937");
