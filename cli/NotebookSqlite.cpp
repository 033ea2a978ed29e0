#include "cli/NotebookSqlite.h"

#include "notebook/Notebook.h"
#include "typeset/GbkUnicode.h"

#include <sqlite3.h>

#include <memory>

namespace qimbel {

namespace {

// How long a write waits for another program that holds the file.
constexpr int kBusyMilliseconds = 3000;

struct Finalize {
    void operator()(sqlite3_stmt *statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, Finalize>;

std::string Utf8(const std::string &gbk) { return GbkToUtf8(gbk).value_or(GbkToUtf8Lossy(gbk)); }

void BindText(sqlite3_stmt *s, int at, const std::string &gbk)
{
    const std::string utf8 = Utf8(gbk);
    sqlite3_bind_text(s, at, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

// Binds key and the columns of kNotebookColumns from parameter `first` on.
void BindEntry(sqlite3_stmt *s, int first, const NotebookEntry &e)
{
    int at = first;
    BindText(s, at++, NotebookKey(e.type, e.problem));
    for (const int number : {e.added, e.type, e.level})
        sqlite3_bind_int(s, at++, number);
    BindText(s, at++, e.problem);
    BindText(s, at++, e.working);
    sqlite3_bind_int(s, at++, e.wrongStep);
    for (const std::string *text : {&e.wrongLine, &e.slip, &e.correction, &e.solution})
        BindText(s, at++, *text);
    for (const int number : {e.lastWrong, e.lastRight, e.rightInRow, e.wrongTries, e.rightTries})
        sqlite3_bind_int(s, at++, number);
}

// The entry of a row of "SELECT id, kNotebookColumns", or false when a text is no UTF-8 that
// GBK can hold or a number is out of range.
bool ReadEntry(sqlite3_stmt *s, NotebookEntry &e)
{
    int at = 0;
    bool ok = true;
    const auto number = [&]() {
        const sqlite3_int64 v = sqlite3_column_int64(s, at++);
        ok = ok && v >= -1000000000 && v <= 1000000000;
        return static_cast<int>(v);
    };
    const auto text = [&]() {
        const unsigned char *bytes = sqlite3_column_text(s, at);
        const int size = sqlite3_column_bytes(s, at++);
        const std::optional<std::string> gbk = Utf8ToGbk(std::string_view(
            reinterpret_cast<const char *>(bytes ? bytes : reinterpret_cast<const unsigned char *>("")),
            static_cast<std::size_t>(size)));
        ok = ok && gbk.has_value();
        return gbk.value_or("");
    };
    e.id = sqlite3_column_int64(s, at++);
    ReadEntryColumns(e, number, text);
    return ok && ValidEntry(e);
}

} // namespace

SqliteNotebookStore::~SqliteNotebookStore() { sqlite3_close_v2(db_); }

StoreStatus SqliteNotebookStore::Fail(int code, const char *doing) { return SqliteFailure(code, doing); }

StoreStatus SqliteNotebookStore::Run(const char *sql, const char *doing)
{
    const int code = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    return code == SQLITE_OK ? StoreStatus {} : Fail(code, doing);
}

StoreStatus SqliteNotebookStore::Open(const std::string &path)
{
    StoreStatus status = OpenFile(path);
    if (!status.ok()) {
        // Nothing is written to a file that could not be opened as a notebook.
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
    return status;
}

StoreStatus SqliteNotebookStore::OpenFile(const std::string &path)
{
    sqlite3_close_v2(db_);
    db_ = nullptr;
    int code = sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (code != SQLITE_OK) {
        // A read-only file or folder can still be read.
        sqlite3_close_v2(db_);
        db_ = nullptr;
        code = sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr);
        if (code != SQLITE_OK) {
            const StoreStatus status = Fail(code, "打不开错题本。");
            sqlite3_close_v2(db_);
            db_ = nullptr;
            return status;
        }
    }
    sqlite3_busy_timeout(db_, kBusyMilliseconds);
    sqlite3_extended_result_codes(db_, 0);
    Statement version;
    sqlite3_stmt *raw = nullptr;
    code = sqlite3_prepare_v2(db_, "PRAGMA user_version", -1, &raw, nullptr);
    version.reset(raw);
    if (code != SQLITE_OK || (code = sqlite3_step(raw)) != SQLITE_ROW)
        return Fail(code, "打不开错题本。");
    const int have = sqlite3_column_int(raw, 0);
    version.reset();
    if (have > kNotebookSchemaVersion)
        return {StoreStatus::Failed, "这个错题本是新版本的 Qimbel 写的，请先更新 Qimbel（没有改动它）。"};
    if (have == kNotebookSchemaVersion)
        return {};
    // Every step up in one transaction: a file is at one version or the next, never between.
    if (StoreStatus status = Run("BEGIN IMMEDIATE", "没能准备好错题本。"); !status.ok())
        return status;
    for (int v = have; v < kNotebookSchemaVersion; ++v) {
        StoreStatus status = Run(kNotebookMigrations[v], "没能准备好错题本。");
        if (!status.ok()) {
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
            return status;
        }
    }
    const std::string setVersion = "PRAGMA user_version = " + std::to_string(kNotebookSchemaVersion);
    StoreStatus status = Run(setVersion.c_str(), "没能准备好错题本。");
    if (status.ok())
        status = Run("COMMIT", "没能准备好错题本。");
    if (!status.ok())
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    return status;
}

void SqliteNotebookStore::SetWaitMilliseconds(int milliseconds)
{
    if (db_ != nullptr)
        sqlite3_busy_timeout(db_, milliseconds);
}

void SqliteNotebookStore::LimitPages(int pages)
{
    const std::string sql = "PRAGMA max_page_count = " + std::to_string(pages);
    if (db_ != nullptr)
        sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
}

StoreStatus SqliteNotebookStore::Load(std::vector<NotebookEntry> &entries)
{
    entries.clear();
    skipped_ = 0;
    if (db_ == nullptr)
        return {StoreStatus::Failed, "错题本没有打开。"};
    const std::string sql = std::string("SELECT id, ") + kNotebookColumns + " FROM entries ORDER BY id";
    sqlite3_stmt *raw = nullptr;
    int code = sqlite3_prepare_v2(db_, sql.c_str(), -1, &raw, nullptr);
    const Statement select(raw);
    if (code != SQLITE_OK)
        return Fail(code, "没能读出错题。");
    while ((code = sqlite3_step(raw)) == SQLITE_ROW) {
        if (entries.size() >= kMostEntries)
            return {StoreStatus::Failed, "错题本太大了，打不开。"};
        NotebookEntry entry;
        if (ReadEntry(raw, entry))
            entries.push_back(std::move(entry));
        else
            ++skipped_;
    }
    if (code != SQLITE_DONE) {
        entries.clear();
        return Fail(code, "没能读出错题。");
    }
    return {};
}

StoreStatus SqliteNotebookStore::InsertOne(NotebookEntry &entry, bool keepId)
{
    const std::string sql = std::string("INSERT INTO entries (id, key, ") + kNotebookColumns
        + ") VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17)";
    sqlite3_stmt *raw = nullptr;
    int code = sqlite3_prepare_v2(db_, sql.c_str(), -1, &raw, nullptr);
    const Statement insert(raw);
    if (code != SQLITE_OK)
        return Fail(code, "这道错题没有存上。");
    if (keepId && entry.id > 0) {
        // The id of an imported entry stays when no entry has it.
        sqlite3_stmt *taken = nullptr;
        sqlite3_prepare_v2(db_, "SELECT 1 FROM entries WHERE id = ?1", -1, &taken, nullptr);
        const Statement check(taken);
        sqlite3_bind_int64(taken, 1, entry.id);
        code = sqlite3_step(taken);
        if (code == SQLITE_DONE)
            sqlite3_bind_int64(raw, 1, entry.id);
        else if (code != SQLITE_ROW)
            return Fail(code, "这道错题没有存上。");
    }
    BindEntry(raw, 2, entry);
    code = sqlite3_step(raw);
    if (code != SQLITE_DONE)
        return Fail(code, "这道错题没有存上。");
    entry.id = sqlite3_last_insert_rowid(db_);
    return {};
}

StoreStatus SqliteNotebookStore::Insert(NotebookEntry &entry)
{
    if (db_ == nullptr)
        return {StoreStatus::Failed, "错题本没有打开，这道错题没有存上。"};
    const std::int64_t id = entry.id;
    StoreStatus status = InsertOne(entry, false);
    if (!status.ok())
        entry.id = id;
    return status;
}

StoreStatus SqliteNotebookStore::Update(const NotebookEntry &entry)
{
    if (db_ == nullptr)
        return {StoreStatus::Failed, "错题本没有打开，这次重做没有存上。"};
    const std::string sql = "UPDATE entries SET key = ?2, added = ?3, type = ?4, level = ?5, problem = ?6, "
                            "working = ?7, wrong_step = ?8, wrong_line = ?9, slip = ?10, correction = ?11, "
                            "solution = ?12, last_wrong = ?13, last_right = ?14, right_in_row = ?15, "
                            "wrong_tries = ?16, right_tries = ?17 WHERE id = ?1";
    sqlite3_stmt *raw = nullptr;
    int code = sqlite3_prepare_v2(db_, sql.c_str(), -1, &raw, nullptr);
    const Statement update(raw);
    if (code != SQLITE_OK)
        return Fail(code, "这次重做没有存上。");
    sqlite3_bind_int64(raw, 1, entry.id);
    BindEntry(raw, 2, entry);
    code = sqlite3_step(raw);
    if (code != SQLITE_DONE)
        return Fail(code, "这次重做没有存上。");
    if (sqlite3_changes(db_) == 0)
        return {StoreStatus::Failed, "错题本里已经没有这道题了（可能在另一个窗口里删掉了）。"};
    return {};
}

StoreStatus SqliteNotebookStore::Erase(std::int64_t id)
{
    if (db_ == nullptr)
        return {StoreStatus::Failed, "错题本没有打开，没有删掉。"};
    sqlite3_stmt *raw = nullptr;
    int code = sqlite3_prepare_v2(db_, "DELETE FROM entries WHERE id = ?1", -1, &raw, nullptr);
    const Statement erase(raw);
    if (code != SQLITE_OK)
        return Fail(code, "这道错题没有删掉。");
    sqlite3_bind_int64(raw, 1, id);
    code = sqlite3_step(raw);
    return code == SQLITE_DONE ? StoreStatus {} : Fail(code, "这道错题没有删掉。");
}

StoreStatus SqliteNotebookStore::InsertAll(std::vector<NotebookEntry> &entries)
{
    if (db_ == nullptr)
        return {StoreStatus::Failed, "错题本没有打开，没有导入。"};
    if (StoreStatus status = Run("BEGIN IMMEDIATE", "没有导入。"); !status.ok())
        return status;
    const std::vector<NotebookEntry> given = entries;
    for (NotebookEntry &entry : entries) {
        StoreStatus status = InsertOne(entry, true);
        if (!status.ok()) {
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
            entries = given;
            return status;
        }
    }
    StoreStatus status = Run("COMMIT", "没有导入。");
    if (!status.ok()) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        entries = given;
    }
    return status;
}

} // namespace qimbel
