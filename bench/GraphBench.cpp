// Speed of one whole function plot: 144 samples, three driver calls each, and the picture. A plot
// should take well under 50 ms; a 500-byte typed line must still end promptly.
#include "charts/FunctionGraph.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace qimbel;

namespace {

void PlotTyped(benchmark::State &state, const std::string &typed)
{
    for (auto _ : state) {
        const FunctionPlot plot = PlotFunction(typed);
        benchmark::DoNotOptimize(GraphPicture(plot));
    }
}

std::string LongLine()
{
    std::string line;
    while (line.size() < 500)
        line += "x×";
    return line + "x";
}

} // namespace

BENCHMARK_CAPTURE(PlotTyped, quadratic, std::string("x^2－2x－3"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlotTyped, line, std::string("2x＋1"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlotTyped, hyperbola, std::string("6/x"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlotTyped, product, std::string("(x＋1)(x－2)"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlotTyped, long_line, LongLine())->Unit(benchmark::kMillisecond);
