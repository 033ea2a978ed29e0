// The handbooks of the knowledge page as they lie in the build's data folder: one file per label,
// the right title in each, every internal link leading somewhere, and the formula handbook
// written from every formula file.
#include "tools/Handbooks.h"
#include "cli/Encoding.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include <sys/stat.h>
#include <unistd.h>

using namespace qimbel;
namespace fs = std::filesystem;

namespace {

// UTF-8 text of the test, whatever the execution character set of the literals.
std::string U8(const char8_t *text) { return reinterpret_cast<const char *>(text); }

std::string ReadFile(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

fs::path Folder() { return HandbookFolder(Solver().GetLuJing()); }

// A scratch folder that is removed at the end of the test.
struct Scratch {
    fs::path path;
    Scratch()
    {
        path = fs::temp_directory_path() / ("qimbel-handbooks-" + std::to_string(::getpid()));
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~Scratch()
    {
        std::error_code ignored;
        fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(path, ignored);
    }
};

} // namespace

TEST(Handbooks, EveryLabelHasOneTargetInItsGroup)
{
    std::set<int> ids;
    std::set<std::string> labels, files;
    std::vector<int> order;
    for (const Handbook &book : Handbooks()) {
        EXPECT_TRUE(ids.insert(book.id).second) << book.id;
        EXPECT_TRUE(labels.insert(book.label).second) << book.id;
        EXPECT_TRUE(files.insert(book.file).second) << book.file;
        EXPECT_TRUE(std::regex_match(book.file, std::regex("[a-z]+\\.html"))) << book.file;
        bool known = false;
        for (const char *group : HandbookGroups())
            known = known || std::string(group) == book.group;
        EXPECT_TRUE(known) << book.id;
        order.push_back(book.id);
    }
    // The page's order, top to bottom through the three group boxes.
    EXPECT_EQ(order, (std::vector<int> {1205, 1206, 1204, 1208, 1209, 1203, 1207}));
}

TEST(Handbooks, EveryTargetIsInTheDataFolderWithItsLabelAsTitle)
{
    for (const Handbook &book : Handbooks()) {
        const fs::path file = Folder() / book.file;
        ASSERT_EQ(HandbookFault(file), kHandbookOpens) << file;
        const std::string text = ReadFile(file);
        const std::optional<std::string> title = GbkToUtf8Text(book.label);
        ASSERT_TRUE(title.has_value());
        EXPECT_NE(text.find("<title>" + *title + "</title>"), std::string::npos) << file;
        EXPECT_NE(text.find(U8(u8"<meta charset=\"utf-8\">")), std::string::npos) << file;
        // Every marker of the source has been replaced.
        EXPECT_EQ(text.find("qimbel:"), std::string::npos) << file;
    }
}

TEST(Handbooks, EveryInternalLinkResolves)
{
    const std::regex href("href=\"([^\"]*)\"");
    int links = 0;
    for (const fs::directory_entry &entry : fs::directory_iterator(Folder())) {
        const std::string text = ReadFile(entry.path());
        for (std::sregex_iterator it(text.begin(), text.end(), href), end; it != end; ++it) {
            const std::string link = (*it)[1];
            ++links;
            SCOPED_TRACE(entry.path().filename().string() + ": " + link);
            ASSERT_FALSE(link.empty());
            // The handbooks work without a network: no link leaves the folder.
            ASSERT_EQ(link.find(':'), std::string::npos);
            ASSERT_EQ(link.find('/'), std::string::npos);
            const std::size_t hash = link.find('#');
            const std::string name = link.substr(0, hash);
            const fs::path target = name.empty() ? entry.path() : Folder() / name;
            ASSERT_EQ(HandbookFault(target), kHandbookOpens);
            if (hash == std::string::npos)
                continue;
            const std::string anchor = link.substr(hash + 1);
            const std::string page = ReadFile(target);
            EXPECT_TRUE(page.find("id=\"" + anchor + "\"") != std::string::npos
                || page.find("name=\"" + anchor + "\"") != std::string::npos);
        }
    }
    EXPECT_GT(links, 100);
}

TEST(Handbooks, FormulaHandbookHoldsEveryFormulaFileAndTheUnitTable)
{
    const std::string text = ReadFile(Folder() / "shuxuegongshidinglvshouce.html");
    int files = 0;
    for (const fs::directory_entry &entry :
        fs::directory_iterator(fs::path(QIMBEL_SOURCE_DIR) / "data/Document/GongShi")) {
        ++files;
        const std::string name = entry.path().stem().string();
        EXPECT_NE(text.find("\">" + name + "</h3>"), std::string::npos) << name;
    }
    EXPECT_GE(files, 13);
    // A formula with its quantities out of their brackets, and rates worked out from the table.
    EXPECT_NE(text.find(U8(u8"<li>面积 ＝ 长×宽</li>")), std::string::npos);
    EXPECT_NE(text.find(U8(u8"<li>面积 ＝ π×半径×半径</li>")), std::string::npos);
    EXPECT_NE(text.find(U8(u8"<li>1公顷 ＝ 10000平方米</li>")), std::string::npos);
    EXPECT_NE(text.find(U8(u8"<li>1小时 ＝ 60分钟</li>")), std::string::npos);
    EXPECT_NE(text.find(U8(u8"<li>1立方分米 ＝ 1升</li>")), std::string::npos);
}

TEST(Handbooks, PupilHandbooksTakeTheHelpTexts)
{
    const std::string primary = ReadFile(Folder() / "xiaoxueshuxueaoshuzhishizongjieshouce.html");
    EXPECT_NE(primary.find(U8(u8"<h3 id=\"lx1\">数的读法</h3>")), std::string::npos);
    EXPECT_NE(primary.find(U8(u8"<pre>12345.06\n")), std::string::npos);
    const std::string junior = ReadFile(Folder() / "chuzhongshuxuezhishidian.html");
    EXPECT_NE(junior.find(U8(u8"<h3 id=\"lx27\">一元二次方程</h3>")), std::string::npos);
    EXPECT_NE(junior.find(U8(u8"“方程与不等式”页")), std::string::npos);
}

TEST(Handbooks, FaultsOfAMissingFolderFileOrUnreadableFile)
{
    Scratch scratch;
    const fs::path folder = HandbookFolder(scratch.path);
    EXPECT_EQ(HandbookFault(folder / "shuxueshouce.html"), 3);
    fs::create_directories(folder);
    EXPECT_EQ(HandbookFault(folder / "shuxueshouce.html"), 2);
    fs::create_directories(folder / "shuxueshouce.html");
    EXPECT_EQ(HandbookFault(folder / "shuxueshouce.html"), 2);
    std::ofstream(folder / "empty.html").close();
    EXPECT_EQ(HandbookFault(folder / "empty.html"), kHandbookOpens);
    if (::geteuid() != 0) {
        std::ofstream(folder / "locked.html") << "<p>x</p>";
        fs::permissions(folder / "locked.html", fs::perms::none);
        EXPECT_EQ(HandbookFault(folder / "locked.html"), 5);
    }
}

TEST(Handbooks, WarningTextsByCode)
{
    EXPECT_EQ(HyperlinkWarning(2), "无法打开手册：\n\n找不到这本手册的文件。");
    EXPECT_EQ(HyperlinkWarning(3), "无法打开手册：\n\n找不到放手册的文件夹。");
    EXPECT_EQ(HyperlinkReason(26), "手册的文件正被别的程序占用。");
    EXPECT_EQ(HyperlinkReason(7), "出现了未知的错误（7）。");
    EXPECT_EQ(HyperlinkReason(-2147483647 - 1), "出现了未知的错误（-2147483648）。");
}
