// Speed of 批改: a pupil's ten-step solution (with one slip, so the slips are searched and
// Qimbel's own step is worked out) should be marked in well under 2 ms.
#include "marking/MarkWorking.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace qimbel;

namespace {

// 整式四则运算, ten steps; step 7 leaves out a product (漏乘).
const char *const kPolynomialWorking = "(x+1)(x+2)+(x-3)(x+4)-2(x-1)^2+3(x-5)\r\n"
                                       "＝x^2+2x+x+2+(x-3)(x+4)-2(x-1)^2+3(x-5)\r\n"
                                       "＝x^2+3x+2+(x-3)(x+4)-2(x-1)^2+3(x-5)\r\n"
                                       "＝x^2+3x+2+x^2+4x-3x-12-2(x-1)^2+3(x-5)\r\n"
                                       "＝x^2+3x+2+x^2+x-12-2(x-1)^2+3(x-5)\r\n"
                                       "＝x^2+3x+2+x^2+x-12-2(x^2-2x+1)+3(x-5)\r\n"
                                       "＝x^2+3x+2+x^2+x-12-2x^2+4x-2+3(x-5)\r\n"
                                       "＝x^2+3x+2+x^2+x-12-2x^2+4x-2+3x-5\r\n"
                                       "＝2x^2-2x^2+3x+x+4x+3x+2-12-2-5\r\n"
                                       "＝11x+2-12-2-5\r\n"
                                       "＝11x-17";

// 有理数四则运算, ten steps, all right.
const char *const kNumberWorking = "1/2+1/3+1/4+(36-18)÷3×4-2.5×4\r\n"
                                   "＝1/2+1/3+1/4+18÷3×4-2.5×4\r\n"
                                   "＝1/2+1/3+1/4+6×4-2.5×4\r\n"
                                   "＝1/2+1/3+1/4+24-2.5×4\r\n"
                                   "＝1/2+1/3+1/4+24-10\r\n"
                                   "＝5/6+1/4+24-10\r\n"
                                   "＝10/12+3/12+24-10\r\n"
                                   "＝13/12+24-10\r\n"
                                   "＝13/12+14\r\n"
                                   "＝1+1/12+14\r\n"
                                   "＝181/12";

void BM_MarkTenPolynomialSteps(benchmark::State &state)
{
    Solver solver;
    for (auto _ : state)
        benchmark::DoNotOptimize(MarkWorking(solver, 21, kPolynomialWorking));
}
BENCHMARK(BM_MarkTenPolynomialSteps)->Unit(benchmark::kMicrosecond);

void BM_MarkTenNumberSteps(benchmark::State &state)
{
    Solver solver;
    for (auto _ : state)
        benchmark::DoNotOptimize(MarkWorking(solver, 20, kNumberWorking));
}
BENCHMARK(BM_MarkTenNumberSteps)->Unit(benchmark::kMicrosecond);

} // namespace
