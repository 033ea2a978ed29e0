// Speed of the text utilities that every page runs over the whole text box.
#include "pages/CheckText.h"
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

// The whole check over a text box whose lines start with signs and brackets.
static void BM_CheckTextBox(benchmark::State &state)
{
    std::string box;
    for (int i = 0; i < state.range(0); ++i)
        box += "-3 + 4*2 >= （1 - x）/2\r\n";
    for (auto _ : state) {
        std::string text = box;
        NormaliseCheckedText(text, true);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_CheckTextBox)->Arg(10)->Arg(1000);
