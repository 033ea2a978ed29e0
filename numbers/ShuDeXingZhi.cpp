#include "numbers/EntryValue.h"
#include "numbers/NumberText.h"
#include "numbers/StatisticWorking.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

#include <cmath>

namespace qimbel {

namespace {

// The names a question clause is searched for, in this order: the first one that occurs decides
// the clause, so 正实数 wins over 实数, 百分数 over 分数 and 平均数 over 算术平均数 (but not over
// 几何平均数 and 平方平均数, see FindName).
const char *const kNames[41] = {"正实数", "负实数", "实数", "正有理数", "负有理数", "有理数", "正无理数", "负无理数",
    "无理数", "正整数", "负整数", "整数", "真分数", "假分数", "百分数", "小数", "自然数", "质数", "合数", "奇数",
    "偶数", "因数", "倍数", "整除", "分数", "平均数", "几何平均数", "平方平均数", "N-1标准差", "相对标准偏差", "标准差",
    "方差", "平方和", "总数", "中位数", "众数", "最大数", "最小数", "累加", "累乘", "算术平均数"};

// Rows beyond the table: the everyday names 正数 and 负数, taken only when no name of the table
// occurs (they filter as 正实数 and 负实数).
constexpr int kPositive = 41;
constexpr int kNegative = 42;

int FindName(const std::string &text)
{
    for (int row = 0; row < 41; ++row) {
        // 最小数 holds 小数; asking for the smallest number must not filter the decimals.
        if (row == 15 && Contains(text, "最小数"))
            return 37;
        // 几何平均数 and 平方平均数 hold 平均数 but ask for other means.
        if (row == 25 && Contains(text, "几何平均数"))
            return 26;
        if (row == 25 && Contains(text, "平方平均数"))
            return 27;
        if (Contains(text, kNames[row]) || (row == 28 && Contains(text, "N－1标准差")))
            return row;
    }
    if (Contains(text, "正数"))
        return kPositive;
    if (Contains(text, "负数"))
        return kNegative;
    return -1;
}

// The numbers that are left, first number of the line at the highest index.
StringArray Remaining(const StringArray &numbers)
{
    StringArray left;
    for (int i = 0; i < numbers.GetSize(); ++i)
        if (!numbers.GetAt(i).empty())
            left.Add(numbers.GetAt(i));
    return left;
}

// The largest (or smallest) number as typed; of equal values the first on the line.
std::string Extreme(const StringArray &numbers, bool largest)
{
    std::string best;
    double bestValue = 0;
    for (int i = numbers.GetSize() - 1; i >= 0; --i) {
        const double v = numbers::EntryDouble(numbers.GetAt(i));
        if (best.empty() || (largest ? v > bestValue : v < bestValue)) {
            best = numbers.GetAt(i);
            bestValue = v;
        }
    }
    return best;
}

// The statistic of a statistic row over the numbers that are left; empty for rows without one.
std::string Statistic(Solver &solver, int row, StringArray numbers)
{
    switch (row) {
    case 25:
        return solver.PingJunShu(numbers);
    case 26:
        return solver.JiHePingJunShu(numbers);
    case 27:
        return solver.PingFangPingJunShu(numbers);
    case 28: { // N-1标准差: the sample standard deviation
        const int n = numbers.GetSize();
        if (n < 2)
            return {};
        const double m = numbers::LeadingValue(solver.ShuZhiWenBen(numbers::EntryDouble(solver.PingJunShu(numbers))));
        double sum = 0;
        for (int i = 0; i < n; ++i) {
            const double d = numbers::EntryDouble(numbers.GetAt(i)) - m;
            sum += d * d;
        }
        return solver.ShuZhiWenBen(std::sqrt(numbers::LeadingValue(solver.ShuZhiWenBen(sum / (n - 1)))));
    }
    case 30:
        return solver.BiaoZhunCha(numbers);
    case 31:
        return solver.FangCha(numbers);
    case 32: { // 平方和
        double sum = 0;
        for (int i = 0; i < numbers.GetSize(); ++i)
            sum += numbers::EntryDouble(numbers.GetAt(i)) * numbers::EntryDouble(numbers.GetAt(i));
        return solver.ShuZhiWenBen(sum);
    }
    case 33:
    case 38: // 累加
        return solver.ZongShu(numbers);
    case 34:
        return solver.ZhongWeiShu(numbers);
    case 35:
        return solver.ZhongShu(numbers);
    case 36:
        return Extreme(numbers, true);
    case 37:
        return Extreme(numbers, false);
    case 39: { // 累乘
        if (numbers.IsEmpty())
            return {};
        double product = 1;
        for (int i = 0; i < numbers.GetSize(); ++i)
            product *= numbers::EntryDouble(numbers.GetAt(i));
        return solver.ShuZhiWenBen(product);
    }
    default:
        return {};
    }
}

} // namespace

// The question engine of 数的基本性质 and 数据统计初步: the first line holds the numbers, every
// further line a question. Each question is cut into clauses at the Chinese marks; a clause that
// names a property narrows the list, one that names a statistic computes it over the numbers that
// are left. The answer is written into the "()" of the question, or after it; at levels 4 and 5
// the working of a mean, a median or a total stands before it.
std::string Solver::ShuDeXingZhi(const StringArray &lines, int level)
{
    for (int i = lines.GetSize() - 1; i >= 0; --i)
        if (std::string sentence = LineTooLong(lines[i], kLongestNumberLine); !sentence.empty())
            return sentence;
    const int n = lines.GetSize();
    if (n < 2)
        return {};
    // The signs of the data line are made half-width, so that －3 keeps its sign on every page.
    std::string data = lines.GetAt(n - 1);
    for (const auto &[wide, narrow] : {std::pair<const char *, const char *> {"－", "-"}, {"＋", "+"}})
        for (int p = Find(data, wide); p >= 0; p = Find(data, wide, p + 1))
            data.replace(static_cast<std::size_t>(p), 2, narrow);
    // A list holds no operations: a "÷" there is the fraction bar that the check wrote for "/".
    // A mixed number stays one number of the list (1又1/2).
    if (Contains(data, "÷"))
        data = GetTiHuan(data, "÷", "/");
    data = numbers::MixedForList(data);

    std::string result;
    for (int q = n - 2; q >= 0; --q) {
        const std::string &question = lines.GetAt(q);
        StringArray numbers;
        ShuLieToShuZu(data, numbers);
        StringArray clauses;
        FenJu(question, clauses);

        std::string statistic;
        std::string working;
        std::string pending;
        for (int c = clauses.GetSize() - 1; c >= 0; --c) {
            pending += "," + clauses.GetAt(c);
            const int row = FindName(pending);
            if (row < 0)
                continue;
            if (row == 21)
                YinShuShaiXuan(pending, numbers);
            else if (row == 22 || row == 23)
                BeiShuShaiXuan(pending, numbers);
            else if (row <= 24)
                XingZhiShaiXuan(row, pending, numbers);
            else if (row == kPositive || row == kNegative)
                XingZhiShaiXuan(row == kPositive ? 0 : 1, pending, numbers);
            else {
                const StringArray left = Remaining(numbers);
                statistic = Statistic(*this, row, left);
                working.clear();
                if (row == 25 || row == 34 || row == 33 || row == 38)
                    working = numbers::StatisticWorking(*this,
                        row == 25       ? numbers::Statistic::Mean
                            : row == 34 ? numbers::Statistic::Median
                                        : numbers::Statistic::Total,
                        left, level);
            }
            pending.clear();
        }

        std::string answer = numbers::MixedAsTyped(statistic);
        if (answer.empty())
            for (int i = numbers.GetSize() - 1; i >= 0; --i)
                if (!numbers.GetAt(i).empty())
                    answer += (answer.empty() ? "" : ",") + numbers::MixedAsTyped(numbers.GetAt(i));

        if (Contains(question, "()")) {
            std::string filled;
            int at = 0;
            for (int p = Find(question, "()"); p >= 0; p = Find(question, "()", at)) {
                filled += Mid(question, at, p - at) + "(" + answer + ")";
                at = p + 2;
            }
            result += "\r\n" + working + filled + Mid(question, at) + "\r\n";
        } else {
            result += "\r\n" + working + question + "  答案为：" + answer + "\r\n";
        }
    }
    return result;
}

} // namespace qimbel
