#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qimbel;

namespace {

// The pieces of an array in text order: from the highest index down to 0.
std::vector<std::string> InTextOrder(const StringArray &array)
{
    std::vector<std::string> pieces;
    for (int i = array.GetSize() - 1; i >= 0; --i)
        pieces.push_back(array.GetAt(i));
    return pieces;
}

using Pieces = std::vector<std::string>;

template <typename Split> Pieces SplitWith(Split split, const std::string &text)
{
    StringArray array;
    EXPECT_EQ(split(text, array), "");
    return InTextOrder(array);
}

} // namespace

TEST(GetShuZi, TakesTheLeadingNumberWithFullWidthSigns)
{
    Solver s;
    EXPECT_EQ(s.GetShuZi("3ab"), "3");
    EXPECT_EQ(s.GetShuZi("－2/3x"), "－2/3");
    EXPECT_EQ(s.GetShuZi("-2.5y"), "－2.5");
    EXPECT_EQ(s.GetShuZi("ab"), "");
    EXPECT_EQ(s.GetShuZi("12,5"), "12");
}

TEST(GetZiMu, KeepsLettersOnlyAndNeverATrailByte)
{
    Solver s;
    EXPECT_EQ(s.GetZiMu("3a^2b"), "ab");
    EXPECT_EQ(s.GetZiMu("x＋X－y"), "xXy");
    // "\xB0\x41" is one Chinese character whose second byte is the letter "A".
    const std::string chinese = "\xB0\x41";
    EXPECT_EQ(s.GetZiMu(chinese + "b"), "b");
}

TEST(DanXiangShiToShuZu, GivesTheCoefficientFirstAndEachFactor)
{
    Solver s;
    auto split = [&](const std::string &t, StringArray &a) { return s.DanXiangShiToShuZu(t, a); };
    EXPECT_EQ(SplitWith(split, "－3a^2b"), (Pieces {"－3", "a^2", "b"}));
    EXPECT_EQ(SplitWith(split, "x"), (Pieces {"＋1", "x"}));
    EXPECT_EQ(SplitWith(split, "－x"), (Pieces {"－1", "x"}));
    EXPECT_EQ(SplitWith(split, "-x"), (Pieces {"－1", "x"}));
    EXPECT_EQ(SplitWith(split, "7"), (Pieces {"7"}));
    EXPECT_EQ(SplitWith(split, "2x^12y^(－2)z"), (Pieces {"2", "x^12", "y^(－2)", "z"}));
    // Malformed exponents still end and lose nothing.
    EXPECT_EQ(SplitWith(split, "a^"), (Pieces {"＋1", "a^"}));
    EXPECT_EQ(SplitWith(split, "a^(2"), (Pieces {"＋1", "a^(2"}));
}

TEST(ArrayRoutines, AddToWhatTheArrayHolds)
{
    Solver s;
    StringArray array;
    array.InsertAt(0, "old");
    s.ZhengShiToShuZu("a－b", array);
    ASSERT_EQ(array.GetSize(), 3);
    EXPECT_EQ(array.GetAt(0), "－b");
    EXPECT_EQ(array.GetAt(1), "a");
    EXPECT_EQ(array.GetAt(2), "old");
}

TEST(DuoXiangShiToShuZu, CutsASumOfMonomialsAtItsSigns)
{
    Solver s;
    auto split = [&](const std::string &t, StringArray &a) { return s.DuoXiangShiToShuZu(t, a); };
    EXPECT_EQ(SplitWith(split, "3a^2－2ab＋b"), (Pieces {"3a^2", "－2ab", "＋b"}));
    EXPECT_EQ(SplitWith(split, "-a+b"), (Pieces {"－a", "＋b"}));
    EXPECT_EQ(SplitWith(split, "5"), (Pieces {"5"}));
    EXPECT_EQ(SplitWith(split, ""), (Pieces {""}));
    EXPECT_EQ(SplitWith(split, "a＋"), (Pieces {"a", "＋"}));
}

TEST(DuoXiangShiToShuZu, KeepsMultiplicationAndDivisionInsideATerm)
{
    Solver s;
    auto split = [&](const std::string &t, StringArray &a) { return s.DuoXiangShiToShuZu(t, a); };
    EXPECT_EQ(SplitWith(split, "2a×3b＋c"), (Pieces {"2a×3b", "＋c"}));
    EXPECT_EQ(SplitWith(split, "×÷"), (Pieces {"×÷"}));
    EXPECT_EQ(SplitWith(split, "a÷b－÷"), (Pieces {"a÷b", "－÷"}));
}

TEST(ZhengShiToShuZu, SplitsOnlyAtTopLevelSigns)
{
    Solver s;
    auto split = [&](const std::string &t, StringArray &a) { return s.ZhengShiToShuZu(t, a); };
    EXPECT_EQ(SplitWith(split, "2a－(b＋c)＋3"), (Pieces {"2a", "－(b＋c)", "＋3"}));
    EXPECT_EQ(SplitWith(split, "－a＋b"), (Pieces {"－a", "＋b"}));
    EXPECT_EQ(SplitWith(split, "{a－[b＋(c－d)]}－e"), (Pieces {"{a－[b＋(c－d)]}", "－e"}));
    EXPECT_EQ(SplitWith(split, ""), (Pieces {""}));
    EXPECT_EQ(SplitWith(split, "a＋"), (Pieces {"a", "＋"}));
}

TEST(ZhengShiToShuZu, ReadsNoBracketInsideAChineseCharacter)
{
    Solver s;
    auto split = [&](const std::string &t, StringArray &a) { return s.ZhengShiToShuZu(t, a); };
    // "\xB0\x5B" is one character whose second byte is "[": it must not open a bracket.
    const std::string chinese = "\xB0\x5B";
    EXPECT_EQ(SplitWith(split, chinese + "a＋b"), (Pieces {chinese + "a", "＋b"}));
}

TEST(HunHeShiToShuZu, GivesTheCoefficientAsWrittenAndTheTopLevelFactors)
{
    Solver s;
    auto split = [&](const std::string &t, StringArray &a) { return s.HunHeShiToShuZu(t, a); };
    EXPECT_EQ(SplitWith(split, "3a(x－1)^2b"), (Pieces {"3", "a", "(x－1)^2", "b"}));
    EXPECT_EQ(SplitWith(split, "－(a＋b)(a－b)"), (Pieces {"－", "(a＋b)", "(a－b)"}));
    EXPECT_EQ(SplitWith(split, "x^12y"), (Pieces {"x^12", "y"}));
    EXPECT_EQ(SplitWith(split, "a^(－2)b"), (Pieces {"a^(－2)", "b"}));
    EXPECT_EQ(SplitWith(split, "ab"), (Pieces {"a", "b"}));
}

TEST(HunHeShiToShuZu, TreatsAnUnmatchedOpeningBracketAsAPlainByte)
{
    Solver s;
    auto split = [&](const std::string &t, StringArray &a) { return s.HunHeShiToShuZu(t, a); };
    EXPECT_EQ(SplitWith(split, "a(b"), (Pieces {"a", "(", "b"}));
    // A group that never closes still ends with the text.
    EXPECT_EQ(SplitWith(split, "a(b)(c"), (Pieces {"a", "(b)", "(c"}));
}

TEST(ZiMuToShuZu, KeepsEachLetterPartOnceWhereItLastOccurs)
{
    Solver s;
    // This routine walks the terms from the last one and inserts at index 0, so here index 0
    // holds the first letter part of the text.
    auto fromIndexZero = [&](const std::string &text) {
        StringArray array;
        s.ZiMuToShuZu(text, array);
        Pieces parts = InTextOrder(array);
        return Pieces(parts.rbegin(), parts.rend());
    };
    EXPECT_EQ(fromIndexZero("3ab＋2a－ab＋5"), (Pieces {"a", "ab", ""}));
    EXPECT_EQ(fromIndexZero("x^2－x＋x^2"), (Pieces {"x", "x^2"}));
    EXPECT_EQ(fromIndexZero("－2xy＋xy"), (Pieces {"xy"}));
}

TEST(ZhengShiDiAndMi, TakeBaseAndExponentOfATerm)
{
    Solver s;
    EXPECT_EQ(s.ZhengShiDi("3(a＋b)^2"), "(a＋b)");
    EXPECT_EQ(s.ZhengShiMi("3(a＋b)^2"), "2");
    EXPECT_EQ(s.ZhengShiDi("－x^3"), "x");
    EXPECT_EQ(s.ZhengShiMi("－x^3"), "3");
    EXPECT_EQ(s.ZhengShiDi("a^(－2)"), "a");
    EXPECT_EQ(s.ZhengShiMi("a^(-2)"), "－2");
    EXPECT_EQ(s.ZhengShiDi("2ab"), "ab");
    EXPECT_EQ(s.ZhengShiMi("3a"), "1");
    EXPECT_EQ(s.ZhengShiMi("a"), "1");
    EXPECT_EQ(s.ZhengShiDi("5"), "");
    EXPECT_EQ(s.ZhengShiMi("5"), "");
    EXPECT_EQ(s.ZhengShiDi("(a^2＋b)^3"), "(a^2＋b)");
    EXPECT_EQ(s.ZhengShiMi("(a^2＋b)^3"), "3");
}

TEST(XishudiAndXishumi, TakeBaseAndExponentOfANumericPower)
{
    Solver s;
    EXPECT_EQ(s.xishudi("2^3"), "2");
    EXPECT_EQ(s.xishumi("2^3"), "3");
    EXPECT_EQ(s.xishudi("-2^(-1)"), "－2");
    EXPECT_EQ(s.xishumi("-2^(-1)"), "－1");
    EXPECT_EQ(s.xishudi("5"), "5");
    EXPECT_EQ(s.xishumi("5"), "1");
}

TEST(XiangFanShi, RecognisesOppositePolynomials)
{
    Solver s;
    EXPECT_TRUE(s.XiangFanShi("a－b", "b－a"));
    EXPECT_TRUE(s.XiangFanShi("(a－b)", "(－a＋b)"));
    EXPECT_TRUE(s.XiangFanShi("x＋1", "－x－1"));
    EXPECT_FALSE(s.XiangFanShi("a－b", "a－b"));
    EXPECT_FALSE(s.XiangFanShi("a＋b", "a－b"));
    // One matching term is not the whole opposite.
    EXPECT_FALSE(s.XiangFanShi("a－b", "b"));
    EXPECT_FALSE(s.XiangFanShi("", ""));
}

TEST(OperatorQueries, FindSignsAndTheirLevels)
{
    Solver s;
    EXPECT_TRUE(s.HanYunSuanFu("(5)"));
    EXPECT_FALSE(s.HanYunSuanFu("3/4"));
    // The strongest operation decides, whatever comes first in the text.
    EXPECT_EQ(s.YunSuanJiBie("1＋{2}"), 6);
    EXPECT_EQ(s.YunSuanJiBie("2^3×4"), 3);
    EXPECT_EQ(s.YunSuanJiBie("ab"), 0);
    // Position 0 counts for DiYiFuHao.
    EXPECT_EQ(s.DiYiFuHao("－a×b"), "－");
    EXPECT_EQ(s.DiYiFuHao("a×b＋c"), "×");
    EXPECT_EQ(s.DiYiFuHao("12"), "");
    EXPECT_EQ(s.ZuiHouWeiZhi("a＋b＋c", "＋"), 4);
    EXPECT_EQ(s.ZuiHouWeiZhi("abc", ""), -1);
}

TEST(ShuLieToShuZu, CutsTheNumbersOfALine)
{
    Solver s;
    auto split = [&](const std::string &t, StringArray &a) { return s.ShuLieToShuZu(t, a); };
    EXPECT_EQ(SplitWith(split, "12和18的公因数"), (Pieces {"12", "18"}));
    EXPECT_EQ(SplitWith(split, "3.5, -2, 1/2, 40%"), (Pieces {"3.5", "-2", "1/2", "40%"}));
    EXPECT_EQ(SplitWith(split, "没有数"), (Pieces {}));
}

TEST(ExpressionArrays, EndOnLongAndHostileTexts)
{
    Solver s;
    std::string text;
    for (int i = 0; i < 3000; ++i)
        text += "(^×－)]a^(";
    StringArray array;
    s.DanXiangShiToShuZu(text, array);
    s.DuoXiangShiToShuZu(text, array);
    s.ZhengShiToShuZu(text, array);
    s.HunHeShiToShuZu(text, array);
    s.ZiMuToShuZu(text, array);
    s.ShuLieToShuZu(text, array);
    EXPECT_GT(array.GetSize(), 0);
    EXPECT_FALSE(s.ZhengShiDi(text).empty());
    EXPECT_FALSE(s.ZhengShiMi(text).empty());
}
