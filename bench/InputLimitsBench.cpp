// The largest lines the input limits let through, on the shapes that make each page work hardest,
// through the page model as a pupil's compute runs them. Every one must stay under 100 ms
// (Release) and write at most about 200 KB (the counter "bytes" is the text box afterwards).
#include "pages/Headless.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

using namespace qimbel;

namespace {

struct Case {
    int type;
    std::string text;
};

// `piece` repeated while the text stays within `limit` bytes, then `end`.
std::string Repeat(const std::string &start, const std::string &piece, const std::string &end, int limit)
{
    std::string text = start;
    while (Len(text) + Len(piece) + Len(end) <= limit)
        text += piece;
    return text + end;
}

// Brackets nested as deep as allowed, padded with terms to the length allowed.
std::string DeepAndLong(const std::string &inside, const std::string &term, int limit)
{
    std::string text = inside;
    for (int i = 0; i < kDeepestBrackets; ++i)
        text = "(" + text + "＋" + term + ")";
    return Repeat(text, "＋" + term, "", limit);
}

const std::vector<Case> &Cases()
{
    static const std::vector<Case> cases = {
        {20, Repeat("1", "＋12×3", "", kLongestExpressionLine)},
        {20, DeepAndLong("1", "2", kLongestExpressionLine)},
        {21, DeepAndLong("a", "2a(a＋b)", kLongestExpressionLine)},
        {21, Repeat("x", "×(x＋1)", "", kLongestExpressionLine)},
        {21, Repeat("1", "＋(a＋b＋c)^9", "", kLongestExpressionLine)},
        {8, Repeat("1", "＋1/2÷1/3", "", kLongestExpressionLine)},
        {10, Repeat("x", "＋2x", "：5", kLongestEveryStepLine)},
        {10, Repeat("1", "＋1/2", "：1/3", kLongestEveryStepLine)},
        {9, Repeat("x", "＋2(x－1)", "＝5", kLongestEquationLine)},
        {18, Repeat("x", "＋2", "：5＝3：4", kLongestEquationLine)},
        {25, Repeat("3(x－1)", "＋2(x＋1)", "＝x", kLongestEquationLine)},
        {25, DeepAndLong("x", "2", kLongestEquationLine - 4) + "＝1"},
        {26, Repeat("x＋y＝3\r\nx", "－2y", "＝1", kLongestEquationLine)},
        {27, Repeat("x^2", "＋2x", "＝1", kLongestEquationLine)},
        {31, Repeat("x", "＋3", "＞1\r\nx＜5", kLongestEquationLine)},
        {7,
            std::string(static_cast<std::size_t>(kLongestColumnOperand), '9') + "＋"
                + std::string(static_cast<std::size_t>(kLongestColumnOperand), '9')},
        {1, "0." + std::string(static_cast<std::size_t>(kLongestNumberLine) - 2, '7')},
        {2, Repeat("", "九千九百九十九亿", "", kLongestNumberLine)},
        {12, std::string(static_cast<std::size_t>(kLongestNumberLine), '9')},
        {15, Repeat("1", ",7", "", kLongestNumberLine)},
        {3, Repeat("2", ",8", "", kLongestNumberLine)},
        {4, Repeat("6", ",8", "", kLongestNumberLine)},
        {16, Repeat("1", ",7", "", kLongestNumberLine) + "\r\n其中质数有( )，平均数是( )"},
        {6, Repeat("1", "千米1", "米＝（）厘米", kLongestNumberLine)},
        {13, std::string(static_cast<std::size_t>(kLongestNumberLine), '7')},
        {14, std::string(static_cast<std::size_t>(kLongestNumberLine) - 20, '7') + "保留两位小数"},
    };
    return cases;
}

} // namespace

static void BM_LargestLine(benchmark::State &state)
{
    const Case &c = Cases()[static_cast<std::size_t>(state.range(0))];
    HeadlessRequest request;
    request.type = c.type;
    request.gbk = true;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string out = RunHeadless(request, c.text);
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetLabel("type " + std::to_string(c.type) + ", " + std::to_string(Len(c.text)) + " bytes in");
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_LargestLine)->DenseRange(0, 25)->Unit(benchmark::kMillisecond);
