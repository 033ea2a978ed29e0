// 错题本: a notebook of 10,000 entries opened from its SQLite file, and today's due ones listed.
#include "cli/NotebookSqlite.h"
#include "notebook/Notebook.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

constexpr int kDay = 20795;

std::string MakeFile(int entries)
{
    const std::string path = (std::filesystem::temp_directory_path() / "qimbel-bench-notebook.db").string();
    std::filesystem::remove(path);
    qimbel::SqliteNotebookStore store;
    store.Open(path);
    std::vector<qimbel::NotebookEntry> all;
    for (int n = 0; n < entries; ++n) {
        qimbel::NotebookEntry e;
        e.type = n % 2 == 0 ? 8 : 9;
        e.level = n % 4;
        e.problem = std::to_string(n) + "－(2＋1)×3";
        e.working = "＝" + std::to_string(n) + "－2＋1×3\r\n＝" + std::to_string(n + 1);
        e.wrongStep = 1;
        e.wrongLine = "＝" + std::to_string(n) + "－2＋1×3";
        e.slip = n % 3 == 0 ? "去括号时没有变号" : "移项没有变号";
        e.correction = "＝" + std::to_string(n) + "－3×3";
        e.solution = "  " + e.problem + "\r\n＝" + std::to_string(n) + "－9                 第1步:括号\r\n＝"
            + std::to_string(n - 9) + "                 第2步:减法";
        e.added = e.lastWrong = kDay - n % 30;
        all.push_back(e);
    }
    store.InsertAll(all);
    return path;
}

void BM_OpenAndListDue(benchmark::State &state)
{
    const std::string path = MakeFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        qimbel::SqliteNotebookStore store;
        store.Open(path);
        qimbel::Notebook book(&store);
        book.Open();
        benchmark::DoNotOptimize(book.Due(kDay));
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_OpenAndListDue)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
