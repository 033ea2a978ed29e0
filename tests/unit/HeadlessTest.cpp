#include "pages/Headless.h"
#include "pages/ResultTexts.h"
#include "solver/GbkText.h"

#include <gtest/gtest.h>

using namespace qimbel;

namespace {

HeadlessRequest Request(std::vector<std::string> args)
{
    HeadlessArgs parsed = ParseHeadlessArgs(args);
    EXPECT_TRUE(parsed.request.has_value()) << parsed.error;
    return parsed.request.value_or(HeadlessRequest {});
}

TEST(HeadlessArgs, AcceptsTheDocumentedForms)
{
    const HeadlessRequest r = Request({"--type", "20", "--level", "4", "--check-only", "--gbk"});
    EXPECT_EQ(r.type, 20);
    EXPECT_EQ(r.page, 0);
    EXPECT_EQ(r.level, 4);
    EXPECT_TRUE(r.checkOnly);
    EXPECT_TRUE(r.gbk);
    EXPECT_EQ(Request({"--page", "131"}).page, 131);
    EXPECT_EQ(Request({"--page", "131"}).level, 5);
    EXPECT_TRUE(Request({"--type", "20", "--compute-only"}).computeOnly);
    EXPECT_FALSE(r.computeOnly);
}

TEST(HeadlessArgs, RejectsBadArguments)
{
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--type"},
        {"--type", "19"},
        {"--type", "x"},
        {"--type", "2x"},
        {"--page", "132"},
        {"--type", "1", "--page", "129"},
        {"--type", "1", "--level", "3"},
        {"--type", "1", "--verbose"},
        {"--level", "5"},
        {"--type", "20", "--check-only", "--compute-only"},
    };
    for (const auto &args : bad)
        EXPECT_FALSE(ParseHeadlessArgs(args).request.has_value()) << (args.empty() ? "" : args[0]);
}

TEST(Headless, ChecksOnThePageThatOwnsTheType)
{
    HeadlessRequest r = Request({"--type", "8", "--check-only"});
    EXPECT_EQ(RunHeadless(r, "3+4*2\r\n"), "3＋4×2");
    EXPECT_EQ(RunHeadless(r, "1 / 2\r\n"), std::string("1÷2") + kDivisionNoticeLong);
    EXPECT_EQ(RunHeadless(r, "x>3\r\n"), "x>3\r\n");
    EXPECT_EQ(RunHeadless(Request({"--type", "25", "--check-only"}), "x>3\r\n"), "x＞3");
    EXPECT_EQ(RunHeadless(Request({"--type", "1", "--check-only"}), "12\r\n----abc\r\n"), "12\r\n");
    EXPECT_EQ(RunHeadless(Request({"--type", "20", "--check-only"}), "12\r\n----abc\r\n"), "12");
}

TEST(Headless, ComputeOnlySkipsTheCheck)
{
    // Without the check "/" stays a fraction bar and the fraction routines answer.
    const std::string out = RunHeadless(Request({"--type", "20", "--compute-only", "--level", "1"}), "3/4×2/3\r\n");
    EXPECT_EQ(out, std::string("3/4×2/3\r\n") + kResultHeader + "  1/2\r\n");
    // With the check it is a division.
    EXPECT_EQ(RunHeadless(Request({"--type", "20", "--level", "1"}), "3/4×2/3\r\n").find("3÷4×2÷3"), 0u);
}

TEST(Headless, KeepsTheTypeThatTheTabSets)
{
    // Page 134 selected by its template computes with type 20, which the tab makes current.
    const std::string byPage = RunHeadless(Request({"--page", "134"}), "1+1\r\n");
    const std::string byType = RunHeadless(Request({"--type", "20"}), "1+1\r\n");
    EXPECT_EQ(byPage, byType);
    // Type 24 reaches its own routine on the same page.
    EXPECT_EQ(RunHeadless(Request({"--type", "24", "--level", "1"}), "√2*√8\r\n"),
        std::string("√2×√8") + kResultHeader + "  4\r\n");
}

} // namespace

// The quadratic of a line with a stray closing bracket: its terms are never multiplied by the
// character before the bracket again and again. A bracket that does not pair stops the line
// before any working; with the bracket paired the terms are kept as typed.
TEST(Headless, AStrayClosingBracketIsNotRepeatedInTheQuadraticWorking)
{
    HeadlessRequest request = Request({"--type", "27", "--level", "1"});
    const std::string stray = RunHeadless(request, "x0\r\n形)=x^2+b+cc\r\n");
    EXPECT_NE(Find(stray, "括号不配对，无法计算。"), -1) << stray;
    EXPECT_EQ(Find(stray, "形形"), -1);
    const std::string text = RunHeadless(request, "(形)=x^2+b+cc\r\n");
    int count = 0;
    for (int p = Find(text, "形"); p >= 0; p = Find(text, "形", p + 2))
        ++count;
    EXPECT_GE(count, 2) << text;
    EXPECT_EQ(Find(text, "形形"), -1) << text;
}
