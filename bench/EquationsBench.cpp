// Speed of the equation solvers, on a pupil's problem and on long typed sides whose
// simplification takes one round per operation.
#include "solver/Solver.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace qimbel;

static void BM_LinearWorkedExample(benchmark::State &state)
{
    Solver s;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.YiCiDengShi("3x＋5＝x－7", "x", 5));
}
BENCHMARK(BM_LinearWorkedExample);

// x＝1＋2＋…＋n: n − 1 simplification rounds on the right side.
static void BM_LinearLongRightSide(benchmark::State &state)
{
    Solver s;
    std::string equation = "x＝1";
    for (int i = 2; i <= state.range(0); ++i)
        equation += "＋" + std::to_string(i);
    for (auto _ : state)
        benchmark::DoNotOptimize(s.YiCiDengShi(equation, "x", 5));
}
BENCHMARK(BM_LinearLongRightSide)->Arg(10)->Arg(100)->Arg(400);

static void BM_LinearSystem(benchmark::State &state)
{
    Solver s;
    StringArray equations;
    equations.InsertAt(0, "2x＋3y＝12");
    equations.InsertAt(0, "x－y＝1");
    StringArray letters;
    s.GetWeiZhiShu("x＋y", letters);
    for (auto _ : state)
        benchmark::DoNotOptimize(s.FangChengZu(equations, letters));
}
BENCHMARK(BM_LinearSystem);
