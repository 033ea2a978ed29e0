// Numbers as pupils write them: thousands separators, 万 and 亿 after a number, 负 in front of a
// numeral; and the means that take a root, exact whenever the root is rational.
#include "numbers/NumberText.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <string>

using namespace qimbel;

namespace {

StringArray List(std::initializer_list<std::string> numbers)
{
    StringArray list;
    for (const std::string &n : numbers)
        list.InsertAt(0, n);
    return list;
}

// thousandths / 1000 as Qimbel writes an exact decimal: 2500 → 2.5, 3 → 0.003.
std::string Thousandths(int thousandths)
{
    std::string text = std::to_string(thousandths / 1000);
    std::string places = std::to_string(1000 + thousandths % 1000).substr(1);
    while (!places.empty() && places.back() == '0')
        places.pop_back();
    return places.empty() ? text : text + "." + places;
}

TEST(ThousandsSeparators, OnlyGroupsOfThreeJoinANumber)
{
    using numbers::WithoutThousandsSeparators;
    EXPECT_EQ(WithoutThousandsSeparators("1,000,000"), "1000000");
    EXPECT_EQ(WithoutThousandsSeparators("-12,345.678,9"), "-12345.678,9");
    EXPECT_EQ(WithoutThousandsSeparators("约1,000人，2,500元"), "约1000人，2500元");
    // Lists stay lists: groups that are not exactly three digits, a first group of four digits,
    // digits after a point.
    for (const char *list : {"12,34", "1,2,3", "1234,567", "0.123,456", "1,0000", "5,", ",123"})
        EXPECT_EQ(WithoutThousandsSeparators(list), list) << list;
    // Good groups before a bad one still join.
    EXPECT_EQ(WithoutThousandsSeparators("1,000,00"), "1000,00");
}

TEST(ScientificNotation, CountingUnitsAndSeparatorsScaleTheNumber)
{
    Solver s;
    EXPECT_EQ(s.KeXueJiShuFa("3.6万"), "3.6×10^(4)");
    EXPECT_EQ(s.KeXueJiShuFa("12.5万"), "1.25×10^(5)");
    EXPECT_EQ(s.KeXueJiShuFa("1.2万亿"), "1.2×10^(12)");
    EXPECT_EQ(s.KeXueJiShuFa("0.5万"), "5×10^(3)");
    EXPECT_EQ(s.KeXueJiShuFa("0.0001万"), "1×10^(0)");
    EXPECT_EQ(s.KeXueJiShuFa("0.00001万"), "1×10^(－1)");
    EXPECT_EQ(s.KeXueJiShuFa("－3.6万"), "－3.6×10^(4)");
    EXPECT_EQ(s.KeXueJiShuFa("12,345.6"), "1.23456×10^(4)");
    // A unit that does not follow the number, and a comma list, change nothing.
    EXPECT_EQ(s.KeXueJiShuFa("3.6元万"), "3.6×10^(0)");
    EXPECT_EQ(s.KeXueJiShuFa("12,34"), "1.2×10^(1)");
}

TEST(ReadingAndWriting, SeparatorsAndTheMinusSign)
{
    Solver s;
    EXPECT_EQ(s.ShuDeDuFa("1,000,000", 1), "一百万");
    EXPECT_EQ(s.ShuDeDuFa("12,345.67", 1), "一万二千三百四十五点六七");
    EXPECT_EQ(s.ShuDeDuFa("-1,000", 1), "负一千");
    EXPECT_EQ(s.ShuDeDuFa("12,34", 1), "一十二");
    // The heading repeats the number as typed.
    EXPECT_EQ(s.ShuDeDuFa("1,000", 4), "\r\n数字 1,000  读作： 一千\r\n");

    EXPECT_EQ(s.ShuDeXieFa("负五", 1), "-5");
    EXPECT_EQ(s.ShuDeXieFa("负三分之二", 1), "-2/3");
    EXPECT_EQ(s.ShuDeXieFa("负点五", 1), "-0.5");
    EXPECT_EQ(s.ShuDeXieFa("气温是负十二度", 1), "-12");
    EXPECT_EQ(s.ShuDeXieFa("负的五", 1), "5");
    // Reading what was written gives the numeral back.
    EXPECT_EQ(s.ShuDeDuFa(s.ShuDeXieFa("负一万零五", 1), 1), "负一万零五");
}

TEST(Means, GeometricAndQuadraticAreExactWhenRational)
{
    Solver s;
    EXPECT_EQ(s.JiHePingJunShu(List({"1", "4", "16"})), "4");
    EXPECT_EQ(s.JiHePingJunShu(List({"1.5", "6"})), "3");
    EXPECT_EQ(s.JiHePingJunShu(List({"0.1", "0.4"})), "0.2");
    EXPECT_EQ(s.JiHePingJunShu(List({"1", "2"})), "1.414214");
    EXPECT_EQ(s.JiHePingJunShu(List({"3", "0", "5"})), "0");
    EXPECT_EQ(s.JiHePingJunShu(List({"2", "-8"})), "不存在（数据中有负数）");

    EXPECT_EQ(s.PingFangPingJunShu(List({"1", "7"})), "5");
    EXPECT_EQ(s.PingFangPingJunShu(List({"-1", "7"})), "5");
    EXPECT_EQ(s.PingFangPingJunShu(List({"0.1", "0.7"})), "0.5");
    EXPECT_EQ(s.PingFangPingJunShu(List({"0.6", "0.8", "0", "0", "0", "0", "0", "0", "0"})), "1/3");
    EXPECT_EQ(s.PingFangPingJunShu(List({"1", "4", "16"})), "9.539392");

    EXPECT_EQ(s.JiHePingJunShu(StringArray()), "");
    EXPECT_EQ(s.PingFangPingJunShu(StringArray()), "");
}

TEST(Means, RandomListsWithARationalRootComeOutExactly)
{
    Solver s;
    std::mt19937 rng(7);
    for (int round = 0; round < 300; ++round) {
        const int t = 1 + static_cast<int>(rng() % 20000); // thousandths
        const std::string x = Thousandths(t);
        // n copies of x: both means are x.
        StringArray copies;
        const int n = 1 + static_cast<int>(rng() % 6);
        for (int i = 0; i < n; ++i)
            copies.Add(x);
        EXPECT_EQ(s.JiHePingJunShu(copies), x);
        EXPECT_EQ(s.PingFangPingJunShu(copies), x);
        // x·k and x/k for k = 2, 4, 5, 8: the geometric mean is x.
        const int k = std::initializer_list<int> {2, 4, 5, 8}.begin()[rng() % 4];
        const int u = k * (1 + static_cast<int>(rng() % 2000));
        EXPECT_EQ(s.JiHePingJunShu(List({Thousandths(u * k), Thousandths(u / k)})), Thousandths(u));
        // t and 7t: the quadratic mean is 5t.
        EXPECT_EQ(s.PingFangPingJunShu(List({x, Thousandths(7 * t)})), Thousandths(5 * t));
    }
}

TEST(Means, HugeAndManyNumbersFallBackToSixDecimals)
{
    Solver s;
    StringArray many;
    for (int i = 0; i < 200; ++i)
        many.Add("123456789.123");
    EXPECT_EQ(s.JiHePingJunShu(many), "123456789.123");
    EXPECT_EQ(s.PingFangPingJunShu(many), "123456789.123");
    // A single number is its own mean, however long (37 digits and a half).
    const std::string long37 = std::string(37, '9') + ".5";
    EXPECT_EQ(s.JiHePingJunShu(List({long37})), long37);
    const std::string huge(60, '9');
    EXPECT_FALSE(s.JiHePingJunShu(List({huge, huge})).empty());
    EXPECT_FALSE(s.PingFangPingJunShu(List({huge, "1"})).empty());
}

} // namespace
