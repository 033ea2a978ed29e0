#include "algebra/BracketGroups.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <string>

using namespace qimbel;

TEST(KuoHaoCheck, FindsTheFirstGroupThatHoldsWork)
{
    Solver s;
    EXPECT_EQ(s.KuoHaoCheck("3×(2＋5)－(－1)", "(", ")"), "(2＋5)");
    EXPECT_EQ(s.KuoHaoCheck("(1＋2)×(3＋4)", "(", ")"), "(1＋2)");
    // A group that holds only a signed number is no work; the next one is.
    EXPECT_EQ(s.KuoHaoCheck("(－5)×(2^3)", "(", ")"), "(2^3)");
    EXPECT_EQ(s.KuoHaoCheck("(a)(b)", "(", ")"), "");
    EXPECT_EQ(s.KuoHaoCheck("5×(－3)", "(", ")"), "");
    EXPECT_EQ(s.KuoHaoCheck("5×[3＋1]", "(", ")"), "");
    EXPECT_EQ(s.KuoHaoCheck("2×[1＋(3＋4)]", "[", "]"), "[1＋(3＋4)]");
    // The outer group is found whole, with the groups inside it.
    EXPECT_EQ(s.KuoHaoCheck("((1＋2)×3)", "(", ")"), "((1＋2)×3)");
}

TEST(KuoHaoCheck, GivesTheUnclosedRestOfAGroupThatNeverCloses)
{
    Solver s;
    EXPECT_EQ(s.KuoHaoCheck("2×(3＋4", "(", ")"), "(3＋4");
    EXPECT_EQ(s.KuoHaoCheck("2×(3", "(", ")"), "(3");
}

// A closing bracket that closes nothing is no group: it used to open an endless "group" whose
// neighbour was taken as a factor, so every step multiplied by it again (形)－x grew a 形 per step
// until the step limit).
TEST(KuoHaoCheck, AClosingBracketWithoutAnOpeningOneIsNoGroup)
{
    Solver s;
    EXPECT_EQ(s.KuoHaoCheck("形)－x", "(", ")"), "");
    EXPECT_EQ(s.KuoHaoCheck("3)＋(1＋2)", "(", ")"), "(1＋2)");
    EXPECT_EQ(s.KuoHaoCheck("(1＋2))×(3－4)", "(", ")"), "(1＋2)");
    EXPECT_EQ(s.ZhengShiYouXianYunSuanShi("a)－x", "(", ")"), "〖〗");
    for (const char *expression : {"形)－x", "a)－x", "形)－x^2－b－cc"})
        EXPECT_EQ(s.HunHeYunSuan(expression, 5), expression);
}

TEST(KuoHaoCheck, ReadsNoBracketInsideAChineseCharacter)
{
    Solver s;
    // "\xB0\x5B" and "\xB0\x5D" are characters whose second bytes are "[" and "]".
    const std::string open = "\xB0\x5B";
    const std::string close = "\xB0\x5D";
    EXPECT_EQ(s.KuoHaoCheck(open + "1＋2" + close, "[", "]"), "");
}

TEST(ZhengShiYouXianYunSuanShi, MarksTheGroupThePriorityChooses)
{
    Solver s;
    EXPECT_EQ(s.ZhengShiYouXianYunSuanShi("2×(a＋b)^2－(c＋d)", "(", ")"), "2×〖(a＋b)〗^2－(c＋d)");
    // The later group weighs more: a power beats a multiplication.
    EXPECT_EQ(s.ZhengShiYouXianYunSuanShi("(a＋b)×3＋(c－d)^2", "(", ")"), "(a＋b)×3＋〖(c－d)〗^2");
    // Equal weights: the first group wins.
    EXPECT_EQ(s.ZhengShiYouXianYunSuanShi("(a＋b)－(c＋d)", "(", ")"), "〖(a＋b)〗－(c＋d)");
    // A bracket that follows weighs as a bracket; nothing touches the second group from outside.
    EXPECT_EQ(s.ZhengShiYouXianYunSuanShi("(a＋b)(a－b)", "(", ")"), "〖(a＋b)〗(a－b)");
    // A coefficient in front multiplies the group.
    EXPECT_EQ(s.ZhengShiYouXianYunSuanShi("3(x＋1)", "(", ")"), "3〖(x＋1)〗");
}

TEST(ZhengShiYouXianYunSuanShi, ChoosesNothingWhenNoOperatorTouchesAGroup)
{
    Solver s;
    EXPECT_EQ(s.ZhengShiYouXianYunSuanShi("(a＋b)", "(", ")"), "〖〗");
    EXPECT_EQ(s.ZhengShiYouXianYunSuanShi("2×(－3)", "(", ")"), "〖〗");
    EXPECT_EQ(s.ZhengShiYouXianYunSuanShi("", "(", ")"), "〖〗");
}

TEST(QuKuoHao, RemovesOneLevelWithTheSignRules)
{
    Solver s;
    EXPECT_EQ(s.QuKuoHao("a－(b－c)"), "a－b＋c");
    EXPECT_EQ(s.QuKuoHao("－(－x＋y)"), "＋x－y");
    EXPECT_EQ(s.QuKuoHao("＋(a)"), "＋a");
    EXPECT_EQ(s.QuKuoHao("－(a＋b－c)"), "－a－b＋c");
    EXPECT_EQ(s.QuKuoHao("a＋(b－c)"), "a＋b－c");
    EXPECT_EQ(s.QuKuoHao("a＋(－b＋c)"), "a－b＋c");
    EXPECT_EQ(s.QuKuoHao("a－[b＋c]＋{d}"), "a－b－c＋d");
    EXPECT_EQ(s.QuKuoHao("(a－(b＋c))"), "a－(b＋c)");
    EXPECT_EQ(s.QuKuoHao("a-(b-c)"), "a－b＋c");
}

TEST(QuKuoHao, KeepsBracketsThatDoNotEncloseAWholeTerm)
{
    Solver s;
    EXPECT_EQ(s.QuKuoHao("2(a＋b)"), "2(a＋b)");
    EXPECT_EQ(s.QuKuoHao("(a＋b)c－d"), "(a＋b)c－d");
    EXPECT_EQ(s.QuKuoHao("x－(y"), "x－(y");
    EXPECT_EQ(s.QuKuoHao(""), "");
}

TEST(BracketsBalanced, ChecksEachKindCharacterByCharacter)
{
    EXPECT_TRUE(BracketsBalanced(""));
    EXPECT_TRUE(BracketsBalanced("{[(a＋b)]}(c)"));
    EXPECT_FALSE(BracketsBalanced("a(b＋c"));
    EXPECT_FALSE(BracketsBalanced("(a＋b))("));
    EXPECT_FALSE(BracketsBalanced("2[a－(b＋1)"));
    // "[" and "{" as the second byte of a two-byte character are no brackets.
    EXPECT_TRUE(BracketsBalanced("\x81[\x81{(a)"));
}

// Letters beside a bracket that never closes are left as typed: before, every step multiplied a
// cut-off group again and wrote a longer wrong expression without end.
TEST(ZhengShiTuoHao, LeavesLettersBesideAnUnclosedBracket)
{
    Solver s;
    for (const char *typed : {"a(b＋c", "(a＋b)(a", "2(－a＝2", "＋＝2(－ao^(20)＝2〕("}) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(s.HunHeYunSuan(typed, 1), typed);
    }
    // Numbers inside an unclosed group are still worked.
    EXPECT_EQ(s.HunHeYunSuan("2(3＋4", 1), "2(7");
}
