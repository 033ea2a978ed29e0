// Speed of the number topics on long typed lines: sorting a pasted list, the question engine
// over it, and reading and writing long numbers.
#include "solver/Solver.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace qimbel;

namespace {

std::string NumberLine(int count)
{
    std::string line;
    for (int i = count; i > 0; --i)
        line += std::to_string(i * 7919 % 10007) + ",";
    return line;
}

void BM_PaiXu(benchmark::State &state)
{
    Solver s;
    const std::string line = NumberLine(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(s.PaiXu(line));
}
BENCHMARK(BM_PaiXu)->Arg(100)->Arg(1000)->Arg(4000);

void BM_ShuDeXingZhi(benchmark::State &state)
{
    Solver s;
    StringArray lines;
    lines.InsertAt(0, NumberLine(static_cast<int>(state.range(0))));
    lines.InsertAt(0, "哪些是质数，哪些不是奇数？");
    lines.InsertAt(0, "哪些数能被2和3整除？");
    lines.InsertAt(0, "这组数据的中位数是()。");
    for (auto _ : state)
        benchmark::DoNotOptimize(s.ShuDeXingZhi(lines));
}
BENCHMARK(BM_ShuDeXingZhi)->Arg(100)->Arg(1000);

void BM_ReadAndWrite(benchmark::State &state)
{
    Solver s;
    for (auto _ : state) {
        benchmark::DoNotOptimize(s.ShuDeDuFa("1234567890123456.0123456789", 5));
        benchmark::DoNotOptimize(s.ShuDeXieFa("一千二百三十四兆五千六百七十八亿九千零一十二万三千四百五十六点七八", 5));
    }
}
BENCHMARK(BM_ReadAndWrite);

void BM_GetJinSiZhi(benchmark::State &state)
{
    Solver s;
    const std::string line = std::string(2000, '9') + "." + std::string(2000, '9') + "精确到百分位";
    for (auto _ : state)
        benchmark::DoNotOptimize(s.GetJinSiZhi(line, 5));
}
BENCHMARK(BM_GetJinSiZhi);

// The means that take a root over a pasted list: the exact attempt, then six decimals.
void BM_RootMeans(benchmark::State &state)
{
    Solver s;
    StringArray list;
    for (int i = 0; i < state.range(0); ++i)
        list.Add(std::to_string(1 + i % 97) + ".5");
    for (auto _ : state) {
        benchmark::DoNotOptimize(s.JiHePingJunShu(list));
        benchmark::DoNotOptimize(s.PingFangPingJunShu(list));
    }
}
BENCHMARK(BM_RootMeans)->Arg(8)->Arg(10000);

} // namespace
