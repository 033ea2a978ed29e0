#include "pages/ProblemPage.h"
#include "pages/PageBook.h"
#include "pages/ResultTexts.h"
#include "pages/Session.h"
#include "pages/TypeTable.h"
#include "solver/GbkText.h"

#include <gtest/gtest.h>

using namespace qimbel;

namespace {

class ProblemPageTest : public testing::Test {
protected:
    void SetUp() override { ResetSession(); }

    static std::string Checked(int page, const std::string &text)
    {
        ProblemPage p(page);
        p.SetEditText(text);
        p.Check();
        return p.EditText();
    }
};

TEST_F(ProblemPageTest, CheckNormalisesSymbolsOnTheCalculationPages)
{
    EXPECT_EQ(Checked(130, "3+4*2"), "3＋4×2");
    EXPECT_EQ(Checked(134, "3*(2-1)"), "3×(2－1)");
    EXPECT_EQ(Checked(133, "（1+2）=3"), "(1＋2)＝3");
    // Line breaks between problems stay; those next to a replaced sign go.
    EXPECT_EQ(Checked(130, "1+2\r\n3*4\r\n"), "1＋2\r\n3×4");
}

TEST_F(ProblemPageTest, CheckTurnsRelationSignsFullWidthOnTheEquationPageOnly)
{
    EXPECT_EQ(Checked(135, "x>3"), "x＞3");
    EXPECT_EQ(Checked(135, "2x<4"), "2x＜4");
    EXPECT_EQ(Checked(130, "x>3"), "x>3");
}

TEST_F(ProblemPageTest, CheckAppendsTheDivisionNoticeEachTime)
{
    ProblemPage page(130);
    page.SetEditText("1 / 2");
    page.Check();
    EXPECT_EQ(page.EditText(), std::string("1÷2") + kDivisionNoticeLong);
    page.Check();
    EXPECT_EQ(page.EditText(), std::string("1÷2\r\n") + kDivisionNoticeLong);

    EXPECT_EQ(Checked(134, "6/3"), std::string("6÷3") + kDivisionNoticeShort);
    EXPECT_EQ(Checked(135, "x/2=1"), std::string("x÷2＝1") + kDivisionNoticeShort);
    EXPECT_EQ(
        std::string(kDivisionNoticeLong).find("\r\n---------------------------------------------\r\n注意：\r\n"), 0u);
}

TEST_F(ProblemPageTest, CheckLeavesATextWithoutSymbolsAlone)
{
    EXPECT_EQ(Checked(130, "  12 \r\n"), "  12 \r\n");
    // Pages 129 and 131 never normalise in the check.
    EXPECT_EQ(Checked(129, "3+4*2"), "3+4*2");
    EXPECT_EQ(Checked(131, "3+4"), "3+4");
}

TEST_F(ProblemPageTest, CheckCutsOldResults)
{
    EXPECT_EQ(Checked(129, "12\r\n----abc"), "12\r\n");
    EXPECT_EQ(Checked(134, "12\r\n----abc"), "12");
    // On page 134 a separator that does not follow a line break leaves nothing.
    EXPECT_EQ(Checked(134, "12----abc"), "");
    EXPECT_EQ(Checked(130, std::string("5+1") + kResultHeader + "  6\r\n"), "5＋1");
    // A "－－－－" of full-width minus signs is not a separator.
    EXPECT_EQ(Checked(129, "－－－－"), "－－－－");
}

TEST_F(ProblemPageTest, CheckEnablesComputeAndComputeDisablesItOnFourPages)
{
    for (int pageId : {129, 130, 131, 133, 134, 135}) {
        ProblemPage page(pageId);
        EXPECT_FALSE(page.ComputeEnabled()) << pageId;
        page.Check();
        EXPECT_TRUE(page.ComputeEnabled()) << pageId;
        page.Compute();
        const bool staysEnabled = pageId == 131 || pageId == 135;
        EXPECT_EQ(page.ComputeEnabled(), staysEnabled) << pageId;
        page.Clear();
        EXPECT_EQ(page.ComputeEnabled(), staysEnabled) << pageId;
    }
}

TEST_F(ProblemPageTest, DetailLevelFollowsTheOptionBoxes)
{
    EXPECT_EQ(DetailLevelOf({true, true, true, true}, 0), 5);
    EXPECT_EQ(DetailLevelOf({true, true, true, false}, 0), 4);
    EXPECT_EQ(DetailLevelOf({true, true, false, true}, 0), 4);
    EXPECT_EQ(DetailLevelOf({true, true, false, false}, 0), 1);
    EXPECT_EQ(DetailLevelOf({true, false, true, true}, 4), 4);
    EXPECT_EQ(DetailLevelOf({true, false, false, false}, 0), 0);

    ProblemPage page(134);
    page.SetOptions({true, true, false, true});
    page.Check();
    page.Compute();
    EXPECT_EQ(DetailLevel(), 4);
}

TEST_F(ProblemPageTest, OptionBoxesStartChecked)
{
    EXPECT_TRUE(ProblemPage(129).Options().showIntro);
    EXPECT_FALSE(ProblemPage(131).Options().showIntro);
    const PageOptions options = ProblemPage(135).Options();
    EXPECT_TRUE(options.showResult && options.showWorking && options.showExplain);
    EXPECT_EQ(ProblemPage(130).EditText(), "");
}

TEST_F(ProblemPageTest, TypeButtonReplacesOnlyTextThatHoldsNothingTyped)
{
    Solver solver;
    // The text before the button, and whether the introduction of type 21 takes its place.
    const struct {
        const char *name;
        std::string text;
        bool replaced;
    } rows[] = {
        {"empty", "", true},
        {"blanks", " \r\n\t", true},
        {"introduction of another type", solver.GetJianJie(20), true},
        {"example with its results", solver.GetShiLi(22) + kResultHeader + "x", true},
        {"results alone", std::string(kResultHeader) + "＝9", true},
        {"typed problem", "2*(3+4)-5", false},
        {"typed problem with results", std::string("1＋2") + kResultHeader + "＝3", false},
        {"introduction with a line added", solver.GetJianJie(20) + "1+1\r\n", false},
    };
    for (const auto &row : rows) {
        ProblemPage page(134);
        page.SetEditText(row.text);
        EXPECT_EQ(page.HoldsNothingTyped(), row.replaced) << row.name;
        page.ChooseType(21);
        EXPECT_EQ(page.Title(), "整式四则运算") << row.name;
        EXPECT_EQ(page.Type(), 21) << row.name;
        EXPECT_EQ(CurrentType(), 21) << row.name;
        if (row.replaced) {
            EXPECT_EQ(page.EditText(), solver.GetJianJie(21)) << row.name;
            EXPECT_EQ(page.Summary(), solver.GetZhaiYao(21)) << row.name;
        } else {
            // Nothing typed is lost: the introduction goes above the summary instead.
            EXPECT_EQ(page.EditText(), row.text) << row.name;
            EXPECT_EQ(page.Summary(), solver.GetJianJie(21) + "\r\n" + solver.GetZhaiYao(21)) << row.name;
        }
    }

    // With 显示简介 unchecked a replaceable text empties, a typed one stays.
    ProblemPage page(134);
    PageOptions noIntro = page.Options();
    noIntro.showIntro = false;
    page.SetOptions(noIntro);
    page.SetEditText(solver.GetJianJie(21));
    page.ChooseType(20);
    EXPECT_EQ(page.EditText(), "");
    page.SetEditText("typed problem");
    page.ChooseType(21);
    EXPECT_EQ(page.EditText(), "typed problem");
    EXPECT_EQ(page.Summary(), solver.GetZhaiYao(21));
    EXPECT_EQ(page.StatusLine(), "已选择“整式四则运算”。");
}

TEST_F(ProblemPageTest, StatusLineSaysWhatHappenedAndAsksForACheckOnlyWhenOneIsNeeded)
{
    ProblemPage page(134);
    EXPECT_EQ(page.StatusLine(), ""); // nothing typed: nothing to check
    page.NoteEdited(false);
    EXPECT_EQ(page.StatusLine(), "请先点击“先进行算式检测”，再进行运算操作（Ctrl+Enter 可一次完成）");
    page.NoteEdited(true);
    EXPECT_EQ(page.StatusLine(), "");

    SetCurrentType(20);
    page.SetEditText("1+2\r\n\r\n3*4\r\n");
    page.Check();
    EXPECT_EQ(page.StatusLine(), "算式检测完成，可以进行运算操作。");
    page.Compute();
    EXPECT_EQ(page.StatusLine(), "已完成 2 道题的运算。");
    // Compute is off again, but the results are not a reason to ask for a check ...
    page.SetEditText(page.EditText());
    EXPECT_EQ(page.StatusLine(), "已完成 2 道题的运算。");
    // ... until the pupil changes the text.
    page.NoteEdited(false);
    EXPECT_EQ(page.StatusLine().rfind("请先点击", 0), 0u);

    page.ChooseType(21);
    EXPECT_EQ(page.StatusLine(), "已选择“整式四则运算”，文本框中的题目保持不变，简介显示在右边。");
    page.Clear();
    EXPECT_EQ(page.StatusLine(), "已清空文本框。");
    page.ChooseType(22);
    EXPECT_EQ(page.StatusLine(), "已选择“因式分解”。");
    page.Example();
    EXPECT_EQ(page.StatusLine(), "已载入“因式分解”的示例。");
    page.Check();
    page.SetEditText("");
    page.Compute();
    EXPECT_EQ(page.StatusLine(), "文本框中没有题目：请每行输入一道题，再进行运算。");

    // A system of equations is one problem, however many lines it takes.
    ProblemPage equations(135);
    equations.ChooseType(26);
    equations.SetEditText("x+y=3\r\nx-y=1");
    equations.Check();
    equations.Compute();
    EXPECT_EQ(equations.StatusLine(), "已完成 1 道题的运算。");

    // A check of nothing says so.
    page.Clear();
    page.Check();
    EXPECT_EQ(page.StatusLine(), "文本框中没有题目：请每行输入一道题，再进行检测。");

    // A page whose text holds typed problems from before (a restored session) asks at once.
    ProblemPage restored(130);
    restored.SetEditText("3+4");
    EXPECT_EQ(restored.StatusLine().rfind("请先点击", 0), 0u);
}

// A line the page cannot compute is not counted as done: the status line counts it apart, on every
// page (a word problem without its formula file, an equation of another type, a system that
// cannot be solved, a division by 0, unpaired brackets, numbers that only a blank separates).
TEST_F(ProblemPageTest, StatusLineCountsRefusedLinesApart)
{
    const struct {
        int page, type;
        const char *text, *status;
    } cases[] = {
        {134, 20, "1+2\r\nabc\r\n3*4\r\n(1+2\r\n5/0", "已完成 2 道题的运算，3 道题无法计算。"},
        {130, 8, "12 18\r\n7+8", "已完成 1 道题的运算，1 道题无法计算。"},
        {135, 25, "2x+1=5\r\nx^2=1", "已完成 1 道题的运算，1 道题无法计算。"},
        {135, 25, "0x=5\r\n2x=2x+1", "已完成 2 道题的运算。"}, // 无解 is an answer
        {135, 26, "x+y+z=3\r\nx-y=1", "没有完成运算：1 道题无法计算。"},
        {131, 0, "小明有5个苹果，吃了2个，还剩几个？", "没有完成运算：1 道题无法计算。"},
        {131, 0, "〖长方形〗长5米，宽3米，求面积是多少？\r\n小明有5个苹果，吃了2个，还剩几个？",
            "已完成 1 道题的运算，1 道题无法计算。"},
        {131, 33, "1，4，9，16，()，36\r\n5，1，8，2，()", "已完成 1 道题的运算，1 道题无法计算。"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        ProblemPage page(c.page);
        if (c.type != 0)
            page.ChooseType(c.type);
        page.SetEditText(c.text);
        page.Check();
        page.Compute();
        page.TakeMessages();
        EXPECT_EQ(page.StatusLine(), c.status) << page.EditText();
    }
}

TEST_F(ProblemPageTest, TheWordProblemPageAndItsPatternTypeTakeTurns)
{
    // 根据要求找规律 makes type 33 current on page 131; 公式应用题 takes the page back to the word
    // problems, and the tab brings the pattern type back when it was the page's last choice.
    PageBook book;
    book.Start();
    ProblemPage &words = *book.ProblemPageOf(131);
    words.ChooseType(33);
    EXPECT_EQ(CurrentType(), 33);
    EXPECT_EQ(words.Title(), "根据要求找规律");
    EXPECT_EQ(words.StatusLine(), "已选择“根据要求找规律”。");
    words.SetEditText("1，3，5，()");
    words.Check();
    words.Compute();
    EXPECT_NE(words.EditText().find("1，3，5，(7)"), std::string::npos);
    words.Example();
    EXPECT_EQ(words.EditText(), Solver().GetShiLi(33));

    book.SelectTab(TabOfPage(129));
    EXPECT_EQ(CurrentType(), 1);
    book.SelectTab(TabOfPage(131));
    EXPECT_EQ(CurrentType(), 33);

    words.ShowWordProblems();
    EXPECT_EQ(words.Title(), "公式应用题");
    EXPECT_EQ(words.Summary(), Solver().GetZhaiYao(kWordProblemHelp));
    words.Example();
    EXPECT_EQ(words.EditText(), Solver().GetShiLi(kWordProblemHelp));
    book.SelectTab(TabOfPage(129));
    book.SelectTab(TabOfPage(131));
    EXPECT_EQ(CurrentType(), 1);
}

TEST_F(ProblemPageTest, NumbersWithoutATypeGiveTheHeaderAloneOnPages130And134)
{
    // Number 19 has no type; every type has its routine.
    ProblemPage page(134);
    SetCurrentType(19);
    page.SetEditText("x^2-1\r\n\r\n  \r\na^2-b^2\r\n");
    page.Check();
    page.Compute();
    // The check trims only next to the signs it replaces, so the empty lines stay and are skipped.
    EXPECT_EQ(page.EditText(), std::string("x^2－1\r\n\r\n  \r\na^2－b^2") + kResultHeader + kResultHeader);

    ProblemPage primary(130);
    SetCurrentType(19);
    primary.SetEditText("1+1");
    primary.Check();
    primary.Compute();
    EXPECT_EQ(primary.EditText(), std::string("1＋1") + kResultHeader);
}

TEST_F(ProblemPageTest, ASecondComputeReplacesTheFirstResults)
{
    ProblemPage page(134);
    SetCurrentType(19);
    page.SetEditText("a^2");
    page.Check();
    page.Compute();
    EXPECT_EQ(page.EditText(), std::string("a^2") + kResultHeader);
    // The cut keeps the line break in front of the old separator, so a compute without a check
    // in between leaves one more empty line above the results; the results are not repeated.
    page.Compute();
    EXPECT_EQ(page.EditText(), std::string("a^2\r\n") + kResultHeader);
    // The check of this page drops the line break just before the separator.
    page.Check();
    EXPECT_EQ(page.EditText(), "a^2\r\n");
}

TEST_F(ProblemPageTest, EquationPageWritesOneHeaderForTheWholeBox)
{
    ProblemPage page(135);
    SetCurrentType(19);
    page.SetEditText("");
    page.Check();
    page.Compute();
    EXPECT_EQ(page.EditText(), kResultHeader);
}

TEST_F(ProblemPageTest, ExampleReplacesTheTextAndResetStartsAfresh)
{
    ProblemPage page(129);
    SetCurrentType(1);
    page.SetEditText("old");
    page.Example();
    EXPECT_EQ(page.EditText(), Solver().GetShiLi(1));

    page.ChooseType(4);
    page.Check();
    PageOptions options = page.Options();
    options.showExplain = false;
    page.SetOptions(options);
    page.Reset();
    EXPECT_EQ(page.EditText(), "");
    EXPECT_EQ(page.Type(), 0);
    EXPECT_FALSE(page.ComputeEnabled());
    EXPECT_TRUE(page.Options().showExplain);
    EXPECT_EQ(page.Title(), "标题");
}

} // namespace

// A pupil who types below the type's introduction and presses check and compute gets the same
// results as for the typed line alone: the introduction is left where it stands, unchanged.
TEST_F(ProblemPageTest, TheIntroductionIsNoProblemForCheckOrCompute)
{
    Solver solver;
    const std::string typed = "12+3*4";
    int tried = 0;
    for (const int pageNumber : {130, 133, 134, 135}) {
        for (const ProblemType *row : TypesOfPage(pageNumber)) {
            if (!row->enabled || Trim(solver.GetJianJie(row->type)).empty())
                continue;
            ++tried;
            const auto resultsOf = [&](bool withIntroduction) {
                ProblemPage page(pageNumber);
                page.ChooseType(row->type);
                const std::string intro = withIntroduction ? page.EditText() : std::string();
                const std::string text = intro + (intro.empty() || Right(intro, 2) == "\r\n" ? "" : "\r\n") + typed;
                page.SetEditText(text);
                page.Check();
                const std::string checked = page.EditText();
                page.Compute();
                // The introduction's lines stay as they were written.
                if (withIntroduction) {
                    EXPECT_EQ(checked.compare(0, Trim(intro).size(), Trim(intro)), 0) << row->type;
                }
                return std::make_pair(page.EditText().substr(checked.size()), page.StatusLine());
            };
            const auto alone = resultsOf(false);
            const auto below = resultsOf(true);
            EXPECT_EQ(below.first, alone.first) << "type " << row->type;
            EXPECT_EQ(below.second, alone.second) << "type " << row->type;
        }
    }
    EXPECT_GT(tried, 10);
}
