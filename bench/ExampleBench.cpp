// Every problem type on pupil-sized lines: the type's own example (the 示例 text), checked and
// computed as the page's buttons do. One figure per type, to compare one version with another.
#include "pages/ProblemPage.h"
#include "pages/Session.h"
#include "pages/TypeTable.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace qimbel;

namespace {

void BM_Example(benchmark::State &state, int type)
{
    ResetSession();
    ProblemPage page(FindProblemType(type)->page);
    page.ShowType(type);
    page.Example();
    const std::string text = page.EditText();
    for (auto _ : state) {
        page.SetEditText(text);
        page.Check();
        page.Compute();
        benchmark::DoNotOptimize(page.EditText().data());
    }
}

// One benchmark per type that has an example.
const bool registered = [] {
    for (const ProblemType &row : ProblemTypes())
        if (row.enabled)
            benchmark::RegisterBenchmark(("BM_Example/type" + std::to_string(row.type)).c_str(), BM_Example, row.type)
                ->Unit(benchmark::kMicrosecond);
    return true;
}();

} // namespace
