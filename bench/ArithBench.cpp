// Speed of the worked arithmetic: a typed line of up to about 60 bytes should be worked well
// under a millisecond; no line of up to 500 bytes may take more than 50 ms.
#include "solver/Solver.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

using namespace qimbel;

namespace {

// Typical lines of the calculation pages, numeric and polynomial.
const std::vector<std::string> &TypedLines()
{
    static const std::vector<std::string> lines = {
        "2×(3＋4)－5",
        "{2＋[3×(1＋1)]}×5－6÷2×3",
        "1/2＋1/3－1/4＋5/6",
        "2.5×4－1.2÷0.3＋0.5＋1/4",
        "3/4×2/3÷(1/2＋1/6)",
        "2a(a＋3)－a^2",
        "(a＋b)(a－b)－(a－b)^2",
        "2(x＋1)－3(x－2)＋4(x^2－x)",
        "(x＋1)^3－x^3",
        "－(a－b)＋[c－(d＋e)]",
    };
    return lines;
}

// Lines of about 500 bytes that make the drivers work hardest: many operations, deep nesting,
// long products of polynomials, large powers.
std::vector<std::string> LongLines()
{
    std::vector<std::string> lines;
    std::string sum;
    while (sum.size() < 500)
        sum += "12×3＋";
    lines.push_back(sum + "1");
    std::string nested = "1";
    while (nested.size() < 480)
        nested = "(" + nested + "＋2)×3";
    lines.push_back(nested);
    std::string letters;
    while (letters.size() < 480)
        letters += "2a(a＋b)－";
    lines.push_back(letters + "a");
    std::string fractions;
    while (fractions.size() < 480)
        fractions += "1/2＋1/3＋1/5－";
    lines.push_back(fractions + "1/7");
    lines.push_back("(a＋b＋c＋d)^12＋(x－y)^30");
    // Products of expanded powers grow fastest of all.
    std::string powers;
    while (powers.size() < 480)
        powers += "(x＋1)^9×";
    lines.push_back(powers + "x");
    std::string brackets;
    while (brackets.size() < 400)
        brackets = "[(" + brackets + "a＋b)]";
    lines.push_back(brackets);
    return lines;
}

} // namespace

static void BM_TypedLine(benchmark::State &state)
{
    Solver s;
    const std::string &line = TypedLines()[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state)
        benchmark::DoNotOptimize(s.HunHeYunSuan(line, 5));
}
BENCHMARK(BM_TypedLine)->DenseRange(0, 9)->Unit(benchmark::kMicrosecond);

static void BM_LongLine(benchmark::State &state)
{
    Solver s;
    const std::string line = LongLines()[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state)
        benchmark::DoNotOptimize(s.HunHeYunSuan(line, 5));
}
BENCHMARK(BM_LongLine)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

static void BM_LongLineNumericDriver(benchmark::State &state)
{
    Solver s;
    const std::string line = LongLines()[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state)
        benchmark::DoNotOptimize(s.SiZeHunHeYunSuan(line));
}
BENCHMARK(BM_LongLineNumericDriver)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Quotients that six places do not end, carried on as fractions: a typed line, and a line of about
// 500 bytes whose common denominators grow until they no longer fit and take the decimal road.
static void BM_ExactQuotients(benchmark::State &state)
{
    Solver s;
    std::string line = "1÷3×3＋2÷7×7－1÷6＋(2÷3)^2";
    if (state.range(0) == 1) {
        line.clear();
        for (int k = 2; line.size() < 500; ++k)
            line += std::to_string(k - 1) + "÷" + std::to_string(k) + "＋";
        line += "1";
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(s.HunHeYunSuan(line, 5));
}
BENCHMARK(BM_ExactQuotients)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);
