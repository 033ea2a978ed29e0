// Whole-page compute: a text box of n typed problems, checked and computed as the page's buttons
// do (at level 5, the options a page starts with). The page's cost has to grow linearly with its number of lines (oN
// complexity), whatever the problem type; a page that rebuilt a list or rescanned the text box per line would show up
// here as quadratic.
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
    case 1:
        return {"123", "1010", "10000", "3.05", "20060708", "7.125"};
    case 2:
        return {"五千零五", "一万零五十", "百分之三十点五", "一万五千", "一亿零一", "三百零五"};
    case 3:
        return {"4和6的最小公倍数是()。", "4和6的公倍数有哪些？", "12和18的最小公倍数是多少", "8的倍数有哪些？"};
    case 4:
        return {"12和18的最大公因数是多少", "24的因数有哪些？", "36和48的公因数是()", "30的因数有哪些？"};
    case 5:
        return {"3/4()0.7", "0.333和1/3", "2/6和0.3", "1又1/2()1.5", "5/8()0.6"};
    case 6:
        return {"3.5千米＝()千米()米", "1元2角5分=()元", "3千米＝()米", "3千米500米＝()米", "2.5千米＝()米"};
    case 7:
        return {"95+7", "12.5+7.25", "100-99", "12.5×3.4", "1001-998", "84÷4", "307×26"};
    case 8:
        return {"2*(3+4)-5", "4+6/3", "125×8÷(25-5)", "3.6÷0.4+1.5×2"};
    case 9:
        return {"3x+5=20", "2y-7=9", "4z+1=3z+8", "5(a-2)=15", "x÷4=2.5", "12-3m=3"};
    case 10:
        return {"12:18", "0.5:2", "1.5:0.25", "2/3:4", "12:18:24"};
    case 11:
        return {"4.6+3.8+5.4", "(1/4+1/6)*12", "25*44", "38+45+62", "25*17*4", "99*37+37"};
    case 12:
        return {"360", "84", "97", "1001", "4096", "9999"};
    case 13:
        return {"0.5", "1200", "123.45", "12345", "-12345", "3.6万"};
    case 14:
        return {"3.14159精确到百分位", "9.96精确到0.1", "12345精确到千位", "0.0456精确到千分位"};
    case 15:
        return {"5,3,9,1", "5,3,9从大到小", "3,2.50,1", "1/2,0.4,3/5"};
    case 16:
        // The first line holds the numbers, every further line is a question about them.
        return {"哪些是质数？", "哪些是3的倍数？", "哪些是12的因数，哪些是偶数？", "这组数据的中位数是()。"};
    case 17:
        return {"1/2,1/3,1/4", "这组数据的平均数是多少？", "这组数据的中位数是()。", "3,5,5,7,10"};
    case 18:
        return {"x:3=4:6", "0.5:x=2:8", "3:x=9:12", "x:2.5=4:5"};
    case 20:
        return {"2*(3+4)-5", "12-3*(2+5)", "3.5*4-20", "1/2+1/3", "(-3)*4+18÷(-6)"};
    case 21:
        return {"3x+2y-x+4y", "2a(a+3)-a^2", "(a+b)(a-b)", "5m-(2m-3)"};
    case 22:
        return {"x^2-5x+6", "a^2-b^2", "2x^2+4x", "x^4-5x^2+4", "a^2b-b^3"};
    case 23:
        return {"1/(x-y)-x/(x^2-y^2)", "(x-1)^2/(1-x)", "(1-a^2)/(a+1)", "(x^2-4)/(2-x)"};
    case 24:
        return {"√12+√27-√3", "√2*√6", "(√3+√2)^2", "√12*√3", "(1+√2)^2"};
    case 25:
        return {"3x+5=x-7", "2(x-1)=4", "x/2+1=3", "5-2x=1"};
    case 26:
        // One compute solves the lines as one system.
        return {"x+y=5", "x-y=1"};
    case 27:
        return {"x^2-5x+6=0", "x^2-3x+1=0", "2x^2-8=0", "x^2+2x+1=0"};
    case 28:
        return {"x^2+y^2=40", "x^2-5xy+6y^2=0"};
    case 29:
        return {"x/(x-1)=1/(x-1)+2", "2/(4x)=1", "3/x=1/(x-2)"};
    case 30:
        return {"3x<2", "-2x>6", "2x+1>=5", "5-x<=3"};
    case 31:
        return {"2x>=6", "x<=3"};
    case 32:
        return {"()+1/4=3/4", "2.5×()=10", "4.8÷1.2=", "()+25=60", "72-()=45", "48÷()=6"};
    case 33:
        return {"1，4，9，16，()，36", "2，5，8，()，14", "1，1，2，3，5，()，13", "1/2，1/4，1/8，()"};
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

// Every type's page of 1,000 typical lines at level 5, as a pupil's pasted worksheet goes
// through 先进行算式检测 and 再进行运算操作: one figure per type, to compare one build with another.
const bool registered = [] {
    for (const ProblemType &row : ProblemTypes())
        if (row.enabled)
            benchmark::RegisterBenchmark(("BM_Page1000/type" + std::to_string(row.type)).c_str(), BM_Page, row.type)
                ->Arg(1000)
                ->Unit(benchmark::kMillisecond);
    return true;
}();

BENCHMARK_CAPTURE(BM_Page, type9_equations, 9)->Apply(PageSizes);
BENCHMARK_CAPTURE(BM_Page, type20_rational, 20)->Apply(PageSizes);
BENCHMARK_CAPTURE(BM_Page, type21_polynomial, 21)->Apply(PageSizes);
BENCHMARK_CAPTURE(BM_Page, type25_linear_equation, 25)->Apply(PageSizes);
BENCHMARK_CAPTURE(BM_Page, type7_column, 7)->Apply(PageSizes);
BENCHMARK_CAPTURE(BM_Page, type12_prime_factors, 12)->Apply(PageSizes);
BENCHMARK_CAPTURE(BM_Page, type16_number_properties, 16)->Apply(PageSizes);
