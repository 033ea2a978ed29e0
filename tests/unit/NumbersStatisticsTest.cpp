#include "numbers/NumberText.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <string>

using namespace qimbel;

namespace {

// A number list as the question engine builds it: the first number at the highest index.
StringArray List(std::initializer_list<const char *> numbers)
{
    StringArray list;
    for (const char *n : numbers)
        list.InsertAt(0, n);
    return list;
}

} // namespace

TEST(Statistics, OfTwoToNine)
{
    Solver s;
    StringArray list = List({"2", "3", "4", "5", "6", "7", "8", "9"});
    EXPECT_EQ(s.ZongShu(list), "44");
    EXPECT_EQ(s.PingJunShu(list), "5.5");
    EXPECT_EQ(s.FangCha(list), "5.25");
    EXPECT_EQ(s.BiaoZhunCha(list), "2.291288");
    EXPECT_EQ(s.ZhongShu(list), "9");
    EXPECT_EQ(s.ZhongWeiShu(list), "5.5");
}

TEST(Statistics, MedianOfAnOddListIsTheTextAsTyped)
{
    Solver s;
    StringArray list = List({"3", "2.50", "1"});
    EXPECT_EQ(s.ZhongWeiShu(list), "2.50");
    // The list is left sorted.
    EXPECT_EQ(list.GetAt(0), "1");
    EXPECT_EQ(list.GetAt(2), "3");
}

TEST(Statistics, VarianceDividesByTheCount)
{
    Solver s;
    EXPECT_EQ(s.FangCha(List({"1", "2", "3", "4"})), "1.25");
    // The mean 1/3 is used as printed, 0.333333.
    EXPECT_EQ(s.FangCha(List({"0", "0", "1"})), "0.222222");
}

TEST(Statistics, ModePrefersTheNumberStandingLast)
{
    Solver s;
    EXPECT_EQ(s.ZhongShu(List({"1", "2", "2", "3", "3"})), "3");
    EXPECT_EQ(s.ZhongShu(List({"1", "2", "2", "3"})), "2");
    EXPECT_EQ(s.ZhongShu(List({"3", "3.0", "1"})), "1");
}

TEST(Statistics, EmptyListsAndBlankEntries)
{
    Solver s;
    StringArray empty;
    EXPECT_EQ(s.ZongShu(empty), "0");
    EXPECT_EQ(s.PingJunShu(empty), "");
    EXPECT_EQ(s.ZhongWeiShu(empty), "");
    EXPECT_EQ(s.FangCha(empty), "");
    EXPECT_EQ(s.BiaoZhunCha(empty), "");
    EXPECT_EQ(s.ZhongShu(empty), "");
    // A blanked entry counts as 0 and as one entry.
    EXPECT_EQ(s.PingJunShu(List({"", "4"})), "2");
}

// Fractions and percentages count by their exact values; any other text by its leading number.
TEST(Statistics, ValuesAreExactOrTheLeadingNumber)
{
    Solver s;
    EXPECT_EQ(s.ZongShu(List({"-1.5", "+2", "1/2", "50%", "0x10", "inf"})), "1.5");
    EXPECT_EQ(s.ZongShu(List({"-1.5", "+2", "1/2", "50%"})), "1.5");
    const std::string huge(400, '9');
    EXPECT_EQ(s.ZongShu(List({huge.c_str()})), "inf");
}

TEST(PaiXu, EchoesAndSortsAscendingByDefault)
{
    Solver s;
    EXPECT_EQ(s.PaiXu("5,3,9,1"), "数组  5 3 9 1从小到大排序为：\r\n\r\n 1 3 5 9\r\n");
    EXPECT_EQ(s.PaiXu("5,3,9从大到小"), "数组  5 3 9从大到小排序为：\r\n\r\n 9 5 3\r\n");
    EXPECT_EQ(s.PaiXu("2,1按大到小排列"), "数组  2 1从大到小排序为：\r\n\r\n 2 1\r\n");
    EXPECT_EQ(s.PaiXu(""), "数组 从小到大排序为：\r\n\r\n\r\n");
    EXPECT_EQ(s.PaiXu("-2,5.0,-3.5"), "数组  -2 5.0 -3.5从小到大排序为：\r\n\r\n -3.5 -2 5.0\r\n");
}

TEST(PaiXu, OrdersEqualValuesLikeTheExchangeSort)
{
    Solver s;
    // In array order (last number first) the list is 1 4 1.0 1.00; the exchange sort takes 1
    // first, swaps 1.0 into the second place and 4 into the third.
    EXPECT_EQ(s.PaiXu("1.00,1.0,4,1"), "数组  1.00 1.0 4 1从小到大排序为：\r\n\r\n 1 1.0 1.00 4\r\n");
}

// The sort is computed without performing the exchanges; the order it leaves, equal values
// included, must be the one the exchanges leave. Lists of few distinct values written in several
// ways (3, 3.0, 03, 3.00) put the order of equal values to the test.
TEST(PaiXu, TheFastSortLeavesTheOrderOfTheExchanges)
{
    std::mt19937 random(22);
    for (int round = 0; round < 300; ++round) {
        const int n = static_cast<int>(random() % 40);
        const int distinct = 1 + static_cast<int>(random() % 6);
        StringArray list;
        std::vector<std::string> exchanged;
        for (int i = 0; i < n; ++i) {
            const int value = static_cast<int>(random() % distinct) - 2;
            std::string text = std::to_string(value);
            const char *const tails[] = {"", ".0", ".00", ".000", ".0000"};
            text += tails[random() % 5];
            text += "#" + std::to_string(i); // tells the equal values apart
            list.Add(text);
            exchanged.push_back(text);
        }
        for (std::size_t i = 0; i < exchanged.size(); ++i)
            for (std::size_t j = i + 1; j < exchanged.size(); ++j)
                if (std::stod(exchanged[i]) > std::stod(exchanged[j]))
                    std::swap(exchanged[i], exchanged[j]);
        numbers::ExchangeSort(list);
        ASSERT_EQ(list.GetSize(), n);
        for (int i = 0; i < n; ++i)
            ASSERT_EQ(list[i], exchanged[static_cast<std::size_t>(i)]) << "round " << round << ", place " << i;
    }
}

TEST(PaiXu, SortsAPastedListUpToTheLineLimit)
{
    Solver s;
    std::string line;
    for (int i = 1700; i > 0; --i)
        line += std::to_string(i) + ",";
    ASSERT_LE(Len(line), 8192);
    const std::string answer = s.PaiXu(line);
    EXPECT_NE(answer.find("排序为：\r\n\r\n 1 2 3 4 "), std::string::npos);
    // A longer line is answered with one sentence.
    EXPECT_EQ(s.PaiXu(line + line), "这一行太长，无法计算：一行最多可以有8192个字符。");
}
