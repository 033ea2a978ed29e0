// 错题本: every problem a pupil got wrong, with the working as typed, the first wrong step and its
// slip, and Qimbel's worked solution; a review schedule that brings each entry back until it is
// learnt, and the statistics of the slips. Plain C++ on GBK texts; the entries are kept by a
// NotebookStore (a database file on the desktop and the command line, memory in tests).
#pragma once

#include "marking/MarkedProblem.h"
#include "notebook/NotebookStore.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace qimbel {

// Days after a wrong try on which the entry comes back; after the last one it comes back every
// kReviewDays.back() days until it is learnt.
inline constexpr int kReviewDays[] = {1, 3, 7, 14};
// Right redos in a row (each made while the entry was due) after which an entry is 已掌握.
inline constexpr int kRightRedosToMaster = 2;
// The largest notebook that is opened or imported.
inline constexpr std::size_t kMostEntries = 100000;

// The day number of a civil date (1970-01-01 is day 0) and back; the date as "2026-12-08".
int DayOfDate(int year, int month, int day);
std::string DateText(int day);
// The day of a "YYYY-MM-DD" text, or -1 when it is not a date.
int DayOfDateText(const std::string &text);
// The Monday of the day's week.
int WeekOf(int day);

// The key under which a problem is kept once: the type and the problem without its spaces.
std::string NotebookKey(int type, const std::string &problem);

// The day the entry is next due, or -1 when it is learnt.
int NextDue(const NotebookEntry &entry);
bool IsMastered(const NotebookEntry &entry);
bool IsDue(const NotebookEntry &entry, int today);

// The entry for a marked problem with a wrong step (nullopt when no step is wrong): the problem
// lines, the steps as typed, the first wrong step, its slip and correction, and `solution`.
std::optional<NotebookEntry> EntryOfMarked(int type, int level, const MarkedProblem &marked, std::string solution);

// The entry for a wrong answer where only the answer is written (口算): the typed answer is the
// one wrong step, the right answer its correction.
NotebookEntry EntryOfAnswer(int type, const std::string &problem, const std::string &typed, const std::string &answer);

// The entry's slip as listed: its name, or kUnnamedSlip.
std::string SlipName(const NotebookEntry &entry);
// The entry as the notebook shows it: the problem, the pupil's working, the wrong step and its
// slip, the correction and Qimbel's solution.
std::string EntryText(const NotebookEntry &entry);

// One entry as 导出 writes it: a JSON object of its id and every field (UTF-8).
std::string EntryJson(const NotebookEntry &entry);

// 打印错题本: each entry with the working, the wrong step, the correction, Qimbel's solution and a
// similar problem with room to work (when one can be made).
std::string NotebookPaper(const std::vector<const NotebookEntry *> &entries, std::uint64_t seed);

// What the notebook lists: entries matching every field that is set.
struct NotebookFilter {
    int type = 0; // 0: every type
    std::string slip; // empty: every slip
    int from = -1, to = -1; // days of the last wrong try, both ends included; -1: open
    bool withMastered = true;
};

struct NotebookStats {
    // Entries by the kind of their slip ("没有认出的错误" when the marker had no name for it),
    // the largest count first, then by name.
    std::vector<std::pair<std::string, int>> bySlip;
    std::map<int, int> byType; // type -> entries
    std::map<int, int> perWeek; // Monday of the week of the first wrong try -> entries
    int entries = 0, due = 0, mastered = 0;
};

// The slip name used for a wrong step the marker had no name for.
inline constexpr const char *kUnnamedSlip = "没有认出的错误";

enum class AddOutcome {
    Added,
    AlreadyThere, // the problem was in the notebook: counted as one more wrong try
    Failed, // the store refused; LastError() says why
};

struct ImportOutcome {
    bool ok = false;
    int added = 0;
    int skipped = 0; // already in the notebook
    std::string message; // GBK, a sentence for the pupil
};

class Notebook {
public:
    // The store is not owned; nullptr keeps the notebook in memory only.
    explicit Notebook(NotebookStore *store = nullptr);

    // Reads every entry from the store, replacing what the notebook held. On failure the notebook
    // is empty and LastError() says why.
    bool Open();

    // A problem marked wrong on `today`. An entry already kept for the same type and problem
    // counts one more wrong try instead of being added again. `entry.id` is set on return.
    AddOutcome Add(NotebookEntry &entry, int today);
    // 重做: the pupil redid entry `id` on `today`, right or wrong. False when there is no such
    // entry or the store refused.
    bool Redo(std::int64_t id, bool right, int today);
    bool Remove(std::int64_t id);

    const NotebookEntry *Find(std::int64_t id) const;
    std::size_t Size() const { return entries_.size(); }
    // Every entry, by id.
    std::vector<const NotebookEntry *> Entries() const;
    // The entries due on `today`, the longest waiting first.
    std::vector<const NotebookEntry *> Due(int today) const;
    // The entries matching the filter: those due today first (the longest waiting first), then the
    // others, the latest wrong try first.
    std::vector<const NotebookEntry *> List(const NotebookFilter &filter, int today) const;
    NotebookStats Stats(int today) const;

    // 导出: the whole notebook as one UTF-8 JSON text.
    std::string ExportJson() const;
    // 导入: a JSON text of ExportJson. The text is checked whole first; a foreign or damaged one
    // changes nothing. Problems already kept are skipped.
    ImportOutcome ImportJson(const std::string &utf8);

    // Why the last operation failed (GBK, a sentence), empty after a success.
    const std::string &LastError() const { return error_; }

    // Whether the entries agree with each other and with the key index (for tests).
    bool Consistent() const;

private:
    void Index(const NotebookEntry &entry);
    void Index(NotebookEntry &&entry, std::string key);
    bool Store(const StoreStatus &status);
    bool Reload();

    NotebookStore *store_;
    std::map<std::int64_t, NotebookEntry> entries_;
    std::unordered_map<std::string, std::int64_t> byKey_;
    std::string error_;
};

} // namespace qimbel
