// The 错题本 in an SQLite file through Qt SQL's SQLite driver: the same schema, migrations and
// messages as the command line's store (notebook/NotebookStore.h), every write one transaction.
#pragma once

#include "notebook/NotebookStore.h"

#include <QString>

namespace qimbel {

// The notebook of the user: notebook.db in Qimbel's data folder, the same for every program of
// Qimbel (the window and the 口算练习生成器).
QString NotebookFilePath();

class QtNotebookStore : public NotebookStore {
public:
    QtNotebookStore();
    ~QtNotebookStore() override;
    QtNotebookStore(const QtNotebookStore &) = delete;
    QtNotebookStore &operator=(const QtNotebookStore &) = delete;

    // Opens the file, creating it and its folder when they do not exist, and brings its schema up
    // to date. A damaged file, or one of a newer schema, is left as it is.
    StoreStatus Open(const QString &path);

    StoreStatus Load(std::vector<NotebookEntry> &entries) override;
    StoreStatus Insert(NotebookEntry &entry) override;
    StoreStatus Update(const NotebookEntry &entry) override;
    StoreStatus Erase(std::int64_t id) override;
    StoreStatus InsertAll(std::vector<NotebookEntry> &entries) override;

private:
    StoreStatus OpenFile(const QString &path);
    StoreStatus InsertOne(NotebookEntry &entry, bool keepId);
    void Close();

    QString connection_;
    bool open_ = false;
};

} // namespace qimbel
