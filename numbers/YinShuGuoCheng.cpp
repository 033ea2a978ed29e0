#include "numbers/FactorMath.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace qimbel {

namespace {

// Numbers whose factors are listed in the working: a handful of them, each small enough that its
// list of factors is read at a glance.
constexpr std::size_t kMostNumbersListed = 6;
constexpr long long kLargestNumberListed = 100000;

std::string Joined(const std::vector<long long> &values)
{
    std::string text;
    for (long long v : values)
        text += (text.empty() ? "" : ",") + IntText(v);
    return text;
}

} // namespace

// The working of a factor question (type 4) at levels 4 and 5, as a teacher lists it: the factors
// of every number, then the factors they share, then the greatest or smallest of them when the
// line asks for it. The lines end in "\r\n" and are numbered "第n步：" at level 5; the empty text
// below level 4 and for lines whose numbers are too many or too large to list.
std::string Solver::YinShuGuoCheng(std::string line, int level)
{
    if (level < 4 || level > 5 || !LineTooLong(line, kLongestNumberLine).empty())
        return {};
    std::vector<long long> values;
    if (!NonZeroMagnitudes(NumberListOf(line), values) || values.empty() || values.size() > kMostNumbersListed)
        return {};
    if (*std::max_element(values.begin(), values.end()) > kLargestNumberListed)
        return {};
    std::vector<std::string> steps;
    std::string listed = "列出各数的因数：";
    std::string names;
    long long g = 0;
    for (long long v : values) {
        listed += "\r\n  " + IntText(v) + "的因数有：" + Joined(FactorsOf(v));
        names += (names.empty() ? "" : "和") + IntText(v);
        g = Gcd(g, v);
    }
    if (values.size() == 1)
        listed = IntText(values[0]) + "的因数有：" + Joined(FactorsOf(values[0]));
    steps.push_back(listed);
    const std::vector<long long> common = FactorsOf(g);
    if (values.size() > 1)
        steps.push_back(names + "都有的因数是它们的公因数：" + Joined(common));
    if (Contains(line, "最大"))
        steps.push_back("其中最大的是 " + IntText(common.back()));
    else if (Contains(line, "最小"))
        steps.push_back("其中最小的是 " + IntText(common.front()));
    std::string text;
    for (std::size_t k = 0; k < steps.size(); ++k)
        text += (level == 5 ? "第" + IntText(static_cast<long long>(k + 1)) + "步：" : std::string()) + steps[k]
            + "\r\n";
    return text;
}

} // namespace qimbel
