#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <string>

using namespace qimbel;

TEST(KeXueJiShuFa, MovesThePointAndKeepsTheDigits)
{
    Solver s;
    EXPECT_EQ(s.KeXueJiShuFa("12345"), "1.2345×10^(4)");
    EXPECT_EQ(s.KeXueJiShuFa("1200"), "1.200×10^(3)");
    EXPECT_EQ(s.KeXueJiShuFa("7"), "7×10^(0)");
    EXPECT_EQ(s.KeXueJiShuFa("123.45"), "1.2345×10^(2)");
    EXPECT_EQ(s.KeXueJiShuFa("0.00123"), "1.23×10^(－3)");
    EXPECT_EQ(s.KeXueJiShuFa("0.5"), "5×10^(－1)");
    EXPECT_EQ(s.KeXueJiShuFa("－0.0456"), "－4.56×10^(－2)");
    EXPECT_EQ(s.KeXueJiShuFa("＋3.14"), "＋3.14×10^(0)");
}

TEST(KeXueJiShuFa, CopesWithZerosPointsAndNoise)
{
    Solver s;
    EXPECT_EQ(s.KeXueJiShuFa("0"), "0×10^(0)");
    EXPECT_EQ(s.KeXueJiShuFa("0.000"), "0×10^(0)");
    EXPECT_EQ(s.KeXueJiShuFa("00123"), "1.23×10^(2)");
    EXPECT_EQ(s.KeXueJiShuFa(".5"), "5×10^(－1)");
    EXPECT_EQ(s.KeXueJiShuFa("5."), "5×10^(0)");
    EXPECT_EQ(s.KeXueJiShuFa("1.2.3"), "1.2×10^(0)");
    EXPECT_EQ(s.KeXueJiShuFa("abc"), "");
    EXPECT_EQ(s.KeXueJiShuFa(""), "");
    const std::string many(3000, '9');
    EXPECT_EQ(s.KeXueJiShuFa(many), "9." + many.substr(1) + "×10^(2999)");
}

TEST(GetJinSiZhi, FindsThePlaceByNameOrByExample)
{
    Solver s;
    EXPECT_EQ(s.GetJinSiZhi("3.146精确到百分位", 1), "3.15");
    EXPECT_EQ(s.GetJinSiZhi("3.146精确到0.01", 1), "3.15");
    EXPECT_EQ(s.GetJinSiZhi("3.14精确到0.1", 1), s.GetJinSiZhi("3.14精确到十分位", 1));
    EXPECT_EQ(s.GetJinSiZhi("1234.5四舍五入到100", 1), "1200");
    EXPECT_EQ(s.GetJinSiZhi("1.234567四舍五入到十万分位", 1), "1.23457");
    EXPECT_EQ(s.GetJinSiZhi("1234567四舍五入到十万位", 1), "1200000");
    // 精确 wins over 四舍五入 when both are there.
    EXPECT_EQ(s.GetJinSiZhi("3.146四舍五入精确到十分位", 4), "3.146≈3.1");
}

TEST(GetJinSiZhi, CarriesThroughNines)
{
    Solver s;
    EXPECT_EQ(s.GetJinSiZhi("9.96精确到十分位", 1), "10.0");
    EXPECT_EQ(s.GetJinSiZhi("999.5四舍五入到个位", 1), "1000");
    EXPECT_EQ(s.GetJinSiZhi("99999精确到百位", 1), "100000");
    EXPECT_EQ(s.GetJinSiZhi("0.96精确到十分位", 1), "1.0");
    EXPECT_EQ(s.GetJinSiZhi("0.5四舍五入到个位", 1), "1");
    EXPECT_EQ(s.GetJinSiZhi("3.14159精确到百分位", 5),
        "3.14159≈3.14\t\t解 3.14159 精确 到 百分位 : 因为千分位1 < 5 ,则舍去百分位后面的数字。");
}

TEST(GetJinSiZhi, LeavesANumberWithoutDigitsBehindTheTarget)
{
    Solver s;
    EXPECT_EQ(s.GetJinSiZhi("3.14精确到百分位", 5),
        "3.14≈3.14\t\t解 3.14 精确 到 百分位 : 因为百分位后面没有数字 ,则原数不变。");
    EXPECT_EQ(s.GetJinSiZhi("3.1精确到千分位", 1), "3.1");
    EXPECT_EQ(s.GetJinSiZhi("123四舍五入到个位", 1), "123");
    // A place left of the number rounds to 0 or to the next power of ten.
    EXPECT_EQ(s.GetJinSiZhi("123四舍五入到千位", 1), "0");
    EXPECT_EQ(s.GetJinSiZhi("523四舍五入到千位", 1), "1000");
}

TEST(GetJinSiZhi, KeepsASignInFront)
{
    Solver s;
    EXPECT_EQ(s.GetJinSiZhi("－3.146精确到百分位", 4), "－3.146≈－3.15");
    EXPECT_EQ(s.GetJinSiZhi("-2.5四舍五入到个位", 4), "－2.5≈－3");
}

TEST(GetJinSiZhi, GivesNothingWithoutKeywordNumberOrPlace)
{
    Solver s;
    EXPECT_EQ(s.GetJinSiZhi("3.146到百分位", 5), "");
    EXPECT_EQ(s.GetJinSiZhi("精确到百分位", 5), "");
    EXPECT_EQ(s.GetJinSiZhi("3.146精确到", 5), "");
    EXPECT_EQ(s.GetJinSiZhi("3.146精确到0.0000000000000001", 5), "");
    EXPECT_EQ(s.GetJinSiZhi("3.146精确到10000000000000000", 5), "");
    EXPECT_EQ(s.GetJinSiZhi("", 5), "");
}

TEST(GetJinSiZhi, RoundsToTheSmallestPlaceOfTheTables)
{
    Solver s;
    // The digit that decides a rounding to 千兆分位 is the sixteenth after the point.
    EXPECT_EQ(s.GetJinSiZhi("0.1234567890123456精确到千兆分位", 5),
        "0.1234567890123456≈0.123456789012346\t\t"
        "解 0.1234567890123456 精确 到 千兆分位 : 因为万兆分位6 > 4 ,则向千兆分位 进 1。");
    EXPECT_EQ(s.GetJinSiZhi("1234567890123456789精确到千兆位", 1), "1235000000000000000");
}
