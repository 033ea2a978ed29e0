// Speed of one whole function plot: 144 samples, three driver calls each, and the picture. A plot
// should take well under 50 ms; the longest functions the page hands to the driver (400 bytes with
// the samples written in) must still end promptly, and longer ones are refused at once.
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

// `piece` repeated as often as the page accepts, then "x": about 400 bytes with the samples in.
std::string Longest(const std::string &piece, const std::string &close = "")
{
    std::string line = "x";
    std::string closing;
    while (WriteSample(piece + line + close + closing, "-9.000000").size() <= 400) {
        line = piece + line;
        closing += close;
    }
    return line + closing;
}

} // namespace

BENCHMARK_CAPTURE(PlotTyped, quadratic, std::string("x^2－2x－3"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlotTyped, line, std::string("2x＋1"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlotTyped, hyperbola, std::string("6/x"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlotTyped, product, std::string("(x＋1)(x－2)"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlotTyped, longest_sum, Longest("x＋"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlotTyped, longest_quotient, Longest("x÷"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlotTyped, longest_nesting, Longest("(x", ")"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlotTyped, refused_500_bytes, std::string(166, '(') + std::string(167, 'x') + std::string(166, ')'))
    ->Unit(benchmark::kMillisecond);
