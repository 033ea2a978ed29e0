#include "solver/JsonText.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

using namespace qimbel;

TEST(TiHuan, ReplacesEveryOccurrenceAndTrimsAroundIt)
{
    Solver s;
    EXPECT_EQ(s.GetTiHuan("a + b", "+", "＋"), "a＋b");
    EXPECT_EQ(s.GetTiHuan("1+\r\n2", "+", "＋"), "1＋2");
    EXPECT_EQ(s.GetTiHuan(" 1 + 2 + 3 ", "+", "＋"), "1＋2＋3");
    // Blanks away from an occurrence stay; line breaks elsewhere stay.
    EXPECT_EQ(s.GetTiHuan("a b+c\r\nd e", "+", "＋"), "a b＋c\r\nd e");
    EXPECT_EQ(s.GetTiHuan("3 4", " ", ""), "34");
}

TEST(TiHuan, LeavesATextWithoutTheSearchUntouched)
{
    Solver s;
    std::string text = " 12 \r\n";
    s.TiHuan(text, "+", "＋");
    EXPECT_EQ(text, " 12 \r\n");
}

TEST(TiHuan, ContinuesAfterAReplacementThatHoldsTheSearch)
{
    Solver s;
    EXPECT_EQ(s.GetTiHuan("(1)(2)", "(", "(("), "((1)((2)");
    EXPECT_EQ(s.GetTiHuan("aaa", "a", "aa"), "aaaaaa");
}

TEST(TiHuan, NeverMatchesInsideAChineseCharacter)
{
    Solver s;
    // "\xB0\x2D" is one two-byte character whose second byte is "-".
    EXPECT_EQ(s.GetTiHuan("\xB0\x2D"
                          "1-2",
                  "-", "－"),
        "\xB0\x2D"
        "1－2");
    EXPECT_EQ(s.GetTiHuan("－", "\xAD", "x"), "－");
}

TEST(TiHuan, IsLinearOnLongTexts)
{
    Solver s;
    std::string text;
    for (int i = 0; i < 200000; ++i)
        text += "1+";
    s.TiHuan(text, "+", "＋");
    EXPECT_EQ(text.size(), 200000u * 3);
}

TEST(QuLing, StripsTrailingZerosAfterThePointOnly)
{
    Solver s;
    EXPECT_EQ(s.QuLing("2.500000"), "2.5");
    EXPECT_EQ(s.QuLing("3.000000"), "3");
    EXPECT_EQ(s.QuLing("0.000000"), "0");
    EXPECT_EQ(s.QuLing("-0.000000"), "-0");
    EXPECT_EQ(s.QuLing("120"), "120");
    EXPECT_EQ(s.QuLing("5."), "5");
    EXPECT_EQ(s.QuLing("0.10"), "0.1");
    EXPECT_EQ(s.QuLing("-2.500"), "-2.5");
    EXPECT_EQ(s.QuLing("100.0100"), "100.01");
    EXPECT_EQ(s.QuLing(""), "");
}

TEST(ShuZhiWenBen, PrintsSixDecimalsWithoutTrailingZeros)
{
    Solver s;
    EXPECT_EQ(s.ShuZhiWenBen(2.5), "2.5");
    EXPECT_EQ(s.ShuZhiWenBen(3.0), "3");
    EXPECT_EQ(s.ShuZhiWenBen(1.0 / 3.0), "0.333333");
    EXPECT_EQ(s.ShuZhiWenBen(-0.5), "-0.5");
    EXPECT_EQ(s.ShuZhiWenBen(1e20), "100000000000000000000");
    EXPECT_EQ(s.ShuZhiWenBen(0.0000004), "0");
}

TEST(Patterns, MarkNumberBytesWithOne)
{
    Solver s;
    EXPECT_EQ(s.GetShuMoShi("3.5＋x"), "111aaa");
    EXPECT_EQ(s.GetShuMoShi("-1/2"), "1111");
    EXPECT_EQ(s.GetShuMoShi("50%+"), "1111");
    EXPECT_EQ(s.GetShuMoShi(""), "");
    EXPECT_EQ(s.GetKuoHaoMoShi("(1.5)+2"), "11111a1");
    EXPECT_EQ(s.GetKuoHaoMoShi("-3%"), "a11");
}

TEST(ChongFu, RepeatsAText)
{
    Solver s;
    EXPECT_EQ(s.ChongFu(3, " "), "   ");
    EXPECT_EQ(s.ChongFu(2, "＝"), "＝＝");
    EXPECT_EQ(s.ChongFu(0, "x"), "");
    EXPECT_EQ(s.ChongFu(-5, "x"), "");
}

TEST(GetBiaoDian, GivesTheEarliestMarkAfterTheStart)
{
    Solver s;
    EXPECT_EQ(s.GetBiaoDian("哪些是质数？哪些是合数。"), "？");
    EXPECT_EQ(s.GetBiaoDian("2，3；4"), "，");
    EXPECT_EQ(s.GetBiaoDian("，开头的逗号"), "");
    EXPECT_EQ(s.GetBiaoDian("没有标点"), "");
    EXPECT_EQ(s.GetBiaoDian("a！b"), "！");
}

TEST(FenJu, CutsClausesInReverseOrderAndDropsAnUnclosedLastClause)
{
    Solver s;
    StringArray clauses;
    s.FenJu("哪些是质数，哪些不是奇数？", clauses);
    ASSERT_EQ(clauses.GetSize(), 2);
    EXPECT_EQ(clauses[0], "哪些不是奇数");
    EXPECT_EQ(clauses[1], "哪些是质数");

    StringArray three;
    s.FenJu("甲，乙。丙", three);
    ASSERT_EQ(three.GetSize(), 2);
    EXPECT_EQ(three[0], "乙");
    EXPECT_EQ(three[1], "甲");

    StringArray none;
    s.FenJu("没有标点的句子", none);
    s.FenJu("", none);
    EXPECT_EQ(none.GetSize(), 0);

    // A mark at the start of the rest does not count, so it stays in the next clause; the array
    // keeps what it held.
    StringArray kept;
    kept.Add("old");
    s.FenJu("一， ，二。", kept);
    ASSERT_EQ(kept.GetSize(), 3);
    EXPECT_EQ(kept[0], "，二");
    EXPECT_EQ(kept[1], "一");
    EXPECT_EQ(kept[2], "old");
}

TEST(HelpTexts, MissingFilesGiveEmptyTexts)
{
    Solver s;
    EXPECT_EQ(s.GetJianJie(19), "");
    EXPECT_EQ(s.GetZhaiYao(-3), "");
    EXPECT_EQ(s.GetShiLi(100000), "");
}

TEST(HelpTexts, LinesAreTrimmedAndExamplesSkipShortLines)
{
    Solver s;
    const std::string dir = s.GetLuJing() + "/Help/ShiLi";
    const std::string path = dir + "/99.txt";
    std::filesystem::create_directories(dir);
    {
        std::ofstream out(path, std::ios::binary);
        out << "  12345 \r\n\r\nx\r\n 3+4\t\r\n";
    }
    EXPECT_EQ(s.GetShiLi(99), "12345\r\n3+4\r\n");
    std::filesystem::remove(path);
}

TEST(HelpTexts, InstallationFolderHoldsTheExecutable)
{
    Solver s;
    EXPECT_TRUE(std::filesystem::exists(s.GetLuJing() + "/Help"));
}

// A JSON string: the escapes between runs of plain bytes, which go in whole (UTF-8 untouched),
// appended to what is there.
TEST(JsonStringTest, EscapesOnlyWhatJsonNeeds)
{
    const std::pair<std::string, std::string> cases[]
        = {{"", "\"\""}, {"一二", "\"一二\""}, {"a\"b\\c", "\"a\\\"b\\\\c\""}, {"\r\n\t", "\"\\r\\n\\t\""},
            {std::string("x\0y\x1f", 4), "\"x\\u0000y\\u001f\""}, {"解题过程:\n＝2×7", "\"解题过程:\\n＝2×7\""},
            {"\"\"", "\"\\\"\\\"\""}};
    for (const auto &[text, json] : cases) {
        std::string out = "[";
        qimbel::AppendJsonString(out, text);
        EXPECT_EQ(out, "[" + json) << text;
    }
}
