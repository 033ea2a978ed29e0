// Speed of 小学数学四则运算自动出题系统: a whole paper with its worked answer key, per grade, and the
// largest paper the window allows. A click on 出题 should answer at once.
#include "generators/ShiJuan.h"

#include <benchmark/benchmark.h>

using namespace qimbel::shijuan;

namespace {

void UsualPaper(benchmark::State &state)
{
    ShiJuanSheZhi settings = MoRenSheZhi(static_cast<int>(state.range(0)));
    settings.decimals = state.range(0) >= 5;
    for (auto _ : state) {
        ++settings.seed;
        benchmark::DoNotOptimize(QuanWenBen(ZuShiJuan(settings)));
    }
}
BENCHMARK(UsualPaper)->DenseRange(1, 6)->Unit(benchmark::kMillisecond);

void LargestPaper(benchmark::State &state)
{
    ShiJuanSheZhi settings = MoRenSheZhi(6);
    settings.counts = {kZuiDuoTiShu, kZuiDuoTiShu, kZuiDuoTiShu, kZuiDuoTiShu};
    settings.decimals = true;
    for (auto _ : state) {
        ++settings.seed;
        benchmark::DoNotOptimize(QuanWenBen(ZuShiJuan(settings)));
    }
}
BENCHMARK(LargestPaper)->Unit(benchmark::kMillisecond);

} // namespace
