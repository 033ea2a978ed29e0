#include "pages/Headless.h"
#include "pages/ResultTexts.h"

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

TEST(Headless, KeepsTheTypeThatTheTabSets)
{
    // Page 134 selected by its template computes with type 20, which the tab makes current.
    const std::string byPage = RunHeadless(Request({"--page", "134"}), "1+1\r\n");
    const std::string byType = RunHeadless(Request({"--type", "20"}), "1+1\r\n");
    EXPECT_EQ(byPage, byType);
    // Type 23 has no routine: the header alone.
    EXPECT_EQ(RunHeadless(Request({"--type", "23"}), "a^2\r\n"), std::string("a^2\r\n") + kResultHeader);
}

} // namespace
