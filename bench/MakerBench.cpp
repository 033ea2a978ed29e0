// 出题: 100 problems of one type and level, each proved by the type's routine, and five problems
// like a typed line.
#include "maker/LevelTable.h"
#include "maker/Paper.h"
#include "maker/ProblemMaker.h"

#include <benchmark/benchmark.h>

namespace {

void BM_HundredProblems(benchmark::State &state)
{
    const int type = static_cast<int>(state.range(0));
    const auto level = static_cast<qimbel::MakerLevel>(state.range(1));
    std::uint64_t seed = 1;
    for (auto _ : state) {
        qimbel::MadeProblems made = qimbel::MakeProblems(type, level, 100, seed++);
        benchmark::DoNotOptimize(made);
    }
}

void EveryTypeAndLevel(benchmark::internal::Benchmark *bench)
{
    for (const qimbel::MakerLevelRow &row : qimbel::MakerLevels())
        for (int level = 0; level < 3; ++level)
            bench->Args({row.type, level});
}
BENCHMARK(BM_HundredProblems)->Apply(EveryTypeAndLevel)->Unit(benchmark::kMillisecond);

void BM_FiveSimilar(benchmark::State &state)
{
    std::uint64_t seed = 1;
    for (auto _ : state) {
        qimbel::MadeProblems made = qimbel::Similar(27, "2x^2+3x-2=0", 5, seed++);
        benchmark::DoNotOptimize(made);
    }
}
BENCHMARK(BM_FiveSimilar)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// A 30-problem paper of 九年级 kinds with its worked key.
void BM_PaperWithKey(benchmark::State &state)
{
    qimbel::PaperRequest request {"九年级数学测试卷",
        {{27, qimbel::MakerLevel::TiGao, 10, 3}, {22, qimbel::MakerLevel::TiGao, 10, 3},
            {29, qimbel::MakerLevel::TiGao, 5, 4}, {31, qimbel::MakerLevel::JiChu, 5, 4}},
        1, true};
    for (auto _ : state) {
        qimbel::MadePaper paper = qimbel::MakePaper(request);
        if (paper.problems.size() != 30)
            state.SkipWithError("no paper");
        benchmark::DoNotOptimize(paper);
        ++request.seed;
    }
}
BENCHMARK(BM_PaperWithKey)->Unit(benchmark::kMillisecond);

// A 30-problem primary paper of the 基础知识 kinds and word problems with its worked key.
void BM_PrimaryPaperWithKey(benchmark::State &state)
{
    qimbel::PaperRequest request {"六年级数学测试卷",
        {{1, qimbel::MakerLevel::TiGao, 5, 2}, {6, qimbel::MakerLevel::TiGao, 6, 3},
            {14, qimbel::MakerLevel::TiGao, 5, 2}, {16, qimbel::MakerLevel::TiGao, 3, 4},
            {17, qimbel::MakerLevel::TuoZhan, 3, 6}, {qimbel::kWordProblemType, qimbel::MakerLevel::TuoZhan, 8, 4}},
        1, true};
    for (auto _ : state) {
        qimbel::MadePaper paper = qimbel::MakePaper(request);
        if (paper.problems.size() != 30)
            state.SkipWithError(paper.refusal.empty() ? "no paper" : "refused");
        benchmark::DoNotOptimize(paper);
        ++request.seed;
    }
}
BENCHMARK(BM_PrimaryPaperWithKey)->Unit(benchmark::kMillisecond);

} // namespace
