// 练一练: a round of made problems marked one at a time, tries and similar problems, the report,
// and the round kept in the saved session.
#include "pages/Practice.h"
#include "pages/PageBook.h"
#include "pages/SessionFile.h"

#include <gtest/gtest.h>

namespace qimbel {
namespace {

// A maker that hands out fixed problems: type 8 is marked step by step, type 1 by its answer.
MadeProblems FakeMaker(int type, MakerLevel level, int count, std::uint64_t)
{
    MadeProblems made;
    if (type != 8 && type != 1) {
        made.refusal = "这一类题目还不能出题。";
        return made;
    }
    for (int i = 0; i < count; ++i)
        made.problems.push_back(
            {type, level, type == 8 ? std::to_string(i + 3) + "－(2＋1)" : std::to_string(i + 10) + "＋5",
                type == 8 ? std::to_string(i) : std::to_string(i + 15)});
    return made;
}

MadeProblems FakeSimilar(int type, const std::string &line, int, std::uint64_t)
{
    MadeProblems made;
    made.problems.push_back({type, MakerLevel::JiChu, "9" + line, "?"});
    return made;
}

Practice FakePractice()
{
    Practice practice;
    practice.SetMakers(FakeMaker, FakeSimilar);
    return practice;
}

TEST(PracticeTest, ARoundFromStartToReport)
{
    Solver solver;
    Practice practice = FakePractice();
    EXPECT_EQ(practice.Start(20, MakerLevel::TiGao, 5, 1, 1000), "这一类题目还不能出题。");
    EXPECT_FALSE(practice.Active());
    ASSERT_EQ(practice.Start(8, MakerLevel::TiGao, 5, 1, 1000), "");
    ASSERT_EQ(practice.Count(), 5);
    EXPECT_FALSE(practice.AnswerOnly());

    // Each problem: the working typed, the marks, what goes to the notebook.
    const struct {
        const char *working;
        bool retry; // 再试一次 after it, then the right working
        PracticeResult result;
        bool toNotebook;
    } rows[] = {
        {"＝3－3\r\n＝0", false, PracticeResult::RightFirstTime, false},
        {"＝4－2＋1\r\n＝3", true, PracticeResult::RightAfterRetry, true},
        {"＝5－2＋1\r\n＝4", false, PracticeResult::Wrong, true},
        {"＝6－3", false, PracticeResult::Wrong, false}, // right so far, not finished: no wrong step
        {"", false, PracticeResult::Wrong, false},
    };
    const char *right[] = {"＝3－3\r\n＝0", "＝4－3\r\n＝1", "", "", ""};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        ASSERT_EQ(practice.Index(), static_cast<int>(i));
        practice.SetWorking(rows[i].working);
        const MarkedProblem *wrong = practice.Mark(solver);
        EXPECT_EQ(wrong != nullptr
                && std::any_of(wrong->lines.begin(), wrong->lines.end(),
                    [](const MarkedLine &l) { return l.mark == StepMark::Wrong; }),
            rows[i].toNotebook)
            << i;
        EXPECT_NE(practice.Current().marked.find("批改结果："), std::string::npos);
        if (rows[i].retry) {
            practice.Retry();
            EXPECT_EQ(practice.Current().working, "");
            practice.SetWorking(right[i]);
            EXPECT_EQ(practice.Mark(solver), nullptr);
        }
        EXPECT_EQ(practice.Current().result, rows[i].result) << i;
        practice.Next(1000 + 60 * static_cast<std::int64_t>(i + 1) + 5);
    }
    EXPECT_TRUE(practice.Finished());
    EXPECT_EQ(practice.Report(),
        "练习报告\r\n共5道题：一次就做对1道，改正后做对1道，做错3道。\r\n用时5分5秒。\r\n"
        "你两次去括号时没有变号，要注意括号前是负号时，去掉括号，括号里的每一项都要变号。\r\n");
}

TEST(PracticeTest, AnswersOnlyAndSimilarProblems)
{
    Solver solver;
    Practice practice = FakePractice();
    ASSERT_EQ(practice.Start(1, MakerLevel::JiChu, 7, 1, 0), ""); // 7 is no count: 5
    EXPECT_EQ(practice.Count(), 5);
    EXPECT_TRUE(practice.AnswerOnly());
    const struct {
        const char *answer;
        bool right;
    } rows[] = {{"15", true}, {" 1 5 ", true}, {"16", false}, {"", false}, {"１５", false}};
    for (const auto &row : rows) {
        practice.SetWorking(row.answer);
        const MarkedProblem *wrong = practice.Mark(solver);
        EXPECT_EQ(wrong == nullptr, row.right) << row.answer;
        EXPECT_EQ(practice.Current().marked, row.right ? "√\r\n" : "×\r\n应该是：15\r\n");
    }
    EXPECT_EQ(practice.AddSimilar(2), "");
    EXPECT_EQ(practice.Count(), 6);
    practice.Next(10);
    EXPECT_EQ(practice.Current().problem.line, "910＋5");
    EXPECT_TRUE(practice.Current().similar);
}

TEST(PracticeTest, TheRoundIsKeptWithTheSession)
{
    Solver solver;
    PageBook book;
    book.Start();
    Practice &practice = book.PracticeRound();
    practice.SetMakers(FakeMaker, FakeSimilar);
    ASSERT_EQ(practice.Start(8, MakerLevel::TuoZhan, 10, 3, 50), "");
    practice.SetWorking("＝3－2＋1\r\n＝2");
    practice.Mark(solver);
    practice.Next(60);
    practice.SetWorking("＝4－3\r\n");
    const std::string saved = WriteSession(book);

    PageBook restored;
    restored.Start();
    ASSERT_EQ(ReadSession(restored, saved), "");
    EXPECT_EQ(restored.PracticeRound().Items(), practice.Items());
    EXPECT_EQ(restored.PracticeRound().Index(), 1);
    EXPECT_EQ(restored.PracticeRound().Save(), practice.Save());
    EXPECT_EQ(WriteSession(restored), saved);

    // A damaged round spoils the file as any damage does, and changes nothing.
    for (std::size_t cut : {saved.find("practice") + 12, saved.find("item") + 3, saved.rfind("text") + 1}) {
        std::string bad = saved;
        bad.replace(cut, 1, "x");
        PageBook untouched;
        untouched.Start();
        EXPECT_NE(ReadSession(untouched, bad), "") << cut;
        EXPECT_FALSE(untouched.PracticeRound().Active());
    }
    // 新建 ends the round.
    restored.Reset();
    EXPECT_FALSE(restored.PracticeRound().Active());
    EXPECT_EQ(WriteSession(restored).find("practice"), std::string::npos);
}

} // namespace
} // namespace qimbel
