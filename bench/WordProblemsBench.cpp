// Speed of a formula word problem, whole solution: reading the formula file, planning the
// formulas and working each one. A typical problem should be solved well under a millisecond.
#include "solver/InputLimits.h"
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

namespace {

// A relation between two quantities and a conversion of units before the formulas.
BENCHMARK_CAPTURE(WordProblem, RelationAndUnits,
    std::string("〖长方形〗长方形的长是2.5米，宽比长少5分米，求周长是多少分米？"))
    ->Unit(benchmark::kMicrosecond);
// A quantity under a square: the root is taken after the formula.
BENCHMARK_CAPTURE(WordProblem, Root, std::string("〖圆〗圆的面积是28.26平方米，求半径是多少米？"))
    ->Unit(benchmark::kMicrosecond);
// The longest line the page takes, of relations and conversions, asking for every quantity.
std::string LongestLine()
{
    std::string line = "〖长方体〗";
    const std::string end = "求长、宽、高、底面积、体积、表面积、棱长总和各是多少？";
    while (Len(line) + Len("长是宽的3/5，宽比高少2分米，高是1.5米，") + Len(end) <= kLongestWordProblemLine)
        line += "长是宽的3/5，宽比高少2分米，高是1.5米，";
    return line + end;
}
BENCHMARK_CAPTURE(WordProblem, LongestLine, LongestLine())->Unit(benchmark::kMicrosecond);

} // namespace
