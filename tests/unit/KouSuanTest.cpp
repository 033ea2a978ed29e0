// The 口算练习生成器 without a window: every generated problem meets its constraints (over
// thousands of seeds and every kind of option), its answer is right by exact arithmetic and by the
// core's own worked arithmetic, typed answers are judged fairly, and the practice scores and
// reports what happened.
#include "generators/KouSuanGenerator.h"
#include "generators/KouSuanKept.h"
#include "generators/KouSuanPractice.h"
#include "generators/KouSuanSheet.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

using namespace qimbel;
using namespace qimbel::kousuan;

namespace {

std::string Describe(const Problem &p) { return SolvedText(p) + " / " + QuestionText(p); }

// The constraints of one problem under the options it was made with.
void ExpectMeetsConstraints(const Problem &p, const Options &o)
{
    const long long range = RangeOf(o);
    const int table = TableOf(o);
    ASSERT_GE(p.a, 0) << Describe(p);
    ASSERT_GE(p.b, 0) << Describe(p);
    switch (p.op) {
    case Op::Add:
        ASSERT_TRUE(o.add || (!o.sub && !o.mul && !o.div));
        EXPECT_EQ(p.result, p.a + p.b);
        EXPECT_LE(p.result, range) << Describe(p);
        EXPECT_GE(std::min(p.a, p.b), 1) << Describe(p);
        break;
    case Op::Sub:
        ASSERT_TRUE(o.sub);
        EXPECT_EQ(p.result, p.a - p.b);
        EXPECT_LE(std::max(p.a, p.b), range) << Describe(p);
        if (!o.negative) {
            EXPECT_GE(p.result, 0) << Describe(p);
        }
        break;
    case Op::Mul:
        ASSERT_TRUE(o.mul);
        EXPECT_EQ(p.result, p.a * p.b);
        EXPECT_GE(std::min(p.a, p.b), 1) << Describe(p);
        if (table > 0) {
            EXPECT_LE(std::min(p.a, p.b), table) << Describe(p);
            EXPECT_LE(std::max(p.a, p.b), 9) << Describe(p);
        } else {
            EXPECT_LE(p.result, range) << Describe(p);
        }
        break;
    case Op::Div:
        ASSERT_TRUE(o.div);
        ASSERT_GE(p.b, 1) << Describe(p);
        EXPECT_EQ(p.a, p.b * p.result + p.remainder) << Describe(p);
        EXPECT_GE(p.result, 1) << Describe(p);
        EXPECT_GE(p.remainder, 0) << Describe(p);
        EXPECT_LT(p.remainder, p.b) << Describe(p);
        if (!o.remainder) {
            EXPECT_EQ(p.remainder, 0) << Describe(p);
        }
        if (table > 0) {
            EXPECT_LE(std::max(p.b, p.result), 9) << Describe(p);
            EXPECT_LE(std::min(p.b, p.result), table) << Describe(p);
        } else {
            EXPECT_LE(p.a, range) << Describe(p);
        }
        break;
    }
    if (o.blank == BlankChoice::Result) {
        EXPECT_EQ(p.blank, Blank::Result);
    }
    if (o.blank == BlankChoice::Operand) {
        EXPECT_EQ(p.blank, Blank::Operand);
    }
    // The blank has exactly one right answer, and the generator's own answer is it.
    EXPECT_EQ(Check(p, AnswerText(p)), Verdict::Right) << Describe(p);
    Problem off = p;
    (off.blank == Blank::Operand ? off.b : off.result) += 1;
    EXPECT_EQ(Check(p, AnswerText(off)), Verdict::Wrong) << Describe(p);
}

std::vector<Options> OptionSets()
{
    std::vector<Options> sets;
    for (int range : {10, 20, 100, 1000})
        for (int table : {0, 1, 5, 9})
            for (int flags = 0; flags < 8; ++flags) {
                Options o;
                o.add = true;
                o.sub = true;
                o.mul = true;
                o.div = true;
                o.range = range;
                o.table = table;
                o.count = 10;
                o.negative = (flags & 1) != 0;
                o.remainder = (flags & 2) != 0;
                o.blank = (flags & 4) != 0 ? BlankChoice::Mixed : BlankChoice::Result;
                sets.push_back(o);
            }
    return sets;
}

} // namespace

TEST(KouSuanGenerator, EveryProblemMeetsItsConstraintsOverThousandsOfSeeds)
{
    const std::vector<Options> sets = OptionSets();
    for (std::uint64_t seed = 1; seed <= 3000; ++seed) {
        Options o = sets[seed % sets.size()];
        o.seed = seed * 7919;
        const std::vector<Problem> sheet = Generate(o);
        ASSERT_EQ(sheet.size(), 10u);
        for (const Problem &p : sheet) {
            ExpectMeetsConstraints(p, o);
            if (HasFatalFailure() || HasFailure())
                FAIL() << "seed " << o.seed << " range " << o.range << " table " << o.table;
        }
    }
}

TEST(KouSuanGenerator, TheProblemsOfOneSheetDifferWhereTheRangeHoldsEnough)
{
    // The default sheet (+ and − within 20, 20 problems), + alone within 10 (45 problems for 20
    // places), × alone in the 9 table (81 for 40) and all four within 100 on a long sheet.
    std::vector<Options> sets(4);
    sets[1].sub = false;
    sets[1].range = 10;
    sets[2].add = sets[2].sub = false;
    sets[2].mul = true;
    sets[2].table = 9;
    sets[2].count = 40;
    sets[3].mul = sets[3].div = sets[3].remainder = true;
    sets[3].range = 100;
    sets[3].count = 200;
    for (std::uint64_t seed = 1; seed <= 2000; ++seed) {
        Options o = sets[seed % sets.size()];
        o.seed = seed;
        std::set<std::string> seen;
        for (const Problem &p : Generate(o))
            ASSERT_TRUE(seen.insert(SolvedText(p)).second) << "seed " << seed << ": " << SolvedText(p) << " twice";
    }
    // Fewer problems than places: the sheet is still whole, every problem within its constraints.
    Options small;
    small.sub = false;
    small.range = 10;
    small.count = 200;
    const std::vector<Problem> sheet = Generate(small);
    ASSERT_EQ(sheet.size(), 200u);
    for (const Problem &p : sheet)
        ExpectMeetsConstraints(p, small);
}

TEST(KouSuanGenerator, OptionsTakeEffect)
{
    Options o;
    o.add = o.sub = o.mul = false;
    o.div = true;
    o.count = 200;
    o.remainder = true;
    o.range = 100;
    o.seed = 42;
    std::set<Op> ops;
    int withRemainder = 0;
    for (const Problem &p : Generate(o)) {
        ops.insert(p.op);
        withRemainder += p.remainder != 0 ? 1 : 0;
    }
    EXPECT_EQ(ops, std::set<Op> {Op::Div});
    EXPECT_GT(withRemainder, 50); // allowed remainders do occur

    o.div = false;
    o.sub = true;
    o.negative = true;
    o.blank = BlankChoice::Mixed;
    int negative = 0;
    std::set<Blank> blanks;
    for (const Problem &p : Generate(o)) {
        negative += p.result < 0 ? 1 : 0;
        blanks.insert(p.blank);
    }
    EXPECT_GT(negative, 20);
    EXPECT_EQ(blanks.size(), 2u);

    // Nothing chosen: addition; counts and ranges outside the choices are brought into them.
    o.sub = false;
    o.count = 5000;
    o.range = 7;
    const std::vector<Problem> sheet = Generate(o);
    EXPECT_EQ(sheet.size(), 200u);
    EXPECT_TRUE(
        std::all_of(sheet.begin(), sheet.end(), [](const Problem &p) { return p.op == Op::Add && p.result <= 10; }));
    o.count = -3;
    o.table = 99;
    EXPECT_EQ(Generate(o).size(), 10u);
    EXPECT_EQ(TableOf(o), 9);
}

TEST(KouSuanGenerator, SameSeedSameSheetOtherSeedOtherSheet)
{
    Options o;
    o.mul = o.div = o.remainder = true;
    o.blank = BlankChoice::Mixed;
    o.count = 50;
    o.seed = 123456;
    const auto texts = [](const std::vector<Problem> &sheet) {
        std::string all;
        for (const Problem &p : sheet)
            all += QuestionText(p) + "|";
        return all;
    };
    EXPECT_EQ(texts(Generate(o)), texts(Generate(o)));
    const std::string first = texts(Generate(o));
    o.seed = 123457;
    EXPECT_NE(first, texts(Generate(o)));
}

TEST(KouSuanGenerator, TheCoreWorksEveryExactProblemToTheSameAnswer)
{
    Solver solver;
    Options o;
    o.mul = o.div = true;
    o.range = 1000;
    o.count = 200;
    for (std::uint64_t seed = 1; seed <= 5; ++seed) {
        o.seed = seed;
        for (const Problem &p : Generate(o)) {
            const std::string expression = std::to_string(p.a) + Sign(p.op) + std::to_string(p.b);
            EXPECT_EQ(solver.HunHeYunSuan(expression, 1), std::to_string(p.result)) << expression;
        }
    }
}

TEST(KouSuanProblem, TextsOfBothForms)
{
    Problem p {Op::Div, Blank::Result, 17, 5, 3, 2};
    EXPECT_EQ(QuestionText(p), "17÷5＝(  )……(  )");
    EXPECT_EQ(AnswerText(p), "3……2");
    EXPECT_EQ(SolvedText(p), "17÷5＝3……2");
    p.blank = Blank::Operand;
    EXPECT_EQ(QuestionText(p), "17÷(  )＝3……2");
    EXPECT_EQ(AnswerText(p), "5");
    Problem q {Op::Sub, Blank::Operand, 12, 5, 7, 0};
    EXPECT_EQ(QuestionText(q), "12－(  )＝7");
    q.blank = Blank::Result;
    EXPECT_EQ(QuestionText(q), "12－5＝(  )");
}

TEST(KouSuanProblem, TypedAnswersAreJudgedAsATeacherWould)
{
    const Problem sum {Op::Add, Blank::Result, 12, 5, 17, 0};
    for (const char *right : {"17", " 17 ", "１７", "=17"})
        EXPECT_EQ(Check(sum, right), Verdict::Right) << right;
    for (const char *wrong : {"16", "-17", "17 1", "1 7", "99999999999999999999"})
        EXPECT_EQ(Check(sum, wrong), Verdict::Wrong) << wrong;
    for (const char *none : {"", "   ", "abc", "十七", "－"})
        EXPECT_EQ(Check(sum, none), Verdict::Unreadable) << none;

    const Problem below {Op::Sub, Blank::Result, 3, 7, -4, 0};
    EXPECT_EQ(Check(below, "-4"), Verdict::Right);
    EXPECT_EQ(Check(below, "－4"), Verdict::Right);
    EXPECT_EQ(Check(below, "4"), Verdict::Wrong);

    const Problem rest {Op::Div, Blank::Result, 17, 5, 3, 2};
    for (const char *right : {"3……2", "3...2", "3余2", "3 2", "３……２"})
        EXPECT_EQ(Check(rest, right), Verdict::Right) << right;
    for (const char *wrong : {"3", "3……1", "2……7", "3……2……1"})
        EXPECT_EQ(Check(rest, wrong), Verdict::Wrong) << wrong;

    const Problem exact {Op::Div, Blank::Result, 20, 5, 4, 0};
    EXPECT_EQ(Check(exact, "4"), Verdict::Right);
    EXPECT_EQ(Check(exact, "4……0"), Verdict::Right);
    EXPECT_EQ(Check(exact, "4……1"), Verdict::Wrong);
    // The operand form asks for the divisor alone.
    const Problem divisor {Op::Div, Blank::Operand, 17, 5, 3, 2};
    EXPECT_EQ(Check(divisor, "5"), Verdict::Right);
    EXPECT_EQ(Check(divisor, "5……2"), Verdict::Wrong);
}

TEST(KouSuanPractice, ScoresTheFirstTryAndReportsTheWrongOnes)
{
    Practice practice({{Op::Add, Blank::Result, 2, 3, 5, 0}, {Op::Sub, Blank::Result, 9, 4, 5, 0},
        {Op::Mul, Blank::Operand, 3, 4, 12, 0}, {Op::Div, Blank::Result, 17, 5, 3, 2}});
    EXPECT_EQ(practice.Answer(0, "5"), Verdict::Right);
    EXPECT_EQ(practice.Answer(1, ""), Verdict::Unreadable); // not an attempt
    EXPECT_FALSE(practice.Tried(1));
    EXPECT_EQ(practice.Answer(1, "6"), Verdict::Wrong);
    EXPECT_EQ(practice.Answer(1, "5"), Verdict::Right); // corrected, but the score keeps the first try
    EXPECT_EQ(practice.Answer(2, "3"), Verdict::Wrong);
    EXPECT_EQ(practice.Answer(9, "3"), Verdict::Unreadable);
    EXPECT_FALSE(practice.AllTried());
    EXPECT_EQ(practice.Answer(3, "3……2"), Verdict::Right);
    EXPECT_TRUE(practice.AllTried());
    EXPECT_EQ(practice.Score(), 2u);
    EXPECT_EQ(practice.WrongOnes(), (std::vector<std::size_t> {1, 2}));
    EXPECT_EQ(practice.NextOpen(3), 2u);
    EXPECT_EQ(practice.Report(125),
        "共4题，做了4题，第一次就做对2题，用时2分05秒。\r\n"
        "做错的题：\r\n"
        "第2题  9－4＝5  （你的答案：6，已改正）\r\n"
        "第3题  3×4＝12  （你的答案：3）\r\n");
    EXPECT_EQ(practice.Answer(2, "4"), Verdict::Right);
    EXPECT_EQ(practice.NextOpen(0), practice.Count());

    Practice untouched({{Op::Add, Blank::Result, 2, 3, 5, 0}});
    EXPECT_EQ(untouched.Report(0), "共1题，做了0题，第一次就做对0题，用时0秒。\r\n还没有做题。\r\n");
    untouched.Answer(0, "5");
    EXPECT_EQ(untouched.Report(61), "共1题，做了1题，第一次就做对1题，用时1分01秒。\r\n全部做对，真棒！\r\n");

    // A long answer is quoted short, never cutting a character in half.
    Practice pasted({{Op::Add, Blank::Result, 2, 3, 5, 0}});
    pasted.Answer(0, "4" + std::string(40, '\xA3').replace(1, 1, "\xB1"));
    const std::string report = pasted.Report(7);
    EXPECT_NE(report.find("用时7秒"), std::string::npos);
    EXPECT_LT(report.size(), 200u);
}

TEST(KouSuanSheet, WorksheetAndAnswerSheetFillColumnsAndPages)
{
    Options o;
    o.count = 101; // one more than fits on a page of short sums
    const std::vector<Problem> problems = Generate(o);
    ASSERT_EQ(SheetColumns(problems), 4);
    const std::vector<SheetPage> pages = SheetPages(problems, o.seed);
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_EQ(pages[0].title, "口算练习（第1页，共2页）");
    EXPECT_EQ(pages[2].title, "口算练习  答案（第1页，共2页）");
    EXPECT_NE(pages[0].subtitle.find("姓名"), std::string::npos);
    EXPECT_EQ(pages[0].cells[1][0], "2. " + QuestionText(problems[1], true));
    EXPECT_EQ(pages[0].cells[0][1], "5. " + QuestionText(problems[4], true));
    EXPECT_EQ(pages[3].cells[0], std::vector<std::string> {"101. " + SolvedText(problems[100])});
    EXPECT_TRUE(pages[3].cells[1].empty());
    EXPECT_EQ(SheetPages(std::vector<Problem>(10), 1)[0].title, "口算练习");

    // Longer problems take fewer columns and so more pages.
    const Problem thousand {Op::Add, Blank::Result, 123, 456, 579, 0};
    const Problem remainder {Op::Div, Blank::Result, 41, 6, 6, 5};
    EXPECT_EQ(QuestionText(remainder, true), "41÷6＝(    )……(    )");
    EXPECT_EQ(SheetColumns({thousand}), 3);
    EXPECT_EQ(SheetColumns({thousand, remainder}), 3);
    EXPECT_EQ(PagesPerSheet(100, 4), 1u);
    EXPECT_EQ(PagesPerSheet(101, 4), 2u);
    EXPECT_EQ(PagesPerSheet(200, 3), 3u);
    EXPECT_EQ(PagesPerSheet(0, 0), 1u);

    // Measured in the printing font: as many columns as the widest problem or answer and a gap of
    // one character fit, so no text reaches into the next column.
    const SheetMeasure halfEm = [](const std::string &text) { return 6.0 * static_cast<double>(text.size()); };
    for (double page : {100.0, 300.0, 500.0, 700.0, 2000.0})
        for (const std::vector<Problem> &set : {problems, std::vector<Problem> {thousand, remainder}}) {
            const int columns = SheetColumns(set, halfEm, page);
            double widest = 0;
            for (const SheetPage &sheet : SheetPages(set, 1, halfEm, page))
                for (const std::vector<std::string> &column : sheet.cells)
                    for (const std::string &cell : column)
                        widest = std::max(widest, halfEm(cell));
            EXPECT_TRUE(columns == 1 || widest <= page / columns + 1e-9) << page;
            EXPECT_TRUE(columns == 4 || widest + halfEm("　") > page / (columns + 1) - 1e-9) << page;
        }
}

// A kept practice reads back as written and replays to the same state; a file cut anywhere or
// with a number out of its place is not read.
TEST(KouSuanKept, RoundTripReplayAndDamagedFiles)
{
    KeptPractice kept;
    kept.options.mul = kept.options.div = kept.options.remainder = true;
    kept.options.blank = BlankChoice::Mixed;
    kept.options.count = 12;
    kept.options.seed = 77;
    kept.milliseconds = 61500;
    kept.order = {1, 4, 7};
    kept.position = 2;
    const std::vector<Problem> sheet = Generate(kept.options);
    kept.answers = {{0, AnswerText(sheet[0])}, {1, "99999"}, {1, AnswerText(sheet[1])}, {5, "1 2"}};
    kept.boxes = {"3", "", "4……1"};
    const std::string bytes = WriteKeptPractice(kept);
    const std::optional<KeptPractice> read = ReadKeptPractice(bytes);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(WriteKeptPractice(*read), bytes);
    EXPECT_EQ(read->order, kept.order);
    EXPECT_EQ(read->position, 2u);
    EXPECT_EQ(read->milliseconds, 61500);
    ASSERT_EQ(read->answers.size(), 4u);
    EXPECT_EQ(read->answers[3].typed, "1 2");
    EXPECT_EQ(read->boxes, kept.boxes);

    const Practice practice = ReplayPractice(*read);
    EXPECT_TRUE(practice.RightFirstTime(0));
    EXPECT_TRUE(practice.RightNow(1) && !practice.RightFirstTime(1));
    EXPECT_FALSE(practice.Tried(2));
    EXPECT_EQ(practice.Score(), 1u);

    for (std::size_t cut = 0; cut < bytes.size(); ++cut)
        EXPECT_FALSE(ReadKeptPractice(bytes.substr(0, cut)).has_value()) << cut;
    for (const auto &[from, to] :
        {std::pair {"state 0 0 61500 2", "state 0 0 61500 4"}, std::pair {"order 1 4 7", "order 1 4 12"},
            std::pair {"options 1 1 1 1 20 0 12", "options 1 1 1 1 21 0 12"}, std::pair {"answer 5", "answer 12"},
            std::pair {"QimbelKouSuan 1", "QimbelKouSuan 2"}}) {
        std::string damaged = bytes;
        const std::size_t at = damaged.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        damaged.replace(at, std::string(from).size(), to);
        EXPECT_FALSE(ReadKeptPractice(damaged).has_value()) << to;
    }
}
