// qimbel-cli --notebook FILE …: the 错题本 without a window, on the same SQLite file as the
// desktop.
#include "cli/NotebookCommand.h"

#include "cli/Encoding.h"
#include "cli/NotebookSqlite.h"
#include "marking/MarkWorking.h"
#include "notebook/Notebook.h"
#include "pages/Headless.h"
#include "pages/TypeTable.h"

#include <ctime>
#include <iostream>
#include <iterator>
#include <optional>

namespace qimbel {

namespace {

constexpr const char *kNotebookUsage
    = "usage: qimbel-cli --notebook FILE COMMAND [--date YYYY-MM-DD]\n"
      "  --add --type T [--level 1|2|3]  mark the working on standard input; keep its wrong problems\n"
      "  --due                           the entries due today, the longest waiting first\n"
      "  --list [--type T] [--slip S] [--all]  the entries (--all: with the learnt ones)\n"
      "  --redo ID --right|--wrong       record a redo of entry ID\n"
      "  --delete ID                     delete entry ID\n"
      "  --stats                         slips by kind, entries by type and by week\n"
      "  --export                        the notebook as JSON on standard output\n"
      "  --import                        add the entries of a JSON export on standard input\n";

// GBK text of the core to the terminal's UTF-8.
std::string Out(const std::string &gbk) { return GbkToUtf8Text(gbk).value_or(gbk); }

int Today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    return DayOfDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::optional<long long> Whole(const std::string &text, long long low, long long high)
{
    if (text.empty() || text.size() > 12 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const long long v = std::stoll(text);
    return v >= low && v <= high ? std::optional<long long>(v) : std::nullopt;
}

std::string TypeName(int type)
{
    const ProblemType *row = FindProblemType(type);
    return row != nullptr && row->caption != nullptr && *row->caption != 0 ? row->caption
                                                                           : "第" + std::to_string(type) + "类";
}

void PrintEntry(const NotebookEntry &e, int today)
{
    std::string line = "[" + std::to_string(e.id) + "] " + DateText(e.lastWrong) + " " + TypeName(e.type) + " "
        + e.problem + "  错在第" + std::to_string(e.wrongStep) + "步：" + (e.slip.empty() ? kUnnamedSlip : e.slip);
    const int due = NextDue(e);
    line += due < 0 ? "  已掌握" : due <= today ? "  今天要重做" : "  " + DateText(due) + "重做";
    std::cout << Out(line) << "\n";
}

int Add(Notebook &book, int type, int level, int today)
{
    if (!CanMark(type)) {
        std::cerr << Out(kCannotMark) << "\n";
        return 1;
    }
    const std::string input((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    const std::optional<std::string> gbk = Utf8ToGbkText(input);
    if (!gbk) {
        std::cerr << "qimbel-cli: the input is not valid UTF-8, or holds characters that GBK cannot hold\n";
        return 1;
    }
    Solver solver;
    const MarkedText marked = MarkWorking(solver, type, *gbk);
    int status = 0;
    for (const MarkedProblem &problem : marked.marked) {
        std::optional<NotebookEntry> entry = EntryOfMarked(type, level, problem, "");
        if (!entry) {
            if (!problem.lines.empty())
                std::cout << Out("没有错的步骤，不用记下：" + problem.lines[0].typed) << "\n";
            continue;
        }
        entry->solution = WorkedSolutionOf(type, entry->problem);
        const AddOutcome outcome = book.Add(*entry, today);
        if (outcome == AddOutcome::Failed) {
            std::cerr << Out(book.LastError()) << "\n";
            status = 1;
        } else {
            std::cout << Out((outcome == AddOutcome::Added ? "记下了 [" : "已经在错题本里，又错了一次 [")
                + std::to_string(entry->id) + "]：" + entry->problem)
                      << "\n";
        }
    }
    return status;
}

int Stats(const Notebook &book, int today)
{
    const NotebookStats stats = book.Stats(today);
    std::string text = "错题" + std::to_string(stats.entries) + "道，今天要重做" + std::to_string(stats.due)
        + "道，已掌握" + std::to_string(stats.mastered) + "道。\r\n错误的种类：\r\n";
    for (const auto &[slip, count] : stats.bySlip)
        text += "  " + slip + "：" + std::to_string(count) + "\r\n";
    text += "题型：\r\n";
    for (const auto &[type, count] : stats.byType)
        text += "  " + TypeName(type) + "：" + std::to_string(count) + "\r\n";
    text += "每周：\r\n";
    for (const auto &[week, count] : stats.perWeek)
        text += "  " + DateText(week) + "那一周：" + std::to_string(count) + "\r\n";
    std::cout << Out(text);
    return 0;
}

} // namespace

int RunNotebook(const std::vector<std::string> &args)
{
    const auto usage = [] {
        std::cerr << kNotebookUsage;
        return 2;
    };
    if (args.size() < 3 || args[0] != "--notebook")
        return usage();
    std::string command;
    int type = 0, level = 0, today = Today();
    std::int64_t id = 0;
    std::optional<bool> right;
    NotebookFilter filter;
    filter.withMastered = false;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string &a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--add" || a == "--due" || a == "--list" || a == "--stats" || a == "--export" || a == "--import") {
            if (!command.empty())
                return usage();
            command = a;
        } else if ((a == "--redo" || a == "--delete") && hasValue && command.empty()) {
            command = a;
            const std::optional<long long> v = Whole(args[++i], 1, 1LL << 53);
            if (!v)
                return usage();
            id = *v;
        } else if (a == "--right" || a == "--wrong") {
            right = a == "--right";
        } else if (a == "--type" && hasValue) {
            const std::optional<long long> v = Whole(args[++i], 1, 200);
            if (!v)
                return usage();
            type = filter.type = static_cast<int>(*v);
        } else if (a == "--level" && hasValue) {
            const std::optional<long long> v = Whole(args[++i], 1, 3);
            if (!v)
                return usage();
            level = static_cast<int>(*v);
        } else if (a == "--slip" && hasValue) {
            const std::optional<std::string> slip = Utf8ToGbkText(args[++i]);
            if (!slip)
                return usage();
            filter.slip = *slip;
        } else if (a == "--all") {
            filter.withMastered = true;
        } else if (a == "--date" && hasValue) {
            today = DayOfDateText(args[++i]);
            if (today < 0)
                return usage();
        } else {
            return usage();
        }
    }
    if (command.empty() || (command == "--add" && type == 0) || (command == "--redo" && !right))
        return usage();

    SqliteNotebookStore store;
    const StoreStatus opened = store.Open(args[1]);
    if (!opened.ok()) {
        std::cerr << Out(opened.message) << "\n";
        return 1;
    }
    Notebook book(&store);
    if (!book.Open()) {
        std::cerr << Out(book.LastError()) << "\n";
        return 1;
    }
    if (store.SkippedRows() > 0)
        std::cerr << Out("错题本里有" + std::to_string(store.SkippedRows()) + "道错题读不出来，没有显示。") << "\n";

    if (command == "--add")
        return Add(book, type, level, today);
    if (command == "--due" || command == "--list") {
        const std::vector<const NotebookEntry *> listed
            = command == "--due" ? book.Due(today) : book.List(filter, today);
        if (listed.empty())
            std::cout << Out(command == "--due" ? "今天没有要重做的错题。" : "错题本里没有这样的错题。") << "\n";
        for (const NotebookEntry *e : listed)
            PrintEntry(*e, today);
        return 0;
    }
    if (command == "--stats")
        return Stats(book, today);
    if (command == "--export") {
        std::cout << book.ExportJson();
        std::cout.flush();
        return std::cout ? 0 : 1;
    }
    bool done = false;
    if (command == "--import") {
        const std::string input((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
        const ImportOutcome outcome = book.ImportJson(input);
        (outcome.ok ? std::cout : std::cerr) << Out(outcome.message) << "\n";
        return outcome.ok ? 0 : 1;
    }
    if (command == "--redo")
        done = book.Redo(id, *right, today);
    else
        done = book.Remove(id);
    if (!done) {
        std::cerr << Out(book.LastError()) << "\n";
        return 1;
    }
    if (command == "--redo") {
        const NotebookEntry &e = *book.Find(id);
        const int due = NextDue(e);
        std::cout << Out(due < 0 ? std::string("已掌握。") : "下次重做：" + DateText(due) + "。") << "\n";
    } else {
        std::cout << Out("删掉了。") << "\n";
    }
    return 0;
}

} // namespace qimbel
