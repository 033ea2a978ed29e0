#include "desktop/notebook/QtNotebookStore.h"

#include "desktop/pages/GbkBridge.h"
#include "notebook/Notebook.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <atomic>

namespace qimbel {

namespace {

constexpr int kBusyMilliseconds = 3000;

// The SQLite result code behind a Qt SQL error (the driver gives it as its native code).
// Texts of this file are UTF-8; the notebook's are GBK.
StoreStatus Failure(const QSqlError &error, const QString &doing)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return SqliteFailure(ok ? code : 1, ToGbk(doing));
}

StoreStatus Refused(const QString &why) { return {StoreStatus::Failed, ToGbk(why)}; }

QSqlDatabase Db(const QString &connection) { return QSqlDatabase::database(connection, false); }

void BindEntry(QSqlQuery &q, const NotebookEntry &e)
{
    q.addBindValue(FromGbk(NotebookKey(e.type, e.problem)));
    for (const int number : {e.added, e.type, e.level})
        q.addBindValue(number);
    q.addBindValue(FromGbk(e.problem));
    q.addBindValue(FromGbk(e.working));
    q.addBindValue(e.wrongStep);
    for (const std::string *text : {&e.wrongLine, &e.slip, &e.correction, &e.solution})
        q.addBindValue(FromGbk(*text));
    for (const int number : {e.lastWrong, e.lastRight, e.rightInRow, e.wrongTries, e.rightTries})
        q.addBindValue(number);
}

} // namespace

QString NotebookFilePath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Qimbel/notebook.db"));
}

QtNotebookStore::QtNotebookStore()
{
    static std::atomic<int> next {0};
    connection_ = QStringLiteral("qimbel-notebook-%1").arg(next++);
}

QtNotebookStore::~QtNotebookStore() { Close(); }

void QtNotebookStore::Close()
{
    if (QSqlDatabase::contains(connection_)) {
        Db(connection_).close();
        QSqlDatabase::removeDatabase(connection_);
    }
    open_ = false;
}

StoreStatus QtNotebookStore::Open(const QString &path)
{
    Close();
    StoreStatus status = OpenFile(path);
    if (!status.ok())
        Close(); // nothing is written to a file that could not be opened as a notebook
    return status;
}

StoreStatus QtNotebookStore::OpenFile(const QString &path)
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return Refused(QStringLiteral("找不到 SQLite 数据库驱动（libqt6sql6-sqlite），错题本打不开。"));
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyMilliseconds));
    if (!db.open()) {
        // A read-only file or folder can still be read.
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyMilliseconds));
        if (!db.open())
            return Failure(db.lastError(), QStringLiteral("打不开错题本。"));
    }
    open_ = true;
    QSqlQuery version(db);
    if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next())
        return Failure(version.lastError(), QStringLiteral("打不开错题本。"));
    const int have = version.value(0).toInt();
    version.finish();
    if (have > kNotebookSchemaVersion)
        return Refused(QStringLiteral("这个错题本是新版本的 Qimbel 写的，请先更新 Qimbel（没有改动它）。"));
    if (have == kNotebookSchemaVersion)
        return {};
    // Every step up in one transaction: a file is at one version or the next, never between.
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return Failure(q.lastError(), QStringLiteral("没能准备好错题本。"));
    for (int v = have; v < kNotebookSchemaVersion; ++v)
        if (!q.exec(QString::fromLatin1(kNotebookMigrations[v]))) {
            const StoreStatus status = Failure(q.lastError(), QStringLiteral("没能准备好错题本。"));
            q.exec(QStringLiteral("ROLLBACK"));
            return status;
        }
    if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(kNotebookSchemaVersion))
        || !q.exec(QStringLiteral("COMMIT"))) {
        const StoreStatus status = Failure(q.lastError(), QStringLiteral("没能准备好错题本。"));
        q.exec(QStringLiteral("ROLLBACK"));
        return status;
    }
    return {};
}

StoreStatus QtNotebookStore::Load(std::vector<NotebookEntry> &entries)
{
    entries.clear();
    if (!open_)
        return Refused(QStringLiteral("错题本没有打开。"));
    QSqlQuery q(Db(connection_));
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT id, %1 FROM entries ORDER BY id").arg(QString::fromLatin1(kNotebookColumns))))
        return Failure(q.lastError(), QStringLiteral("没能读出错题。"));
    while (q.next()) {
        if (entries.size() >= kMostEntries)
            return Refused(QStringLiteral("错题本太大了，打不开。"));
        NotebookEntry e;
        int at = 0;
        const auto number = [&] { return q.value(at++).toInt(); };
        const auto text = [&] { return ToGbk(q.value(at++).toString()); };
        e.id = q.value(at++).toLongLong();
        ReadEntryColumns(e, number, text);
        if (ValidEntry(e))
            entries.push_back(std::move(e));
    }
    if (q.lastError().isValid()) {
        entries.clear();
        return Failure(q.lastError(), QStringLiteral("没能读出错题。"));
    }
    return {};
}

StoreStatus QtNotebookStore::InsertOne(NotebookEntry &entry, bool keepId)
{
    QSqlDatabase db = Db(connection_);
    QVariant id; // null: SQLite gives the next id
    if (keepId && entry.id > 0) {
        // The id of an imported entry stays when no entry has it.
        QSqlQuery taken(db);
        taken.prepare(QStringLiteral("SELECT 1 FROM entries WHERE id = ?"));
        taken.addBindValue(static_cast<qlonglong>(entry.id));
        if (!taken.exec())
            return Failure(taken.lastError(), QStringLiteral("这道错题没有存上。"));
        if (!taken.next())
            id = static_cast<qlonglong>(entry.id);
    }
    QSqlQuery q(db);
    q.prepare(
        QStringLiteral("INSERT INTO entries (id, key, %1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
            .arg(QString::fromLatin1(kNotebookColumns)));
    q.addBindValue(id.isNull() ? QVariant(QMetaType(QMetaType::LongLong)) : id);
    BindEntry(q, entry);
    if (!q.exec())
        return Failure(q.lastError(), QStringLiteral("这道错题没有存上。"));
    entry.id = q.lastInsertId().toLongLong();
    return {};
}

StoreStatus QtNotebookStore::Insert(NotebookEntry &entry)
{
    if (!open_)
        return Refused(QStringLiteral("错题本没有打开，这道错题没有存上。"));
    return InsertOne(entry, false);
}

StoreStatus QtNotebookStore::Update(const NotebookEntry &entry)
{
    if (!open_)
        return Refused(QStringLiteral("错题本没有打开，这次重做没有存上。"));
    QSqlQuery q(Db(connection_));
    q.prepare(QStringLiteral("UPDATE entries SET key = ?, added = ?, type = ?, level = ?, problem = ?, working = ?, "
                             "wrong_step = ?, wrong_line = ?, slip = ?, correction = ?, solution = ?, last_wrong = ?, "
                             "last_right = ?, right_in_row = ?, wrong_tries = ?, right_tries = ? WHERE id = ?"));
    BindEntry(q, entry);
    q.addBindValue(static_cast<qlonglong>(entry.id));
    if (!q.exec())
        return Failure(q.lastError(), QStringLiteral("这次重做没有存上。"));
    if (q.numRowsAffected() == 0)
        return Refused(QStringLiteral("错题本里已经没有这道题了（可能在另一个窗口里删掉了）。"));
    return {};
}

StoreStatus QtNotebookStore::Erase(std::int64_t id)
{
    if (!open_)
        return Refused(QStringLiteral("错题本没有打开，没有删掉。"));
    QSqlQuery q(Db(connection_));
    q.prepare(QStringLiteral("DELETE FROM entries WHERE id = ?"));
    q.addBindValue(static_cast<qlonglong>(id));
    return q.exec() ? StoreStatus {} : Failure(q.lastError(), QStringLiteral("这道错题没有删掉。"));
}

StoreStatus QtNotebookStore::InsertAll(std::vector<NotebookEntry> &entries)
{
    if (!open_)
        return Refused(QStringLiteral("错题本没有打开，没有导入。"));
    QSqlQuery q(Db(connection_));
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return Failure(q.lastError(), QStringLiteral("没有导入。"));
    const std::vector<NotebookEntry> given = entries;
    for (NotebookEntry &entry : entries) {
        const StoreStatus status = InsertOne(entry, true);
        if (!status.ok()) {
            q.exec(QStringLiteral("ROLLBACK"));
            entries = given;
            return status;
        }
    }
    if (!q.exec(QStringLiteral("COMMIT"))) {
        const StoreStatus status = Failure(q.lastError(), QStringLiteral("没有导入。"));
        q.exec(QStringLiteral("ROLLBACK"));
        entries = given;
        return status;
    }
    return {};
}

} // namespace qimbel
