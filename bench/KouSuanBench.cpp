// The 口算练习生成器: a sheet of 200 problems made, checked against typed answers, and laid out
// for printing.
#include "generators/KouSuanGenerator.h"
#include "generators/KouSuanPractice.h"
#include "generators/KouSuanSheet.h"

#include <benchmark/benchmark.h>

using namespace qimbel::kousuan;

namespace {

Options Largest()
{
    Options o;
    o.add = o.sub = o.mul = o.div = true;
    o.range = 1000;
    o.remainder = true;
    o.blank = BlankChoice::Mixed;
    o.count = 200;
    return o;
}

void BM_Generate200(benchmark::State &state)
{
    Options o = Largest();
    for (auto _ : state) {
        ++o.seed;
        benchmark::DoNotOptimize(Generate(o));
    }
}
BENCHMARK(BM_Generate200);

void BM_Practise200(benchmark::State &state)
{
    const std::vector<Problem> sheet = Generate(Largest());
    for (auto _ : state) {
        Practice practice(sheet);
        for (std::size_t i = 0; i < sheet.size(); ++i)
            practice.Answer(i, AnswerText(sheet[i]));
        benchmark::DoNotOptimize(practice.Report(100));
    }
}
BENCHMARK(BM_Practise200);

void BM_SheetPages200(benchmark::State &state)
{
    const std::vector<Problem> sheet = Generate(Largest());
    for (auto _ : state)
        benchmark::DoNotOptimize(SheetPages(sheet, 1));
}
BENCHMARK(BM_SheetPages200);

} // namespace
