// Speed of the text utilities that every page runs over the whole text box.
#include "solver/Solver.h"

#include <benchmark/benchmark.h>

using namespace qimbel;

static void BM_TiHuanTextBox(benchmark::State &state)
{
    Solver s;
    std::string box;
    for (int i = 0; i < state.range(0); ++i)
        box += "3+4*2-1/2 = x\r\n";
    for (auto _ : state) {
        std::string text = box;
        s.TiHuan(text, "+", "＋");
        s.TiHuan(text, "-", "－");
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_TiHuanTextBox)->Arg(10)->Arg(1000);
