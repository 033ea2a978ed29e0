// Systems of linear equations and of inequalities, quadratic equations, ratios and proportions.
#include "ExactResultText.h"
#include "equations/EquationText.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace qimbel;

namespace {

// A list as the pages build it: the first line at the highest index.
StringArray Lines(std::initializer_list<const char *> lines)
{
    StringArray list;
    for (const char *line : lines)
        list.InsertAt(0, line);
    return list;
}

bool Has(const std::string &text, const std::string &piece) { return text.find(piece) != std::string::npos; }

bool EndsWith(const std::string &text, const std::string &end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

TEST(SubstituteLetter, FirstOccurrenceDecidesTheFormForAll)
{
    EXPECT_EQ(SubstituteLetter("x－y＝1", "x", "5－y"), "(5－y)－y＝1");
    EXPECT_EQ(SubstituteLetter("2＋y＝1", "y", "3"), "2＋(3)＝1");
    EXPECT_EQ(SubstituteLetter("3y＋y＝8", "y", "2"), "3×(2)＋×(2)＝8");
    EXPECT_EQ(SubstituteLetter("－y＋3y＝8", "y", "2"), "－(2)＋3(2)＝8");
    // After a bracket or a written operator no "×" is put in front.
    EXPECT_EQ(SubstituteLetter("2(y＋1)＝8", "y", "2"), "2((2)＋1)＝8");
    EXPECT_EQ(SubstituteLetter("2×y＝8", "y", "a－1"), "2×(a－1)＝8");
    EXPECT_EQ(SubstituteLetter("2＝8", "y", "1"), "2＝8");
}

TEST(FangChengZu, SolvesBySubstitutionAndListsTheValuesInSettledOrder)
{
    Solver s;
    const std::string text = s.FangChengZu(Lines({"2x＋3y＝12", "x－y＝1"}), Lines({"x", "y"}));
    EXPECT_TRUE(Has(text, "将方程: x－y＝1中的未知数 x 替换为: ")) << text;
    const std::string end = "\r\n\r\n ∴ 该方程组的解为：\r\n\r\ny＝2\r\nx＝3";
    EXPECT_TRUE(EndsWith(text, end)) << text;
}

TEST(FangChengZu, RandomSystemsEndAtTheirExactSolution)
{
    // a1x＋b1y＝c1, a2x＋b2y＝c2 with a unique solution: the values, found through fractional
    // coefficients such as x＝7/3－2/3y, are the exact ones of Cramer's rule.
    Solver s;
    std::mt19937 random(26);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    auto term = [](int v, const char *letter, bool first) {
        std::string text = v < 0 ? "－" : first ? "" : "＋";
        if (v != 1 && v != -1)
            text += std::to_string(v < 0 ? -v : v);
        return text + letter;
    };
    auto number = [](int v) { return (v < 0 ? "－" : "") + std::to_string(v < 0 ? -v : v); };
    for (int i = 0; i < 100; ++i) {
        int a1 = 0, b1 = 0, a2 = 0, b2 = 0;
        while (a1 == 0 || b1 == 0 || a2 == 0 || b2 == 0 || a1 * b2 == a2 * b1) {
            a1 = pick(-9, 9);
            b1 = pick(-9, 9);
            a2 = pick(-9, 9);
            b2 = pick(-9, 9);
        }
        const int c1 = pick(-20, 20);
        const int c2 = pick(-20, 20);
        const std::string first = term(a1, "x", true) + term(b1, "y", false) + "＝" + number(c1);
        const std::string second = term(a2, "x", true) + term(b2, "y", false) + "＝" + number(c2);
        const std::string text = s.FangChengZu(Lines({first.c_str(), second.c_str()}), Lines({"x", "y"}));
        SCOPED_TRACE(first + "  " + second);
        const std::size_t y = text.rfind("\r\ny＝");
        const std::size_t x = text.rfind("\r\nx＝");
        ASSERT_TRUE(y != std::string::npos && x != std::string::npos && y < x) << text;
        const std::string yValue
            = text.substr(y + 2 + std::string("y＝").size(), x - y - 2 - std::string("y＝").size());
        const std::string xValue = text.substr(x + 2 + std::string("x＝").size());
        const int det = a1 * b2 - a2 * b1;
        const auto expectedX = exacttest::Make(c1 * b2 - c2 * b1, det);
        const auto expectedY = exacttest::Make(a1 * c2 - a2 * c1, det);
        const auto gotX = exacttest::ExactOf(xValue);
        const auto gotY = exacttest::ExactOf(yValue);
        ASSERT_TRUE(gotX && gotY) << text;
        EXPECT_EQ(exacttest::Shown(*gotX), exacttest::Shown(*expectedX));
        EXPECT_EQ(exacttest::Shown(*gotY), exacttest::Shown(*expectedY));
    }
}

TEST(FangChengZu, InconsistentSystemStopsAtTheBareConclusion)
{
    Solver s;
    const std::string text = s.FangChengZu(Lines({"x＋y＝2", "x＋y＝3"}), Lines({"x", "y"}));
    EXPECT_TRUE(Has(text, "从而得到新的方程（组）为：\r\n\r\n2＝3\r\n")) << text;
    EXPECT_FALSE(Has(text, "第 2 步")) << text;
    EXPECT_TRUE(EndsWith(text, "∴ 该方程组的解为：\r\n")) << text;
}

TEST(FangChengZu, UnknownFixedByNoEquationStaysInItsSolvedForm)
{
    Solver s;
    const std::string text = s.FangChengZu(Lines({"x＋y＝3"}), Lines({"x", "y"}));
    EXPECT_FALSE(Has(text, "第 2 步")) << text;
    EXPECT_TRUE(EndsWith(text, "解为：\r\n\r\nx＝3－y")) << text;
}

TEST(BuDengShiZu, KeepsTheStrongestBoundsWithStrictSymbolsWinningTies)
{
    Solver s;
    const StringArray x = Lines({"x"});
    const auto set = [&](std::initializer_list<const char *> lines) {
        const std::string text = s.BuDengShiZu(Lines(lines), x);
        const std::string head = "解集为：\r\n\r\n";
        return text.substr(text.find(head) + head.size());
    };
    EXPECT_EQ(set({"x≤5", "x＜5", "x≤7"}), "x＜5\r\n");
    // Bounds that meet: one number when both include it, nothing when either is strict.
    EXPECT_EQ(set({"x≥3", "x≤3"}), "x＝3\r\n");
    EXPECT_EQ(set({"x≥3", "x＜3"}), "无解\r\n");
    // 7/2 compares as 3.5, －3 as −3.
    EXPECT_EQ(set({"x＜7/2", "x＜4", "x＞－3", "x＞－4"}), "－3＜x＜7/2\r\n");
    // A solution with "＝" is listed but sets no bound.
    EXPECT_EQ(set({"x＝9", "x＞1"}), "x＞1\r\n");
    EXPECT_EQ(set({"x＝9"}), "");
    // An inequality that holds for no number makes the whole system impossible.
    EXPECT_EQ(set({"x＞1", "x－x＞2"}), "无解\r\n");
    EXPECT_EQ(set({"x＞1", "x－x＜2"}), "x＞1\r\n");
}

TEST(BuDengShiZu, SeveralLettersWriteOnlyTheHeadings)
{
    Solver s;
    EXPECT_EQ(s.BuDengShiZu(Lines({"x＞y"}), Lines({"x", "y"})),
        "\r\n根据不等式（组）：\r\n得到不等式（组）的  解集为：\r\n\r\n");
}

TEST(ErCiFangCheng, MissingOrUnknownCoefficientsAreNotReadAsZeroDiscriminant)
{
    Solver s;
    EXPECT_TRUE(
        Has(s.ErCiFangCheng("x^2＝0", "x"), "∵ a＝1 ,b＝ ,c＝\r\n △＝b^2 － 4ac＝()^(2) － 4×(1)×()\r\n   ＝0 ＝0"));
    EXPECT_TRUE(Has(s.ErCiFangCheng("2x^2＝x", "x"), "   ＝ 1 ＞0\r\n"));
    EXPECT_TRUE(Has(s.ErCiFangCheng("x^2＋kx＋1＝0", "x"), "∴无法判断△的正负."));
    EXPECT_EQ(s.ErCiFangCheng("x^2＋1", "x"), "方程中没有等号，无法求解。");
}

TEST(LeadingValue, ReadsSignsDecimalsAndFractions)
{
    EXPECT_EQ(LeadingValue("－3"), -3);
    EXPECT_EQ(LeadingValue("-2.5abc"), -2.5);
    EXPECT_EQ(LeadingValue("7/2"), 3.5);
    EXPECT_EQ(LeadingValue("7/0"), 7);
    bool found = true;
    EXPECT_EQ(LeadingValue("(1)", &found), 0);
    EXPECT_FALSE(found);
    EXPECT_TRUE(IsPlainNumber("＋16"));
    EXPECT_FALSE(IsPlainNumber("25－24"));
}

TEST(Ratios, RatioBecomesAFractionOrADivisionWithDecimalsMadeWhole)
{
    Solver s;
    EXPECT_EQ(s.BiHuaShang("12:18"), "12/18");
    EXPECT_EQ(s.BiHuaShang("0.5:2"), "(0.5×10)/(2×10)");
    EXPECT_EQ(s.BiHuaShang("1.5:0.25"), "(1.5×100)/(0.25×100)");
    EXPECT_EQ(s.BiHuaShang("2/3:4"), "2/3÷4");
    EXPECT_EQ(s.BiHuaShang("12：18"), "12/18");
    EXPECT_EQ(s.BiHuaShang(""), "");
    EXPECT_EQ(s.BiHuaShang("12"), "12");
}

TEST(Ratios, ProportionBecomesOuterTimesOuterEqualsInnerTimesInner)
{
    Solver s;
    EXPECT_EQ(s.BiLiFangCheng("x:3＝4:6"), "x×6＝4×3");
    EXPECT_EQ(s.BiLiFangCheng("2:x＝0.5:1/4"), "2×1/4＝0.5×x");
    EXPECT_EQ(s.BiLiFangCheng("x:3"), "x:3");
    EXPECT_EQ(s.BiLiFangCheng("x＝4:6"), "x＝4:6");
}
