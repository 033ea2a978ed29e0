// 错题本: dates, adding and de-duplicating, the review schedule over simulated days, 已掌握,
// statistics, import checks, a failing store; and random sequences of operations against the
// store and an export/import round trip.
#include "notebook/Notebook.h"

#include <gtest/gtest.h>

#include <random>

namespace qimbel {
namespace {

constexpr int kDay = 20795; // 2026-12-08, a Tuesday

NotebookEntry Wrong(int type, const std::string &problem, const std::string &slip = "去括号没有变号")
{
    NotebookEntry e;
    e.type = type;
    e.level = 1;
    e.problem = problem;
    e.working = "＝3－2＋1\r\n＝2";
    e.wrongStep = 1;
    e.wrongLine = "＝3－2＋1";
    e.slip = slip;
    e.correction = "＝3－2－1";
    e.solution = "3－(2＋1)\r\n＝3－3\r\n＝0";
    return e;
}

TEST(NotebookTest, DatesAndWeeks)
{
    const struct {
        const char *text;
        int day;
        int monday;
    } rows[] = {
        {"1970-01-01", 0, -3},
        {"1999-12-31", 10956, 10952},
        {"2000-03-01", 11017, 11015},
        {"2024-02-29", 19782, 19779},
        {"2026-12-08", 20795, 20794},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(DateText(row.day), row.text);
        EXPECT_EQ(WeekOf(row.day), row.monday) << row.text;
        if (row.day > 0) {
            EXPECT_EQ(DayOfDateText(row.text), row.day);
        }
    }
    for (const char *bad : {"2026-02-29", "2026-13-01", "2026-1-01", "abcd-ef-gh", "2026-12-08x", ""})
        EXPECT_EQ(DayOfDateText(bad), -1) << bad;
}

// A sequence of redos on simulated days, and what the entry is after each.
TEST(NotebookTest, ReviewSchedule)
{
    struct Step {
        int day; // days after the first wrong try
        int redo; // 1 right, 0 wrong, -1 only look
        int nextDue; // days after the first wrong try, -1 when learnt
        bool mastered;
    };
    const struct {
        const char *name;
        std::vector<Step> steps;
    } rows[] = {
        {"untouched: due the next day and stays due", {{0, -1, 1, false}, {30, -1, 1, false}}},
        {"right on two due days", {{1, 1, 3, false}, {3, 1, -1, true}}},
        {"a right redo before it is due does not count", {{0, 1, 1, false}, {2, 1, 3, false}, {2, 1, 3, false}}},
        {"a wrong redo starts again from that day",
            {{1, 1, 3, false}, {3, 0, 4, false}, {4, 1, 6, false}, {6, 1, -1, true}}},
        {"late redos move to the next point of the schedule", {{5, 1, 7, false}, {20, 1, -1, true}}},
        {"after the last point every fourteen days", {{14, 1, 28, false}}},
        {"a wrong redo undoes 已掌握", {{1, 1, 3, false}, {3, 1, -1, true}, {9, 0, 10, false}}},
    };
    for (const auto &row : rows) {
        MemoryNotebookStore store;
        Notebook book(&store);
        NotebookEntry e = Wrong(7, "3－(2＋1)");
        ASSERT_EQ(book.Add(e, kDay), AddOutcome::Added);
        for (const Step &step : row.steps) {
            if (step.redo >= 0) {
                ASSERT_TRUE(book.Redo(e.id, step.redo == 1, kDay + step.day)) << row.name;
            }
            const NotebookEntry &kept = *book.Find(e.id);
            EXPECT_EQ(NextDue(kept), step.nextDue < 0 ? -1 : kDay + step.nextDue) << row.name << " day " << step.day;
            EXPECT_EQ(IsMastered(kept), step.mastered) << row.name << " day " << step.day;
            EXPECT_EQ(kept, store.rows.at(e.id)) << row.name;
            for (int d = step.day; d < step.day + 30; ++d)
                EXPECT_EQ(IsDue(kept, kDay + d), step.nextDue >= 0 && d >= step.nextDue) << row.name;
        }
    }
}

TEST(NotebookTest, AddingKeepsEachProblemOnce)
{
    MemoryNotebookStore store;
    Notebook book(&store);
    NotebookEntry a = Wrong(7, "3－(2＋1)");
    NotebookEntry b = Wrong(7, " 3 －(2＋1)　");
    NotebookEntry c = Wrong(8, "3－(2＋1)");
    EXPECT_EQ(book.Add(a, kDay), AddOutcome::Added);
    EXPECT_EQ(book.Add(b, kDay + 2), AddOutcome::AlreadyThere);
    EXPECT_EQ(b.id, a.id);
    EXPECT_EQ(book.Add(c, kDay), AddOutcome::Added);
    EXPECT_EQ(book.Size(), 2u);
    EXPECT_EQ(book.Find(a.id)->wrongTries, 2);
    EXPECT_EQ(book.Find(a.id)->lastWrong, kDay + 2);
    EXPECT_EQ(book.Find(a.id)->added, kDay);

    // Another program added the same problem meanwhile: it is found, not kept twice.
    MemoryNotebookStore shared;
    Notebook first(&shared), second(&shared);
    ASSERT_TRUE(first.Open() && second.Open());
    NotebookEntry x = Wrong(9, "2x＋1＝5"), y = Wrong(9, "2x＋1＝5");
    EXPECT_EQ(first.Add(x, kDay), AddOutcome::Added);
    EXPECT_EQ(second.Add(y, kDay + 1), AddOutcome::AlreadyThere);
    EXPECT_EQ(shared.rows.size(), 1u);
    EXPECT_EQ(shared.rows.at(x.id).wrongTries, 2);

    NotebookEntry empty = Wrong(7, " 　");
    EXPECT_EQ(book.Add(empty, kDay), AddOutcome::Failed);
    EXPECT_FALSE(book.LastError().empty());
}

TEST(NotebookTest, EntryOfAMarkedProblem)
{
    MarkedProblem marked;
    marked.lines
        = {{"3－(2＋1)", StepMark::Problem, "", ""}, {"＝3－2＋1", StepMark::Wrong, "去括号没有变号", "＝3－2－1"},
            {"？？", StepMark::Unreadable, "看不懂", ""}, {"＝1", StepMark::Wrong, "", ""}};
    const std::optional<NotebookEntry> e = EntryOfMarked(7, 2, marked, "3－(2＋1)\r\n＝0");
    ASSERT_TRUE(e);
    EXPECT_EQ(e->problem, "3－(2＋1)");
    EXPECT_EQ(e->working, "＝3－2＋1\r\n？？\r\n＝1");
    EXPECT_EQ(e->wrongStep, 1);
    EXPECT_EQ(e->wrongLine, "＝3－2＋1");
    EXPECT_EQ(e->slip, "去括号没有变号");
    EXPECT_EQ(e->correction, "＝3－2－1");
    EXPECT_EQ(e->level, 2);

    marked.lines[1].mark = StepMark::Right;
    const std::optional<NotebookEntry> later = EntryOfMarked(7, 0, marked, "");
    ASSERT_TRUE(later);
    EXPECT_EQ(later->wrongStep, 3);
    EXPECT_EQ(later->slip, "");
    marked.lines[3].mark = StepMark::Right;
    EXPECT_FALSE(EntryOfMarked(7, 0, marked, ""));
}

TEST(NotebookTest, ListsFiltersAndStatistics)
{
    Notebook book;
    const struct {
        int type;
        const char *problem;
        const char *slip;
        int day;
    } rows[] = {
        {7, "1－(2＋3)", "去括号没有变号", kDay - 10},
        {7, "4－(5＋6)", "去括号没有变号", kDay - 3},
        {9, "2x＝4", "移项没有变号", kDay - 1},
        {9, "3x＝4", "", kDay},
        {20, "a＋a", "去括号没有变号", kDay - 8},
    };
    std::vector<std::int64_t> ids;
    for (const auto &row : rows) {
        NotebookEntry e = Wrong(row.type, row.problem, row.slip);
        ASSERT_EQ(book.Add(e, row.day), AddOutcome::Added);
        ids.push_back(e.id);
    }
    // The one from eight days ago was learnt on days 1 and 3 after it.
    ASSERT_TRUE(book.Redo(ids[4], true, kDay - 7));
    ASSERT_TRUE(book.Redo(ids[4], true, kDay - 5));

    const auto idsOf = [](const std::vector<const NotebookEntry *> &list) {
        std::vector<std::int64_t> out;
        for (const NotebookEntry *e : list)
            out.push_back(e->id);
        return out;
    };
    // Due: the longest waiting first; the rest by the latest wrong try.
    EXPECT_EQ(idsOf(book.Due(kDay)), (std::vector<std::int64_t> {ids[0], ids[1], ids[2]}));
    EXPECT_EQ(idsOf(book.List({}, kDay)), (std::vector<std::int64_t> {ids[0], ids[1], ids[2], ids[3], ids[4]}));
    NotebookFilter bySlip;
    bySlip.slip = "去括号没有变号";
    EXPECT_EQ(idsOf(book.List(bySlip, kDay)), (std::vector<std::int64_t> {ids[0], ids[1], ids[4]}));
    bySlip.withMastered = false;
    EXPECT_EQ(idsOf(book.List(bySlip, kDay)), (std::vector<std::int64_t> {ids[0], ids[1]}));
    NotebookFilter unnamed;
    unnamed.slip = kUnnamedSlip;
    EXPECT_EQ(idsOf(book.List(unnamed, kDay)), (std::vector<std::int64_t> {ids[3]}));
    NotebookFilter byTypeAndDate;
    byTypeAndDate.type = 9;
    byTypeAndDate.from = kDay;
    EXPECT_EQ(idsOf(book.List(byTypeAndDate, kDay)), (std::vector<std::int64_t> {ids[3]}));

    const NotebookStats stats = book.Stats(kDay);
    EXPECT_EQ(stats.bySlip,
        (std::vector<std::pair<std::string, int>> {{"去括号没有变号", 3}, {"没有认出的错误", 1}, {"移项没有变号", 1}}));
    EXPECT_EQ(stats.byType, (std::map<int, int> {{7, 2}, {9, 2}, {20, 1}}));
    // Weeks starting on Monday: 2026-11-23, 11-30 and 12-07.
    EXPECT_EQ(stats.perWeek, (std::map<int, int> {{kDay - 15, 1}, {kDay - 8, 2}, {kDay - 1, 2}}));
    EXPECT_EQ(stats.entries, 5);
    EXPECT_EQ(stats.due, 3);
    EXPECT_EQ(stats.mastered, 1);
}

TEST(NotebookTest, ImportRefusesForeignOrDamagedFilesWhole)
{
    Notebook source;
    NotebookEntry a = Wrong(7, "3－(2＋1)"), b = Wrong(9, "2x＋1＝5");
    source.Add(a, kDay);
    source.Add(b, kDay);
    const std::string good = source.ExportJson();
    const std::string entry
        = "{\"id\":1,\"added\":\"2026-12-08\",\"type\":7,\"level\":1,\"problem\":\"1+1\","
          "\"working\":\"=3\",\"wrongStep\":1,\"wrongLine\":\"=3\",\"slip\":\"\",\"correction\":\"\","
          "\"solution\":\"\",\"lastWrong\":\"2026-12-08\",\"lastRight\":null,\"rightInRow\":0,"
          "\"wrongTries\":1,\"rightTries\":0}";
    const auto file = [](const std::string &entries) {
        return "{\"format\":\"qimbel-notebook\",\"version\":1,\"entries\":[" + entries + "]}";
    };
    const auto changed = [&](const std::string &from, const std::string &to) {
        std::string e = entry;
        e.replace(e.find(from), from.size(), to);
        return e;
    };
    const auto with = [&](const std::string &from, const std::string &to) { return file(changed(from, to)); };
    const std::string bad[] = {
        "",
        "[]",
        good.substr(0, good.size() / 2),
        "{\"format\":\"other\",\"version\":1,\"entries\":[]}",
        "{\"format\":\"qimbel-notebook\",\"version\":2,\"entries\":[]}",
        file(entry + "," + entry), // the same problem twice
        file(entry + "," + changed("1+1", "1+2")), // two entries, one id
        with("\"type\":7", "\"type\":0"),
        with("\"level\":1", "\"level\":4"),
        with("\"added\":\"2026-12-08\"", "\"added\":\"2026-02-30\""),
        with("\"lastWrong\":\"2026-12-08\"", "\"lastWrong\":\"2026-12-07\""),
        with("\"rightInRow\":0", "\"rightInRow\":1"),
        with("\"wrongStep\":1", "\"wrongStep\":0"),
        with("\"wrongStep\":1", "\"wrongStep\":1.5"),
        with("\"problem\":\"1+1\"", "\"problem\":\"\\ud800\""),
        with("\"problem\":\"1+1\"", "\"problem\":\"\xF0\x9F\x98\x80\""), // no GBK character
        with("\"problem\":\"1+1\"", "\"problem\":\"\xFF\""),
        with(",\"slip\":\"\"", ""),
        with("\"working\":\"=3\"", "\"working\":[[[[[[[[[[[]]]]]]]]]]]"),
        file(entry) + "x",
    };
    for (const std::string &text : bad) {
        Notebook book;
        NotebookEntry kept = Wrong(8, "7×8");
        book.Add(kept, kDay);
        const std::string before = book.ExportJson();
        const ImportOutcome outcome = book.ImportJson(text);
        EXPECT_FALSE(outcome.ok) << text;
        EXPECT_NE(outcome.message.find("没有改动"), std::string::npos);
        EXPECT_EQ(book.ExportJson(), before) << text;
    }
    Notebook target;
    NotebookEntry same = Wrong(7, "3－(2＋1)");
    target.Add(same, kDay - 1);
    const ImportOutcome merged = target.ImportJson(good);
    EXPECT_TRUE(merged.ok);
    EXPECT_EQ(merged.added, 1);
    EXPECT_EQ(merged.skipped, 1);
    EXPECT_EQ(target.Size(), 2u);
    EXPECT_EQ(target.Find(same.id)->added, kDay - 1);
}

// The browser keeps each entry as EntryJson writes it and reads the notebook back as a file of
// them: each is the entry's own line of the export, and a file of them is the same notebook.
TEST(NotebookTest, EntryJsonIsTheEntrysLineOfTheExport)
{
    Notebook book;
    NotebookEntry a = Wrong(7, "3－(2＋1)"), b = Wrong(9, "2x＋1＝5");
    book.Add(a, kDay);
    book.Add(b, kDay);
    ASSERT_TRUE(book.Redo(b.id, true, kDay + 1));
    std::string file = "{\"format\":\"qimbel-notebook\",\"version\":1,\"entries\":[";
    for (const NotebookEntry *e : book.Entries()) {
        EXPECT_NE(book.ExportJson().find("\n" + EntryJson(*e) + (e->id == b.id ? "\n]}" : ",\n")), std::string::npos);
        file += (e->id == a.id ? "" : ",") + EntryJson(*e);
    }
    Notebook read;
    ASSERT_TRUE(read.ImportJson(file + "]}").ok);
    EXPECT_EQ(read.ExportJson(), book.ExportJson());
}

TEST(NotebookTest, AFailingStoreChangesNothing)
{
    MemoryNotebookStore store;
    Notebook book(&store);
    NotebookEntry a = Wrong(7, "3－(2＋1)"), b = Wrong(7, "5－(2＋1)");
    ASSERT_EQ(book.Add(a, kDay), AddOutcome::Added);
    const std::string before = book.ExportJson();
    store.failNext = true;
    EXPECT_EQ(book.Add(b, kDay), AddOutcome::Failed);
    EXPECT_NE(book.LastError().find("磁盘已满"), std::string::npos);
    store.failNext = true;
    EXPECT_FALSE(book.Redo(a.id, true, kDay + 1));
    store.failNext = true;
    EXPECT_FALSE(book.Remove(a.id));
    store.failNext = true;
    Notebook other;
    other.Add(b, kDay);
    EXPECT_FALSE(book.ImportJson(other.ExportJson()).ok);
    EXPECT_EQ(book.ExportJson(), before);
    EXPECT_TRUE(book.Consistent());
    // The store is readable again: the next write goes through.
    EXPECT_TRUE(book.Redo(a.id, true, kDay + 1));
}

// Random adds, redos, deletes, exports and imports: the notebook stays consistent, equal to what
// its store holds, and an export imported into an empty notebook exports the same text.
TEST(NotebookTest, RandomOperationsKeepTheNotebookWhole)
{
    const char *problems[] = {"1－(2＋3)", "4－(5＋6)", "2x＝4", "3x＋1＝7", "a＋a", "7×8", "x^2－1", "(a＋b)^2"};
    const char *slips[] = {"去括号没有变号", "移项没有变号", "", "计算错误"};
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 random(seed);
        const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
        MemoryNotebookStore store;
        Notebook book(&store);
        int today = kDay;
        for (int op = 0; op < 60; ++op) {
            today += pick(3);
            const std::vector<const NotebookEntry *> all = book.Entries();
            const std::int64_t someId
                = all.empty() ? 1 : all[static_cast<std::size_t>(pick(static_cast<int>(all.size())))]->id;
            switch (pick(6)) {
            case 0:
            case 1: {
                NotebookEntry e = Wrong(7 + pick(3), problems[pick(8)], slips[pick(4)]);
                const std::size_t before = book.Size();
                const AddOutcome outcome = book.Add(e, today);
                EXPECT_EQ(book.Size(), before + (outcome == AddOutcome::Added ? 1 : 0));
                break;
            }
            case 2:
                book.Redo(someId, pick(2) == 0, today);
                break;
            case 3:
                if (pick(3) == 0)
                    book.Remove(someId);
                break;
            case 4: {
                // Moved to another notebook and back unchanged.
                Notebook moved;
                ASSERT_TRUE(moved.ImportJson(book.ExportJson()).ok);
                EXPECT_EQ(moved.ExportJson(), book.ExportJson()) << seed;
                const ImportOutcome again = book.ImportJson(moved.ExportJson());
                EXPECT_TRUE(again.ok);
                EXPECT_EQ(again.added, 0);
                break;
            }
            default: {
                Notebook other;
                NotebookEntry e = Wrong(20, problems[pick(8)], slips[pick(4)]);
                other.Add(e, today - pick(5));
                const std::size_t before = book.Size();
                const ImportOutcome outcome = book.ImportJson(other.ExportJson());
                EXPECT_TRUE(outcome.ok);
                EXPECT_EQ(book.Size(), before + static_cast<std::size_t>(outcome.added));
            }
            }
            ASSERT_TRUE(book.Consistent()) << "seed " << seed << " op " << op;
            std::vector<NotebookEntry> rows;
            store.Load(rows);
            ASSERT_EQ(rows.size(), book.Size());
            for (const NotebookEntry &row : rows)
                ASSERT_EQ(row, *book.Find(row.id)) << "seed " << seed;
            // Due is exactly the entries that are due, each once.
            std::size_t due = 0;
            for (const NotebookEntry *e : book.Entries())
                due += IsDue(*e, today) ? 1 : 0;
            for (const NotebookEntry *e : book.Due(today))
                EXPECT_TRUE(IsDue(*e, today));
            EXPECT_EQ(book.Due(today).size(), due);
        }
        // Opened again from its store, the notebook is the same.
        Notebook reopened(&store);
        ASSERT_TRUE(reopened.Open());
        EXPECT_EQ(reopened.ExportJson(), book.ExportJson());
    }
}

} // namespace
} // namespace qimbel
