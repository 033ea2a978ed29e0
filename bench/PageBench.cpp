// Whole-page compute: a text box of n typed problems, checked and computed as the page's buttons
// do. The page's cost has to grow linearly with its number of lines (oN complexity), whatever
// the problem type; a page that rebuilt a list or rescanned the text box per line would show
// up here as quadratic.
#include "pages/ProblemPage.h"
#include "pages/Session.h"
#include "pages/TypeTable.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

using namespace qimbel;

namespace {

// A few pupil's problems of each type, typed the way a worksheet would be pasted; the page
// cycles through them.
std::vector<std::string> ProblemsOf(int type)
{
    switch (type) {
    case 7:
        return {"95+7", "12.5+7.25", "100-99", "12.5×3.4", "1001-998", "84÷4", "307×26"};
    case 9:
        return {"3x+5=20", "2y-7=9", "4z+1=3z+8", "5(a-2)=15", "x÷4=2.5", "12-3m=3"};
    case 12:
        return {"360", "84", "97", "1001", "4096", "9999"};
    case 16:
        // The first line holds the numbers, every further line is a question about them.
        return {"哪些是质数？", "哪些是3的倍数？", "哪些是12的因数，哪些是偶数？", "这组数据的中位数是()。"};
    case 20:
        return {"2*(3+4)-5", "12-3*(2+5)", "3.5*4-20", "1/2+1/3", "(-3)*4+18÷(-6)"};
    case 21:
        return {"3x+2y-x+4y", "2a(a+3)-a^2", "(a+b)(a-b)", "5m-(2m-3)"};
    case 25:
        // One compute solves the last equation; every line still joins the equation and
        // letter lists.
        return {"3x+5=x-7", "2(x-1)=4", "x/2+1=3", "5-2x=1"};
    default:
        return {"1"};
    }
}

std::string PageText(int type, int lines)
{
    const std::vector<std::string> problems = ProblemsOf(type);
    std::string text;
    if (type == 16)
        text = "1,2,3,4,5,6,7,8,9,12,15,18,21,24\r\n";
    for (int i = 0; i < lines; ++i)
        text += problems[static_cast<std::size_t>(i) % problems.size()] + "\r\n";
    return text;
}

void BM_Page(benchmark::State &state, int type)
{
    const int lines = static_cast<int>(state.range(0));
    ResetSession();
    ProblemPage page(FindProblemType(type)->page);
    page.ShowType(type);
    const std::string text = PageText(type, lines);
    for (auto _ : state) {
        page.SetEditText(text);
        page.Check();
        page.Compute();
        benchmark::DoNotOptimize(page.EditText().data());
    }
    state.SetComplexityN(lines);
    state.SetItemsProcessed(state.iterations() * lines);
}

void PageSizes(benchmark::internal::Benchmark *b)
{
    b->Arg(100)->Arg(1000)->Arg(10000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK_CAPTURE(BM_Page, type9_equations, 9)->Apply(PageSizes);
BENCHMARK_CAPTURE(BM_Page, type20_rational, 20)->Apply(PageSizes);
BENCHMARK_CAPTURE(BM_Page, type21_polynomial, 21)->Apply(PageSizes);
BENCHMARK_CAPTURE(BM_Page, type25_linear_equation, 25)->Apply(PageSizes);
BENCHMARK_CAPTURE(BM_Page, type7_column, 7)->Apply(PageSizes);
BENCHMARK_CAPTURE(BM_Page, type12_prime_factors, 12)->Apply(PageSizes);
BENCHMARK_CAPTURE(BM_Page, type16_number_properties, 16)->Apply(PageSizes);
