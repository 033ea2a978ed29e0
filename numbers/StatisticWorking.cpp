#include "numbers/StatisticWorking.h"

#include "numbers/EntryValue.h"
#include "numbers/NumberText.h"

#include <vector>

namespace qimbel::numbers {

namespace {

// The entries in their order on the line (the first at the highest index).
std::vector<std::string> InLineOrder(const StringArray &numbers)
{
    std::vector<std::string> entries;
    for (int i = numbers.GetSize() - 1; i >= 0; --i)
        entries.push_back(MixedAsTyped(numbers.GetAt(i)));
    return entries;
}

// a＋b＋(－c): a negative number after the first stands in brackets.
std::string SumText(const std::vector<std::string> &entries)
{
    std::string text;
    for (const std::string &entry : entries) {
        const bool negative = !entry.empty() && entry[0] == '-';
        if (text.empty())
            text = entry;
        else
            text += "＋" + (negative ? "(" + entry + ")" : entry);
    }
    return text;
}

// The steps, numbered at level 5. A minus is written full width like on every other line of
// working (the entries keep the ASCII sign they were read with).
std::string Numbered(const std::vector<std::string> &steps, int level)
{
    std::string text;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        std::string step;
        for (char c : steps[k])
            step += c == '-' ? std::string("－") : std::string(1, c);
        text += (level == 5 ? "第" + IntText(static_cast<long long>(k + 1)) + "步：" : std::string()) + step + "\r\n";
    }
    return text;
}

} // namespace

std::string StatisticWorking(Solver &solver, Statistic statistic, const StringArray &numbers, int level)
{
    if (level < 4 || level > 5 || numbers.IsEmpty())
        return {};
    const std::vector<std::string> entries = InLineOrder(numbers);
    const std::string count = IntText(numbers.GetSize());
    std::vector<std::string> steps;
    switch (statistic) {
    case Statistic::Total:
        steps.push_back("总和＝" + SumText(entries) + "＝" + solver.ZongShu(numbers));
        break;
    case Statistic::Mean: {
        const std::string total = solver.ZongShu(numbers);
        steps.push_back("求总和：" + SumText(entries) + "＝" + total);
        steps.push_back("数的个数是 " + count);
        steps.push_back("平均数＝总和÷个数＝" + total + "÷" + count + "＝" + solver.PingJunShu(numbers));
        break;
    }
    case Statistic::Median: {
        StringArray sorted = numbers;
        const std::string median = solver.ZhongWeiShu(sorted);
        std::string ordered;
        for (int i = 0; i < sorted.GetSize(); ++i)
            ordered += (i == 0 ? "" : ",") + MixedAsTyped(sorted.GetAt(i));
        steps.push_back("从小到大排列：" + ordered);
        const int n = sorted.GetSize();
        if (n % 2 == 1) {
            steps.push_back("共" + count + "个数，中间的一个数是 " + median);
        } else {
            const std::string a = MixedAsTyped(sorted.GetAt(n / 2 - 1));
            const std::string b = MixedAsTyped(sorted.GetAt(n / 2));
            const bool negative = !b.empty() && b[0] == '-';
            steps.push_back("共" + count + "个数，中间的两个数是 " + a + " 和 " + b + "，(" + a + "＋"
                + (negative ? "(" + b + ")" : b) + ")÷2＝" + median);
        }
        break;
    }
    }
    return Numbered(steps, level);
}

} // namespace qimbel::numbers
