#include "pages/PageBook.h"
#include "pages/Session.h"
#include "pages/SessionFile.h"
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

TEST_F(PageBookTest, EachPageKeepsItsOwnTypeAcrossTabs)
{
    book.ProblemPageOfTab(0)->ChooseType(4);
    book.SelectTab(4);
    book.ProblemPageOfTab(4)->ChooseType(22);
    book.SelectTab(0);
    EXPECT_EQ(CurrentType(), 4);
    EXPECT_EQ(book.ProblemPageOfTab(0)->Title(), "因数（公因数）");
    EXPECT_EQ(book.ProblemPageOfTab(0)->Summary(), Solver().GetZhaiYao(4));
    book.SelectTab(6); // a tab without types leaves the type of the page shown before
    EXPECT_EQ(CurrentType(), 4);
    book.SelectTab(4);
    EXPECT_EQ(CurrentType(), 22);
    EXPECT_EQ(book.ProblemPageOfTab(4)->Title(), "因式分解");

    book.Reset();
    EXPECT_EQ(CurrentType(), 1);
    book.SelectTab(4);
    EXPECT_EQ(CurrentType(), 20);
}

TEST_F(PageBookTest, SessionComesBackAsItWasSaved)
{
    ProblemPage *first = book.ProblemPageOf(129);
    first->ChooseType(6);
    first->SetEditText(std::string("3米＝（ ）厘米\r\n\0x\r\n", 20)); // any bytes, a NUL and line breaks too
    ProblemPage *junior = book.ProblemPageOf(134);
    book.SelectTab(4);
    junior->ChooseType(22);
    junior->SetFactorMethod(4);
    PageOptions options = junior->Options();
    options.showIntro = false;
    options.showExplain = false;
    junior->SetOptions(options);
    junior->SetEditText("x^2+3x+2\r\n\r\nend\n\npage 129 1");
    junior->Check();
    const std::string saved = WriteSession(book);

    ResetSession();
    PageBook restored;
    restored.Start();
    EXPECT_EQ(ReadSession(restored, saved), "");
    EXPECT_EQ(restored.CurrentTab(), 4);
    EXPECT_EQ(CurrentType(), 22);
    for (int id : {129, 130, 131, 133, 134, 135}) {
        const ProblemPage *was = book.ProblemPageOf(id);
        const ProblemPage *now = restored.ProblemPageOf(id);
        EXPECT_EQ(now->EditText(), was->EditText()) << id;
        EXPECT_EQ(now->Type(), was->Type()) << id;
        EXPECT_EQ(now->Title(), was->Title()) << id;
        EXPECT_EQ(now->ComputeEnabled(), was->ComputeEnabled()) << id;
        EXPECT_EQ(now->FactorMethod(), was->FactorMethod()) << id;
        const PageOptions &a = was->Options();
        const PageOptions &b = now->Options();
        EXPECT_TRUE(a.showIntro == b.showIntro && a.showResult == b.showResult && a.showWorking == b.showWorking
            && a.showExplain == b.showExplain)
            << id;
    }
    EXPECT_EQ(WriteSession(restored), saved);
}

TEST_F(PageBookTest, DamagedOrForeignSessionChangesNothing)
{
    book.ProblemPageOf(130)->SetEditText("1+1");
    const std::string good = WriteSession(book);
    const auto replaced = [&good](const std::string &from, const std::string &to) {
        std::string bytes = good;
        bytes.replace(bytes.find(from), from.size(), to);
        return bytes;
    };
    const std::string foreign = "上次的题目没有恢复：保存它们的文件不是本程序的。";
    const std::string damaged = "上次的题目没有恢复：保存它们的文件已损坏。";
    const struct {
        const char *name;
        std::string bytes;
        std::string reason;
    } rows[] = {
        {"empty file", "", foreign},
        {"another program's file", "[General]\nkey=value\n", foreign},
        {"another version", replaced("QimbelSession 1", "QimbelSession 2"), foreign},
        {"cut short", good.substr(0, good.size() / 2), damaged},
        {"cut inside a text", good.substr(0, good.find("1+1") + 1), damaged},
        {"no end line", good.substr(0, good.size() - 4), damaged},
        {"bytes after the end", good + "x", damaged},
        {"tab out of range", replaced("tab 0", "tab 10"), damaged},
        {"negative tab", replaced("tab 0", "tab -1"), damaged},
        {"type of another page", replaced("page 129 1", "page 129 7"), damaged},
        {"type 19", replaced("page 129 1", "page 129 19"), damaged},
        {"page twice", replaced("page 133", "page 129"), damaged},
        {"unknown page", replaced("page 133", "page 132"), damaged},
        {"flag not 0 or 1", replaced("page 130 0 1", "page 130 0 2"), damaged},
        {"method out of range", replaced("page 134 0 1 1 1 1 8", "page 134 0 1 1 1 1 9"), damaged},
        {"length past the end", replaced(" 3\n1+1", " 999999999\n1+1"), damaged},
        {"length too short", replaced(" 3\n1+1", " 2\n1+1"), damaged},
        {"length with a sign", replaced(" 3\n1+1", " +3\n1+1"), damaged},
        {"length of twenty digits", replaced(" 3\n1+1", " 18446744073709551619\n1+1"), damaged},
        {"missing field", replaced("page 135 0 1 1 1 1 8 0", "page 135 0 1 1 1 8 0"), damaged},
    };
    for (const auto &row : rows) {
        ResetSession();
        PageBook other;
        other.Start();
        other.ProblemPageOf(129)->SetEditText("kept");
        EXPECT_EQ(ReadSession(other, row.bytes), row.reason) << row.name;
        EXPECT_EQ(other.ProblemPageOf(129)->EditText(), "kept") << row.name;
        EXPECT_EQ(other.ProblemPageOf(130)->EditText(), "") << row.name;
        EXPECT_EQ(other.CurrentTab(), 0) << row.name;
    }
    // Every cut of a sound file is refused whole; none is half-read.
    for (std::size_t cut = 0; cut < good.size(); ++cut) {
        PageBook other;
        EXPECT_NE(ReadSession(other, good.substr(0, cut)), "") << cut;
    }
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
    // Every type has its routine now, so every button can be pressed and none needs a tooltip.
    for (const ProblemType &row : ProblemTypes()) {
        EXPECT_TRUE(row.enabled) << row.type;
        EXPECT_TRUE(TypeButtonTip(row).empty()) << row.type;
    }
    EXPECT_EQ(TypesOfPage(131).size(), 1u);
    EXPECT_EQ(TypesOfPage(135).size(), 7u);
}

} // namespace
