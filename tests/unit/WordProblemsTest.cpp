// Formula word problems: what the routine takes from a problem, how it plans the formulas, and
// how it copes with files written by hand (or by an accident). Whole worked solutions of the
// shipped files are golden texts; these tests use small files of their own.
#include "pages/Headless.h"
#include "pages/ProblemPage.h"
#include "pages/Session.h"
#include "pages/TypeTable.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"
#include "wordproblems/FormulaFile.h"
#include "wordproblems/FormulaIndex.h"
#include "wordproblems/FormulaText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;
using namespace qimbel;
using namespace qimbel::wordproblems;

namespace {

// A folder of formula files made for one test (GBK names and contents, as installed).
class FormulaFolderTest : public testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path()
            / ("qimbel-formulas-" + std::to_string(::getpid()) + "-"
                + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    void Write(const std::string &name, const std::string &text) { WriteBytes(folder_ / (name + ".ini"), text); }
    static void WriteBytes(const fs::path &path, const std::string &bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    // A file from its quantities and formulas, keys numbered from 0.
    void WriteFile(
        const std::string &name, const std::vector<std::string> &quantities, const std::vector<std::string> &formulas)
    {
        Write(name, FileText(quantities, formulas));
    }
    static std::string FileText(const std::vector<std::string> &quantities, const std::vector<std::string> &formulas)
    {
        std::string text = "[SheZhi]\r\nBianLiangCount=" + IntText(static_cast<long long>(quantities.size()))
            + "\r\nGongShiCount=" + IntText(static_cast<long long>(formulas.size())) + "\r\n[BianLiang]\r\n";
        for (std::size_t i = 0; i < quantities.size(); ++i)
            text += "bianliang" + IntText(static_cast<long long>(i)) + "=" + quantities[i] + "\r\n";
        text += "[GongShi]\r\n";
        for (std::size_t i = 0; i < formulas.size(); ++i)
            text += "gongshi" + IntText(static_cast<long long>(i)) + "=" + formulas[i] + "\r\n";
        return text;
    }
    std::string Solve(const std::string &line) { return solver_.GongShiJieTi(line, folder_.string()); }

    fs::path folder_;
    Solver solver_;
};

// The part of a worked solution after the heading of the known conditions.
std::string Body(const std::string &worked)
{
    const int p = Find(worked, "已知条件：\r\n");
    return p < 0 ? worked : Mid(worked, p + Len("已知条件：\r\n"));
}

TEST(FormulaText, ReadsTheNameTheHeadTheInputsAndTheDisplay)
{
    const std::optional<NamedProblem> named = SplitFormulaName("说明〖长方形〗长是5米，");
    ASSERT_TRUE(named.has_value());
    EXPECT_EQ(named->name, "长方形");
    EXPECT_EQ(named->problem, "长是5米，");
    EXPECT_FALSE(SplitFormulaName("长方形的长是5米"));
    EXPECT_FALSE(SplitFormulaName("〖长方形的长是5米"));
    EXPECT_FALSE(SplitFormulaName("〗长方形〖的长"));
    EXPECT_FALSE(SplitFormulaName("〖〗长是5"));

    const std::string formula = "〖面积〗(〔上底〕＋〔下底〕)×〔高〕÷2×〔高〕";
    EXPECT_EQ(FormulaHead(formula), "面积");
    EXPECT_EQ(FormulaBody(formula), "(〔上底〕＋〔下底〕)×〔高〕÷2×〔高〕");
    EXPECT_EQ(FormulaInputs(formula), (std::vector<std::string> {"上底", "下底", "高"}));
    EXPECT_EQ(FormulaDisplay(formula), "面积＝(上底＋下底)×高÷2×高");
    EXPECT_EQ(FormulaHead("面积〗〔长〕"), "");
}

TEST(FormulaText, FindsTheFirstNumberOfAClause)
{
    EXPECT_EQ(FirstNumberToken("长是5.5米"), "5.5");
    EXPECT_EQ(FirstNumberToken("工作效率是1/10"), "1/10");
    EXPECT_EQ(FirstNumberToken("第1个长方形的长是5米"), "1");
    EXPECT_EQ(FirstNumberToken("长是五米"), "");
}

TEST(FormulaText, ANameCountsOnlyOutsideLongerNames)
{
    // 长 inside 周长 and inside the file name 长方形; 面积 inside 底面积; the same text twice
    // (a file named after one of its quantities) hides nothing.
    const std::vector<std::string> names = {"长", "周长", "面积", "底面积", "长方形"};
    EXPECT_EQ(OwnPositions("周长是16米", names), (std::vector<int> {-1, 0, -1, -1, -1}));
    EXPECT_EQ(OwnPositions("长方形的长是5米", names), (std::vector<int> {8, -1, -1, -1, 0}));
    EXPECT_EQ(OwnPositions("底面积是12，面积是", names), (std::vector<int> {-1, -1, 12, 0, -1}));
    EXPECT_EQ(OwnPositions("总价是12", {"总价", "单价", "总价"}), (std::vector<int> {0, -1, 0}));
    EXPECT_EQ(OwnPositions("", names), (std::vector<int>(5, -1)));
}

TEST_F(FormulaFolderTest, AFileNamedAfterItsQuantityStillAsksForIt)
{
    WriteFile("总价", {"总价", "单价", "数量"}, {"〖总价〗〔单价〕×〔数量〕"});
    const std::string worked = Solve("〖总价〗单价是3元，数量是4支，求总价是多少元？");
    EXPECT_TRUE(Contains(worked, "总价＝单价×数量\r\n＝3×4\r\n")) << worked;
}

TEST_F(FormulaFolderTest, AQuantityInsideALongerNameIsNeitherSetNorAsked)
{
    WriteFile("柱", {"面积", "底面积", "高", "体积"}, {"〖体积〗〔底面积〕×〔高〕", "〖面积〗〔高〕×2"});
    const std::string worked = Solve("〖柱〗底面积是12，高是3，求体积是多少？");
    // 12×3 is 5 bytes, 36 is 2: the label stands 5 - 2 + 10 blanks after the result.
    EXPECT_EQ(Body(worked),
        "高: 3\r\n底面积: 12\r\n\r\n体积＝底面积×高\r\n＝12×3\r\n＝36" + std::string(13, ' ')
            + "第1步:12×3=36 的乘法计算\r\n\r\n答：体积是36。\r\n\r\n\r\n");
}

TEST_F(FormulaFolderTest, AnUnclosedLastClauseIsStillRead)
{
    WriteFile("长方形", {"长", "宽", "面积"}, {"〖面积〗〔长〕×〔宽〕"});
    EXPECT_TRUE(Contains(Solve("〖长方形〗长是5，宽是3，求面积是多少"), "＝5×3\r\n"))
        << Solve("〖长方形〗长是5，宽是3，求面积是多少");
    // A number in a question asks, it does not give a value.
    const std::string worked = Solve("〖长方形〗长是5，宽是3，求2号长方形的面积是多少？");
    EXPECT_TRUE(Contains(worked, "＝5×3\r\n")) << worked;
    EXPECT_FALSE(Contains(worked, "面积: 2")) << worked;
    // A question need not say 求; without any question the page says how to ask, and which names
    // the file knows.
    EXPECT_TRUE(Contains(Solve("〖长方形〗长是5，宽是3，面积是多少？"), "＝5×3\r\n"));
    EXPECT_EQ(Body(Solve("〖长方形〗长是5，宽是3。")),
        "宽: 3\r\n长: 5\r\n\r\n没有找到要求的量：请用“求……是多少？”提问。公式文件〖长方形〗中的量有：长、宽、面积。\r\n\r\n\r\n");
}

TEST_F(FormulaFolderTest, AGivenQuantityIsNotWorkedOutAgain)
{
    WriteFile(
        "长方形", {"长", "宽", "面积"}, {"〖面积〗〔长〕×〔宽〕", "〖宽〗〔面积〕÷〔长〕", "〖长〗〔面积〕÷〔宽〕"});
    EXPECT_EQ(Body(Solve("〖长方形〗面积是15，长是5，宽是3，求宽是多少？求宽是多少？")),
        "面积: 15\r\n宽: 3\r\n长: 5\r\n\r\n宽已知：3。\r\n\r\n答：宽是3。\r\n\r\n\r\n");
    // Asked twice, or asked after another question needed it: worked out once.
    const std::string twice = Body(Solve("〖长方形〗面积是15，长是5，求宽是多少？求宽是多少？"));
    EXPECT_EQ(twice,
        "面积: 15\r\n长: 5\r\n\r\n宽＝面积÷长\r\n＝15÷5\r\n＝3" + std::string(14, ' ')
            + "第1步:15÷5=3 的除法计算\r\n\r\n答：宽是3。\r\n\r\n\r\n");
}

TEST_F(FormulaFolderTest, OneQuestionMayAskForSeveralQuantitiesInItsOwnOrder)
{
    WriteFile("长方形", {"长", "宽", "面积", "周长"}, {"〖面积〗〔长〕×〔宽〕", "〖周长〗(〔长〕＋〔宽〕)×2"});
    const std::string worked = Solve("〖长方形〗长是5，宽是3，求周长和面积各是多少？");
    EXPECT_LT(Find(worked, "周长＝"), Find(worked, "面积＝")) << worked;
    EXPECT_GE(Find(worked, "面积＝"), 0) << worked;
}

TEST_F(FormulaFolderTest, AFormulaWithoutItsInputsSaysWhatIsMissing)
{
    WriteFile("长方体", {"长", "宽", "高", "体积"}, {"〖体积〗〔长〕×〔宽〕×〔高〕"});
    EXPECT_EQ(Body(Solve("〖长方体〗长是5，求体积是多少？")),
        "长: 5\r\n\r\n体积＝长×宽×高\r\n条件不足，缺少宽、高，无法求出体积。\r\n\r\n\r\n");
    // A division by 0 gives no value: the formulas that need it say so instead of working on it.
    WriteFile("长方形", {"长", "宽", "面积", "周长"}, {"〖长〗〔面积〕÷〔宽〕", "〖周长〗(〔长〕＋〔宽〕)×2"});
    const std::string worked = Solve("〖长方形〗面积是15，宽是0，求长是多少？求周长是多少？");
    EXPECT_TRUE(Contains(worked, "无法求出长。\r\n")) << worked;
    EXPECT_TRUE(Contains(worked, "周长＝(长＋宽)×2\r\n条件不足，缺少长，无法求出周长。\r\n")) << worked;
    EXPECT_FALSE(Contains(worked, "未知")) << worked;

    // A value that is no number is not taken; a negative result is a value all the same, and is
    // bracketed in the next formula.
    EXPECT_TRUE(Contains(Solve("〖长方形〗面积是15，宽是5%，求长是多少？"), "条件不足，缺少宽，无法求出长。"));
    WriteFile("差", {"a", "b", "c"}, {"〖b〗〔a〕－5", "〖c〗6÷〔b〕"});
    const std::string negative = Solve("〖差〗a是2，求b是多少？求c是多少？");
    EXPECT_TRUE(Contains(negative, "c＝6÷b\r\n＝6÷(－3)\r\n")) << negative;
    EXPECT_TRUE(Contains(negative, "\r\n＝－2 ")) << negative;
    EXPECT_FALSE(Contains(negative, "无法求出")) << negative;
}

TEST_F(FormulaFolderTest, PlanningEndsOnCyclesAndOrdersEveryFormulaAfterItsInputs)
{
    // a needs b, b needs a: nothing to evaluate. c defines itself.
    WriteFile("环", {"a", "b", "c", "d"}, {"〖a〗〔b〕×2", "〖b〗〔a〕÷2", "〖c〗〔c〕＋1", "〖d〗〔c〕×〔a〕"});
    EXPECT_TRUE(Contains(Solve("〖环〗求a是多少？"), "a＝b×2\r\n条件不足，缺少b，无法求出a。"))
        << Solve("〖环〗求a是多少？");
    EXPECT_TRUE(Contains(Solve("〖环〗求c是多少？"), "条件不足，缺少c，无法求出c。"));

    // A chain written backwards in the file: e from d from c from b from a.
    WriteFile("链", {"a", "b", "c", "d", "e"},
        {"〖e〗〔d〕＋1", "〖d〗〔c〕＋1", "〖c〗〔b〕＋〔a〕", "〖b〗〔a〕＋1", "〖a〗〔e〕－4"});
    const std::string worked = Solve("〖链〗a是1，求e是多少？");
    int last = -1;
    for (const char *head : {"\r\nb＝", "\r\nc＝", "\r\nd＝", "\r\ne＝"}) {
        const int at = Find(worked, head);
        EXPECT_GT(at, last) << head << "\n" << worked;
        last = at;
    }
    EXPECT_TRUE(Contains(worked, "e＝d＋1\r\n＝4＋1\r\n＝5 ")) << worked; // b = 2, c = 3, d = 4
    EXPECT_FALSE(Contains(worked, "条件不足")) << worked;
    EXPECT_FALSE(Contains(worked, "a＝")) << worked;
}

TEST_F(FormulaFolderTest, ATangleOfFormulasEndsQuickly)
{
    // Forty quantities, each defined from every pair of others: the search gives up in time.
    std::vector<std::string> quantities;
    for (int i = 0; i < 40; ++i)
        quantities.push_back("q" + IntText(i));
    std::vector<std::string> formulas;
    for (int i = 0; i < 40 && formulas.size() < 390; ++i)
        for (int j = 0; j < 40 && formulas.size() < 390; j += 3)
            formulas.push_back(
                "〖q" + IntText(i) + "〗〔q" + IntText(j) + "〕＋〔q" + IntText((j + i + 1) % 40) + "〕");
    WriteFile("乱", quantities, formulas);
    const std::string worked = Solve("〖乱〗求q0是多少？求q1是多少？求q2是多少？");
    EXPECT_TRUE(Contains(worked, "条件不足")) << worked;
}

TEST_F(FormulaFolderTest, HostileFilesGiveAClearText)
{
    // Empty.
    Write("空", "");
    EXPECT_TRUE(Contains(Solve("〖空〗长是5，求面积是多少？"), "公式文件〖空〗中没有可用的公式。"));
    // Binary.
    std::mt19937 random(7);
    std::string bytes;
    for (int i = 0; i < 20000; ++i)
        bytes += static_cast<char>(random() % 256);
    Write("乱码", "[SheZhi]\nBianLiangCount=3\nGongShiCount=3\n[BianLiang]\n" + bytes);
    EXPECT_TRUE(Contains(Solve("〖乱码〗长是5，求面积是多少？"), "〗中没有可用的公式。"));
    // Huge counts, a value of 10,000 bytes (cut to 259, never half a character), a formula
    // without 〗, one that names a quantity the file does not have.
    std::string longName;
    for (int i = 0; i < 5000; ++i)
        longName += "长";
    Write("大",
        "[SheZhi]\nBianLiangCount=2147483647\nGongShiCount=99999999999\n[BianLiang]\nbianliang0=长\nbianliang1=宽\n"
        "bianliang7=面积\nbianliang2="
            + longName
            + "\nbianliang01=错\n[GongShi]\ngongshi0=〖面积〔长〕×〔宽〕\ngongshi1=〖面积〗〔长〕×〔高〕\n"
              "gongshi9=〖面积〗〔长〕×〔宽〕\n");
    const FormulaFile file = ReadFormulaFile(folder_.string(), "大");
    EXPECT_EQ(file.quantities.Items(), (std::vector<std::string> {"面积", "宽", "长"}));
    EXPECT_EQ(file.formulas.Items(), (std::vector<std::string> {"〖面积〗〔长〕×〔宽〕"}));
    EXPECT_TRUE(Contains(Solve("〖大〗长是5，宽是3，求面积是多少？"), "＝5×3"));
    // Larger than any formula file: not read.
    Write("巨", std::string(100 * 1024, ';'));
    EXPECT_TRUE(Contains(Solve("〖巨〗长是5，求面积是多少？"), "公式文件〖巨〗太大，无法读取。"));
}

TEST_F(FormulaFolderTest, ANameIsNeverAPathAndAMissingFileListsTheOthers)
{
    WriteFile("长方形", {"长", "宽", "面积"}, {"〖面积〗〔长〕×〔宽〕"});
    fs::create_directories(folder_ / "sub");
    std::ofstream(folder_ / "sub" / "x.ini") << "[SheZhi]\nBianLiangCount=1\n";
    for (const char *name : {"sub/x", "../长方形", "..", "sub\\x"}) {
        const std::string worked = Solve("〖" + std::string(name) + "〗长是5，求面积是多少？");
        EXPECT_TRUE(
            Contains(worked, "没有找到公式文件〖" + std::string(name) + "〗。\r\n可以使用的公式文件：长方形。\r\n"))
            << worked;
    }
}

// File names as installed: UTF-8 bytes (the sources are compiled to GBK, so they are spelled out).
const std::string kRectangleUtf8 = "\xE9\x95\xBF\xE6\x96\xB9\xE5\xBD\xA2"; // 长方形
const std::string kTriangleUtf8 = "\xE4\xB8\x89\xE8\xA7\x92\xE5\xBD\xA2"; // 三角形
const std::string kTrapezoidUtf8 = "\xE6\xA2\xAF\xE5\xBD\xA2"; // 梯形
const std::string kTotalUtf8 = "\xE6\x80\xBB\xE4\xBB\xB7"; // 总价: its bytes pair up as GBK too

TEST_F(FormulaFolderTest, TheIndexLeadsFromTheTypedNameToTheReadableFile)
{
    const std::string line = "长是5，宽是3，求面积是多少？";
    // The indexed file counts, not a GBK-named one beside it.
    WriteBytes(folder_ / (kRectangleUtf8 + ".ini"), FileText({"长", "宽", "面积"}, {"〖面积〗〔长〕×〔宽〕"}));
    WriteFile("长方形", {"长", "宽", "面积"}, {"〖面积〗〔长〕＋〔宽〕"});
    // Readable files that the index does not know (listed by no name, even where the bytes of the
    // name pair up as GBK), a GBK-named file, an entry whose file is gone.
    WriteBytes(folder_ / (kTriangleUtf8 + ".ini"), FileText({"底", "高", "面积"}, {"〖面积〗〔底〕×〔高〕÷2"}));
    WriteFile("圆", {"半径", "面积"}, {"〖面积〗〔半径〕×〔半径〕×3.14"});
    WriteBytes(folder_ / (kTotalUtf8 + ".ini"), FileText({"总价", "单价", "数量"}, {"〖总价〗〔单价〕×〔数量〕"}));
    std::string index = "长方形\t" + kRectangleUtf8 + ".ini\r\n梯形\t" + kTrapezoidUtf8 + ".ini\r\n";
    WriteBytes(folder_ / kFormulaIndexName, index);

    EXPECT_TRUE(Contains(Solve("〖长方形〗" + line), "面积＝长×宽\r\n＝5×3")) << Solve("〖长方形〗" + line);
    EXPECT_TRUE(Contains(Solve("〖圆〗半径是2，求面积是多少？"), "＝2×2×3.14"));
    // Each available name once, by its GBK name, in byte order; nothing of the UTF-8 names.
    const std::string listed = "可以使用的公式文件：长方形、圆。\r\n";
    EXPECT_TRUE(Contains(Solve("〖三角形〗" + line), "没有找到公式文件〖三角形〗。\r\n" + listed));
    EXPECT_TRUE(Contains(Solve("〖梯形〗" + line), "没有找到公式文件〖梯形〗。\r\n" + listed));

    // An entry whose file is gone falls back to the GBK name.
    WriteFile("梯形", {"上底", "下底", "高", "面积"}, {"〖面积〗(〔上底〕＋〔下底〕)×〔高〕÷2"});
    EXPECT_TRUE(Contains(Solve("〖梯形〗上底是2，下底是4，高是3，求面积是多少？"), "＝(2＋4)×3÷2"));
    // A teacher adds a line to the index while the program runs: the new reading counts.
    WriteBytes(folder_ / kFormulaIndexName, index + "三角形\t" + kTriangleUtf8 + ".ini\r\n");
    EXPECT_TRUE(Contains(Solve("〖三角形〗底是4，高是3，求面积是多少？"), "＝4×3÷2"));
    EXPECT_EQ(FormulaFileNames(folder_.string()), (std::vector<std::string> {"长方形", "三角形", "梯形", "圆"}));
}

TEST_F(FormulaFolderTest, ADamagedIndexNeverLeadsOutOfTheFolder)
{
    // Formula files outside the formula folder, which no line of the index may reach.
    const fs::path inner = folder_ / "GongShi";
    fs::create_directories(inner / "sub");
    const std::string rectangle = FileText({"长", "宽", "面积"}, {"〖面积〗〔长〕×〔宽〕"});
    WriteBytes(folder_ / "outside.ini", rectangle);
    WriteBytes(inner / "sub" / "x.ini", rectangle);
    WriteBytes(inner / "sub.ini", rectangle); // a sound target, for the first line
    WriteBytes(inner / "hidden.ini", rectangle);

    const std::string damaged = "好\tsub.ini\r\n" // the one sound line
                                "外\t../outside.ini\r\n子\tsub/x.ini\n反\t..\\outside.ini\n上\t..\n根\t/etc/passwd\n"
                                "点\t.ini\n藏\t.hidden.ini\n无\toutside\n空\t\n\thidden.ini\n控\thid\001den.ini\n"
                                "表\tsub\t.ini\n../outside\toutside.ini\n没有制表符 hidden.ini\n\n\r\n"
                                "好\thidden.ini\n" // a second line of a name does not count
                                "尾\thidden.ini"; // the last line may go without a line end
    WriteBytes(inner / kFormulaIndexName, damaged);
    const FormulaIndex index((inner / kFormulaIndexName).string());
    EXPECT_EQ(index.Files(), (std::map<std::string, std::string> {{"好", "sub.ini"}, {"尾", "hidden.ini"}}));

    const std::string line = "长是5，宽是3，求面积是多少？";
    EXPECT_TRUE(Contains(solver_.GongShiJieTi("〖好〗" + line, inner.string()), "＝5×3"));
    for (const char *name :
        {"外", "子", "反", "上", "根", "点", "藏", "无", "空", "控", "表", "../outside", "没有制表符"}) {
        const std::string worked = solver_.GongShiJieTi("〖" + std::string(name) + "〗" + line, inner.string());
        EXPECT_TRUE(
            Contains(worked, "没有找到公式文件〖" + std::string(name) + "〗。\r\n可以使用的公式文件：好、尾。\r\n"))
            << name;
        EXPECT_FALSE(Contains(worked, "＝5×3")) << name;
    }

    // An empty index, bytes of every kind, an index that is a folder: the GBK names still work.
    std::mt19937 random(131);
    std::string bytes;
    for (int i = 0; i < 20000; ++i)
        bytes += static_cast<char>(random() % 256);
    for (const std::string &text : {std::string(), bytes, std::string("\t\t\t\r\r\n\t")}) {
        WriteBytes(inner / kFormulaIndexName, text);
        EXPECT_TRUE(Contains(solver_.GongShiJieTi("〖hidden〗" + line, inner.string()), "＝5×3"));
        for (const std::string &name : FormulaFileNames(inner.string()))
            EXPECT_TRUE(IsSafeFormulaName(name) && fs::is_regular_file(inner / (name + ".ini"))) << name;
    }
    fs::remove(inner / kFormulaIndexName);
    fs::create_directories(inner / kFormulaIndexName);
    EXPECT_TRUE(Contains(solver_.GongShiJieTi("〖sub〗" + line, inner.string()), "＝5×3"));
    EXPECT_EQ(FormulaFileNames(inner.string()), (std::vector<std::string> {"hidden", "sub"}));
}

TEST_F(FormulaFolderTest, ALongLineEndsQuicklyWithAClearText)
{
    WriteFile("长方形", {"长", "宽", "面积"}, {"〖面积〗〔长〕×〔宽〕"});
    std::string line = "〖长方形〗";
    while (Len(line) < 300000)
        line += "长是5，宽是3，";
    // The sentence of every page's line limit, and nothing else under the header.
    EXPECT_EQ(Solve(line),
        std::string(kWordProblemHeader) + "\r\n这一行太长，无法计算：一行最多可以有1024个字符。\r\n\r\n\r\n");
    // Long values within the bound: the expression stays bounded too.
    std::string digits(480, '9');
    const std::string worked = Solve("〖长方形〗长是" + digits + "，宽是" + digits + "，求面积是多少？");
    EXPECT_TRUE(Contains(worked, "面积＝长×宽")) << Len(worked);
}

TEST(WordProblemPage, HasItsOwnTitleSummaryExampleAndMessage)
{
    ResetSession();
    SetCurrentType(20);
    ProblemPage page(kPage131);
    EXPECT_EQ(page.Title(), "公式应用题");
    EXPECT_TRUE(Contains(page.Summary(), "〖"));
    page.Example();
    EXPECT_TRUE(Contains(page.EditText(), "〖长方形〗")) << page.EditText();

    // 公式应用题 shows the introduction only when 显示简介 is checked; it is not at the start.
    page.SetEditText("typed");
    page.ShowWordProblems();
    EXPECT_EQ(page.EditText(), "typed");
    PageOptions options = page.Options();
    options.showIntro = true;
    page.SetOptions(options);
    page.ShowWordProblems();
    EXPECT_EQ(page.EditText(), "typed"); // typed problems are never replaced
    page.Clear();
    page.ShowWordProblems();
    EXPECT_TRUE(Contains(page.EditText(), "〖名称〗") || Contains(page.EditText(), "〖长方形〗"));

    // One message box per line that names no formula file and whose words match none; the other
    // lines are solved, and compute stays enabled.
    page.SetEditText("一共有多少？\r\n〖长方形〗长是5，宽是3，求面积是多少？\r\n〖〗宽是3\r\n");
    page.Check();
    page.Compute();
    EXPECT_EQ(page.TakeMessages(), (std::vector<std::string>(2, kNameMissingMessage)));
    EXPECT_TRUE(page.TakeMessages().empty());
    EXPECT_TRUE(page.ComputeEnabled());
    EXPECT_TRUE(Contains(page.EditText(), "＝5×3"));

    // A second compute replaces the results rather than adding to them.
    page.Compute();
    EXPECT_EQ(Find(page.EditText(), "解题过程"), ReverseFind(page.EditText(), "解题过程"));
}

TEST(WordProblemPage, HeadlessRunHandsTheMessagesBack)
{
    HeadlessRequest request;
    request.page = 131;
    std::vector<std::string> messages;
    const std::string text = RunHeadless(request, "长方形的长是5米\r\n", &messages);
    EXPECT_EQ(text, "长方形的长是5米\r\n\r\n\r\n\r\n");
    EXPECT_EQ(messages, std::vector<std::string> {kNameMissingMessage});
}

} // namespace

// The page's line limit: the largest lines of the shapes that make the page work hardest write
// bounded text, and a longer line is answered with the sentence of every page, the line itself
// standing once in the text box.
TEST(WordProblemPage, LinesAtTheLimitStayBoundedAndLongerOnesAreRefusedOnce)
{
    auto fill = [](std::string text, const std::string &piece, const std::string &end) {
        while (Len(text) + Len(piece) + Len(end) <= kLongestWordProblemLine)
            text += piece;
        return text + end;
    };
    HeadlessRequest request;
    request.page = 131;
    request.gbk = true;
    const std::string digits(150, '7');
    const std::string all = "求长、宽、高、底面积、体积、表面积、棱长总和各是多少？";
    for (const std::string &line :
        {fill("〖长方体〗长是" + digits + "千米，宽是" + digits + "厘米，高是" + digits + "毫米，", "长比宽多1米，",
             all),
            fill("〖长方体〗", "长是宽的3/5，宽比高少2分米，高是1.5米，", all),
            fill("〖圆柱〗底面积是" + digits + "平方分米，高是2米，", "求底面半径是多少厘米？", "")}) {
        ASSERT_LE(Len(line), kLongestWordProblemLine);
        const std::string out = RunHeadless(request, line);
        EXPECT_LT(out.size(), 200u * 1024);
        EXPECT_TRUE(Contains(out, "答：") || Contains(out, "条件不足") || Contains(out, "无法求出")) << out.size();
    }
    std::string tooLong = fill("〖长方形〗", "长是5米，", "宽是3米，求面积是多少？");
    tooLong += std::string(static_cast<std::size_t>(kLongestWordProblemLine + 1 - Len(tooLong)), 'x');
    const std::string out = RunHeadless(request, tooLong);
    int seen = 0;
    for (int at = Find(out, tooLong); at >= 0; at = Find(out, tooLong, at + 1))
        ++seen;
    EXPECT_EQ(seen, 1);
    EXPECT_TRUE(Contains(out, "这一行太长，无法计算：一行最多可以有1024个字符。"));
    EXPECT_FALSE(Contains(out, "已知条件"));
}

namespace {

// Everyday wording on the shipped formula files: the file a problem without 〖…〗 matches, and the
// values read from numbers that name no quantity, from percentages and from 倍多 / 倍少.
TEST(EverydayWording, FilesAreChosenByTheWordsAndUnitsOfTheProblem)
{
    const std::string folder = FormulaFolder(Solver().GetLuJing());
    const struct {
        const char *problem;
        std::vector<std::string> files;
    } cases[] = {
        {"一辆汽车每小时行60千米，行驶了3小时，一共行驶了多少千米？", {"行程"}},
        {"长方形的长是5米，宽是3米，面积是多少？", {"长方形"}}, {"正方形的边长是4厘米，求周长。", {"正方形"}},
        {"圆的半径是2厘米，面积是多少？", {"圆"}},
        {"底是6厘米，高是4厘米，面积是多少？", {"平行四边形", "三角形"}}, // equally good: the pupil chooses
        {"一共有多少？", {}}, {"长方形的长是5米", {}}, // it asks nothing
    };
    for (const auto &c : cases) {
        std::vector<std::string> files = MatchingFormulaFiles(c.problem, folder);
        std::vector<std::string> expected = c.files;
        std::sort(files.begin(), files.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(files, expected) << c.problem;
    }
}

TEST(EverydayWording, UnitsPercentagesAndMultiplesWithMoreAreRead)
{
    Solver solver;
    const std::string folder = FormulaFolder(solver.GetLuJing());
    const struct {
        const char *problem;
        const char *answer;
    } cases[] = {
        {"〖行程〗一辆汽车每小时行60千米，行驶了3小时，一共行驶了多少千米？", "答：一共行驶了180千米。"},
        {"〖行程〗小明3分钟走了240米，他每分钟走多少米？", "答：他每分钟走80米。"},
        {"〖长方形〗长方形的长是10米，宽是长的60%，面积是多少平方米？", "答：面积是60平方米。"},
        {"〖长方形〗长方形的宽是4米，长比宽的2倍多3米，周长是多少米？", "答：周长是30米。"},
        {"〖长方形〗长方形的宽是4米，长是宽的2倍少1米，求长是多少米？", "答：长是7米。"},
        {"〖长方形〗长方形的长是12米，宽是长的25%，宽是多少米？", "答：宽是3米。"},
    };
    for (const auto &c : cases)
        EXPECT_TRUE(Contains(solver.GongShiJieTi(c.problem, folder), c.answer)) << c.problem;
}

} // namespace
