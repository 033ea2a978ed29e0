// The 错题本 and 练一练 of the web edition. The notebook model decides everything (de-duplication,
// the schedule, 已掌握, statistics, 导入's checks); the page keeps the entries in IndexedDB. The
// module holds the notebook as last read from there, with the revision the page gave it, and
// answers every change with the rows to write; the page writes them in one transaction and
// counts the revision on. A call made on another revision (another window wrote, the write
// failed, or the worker was restarted) is answered {"closed":true}: the page reads the rows
// again ("open") and asks once more.
//
// A call is a list of words, the operation, the revision and today ("2026-12-09") first:
//   open REV TODAY NEXTID            text: the rows, as 导出 writes them
//   list REV TODAY TYPE DAYS         text: the slip (empty: every slip); DAYS -1: every date
//   paper REV TODAY TYPE DAYS        the same entries as pages of the printed 错题本
//   file REV TODAY TYPE              text: a page's problems and working, marked; wrong ones kept
//   kousuan REV TODAY                text: "question<TAB>typed<TAB>answer" of a wrong 口算 answer
//   show REV TODAY ID                the entry as the notebook shows it
//   redo REV TODAY ID                text: the working, marked against the entry's problem
//   similar REV TODAY ID             three problems like the entry's
//   delete REV TODAY ID
//   export REV TODAY                 the JSON file
//   import REV TODAY                 text: a JSON file
//   practice-start REV TODAY TYPE LEVEL COUNT SEED NOW
//   practice-mark REV TODAY NOW      text: the round; extra: the working
//   practice-retry|practice-similar|practice-next|practice-show REV TODAY NOW   text: the round
// A change answers "writes": [{"id", "key", "row"} (row null: deleted)], "nextId" and "revision".
#include "charts/DisplayListJson.h"
#include "charts/StatisticsChart.h"
#include "maker/ProblemMaker.h"
#include "marking/MarkWorking.h"
#include "notebook/Notebook.h"
#include "pages/Headless.h"
#include "pages/Practice.h"
#include "pages/TypeTable.h"
#include "solver/GbkText.h"
#include "typeset/GbkUnicode.h"
#include "web/wasm/PracticeJson.h"
#include "web/wasm/WebJson.h"

#include <emscripten.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace qimbel::web {

namespace {

// The most entries one 打印错题本 lays out.
constexpr std::size_t kMostPrinted = 100;
// The most printed pages.
constexpr std::size_t kMostPages = 400;

// A store that keeps nothing itself: it gives ids and notes which entries were touched, so that
// the page can write them to IndexedDB.
class JournalStore : public NotebookStore {
public:
    StoreStatus Load(std::vector<NotebookEntry> &entries) override
    {
        entries.clear();
        return {};
    }
    StoreStatus Insert(NotebookEntry &entry) override
    {
        entry.id = nextId_++;
        ids_.insert(entry.id);
        touched_.push_back(entry.id);
        return {};
    }
    StoreStatus Update(const NotebookEntry &entry) override
    {
        touched_.push_back(entry.id);
        return {};
    }
    StoreStatus Erase(std::int64_t id) override
    {
        ids_.erase(id);
        touched_.push_back(id);
        return {};
    }
    StoreStatus InsertAll(std::vector<NotebookEntry> &entries) override
    {
        for (NotebookEntry &entry : entries) {
            if (entry.id <= 0 || ids_.count(entry.id) != 0)
                entry.id = nextId_;
            nextId_ = std::max(nextId_, entry.id + 1);
            ids_.insert(entry.id);
            touched_.push_back(entry.id);
        }
        return {};
    }

    // After the rows were read: nothing is to be written, and ids go on from `nextId`.
    void Opened(std::int64_t nextId)
    {
        touched_.clear();
        nextId_ = std::max(nextId_, nextId);
    }
    void Reset(std::int64_t nextId)
    {
        ids_.clear();
        touched_.clear();
        nextId_ = std::max<std::int64_t>(1, nextId);
    }
    std::vector<std::int64_t> TakeTouched()
    {
        std::vector<std::int64_t> touched;
        touched.swap(touched_);
        std::sort(touched.begin(), touched.end());
        touched.erase(std::unique(touched.begin(), touched.end()), touched.end());
        return touched;
    }
    std::int64_t NextId() const { return nextId_; }

private:
    std::set<std::int64_t> ids_;
    std::vector<std::int64_t> touched_;
    std::int64_t nextId_ = 1;
};

struct OpenBook {
    JournalStore store;
    std::unique_ptr<Notebook> book;
    long long revision = -1;
};

OpenBook &Book()
{
    static OpenBook open;
    return open;
}

std::string Error(const std::string &gbk) { return "{\"error\":" + QuoteGbk(gbk) + "}"; }

std::string TypeName(int type)
{
    const ProblemType *row = FindProblemType(type);
    return row != nullptr && row->caption != nullptr && *row->caption != 0 ? std::string(row->caption)
                                                                           : "第" + std::to_string(type) + "类";
}

// The rows the last change touched, and the revision after it; "" when nothing changed.
std::string Writes(long long revision)
{
    OpenBook &open = Book();
    const std::vector<std::int64_t> touched = open.store.TakeTouched();
    if (touched.empty())
        return "";
    std::string writes;
    for (const std::int64_t id : touched) {
        const NotebookEntry *entry = open.book->Find(id);
        writes += writes.empty() ? "" : ",";
        writes += "{\"id\":" + std::to_string(id)
            + ",\"key\":" + (entry ? QuoteGbk(NotebookKey(entry->type, entry->problem)) : std::string("null"))
            + ",\"row\":" + (entry ? EntryJson(*entry) : std::string("null")) + "}";
    }
    open.revision = revision + 1;
    return ",\"writes\":[" + writes + "],\"nextId\":" + std::to_string(open.store.NextId())
        + ",\"revision\":" + std::to_string(open.revision);
}

std::string Opened(long long revision, long long nextId, const std::string &rows)
{
    OpenBook &open = Book();
    open.revision = -1;
    open.store.Reset(nextId);
    open.book = std::make_unique<Notebook>(&open.store);
    if (!rows.empty()) {
        const ImportOutcome read = open.book->ImportJson(rows);
        if (!read.ok) {
            open.book.reset();
            return Error("错题本读不出来，没有改动它：" + read.message);
        }
    }
    open.store.Opened(nextId);
    open.revision = revision;
    return "{\"ok\":true,\"entries\":" + std::to_string(open.book->Size()) + "}";
}

NotebookFilter FilterOf(const std::vector<std::string> &words, std::string_view slip, int today)
{
    NotebookFilter filter;
    filter.type = static_cast<int>(Number(words.size() > 3 ? words[3] : "", 0, 1000).value_or(0));
    const long long days = Number(words.size() > 4 ? words[4] : "", -1, 100000).value_or(-1);
    if (days >= 0)
        filter.from = today - static_cast<int>(days);
    filter.slip = Utf8ToGbk(slip).value_or("");
    return filter;
}

std::string Detail(const NotebookEntry &e)
{
    return EntryText(e) + "第一次做错：" + DateText(e.added) + "，做错" + std::to_string(e.wrongTries) + "次，重做对"
        + std::to_string(e.rightTries) + "次。";
}

std::string ListJson(const Notebook &book, const NotebookFilter &filter, int today)
{
    const NotebookStats stats = book.Stats(today);
    std::string entries;
    for (const NotebookEntry *e : book.List(filter, today)) {
        const int due = NextDue(*e);
        const std::string when = due < 0 ? "已掌握" : due <= today ? "今天重做" : DateText(due).substr(5) + "重做";
        entries += entries.empty() ? "" : ",";
        entries += "{\"id\":" + std::to_string(e->id) + ",\"when\":" + QuoteGbk(when)
            + ",\"due\":" + Bool(due >= 0 && due <= today) + ",\"mastered\":" + Bool(due < 0)
            + ",\"problem\":" + QuoteGbk(e->problem) + ",\"type\":" + std::to_string(e->type)
            + ",\"typeName\":" + QuoteGbk(TypeName(e->type)) + ",\"wrongStep\":" + std::to_string(e->wrongStep)
            + ",\"slip\":" + QuoteGbk(SlipName(*e)) + ",\"added\":" + Quote(DateText(e->added)) + "}";
    }
    std::string types;
    for (const auto &[type, count] : stats.byType) {
        types += types.empty() ? "" : ",";
        types += "{\"type\":" + std::to_string(type) + ",\"name\":" + QuoteGbk(TypeName(type))
            + ",\"count\":" + std::to_string(count) + "}";
    }
    std::string slips;
    ChartTable table {{"错误"}, {"题数"}};
    for (const auto &[slip, count] : stats.bySlip) {
        slips += slips.empty() ? "" : ",";
        slips += "{\"name\":" + QuoteGbk(slip) + ",\"count\":" + std::to_string(count) + "}";
        if (table[0].size() <= static_cast<std::size_t>(kChartPlaces)) {
            table[0].push_back(slip);
            table[1].push_back(std::to_string(count));
        }
    }
    const std::string status = stats.entries == 0
        ? "错题本里还没有错题。在任何一页按“批改我的解答”或做“练一练”，做错的题会自动记到这里。"
        : "今天要重做" + std::to_string(stats.due) + "道，共" + std::to_string(stats.entries) + "道错题，已掌握"
            + std::to_string(stats.mastered) + "道。";
    const std::string chart = stats.bySlip.empty()
        ? std::string("null")
        : FromTextBox(DisplayListJson(DrawTableChart(table, "错误的种类", ChartType::Bar, 480, 240)));
    return "{\"status\":" + QuoteGbk(status) + ",\"today\":" + Quote(DateText(today))
        + ",\"count\":" + std::to_string(stats.entries) + ",\"due\":" + std::to_string(stats.due)
        + ",\"mastered\":" + std::to_string(stats.mastered) + ",\"entries\":[" + entries + "],\"types\":[" + types
        + "],\"slips\":[" + slips + "],\"chart\":" + chart + "}";
}

// A line cut into pieces of at most `most` ems, never inside a character.
std::vector<std::string> Wrapped(const std::string &line, double most)
{
    std::vector<std::string> pieces(1);
    double ems = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const bool wide = IsGbkLead(static_cast<unsigned char>(line[i])) && i + 1 < line.size();
        const double width = wide ? 1 : 0.5;
        if (ems + width > most && !pieces.back().empty()) {
            pieces.emplace_back();
            ems = 0;
        }
        pieces.back() += line.substr(i, wide ? 2 : 1);
        ems += width;
        i += wide ? 1 : 0;
    }
    return pieces;
}

// 打印错题本 as pages of runs for the site's printed pages (print-pages.js): the paper of the
// notebook model, its lines wrapped to the printable width, an entry kept on one page when it
// fits on one.
std::string PaperJson(const std::vector<const NotebookEntry *> &listed, int today)
{
    constexpr double kTitleSize = 16, kTitleLine = 26, kBodySize = 11, kBodyLine = 14.5;
    std::vector<const NotebookEntry *> printed(listed.begin(), listed.begin() + std::min(listed.size(), kMostPrinted));
    const std::string text = NotebookPaper(printed, static_cast<std::uint64_t>(today));
    // The entries as blocks of wrapped lines; a block starts at "N. ".
    std::vector<std::vector<std::string>> blocks(1);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 2;
        const std::size_t dot = line.find(". ");
        if (dot != std::string::npos && dot > 0 && line.find_first_not_of("0123456789") == dot
            && !blocks.back().empty())
            blocks.emplace_back();
        for (std::string &piece : Wrapped(line, kPrintWidth / kBodySize))
            blocks.back().push_back(std::move(piece));
    }
    std::vector<std::string> pages;
    std::string runs;
    double y = 0;
    const auto run = [&](const std::string &gbk, const char *font, double line) {
        runs += runs.empty() ? "" : ",";
        runs += "{\"x\":0,\"y\":" + std::to_string(static_cast<int>(y)) + ",\"text\":" + QuoteGbk(gbk) + ",\"font\":\""
            + font + "\",\"problem\":false}";
        y += line;
    };
    const auto newPage = [&] {
        pages.push_back("{\"key\":false,\"runs\":[" + runs + "]}");
        runs.clear();
        y = 0;
    };
    run("错题本", "title", kTitleLine);
    std::string heading = "打印日期：" + DateText(today) + "，共" + std::to_string(printed.size()) + "道错题";
    if (printed.size() < listed.size())
        heading += "（只打印了前" + std::to_string(kMostPrinted) + "道）";
    run(heading + "。", "body", 2 * kBodyLine);
    for (const std::vector<std::string> &block : blocks) {
        const double height = static_cast<double>(block.size()) * kBodyLine;
        if (y > 0 && y + height > kPrintHeight && height <= kPrintHeight)
            newPage();
        for (const std::string &line : block) {
            if (y + kBodyLine > kPrintHeight)
                newPage();
            if (pages.size() >= kMostPages)
                break;
            run(line, "body", kBodyLine);
        }
    }
    if (!runs.empty() && pages.size() < kMostPages)
        newPage();
    std::string all;
    for (const std::string &page : pages)
        all += (all.empty() ? "" : ",") + page;
    return "{\"width\":" + std::to_string(static_cast<int>(kPrintWidth))
        + ",\"height\":" + std::to_string(static_cast<int>(kPrintHeight)) + ",\"fonts\":{\"title\":{\"size\":"
        + std::to_string(static_cast<int>(kTitleSize)) + ",\"line\":" + std::to_string(static_cast<int>(kTitleLine))
        + "},\"body\":{\"size\":" + std::to_string(static_cast<int>(kBodySize)) + ",\"line\":14.5}},\"pages\":[" + all
        + "]}";
}

// A wrong problem for the notebook: its entry with Qimbel's worked solution, added. The
// sentence to show when it could not be kept, else empty.
std::string Keep(NotebookEntry entry, int today)
{
    Notebook &book = *Book().book;
    if (entry.solution.empty())
        entry.solution = WorkedSolutionOf(entry.type, entry.problem);
    return book.Add(entry, today) == AddOutcome::Failed ? book.LastError() : std::string();
}

std::string FileMarked(int type, int level, const std::vector<MarkedProblem> &marked, int today, int &filed)
{
    std::string failure;
    for (const MarkedProblem &problem : marked) {
        if (std::optional<NotebookEntry> entry = EntryOfMarked(type, level, problem, "")) {
            const std::string why = Keep(std::move(*entry), today);
            filed += why.empty();
            if (failure.empty())
                failure = why;
        }
    }
    return failure;
}

// ---- 练一练 ----

std::string PracticeView(const Practice &practice)
{
    std::string view = "\"active\":" + Bool(practice.Active()) + ",\"finished\":" + Bool(practice.Finished());
    if (!practice.Active())
        return view;
    if (practice.Finished())
        return view + ",\"report\":" + QuoteGbk(practice.Report());
    const PracticeItem &item = practice.Current();
    const bool marked = item.result != PracticeResult::NotMarked;
    const bool wrong = item.result == PracticeResult::Wrong;
    return view + ",\"index\":" + std::to_string(practice.Index()) + ",\"count\":" + std::to_string(practice.Count())
        + ",\"type\":" + std::to_string(item.problem.type) + ",\"typeName\":" + QuoteGbk(TypeName(item.problem.type))
        + ",\"similar\":" + Bool(item.similar) + ",\"problem\":" + QuoteGbk(item.problem.line)
        + ",\"working\":" + QuoteGbk(item.working) + ",\"marked\":" + QuoteGbk(item.marked)
        + ",\"answerOnly\":" + Bool(practice.AnswerOnly()) + ",\"right\":" + Bool(marked && !wrong)
        + ",\"wrong\":" + Bool(wrong) + ",\"last\":" + Bool(practice.Index() + 1 >= practice.Count());
}

// The round crosses as UTF-8 with its line ends as they are (its texts are counted in bytes).
std::string PracticeAnswer(const Practice &practice, const std::string &more = "")
{
    const std::string saved = practice.Save();
    return "{\"state\":" + Quote(GbkToUtf8(saved).value_or("")) + "," + PracticeView(practice) + more + "}";
}

std::string PracticeCall(const std::string &call, const std::vector<std::string> &words, int today,
    std::string_view text, std::string_view extra)
{
    Practice practice;
    if (call == "practice-start") {
        const auto type = Number(words.size() > 3 ? words[3] : "", 1, 200);
        const auto level = Number(words.size() > 4 ? words[4] : "", 0, 2);
        const auto count = Number(words.size() > 5 ? words[5] : "", 1, 100);
        const auto seed = Number(words.size() > 6 ? words[6] : "", 0, 999999999999LL);
        const auto now = Number(words.size() > 7 ? words[7] : "", 0, 99999999999LL);
        if (!type || !level || !count || !seed || !now)
            return Error("设置无法读取。");
        const std::string refusal = practice.Start(static_cast<int>(*type), static_cast<MakerLevel>(*level),
            static_cast<int>(*count), static_cast<std::uint64_t>(*seed), *now);
        if (!refusal.empty())
            return Error(refusal);
        return PracticeAnswer(practice);
    }
    const auto now = Number(words.size() > 3 ? words[3] : "", 0, 99999999999LL);
    const std::optional<std::string> saved = Utf8ToGbk(text);
    if (!now || !saved || !practice.Restore(*saved))
        return Error("上次的练习无法接着做，请重新开始。");
    if (call == "practice-mark") {
        const std::optional<std::string> working = ToTextBox(extra);
        if (!working)
            return Error(Utf8ToGbk(Refusal(extra)).value_or("输入的文字无法处理。"));
        if (!practice.Active() || practice.Finished())
            return PracticeAnswer(practice);
        practice.SetWorking(*working);
        const int type = practice.Current().problem.type;
        const int level = static_cast<int>(practice.Current().problem.level) + 1;
        Solver solver;
        const MarkedProblem *wrong = practice.Mark(solver);
        int filed = 0;
        std::string failure;
        if (wrong != nullptr)
            failure = FileMarked(type, level, {*wrong}, today, filed);
        return PracticeAnswer(practice,
            ",\"filed\":" + std::to_string(filed) + ",\"message\":" + QuoteGbk(failure) + Writes(Book().revision));
    }
    std::string refusal;
    if (call == "practice-retry")
        practice.Retry();
    else if (call == "practice-similar") {
        refusal = practice.AddSimilar(static_cast<std::uint64_t>(*now));
        if (refusal.empty())
            practice.Next(*now);
    } else if (call == "practice-next")
        practice.Next(*now);
    else if (call != "practice-show")
        return Error("设置无法读取。");
    return PracticeAnswer(practice, ",\"message\":" + QuoteGbk(refusal));
}

std::string Call(const std::vector<std::string> &words, std::string_view text, std::string_view extra)
{
    if (words.size() < 3)
        return Error("设置无法读取。");
    const std::string &call = words[0];
    const auto revision = Number(words[1], 0, 1LL << 52);
    const int today = DayOfDateText(words[2]);
    if (!revision || today < 1)
        return Error("设置无法读取。");
    if (call == "open") {
        const auto nextId = Number(words.size() > 3 ? words[3] : "", 1, 1LL << 52);
        return nextId ? Opened(*revision, *nextId, std::string(text)) : Error("设置无法读取。");
    }
    // A round that files nothing needs no notebook.
    if (call.rfind("practice-", 0) == 0 && call != "practice-mark")
        return PracticeCall(call, words, today, text, extra);
    OpenBook &open = Book();
    if (!open.book || open.revision != *revision)
        return "{\"closed\":true}";
    Notebook &book = *open.book;
    open.store.TakeTouched();
    const auto id = Number(words.size() > 3 ? words[3] : "", 1, 1LL << 52);
    const auto changed = [&](bool ok, const std::string &more = "") {
        return "{\"ok\":" + Bool(ok) + ",\"message\":" + QuoteGbk(ok ? std::string() : book.LastError()) + more
            + Writes(*revision) + "}";
    };
    if (call == "practice-mark")
        return PracticeCall(call, words, today, text, extra);
    if (call == "list")
        return ListJson(book, FilterOf(words, text, today), today);
    if (call == "paper")
        return PaperJson(book.List(FilterOf(words, text, today), today), today);
    if (call == "export")
        return "{\"json\":" + Quote(book.ExportJson()) + "}";
    if (call == "import") {
        const ImportOutcome outcome = book.ImportJson(std::string(text));
        return "{\"ok\":" + Bool(outcome.ok) + ",\"added\":" + std::to_string(outcome.added) + ",\"skipped\":"
            + std::to_string(outcome.skipped) + ",\"message\":" + QuoteGbk(outcome.message) + Writes(*revision) + "}";
    }
    if (call == "file") {
        const auto type = Number(words.size() > 3 ? words[3] : "", 1, 200);
        const std::optional<std::string> typed = ToTextBox(text);
        if (!type || !typed || !CanMark(static_cast<int>(*type)))
            return changed(true, ",\"filed\":0");
        Solver solver;
        const MarkedText marked = MarkWorking(solver, static_cast<int>(*type), *typed);
        int filed = 0;
        const std::string failure = FileMarked(static_cast<int>(*type), 0, marked.marked, today, filed);
        return "{\"ok\":" + Bool(failure.empty()) + ",\"filed\":" + std::to_string(filed)
            + ",\"message\":" + QuoteGbk(failure) + Writes(*revision) + "}";
    }
    if (call == "kousuan") {
        // 口算 answers are kept as 四则混合运算 problems, which can be redone step by step.
        constexpr int kMixedArithmetic = 8;
        const std::string line(text);
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string::npos)
            return Error("设置无法读取。");
        const auto question = ToTextBox(line.substr(0, tab1));
        const auto typed = ToTextBox(line.substr(tab1 + 1, tab2 - tab1 - 1));
        const auto answer = ToTextBox(line.substr(tab2 + 1));
        if (!question || !typed || !answer)
            return Error("设置无法读取。");
        // Without its trailing "＝", as the desktop keeps it.
        std::string problem = Trim(*question);
        const std::string equals = "＝";
        while (problem.size() >= equals.size()
            && problem.compare(problem.size() - equals.size(), equals.size(), equals) == 0)
            problem.erase(problem.size() - equals.size());
        const std::string why = Keep(EntryOfAnswer(kMixedArithmetic, problem, Trim(*typed), Trim(*answer)), today);
        return "{\"ok\":" + Bool(why.empty()) + ",\"message\":" + QuoteGbk(why) + Writes(*revision) + "}";
    }
    if (!id)
        return Error("错题本里没有这道题。");
    const NotebookEntry *entry = book.Find(*id);
    if (entry == nullptr)
        return Error("错题本里没有这道题。");
    if (call == "show")
        return "{\"detail\":" + QuoteGbk(Detail(*entry)) + "}";
    if (call == "delete")
        return changed(book.Remove(*id));
    if (call == "similar") {
        const MadeProblems made = Similar(entry->type, entry->problem, 3,
            static_cast<std::uint64_t>(*id) * 7919u + static_cast<std::uint64_t>(today));
        if (made.problems.empty())
            return Error(made.refusal.empty() ? "这道题还出不了相似的题目。" : made.refusal);
        std::string problems;
        for (const MadeProblem &p : made.problems)
            problems += (problems.empty() ? "" : ",") + QuoteGbk(p.line);
        return "{\"type\":" + std::to_string(entry->type) + ",\"problems\":[" + problems + "]}";
    }
    if (call == "redo") {
        std::optional<std::string> working = ToTextBox(text);
        if (!working)
            return Error(Utf8ToGbk(Refusal(text)).value_or("输入的文字无法处理。"));
        // The problem line is the entry's own; what the pupil wrote below it is the working.
        std::string below = Trim(*working);
        if (below.compare(0, entry->problem.size(), entry->problem) == 0)
            below = Trim(below.substr(entry->problem.size()));
        if (below.empty())
            return Error("请先在题目下面写出解答。");
        const int type = entry->type;
        Solver solver;
        const MarkedText marked = MarkWorking(solver, type, entry->problem + "\r\n" + below);
        const bool right = marked.marked.size() == 1 && marked.marked[0].finished && marked.steps > 0
            && marked.right == marked.steps;
        const bool ok = book.Redo(*id, right, today);
        std::string verdict;
        if (ok) {
            const NotebookEntry &after = *book.Find(*id);
            verdict = !right        ? "还有错，明天再重做一次。"
                : IsMastered(after) ? "做对了！这道题已掌握。"
                                    : "做对了！" + DateText(NextDue(after)) + "再重做一次。";
        }
        return changed(ok,
            ",\"right\":" + Bool(right) + ",\"marked\":" + QuoteGbk(marked.text) + ",\"verdict\":" + QuoteGbk(verdict));
    }
    return Error("设置无法读取。");
}

} // namespace

} // namespace qimbel::web

extern "C" {

// `args`: the words of the call, one a line; `text` and `extra`: its texts (see above).
EMSCRIPTEN_KEEPALIVE const char *qw_notebook(
    const char *args, int argsSize, const char *text, int textSize, const char *extra, int extraSize)
{
    using namespace qimbel::web;
    return Finish(Call(Words(args, argsSize), std::string_view(text, static_cast<std::size_t>(textSize)),
        std::string_view(extra, static_cast<std::size_t>(extraSize))));
}

} // extern "C"
