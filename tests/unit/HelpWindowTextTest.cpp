// The help window's text: the three help texts of the page's own type under their headings, then
// how to type the signs; nothing of another page's type.
#include "pages/HelpWindowText.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

namespace qimbel {
namespace {

TEST(HelpWindowText, ShowsTheThreeTextsOfTheTypeThenTheSigns)
{
    Solver solver;
    const HelpWindowText help = HelpForPage(129, 6);
    EXPECT_EQ(help.caption, "帮助 - 单位转换");
    const std::string intro = solver.GetJianJie(6);
    const std::string summary = solver.GetZhaiYao(6);
    const std::string example = solver.GetShiLi(6);
    ASSERT_FALSE(intro.empty());
    ASSERT_FALSE(summary.empty());
    ASSERT_FALSE(example.empty());
    const std::string head = "【简介】\r\n" + intro + "\r\n【摘要】\r\n" + summary + "\r\n【示例】\r\n" + example
        + "\r\n【符号的输入】\r\n";
    EXPECT_EQ(help.body.substr(0, head.size()), head);
    EXPECT_NE(help.body.find("*  换成  ×"), std::string::npos);
    EXPECT_EQ(help.body.substr(help.body.size() - 4), "\r\n\r\n");
}

TEST(HelpWindowText, AnotherPagesTypeGivesThePageAndTheSignsOnly)
{
    // Whatever another page made current is not shown on the word-problem page.
    const HelpWindowText wordProblems = HelpForPage(131, 20);
    EXPECT_EQ(wordProblems.caption, "帮助 - 小学应用题");
    EXPECT_EQ(wordProblems.body.rfind("【符号的输入】\r\n", 0), 0u);
    EXPECT_EQ(wordProblems.body.find("【简介】"), std::string::npos);
    EXPECT_EQ(HelpForPage(129, 25).caption, "帮助 - 小学基础知识");
    EXPECT_EQ(HelpForPage(129, 0).body, wordProblems.body);
}

TEST(HelpWindowText, ANumberWithoutATypeLeavesTheSectionsOut)
{
    // Every type has its help files; a number without a type shows the page and the signs.
    const HelpWindowText help = HelpForPage(134, 19);
    EXPECT_EQ(help.caption, "帮助 - 初中计算题");
    EXPECT_EQ(help.body.rfind("【符号的输入】\r\n", 0), 0u);
    // The word-problem page's own pattern type shows its texts there.
    EXPECT_EQ(HelpForPage(131, 33).caption, "帮助 - 根据要求找规律");
    EXPECT_EQ(HelpForPage(131, 33).body.rfind("【简介】\r\n", 0), 0u);
}

} // namespace
} // namespace qimbel
