// 批改我的解答 on the page model: where the marked copy goes, what marking again and the check do
// with it, the sentence of a type that cannot be marked, the status line and the button's state.
// The marked texts themselves are golden texts under tests/golden/marking/.
#include "marking/MarkWorking.h"
#include "pages/ProblemPage.h"
#include "pages/Session.h"

#include <gtest/gtest.h>

using namespace qimbel;

namespace {

const std::string kSeparator = "\r\n---------------------------------------------\r\n";

struct MarkCase {
    int page;
    int type;
    std::string typed;
    std::string text; // the text box after Mark
    std::string status;
    std::vector<std::string> messages;
};

} // namespace

TEST(MarkPage, MarkedCopyGoesBelowTheTypedTextOnce)
{
    const std::vector<MarkCase> cases = {
        {130, 8, "12＋9\r\n＝21\r\n",
            "12＋9\r\n＝21" + kSeparator
                + "批改结果：\r\n12＋9\r\n＝21\r\n√\r\n最后一步已经是答案。\r\n共1步，对1步。\r\n",
            "已批改 1 道题：共1步，对1步。", {}},
        {134, 20, "5－8\r\n＝3\r\n\r\n2×3\r\n＝6",
            "5－8\r\n＝3\r\n\r\n2×3\r\n＝6" + kSeparator
                + "批改结果：\r\n5－8\r\n＝3\r\n× 第1步错了：符号错误。\r\n应该是：－3\r\n还没有做完：答案不对，要从第1步改起。\r\n"
                  "共1步，对0步。\r\n\r\n2×3\r\n＝6\r\n√\r\n最后一步已经是答案。\r\n共1步，对1步。\r\n",
            "已批改 2 道题：共2步，对1步。", {}},
        // A type that cannot be marked says so, in the text box and as a message.
        {129, 1, "123", "123" + kSeparator + "批改结果：\r\n这一类题目还不能批改。\r\n", kCannotMark, {kCannotMark}},
        // Nothing typed: nothing to mark.
        {134, 21, "\r\n", "", "文本框中没有可以批改的解答：先写题目，再在下面每行写一步。", {}},
    };
    for (const MarkCase &c : cases) {
        ResetSession();
        ProblemPage page(c.page);
        page.ShowType(c.type);
        page.SetEditText(c.typed);
        page.Mark();
        EXPECT_EQ(page.EditText(), c.text) << c.typed;
        EXPECT_EQ(page.StatusLine(), c.status) << c.typed;
        EXPECT_EQ(page.TakeMessages(), c.messages) << c.typed;
        // Marking again replaces the old copy; the check cuts it away as it cuts old results.
        page.Mark();
        EXPECT_EQ(page.EditText(), c.text) << c.typed;
        page.Check();
        EXPECT_EQ(page.EditText().find("批改结果"), std::string::npos) << c.typed;
    }
}

TEST(MarkPage, TheButtonFollowsTheTypesThatCanBeMarked)
{
    for (int type = 1; type <= 33; ++type) {
        ResetSession();
        ProblemPage page(134);
        page.ShowType(type);
        const bool markable = (type >= 7 && type <= 11) || (type >= 20 && type <= 24) || type == 25 || type == 26
            || type == 27 || type == 28 || type == 29 || type == 30 || type == 31 || type == 18 || type == 32;
        EXPECT_EQ(page.MarkEnabled(), markable) << type;
        EXPECT_EQ(CanMark(type), markable) << type;
    }
}

// 一步一步 on the page: 下一步检查 and 提示 put their answer below the typed text once (pressing
// again, or pressing the other, replaces it), and the status line repeats it.
TEST(MarkPage, StepAtATimeAnswersBelowTheTextOnce)
{
    ResetSession();
    ProblemPage page(135);
    page.ShowType(25);
    const std::string typed = "2x－3(x－2)＝4\r\n2x＋3x－6＝4";
    page.SetEditText(typed);
    page.MarkLast();
    const std::string checked = typed + kSeparator
        + "下一步检查：\r\n2x＋3x－6＝4\r\n× 第1步错了：去括号时没有变号。\r\n应该是：2x－3x＋6＝4\r\n";
    EXPECT_EQ(page.EditText(), checked);
    EXPECT_EQ(page.StatusLine(), "已检查最后一步：× 第1步错了：去括号时没有变号。");
    page.MarkLast();
    EXPECT_EQ(page.EditText(), checked);
    page.Hint();
    EXPECT_EQ(page.EditText(), typed + kSeparator + "提示：\r\n先改正第1步：去括号时没有变号。\r\n");
    EXPECT_EQ(page.StatusLine(), "先改正第1步：去括号时没有变号。");

    page.SetEditText("2x－3(x－2)＝4");
    page.Hint();
    EXPECT_EQ(page.EditText(), "2x－3(x－2)＝4" + kSeparator + "提示：\r\n下一步：去括号\r\n");
    // Marking the whole working afterwards cuts the hint away.
    page.Mark();
    EXPECT_EQ(page.EditText().find("提示："), std::string::npos);

    // A type that cannot be marked answers with the one sentence.
    ProblemPage other(129);
    other.ShowType(1);
    other.SetEditText("123");
    other.Hint();
    EXPECT_EQ(other.EditText(), "123");
    EXPECT_EQ(other.StatusLine(), kCannotMark);
}
