// Speed of a formula word problem, whole solution: reading the formula file, planning the
// formulas and working each one. A typical problem should be solved well under a millisecond.
#include "solver/Solver.h"
#include "wordproblems/FormulaFile.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace qimbel;

namespace {

void WordProblem(benchmark::State &state, const std::string &line)
{
    Solver solver;
    const std::string folder = wordproblems::FormulaFolder(solver.GetLuJing());
    for (auto _ : state)
        benchmark::DoNotOptimize(solver.GongShiJieTi(line, folder));
}

// Two formulas in a chain: 半径 from 直径, then 面积 from 半径.
BENCHMARK_CAPTURE(WordProblem, TwoFormulas, std::string("〖圆〗一个圆的直径是4厘米，求这个圆的面积是多少平方厘米？"))
    ->Unit(benchmark::kMicrosecond);
// The largest file of the library, four formulas to reach the surface of a cylinder.
BENCHMARK_CAPTURE(WordProblem, CylinderSurface,
    std::string("〖圆柱〗圆柱的底面半径是2厘米，高是5厘米，求圆柱的表面积是多少平方厘米？"))
    ->Unit(benchmark::kMicrosecond);
// Nothing leads to the asked quantity: the planner tries every road of the file.
BENCHMARK_CAPTURE(WordProblem, Unsolvable, std::string("〖长方体〗长方体的长是5厘米，求长方体的表面积是多少平方厘米？"))
    ->Unit(benchmark::kMicrosecond);

} // namespace
