// Speed of the fraction types: comparing two numbers, a fractional equation with its check, and
// sums and quotients of algebraic fractions in one and two letters. A line of a page must be
// answered at once.
#include "solver/Solver.h"

#include <benchmark/benchmark.h>

using namespace qimbel;

static void BM_DaXiaoBiJiao(benchmark::State &state, const char *line)
{
    Solver s;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.DaXiaoBiJiao(line, 5));
}

BENCHMARK_CAPTURE(BM_DaXiaoBiJiao, decimals, "3/4()0.7");
BENCHMARK_CAPTURE(BM_DaXiaoBiJiao, common_denominator, "0.333333和1/3");

static void BM_FenShiFangCheng(benchmark::State &state, const char *equation)
{
    Solver s;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.FenShiFangCheng(equation, "x", 5));
}

BENCHMARK_CAPTURE(BM_FenShiFangCheng, linear, "6÷x＋8÷(2x)＝10");
BENCHMARK_CAPTURE(BM_FenShiFangCheng, extraneous_root, "x÷(x－1)＝1÷(x－1)＋2");
BENCHMARK_CAPTURE(BM_FenShiFangCheng, quadratic, "1÷(x－1)＋1＝x^2÷(x－1)");

static void BM_FenShiSiZeYunSuan(benchmark::State &state, const char *expression)
{
    Solver s;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.FenShiSiZeYunSuan(expression, 5));
}

BENCHMARK_CAPTURE(BM_FenShiSiZeYunSuan, sum_one_letter, "1÷(x＋1)＋1÷(x－1)");
BENCHMARK_CAPTURE(BM_FenShiSiZeYunSuan, difference_two_letters, "1÷(x－y)－x÷(x^2－y^2)");
BENCHMARK_CAPTURE(BM_FenShiSiZeYunSuan, quotient, "x÷(x＋1)÷x^2÷(x＋1)");
BENCHMARK_CAPTURE(BM_FenShiSiZeYunSuan, high_powers, "1÷(x＋1)^8＋1÷(x－1)^8");
