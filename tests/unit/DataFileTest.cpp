// Data files of a broken installation: a help text or table that is a folder, a device, a pipe
// or far too long must read as (part of) a text at once, and an edited table must be seen.
#include "solver/DataFile.h"
#include "numbers/IniFile.h"
#include "solver/FileStamp.h"
#include "solver/HelpFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <sys/stat.h>

using namespace qimbel;
using qimbel::numbers::IniFile;

namespace {

namespace fs = std::filesystem;

// A fresh folder of its own for each test.
class DataFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path()
            / ("qimbel-datafile-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Write(const std::string &name, const std::string &bytes)
    {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        return path.string();
    }

    fs::path folder_;
};

TEST_F(DataFileTest, OnlyRegularFilesAreRead)
{
    // A help text linked to an endless device, a folder in place of a file, a pipe that nobody
    // writes to (opening it would wait for a writer), a missing file: all read as empty texts.
    fs::create_symlink("/dev/zero", folder_ / "endless.txt");
    fs::create_directory(folder_ / "folder.txt");
    ASSERT_EQ(mkfifo((folder_ / "pipe.txt").c_str(), 0600), 0);
    for (const char *name : {"endless.txt", "folder.txt", "pipe.txt", "missing.txt"}) {
        const std::string path = (folder_ / name).string();
        EXPECT_EQ(ReadDataFile(path), "") << name;
        EXPECT_EQ(LoadHelpText(path, false), "") << name;
        EXPECT_EQ(IniFile(path).GetInt("DanWei", "Count", -1), -1) << name;
        EXPECT_EQ(IniFile::Cached(path)->GetInt("DanWei", "Count", -1), -1) << name;
    }
    // A link to a regular file is read like the file.
    fs::create_symlink(Write("real.txt", "甲\n"), folder_ / "link.txt");
    EXPECT_EQ(LoadHelpText((folder_ / "link.txt").string(), false), "甲\r\n");
}

TEST_F(DataFileTest, ALongFileIsReadUpToTheLimitInWholeLines)
{
    // 30-byte lines: the limit falls inside a line, which is dropped with the rest.
    std::string bytes;
    while (bytes.size() < 2 * kDataFileLimit)
        bytes += "一二三四五六七八九十abcdefgh\r\n";
    const std::string read = ReadDataFile(Write("long.txt", bytes));
    EXPECT_EQ(read.size(), kDataFileLimit / 30 * 30);
    EXPECT_EQ(read, bytes.substr(0, read.size()));
    // A file of exactly the limit is read whole; one line over it without a break reads empty.
    EXPECT_EQ(ReadDataFile(Write("exact.txt", std::string(kDataFileLimit, 'a'))).size(), kDataFileLimit);
    EXPECT_EQ(ReadDataFile(Write("oneline.txt", std::string(kDataFileLimit + 1, 'a'))), "");

    // A table whose keys go on past the limit keeps those before it.
    std::string table = "[DanWei]\nCount=100000\n";
    for (int i = 0; table.size() < 2 * kDataFileLimit; ++i)
        table += "danwei" + std::to_string(i) + "=〖1_千米〗〖1000_米〗\n";
    const IniFile ini(Write("danwei.ini", table));
    EXPECT_EQ(ini.GetInt("DanWei", "Count", 0), 100000);
    EXPECT_EQ(ini.GetString("DanWei", "danwei0", "default"), "〖1_千米〗〖1000_米〗");
    EXPECT_EQ(ini.GetString("DanWei", "danwei99999", "default"), "default");
    EXPECT_LT(ini.Keys("DanWei").size(), 10000u);
}

TEST_F(DataFileTest, HelpTextsTrimTheirLinesAndExamplesDropShortOnes)
{
    const std::string path = Write("1.txt", "  第一行 \r\n\r\nx\n最后一行");
    EXPECT_EQ(LoadHelpText(path, false), "第一行\r\n\r\nx\r\n最后一行\r\n");
    EXPECT_EQ(LoadHelpText(path, true), "第一行\r\n最后一行\r\n");
}

TEST_F(DataFileTest, TheSharedReadingFollowsChangesToTheFile)
{
    const std::string path = Write("danwei.ini", "[DanWei]\nCount=1\n");
    const auto first = IniFile::Cached(path);
    EXPECT_EQ(first->GetInt("DanWei", "Count", 0), 1);
    EXPECT_EQ(IniFile::Cached(path), first); // unchanged: the same reading
    Write("danwei.ini", "[DanWei]\nCount=22\n");
    EXPECT_EQ(IniFile::Cached(path)->GetInt("DanWei", "Count", 0), 22);
    fs::remove(path);
    EXPECT_EQ(IniFile::Cached(path)->GetInt("DanWei", "Count", 0), 0);
    // A reading still held by a caller stays as it was.
    EXPECT_EQ(first->GetInt("DanWei", "Count", 0), 1);
}

// During a compute a file is looked at once: a change counts from the next compute, and a scope
// within another one does not start afresh.
TEST_F(DataFileTest, WithinAComputeAFileIsLookedAtOnce)
{
    const std::string path = Write("danwei.ini", "[DanWei]\nCount=1\n");
    {
        const FileStampScope compute;
        EXPECT_EQ(IniFile::Cached(path)->GetInt("DanWei", "Count", 0), 1);
        Write("danwei.ini", "[DanWei]\nCount=22\n");
        {
            const FileStampScope inner;
            EXPECT_EQ(IniFile::Cached(path)->GetInt("DanWei", "Count", 0), 1);
        }
        EXPECT_EQ(IniFile::Cached(path)->GetInt("DanWei", "Count", 0), 1);
        EXPECT_TRUE(StampOf(path).regular);
        EXPECT_FALSE(StampOf(folder_.string()).regular);
        EXPECT_FALSE(StampOf((folder_ / "none.ini").string()).exists);
        ASSERT_EQ(EntriesOf(folder_.string()).size(), 1u);
        Write("gongshi.ini", "");
        EXPECT_EQ(EntriesOf(folder_.string()).size(), 1u);
    }
    EXPECT_EQ(IniFile::Cached(path)->GetInt("DanWei", "Count", 0), 22);
    const std::vector<FolderEntry> entries = EntriesOf(folder_.string());
    EXPECT_EQ(entries.size(), 2u);
    for (const FolderEntry &entry : entries)
        EXPECT_TRUE(entry.regular) << entry.name;
    EXPECT_TRUE(EntriesOf((folder_ / "none").string()).empty());
    const FileStampScope next;
    fs::remove(path);
    EXPECT_FALSE(StampOf(path).exists);
    EXPECT_EQ(IniFile::Cached(path)->GetInt("DanWei", "Count", 0), 0);
}

} // namespace
