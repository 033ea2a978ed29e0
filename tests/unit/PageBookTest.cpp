#include "pages/PageBook.h"
#include "pages/Session.h"
#include "pages/TypeTable.h"

#include <gtest/gtest.h>

#include <set>

using namespace qimbel;

namespace {

class PageBookTest : public testing::Test {
protected:
    void SetUp() override
    {
        ResetSession();
        book.Start();
    }
    PageBook book;
};

TEST_F(PageBookTest, StartsOnTheFirstTabWithTypeOne)
{
    EXPECT_EQ(book.CurrentTab(), 0);
    EXPECT_EQ(CurrentType(), 1);
    ProblemPage *first = book.ProblemPageOfTab(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Page(), 129);
    EXPECT_EQ(first->Title(), "数的读法");
    EXPECT_EQ(first->Summary(), Solver().GetZhaiYao(1));
}

TEST_F(PageBookTest, TabsAreInTheirVisibleOrder)
{
    const char *labels[] = {"小学基础知识", "小学计算题", "小学应用题", "初中基础知识", "初中计算题", "方程与不等式",
        "统计图初步", "函数与图象", "知识资料汇总", "自动出卷及测试"};
    const int pages[] = {129, 130, 131, 133, 134, 135, 132, 137, 153, 164};
    ASSERT_EQ(Tabs().size(), 10u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_STREQ(Tabs()[static_cast<std::size_t>(i)].label, labels[i]);
        EXPECT_EQ(Tabs()[static_cast<std::size_t>(i)].page, pages[i]);
    }
    EXPECT_EQ(book.ProblemPageOfTab(6), nullptr);
    EXPECT_EQ(book.ProblemPageOfTab(10), nullptr);
}

TEST_F(PageBookTest, ProblemTabsSetTheirTypeAndTitle)
{
    const struct {
        int tab, type;
        const char *title;
    } rows[] = {{1, 7, "竖式计算"}, {3, 13, "科学记数法"}, {4, 20, "有理数四则运算"}, {5, 25, "一元一次方程"},
        {0, 1, "数的读法"}};
    for (const auto &row : rows) {
        book.SelectTab(row.tab);
        EXPECT_EQ(book.CurrentTab(), row.tab);
        EXPECT_EQ(CurrentType(), row.type);
        EXPECT_EQ(book.ProblemPageOfTab(row.tab)->Title(), row.title);
    }
}

TEST_F(PageBookTest, OtherTabsKeepTheCurrentType)
{
    book.SelectTab(4);
    for (int tab : {2, 6, 7, 8, 9}) {
        book.SelectTab(tab);
        EXPECT_EQ(CurrentType(), 20) << tab;
    }
    book.SelectTab(42);
    EXPECT_EQ(book.CurrentTab(), 9);
}

TEST_F(PageBookTest, SwitchingTabsKeepsTypedText)
{
    book.ProblemPageOfTab(4)->SetEditText("2×(3＋4)－5");
    book.SelectTab(4);
    book.SelectTab(1);
    book.SelectTab(4);
    EXPECT_EQ(book.ProblemPageOfTab(4)->EditText(), "2×(3＋4)－5");
}

TEST(TypeTable, EveryTypeBelongsToAProblemPageWithUniqueNumbers)
{
    std::set<int> numbers;
    for (const ProblemType &row : ProblemTypes()) {
        EXPECT_TRUE(numbers.insert(row.type).second) << row.type;
        EXPECT_NE(TabOfPage(row.page), -1) << row.type;
        EXPECT_EQ(row.titleRule == TitleRule::Set, std::string(row.title) != "") << row.type;
    }
    EXPECT_EQ(numbers.size(), 32u);
    EXPECT_EQ(FindProblemType(19), nullptr);
    // Every type has its routine now, so every button can be pressed.
    for (const ProblemType &row : ProblemTypes())
        EXPECT_TRUE(row.enabled) << row.type;
    EXPECT_EQ(TypesOfPage(131).size(), 1u);
    EXPECT_EQ(TypesOfPage(135).size(), 7u);
}

} // namespace
