// Where the 错题本 keeps its entries: the entry itself, the small interface a store offers the
// notebook, a store in memory, and the one database schema every face's store writes.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace qimbel {

// One wrong problem. Texts are GBK; days count from 1970-01-01 (see Notebook.h).
struct NotebookEntry {
    std::int64_t id = 0; // > 0 once kept; given by the store
    int added = 0; // the day of the first wrong try
    int type = 0; // the problem type (1 … 33)
    int level = 0; // 0 typed by the pupil, 1 基础, 2 提高, 3 拓展
    std::string problem; // the problem line
    std::string working; // the pupil's steps as typed, CR LF between them
    int wrongStep = 0; // the first wrong step, 1 for the first line after the problem
    std::string wrongLine; // that step as typed
    std::string slip; // the kind of slip in a teacher's words, empty when not recognised
    std::string correction; // Qimbel's own step in its place, empty when it has none
    std::string solution; // Qimbel's worked solution
    int lastWrong = 0; // the day of the last wrong try
    int lastRight = 0; // the day of the last right redo that counted, 0 for none since lastWrong
    int rightInRow = 0; // right redos in a row since the last wrong try
    int wrongTries = 1;
    int rightTries = 0;

    bool operator==(const NotebookEntry &) const = default;
};

struct StoreStatus {
    enum Kind { Ok, Duplicate, Failed } kind = Ok;
    std::string message; // GBK, for the pupil, when not Ok
    bool ok() const { return kind == Ok; }
};

class NotebookStore {
public:
    virtual ~NotebookStore() = default;
    // Every entry kept, by id.
    virtual StoreStatus Load(std::vector<NotebookEntry> &entries) = 0;
    // Keeps a new entry and gives it its id. Duplicate when the store already holds the problem
    // (another program added it).
    virtual StoreStatus Insert(NotebookEntry &entry) = 0;
    // Writes an entry kept before.
    virtual StoreStatus Update(const NotebookEntry &entry) = 0;
    virtual StoreStatus Erase(std::int64_t id) = 0;
    // Keeps several new entries at once, all or none; an entry keeps its id when the store has no
    // entry of that id.
    virtual StoreStatus InsertAll(std::vector<NotebookEntry> &entries) = 0;
};

// A store in memory; `failNext` makes the next write fail, as a full disk would.
class MemoryNotebookStore : public NotebookStore {
public:
    StoreStatus Load(std::vector<NotebookEntry> &entries) override;
    StoreStatus Insert(NotebookEntry &entry) override;
    StoreStatus Update(const NotebookEntry &entry) override;
    StoreStatus Erase(std::int64_t id) override;
    StoreStatus InsertAll(std::vector<NotebookEntry> &entries) override;

    bool failNext = false;
    std::map<std::int64_t, NotebookEntry> rows;

private:
    StoreStatus Failure();
    bool HoldsKey(const NotebookEntry &entry) const;
    std::int64_t nextId_ = 1;
};

// The database schema, as SQL every SQLite store runs. PRAGMA user_version holds the schema's
// version; kNotebookMigrations[i] takes a file from version i to version i + 1. Texts are UTF-8
// in the file; `key` is NotebookKey of the type and problem.
inline constexpr int kNotebookSchemaVersion = 2;
inline constexpr const char *kNotebookMigrations[kNotebookSchemaVersion] = {
    "CREATE TABLE entries ("
    "id INTEGER PRIMARY KEY AUTOINCREMENT, key TEXT NOT NULL UNIQUE, added INTEGER NOT NULL, "
    "type INTEGER NOT NULL, level INTEGER NOT NULL, problem TEXT NOT NULL, working TEXT NOT NULL, "
    "wrong_step INTEGER NOT NULL, wrong_line TEXT NOT NULL, slip TEXT NOT NULL, "
    "correction TEXT NOT NULL, solution TEXT NOT NULL, last_wrong INTEGER NOT NULL, "
    "last_right INTEGER NOT NULL, right_in_row INTEGER NOT NULL, wrong_tries INTEGER NOT NULL, "
    "right_tries INTEGER NOT NULL)",
    // Version 2: today's due entries are found from the day of the last wrong try.
    "CREATE INDEX entries_last_wrong ON entries(last_wrong)",
};
// The columns in the order the stores read and write them (after id and key).
inline constexpr const char *kNotebookColumns
    = "added, type, level, problem, working, wrong_step, wrong_line, slip, correction, solution, "
      "last_wrong, last_right, right_in_row, wrong_tries, right_tries";

// Fills an entry from the columns of kNotebookColumns, in their order: `number()` and `text()`
// read the next column (a text as GBK).
template <class Number, class Text> void ReadEntryColumns(NotebookEntry &e, Number number, Text text)
{
    e.added = number();
    e.type = number();
    e.level = number();
    e.problem = text();
    e.working = text();
    e.wrongStep = number();
    e.wrongLine = text();
    e.slip = text();
    e.correction = text();
    e.solution = text();
    e.lastWrong = number();
    e.lastRight = number();
    e.rightInRow = number();
    e.wrongTries = number();
    e.rightTries = number();
}

// What an SQLite result code means for the pupil, as the start of a sentence that `doing`
// ("这道错题没有存上。") ends; a unique-key violation is a Duplicate.
StoreStatus SqliteFailure(int code, const std::string &doing);

// Whether an entry read from a file or an import holds values the notebook can use; why not, as
// a sentence, when it does not.
bool ValidEntry(const NotebookEntry &entry, std::string *why = nullptr);

} // namespace qimbel
