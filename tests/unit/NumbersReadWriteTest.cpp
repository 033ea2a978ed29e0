#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <string>

using namespace qimbel;

TEST(DuSiWeiShu, NamesZerosOnlyBetweenDigits)
{
    Solver s;
    EXPECT_EQ(s.DuSiWeiShu("0101"), "零一百零一");
    EXPECT_EQ(s.DuSiWeiShu("1001"), "一千零一");
    EXPECT_EQ(s.DuSiWeiShu("1000"), "一千");
    EXPECT_EQ(s.DuSiWeiShu("10"), "一十");
    EXPECT_EQ(s.DuSiWeiShu("0000"), "");
    EXPECT_EQ(s.DuSiWeiShu(""), "");
}

TEST(DuShu, ReadsLevelByLevelAndSkipsEmptyGroups)
{
    Solver s;
    std::string steps;
    EXPECT_EQ(s.DuShu("100010000", steps), "一亿零一万");
    EXPECT_EQ(s.DuShu("100000001", steps), "一亿零一");
    // A whole level of zeros in the middle reads one 零; zeros at the end of a level do not.
    EXPECT_EQ(s.DuShu("100001000", steps), "一亿零一千");
    EXPECT_EQ(s.DuShu("1000000001000", steps), "一兆零一千");
    EXPECT_EQ(s.DuShu("1000000010000000", steps), "一千兆零一千万");
    EXPECT_EQ(s.DuShu("10001000", steps), "一千万一千");
    EXPECT_EQ(s.DuShu("200000000", steps), "二亿");
    EXPECT_EQ(s.XieShu("一亿零一千", 1), "100001000");
    EXPECT_EQ(s.DuShu("3.05", steps), "三点零五");
    EXPECT_EQ(s.DuShu("1234567890123456", steps), "一千二百三十四兆五千六百七十八亿九千零一十二万三千四百五十六");
    // A group of exactly four digits is still the units group, numbered from 1.
    EXPECT_EQ(s.DuShu("1234", steps), "一千二百三十四");
    EXPECT_EQ(steps, "第1步：读个级 1234 读 一千二百三十四\r\n");
}

TEST(DuShu, ReadsAZeroIntegerPartAsLing)
{
    Solver s;
    std::string steps;
    EXPECT_EQ(s.DuShu("0.5", steps), "零点五");
    EXPECT_EQ(steps, "第1步：读个级 0 读 零\r\n第2步：读小数部分 5 读 五\r\n");
    EXPECT_EQ(s.DuShu("0", steps), "零");
    EXPECT_EQ(s.DuShu(".5", steps), "零点五");
    EXPECT_EQ(steps, "第1步：读小数部分 5 读 五\r\n");
}

TEST(ShuDeDuFa, AnswersTheFirstNumberOnly)
{
    Solver s;
    EXPECT_EQ(s.ShuDeDuFa("12,34", 1), "一十二");
    EXPECT_EQ(s.ShuDeDuFa("读出25%和3", 1), "百分之二十五");
    EXPECT_EQ(s.ShuDeDuFa("没有数", 5), "");
    EXPECT_EQ(s.ShuDeDuFa("", 5), "");
    // A run of signs alone is not a number; the next run is read.
    EXPECT_EQ(s.ShuDeDuFa("--，7", 1), "七");
}

TEST(ShuDeDuFa, ReadsSignsAndOutOfRangeLevels)
{
    Solver s;
    EXPECT_EQ(s.ShuDeDuFa("-3/4", 1), "负四分之三");
    EXPECT_EQ(s.ShuDeDuFa("+5", 1), "正五");
    EXPECT_EQ(s.ShuDeDuFa("12", 0), "一十二");
    EXPECT_EQ(s.ShuDeDuFa("12", 9), "一十二");
    EXPECT_EQ(s.ShuDeDuFa("12", 2), "\r\n数字 12  读作： 一十二\r\n");
    // Only the first number of a run such as 3-2 or 1.2.3 is read.
    EXPECT_EQ(s.ShuDeDuFa("3-2", 1), "三");
    EXPECT_EQ(s.ShuDeDuFa("1.2.3", 1), "一点二");
}

TEST(ShuDeDuFa, RefusesNumbersBeyondZhaoJi)
{
    Solver s;
    const std::string big(17, '9');
    EXPECT_EQ(s.ShuDeDuFa(big, 1), "");
    EXPECT_EQ(s.ShuDeDuFa(big, 5), "\r\n数字 " + big + "  整数部分超过16位，超出兆级，无法读出。\r\n");
    // Any length of decimals is read digit by digit.
    const std::string longDecimal = "0." + std::string(5000, '1');
    EXPECT_EQ(s.ShuDeDuFa(longDecimal, 1).size(), 2u * (2 + 5000));
}

TEST(XieSiWeiShu, PadsInnerPlacesButNotALeadingOne)
{
    Solver s;
    EXPECT_EQ(s.XieSiWeiShu("二千零一十"), "2010");
    EXPECT_EQ(s.XieSiWeiShu("三百零五"), "305");
    EXPECT_EQ(s.XieSiWeiShu("一千零五十"), "1050");
    EXPECT_EQ(s.XieSiWeiShu("零五十"), "0050");
    EXPECT_EQ(s.XieSiWeiShu("五千"), "5000");
    EXPECT_EQ(s.XieSiWeiShu("五"), "5");
    EXPECT_EQ(s.XieSiWeiShu(""), "0");
    EXPECT_EQ(s.XieSiWeiShu("十二"), "12");
    EXPECT_EQ(s.XieSiWeiShu("一百十"), "110");
}

TEST(HanZiShuZi, TakesExactlyOneDigitName)
{
    Solver s;
    EXPECT_EQ(s.HanZiShuZi("零"), "0");
    EXPECT_EQ(s.HanZiShuZi("九"), "9");
    EXPECT_EQ(s.HanZiShuZi("九九"), "");
    EXPECT_EQ(s.HanZiShuZi("十"), "");
    EXPECT_EQ(s.HanZiShuZi(""), "");
}

TEST(XieShu, WritesEveryLevelWithItsPadding)
{
    Solver s;
    EXPECT_EQ(s.XieShu("一万零五", 1), "10005");
    EXPECT_EQ(s.XieShu("一万五千", 1), "15000");
    EXPECT_EQ(s.XieShu("一亿零一万", 1), "100010000");
    EXPECT_EQ(s.XieShu("三兆零二万", 1), "3000000020000");
    EXPECT_EQ(s.XieShu("十万", 1), "100000");
    EXPECT_EQ(s.XieShu("百分之三点五", 1), "3.5%");
    EXPECT_EQ(s.XieShu("零点零八", 1), "0.08");
    // A group below a written level always has four places.
    EXPECT_EQ(s.XieShu("一万五百", 1), "10500");
}

TEST(XieShu, CompletesTheSpokenShortForm)
{
    Solver s;
    EXPECT_EQ(s.XieShu("一万五", 1), "15000");
    EXPECT_EQ(s.XieShu("三百五", 1), "350");
    EXPECT_EQ(s.XieShu("一亿五", 1), "150000000");
    EXPECT_EQ(s.XieShu("一百零五", 1), "105");
    EXPECT_EQ(s.XieShu("十五", 1), "15");
}

TEST(ShuDeXieFa, AnswersTheLastNumeralOfTheLine)
{
    Solver s;
    EXPECT_EQ(s.ShuDeXieFa("三十和四十", 1), "40");
    EXPECT_EQ(s.ShuDeXieFa("写出点五", 1), "0.5");
    EXPECT_EQ(s.ShuDeXieFa("abc", 5), "");
    EXPECT_EQ(s.ShuDeXieFa("", 5), "");
    EXPECT_EQ(s.ShuDeXieFa("一万", 4), "\r\n数字 一万  写作： 10000");
}

TEST(ShuDeXieFa, SurvivesOddText)
{
    Solver s;
    // A stray lead byte at the end, connectors only, and a very long numeral.
    EXPECT_EQ(s.ShuDeXieFa(std::string("五\xB0"), 1), "5");
    EXPECT_EQ(s.ShuDeXieFa("点分之比", 1), "");
    std::string numeral;
    for (int i = 0; i < 2000; ++i)
        numeral += "九万";
    EXPECT_FALSE(s.ShuDeXieFa(numeral, 5).empty());
    EXPECT_FALSE(s.ShuDeXieFa("万亿兆点点", 5).empty());
}

TEST(XieShu, WritesFractionsWanYiAndLiang)
{
    Solver s;
    EXPECT_EQ(s.XieShu("三分之二", 5), "2/3\r\n\r\n第1步：写个级 三 写 3\r\n\r\n第1步：写个级 二 写 2\r\n");
    EXPECT_EQ(s.XieShu("五百分之三", 1), "3/500");
    EXPECT_EQ(s.XieShu("三分之", 1), ""); // no numerator: not a number
    EXPECT_EQ(s.XieShu("一万亿", 1), "1000000000000");
    EXPECT_EQ(s.XieShu("五万三千亿", 1), "5300000000000");
    EXPECT_EQ(s.ShuDeXieFa("两千五百", 1), "2500");
    EXPECT_EQ(s.ShuDeXieFa("两万五", 1), "25000");
}
