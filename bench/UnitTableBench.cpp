// 单位转换 with a large unit table. This program lives in an installation folder of its own
// (bin-units/) and writes its Document/danwei.ini there before measuring: the real length and
// mass chains first, then filler chains up to the number of keys asked for. Every line of the
// page reads the table through the shared reading and walks its chains.
#include "pages/ProblemPage.h"
#include "pages/Session.h"
#include "solver/Solver.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

using namespace qimbel;

namespace {

void WriteUnitTable(int keys)
{
    const std::filesystem::path folder = std::filesystem::path(Solver().GetLuJing()) / "Document";
    std::filesystem::create_directories(folder);
    std::ofstream out(folder / "danwei.ini", std::ios::binary | std::ios::trunc);
    out << "[DanWei]\r\nCount=" << keys << "\r\n";
    out << "danwei0=〖1_千米〗〖1000_米〗〖10000_分米〗〖100000_厘米〗〖1000000_毫米〗\r\n";
    out << "danwei1=〖1_吨〗〖1000_千克〗〖1000000_克〗\r\n";
    for (int i = 2; i < keys; ++i)
        out << "danwei" << i << "=〖1_甲" << i << "〗〖10_乙" << i << "〗\r\n";
}

// A page of 100 conversions; the time per line is the figure that counts.
void BM_UnitConversionPage(benchmark::State &state)
{
    const int keys = static_cast<int>(state.range(0));
    WriteUnitTable(keys);
    ResetSession();
    ProblemPage page(129);
    page.ShowType(6);
    std::string text;
    const char *const problems[] = {"3千米=()米", "2.5千克=()克", "3千米500米=()米", "4500米=()千米"};
    constexpr int kLines = 100;
    for (int i = 0; i < kLines; ++i)
        text += std::string(problems[i % 4]) + "\r\n";
    for (auto _ : state) {
        page.SetEditText(text);
        page.Check();
        page.Compute();
        benchmark::DoNotOptimize(page.EditText().data());
    }
    state.SetItemsProcessed(state.iterations() * kLines);
    state.counters["ms_per_line"] = benchmark::Counter(static_cast<double>(state.iterations() * kLines) / 1000.0,
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

} // namespace

// 10,000 keys still fit in the part of the file that is read; 40,000 do not, and the rest of the
// file is ignored.
BENCHMARK(BM_UnitConversionPage)->Arg(100)->Arg(1000)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond);
