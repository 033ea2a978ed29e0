#include "numbers/IniFile.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

using namespace qimbel;
using qimbel::numbers::IniFile;

namespace {

// Writes an INI text to a file of its own and gives its path.
std::string IniWith(const std::string &name, const std::string &text)
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() / ("qimbel-numbers-" + name + ".ini");
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

} // namespace

TEST(IniFile, ReadsSectionsKeysAndDefaults)
{
    const IniFile ini(IniWith("basic",
        "; a comment\r\n[DanWei]\r\nCount = 2 \r\ndanwei0=\"〖1_元〗\"\r\nnokey\r\ndanwei0=second\r\n"
        "[other]\r\nCount=9\r\n[danwei]\r\nCount=5\r\n"));
    EXPECT_EQ(ini.GetInt("DanWei", "Count", 0), 2);
    EXPECT_EQ(ini.GetInt("danwei", "COUNT", 0), 2); // names match without case; the first section counts
    EXPECT_EQ(ini.GetString("DanWei", "danwei0", "default"), "〖1_元〗");
    EXPECT_EQ(ini.GetString("DanWei", "danwei1", "default"), "default");
    EXPECT_EQ(ini.GetString("Missing", "danwei0", "default"), "default");
    EXPECT_EQ(ini.GetInt("DanWei", "danwei1", 7), 7);
    EXPECT_EQ(ini.GetInt("DanWei", "danwei0", 7), 0);
}

TEST(IniFile, CutsLongValuesToTheBufferAndClampsNumbers)
{
    const std::string longValue(100000, 'x');
    const IniFile ini(IniWith("long", "[s]\nv=" + longValue + "\nn=99999999999999\nm=-12abc\n"));
    EXPECT_EQ(ini.GetString("s", "v", "default").size(), 259u);
    EXPECT_EQ(ini.GetString("s", "v", "default", 1), "");
    EXPECT_EQ(ini.GetString("s", "w", "default", 4), "def");
    EXPECT_EQ(ini.GetInt("s", "n", 0), 2147483647);
    EXPECT_EQ(ini.GetInt("s", "m", 0), -12);
}

TEST(IniFile, AMissingFileIsEmpty)
{
    const IniFile ini("/nonexistent/qimbel/danwei.ini");
    EXPECT_EQ(ini.GetInt("DanWei", "Count", 0), 0);
    EXPECT_TRUE(ini.Keys("DanWei").empty());
}

TEST(DanWeiZhuanHuan, FillsFromTheLeftSide)
{
    Solver s;
    EXPECT_EQ(s.DanWeiZhuanHuan("3千米＝()米", 1), "3千米=3000米");
    EXPECT_EQ(s.DanWeiZhuanHuan("2.5千米＝()米", 4), "2.5千米=2500米");
    EXPECT_EQ(s.DanWeiZhuanHuan("300厘米＝()米", 1), "300厘米=3米");
    EXPECT_EQ(s.DanWeiZhuanHuan("5升＝()毫升", 1), "5升=5000毫升");
    EXPECT_EQ(s.DanWeiZhuanHuan("2平方千米＝()公顷", 1), "2平方千米=200公顷");
    EXPECT_EQ(s.DanWeiZhuanHuan("1天＝()时", 1), "1天=24时");
    EXPECT_EQ(s.DanWeiZhuanHuan("3元＝()角", 1), "3元=30角");
}

TEST(DanWeiZhuanHuan, FillsTheSideWithTheSmallerTotal)
{
    Solver s;
    EXPECT_EQ(s.DanWeiZhuanHuan("()米＝3千米", 1), "3000米=3千米");
    EXPECT_EQ(s.DanWeiZhuanHuan("3千米＝2千米()米", 1), "3千米=2千米1000米");
    // 2 = 3 + x has no answer among lengths: the unknown stays open.
    EXPECT_EQ(s.DanWeiZhuanHuan("2千米＝3千米()米", 1), "2千米=3千米()米");
    EXPECT_EQ(s.DanWeiZhuanHuan("3.5千米＝()千米()米", 5),
        "3.5千米=3千米500米\r\n\r\n第1步：3.5 - 3=0.5\r\n"
        "第2步：0.5千米=0.5×1000=500米  (米与千米之间是1000进，由千米化为米，则 ×1000 )\r\n");
}

TEST(DanWeiZhuanHuan, TellsMinutesFromFen)
{
    Solver s;
    // 分 is a unit of time and of money; the other side decides.
    EXPECT_EQ(s.DanWeiZhuanHuan("90分＝()时", 1), "90分=1.5时");
    EXPECT_EQ(s.DanWeiZhuanHuan("120分＝()元", 1), "120分=1.2元");
    EXPECT_EQ(s.DanWeiZhuanHuan("2时30分＝()分", 1), "2时30分=150分");
}

TEST(DanWeiZhuanHuan, LeavesWhatItCannotConvert)
{
    Solver s;
    EXPECT_EQ(s.DanWeiZhuanHuan("3千米", 5), "3千米");
    EXPECT_EQ(s.DanWeiZhuanHuan("3千米＝()克", 5), "3千米＝()克");
    EXPECT_EQ(s.DanWeiZhuanHuan("3光年＝()米", 5), "3光年＝()米");
    EXPECT_EQ(s.DanWeiZhuanHuan("3千米＝()", 5), "3千米＝()");
    EXPECT_EQ(s.DanWeiZhuanHuan("＝", 5), "＝");
    EXPECT_EQ(s.DanWeiZhuanHuan("", 5), "");
    std::string many;
    for (int i = 0; i < 2000; ++i)
        many += "1米";
    EXPECT_EQ(s.DanWeiZhuanHuan(many + "＝()千米", 1), many + "=2千米");
}
