#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <string>

using namespace qimbel;

namespace {

const std::string kTooLarge = "数太大，超出了计算范围";
const std::string kZeroOnly = "0不在研究因数和倍数的范围内";

} // namespace

TEST(Fenjieyinshu, WritesRunsOfEqualPrimesAsPowers)
{
    Solver s;
    EXPECT_EQ(s.fenjieyinshu("360"), "2^(3)×3^(2)×5");
    EXPECT_EQ(s.fenjieyinshu("64"), "2^(6)");
    EXPECT_EQ(s.fenjieyinshu("30"), "2×3×5");
    EXPECT_EQ(s.fenjieyinshu("7"), "7");
    EXPECT_EQ(s.fenjieyinshu("98"), "2×7^(2)");
}

TEST(Fenjieyinshu, DropsASignAndGivesSmallNumbersBack)
{
    Solver s;
    EXPECT_EQ(s.fenjieyinshu("-12"), "2^(2)×3");
    EXPECT_EQ(s.fenjieyinshu("－12"), "2^(2)×3");
    EXPECT_EQ(s.fenjieyinshu("1"), "1");
    EXPECT_EQ(s.fenjieyinshu("0"), "0");
    EXPECT_EQ(s.fenjieyinshu("abc"), "abc");
    EXPECT_EQ(s.fenjieyinshu(""), "");
}

TEST(Fenjieyinshu, HandlesTheWholeThirtyTwoBitRange)
{
    Solver s;
    EXPECT_EQ(s.fenjieyinshu("2147483647"), "2147483647");
    EXPECT_EQ(s.fenjieyinshu("2147483646"), "2×3^(2)×7×11×31×151×331");
    // Squares and products of the primes just below the square root of 2^31 stop the trial
    // division exactly at its bound.
    EXPECT_EQ(s.fenjieyinshu("2147117569"), "46337^(2)");
    EXPECT_EQ(s.fenjieyinshu("2146654199"), "46327×46337");
    EXPECT_EQ(s.fenjieyinshu("2147395600"), "2^(4)×5^(2)×7^(2)×331^(2)");
    EXPECT_EQ(s.fenjieyinshu("2147483648"), kTooLarge);
    EXPECT_EQ(s.fenjieyinshu("99999999999999999999999"), kTooLarge);
}

TEST(GongYinShu, ListsTheCommonFactorsAscending)
{
    Solver s;
    EXPECT_EQ(s.GongYinShu("12,18"), "1,2,3,6");
    EXPECT_EQ(s.GongYinShu("12"), "1,2,3,4,6,12");
    EXPECT_EQ(s.GongYinShu(" 36 , 48 ,60"), "1,2,3,4,6,12");
    EXPECT_EQ(s.GongYinShu("49"), "1,7,49");
    EXPECT_EQ(s.GongYinShu("2147483646,2147483647"), "1");
    EXPECT_EQ(s.GongYinShu("2147483647"), "1,2147483647");
}

TEST(GongYinShuAndZuiXiaoGongBeiShu, LeaveZerosOutAndDropSigns)
{
    Solver s;
    EXPECT_EQ(s.GongYinShu("0,12"), "1,2,3,4,6,12");
    EXPECT_EQ(s.GongYinShu("0"), "");
    EXPECT_EQ(s.GongYinShu(""), "");
    EXPECT_EQ(s.GongYinShu("-12,18"), "1,2,3,6");
    EXPECT_EQ(s.ZuiXiaoGongBeiShu("0,4,6"), "12");
    EXPECT_EQ(s.ZuiXiaoGongBeiShu("0,0"), "");
    EXPECT_EQ(s.ZuiXiaoGongBeiShu("-4,6"), "12");
}

TEST(ZuiXiaoGongBeiShu, GivesTheLeastCommonMultipleWithoutOverflow)
{
    Solver s;
    EXPECT_EQ(s.ZuiXiaoGongBeiShu("4,6"), "12");
    EXPECT_EQ(s.ZuiXiaoGongBeiShu("7"), "7");
    EXPECT_EQ(s.ZuiXiaoGongBeiShu("2,3,4,5,6"), "60");
    // Beyond 32 bits the exact value is given.
    EXPECT_EQ(s.ZuiXiaoGongBeiShu("100000,99999"), "9999900000");
    // Beyond 64 bits there is no number to give.
    EXPECT_EQ(s.ZuiXiaoGongBeiShu("2147483647,2147483646,2147483645"), kTooLarge);
}

TEST(BeiShu, ListsTenMultiplesOrTheLeastOne)
{
    Solver s;
    EXPECT_EQ(s.BeiShu("4和6的公倍数有哪些？"),
        "4和6的公倍数有哪些？  答案为：12,24,36,48,60,72,84,96,108,120 ......无数个\r\n");
    EXPECT_EQ(s.BeiShu("7"), "7  答案为：7,14,21,28,35,42,49,56,63,70 ......无数个\r\n");
    EXPECT_EQ(s.BeiShu("4和6的最小公倍数"), "4和6的最小公倍数  答案为：12\r\n");
    EXPECT_EQ(s.BeiShu("4和6的最小公倍数是()。"), "\r\n4和6的最小公倍数是(12)。\r\n");
    EXPECT_EQ(s.BeiShu("()和()都是4和6的最小公倍数"), "\r\n(12)和(12)都是4和6的最小公倍数\r\n");
    EXPECT_EQ(s.BeiShu("没有数"), "");
}

TEST(BeiShu, AnswersZeroAndHugeListsInWords)
{
    Solver s;
    EXPECT_EQ(s.BeiShu("0的倍数"), "0的倍数  答案为：" + kZeroOnly + "\r\n");
    EXPECT_EQ(s.BeiShu("0和4的最小公倍数"), "0和4的最小公倍数  答案为：4\r\n");
    // Ten multiples of 1000000007 * 999999937 no longer fit; the least one still does.
    EXPECT_EQ(
        s.BeiShu("1000000007和999999937的公倍数"), "1000000007和999999937的公倍数  答案为：" + kTooLarge + "\r\n");
    EXPECT_EQ(s.BeiShu("1000000007和999999937的最小公倍数"),
        "1000000007和999999937的最小公倍数  答案为：999999943999999559\r\n");
    EXPECT_EQ(s.BeiShu("2147483647和2147483646和2147483645的最小公倍数"),
        "2147483647和2147483646和2147483645的最小公倍数  答案为：" + kTooLarge + "\r\n");
}

TEST(YinShu, ListsTheCommonFactorsOrTheGreatestOrSmallest)
{
    Solver s;
    EXPECT_EQ(s.YinShu("12和18的公因数"), "12和18的公因数  答案为：1,2,3,6\r\n");
    EXPECT_EQ(s.YinShu("12和18的最大公因数"), "12和18的最大公因数  答案为：6\r\n");
    EXPECT_EQ(s.YinShu("12和18的最小公因数"), "12和18的最小公因数  答案为：1\r\n");
    EXPECT_EQ(s.YinShu("3和5的最小公因数"), "3和5的最小公因数  答案为：1\r\n");
    EXPECT_EQ(s.YinShu("12"), "12  答案为：1,2,3,4,6,12\r\n");
    EXPECT_EQ(s.YinShu("12和18的最大公因数是()"), "\r\n12和18的最大公因数是(6)\r\n");
    EXPECT_EQ(s.YinShu("0的因数"), "0的因数  答案为：" + kZeroOnly + "\r\n");
    EXPECT_EQ(s.YinShu("因数"), "");
}

TEST(KeYueFenAndYueFen, ReduceByTheGreatestCommonFactor)
{
    Solver s;
    EXPECT_EQ(s.YueFen("6/9"), "2/3┃约分:6÷3/9÷3");
    EXPECT_EQ(s.YueFen("6/3"), "2┃约分:6÷3/3÷3");
    EXPECT_EQ(s.YueFen("2/4"), "1/2┃约分:2÷2/4÷2");
    EXPECT_EQ(s.YueFen("4/2"), "2┃约分:4÷2/2÷2");
    EXPECT_EQ(s.YueFen(" 12 / 18 "), "2/3┃约分:12÷6/18÷6");
    EXPECT_EQ(s.YueFen("3/5"), "");
    EXPECT_TRUE(s.KeYueFen("6/9"));
    EXPECT_FALSE(s.KeYueFen("3/5"));
    EXPECT_FALSE(s.KeYueFen("1/1"));
}

TEST(KeYueFenAndYueFen, RefuseWhatCannotBeReduced)
{
    Solver s;
    EXPECT_FALSE(s.KeYueFen(""));
    EXPECT_FALSE(s.KeYueFen("6"));
    EXPECT_FALSE(s.KeYueFen("0/6"));
    EXPECT_FALSE(s.KeYueFen("6/0"));
    EXPECT_EQ(s.YueFen("6/0"), "");
    EXPECT_EQ(s.YueFen("99999999999999999999/2"), "");
    // Sixty-four bit parts are reduced exactly.
    EXPECT_EQ(s.YueFen("4294967296/8589934592"), "1/2┃约分:4294967296÷4294967296/8589934592÷4294967296");
}

TEST(TongFen, BringsAChainToItsLeastCommonDenominator)
{
    Solver s;
    EXPECT_EQ(s.TongFen("1/2＋1/3"),
        "3/6＋2/6┃通分：根据分数式子 1/2＋1/3 中的分母2,3 找出最小公倍数6 ,再由分母2*3=6, 3*2=6, 分子也要乘以相应的数得到1*3/2*3＋1*2/3*2");
    EXPECT_EQ(s.TongFen("1/2＋1/3－1/4"),
        "6/12＋4/12－3/12┃通分：根据分数式子 1/2＋1/3－1/4 中的分母2,3,4 找出最小公倍数12 ,再由分母2*6=12, 3*4=12, 4*3=12, 分子也要乘以相应的数得到1*6/2*6＋1*4/3*4－1*3/4*3");
    // An integer counts as over 1.
    EXPECT_EQ(s.TongFen("2－1/3"),
        "6/3－1/3┃通分：根据分数式子 2－1/3 中的分母1,3 找出最小公倍数3 ,再由分母1*3=3, 3*1=3, 分子也要乘以相应的数得到2*3/1*3－1*1/3*1");
}

TEST(TongFen, TakesALeadingMinusAndRefusesAZeroDenominator)
{
    Solver s;
    EXPECT_EQ(s.TongFen("－1/2＋1/3"),
        "－3/6＋2/6┃通分：根据分数式子 －1/2＋1/3 中的分母2,3 找出最小公倍数6 ,再由分母2*3=6, 3*2=6, 分子也要乘以相应的数得到－1*3/2*3＋1*2/3*2");
    EXPECT_EQ(s.TongFen("1/0＋1/3"), "1/0＋1/3┃分母不能为0");
    EXPECT_EQ(
        s.TongFen("1/2147483647＋1/2147483646＋1/2147483645"), "1/2147483647＋1/2147483646＋1/2147483645┃" + kTooLarge);
    EXPECT_EQ(s.TongFen(""), "");
}
