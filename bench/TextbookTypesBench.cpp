// Speed of 算式计算与填空, 根据要求找规律, 简便运算, 二次根式四则运算 and 二元二次方程组: pupil-sized
// lines, and the longest line each limit lets through. A line of a page must be answered at once.
#include "solver/InputLimits.h"
#include "solver/Solver.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace qimbel;

static void BM_SuanShiTianKong(benchmark::State &state, const char *line)
{
    Solver s;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.SuanShiTianKong(line, 5));
}

BENCHMARK_CAPTURE(BM_SuanShiTianKong, addend, "()+25＝60");
BENCHMARK_CAPTURE(BM_SuanShiTianKong, fraction_factor, "1/2×()＝3/4");

static void BM_ZhaoGuiLv(benchmark::State &state, const std::string &line)
{
    Solver s;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.ZhaoGuiLv(line, 5));
}

BENCHMARK_CAPTURE(BM_ZhaoGuiLv, squares, std::string("1，4，9，16，()，36"));
BENCHMARK_CAPTURE(BM_ZhaoGuiLv, woven, std::string("1，10，2，20，3，30，()"));
BENCHMARK_CAPTURE(BM_ZhaoGuiLv, no_rule, std::string("3，1，4，1，5，9，2，6，()"));
// The longest list the limit lets through, with no rule to find.
static std::string LongList()
{
    std::string line;
    for (int k = 0; Len(line) + 8 < kLongestEquationLine; ++k)
        line += std::to_string((k * 7919) % 97) + "，";
    return line + "()";
}
BENCHMARK_CAPTURE(BM_ZhaoGuiLv, longest_no_rule, LongList());

static void BM_JianBianYunSuan(benchmark::State &state, const char *line)
{
    Solver s;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.JianBianYunSuan(line, 5));
}

BENCHMARK_CAPTURE(BM_JianBianYunSuan, regroup_sum, "38＋45＋62");
BENCHMARK_CAPTURE(BM_JianBianYunSuan, take_out_factor, "99×37＋37");
BENCHMARK_CAPTURE(BM_JianBianYunSuan, near_hundred, "102×45");
BENCHMARK_CAPTURE(BM_JianBianYunSuan, no_law, "37×12＋5");

static void BM_GenShiSiZeYunSuan(benchmark::State &state, const char *line)
{
    Solver s;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.GenShiSiZeYunSuan(line, 5));
}

BENCHMARK_CAPTURE(BM_GenShiSiZeYunSuan, combine, "√12＋√27－√3");
BENCHMARK_CAPTURE(BM_GenShiSiZeYunSuan, rationalise, "1÷(√3－√2)");
BENCHMARK_CAPTURE(BM_GenShiSiZeYunSuan, square_of_sum, "(√3＋√2)^2");
// A radicand near the largest allowed: taking out square factors is the slow part.
BENCHMARK_CAPTURE(BM_GenShiSiZeYunSuan, large_radicand, "√99999989");

static void BM_ErCiFangChengZu(benchmark::State &state, const char *first, const char *second)
{
    Solver s;
    StringArray equations;
    StringArray letters;
    equations.InsertAt(0, first);
    equations.InsertAt(0, second);
    letters.InsertAt(0, "x");
    letters.InsertAt(0, "y");
    for (auto _ : state)
        benchmark::DoNotOptimize(s.ErCiFangChengZu(equations, letters, 5));
}

BENCHMARK_CAPTURE(BM_ErCiFangChengZu, substitution, "x＋y＝5", "xy＝6");
BENCHMARK_CAPTURE(BM_ErCiFangChengZu, surds, "x－y＝1", "x^2＋y^2＝3");
BENCHMARK_CAPTURE(BM_ErCiFangChengZu, factored, "x^2－5xy＋6y^2＝0", "x^2＋y^2＝40");

// The slowest lines the limits let through: a chain of 24 numbers whose pairs are searched, and
// a line full of the largest prime radicand.
static std::string Chain()
{
    std::string line = "1";
    for (int k = 2; k <= 24; ++k)
        line += "＋" + std::to_string(k * 37 % 100);
    return line;
}
static const std::string chain = Chain();
BENCHMARK_CAPTURE(BM_JianBianYunSuan, longest_chain, chain.c_str());

static std::string ManyRoots()
{
    std::string line = "√99999989";
    while (Len(line) + 11 <= kLongestExpressionLine)
        line += "＋√99999989";
    return line;
}
static const std::string manyRoots = ManyRoots();
BENCHMARK_CAPTURE(BM_GenShiSiZeYunSuan, many_large_roots, manyRoots.c_str());
