#include "notebook/Notebook.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

namespace qimbel {

namespace {

// The largest day number kept (the year 9999).
constexpr int kLastDay = 2932896;

// Whether the text holds anything but spaces (full-width ones too) and line ends.
bool HoldsMoreThanSpaces(const std::string &text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (text.compare(i, 2, "　") == 0)
            ++i;
        else if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            return true;
    }
    return false;
}

} // namespace

// Days from civil, after H. Hinnant's algorithm.
int DayOfDate(int year, int month, int day)
{
    year -= month <= 2;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yoe = year - era * 400;
    const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

std::string DateText(int day)
{
    const int z = day + 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = z - era * 146097;
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    const int d = doy - (153 * mp + 2) / 5 + 1;
    const int m = mp + (mp < 10 ? 3 : -9);
    const int y = yoe + era * 400 + (m <= 2);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", y, m, d);
    return text;
}

int DayOfDateText(const std::string &text)
{
    int y = 0, m = 0, d = 0;
    char rest = 0;
    if (text.size() != 10 || std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &y, &m, &d, &rest) != 3)
        return -1;
    if (y < 1970 || m < 1 || m > 12 || d < 1 || d > 31)
        return -1;
    const int day = DayOfDate(y, m, d);
    return DateText(day) == text ? day : -1;
}

// 1970-01-01 was a Thursday: day 4 was a Monday.
int WeekOf(int day) { return day - ((day - 4) % 7 + 7) % 7; }

std::string NotebookKey(int type, const std::string &problem)
{
    std::string key = std::to_string(type) + ":";
    for (std::size_t i = 0; i < problem.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(problem[i]);
        if (c >= 0x81 && i + 1 < problem.size()) {
            // A GBK character; the full-width space is a space too.
            if (!(c == 0xA1 && static_cast<unsigned char>(problem[i + 1]) == 0xA1))
                key += problem.substr(i, 2);
            ++i;
        } else if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
            key += problem[i];
        }
    }
    return key;
}

bool IsMastered(const NotebookEntry &entry) { return entry.rightInRow >= kRightRedosToMaster; }

int NextDue(const NotebookEntry &entry)
{
    if (IsMastered(entry))
        return -1;
    const int answered = std::max(entry.lastWrong, entry.lastRight);
    for (const int days : kReviewDays)
        if (entry.lastWrong + days > answered)
            return entry.lastWrong + days;
    return answered + kReviewDays[std::size(kReviewDays) - 1];
}

bool IsDue(const NotebookEntry &entry, int today)
{
    const int due = NextDue(entry);
    return due >= 0 && due <= today;
}

bool ValidEntry(const NotebookEntry &e, std::string *why)
{
    const auto fail = [&](const char *reason) {
        if (why != nullptr)
            *why = reason;
        return false;
    };
    constexpr std::size_t kLongestText = 64 * 1024;
    if (e.id < 0)
        return fail("编号不对");
    if (e.type < 1 || e.type > 200 || e.level < 0 || e.level > 3)
        return fail("题型或难度不对");
    if (e.added < 1 || e.added > kLastDay || e.lastWrong < e.added || e.lastWrong > kLastDay)
        return fail("日期不对");
    if (e.lastRight != 0 && (e.lastRight <= e.lastWrong || e.lastRight > kLastDay))
        return fail("重做的日期不对");
    if (e.rightInRow < 0 || e.rightInRow > kRightRedosToMaster || (e.rightInRow > 0) != (e.lastRight != 0))
        return fail("重做的次数不对");
    if (e.wrongTries < 1 || e.rightTries < e.rightInRow || e.wrongTries > 1000000 || e.rightTries > 1000000)
        return fail("做题的次数不对");
    if (e.wrongStep < 1 || e.wrongStep > 10000)
        return fail("错的步数不对");
    for (const std::string *text : {&e.problem, &e.working, &e.wrongLine, &e.slip, &e.correction, &e.solution})
        if (text->size() > kLongestText)
            return fail("文字太长");
    if (!HoldsMoreThanSpaces(e.problem))
        return fail("没有题目");
    return true;
}

std::optional<NotebookEntry> EntryOfMarked(int type, int level, const MarkedProblem &marked, std::string solution)
{
    NotebookEntry entry;
    entry.type = type;
    entry.level = level;
    entry.solution = std::move(solution);
    int step = 0;
    for (const MarkedLine &line : marked.lines) {
        std::string &text = line.mark == StepMark::Problem && step == 0 ? entry.problem : entry.working;
        text += (text.empty() ? "" : "\r\n") + line.typed;
        if (line.mark == StepMark::Problem)
            continue;
        ++step;
        if (line.mark == StepMark::Wrong && entry.wrongStep == 0) {
            entry.wrongStep = step;
            entry.wrongLine = line.typed;
            entry.slip = line.reason;
            entry.correction = line.correctStep;
        }
    }
    if (entry.wrongStep == 0)
        return std::nullopt;
    return entry;
}

StoreStatus SqliteFailure(int code, const std::string &doing)
{
    // The primary result codes of SQLite, which every SQLite library gives alike.
    enum {
        Perm = 3,
        Busy = 5,
        Locked = 6,
        NoMem = 7,
        ReadOnly = 8,
        Corrupt = 11,
        Full = 13,
        CantOpen = 14,
        Constraint = 19,
        Auth = 23,
        Format = 24,
        NotADb = 26
    };
    std::string why;
    switch (code & 0xff) {
    case Full:
        why = "磁盘已满，";
        break;
    case ReadOnly:
    case Perm:
    case CantOpen:
    case Auth:
        why = "错题本的文件或者它所在的文件夹不能写入，";
        break;
    case Busy:
    case Locked:
        why = "错题本正被另一个程序使用，";
        break;
    case Corrupt:
    case NotADb:
    case Format:
        why = "错题本文件已经损坏（没有改动它），";
        break;
    case Constraint:
        return {StoreStatus::Duplicate, "这道题已经在错题本里了。"};
    case NoMem:
        why = "内存不够，";
        break;
    default:
        why = "错题本文件读写出错（" + std::to_string(code) + "），";
        break;
    }
    return {StoreStatus::Failed, why + doing};
}

// --- the store in memory ---

StoreStatus MemoryNotebookStore::Failure()
{
    failNext = false;
    return {StoreStatus::Failed, "磁盘已满，错题没有存上。"};
}

bool MemoryNotebookStore::HoldsKey(const NotebookEntry &entry) const
{
    const std::string key = NotebookKey(entry.type, entry.problem);
    return std::any_of(rows.begin(), rows.end(), [&](const auto &row) {
        return row.first != entry.id && NotebookKey(row.second.type, row.second.problem) == key;
    });
}

StoreStatus MemoryNotebookStore::Load(std::vector<NotebookEntry> &entries)
{
    entries.clear();
    for (const auto &[id, entry] : rows)
        entries.push_back(entry);
    return {};
}

StoreStatus MemoryNotebookStore::Insert(NotebookEntry &entry)
{
    if (failNext)
        return Failure();
    if (HoldsKey(entry))
        return {StoreStatus::Duplicate, "这道题已经在错题本里了。"};
    entry.id = nextId_++;
    rows[entry.id] = entry;
    return {};
}

StoreStatus MemoryNotebookStore::Update(const NotebookEntry &entry)
{
    if (failNext)
        return Failure();
    if (rows.count(entry.id) == 0)
        return {StoreStatus::Failed, "错题本里没有这道题。"};
    rows[entry.id] = entry;
    return {};
}

StoreStatus MemoryNotebookStore::Erase(std::int64_t id)
{
    if (failNext)
        return Failure();
    rows.erase(id);
    return {};
}

StoreStatus MemoryNotebookStore::InsertAll(std::vector<NotebookEntry> &entries)
{
    if (failNext)
        return Failure();
    const std::map<std::int64_t, NotebookEntry> before = rows;
    const std::int64_t nextBefore = nextId_;
    for (NotebookEntry &entry : entries) {
        if (HoldsKey(entry)) {
            rows = before;
            nextId_ = nextBefore;
            return {StoreStatus::Duplicate, "这道题已经在错题本里了。"};
        }
        if (entry.id <= 0 || rows.count(entry.id) != 0)
            entry.id = nextId_;
        nextId_ = std::max(nextId_, entry.id + 1);
        rows[entry.id] = entry;
    }
    return {};
}

// --- the notebook ---

Notebook::Notebook(NotebookStore *store)
    : store_(store)
{
}

void Notebook::Index(const NotebookEntry &entry)
{
    entries_[entry.id] = entry;
    byKey_[NotebookKey(entry.type, entry.problem)] = entry.id;
}

void Notebook::Index(NotebookEntry &&entry, std::string key)
{
    byKey_.emplace(std::move(key), entry.id);
    const std::int64_t id = entry.id;
    entries_.emplace_hint(entries_.end(), id, std::move(entry));
}

bool Notebook::Store(const StoreStatus &status)
{
    error_ = status.ok() ? std::string() : status.message;
    return status.ok();
}

bool Notebook::Reload()
{
    std::vector<NotebookEntry> rows;
    const StoreStatus status = store_->Load(rows);
    entries_.clear();
    byKey_.clear();
    if (!status.ok()) {
        error_ = status.message;
        return false;
    }
    if (rows.size() > kMostEntries) {
        error_ = "错题本太大了，打不开。";
        return false;
    }
    byKey_.reserve(rows.size());
    for (NotebookEntry &row : rows) {
        std::string key = NotebookKey(row.type, row.problem);
        if (row.id > 0 && entries_.count(row.id) == 0 && byKey_.count(key) == 0 && ValidEntry(row))
            Index(std::move(row), std::move(key));
    }
    error_.clear();
    return true;
}

bool Notebook::Open()
{
    if (store_ == nullptr) {
        entries_.clear();
        byKey_.clear();
        error_.clear();
        return true;
    }
    return Reload();
}

AddOutcome Notebook::Add(NotebookEntry &entry, int today)
{
    entry.added = entry.lastWrong = today;
    entry.lastRight = entry.rightInRow = entry.rightTries = 0;
    entry.wrongTries = 1;
    std::string why;
    if (!ValidEntry(entry, &why)) {
        error_ = "这道错题不能记下：" + why + "。";
        return AddOutcome::Failed;
    }
    const std::string key = NotebookKey(entry.type, entry.problem);
    for (int attempt = 0; attempt < 2; ++attempt) {
        const auto kept = byKey_.find(key);
        if (kept != byKey_.end()) {
            entry.id = kept->second;
            return Redo(kept->second, false, today) ? AddOutcome::AlreadyThere : AddOutcome::Failed;
        }
        if (store_ == nullptr) {
            entry.id = entries_.empty() ? 1 : entries_.rbegin()->first + 1;
            Index(entry);
            error_.clear();
            return AddOutcome::Added;
        }
        const StoreStatus status = store_->Insert(entry);
        if (status.ok()) {
            Index(entry);
            error_.clear();
            return AddOutcome::Added;
        }
        // Another program added the same problem: read the notebook again and count a wrong try.
        if (status.kind != StoreStatus::Duplicate || !Reload())
            return Store(status), AddOutcome::Failed;
    }
    error_ = "这道题已经在错题本里了。";
    return AddOutcome::Failed;
}

bool Notebook::Redo(std::int64_t id, bool right, int today)
{
    const auto at = entries_.find(id);
    if (at == entries_.end()) {
        error_ = "错题本里没有这道题。";
        return false;
    }
    NotebookEntry entry = at->second;
    if (right) {
        ++entry.rightTries;
        // Only a redo on a day the entry is due shows it is remembered.
        if (IsDue(entry, today) && today > entry.lastWrong) {
            ++entry.rightInRow;
            entry.lastRight = today;
        }
    } else {
        ++entry.wrongTries;
        entry.lastWrong = std::max(today, entry.lastWrong);
        entry.lastRight = entry.rightInRow = 0;
    }
    if (store_ != nullptr && !Store(store_->Update(entry)))
        return false;
    at->second = entry;
    error_.clear();
    return true;
}

bool Notebook::Remove(std::int64_t id)
{
    const auto at = entries_.find(id);
    if (at == entries_.end()) {
        error_ = "错题本里没有这道题。";
        return false;
    }
    if (store_ != nullptr && !Store(store_->Erase(id)))
        return false;
    byKey_.erase(NotebookKey(at->second.type, at->second.problem));
    entries_.erase(at);
    error_.clear();
    return true;
}

const NotebookEntry *Notebook::Find(std::int64_t id) const
{
    const auto at = entries_.find(id);
    return at == entries_.end() ? nullptr : &at->second;
}

std::vector<const NotebookEntry *> Notebook::Entries() const
{
    std::vector<const NotebookEntry *> all;
    all.reserve(entries_.size());
    for (const auto &[id, entry] : entries_)
        all.push_back(&entry);
    return all;
}

std::vector<const NotebookEntry *> Notebook::Due(int today) const
{
    NotebookFilter filter;
    filter.withMastered = false;
    std::vector<const NotebookEntry *> due = List(filter, today);
    const auto firstNotDue
        = std::find_if(due.begin(), due.end(), [&](const NotebookEntry *e) { return !IsDue(*e, today); });
    due.erase(firstNotDue, due.end());
    return due;
}

std::vector<const NotebookEntry *> Notebook::List(const NotebookFilter &filter, int today) const
{
    struct Row {
        bool notDue;
        int order; // the due day when due, minus the last wrong day otherwise
        std::int64_t id;
        const NotebookEntry *entry;
    };
    std::vector<Row> rows;
    rows.reserve(entries_.size());
    for (const auto &[id, entry] : entries_) {
        if ((filter.type != 0 && entry.type != filter.type)
            || (!filter.slip.empty() && (entry.slip.empty() ? kUnnamedSlip : entry.slip) != filter.slip)
            || (filter.from >= 0 && entry.lastWrong < filter.from) || (filter.to >= 0 && entry.lastWrong > filter.to)
            || (!filter.withMastered && IsMastered(entry)))
            continue;
        const bool due = IsDue(entry, today);
        rows.push_back({!due, due ? NextDue(entry) : -entry.lastWrong, due ? id : -id, &entry});
    }
    std::sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) {
        return std::tie(a.notDue, a.order, a.id) < std::tie(b.notDue, b.order, b.id);
    });
    std::vector<const NotebookEntry *> listed;
    listed.reserve(rows.size());
    for (const Row &row : rows)
        listed.push_back(row.entry);
    return listed;
}

NotebookStats Notebook::Stats(int today) const
{
    NotebookStats stats;
    std::map<std::string, int> slips;
    for (const auto &[id, entry] : entries_) {
        ++slips[entry.slip.empty() ? kUnnamedSlip : entry.slip];
        ++stats.byType[entry.type];
        ++stats.perWeek[WeekOf(entry.added)];
        ++stats.entries;
        stats.due += IsDue(entry, today) ? 1 : 0;
        stats.mastered += IsMastered(entry) ? 1 : 0;
    }
    stats.bySlip.assign(slips.begin(), slips.end());
    std::stable_sort(
        stats.bySlip.begin(), stats.bySlip.end(), [](const auto &a, const auto &b) { return a.second > b.second; });
    return stats;
}

bool Notebook::Consistent() const
{
    if (byKey_.size() != entries_.size())
        return false;
    for (const auto &[id, entry] : entries_) {
        const auto key = byKey_.find(NotebookKey(entry.type, entry.problem));
        if (id != entry.id || id <= 0 || key == byKey_.end() || key->second != id || !ValidEntry(entry))
            return false;
    }
    return true;
}

} // namespace qimbel
