#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

using namespace qimbel;

namespace {

// The page's line list: the first line typed at the highest index.
StringArray Lines(std::initializer_list<const char *> typed)
{
    StringArray lines;
    for (const char *line : typed)
        lines.InsertAt(0, line);
    return lines;
}

// The answer to one question about a data line.
std::string Answer(const char *data, const char *question)
{
    Solver s;
    const std::string text = s.ShuDeXingZhi(Lines({data, question}));
    const std::string mark = "答案为：";
    const std::size_t p = text.find(mark);
    return p == std::string::npos ? "<" + text + ">" : text.substr(p + mark.size(), text.size() - p - mark.size() - 2);
}

} // namespace

TEST(ShuDeXingZhi, SignsAndKindsOfNumbers)
{
    const char *data = "0,3,-2,1.5,-0.5,25%,12.5%,1/2,1.5/2,7/3";
    EXPECT_EQ(Answer(data, "哪些是正有理数？"), "0,3,1.5,25%,12.5%,1/2,1.5/2,7/3");
    EXPECT_EQ(Answer(data, "哪些是正实数？"), "3,1.5,25%,12.5%,1/2,1.5/2,7/3");
    EXPECT_EQ(Answer(data, "哪些是负数，哪些是整数？"), "-2");
    EXPECT_EQ(Answer(data, "哪些是正数？"), Answer(data, "哪些是正实数？"));
    EXPECT_EQ(Answer(data, "哪些是百分数？"), "25%");
    EXPECT_EQ(Answer(data, "哪些是分数？"), "1/2,7/3");
    EXPECT_EQ(Answer(data, "哪些是小数？"), "1.5,-0.5");
    EXPECT_EQ(Answer(data, "哪些是自然数？"), "0,3");
    EXPECT_EQ(Answer(data, "哪些是无理数？"), "");
    EXPECT_EQ(Answer(data, "哪些是真分数？"), "1/2");
    EXPECT_EQ(Answer(data, "哪些是假分数？"), "7/3");
}

TEST(ShuDeXingZhi, PrimesCompositesAndParity)
{
    const char *data = "0,1,2,3,4,9,97,1000000007,1000000008,99999999999999999999,2.5";
    EXPECT_EQ(Answer(data, "哪些是质数？"), "2,3,97,1000000007");
    EXPECT_EQ(Answer(data, "哪些是合数？"), "4,9,1000000008");
    EXPECT_EQ(Answer(data, "哪些不是偶数？"), "1,3,9,97,1000000007,99999999999999999999,2.5");
    EXPECT_EQ(Answer(data, "哪些是非奇数？"), "0,2,4,1000000008,2.5");
}

TEST(ShuDeXingZhi, FactorsAndMultiplesNeverDivideByZero)
{
    const char *data = "0,1,2,3,4,6,12,18,2.5";
    EXPECT_EQ(Answer(data, "哪些是12和18的公因数？"), "1,2,3,6");
    EXPECT_EQ(Answer(data, "哪些数不是12的因数？"), "0,18,2.5");
    EXPECT_EQ(Answer(data, "哪些数能被2和3整除？"), "6,12,18");
    EXPECT_EQ(Answer(data, "哪些数不能被3整除？"), "0,1,2,4,2.5");
    EXPECT_EQ(Answer(data, "哪些是0的倍数？"), "0,1,2,3,4,6,12,18,2.5");
    EXPECT_EQ(Answer(data, "哪些是0的因数？"), "0,1,2,3,4,6,12,18,2.5");
    EXPECT_EQ(Answer("7,99999999999999999999", "哪些是3的倍数？"), "99999999999999999999");
}

TEST(ShuDeXingZhi, ClausesCollectUntilANameOccurs)
{
    // The clause 哪些数 names nothing; it waits for the next one.
    EXPECT_EQ(Answer("1,2,3,4", "哪些数，是偶数？"), "2,4");
    // Without a closing mark there are no clauses, and the whole list answers.
    EXPECT_EQ(Answer("1,2,3,4", "哪些是偶数"), "1,2,3,4");
}

TEST(ShuDeXingZhi, StatisticsOfTheNumbersLeft)
{
    EXPECT_EQ(Answer("2,3,4,5,6,7,8,9", "平均数是多少？"), "5.5");
    EXPECT_EQ(Answer("2,3,4,5,6,7,8,9", "算术平均数是多少？"), "5.5");
    EXPECT_EQ(Answer("1,2,3,4", "哪些是偶数，它们的平均数是多少？"), "3");
    EXPECT_EQ(Answer("3,-1,8,8", "最大数是多少？"), "8");
    EXPECT_EQ(Answer("3,-1,8,8", "最小数是多少？"), "-1");
    EXPECT_EQ(Answer("1,2,3", "平方和是多少？"), "14");
    EXPECT_EQ(Answer("1,2,3,4", "累乘的结果？"), "24");
    EXPECT_EQ(Answer("2,4,4,4,5,5,7,9", "N-1标准差是多少？"), "2.13809");
    EXPECT_EQ(Answer("2,4", "哪些是奇数，平均数是多少？"), "");
}

TEST(ShuDeXingZhi, EachQuestionStartsAfresh)
{
    Solver s;
    EXPECT_EQ(s.ShuDeXingZhi(Lines({"1,2,3,4", "平均数是()。", "哪些是奇数？"})),
        "\r\n平均数是(2.5)。\r\n\r\n哪些是奇数？  答案为：1,3\r\n");
    EXPECT_EQ(s.ShuDeXingZhi(Lines({"1,2,3,4"})), "");
    EXPECT_EQ(s.ShuDeXingZhi(Lines({})), "");
    // A data line without numbers answers empty, whatever is asked.
    EXPECT_EQ(s.ShuDeXingZhi(Lines({"没有数", "平均数是()。()"})), "\r\n平均数是()。()\r\n");
    // Full-width signs in the data line keep their numbers negative.
    EXPECT_EQ(s.ShuDeXingZhi(Lines({"－3，2", "哪些是负数？"})), "\r\n哪些是负数？  答案为：-3\r\n");
}
