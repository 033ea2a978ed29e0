// typeset/: reading and laying out worked texts, and their MathML.
#include "pages/Headless.h"
#include "tests/unit/TypesetFakes.h"
#include "typeset/TypesetLayout.h"
#include "typeset/TypesetMathML.h"

#include <benchmark/benchmark.h>

using namespace qimbel;

namespace {

// A pupil-sized solution: a quadratic with surd roots, worked in full.
std::string Solution()
{
    HeadlessRequest request;
    request.type = 27;
    request.computeOnly = true;
    return RunHeadless(request, "x^2－2x－1＝0\r\n");
}

// A page of worked texts of about `lines` lines: fraction sums, quadratics, linear equations and
// column divisions in turn.
std::string Page(std::size_t lines)
{
    const std::pair<int, const char *> problems[] = {{20, "1/2＋1/3－5/6×2/3\r\n"}, {27, "x^2－2x－1＝0\r\n"},
        {25, "3x＋5＝x－7\r\n"}, {7, "1.5÷0.4\r\n"}, {23, "1/(x＋1)＋1/(x－1)\r\n"}};
    std::string page;
    std::size_t count = 0;
    for (std::size_t i = 0; count < lines; ++i) {
        HeadlessRequest request;
        request.type = problems[i % std::size(problems)].first;
        request.computeOnly = true;
        const std::string text = RunHeadless(request, problems[i % std::size(problems)].second);
        for (char c : text)
            count += c == '\n';
        page += text + "\r\n";
    }
    return page;
}

void BM_ReadAndLayoutSolution(benchmark::State &state)
{
    const std::string text = Solution();
    const FixedMetrics metrics;
    for (auto _ : state)
        benchmark::DoNotOptimize(LayoutTypeset(ReadTypeset(text), metrics, 20, 4));
}
BENCHMARK(BM_ReadAndLayoutSolution)->Unit(benchmark::kMicrosecond);

void BM_ReadAndLayoutPage(benchmark::State &state)
{
    const std::string page = Page(1000);
    const FixedMetrics metrics;
    for (auto _ : state)
        benchmark::DoNotOptimize(LayoutTypeset(ReadTypeset(page), metrics, 20, 4));
}
BENCHMARK(BM_ReadAndLayoutPage)->Unit(benchmark::kMillisecond);

void BM_MathMLPage(benchmark::State &state)
{
    const std::string page = Page(1000);
    for (auto _ : state)
        benchmark::DoNotOptimize(TypesetToMathMLDocument(page));
}
BENCHMARK(BM_MathMLPage)->Unit(benchmark::kMillisecond);

} // namespace
