// The 错题本 in an SQLite file, through the SQLite C library: the schema and its migrations of
// notebook/NotebookStore.h, every write one transaction. Messages are GBK sentences.
#pragma once

#include "notebook/NotebookStore.h"

#include <string>

struct sqlite3;

namespace qimbel {

class SqliteNotebookStore : public NotebookStore {
public:
    SqliteNotebookStore() = default;
    ~SqliteNotebookStore() override;
    SqliteNotebookStore(const SqliteNotebookStore &) = delete;
    SqliteNotebookStore &operator=(const SqliteNotebookStore &) = delete;

    // Opens the file, creating it when it does not exist, and brings its schema up to date. A
    // damaged file, or one of a newer schema, is left as it is.
    StoreStatus Open(const std::string &path);

    StoreStatus Load(std::vector<NotebookEntry> &entries) override;
    StoreStatus Insert(NotebookEntry &entry) override;
    StoreStatus Update(const NotebookEntry &entry) override;
    StoreStatus Erase(std::int64_t id) override;
    StoreStatus InsertAll(std::vector<NotebookEntry> &entries) override;

    // Rows of the file that could not be read as entries at the last Load.
    int SkippedRows() const { return skipped_; }

    // How long a write waits for another program holding the file.
    void SetWaitMilliseconds(int milliseconds);
    // The file grows to at most this many pages, as on a nearly full disk (for tests).
    void LimitPages(int pages);

private:
    StoreStatus OpenFile(const std::string &path);
    StoreStatus Fail(int code, const char *doing);
    StoreStatus Run(const char *sql, const char *doing);
    StoreStatus InsertOne(NotebookEntry &entry, bool keepId);

    sqlite3 *db_ = nullptr;
    int skipped_ = 0;
};

} // namespace qimbel
