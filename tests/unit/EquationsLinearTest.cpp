// Linear equations and inequalities in one unknown, the letters of a problem, and the sturdiness
// of every equation routine on input that does not fit its method. The worked layouts of whole
// solutions are checked by the golden texts under tests/golden/equations/.
#include "ExactResultText.h"
#include "equations/EquationText.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace qimbel;

namespace {

// The entries of a letter list, index 0 first.
std::string Joined(const StringArray &list)
{
    std::string text;
    for (int i = 0; i < list.GetSize(); ++i)
        text += list[i] + ",";
    return text;
}

} // namespace

TEST(GetWeiZhiShu, PutsTheLetterFoundLastInAlphabeticalOrderAtIndexZero)
{
    Solver s;
    StringArray letters;
    s.GetWeiZhiShu("ax＋b＝0", letters);
    EXPECT_EQ(Joined(letters), "x,b,a,");
    // Known letters are not added again; an upper-case letter comes after every lower-case one.
    s.GetWeiZhiShu("Ab＋y＝1", letters);
    EXPECT_EQ(Joined(letters), "A,y,x,b,a,");
}

TEST(GetWeiZhiShu, DoesNotSeeLettersInsideChineseCharacters)
{
    Solver s;
    StringArray letters;
    // The trail bytes of 设, 为, 未, 知 and 数 lie in the ASCII letter range.
    s.GetWeiZhiShu("设为未知数", letters);
    EXPECT_TRUE(letters.IsEmpty());
    s.GetWeiZhiShu("设x为未知数", letters);
    EXPECT_EQ(Joined(letters), "x,");
    // A lead byte takes the byte after it, a lone lead byte at the end only itself.
    s.GetWeiZhiShu("\xB0y", letters);
    EXPECT_EQ(Joined(letters), "x,");
    s.GetWeiZhiShu("z\xB0", letters);
    EXPECT_EQ(Joined(letters), "z,x,");
}

TEST(DengShiHuaJian, SplitsAtTheFirstRelationSymbolInFixedOrder)
{
    Solver s;
    EXPECT_EQ(s.DengShiHuaJian("(5－y)－y＝1"), "5－2y＝1");
    EXPECT_EQ(s.DengShiHuaJian("2＋3＜4×2"), "5＜8");
    // "＝" is searched before "≥", wherever they stand.
    EXPECT_EQ(RelationSymbol("x≥1＝2"), "＝");
    EXPECT_EQ(RelationSymbol("x≤1"), "≤");
    EXPECT_EQ(RelationSymbol("x＋1"), "");
}

TEST(YiCiDengShi, ExplanationColumnNeverMovesLeftOfTheRightSide)
{
    Solver s;
    // The right side after step 1 is 30 bytes: "第" follows it directly.
    const std::string right = "11＋2＋3＋4＋5＋6＋7＋8＋9＋10";
    ASSERT_EQ(Len(right), 30);
    const std::string text = s.YiCiDengShi("2x＝" + right + "＋x", "x", 5);
    EXPECT_NE(text.find("2x－x＝" + right + "第1步:未知数项 ＋x 移项到左边"), std::string::npos) << text;
    EXPECT_EQ(s.YiCiDengShi("2x＝" + right + "＋x", "x", 1), "x＝65");
}

TEST(YiCiDengShi, DetailLevelsOutsideOneToFiveGiveTheResultLine)
{
    Solver s;
    for (int level : {0, -3, 6, 1000})
        EXPECT_EQ(s.YiCiDengShi("3x＋5＝x－7", "x", level), "x＝－6");
    EXPECT_EQ(s.YiCiDengShi("3x＋5＝x－7", "x", 3), s.YiCiDengShi("3x＋5＝x－7", "x", 2));
}

TEST(YiCiDengShi, AnswersAgreeWithExactArithmetic)
{
    Solver s;
    EXPECT_EQ(s.YiCiDengShi("5x－3＝2x＋9", "x", 1), "x＝4");
    EXPECT_EQ(s.YiCiDengShi("7＝2x", "x", 1), "x＝3.5");
    EXPECT_EQ(s.YiCiDengShi("－3x≤9", "x", 1), "x≥－3");
    EXPECT_EQ(s.YiCiDengShi("4－x＜1", "x", 1), "x＞3");
    // A side that needs several rounds is simplified to the end, even when the other side
    // is already done.
    EXPECT_EQ(s.YiCiDengShi("x＝1＋2＋3", "x", 1), "x＝6");
    EXPECT_EQ(s.YiCiDengShi("2x＋3x＋x×2＝1＋2＋3＋1", "x", 1), "x＝1");
    // The left side needs two rounds while the right one is done: the coefficient is 6, not 2.
    EXPECT_EQ(s.YiCiDengShi("x×2×3＝6", "x", 1), "x＝1");
    // An empty right side counts as 0 in the division.
    EXPECT_EQ(s.YiCiDengShi("5x＝3x", "x", 1), "x＝0");
}

TEST(YiCiDengShi, MovesConstantsThatTheSimplificationBringsOut)
{
    Solver s;
    // 2(x＋1) becomes 2x＋2; dividing 6 by 2 at once would give the wrong x＝3.
    EXPECT_EQ(s.YiCiDengShi("2(x＋1)＝6", "x", 1), "x＝2");
    const std::string text = s.YiCiDengShi("2(x＋1)＝6", "x", 5);
    EXPECT_NE(text.find("常数项 ＋2 移项到右边"), std::string::npos) << text;
}

TEST(YiCiDengShi, UnknownThatDropsOutIsToldInASentence)
{
    Solver s;
    EXPECT_EQ(s.YiCiDengShi("x－x＝0", "x", 1), "未知数的系数为0，x 取任何数都成立。");
    EXPECT_EQ(s.YiCiDengShi("2x＋1＝2x", "x", 1), "未知数的系数为0，无解。");
    EXPECT_EQ(s.YiCiDengShi("0x＞－1", "x", 1), "未知数的系数为0，x 取任何数都成立。");
    EXPECT_EQ(s.YiCiDengShi("x＋y＝x", "x", 1), "未知数的系数为0，无法求出 x 的值。");
    // The sentence closes the column too.
    const std::string text = s.YiCiDengShi("x－x＝3", "x", 4);
    EXPECT_EQ(text.substr(text.size() - 25), "未知数的系数为0，无解。\r\n");
}

TEST(YiCiDengShi, InputWithoutSymbolOrUnknownIsToldInASentence)
{
    Solver s;
    EXPECT_EQ(s.YiCiDengShi("3x＋5", "x", 5), "没有找到等号或不等号，无法求解。");
    EXPECT_EQ(s.YiCiDengShi("2y＝4", "x", 5), "没有找到未知数x，无法求解。");
    EXPECT_EQ(s.YiCiDengShi("2x＝4", "", 1), "没有找到未知数，无法求解。");
}

TEST(EquationRoutines, OddInputEndsWithTextAndNeverCrashes)
{
    Solver s;
    const std::string inputs[] = {"", "＝", "x＝", "＝x", "1/x＝2", "x^2＋x＝1", "x×x＝4", "(x＝3", "x)＝(3", "xy＝1",
        "x＝y＝z", "－＝＋", "x:＝:", "：：", "0x＝0", "x÷0＝1", "((((x))))＝1", "x＋x＋x＋x＋x＋x＋x＝7", "3.5.5x＝1",
        "x≥≤3", "\r\n x \t＝ 1", std::string(300, 'x') + "＝1", "x＝" + std::string(200, '9')};
    for (const std::string &e : inputs) {
        StringArray list;
        list.InsertAt(0, e);
        list.InsertAt(0, e + "x");
        StringArray letters;
        s.GetWeiZhiShu(e, letters);
        StringArray one;
        one.InsertAt(0, "x");
        for (int level : {1, 4, 5})
            s.YiCiDengShi(e, "x", level);
        s.DengShiHuaJian(e);
        s.ErCiFangCheng(e, "x");
        s.FangChengZu(list, letters);
        s.BuDengShiZu(list, one);
        s.BiLiFangCheng(e);
        s.BiHuaShang(e);
    }
    SUCCEED();
}

TEST(YiCiDengShi, AValueThatSixPlacesDoNotEndIsAFraction)
{
    Solver s;
    EXPECT_EQ(s.YiCiDengShi("3x＝1", "x", 1), "x＝1/3");
    EXPECT_EQ(s.YiCiDengShi("3x＜2", "x", 1), "x＜2/3");
    EXPECT_EQ(s.YiCiDengShi("－3x＞2", "x", 1), "x＜－2/3");
    EXPECT_EQ(s.YiCiDengShi("0.3x＝0.1", "x", 1), "x＝1/3");
    EXPECT_EQ(s.YiCiDengShi("2x＝7", "x", 1), "x＝3.5");
    EXPECT_EQ(s.YiCiDengShi("x÷3＋x÷6＝1", "x", 1), "x＝2");
    // Digits under a fraction bar belong to the coefficient: 5/3y is no divisor.
    EXPECT_EQ(s.YiCiDengShi("5/3y＝1", "y", 1), "y＝3/5");
}

TEST(YiCiDengShi, AnUnknownInADivisorIsNamedAFractionalEquation)
{
    Solver s;
    const std::string sentence = "未知数 x 在分母中，这是分式方程，无法按一元一次方程求出 x 的值。";
    // Typed through the solver with the fraction bar, which the page check would make "÷".
    for (const char *equation : {"2/x＝1", "2/(4x)＝1", "2/(8－4x)＝1/2", "6/x＋8/(2x)＝10", "2÷x＝1", "1÷3x＝2"})
        EXPECT_EQ(s.YiCiDengShi(equation, "x", 1), sentence) << equation;
    // The column shows the equation, then the sentence; no value is given.
    EXPECT_EQ(s.YiCiDengShi("2/x＝1", "x", 5), "      2/x＝1\r\n" + sentence + "\r\n");
    EXPECT_EQ(s.YiCiDengShi("1÷x＞2", "x", 1), "未知数 x 在分母中，这是分式不等式，无法按一元一次不等式求出 x 的值。");
    // The unknown above the bar, or another letter below it, is still a linear problem.
    EXPECT_EQ(s.YiCiDengShi("x/2＝3", "x", 1), "x＝6");
    EXPECT_EQ(s.YiCiDengShi("(x＋1)/2＝3", "x", 1), "x＝5");
    EXPECT_EQ(s.YiCiDengShi("x÷a＝1", "x", 1).rfind("x＝", 0), 0u);
}

TEST(YiCiDengShi, SignsThatMeetAreOneSignBeforeTermsAreSplit)
{
    Solver s;
    EXPECT_EQ(s.YiCiDengShi("2＋－3＝x", "x", 1), "x＝－1");
    EXPECT_EQ(s.YiCiDengShi("x－－3＝5", "x", 1), "x＝2");
    EXPECT_EQ(s.YiCiDengShi("x＋＋3＝5", "x", 1), "x＝2");
    EXPECT_EQ(s.YiCiDengShi("x－＋3＝5", "x", 1), "x＝8");
    EXPECT_EQ(s.YiCiDengShi("5＝－－x", "x", 1), "x＝5");
    EXPECT_EQ(s.YiCiDengShi("2x－－(x－1)＝4", "x", 1), "x＝5/3");
    // The first line stays as typed, aligned with the lines worked from the merged signs.
    EXPECT_EQ(
        s.YiCiDengShi("x＋－3＝5", "x", 4), "         x＋－3＝5\r\n              x＝5＋3\r\n              x＝8\r\n");
}

TEST(YiCiDengShi, RandomEquationsEndAtTheirExactSolution)
{
    // ax＋b＝cx＋d with small whole coefficients; b and d are sometimes written after a "＋" of
    // their own (x＋－3), as pupils type them. The result is x＝(d−b)/(a−c) exactly.
    Solver s;
    std::mt19937 random(25);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    auto signed_ = [&](int v, bool first) {
        const std::string digits = std::to_string(v < 0 ? -v : v);
        if (v < 0)
            return (!first && pick(0, 2) == 0 ? "＋－" : "－") + digits;
        return (first ? "" : "＋") + digits;
    };
    auto unknown = [&](int v, bool first) {
        if (v == 1)
            return std::string(first ? "x" : "＋x");
        if (v == -1)
            return std::string("－x");
        return signed_(v, first) + "x";
    };
    for (int i = 0; i < 200; ++i) {
        int a = 0;
        int c = 0;
        while (a == 0 || c == 0 || a == c) {
            a = pick(-12, 12);
            c = pick(-12, 12);
        }
        const int b = pick(-30, 30);
        const int d = pick(-30, 30);
        const std::string equation = unknown(a, true) + signed_(b, false) + "＝" + unknown(c, true) + signed_(d, false);
        const std::string result = s.YiCiDengShi(equation, "x", 1);
        ASSERT_EQ(result.rfind("x＝", 0), 0u) << equation << " gives " << result;
        const std::optional<exacttest::Rational> got = exacttest::ExactOf(result.substr(std::string("x＝").size()));
        ASSERT_TRUE(got.has_value()) << equation << " gives " << result;
        EXPECT_EQ(exacttest::Shown(*got), exacttest::Shown(*exacttest::Make(d - b, a - c))) << equation;
    }
}
