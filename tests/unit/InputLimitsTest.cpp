// The input limits of the routines the pages call: one sentence beyond a limit, the usual work
// within it, and bounded text on the page for the largest lines allowed.
#include "solver/InputLimits.h"
#include "HeadlessPage.h"
#include "pages/Headless.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <functional>

using namespace qimbel;

namespace {

const std::string kTooDeep = "括号层数太多，无法计算。";

std::string TooLongSentence(int longest)
{
    return "这一行太长，无法计算：一行最多可以有" + std::to_string(longest) + "个字符。";
}

// `depth` round brackets around `inside`.
std::string Nested(int depth, const std::string &inside)
{
    return std::string(static_cast<std::size_t>(depth), '(') + inside
        + std::string(static_cast<std::size_t>(depth), ')');
}

// A text of exactly `bytes` bytes: "1＋1＋…", padded with a last digit run.
std::string SumOfBytes(int bytes)
{
    std::string text = "1";
    while (Len(text) + 3 <= bytes)
        text += "＋1";
    while (Len(text) < bytes)
        text += "0";
    return text;
}

using pagetest::Page;

} // namespace

TEST(InputLimits, BracketDepthCountsEveryKindTogether)
{
    EXPECT_EQ(BracketDepth(""), 0);
    EXPECT_EQ(BracketDepth("1＋2"), 0);
    EXPECT_EQ(BracketDepth("{[(1)]}＋(2)"), 3);
    EXPECT_EQ(BracketDepth("（（1））"), 2);
    EXPECT_EQ(BracketDepth("(（[1]）)"), 3);
    EXPECT_EQ(BracketDepth(")))((1"), 2); // closings without openings count as nothing
    EXPECT_EQ(BracketDepth(Nested(1000, "1")), 1000);
}

// Every routine of the expression family: the deepest nesting allowed is worked, one more level
// is refused with the sentence, and so is a line one byte too long.
TEST(InputLimits, ExpressionRoutinesRefuseDeepOrLongLines)
{
    Solver s;
    StringArray letters;
    letters.InsertAt(0, "x");
    auto one = [](const std::string &line) {
        StringArray lines;
        lines.InsertAt(0, line);
        return lines;
    };
    const std::vector<std::pair<const char *, std::function<std::string(const std::string &)>>> routines = {
        {"HunHeYunSuan", [&](const std::string &e) { return s.HunHeYunSuan(e, 5); }},
        {"YiCiDengShi", [&](const std::string &e) { return s.YiCiDengShi(e + "＝x", "x", 5); }},
        {"ErCiFangCheng", [&](const std::string &e) { return s.ErCiFangCheng("x^2＝" + e, "x"); }},
        {"BiLiFangCheng", [&](const std::string &e) { return s.BiLiFangCheng(e + "：x＝2：3"); }},
        {"FangChengZu", [&](const std::string &e) { return s.FangChengZu(one(e + "＝x"), letters); }},
        {"BuDengShiZu", [&](const std::string &e) { return s.BuDengShiZu(one(e + "＞x"), letters); }},
        {"SiZeHunHeYunSuan", [&](const std::string &e) { return s.SiZeHunHeYunSuan(e); }},
    };
    for (const auto &[name, routine] : routines) {
        SCOPED_TRACE(name);
        EXPECT_NE(routine(Nested(kDeepestBrackets - 1, "1＋2")), kTooDeep);
        EXPECT_EQ(routine(Nested(kDeepestBrackets + 1, "1＋2")), kTooDeep);
        EXPECT_EQ(routine(Nested(100, "1＋x")), kTooDeep);
    }
    EXPECT_EQ(s.HunHeYunSuan(Nested(kDeepestBrackets, "1＋2"), 1), "3");
    EXPECT_EQ(s.HunHeYunSuan(SumOfBytes(kLongestExpressionLine + 1), 1), TooLongSentence(kLongestExpressionLine));
    EXPECT_NE(s.HunHeYunSuan(SumOfBytes(kLongestExpressionLine), 1), TooLongSentence(kLongestExpressionLine));
    EXPECT_EQ(s.SiZeHunHeYunSuan(SumOfBytes(kLongestEveryStepLine + 1)), TooLongSentence(kLongestEveryStepLine));
}

TEST(InputLimits, NumberTopicsRefuseLinesBeyondTheirLimit)
{
    Solver s;
    const std::string digits(static_cast<std::size_t>(kLongestNumberLine), '1');
    const std::string tooLong = TooLongSentence(kLongestNumberLine);
    EXPECT_EQ(s.ShuDeDuFa("0." + digits, 5), tooLong);
    EXPECT_EQ(s.ShuDeXieFa(digits + "1", 5), tooLong);
    EXPECT_EQ(s.fenjieyinshu(digits + "1"), tooLong);
    EXPECT_EQ(s.KeXueJiShuFa(digits + "1"), tooLong);
    EXPECT_EQ(s.GetJinSiZhi(digits + "1", 5), tooLong);
    EXPECT_EQ(s.DanWeiZhuanHuan(digits + "米＝（）厘米", 5), tooLong);
    const std::string &list = digits;
    const std::string &listTooLong = tooLong;
    EXPECT_EQ(s.PaiXu(list + ",1"), listTooLong);
    EXPECT_EQ(s.BeiShu(list + ",1"), listTooLong);
    EXPECT_EQ(s.YinShu(list + ",1"), listTooLong);
    StringArray lines;
    lines.InsertAt(0, "1,2," + list);
    lines.InsertAt(0, "求平均数");
    EXPECT_EQ(s.ShuDeXingZhi(lines), listTooLong);
    // Within the limit the work is done as before.
    EXPECT_EQ(s.PaiXu("3,1,2").find("这一行太长"), std::string::npos);
}

// What a pupil sees on the pages: one sentence for the line, and the other lines worked.
TEST(InputLimits, PagesAnswerAnOversizedLineWithOneSentence)
{
    const std::string deep = Nested(100, "1＋2");
    for (int type : {8, 20, 21}) {
        SCOPED_TRACE(type);
        const std::string out = Page(type, deep + "\r\n1＋2");
        EXPECT_NE(out.find("  " + kTooDeep + "\r\n"), std::string::npos);
        EXPECT_NE(out.find("＝3"), std::string::npos);
    }
    for (int type : {25, 27, 30}) {
        SCOPED_TRACE(type);
        EXPECT_NE(Page(type, deep + "x＝1").find(kTooDeep), std::string::npos);
    }
    EXPECT_NE(Page(26, "x＋y＝3\r\n" + deep + "x＝y").find(kTooDeep), std::string::npos);
    // About a thousand nested brackets in a 2 KB line: too long before it is too deep.
    EXPECT_NE(Page(21, Nested(1000, "a＋b")).find(TooLongSentence(kLongestExpressionLine)), std::string::npos);
}

// The largest lines allowed stay well inside the bound of about 200 KB of text per line, on the
// shapes that write the most: every step of a long ratio, and long column additions.
TEST(InputLimits, LargestLinesWriteBoundedText)
{
    std::string ratio = "x";
    while (Len(ratio) + 4 <= kLongestEveryStepLine)
        ratio += "＋2x";
    EXPECT_LT(Page(10, ratio + "：5").size(), 200u * 1024);
    std::string sum(static_cast<std::size_t>(kLongestColumnOperand), '9');
    EXPECT_LT(Page(7, sum + "＋" + sum).size(), 200u * 1024);
    EXPECT_LT(Page(1, "0." + std::string(static_cast<std::size_t>(kLongestNumberLine) - 2, '7')).size(), 200u * 1024);
}

// Text that is no expression can make every step longer than the one before (each step of
// (未知数××…5 wrote 未知数 once more): the every-step driver stops once a step would be far longer
// than the typed line, instead of writing megabytes.
TEST(InputLimits, EveryStepDriverStopsAnExpressionThatOnlyGrows)
{
    Solver s;
    std::string typed = "(未知数";
    for (int i = 0; i < 100; ++i)
        typed += "×";
    typed += "5＋b1.0.2－5";
    // Every line holds the new expression (at most 2 × 230 + 64 bytes) and its step's description.
    EXPECT_LT(s.SiZeHunHeYunSuan(typed).size(), 64u * 1024);
}

// Substitution into a letter that stands many times over (x written 60 times is x^60) made the
// system solver work ever longer equations: one beyond the equation limit ends the working.
TEST(InputLimits, SystemSolverStopsAnEquationThatExplodesOnSubstitution)
{
    // The page now refuses a line of the 60th degree before the solver sees it; either way the
    // working ends with a sentence.
    const std::string out = Page(26, "x－y＝2\r\n" + std::string(60, 'x') + "＋y＝5");
    EXPECT_TRUE(out.find("得到的方程太长，无法计算。") != std::string::npos
        || out.find("这不是二元一次方程组里的方程，无法求解。") != std::string::npos);
    EXPECT_LT(out.size(), 4096u);
    // An ordinary system is solved as before.
    EXPECT_EQ(Page(26, "x＋y＝3\r\nx－y＝1").find("太长"), std::string::npos);
}
