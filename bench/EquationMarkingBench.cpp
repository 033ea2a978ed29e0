// Speed of marking the equation types: a pupil's ten-step workings, all right and with a wrong
// step (whose slip and correct step are looked for), and the longest lines the limits let through.
#include "marking/EquationMarking.h"
#include "marking/StepAtATime.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

using namespace qimbel;

namespace {

const std::vector<std::string> kLinear = {"3(x－2)＋x/2＝2(x＋1)－5", "去括号得 3x－6＋x/2＝2x＋2－5",
    "去分母得 6x－12＋x＝4x＋4－10", "移项得 6x＋x－4x＝4－10＋12", "合并同类项得 3x＝6", "系数化为1得 x＝2", "x＝2",
    "所以x＝2", "∴x＝2", "即x＝2", "x＝2"};

const std::vector<std::string> kLinearWrong = {"3(x－2)＋x/2＝2(x＋1)－5", "去括号得 3x－6＋x/2＝2x＋2－5",
    "去分母得 6x－12＋x＝4x＋4－10", "移项得 6x＋x－4x＝4－10－12", "合并同类项得 3x＝－18", "系数化为1得 x＝－6",
    "x＝－6", "所以x＝－6", "∴x＝－6", "即x＝－6", "x＝－6"};

const std::vector<std::string> kFractional = {"3/x＝2/(x－1)", "3(x－1)＝2x", "3x－3＝2x", "3x－2x＝3", "x＝3",
    "检验：当x＝3时，x(x－1)＝6≠0", "所以x＝3是原方程的解", "x＝3", "x＝3", "x＝3", "x＝3"};

const std::vector<std::string> kSystem = {"x＋y＝5", "x－y＝1", "①＋②得 2x＝6", "x＝3", "把x＝3代入①得 3＋y＝5",
    "y＝5－3", "y＝2", "x＝3，y＝2", "x＝3", "y＝2", "x＝3，y＝2", "所以方程组的解为 x＝3，y＝2"};

void Mark(benchmark::State &state, int type, const std::vector<std::string> &lines)
{
    Solver solver;
    for (auto _ : state)
        benchmark::DoNotOptimize(MarkEquationWorking(solver, type, lines));
}

} // namespace

static void BM_MarkLinearTenSteps(benchmark::State &state) { Mark(state, 25, kLinear); }
BENCHMARK(BM_MarkLinearTenSteps)->Unit(benchmark::kMicrosecond);

static void BM_MarkLinearTenStepsWithSlip(benchmark::State &state) { Mark(state, 25, kLinearWrong); }
BENCHMARK(BM_MarkLinearTenStepsWithSlip)->Unit(benchmark::kMicrosecond);

static void BM_MarkFractionalTenSteps(benchmark::State &state) { Mark(state, 29, kFractional); }
BENCHMARK(BM_MarkFractionalTenSteps)->Unit(benchmark::kMicrosecond);

static void BM_MarkSystemTenSteps(benchmark::State &state) { Mark(state, 26, kSystem); }
BENCHMARK(BM_MarkSystemTenSteps)->Unit(benchmark::kMicrosecond);

// Ten steps of the longest line the limits let through, each wrong: x＋1＋1＋…＝… .
static void BM_MarkLongestLines(benchmark::State &state)
{
    std::string side = "x";
    while (side.size() < 120)
        side += "＋1";
    std::vector<std::string> lines {side + "＝" + side};
    for (int k = 0; k < 10; ++k)
        lines.push_back(side + "＋" + std::to_string(k + 2) + "＝" + side.substr(1) + "x");
    Mark(state, 25, lines);
}
BENCHMARK(BM_MarkLongestLines)->Unit(benchmark::kMicrosecond);

// 一步一步: 提示 and 下一步检查 on the ten-step working, each press marking the last problem.
static void BM_HintAfterTenSteps(benchmark::State &state)
{
    Solver solver;
    std::string text;
    for (std::size_t k = 0; k + 1 < kLinear.size(); ++k)
        text += kLinear[k] + "\r\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(HintNextStep(solver, 25, text));
}
BENCHMARK(BM_HintAfterTenSteps)->Unit(benchmark::kMicrosecond);

static void BM_HintOnTheProblem(benchmark::State &state)
{
    Solver solver;
    for (auto _ : state)
        benchmark::DoNotOptimize(HintNextStep(solver, 25, kLinear[0]));
}
BENCHMARK(BM_HintOnTheProblem)->Unit(benchmark::kMicrosecond);

static void BM_MarkLastOfTenSteps(benchmark::State &state)
{
    Solver solver;
    std::string text;
    for (const std::string &line : kLinearWrong)
        text += line + "\r\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(MarkLastStep(solver, 25, text));
}
BENCHMARK(BM_MarkLastOfTenSteps)->Unit(benchmark::kMicrosecond);
