// Worked arithmetic: the step routines, the operands they pick, the arithmetic on number texts
// and polynomials, and whole worked texts that the text box cannot carry (a typed "/" becomes
// "÷" on the calculation pages, so fractions are checked on the drivers directly).
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <string>

using namespace qimbel;

namespace {

std::string Blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

int CountOf(const std::string &text, const std::string &piece)
{
    int n = 0;
    for (std::size_t p = text.find(piece); p != std::string::npos; p = text.find(piece, p + piece.size()))
        ++n;
    return n;
}

} // namespace

TEST(SiZeHunHeYunSuan, WritesTheWorkedExampleWithItsPadding)
{
    Solver s;
    // 12 bytes first; the labels stand at 12 − length + 10 blanks: 15, 17 and 21.
    EXPECT_EQ(s.SiZeHunHeYunSuan("2×(3＋4)－5"),
        "2×(3＋4)－5\r\n＝2×7－5" + Blanks(15) + "第1步:进行小括号中，3＋4=7 的加法计算\r\n＝14－5" + Blanks(17)
            + "第2步:2×7=14 的乘法计算\r\n＝9" + Blanks(21) + "第3步:14－5=9 的减法计算");
    EXPECT_EQ(s.SiZeHunHeYunSuan("12"), "12");
}

TEST(SiZeHunHeYunSuan, EndsOnAStepThatFindsNothingOrChangesNothing)
{
    Solver s;
    // A division by 0 forms no value: the line shows the operation and the working stops.
    EXPECT_EQ(s.SiZeHunHeYunSuan("5÷0"), "5÷0\r\n＝" + Blanks(14) + "第1步:5÷0= 的除法计算");
    EXPECT_EQ(s.SiZeHunHeYunSuan("1＋5÷0"), "1＋5÷0\r\n＝" + Blanks(17) + "第1步:5÷0= 的除法计算");
    // Unlike letters: the step gives back the same expression once, then the loop ends.
    EXPECT_EQ(CountOf(s.SiZeHunHeYunSuan("a＋b"), "步:"), 1);
    // A bare operator: the step finds nothing and writes "＝" alone.
    EXPECT_EQ(s.SiZeHunHeYunSuan("×3"), "×3\r\n＝");
}

TEST(SiZeHunHeYunSuan, WorksFractionsAndEndsWithTheReduction)
{
    Solver s;
    const std::string text = s.SiZeHunHeYunSuan("1/2＋1/6");
    EXPECT_EQ(text,
        "1/2＋1/6\r\n＝3/6＋1/6" + Blanks(10)
            + "第1步:通分：根据分数式子 1/2＋1/6 中的分母2,6 找出最小公倍数6 ,再由分母2*3=6, 6*1=6, "
              "分子也要乘以相应的数得到1*3/2*3＋1*1/6*1\r\n＝4/6"
            + Blanks(15) + "第2步:3/6＋1/6=4/6 的加法计算\r\n＝2/3" + Blanks(15) + "第3步:约分:4÷2/6÷2");
}

TEST(HunHeYunSuan, WritesFractionWorkingByDetailLevel)
{
    Solver s;
    const std::string worked = "1/2＋1/3\r\n＝3/6＋2/6" + Blanks(30)
        + "第1步:通分：根据分数式子 1/2＋1/3 中的分母2,3 找出最小公倍数6 ,再由分母2*3=6, 3*2=6, "
          "分子也要乘以相应的数得到1*3/2*3＋1*2/3*2\r\n＝5/6"
        + Blanks(30) + "第2步:3/6＋2/6=5/6 的加法计算";
    EXPECT_EQ(s.HunHeYunSuan("1/2＋1/3", 5), worked);
    EXPECT_EQ(s.HunHeYunSuan("1/2＋1/3", 4), "1/2＋1/3\r\n＝3/6＋2/6\r\n＝5/6");
    EXPECT_EQ(s.HunHeYunSuan("1/2＋1/3", 2), "1/2＋1/3\r\n＝3/6＋2/6\r\n＝5/6");
    EXPECT_EQ(s.HunHeYunSuan("1/2＋1/3", 1), "5/6");
    // Outside 1 to 5 counts as 1.
    EXPECT_EQ(s.HunHeYunSuan("1/2＋1/3", 0), "5/6");
    EXPECT_EQ(s.HunHeYunSuan("1/2＋1/3", 9), "5/6");

    EXPECT_EQ(s.HunHeYunSuan("3/4×2/3", 5), "3/4×2/3\r\n＝1/2" + Blanks(30) + "第1步:3/4×2/3=1/2 的乘法计算");
    EXPECT_EQ(s.HunHeYunSuan("1/2÷3/4", 4), "1/2÷3/4\r\n＝1/2×4/3\r\n＝2/3");
    EXPECT_EQ(s.HunHeYunSuan("0.5＋1/4", 1), "0.75");
    // The reduction step is numbered after the last step and joins the chain.
    EXPECT_EQ(s.HunHeYunSuan("1/4＋1/4", 4), "1/4＋1/4\r\n＝2/4\r\n＝1/2");
    EXPECT_EQ(s.HunHeYunSuan("1/4＋1/4", 5),
        "1/4＋1/4\r\n＝2/4" + Blanks(30) + "第1步:1/4＋1/4=2/4 的加法计算\r\n＝1/2" + Blanks(30)
            + "第2步:约分:2÷2/4÷2");
    // A negative fraction is reduced by its size and keeps its sign.
    EXPECT_EQ(s.HunHeYunSuan("1/4－3/4", 1), "－1/2");
}

TEST(HunHeYunSuan, WritesAtMostTwentyOneSteps)
{
    Solver s;
    std::string sum = "1";
    for (int i = 2; i <= 30; ++i)
        sum += "＋" + std::to_string(i);
    const std::string text = s.HunHeYunSuan(sum, 5);
    EXPECT_EQ(CountOf(text, "步:"), 21);
    EXPECT_NE(text.find("第21步:"), std::string::npos);
    EXPECT_EQ(s.HunHeYunSuan(sum, 1), "253＋23＋24＋25＋26＋27＋28＋29＋30");
}

TEST(HunHeYunSuan, StopsWhenAStepFindsNothing)
{
    Solver s;
    EXPECT_EQ(s.HunHeYunSuan("a＋b", 5), "a＋b");
    EXPECT_EQ(s.HunHeYunSuan("1÷0", 1), "1÷0");
    EXPECT_EQ(s.HunHeYunSuan("", 5), "");
}

TEST(KuoHaoShuZiBu, WorksTheInnermostGroupAndKeepsItsBracketsWhileWorkRemains)
{
    Solver s;
    EXPECT_EQ(s.KuoHaoShuZiBu("2×(3＋4)", "(", ")"), "2×7┃进行小括号中，3＋4=7 的加法计算");
    EXPECT_EQ(s.KuoHaoShuZiBu("2×(3＋4×5)", "(", ")"), "2×(3＋20)┃进行小括号中，4×5=20 的乘法计算");
    // A group that holds a number alone loses its brackets; the number keeps its value.
    EXPECT_EQ(s.KuoHaoShuZiBu("2－(－2)", "(", ")"), "2－－2┃去掉式子 (－2) 两边的括号");
    EXPECT_EQ(s.SiZeHunHeYunSuan("2－(－2)"),
        "2－(－2)\r\n＝2－－2" + Blanks(12) + "第1步:去掉式子 (－2) 两边的括号\r\n＝4" + Blanks(17)
            + "第2步:2－－2=4 的减法计算");
}

TEST(XianSuanFuHao, PicksProductsAndQuotientsFirstEachFromTheLeft)
{
    Solver s;
    EXPECT_EQ(s.XianSuanFuHao("6÷2×3"), "÷");
    EXPECT_EQ(s.XianSuanFuHao("1＋2×3"), "×");
    EXPECT_EQ(s.XianSuanFuHao("5－2＋1"), "－");
    // A leading sign is the sign of the first number.
    EXPECT_EQ(s.XianSuanFuHao("－3＋2"), "＋");
    EXPECT_EQ(s.XianSuanFuHao("－4－2"), "－");
    EXPECT_EQ(s.XianSuanFuHao("－4"), "");
    EXPECT_EQ(s.XianSuanFuHao("12"), "");
}

TEST(Operands, AreTheNumbersTouchingTheOperator)
{
    Solver s;
    EXPECT_EQ(s.ZuoCaoZuoShu("1＋23×4", 5), "23");
    EXPECT_EQ(s.ZuoCaoZuoShu("－4×2", 3), "－4");
    EXPECT_EQ(s.YouCaoZuoShu("1＋23×4", 3), "23");
    EXPECT_EQ(s.YouCaoZuoShu("2×4", 3), "4");
    // A right operand with a sign ends at the next operator after it.
    EXPECT_EQ(s.YouCaoZuoShu("2×－3＋1", 3), "－3");
}

TEST(ShuZiYiBu, ReplacesOnlyOperationsThatStandOnTheirOwn)
{
    Solver s;
    EXPECT_EQ(s.ShuZiYiBu("2×3＋2×3"), "6＋6┃2×3=6 的乘法计算");
    // Not inside a longer number.
    EXPECT_EQ(s.ShuZiYiBu("5＋1×2＋31×2"), "5＋2＋31×2┃1×2=2 的乘法计算");
    EXPECT_EQ(s.ShuZiYiBu("1×2＋1×23"), "2＋1×23┃1×2=2 的乘法计算");
    // Not where a neighbour binds it otherwise: 8÷1×2 is (8÷1)×2, 3－1＋2 is (3－1)＋2.
    EXPECT_EQ(s.ShuZiYiBu("1×2＋8÷1×2"), "2＋8÷1×2┃1×2=2 的乘法计算");
    EXPECT_EQ(s.ShuZiYiBu("1＋2＋3－1＋2"), "3＋3－1＋2┃1＋2=3 的加法计算");
    EXPECT_EQ(s.ShuZiYiBu("12"), "");
    // A sum rewritten over a common denominator: the two-space phrase and the sum once more.
    EXPECT_EQ(s.ShuZiYiBu("1/2＋1/3＋0.5"), "3/6＋2/6＋0.5┃1/2＋1/3=3/6＋2/6 的加法计算  3/6＋2/6");
}

TEST(NumberArithmetic, GivesExactTextsForEveryKindOfNumber)
{
    Solver s;
    EXPECT_EQ(s.XiangJia("3", "4"), "7");
    EXPECT_EQ(s.XiangJian("3", "4"), "－1");
    EXPECT_EQ(s.XiangJian("2", "(－2)"), "4");
    EXPECT_EQ(s.XiangJia("0.5", "1/4"), "0.75");
    EXPECT_EQ(s.XiangJia("1/6", "3/6"), "4/6");
    EXPECT_EQ(s.XiangJian("1/6", "1/6"), "0");
    EXPECT_EQ(s.XiangJia("3a", "2a"), "5a");
    EXPECT_EQ(s.XiangJia("a^2", "a"), "a^2＋a");
    EXPECT_EQ(s.XiangJian("a", "b"), "a－b");
    EXPECT_EQ(s.XiangCheng("2", "7"), "14");
    EXPECT_EQ(s.XiangCheng("3/4", "2/3"), "1/2");
    EXPECT_EQ(s.XiangCheng("6", "2/1"), "12");
    EXPECT_EQ(s.XiangCheng("－1/2", "3/3"), "－1/2");
    EXPECT_EQ(s.XiangCheng("2.5", "4"), "10");
    EXPECT_EQ(s.XiangChu("7", "2"), "3.5");
    EXPECT_EQ(s.XiangChu("1/2", "3/4"), "1/2×4/3");
    EXPECT_EQ(s.XiangChu("6", "－1/2"), "6×－2/1");
    EXPECT_EQ(s.XiangChu("1", "0"), "");
    EXPECT_EQ(s.XiangChu("1.5", "0"), "");
    EXPECT_EQ(s.XiangCheng("1/0", "2"), "");
    EXPECT_EQ(s.XiangJia("1", ""), "");
}

TEST(NumberArithmetic, NeverPrintsAnOverflowedWholeNumber)
{
    Solver s;
    EXPECT_EQ(s.XiangJia("2147483647", "1"), "2147483648");
    EXPECT_EQ(s.XiangCheng("99999999999", "99999999999"), "9999999999800000000001");
    EXPECT_EQ(s.XiangCheng("123456789123456789", "987654321987654321"), "121932631356500531347203169112635269");
    EXPECT_EQ(s.XiangJian("－9223372036854775808", "9223372036854775808"), "－18446744073709551616");
    // Beyond 128 bits the decimal road takes over; a value too large for it forms nothing.
    const std::string huge(400, '9');
    EXPECT_EQ(s.XiangCheng(huge, huge), "");
}

TEST(FenMuBuTong, ComparesNeighbouringDenominators)
{
    Solver s;
    EXPECT_EQ(s.FenMuBuTong("1/2＋1/3"), 1);
    EXPECT_EQ(s.FenMuBuTong("1/6＋5/6－2/6"), 0);
    EXPECT_EQ(s.FenMuBuTong("1/2"), 0);
    EXPECT_EQ(s.FenMuBuTong("－1/2＋1/2"), 0);
}

TEST(HeBingTongLeiXiang, CombinesLikeTermsInOrderOfLastOccurrence)
{
    Solver s;
    EXPECT_EQ(s.HeBingTongLeiXiang("2a＋3b－a"), "3b＋a");
    EXPECT_EQ(s.HeBingTongLeiXiang("x＋x＋1"), "2x＋1");
    EXPECT_EQ(s.HeBingTongLeiXiang("a－a"), "");
    EXPECT_EQ(s.HeBingTongLeiXiang("3x－x"), "2x");
    EXPECT_EQ(s.HeBingTongLeiXiang("x＋1"), "x＋1");
    EXPECT_EQ(s.HeBingTongLeiXiang("－x－x"), "－2x");
    // Alike however the exponent or the letter order is written.
    EXPECT_EQ(s.HeBingTongLeiXiang("2a^(2)＋6a－a^2"), "6a＋a^2");
    EXPECT_EQ(s.HeBingTongLeiXiang("2ab＋3ba"), "5ba");
    EXPECT_EQ(s.HeBingTongLeiXiang("a^2＋a"), "a^2＋a");
    EXPECT_EQ(s.HeBingTongLeiXiang("2(a＋b)＋3(a＋b)"), "5(a＋b)");
    EXPECT_EQ(s.HeBingTongLeiXiang(""), "");
    // A doubled sign: the bare sign belongs to the term after it.
    EXPECT_EQ(s.HeBingTongLeiXiang("a－－b"), "a＋b");
    EXPECT_EQ(s.HeBingTongLeiXiang("－－a＋a"), "2a");
}

TEST(Monomials, MultiplyAndDivideLetterByLetter)
{
    Solver s;
    EXPECT_EQ(s.DanXiangShiCheng("2a", "3"), "6a");
    EXPECT_EQ(s.DanXiangShiCheng("－a", "a"), "－a^(2)");
    EXPECT_EQ(s.DanXiangShiCheng("2a^2b", "3ab"), "6a^(3)b^(2)");
    EXPECT_EQ(s.DanXiangShiCheng("b", "a"), "ab");
    EXPECT_EQ(s.DanXiangShiCheng("＋1", "－1"), "－1");
    EXPECT_EQ(s.DanXiangShiChu("6a^2b", "2a"), "3ab");
    EXPECT_EQ(s.DanXiangShiChu("a", "a"), "1");
    EXPECT_EQ(s.DanXiangShiChu("a", "a^3"), "a^(－2)");
    EXPECT_EQ(s.DanXiangShiChu("1/2a", "3"), "1/6a");
    EXPECT_EQ(s.DanXiangShiChu("a", "0"), "");
    // A letter under a fraction bar is no factor of the monomial: no product is written.
    EXPECT_EQ(s.DanXiangShiCheng("6a", "a/b"), "");
    EXPECT_EQ(s.XiangCheng("a/b", "2"), "");
    // Nor is a term that holds a bracket group (aba(1－ca) times 22a gave a^(5)bc(22－22)).
    EXPECT_EQ(s.XiangCheng("(22a－22a^(2)c)", "aba(1－ca)"), "");
    // A signed exponent stays inside its term.
    EXPECT_EQ(s.XiangCheng("6a", "(ab^(－1))"), "6a^(2)b^(－1)");
    // A divisor of several terms cannot be divided term by term.
    EXPECT_EQ(s.XiangChu("a＋b", "a＋b"), "");
}

TEST(ZhengShiChengFang, ExpandsPowersAndCombines)
{
    Solver s;
    EXPECT_EQ(s.ZhengShiChengFang("(a＋b)", "2"), "a^(2)＋2ab＋b^(2)");
    EXPECT_EQ(s.ZhengShiChengFang("(a－b)", "3"), "a^(3)－3a^(2)b＋3ab^(2)－b^(3)");
    EXPECT_EQ(s.ZhengShiChengFang("2", "10"), "1024");
    EXPECT_EQ(s.ZhengShiChengFang("(－2)", "3"), "－8");
    EXPECT_EQ(s.ZhengShiChengFang("2", "－2"), "0.25");
    EXPECT_EQ(s.ZhengShiChengFang("1/2", "－2"), "4");
    EXPECT_EQ(s.ZhengShiChengFang("9", "0.5"), "3");
    EXPECT_EQ(s.ZhengShiChengFang("(a＋b)", "0"), "1");
    // Not workable: letters with an exponent that is not a whole number; a negative base with a
    // fractional exponent has no value.
    EXPECT_EQ(s.ZhengShiChengFang("(a＋b)", "1/2"), "(a＋b)^1/2");
    EXPECT_EQ(s.ZhengShiChengFang("(－4)", "0.5"), "");
}

TEST(Operands, LeftShiAndRightShiTakeTheTouchingFactors)
{
    Solver s;
    EXPECT_EQ(s.LeftShi("3＋2a×"), "2a×");
    EXPECT_EQ(s.LeftShi("5－(a＋b)"), "(a＋b)");
    EXPECT_EQ(s.LeftShi("5－2"), "2");
    EXPECT_EQ(s.LeftShi("6a^2b"), "6a^2b");
    EXPECT_EQ(s.RightShi("3b＋c"), "3b");
    EXPECT_EQ(s.RightShi("(a＋b)c"), "(a＋b)");
    EXPECT_EQ(s.RightShi("2a×b"), "2a");
    EXPECT_EQ(s.RightShi("－3b＋c"), "－3b");
    EXPECT_EQ(s.RightShi(""), "");
}

TEST(ChengChuGeShu, CountsTheKindsOfMultiplicativeWorkLeft)
{
    Solver s;
    EXPECT_EQ(s.ChengChuGeShu("a＋b"), 0);
    EXPECT_EQ(s.ChengChuGeShu("a^2＋b"), 0);
    EXPECT_EQ(s.ChengChuGeShu("(a＋b)^2"), 1);
    EXPECT_EQ(s.ChengChuGeShu("2×a÷b"), 1);
    EXPECT_EQ(s.ChengChuGeShu("(a＋b)^2×(a－b)(a＋1)"), 3);
}

TEST(ZhengShiTuoHao, WorksTheGroupThatGoesFirst)
{
    Solver s;
    EXPECT_EQ(s.ZhengShiTuoHao("－(a－b)＋c", "(", ")"), "－a＋b＋c┃将式子 －(a－b) 向左边进行去括号运算");
    EXPECT_EQ(s.ZhengShiTuoHao("[(a＋b)]", "(", ")"), "[a＋b]┃去掉式子 (a＋b) 两边的括号");
    EXPECT_EQ(s.ZhengShiTuoHao("2a(a＋3)－a^2", "(", ")"), "2a^(2)＋6a－a^2┃将式子 2a(a＋3) 进行乘法运算1");
    EXPECT_EQ(s.ZhengShiTuoHao("(a＋b)＋c", "(", ")"), "a＋b＋c┃将式子 (a＋b)＋ 向右边进行去括号运算");
    EXPECT_EQ(s.ZhengShiTuoHao("(a＋a)×2", "(", ")"), "(2a)×2┃将式子 a＋a 合并同类项运算");
    EXPECT_EQ(s.ZhengShiTuoHao("(2a＋4)÷2", "(", ")"), "a＋2┃将式子 (2a＋4)÷2 进行除法运算2");
    EXPECT_EQ(s.ZhengShiTuoHao("6÷(2a)", "(", ")"), "");
    // A product of several terms after a "－" stays bracketed, so the sign reaches every term.
    EXPECT_EQ(s.ZhengShiTuoHao("5－2(a＋b)", "(", ")"), "5－(2a＋2b)┃将式子 2(a＋b) 进行乘法运算1");
    // A numeric group is worked inside.
    EXPECT_EQ(s.ZhengShiTuoHao("2×(3＋4)－5", "(", ")"), "2×7－5┃进行小括号中，3＋4=7 的加法计算");
}

TEST(ZhengShiSiZeYunSuan, WorksPowersProductsQuotientsThenLikeTerms)
{
    Solver s;
    EXPECT_EQ(s.ZhengShiSiZeYunSuan("(a＋b)(a－b)"), "a^(2)－ab＋ab－b^(2)┃进行 (a＋b)(a－b) 的乘法计算2");
    EXPECT_EQ(s.ZhengShiSiZeYunSuan("2a×3b＋1"), "6ab＋1┃进行 2a×3b 的乘法计算1");
    EXPECT_EQ(s.ZhengShiSiZeYunSuan("x＋(x＋1)^2"), "x＋x^(2)＋2x＋1┃进行 (x＋1)^2 的乘方计算");
    EXPECT_EQ(s.ZhengShiSiZeYunSuan("3x－x"), "2x┃进行 3x－x 的合并同类项操作");
    EXPECT_EQ(s.ZhengShiSiZeYunSuan("a＋b"), "┃");
    EXPECT_EQ(s.ZhengShiSiZeYunSuan("2×3"), "6┃2×3=6 的乘法计算");
}

TEST(ZhengShiYiBu, TakesBracketedOperandsByValueAndPowersFirst)
{
    Solver s;
    EXPECT_EQ(s.ZhengShiYiBu("2－(－2)"), "4┃2－(－2)=4 的减法计算");
    EXPECT_EQ(s.ZhengShiYiBu("1＋2^3"), "1＋8┃2^3=8 的乘方计算");
    EXPECT_EQ(s.ZhengShiYiBu("－2^2"), "－4┃2^2=4 的乘方计算");
    EXPECT_EQ(s.ZhengShiYiBu("(－2)^2"), "4┃(－2)^2=4 的乘方计算");
    EXPECT_EQ(s.ZhengShiYiBu("－3＋2"), "－1┃－3＋2=－1 的加法计算");
    EXPECT_EQ(s.ZhengShiYiBu("－3"), "");
    // A letter's power is a factor: its exponent is never an operand.
    EXPECT_EQ(s.ZhengShiYiBu("a^2×3"), "");
}

TEST(chufa, DoesOneRoundWithoutStepNumbers)
{
    Solver s;
    EXPECT_EQ(s.chufa("2×(3＋4)", 1), "2×7");
    EXPECT_EQ(s.chufa("2×(3＋4)", 5), "2×(3＋4)\r\n＝2×7" + Blanks(30) + "进行小括号中，3＋4=7 的加法计算");
    EXPECT_EQ(s.chufa("1/4＋1/4", 4),
        "1/4＋1/4\r\n＝2/4" + Blanks(30) + "1/4＋1/4=2/4 的加法计算\r\n＝1/2" + Blanks(30) + "约分:2÷2/4÷2");
    EXPECT_EQ(s.chufa("7", 5), "7");
}

TEST(Replacement, NeverRunsAResultIntoTheFactorBesideIt)
{
    Solver s;
    // 2(3＋5) is 2×8, not 28; labels at 7 − length + 10 blanks.
    EXPECT_EQ(s.SiZeHunHeYunSuan("2(3＋5)"),
        "2(3＋5)\r\n＝2×8" + Blanks(13) + "第1步:进行小括号中，3＋5=8 的加法计算\r\n＝16" + Blanks(15)
            + "第2步:2×8=16 的乘法计算");
    EXPECT_EQ(s.KuoHaoShuZiBu("2(－2)", "(", ")"), "2×－2┃去掉式子 (－2) 两边的括号");
    EXPECT_EQ(s.HunHeYunSuan("(1＋2)(3＋4)", 1), "21");
    EXPECT_EQ(s.HunHeYunSuan("(3－5)2", 1), "－4");
    // A signed number keeps its brackets, and a "×" where a factor touches them.
    EXPECT_EQ(s.HunHeYunSuan("2(3－5)", 4), "2(3－5)\r\n＝2×(－2)\r\n＝－4");
    EXPECT_EQ(s.HunHeYunSuan("5－(3－5)", 4), "5－(3－5)\r\n＝5－(－2)\r\n＝7");
    // A fraction bar is no factor.
    EXPECT_EQ(s.HunHeYunSuan("1/(3＋5)", 1), "1/8");
    // A fraction worked inside a bracket under a bar keeps the bracket ((1/2＋1/3)/2＋1/6 was
    // written 5/6/2＋1/6, then 5/6＋1/6).
    EXPECT_EQ(s.HunHeYunSuan("(1/2＋1/3)/2＋1/6", 1), "(5/6)/2＋1/6");
    // Beside a group inside a group the product still goes before the sum (((1/2)1＋6) was worked
    // as (1/2)×7).
    EXPECT_EQ(s.HunHeYunSuan("((1/2)1＋6)", 1), "13/2");
    EXPECT_EQ(s.HunHeYunSuan("(2(1/2)＋6)", 1), "7");
    EXPECT_EQ(s.ZhengShiSiZeYunSuan("2＋(1/2)1＋6").rfind("2＋1/2＋6┃", 0), 0u); // never 2＋(1/2)×7
    EXPECT_EQ(s.HunHeYunSuan("1((－5/142)1＋6－1－5/142)1＋6－1", 1), "705/71");
}

TEST(ZhengShiSiZeYunSuan, RaisesOnlyTheGroupThatTouchesThePower)
{
    Solver s;
    // The brackets of a written exponent are no base: a^(2)b^(2) is finished, not squared again.
    EXPECT_EQ(s.ZhengShiSiZeYunSuan("a^(2)b^(2)"), "┃");
    EXPECT_EQ(s.HunHeYunSuan("ab×ab", 1), "a^(2)b^(2)");
    // A coefficient in front of the group stays outside the power.
    EXPECT_EQ(s.ZhengShiSiZeYunSuan("2(3a)^2"), "2(9a^(2))┃进行 (3a)^2 的乘方计算");
    EXPECT_EQ(s.HunHeYunSuan("3(－a)^2", 1), "3a^(2)");
}

TEST(ZhengShiTuoHao, WorksInsideAGroupBeforeTheGroupItself)
{
    Solver s;
    EXPECT_EQ(s.ZhengShiTuoHao("3((2b－ab))", "(", ")"), "3(2b－ab)┃去掉式子 (2b－ab) 两边的括号");
    EXPECT_EQ(s.HunHeYunSuan("3((2b－ab))", 1), "6b－3ab");
    EXPECT_EQ(s.HunHeYunSuan("a[(2a＋5a)^2]", 1), "49a^(3)");
    // The signs inside a product are never turned round as a whole.
    EXPECT_EQ(s.HunHeYunSuan("－((－b－b)(3x＋5x))", 1), "16bx");
    // A group of a single signed term still takes the sign or the factor in front of it.
    EXPECT_EQ(s.HunHeYunSuan("3(－a)", 1), "－3a");
    EXPECT_EQ(s.HunHeYunSuan("－(－2ab)", 1), "2ab");
    EXPECT_EQ(s.ZuoCaoZuoShu("(－a)×b", 5), "(－a)");
    EXPECT_EQ(s.HunHeYunSuan("(－a)×b", 1), "－ab");
    // A factor written after the group goes before the sign in front opens it.
    EXPECT_EQ(s.HunHeYunSuan("1－(a－b)b", 4), "1－(a－b)b\r\n＝1－(ab－b^(2))\r\n＝1－ab＋b^(2)");
    // Only a monomial in front multiplies the group: 2a(＋b)2a is no term.
    EXPECT_EQ(s.ZhengShiSiZeYunSuan("2a(＋b)2a(＋b)"), "┃");
}

TEST(Sturdiness, AnyTypedLineEndsWithSomeText)
{
    Solver s;
    const char *lines[] = {"", "(", ")", "((", "))((", "(2＋3", "2＋3)", "[(1＋2]", "＋", "－", "×", "÷", "^", "2^",
        "^2", "2^^3", "a^(1/2)", "2^0.5＋a^0.5", "1.5a×0.2b", "a÷0", "0÷0", "1/0＋1/0", "3/0×2", "－－－3", "2×－3＋1",
        "中文＋1", "１＋２", "2××3", "a(b(c(d)))", "(a＋b)^99", "(a＋b＋c＋d)^64", "2^100000", "9^9^9", "1.2.3＋4",
        "..＋/", "1/2/3＋1", "{[(", "a＝b", "·", "(－)", "(－a)(－b)"};
    for (const char *line : lines) {
        SCOPED_TRACE(line);
        for (int level : {1, 4, 5}) {
            s.HunHeYunSuan(line, level);
            s.chufa(line, level);
        }
        s.SiZeHunHeYunSuan(line);
    }
    // Long lines: 500 bytes of every kind.
    std::string sum;
    std::string product;
    std::string nested;
    std::string letters;
    while (sum.size() < 500)
        sum += "12＋";
    while (product.size() < 500)
        product += "3×";
    while (nested.size() < 500)
        nested = "(" + nested + "1＋";
    while (letters.size() < 500)
        letters += "2a(a＋b)－";
    for (const std::string &line : {sum, product, nested, letters, std::string(500, '9'), std::string(500, '(')}) {
        s.HunHeYunSuan(line, 5);
        s.SiZeHunHeYunSuan(line);
    }
    SUCCEED();
}
