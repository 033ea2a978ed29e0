// Numbers as values, not as text: sorting, statistics, comparisons, ratios and proportions
// checked against exact arithmetic on random fractions, percentages and mixed numbers.
#include "algebra/ExactNumber.h"
#include "numbers/EntryValue.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>
#include <vector>

using namespace qimbel;

namespace {

// A random number written in one of the forms a pupil types, with its exact value.
struct Typed {
    std::string text;
    Rational value;
};

Typed RandomNumber(std::mt19937 &random)
{
    std::uniform_int_distribution<int> form(0, 4);
    std::uniform_int_distribution<int> small(1, 12);
    std::uniform_int_distribution<int> sign(0, 3);
    const bool negative = sign(random) == 0;
    Typed t;
    const int a = small(random);
    const int b = small(random) + 1;
    switch (form(random)) {
    case 0: // whole
        t = {std::to_string(a), *MakeRational(a, 1)};
        break;
    case 1: // fraction
        t = {std::to_string(a) + "/" + std::to_string(b), *MakeRational(a, b)};
        break;
    case 2: // decimal
        t = {
            std::to_string(a) + "." + std::to_string(b), *MakeRational(a * (b < 10 ? 10 : 100) + b, b < 10 ? 10 : 100)};
        break;
    case 3: // percentage
        t = {std::to_string(a * 7) + "%", *MakeRational(a * 7, 100)};
        break;
    default: { // mixed number, proper fraction part
        const int top = a % b == 0 ? 1 : a % b;
        t = {std::to_string(a) + "又" + std::to_string(top) + "/" + std::to_string(b), *MakeRational(a * b + top, b)};
        break;
    }
    }
    if (negative && t.text.find("又") == std::string::npos) {
        t.text = "-" + t.text;
        t.value.numerator = -t.value.numerator;
    }
    return t;
}

bool Less(const Rational &x, const Rational &y) { return x.numerator * y.denominator < y.numerator * x.denominator; }

Rational Sum(const std::vector<Typed> &list)
{
    Rational total {0, 1};
    for (const Typed &t : list)
        total = *RationalSum(total, t.value);
    return total;
}

} // namespace

// Sorting orders by exact value, the statistics add exact values, and each reads every form.
TEST(ExactValues, SortingAndStatisticsUseExactValues)
{
    Solver s;
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::vector<Typed> list(static_cast<std::size_t>(2 + round % 6));
        std::string line;
        for (Typed &t : list) {
            t = RandomNumber(random);
            line += (line.empty() ? "" : ",") + t.text;
        }
        SCOPED_TRACE(line);
        StringArray entries;
        for (const Typed &t : list) {
            ASSERT_TRUE(numbers::EntryValue(t.text));
            EXPECT_EQ(numbers::EntryValue(t.text)->numerator * t.value.denominator,
                t.value.numerator * numbers::EntryValue(t.text)->denominator);
            entries.InsertAt(0, t.text);
        }
        // 一列数的大小排序: the typed texts, every one, in the order of their values (equal values
        // in the order the exchange sort leaves them).
        const std::string sorted = s.PaiXu(line);
        std::string ascending = sorted.substr(sorted.find("\r\n\r\n") + 4);
        ascending = ascending.substr(0, ascending.find("\r\n"));
        std::vector<std::string> shown;
        for (std::size_t at = 1; at <= ascending.size();) {
            const std::size_t end = std::min(ascending.find(' ', at), ascending.size());
            shown.push_back(ascending.substr(at, end - at));
            at = end + 1;
        }
        std::vector<std::string> typed;
        for (const Typed &t : list)
            typed.push_back(t.text);
        std::vector<std::string> shownSorted = shown;
        std::sort(shownSorted.begin(), shownSorted.end());
        std::sort(typed.begin(), typed.end());
        EXPECT_EQ(shownSorted, typed) << ascending;
        for (std::size_t k = 0; k + 1 < shown.size(); ++k)
            EXPECT_FALSE(Less(*numbers::EntryValue(shown[k + 1]), *numbers::EntryValue(shown[k]))) << ascending;
        std::vector<Typed> expected = list;
        std::stable_sort(
            expected.begin(), expected.end(), [](const Typed &x, const Typed &y) { return Less(x.value, y.value); });
        // Mean and total as exact values.
        const Rational total = Sum(list);
        EXPECT_EQ(s.ZongShu(entries), numbers::EntryText(total));
        EXPECT_EQ(s.PingJunShu(entries),
            numbers::EntryText(*RationalQuotient(total, Rational {static_cast<Whole>(list.size()), 1})));
        // The median: the middle value, or the mean of the two middle values.
        StringArray copy = entries;
        const std::string median = s.ZhongWeiShu(copy);
        const std::size_t n = expected.size();
        const Rational middle = n % 2 == 1
            ? expected[n / 2].value
            : *RationalQuotient(*RationalSum(expected[n / 2 - 1].value, expected[n / 2].value), Rational {2, 1});
        const std::optional<Rational> read = numbers::EntryValue(median);
        ASSERT_TRUE(read) << median;
        EXPECT_EQ(read->numerator * middle.denominator, middle.numerator * read->denominator) << median;
        // 两个数的大小比较 agrees with the exact order of the first two.
        const std::string compared = s.DaXiaoBiJiao(list[0].text + "()" + list[1].text, 1);
        const std::string sign = Less(list[0].value, list[1].value) ? "(＜)"
            : Less(list[1].value, list[0].value)                    ? "(＞)"
                                                                    : "(＝)";
        EXPECT_NE(compared.find(sign), std::string::npos) << compared;
    }
    // The cases of the audit.
    StringArray thirds;
    for (const char *t : {"1/2", "1/3", "1/4"})
        thirds.InsertAt(0, t);
    EXPECT_EQ(s.PingJunShu(thirds), "13/36");
    EXPECT_EQ(s.ZhongWeiShu(thirds), "1/3");
}

// 化简比 of three terms ends in whole terms with no common factor, proportional to the typed ones;
// a proportion with the unknown twice gives the square and its positive root.
TEST(ExactValues, RatiosOfThreeTermsAndSquaredProportions)
{
    Solver s;
    std::mt19937 random(11);
    std::uniform_int_distribution<int> term(1, 30);
    for (int round = 0; round < 200; ++round) {
        const int k = term(random);
        const int a = term(random) * k, b = term(random) * k, c = term(random) * k;
        const std::string worked
            = s.LianBiHuaJian(std::to_string(a) + ":" + std::to_string(b) + ":" + std::to_string(c));
        const std::string last = worked.substr(worked.rfind("＝") + 2, worked.size() - worked.rfind("＝") - 4);
        int p = 0, q = 0, r = 0;
        ASSERT_EQ(std::sscanf(last.c_str(), "%d:%d:%d", &p, &q, &r), 3) << worked;
        EXPECT_EQ(std::gcd(std::gcd(p, q), r), 1);
        EXPECT_EQ(static_cast<long long>(p) * b, static_cast<long long>(q) * a);
        EXPECT_EQ(static_cast<long long>(q) * c, static_cast<long long>(r) * b);
    }
    EXPECT_EQ(s.LianBiHuaJian("2:4:6"), "＝(2÷2):(4÷2):(6÷2)\r\n＝1:2:3\r\n");
    EXPECT_EQ(s.LianBiHuaJian("2:0:6"), "比的各项都不能为0。");
    EXPECT_EQ(s.LianBiHuaJian("2:4"), "");
    for (int root = 1; root <= 40; ++root) {
        const int m = std::max(1, root / 3);
        const int n = root * root;
        // m:x＝x:(n/m) has x^2 = n exactly when m divides n.
        if (n % m != 0)
            continue;
        const std::string line = std::to_string(m) + ":x＝x:" + std::to_string(n / m);
        EXPECT_EQ(s.BiLiPingFang(line, "x"),
            "  x^2＝" + std::to_string(n) + "\r\n  x＝" + std::to_string(root) + "（比的各项都是正数）\r\n")
            << line;
    }
    EXPECT_EQ(s.BiLiPingFang("2:x＝x:3", "x"), "  x^2＝6\r\n  x＝√6（比的各项都是正数）\r\n");
    EXPECT_EQ(s.BiLiPingFang("2x:3＝12:x", "x"), "  x^2＝18\r\n  x＝3√2（比的各项都是正数）\r\n");
    EXPECT_EQ(s.BiLiPingFang("x:3＝4:6", "x"), "");
}

// The solution set of two bounds: nothing when they cross, or when they meet and one is strict.
TEST(ExactValues, InequalitySystemsWithBoundsThatMeet)
{
    Solver s;
    StringArray x;
    x.InsertAt(0, "x");
    const struct {
        const char *lower;
        const char *upper;
        const char *set;
    } cases[] = {
        {"x≥3", "x＜3", "无解"},
        {"x＞3", "x≤3", "无解"},
        {"x＞3", "x＜3", "无解"},
        {"x≥3", "x≤3", "x＝3"},
        {"x≥1/3", "3x≤1", "x＝1/3"},
        {"x≥2", "x＜3", "2≤x＜3"},
        {"x＞4", "x＜3", "无解"},
    };
    for (const auto &c : cases) {
        StringArray system;
        system.InsertAt(0, c.lower);
        system.InsertAt(0, c.upper);
        const std::string out = s.BuDengShiZu(system, x);
        const std::string set = out.substr(out.rfind("解集为：\r\n\r\n") + Len("解集为：\r\n\r\n"));
        EXPECT_EQ(set, std::string(c.set) + "\r\n") << c.lower << " " << c.upper;
    }
}
