// Speed of one whole function plot: the picture of three functions at 1600 × 1000 (the size of a
// maximised window), every pixel column evaluated, must take well under 20 ms; and the 函数的性质
// of two functions with their meeting points.
#include "charts/FunctionGraph.h"
#include "charts/FunctionProperties.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace qimbel;

namespace {

void WholePlot(benchmark::State &state)
{
    FunctionGraph graph;
    graph.Resize(1600, 1000);
    graph.Add("y＝x^2－2x－3");
    graph.Add("6/x");
    graph.Add("√(x＋4)×|x－1|");
    for (auto _ : state)
        benchmark::DoNotOptimize(graph.Picture());
}

void ReadAndPlotLongest(benchmark::State &state)
{
    std::string sum = "x";
    while (sum.size() + 3 <= static_cast<std::size_t>(kLongestFunctionLine))
        sum += "＋x";
    FunctionGraph graph;
    graph.Resize(1600, 1000);
    for (auto _ : state) {
        graph.Clear();
        graph.Add(sum);
        benchmark::DoNotOptimize(graph.Picture());
    }
}

void Properties(benchmark::State &state)
{
    const std::vector<FunctionFormula> functions {ReadFunction("x^2－2x－3"), ReadFunction("2x＋1")};
    for (auto _ : state)
        benchmark::DoNotOptimize(GraphPropertiesText(functions));
}

void PropertiesOfOtherFunctions(benchmark::State &state)
{
    const std::vector<FunctionFormula> functions {ReadFunction("x^3－x"), ReadFunction("√x")};
    for (auto _ : state)
        benchmark::DoNotOptimize(GraphPropertiesText(functions));
}

} // namespace

BENCHMARK(WholePlot)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadAndPlotLongest)->Unit(benchmark::kMillisecond);
BENCHMARK(Properties)->Unit(benchmark::kMillisecond);
BENCHMARK(PropertiesOfOtherFunctions)->Unit(benchmark::kMillisecond);
