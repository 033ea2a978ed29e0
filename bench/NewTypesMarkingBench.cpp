// Speed of marking 二次根式四则运算, 一元一次不等式组 and 二元二次方程组: a pupil's ten-step working,
// right and with a slip whose name and right step are looked for, and a 提示 after it.
#include "marking/InequalitySystemMarking.h"
#include "marking/QuadraticSystemMarking.h"
#include "marking/StepAtATime.h"
#include "marking/SurdMarking.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

using namespace qimbel;

namespace {

const std::vector<std::string> kSurds = {"√12＋√27×√3－(√2)^2＋(√3＋√2)^2＋1÷(√3－√2)",
    "＝2√3＋3√3×√3－(√2)^2＋(√3＋√2)^2＋1÷(√3－√2)", "＝2√3＋9－2＋(√3＋√2)^2＋1÷(√3－√2)",
    "＝2√3＋9－2＋3＋2√6＋2＋1÷(√3－√2)", "＝2√3＋9－2＋3＋2√6＋2＋√3＋√2", "＝3√3＋12＋2√6＋√2", "＝12＋3√3＋2√6＋√2",
    "＝12＋√2＋3√3＋2√6", "＝√2＋12＋3√3＋2√6", "＝12＋√2＋3√3＋2√6", "＝12＋√2＋3√3＋2√6"};

const std::vector<std::string> kSurdsWrong
    = {"√12＋√27×√3－(√2)^2＋(√3＋√2)^2＋1÷(√3－√2)", "＝2√3＋3√3×√3－(√2)^2＋(√3＋√2)^2＋1÷(√3－√2)",
        "＝2√3＋9－2＋(√3＋√2)^2＋1÷(√3－√2)", "＝2√3＋9－2＋3＋2＋1÷(√3－√2)", "＝2√3＋9－2＋3＋2＋√3＋√2",
        "＝3√3＋12＋√2", "＝12＋3√3＋√2", "＝12＋√2＋3√3", "＝√2＋12＋3√3", "＝12＋√2＋3√3", "＝12＋√2＋3√3"};

const std::vector<std::string> kInequalities = {"3(x－2)＋x/2＞2(x＋1)－5", "2x＋1≤5", "3x－6＋x/2＞2x＋2－5",
    "6x－12＋x＞4x＋4－10", "6x＋x－4x＞4－10＋12", "3x＞6", "x＞2", "2x≤5－1", "2x≤4", "x≤2", "不等式组无解"};

const std::vector<std::string> kQuadraticSystem = {"x＋y＝3", "x^2＋y^2＝5", "由①得 y＝3－x ③",
    "把③代入②得 x^2＋(3－x)^2＝5", "2x^2－6x＋4＝0", "x^2－3x＋2＝0", "(x－1)(x－2)＝0", "x1＝1，x2＝2",
    "把x＝1代入③得y＝2", "把x＝2代入③得y＝1", "所以原方程组的解是 x1＝1，y1＝2；x2＝2，y2＝1"};

std::string Text(const std::vector<std::string> &lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += line + "\r\n";
    return text;
}

} // namespace

static void BM_MarkSurdsTenSteps(benchmark::State &state)
{
    Solver solver;
    for (auto _ : state)
        benchmark::DoNotOptimize(MarkSurdWorking(solver, kSurds));
}
BENCHMARK(BM_MarkSurdsTenSteps)->Unit(benchmark::kMicrosecond);

static void BM_MarkSurdsTenStepsWithSlip(benchmark::State &state)
{
    Solver solver;
    for (auto _ : state)
        benchmark::DoNotOptimize(MarkSurdWorking(solver, kSurdsWrong));
}
BENCHMARK(BM_MarkSurdsTenStepsWithSlip)->Unit(benchmark::kMicrosecond);

static void BM_MarkInequalitySystemTenSteps(benchmark::State &state)
{
    Solver solver;
    for (auto _ : state)
        benchmark::DoNotOptimize(MarkInequalitySystemWorking(solver, kInequalities));
}
BENCHMARK(BM_MarkInequalitySystemTenSteps)->Unit(benchmark::kMicrosecond);

static void BM_MarkQuadraticSystemTenSteps(benchmark::State &state)
{
    Solver solver;
    for (auto _ : state)
        benchmark::DoNotOptimize(MarkQuadraticSystemWorking(solver, kQuadraticSystem));
}
BENCHMARK(BM_MarkQuadraticSystemTenSteps)->Unit(benchmark::kMicrosecond);

static void BM_HintSurdsAfterTenSteps(benchmark::State &state)
{
    Solver solver;
    const std::string text = Text(kSurds);
    for (auto _ : state)
        benchmark::DoNotOptimize(HintNextStep(solver, 24, text));
}
BENCHMARK(BM_HintSurdsAfterTenSteps)->Unit(benchmark::kMicrosecond);

static void BM_HintInequalitySystem(benchmark::State &state)
{
    Solver solver;
    const std::string text = Text({kInequalities.begin(), kInequalities.begin() + 8});
    for (auto _ : state)
        benchmark::DoNotOptimize(HintNextStep(solver, 31, text));
}
BENCHMARK(BM_HintInequalitySystem)->Unit(benchmark::kMicrosecond);
