// The 错题本's SQLite file: the schema and its migrations, a file truncated at every length, a
// file that cannot grow (a full disk), and two programs on one file. Whatever happens, the
// notebook keeps running, says what happened in Chinese, and loses no entry it had kept.
#include "cli/NotebookSqlite.h"
#include "notebook/Notebook.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace qimbel {
namespace {

namespace fs = std::filesystem;
constexpr int kDay = 20795;

class NotebookFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Memory-backed when the system has it: the truncation test writes the file thousands of
        // times.
        const fs::path shm = "/dev/shm";
        dir_ = (fs::is_directory(shm) ? shm : fs::temp_directory_path())
            / ("qimbel-notebook-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-"
                + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Path(const char *name = "notebook.db") const { return (dir_ / name).string(); }

    fs::path dir_;
};

NotebookEntry Wrong(int n)
{
    NotebookEntry e;
    e.type = 8;
    e.problem = std::to_string(n) + "－(2＋1)";
    e.working = "＝" + std::to_string(n) + "－2＋1";
    e.wrongStep = 1;
    e.wrongLine = e.working;
    e.slip = "去括号时没有变号";
    e.correction = "＝" + std::to_string(n) + "－3";
    e.solution = std::string(60, 'x');
    return e;
}

std::string Bytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool IsChineseSentence(const std::string &gbk)
{
    return gbk.size() >= 4 && static_cast<unsigned char>(gbk[0]) >= 0x81 && gbk.compare(gbk.size() - 2, 2, "。") == 0;
}

TEST_F(NotebookFile, KeepsEntriesAcrossOpeningsAndMigratesOldFiles)
{
    {
        SqliteNotebookStore store;
        ASSERT_TRUE(store.Open(Path()).ok());
        Notebook book(&store);
        ASSERT_TRUE(book.Open());
        for (int n = 1; n <= 3; ++n) {
            NotebookEntry e = Wrong(n);
            ASSERT_EQ(book.Add(e, kDay), AddOutcome::Added);
        }
        ASSERT_TRUE(book.Redo(2, true, kDay + 1));
        ASSERT_TRUE(book.Remove(3));
    }
    SqliteNotebookStore store;
    ASSERT_TRUE(store.Open(Path()).ok());
    Notebook book(&store);
    ASSERT_TRUE(book.Open());
    ASSERT_EQ(book.Size(), 2u);
    EXPECT_EQ(book.Find(2)->rightInRow, 1);
    EXPECT_EQ(book.Find(1)->problem, "1－(2＋1)");

    // A file of the first schema is brought up to date, its entries kept.
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(Path("old.db").c_str(), &db), SQLITE_OK);
    const std::string v1 = std::string(kNotebookMigrations[0]) + ";"
        + "INSERT INTO entries VALUES (7, '8:1+1', 20795, 8, 0, '1+1', '=3', 1, '=3', '', '', '', 20795, 0, 0, 1, 0);"
          "PRAGMA user_version = 1;";
    ASSERT_EQ(sqlite3_exec(db, v1.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    SqliteNotebookStore old;
    ASSERT_TRUE(old.Open(Path("old.db")).ok());
    Notebook oldBook(&old);
    ASSERT_TRUE(oldBook.Open());
    ASSERT_NE(oldBook.Find(7), nullptr);
    EXPECT_EQ(oldBook.Find(7)->working, "=3");

    // A file of a newer Qimbel is left alone.
    ASSERT_EQ(sqlite3_open(Path("new.db").c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "PRAGMA user_version = 99", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    const std::string before = Bytes(Path("new.db"));
    SqliteNotebookStore newer;
    const StoreStatus refused = newer.Open(Path("new.db"));
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(IsChineseSentence(refused.message)) << refused.message;
    EXPECT_EQ(Bytes(Path("new.db")), before);
}

// Cut the file after every byte: opening it either works or says why in Chinese; what it reads
// are entries the file held; a write after that never makes a readable entry unreadable.
TEST_F(NotebookFile, TruncatedAtEveryLength)
{
    std::vector<NotebookEntry> kept;
    {
        SqliteNotebookStore store;
        ASSERT_TRUE(store.Open(Path()).ok());
        Notebook book(&store);
        ASSERT_TRUE(book.Open());
        for (int n = 1; n <= 24; ++n) {
            NotebookEntry e = Wrong(n);
            ASSERT_EQ(book.Add(e, kDay), AddOutcome::Added);
            kept.push_back(*book.Find(e.id));
        }
    }
    const std::string whole = Bytes(Path());
    ASSERT_GT(whole.size(), 4096u);
    int opened = 0, refused = 0;
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const std::string cut = Path("cut.db");
        fs::remove(cut);
        std::ofstream(cut, std::ios::binary).write(whole.data(), static_cast<std::streamsize>(length));
        SqliteNotebookStore store;
        const StoreStatus status = store.Open(cut);
        Notebook book(&store);
        if (!status.ok() || !book.Open()) {
            const std::string &why = status.ok() ? book.LastError() : status.message;
            ASSERT_TRUE(IsChineseSentence(why)) << length << ": " << why;
            ++refused;
            continue;
        }
        ++opened;
        for (const NotebookEntry *e : book.Entries())
            ASSERT_EQ(*e, kept[static_cast<std::size_t>(e->id - 1)]) << length;
        const std::size_t before = book.Size();
        NotebookEntry more = Wrong(1000);
        const AddOutcome outcome = book.Add(more, kDay);
        if (outcome == AddOutcome::Failed) {
            ASSERT_TRUE(IsChineseSentence(book.LastError())) << length << ": " << book.LastError();
        }
        Notebook again(&store);
        if (again.Open()) {
            EXPECT_GE(again.Size(), before) << length;
        }
    }
    EXPECT_GT(opened, 0);
    EXPECT_GT(refused, 0);
}

TEST_F(NotebookFile, AFullDiskLosesOnlyTheEntryBeingWritten)
{
    SqliteNotebookStore store;
    ASSERT_TRUE(store.Open(Path()).ok());
    Notebook book(&store);
    ASSERT_TRUE(book.Open());
    store.LimitPages(12);
    int added = 0;
    AddOutcome outcome = AddOutcome::Added;
    for (int n = 1; n <= 1000 && outcome == AddOutcome::Added; ++n) {
        NotebookEntry e = Wrong(n);
        e.solution = std::string(1500, 'y');
        outcome = book.Add(e, kDay);
        added += outcome == AddOutcome::Added ? 1 : 0;
    }
    ASSERT_EQ(outcome, AddOutcome::Failed);
    ASSERT_GT(added, 2);
    EXPECT_NE(book.LastError().find("磁盘已满"), std::string::npos) << book.LastError();
    EXPECT_EQ(book.Size(), static_cast<std::size_t>(added));
    // An import that does not fit changes nothing.
    Notebook other;
    for (int n = 2000; n < 2010; ++n) {
        NotebookEntry e = Wrong(n);
        other.Add(e, kDay);
    }
    EXPECT_FALSE(book.ImportJson(other.ExportJson()).ok);
    SqliteNotebookStore reader;
    ASSERT_TRUE(reader.Open(Path()).ok());
    Notebook reread(&reader);
    ASSERT_TRUE(reread.Open());
    EXPECT_EQ(reread.Size(), static_cast<std::size_t>(added));
    EXPECT_EQ(reread.ExportJson(), book.ExportJson());
}

TEST_F(NotebookFile, TwoProgramsOnOneFile)
{
    SqliteNotebookStore storeA, storeB;
    ASSERT_TRUE(storeA.Open(Path()).ok());
    ASSERT_TRUE(storeB.Open(Path()).ok());
    Notebook a(&storeA), b(&storeB);
    ASSERT_TRUE(a.Open() && b.Open());
    NotebookEntry one = Wrong(1), two = Wrong(2), same = Wrong(1);
    EXPECT_EQ(a.Add(one, kDay), AddOutcome::Added);
    EXPECT_EQ(b.Add(two, kDay), AddOutcome::Added);
    EXPECT_NE(one.id, two.id);
    // B had not seen A's entry: it finds it instead of keeping the problem twice.
    EXPECT_EQ(b.Add(same, kDay + 1), AddOutcome::AlreadyThere);
    EXPECT_EQ(b.Find(one.id)->wrongTries, 2);
    // A deleted entry redone in the other window is reported, not written back.
    ASSERT_TRUE(a.Remove(one.id));
    EXPECT_FALSE(b.Redo(one.id, true, kDay + 1));
    EXPECT_TRUE(IsChineseSentence(b.LastError())) << b.LastError();

    // While another program holds the file, a write waits, then says so.
    sqlite3 *holder = nullptr;
    ASSERT_EQ(sqlite3_open(Path().c_str(), &holder), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    storeA.SetWaitMilliseconds(50);
    NotebookEntry three = Wrong(3);
    EXPECT_EQ(a.Add(three, kDay), AddOutcome::Failed);
    EXPECT_NE(a.LastError().find("另一个程序"), std::string::npos) << a.LastError();
    sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(holder);
    EXPECT_EQ(a.Add(three, kDay), AddOutcome::Added);

    SqliteNotebookStore storeC;
    ASSERT_TRUE(storeC.Open(Path()).ok());
    Notebook c(&storeC);
    ASSERT_TRUE(c.Open());
    EXPECT_EQ(c.Size(), 2u);
    EXPECT_EQ(c.Find(two.id)->problem, "2－(2＋1)");
    EXPECT_NE(c.Find(three.id), nullptr);
}

} // namespace
} // namespace qimbel
