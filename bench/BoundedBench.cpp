// Every entry point at its line limit with the worst shapes known: long chains of letters in 分式
// and 整式 (computed and marked), factorisation in many letters, a marked system after a
// contradiction, the one-unknown equations (computed and marked) on long products, powers,
// fractions and brackets, the typesetter on the longest line and on a huge text box, picture
// requests at the edges of the view and the zeros of high powers. Each iteration must stay under 100 ms
// (Release): one that does not is reported as an error, not a figure.
#include "charts/FunctionProperties.h"
#include "charts/PicturePages.h"
#include "pages/Headless.h"
#include "solver/GbkText.h"
#include "solver/InputLimits.h"
#include "typeset/TypesetMathML.h"
#include "typeset/TypesetTree.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <string>
#include <vector>

using namespace qimbel;

namespace {

constexpr double kMostSeconds = 0.1;

// The CPU time of this thread.
double CpuSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Runs `work` once an iteration; an iteration over the bound stops the benchmark with an error.
template <class Work> void Bounded(benchmark::State &state, Work work)
{
    double slowest = 0;
    for (auto _ : state) {
        const double start = CpuSeconds();
        benchmark::DoNotOptimize(work());
        const double seconds = CpuSeconds() - start;
        slowest = std::max(slowest, seconds);
        if (seconds > kMostSeconds) {
            state.SkipWithError("an iteration took over 100 ms");
            break;
        }
    }
    state.counters["slowest_ms"] = slowest * 1000;
}

std::string Headless(std::vector<std::string> args, const std::string &text)
{
    return RunHeadless(*ParseHeadlessArgs(args).request, text);
}

// 1/(a－b)＋1/(b－c)＋… with `n` fractions.
std::string FractionChain(int n)
{
    std::string text;
    for (int i = 0; i < n; ++i)
        text += std::string(i ? "＋" : "") + "1/(" + char('a' + i) + "－" + char('a' + i + 1) + ")";
    return text;
}

// (a＋b)(c＋d)… with `n` factors of two new letters each.
std::string BinomialProduct(int n)
{
    std::string text;
    for (int i = 0; i < n; ++i)
        text += std::string("(") + char('a' + 2 * i) + "＋" + char('a' + 2 * i + 1) + ")";
    return text;
}

void FractionChains(benchmark::State &state)
{
    const std::string line = FractionChain(static_cast<int>(state.range(0)));
    Bounded(state, [&] { return Headless({"--type", "23", "--compute-only"}, line); });
}
BENCHMARK(FractionChains)->DenseRange(2, 12, 1)->Unit(benchmark::kMillisecond);

void FractionProductOverDifference(benchmark::State &state)
{
    std::string line;
    for (int i = 0; i < 9; ++i)
        line += std::string(i ? "×" : "") + "(" + char('a' + i) + "＋" + char('a' + i + 1) + ")";
    line += "/(a－b)";
    Bounded(state, [&] { return Headless({"--type", "23", "--compute-only"}, line); });
}
BENCHMARK(FractionProductOverDifference)->Unit(benchmark::kMillisecond);

// A high power of a letter written out in a denominator: the factor search would divide the whole
// polynomial by every candidate root.
void FractionHighPowerDenominator(benchmark::State &state)
{
    const std::string line
        = "1/(" + std::string(static_cast<std::size_t>(state.range(0)), 'p') + "1/(x－2)＋x－2)＋1/(x＋1)";
    Bounded(state, [&] { return Headless({"--type", "23", "--compute-only"}, line); });
}
BENCHMARK(FractionHighPowerDenominator)->Arg(12)->Arg(33)->Arg(60)->Unit(benchmark::kMillisecond);

// A denominator whose constant term has thousands of divisors: the root search tries a bounded
// number of them.
void FractionManyDivisors(benchmark::State &state)
{
    const std::string line = "0/(y－1eeeeeeeeeeeeeeeex＋2y^2)(eeeeeeeeeeeex＋eeeeeex＋2y^2)(eeeeeeeeeeeex＋2)＋x1";
    Bounded(state, [&] { return Headless({"--type", "23", "--compute-only"}, line); });
}
BENCHMARK(FractionManyDivisors)->Unit(benchmark::kMillisecond);

void MarkedPolynomialStep(benchmark::State &state)
{
    const std::string text = "(a＋b)(c＋d)\r\n＝" + BinomialProduct(static_cast<int>(state.range(0)));
    Bounded(state, [&] { return Headless({"--type", "21", "--mark"}, text); });
}
BENCHMARK(MarkedPolynomialStep)->DenseRange(4, 12, 2)->Unit(benchmark::kMillisecond);

void MarkedFractionStep(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0));
    const std::string text = "1/(a－b)＋1/(b－c)\r\n＝" + BinomialProduct(n) + "/(" + BinomialProduct(n) + "(y＋z))";
    Bounded(state, [&] { return Headless({"--type", "23", "--mark"}, text); });
}
BENCHMARK(MarkedFractionStep)->DenseRange(2, 10, 2)->Unit(benchmark::kMillisecond);

void FactoriseManyLetters(benchmark::State &state)
{
    const std::vector<std::string> lines = {"ace＋acf＋ade＋adf＋bce＋bcf＋bde＋bdf",
        "aceg＋aceh＋acfg＋acfh＋adeg＋adeh＋adfg＋adfh＋bceg＋bceh＋bcfg＋bcfh＋bdeg＋bdeh＋bdfg＋bdfh", "abcdefgh＋1",
        "(a＋b＋c＋d＋e＋f)^2"};
    const std::string &line = lines[static_cast<std::size_t>(state.range(0))];
    Bounded(state, [&] { return Headless({"--type", "22"}, line); });
}
BENCHMARK(FactoriseManyLetters)->DenseRange(0, 3, 1)->Unit(benchmark::kMillisecond);

void MarkedSystemAfterContradiction(benchmark::State &state)
{
    std::string text = "x＋y＝5\r\nx－y＝1\r\nx＋y＝3";
    for (int i = 0; i < 30; ++i)
        text += "\r\n" + std::to_string(i) + "x＋" + std::to_string(i + 1) + "y＝" + std::to_string(2 * i);
    Bounded(state, [&] { return Headless({"--type", "26", "--mark"}, text); });
}
BENCHMARK(MarkedSystemAfterContradiction)->Unit(benchmark::kMillisecond);

// n factors (x＋1)(x－2)(x＋3)… within the equation's line limit.
std::string LinearFactors(int n)
{
    std::string text;
    for (int i = 1; i <= n; ++i)
        text += "(x" + std::string(i % 2 ? "+" : "-") + std::to_string(i) + ")";
    return text;
}

// "2(3x－1)－3(4x－2)－…" with bracket terms up to the equation's line limit; with `removed`, each
// bracket taken off by multiplying out, the sign of the first one slipped (a wrong step).
std::string BracketTerms(bool removed)
{
    std::string text;
    for (int i = 0; Len(text) < kLongestEquationLine - 24; ++i) {
        const int k = i % 8 + 2, a = i % 7 + 2, b = i % 9 + 1;
        text += std::string(i ? "-" : "")
            + (removed ? std::to_string(k * a) + "x+" + std::to_string(k * b)
                       : std::to_string(k) + "(" + std::to_string(a) + "x-" + std::to_string(b) + ")");
    }
    return text;
}

// The one-unknown equation types on the worst shapes within their line limit: long products and
// powers multiplied out, many fractions over different denominators, nested fractions, long chains
// of brackets, each with a wrong step after it (whose slip and right step in its place are looked
// for too). Computed (argument 0–7) and marked (8–15).
void EquationWorstShapes(benchmark::State &state)
{
    std::string fractions;
    for (int i = 1; i <= 18; ++i)
        fractions += std::string(i > 1 ? "+" : "") + "1/(x+" + std::to_string(i) + ")";
    std::string nested = "x";
    for (int i = 0; i < 14; ++i)
        nested = "1/(1+" + nested + ")";
    const std::vector<std::pair<const char *, std::string>> cases = {
        {"27", LinearFactors(36) + "=0\r\n" + LinearFactors(35) + "=1"},
        {"27", "(x+1)^64(x-1)^64(2x+3)^64=(x+2)^64(x-2)^64(3x-1)^64\r\nx=1"},
        {"9", "(99x+98)^64-(99x+97)^64=(x+1)^64\r\nx=2"},
        {"29", fractions + "=1\r\n" + fractions + "=2"},
        {"29", nested + "=1\r\n" + nested + "=2\r\nx=1"},
        {"9", BracketTerms(false) + "=1\r\n" + BracketTerms(true) + "=1\r\nx=1"},
        {"9", BracketTerms(false) + "=1\r\n" + BracketTerms(false) + "=2\r\nx=1"},
        {"30", BracketTerms(false) + ">1\r\n" + BracketTerms(true) + ">1\r\nx>1"},
    };
    const std::size_t n = static_cast<std::size_t>(state.range(0));
    const auto &[type, text] = cases[n % cases.size()];
    if (n < cases.size()) {
        const std::string problem = text.substr(0, text.find('\r'));
        Bounded(state, [&] { return Headless({"--type", type, "--compute-only"}, problem); });
    } else {
        Bounded(state, [&] { return Headless({"--type", type, "--mark"}, text); });
    }
}
BENCHMARK(EquationWorstShapes)->DenseRange(0, 15, 1)->Unit(benchmark::kMillisecond);

void TypesetLongestLine(benchmark::State &state)
{
    std::string text;
    while (text.size() < kLongestTypesetLine - 16)
        text += "(1/2)^3＋";
    text += "1";
    Bounded(state, [&] { return TypesetToMathMLDocument(text); });
}
BENCHMARK(TypesetLongestLine)->Unit(benchmark::kMillisecond);

void TypesetHugeLine(benchmark::State &state)
{
    const std::string text(static_cast<std::size_t>(state.range(0)), '1');
    Bounded(state, [&] { return TypesetToMathMLDocument(text); });
    state.SetBytesProcessed(static_cast<long long>(state.iterations()) * state.range(0));
}
BENCHMARK(TypesetHugeLine)->Arg(1 << 20)->Arg(1 << 23)->Unit(benchmark::kMillisecond);

void TypesetHugeTextBox(benchmark::State &state)
{
    std::string text;
    while (text.size() < 4 * kMostTypesetText)
        text += "1/2＋(3/4)^2＝17/16\r\n";
    // A whole text box of a hundred thousand lines, not one line: no bound, only the figure.
    for (auto _ : state)
        benchmark::DoNotOptimize(TypesetToMathMLDocument(text));
    state.SetBytesProcessed(static_cast<long long>(state.iterations() * text.size()));
}
// A 2 MB text box is typeset for its first half megabyte: the rest is plain.
BENCHMARK(TypesetHugeTextBox)->Unit(benchmark::kMillisecond);

void PictureRequestsAtTheEdges(benchmark::State &state)
{
    const std::vector<std::string> requests = {"size 4000 4000", "add y=x^3", "add y=1/x", "zoom 0.01 0 1e308",
        "zoom 0.01 0 1e308", "zoom 100 -1e308 1e308", "pan 1e308 -1e308", "trace 1e308 0", "zoom 0.01 2000 2000",
        "zoom 0.01 2000 2000", "picture"};
    Bounded(state, [&] {
        PicturePages pages;
        std::size_t bytes = 0;
        for (const std::string &request : requests)
            bytes += pages.Run(request).size();
        return bytes;
    });
}
BENCHMARK(PictureRequestsAtTheEdges)->Unit(benchmark::kMillisecond);

void ZerosOfHighPowers(benchmark::State &state)
{
    const std::vector<std::string> functions
        = {"y=x^9", "y=(x-1)^11", "y=(2x-1)^3(x+3)^2(x^2-2)", "y=(x+1)^40", "y=x^40-x"};
    const FunctionFormula f = ReadFunction(functions[static_cast<std::size_t>(state.range(0))]);
    Bounded(state, [&] { return PropertiesText(f); });
}
BENCHMARK(ZerosOfHighPowers)->DenseRange(0, 4, 1)->Unit(benchmark::kMillisecond);

} // namespace
