// Every typed line is one problem on every page: nothing is merged, dropped or cut in half, a
// line beyond its type's limit gets one sentence, and every type's example shows working.
#include "HeadlessPage.h"
#include "pages/Headless.h"
#include "pages/ResultTexts.h"
#include "pages/TypeTable.h"
#include "pages/TypedLine.h"
#include "solver/GbkText.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <random>

using namespace qimbel;

namespace {

using pagetest::Page;

int Count(const std::string &text, const std::string &what)
{
    int n = 0;
    for (int p = Find(text, what); p >= 0; p = Find(text, what, p + Len(what)))
        ++n;
    return n;
}

// Strict GBK: a lead byte 0x81-0xFE is followed by a trail byte 0x40-0xFE other than 0x7F.
bool ValidGbk(const std::string &text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80)
            continue;
        if (c == 0x80 || c == 0xFF || i + 1 >= text.size())
            return false;
        const unsigned char t = static_cast<unsigned char>(text[++i]);
        if (t < 0x40 || t == 0x7F || t == 0xFF)
            return false;
    }
    return true;
}

} // namespace

// Types 25, 27, 29 and 30 answer every line under its own header, in order; a declaration holds
// for the lines after it until an empty line; 26 and 31 still read all lines as one system.
TEST(EveryLine, EquationPageSolvesEachLineOnItsOwn)
{
    const std::string header = kResultHeader;
    const std::string linear = Page(25, "2x＝4\r\n3y＝9\r\n设y为未知数\r\nx＋y＝3\r\n\r\nx＋1＝3", 1);
    EXPECT_EQ(linear,
        "2x＝4\r\n3y＝9\r\n设y为未知数\r\nx＋y＝3\r\n\r\nx＋1＝3" + header + "x＝2\r\n" + header + "y＝3\r\n" + header
            + "y＝3－x\r\n" + header + "x＝2\r\n");
    for (int type : {27, 29, 30}) {
        SCOPED_TRACE(type);
        const std::string two = type == 27 ? "x^2＝4\r\nx^2＝9" : type == 29 ? "1÷x＝1\r\n2÷x＝1" : "x＞1\r\n2x＜6";
        const std::string out = Page(type, two);
        EXPECT_EQ(Count(out, header), 2);
        // The answer of the first line comes first.
        const std::string first = type == 27 ? "x1＝－2" : type == 29 ? "x＝1" : "x＞1";
        const std::string second = type == 27 ? "x1＝－3" : type == 29 ? "x＝2" : "x＜3";
        ASSERT_NE(out.find(first), std::string::npos) << out;
        ASSERT_NE(out.find(second), std::string::npos) << out;
        EXPECT_LT(out.find(first), out.find(second));
    }
    EXPECT_EQ(Count(Page(26, "x＋y＝5\r\nx－y＝1"), header), 1);
    EXPECT_EQ(Count(Page(31, "x＞1\r\nx＜3"), header), 1);
    EXPECT_EQ(Page(25, "", 1), header + "没有找到要求解的方程或不等式。\r\n");
}

// A blank between two numbers never joins them; brackets that do not pair stop the line.
TEST(EveryLine, BlanksAndBracketsNeverMakeANewProblem)
{
    const std::string header = kResultHeader;
    // Types that read a list take the numbers as a list.
    EXPECT_NE(Page(4, "12 18的最大公因数是()", 1).find("12,18的最大公因数是(6)"), std::string::npos);
    EXPECT_NE(Page(15, "3 1 2", 1).find(" 1 2 3"), std::string::npos);
    // Every other type gets one sentence for the line, and works the others.
    for (int type : {1, 8, 12, 13, 20, 25}) {
        SCOPED_TRACE(type);
        const std::string out = Page(type, "12 18\r\n6", 1);
        EXPECT_NE(out.find(header + kBlankBetweenNumbers + "\r\n"), std::string::npos) << out;
        EXPECT_EQ(out.find("1218"), std::string::npos);
    }
    // Brackets that do not pair: one sentence and no working, whatever the type.
    for (const ProblemType &row : ProblemTypes()) {
        if (row.type == 16 || row.type == 17)
            continue; // the question engine answers its lines after the last one
        SCOPED_TRACE(row.type);
        const std::string out = Page(row.type, "(2＋3");
        EXPECT_NE(out.find(header + kUnpairedBrackets + "\r\n"), std::string::npos) << out;
        EXPECT_EQ(out.find("＝5"), std::string::npos);
    }
    // The check joins 3+ with the next line; the joined line does not pair and is refused.
    EXPECT_EQ(Page(20, "3+\r\n(2+3"), "3＋(2＋3" + header + kUnpairedBrackets + "\r\n");
}

// Types 5 and 29 refuse a line beyond their limit with the sentence, written once and
// without the line again; refused lines of 10 and 12 are not echoed either.
TEST(EveryLine, TypesRefuseLinesBeyondTheirLimit)
{
    const struct {
        int type;
        std::string line;
        int longest;
    } cases[] = {
        {5, "1()" + std::string(static_cast<std::size_t>(kLongestComparisonLine), '2'), kLongestComparisonLine},
        {29, "1÷x＝" + std::string(static_cast<std::size_t>(kLongestEquationLine), '1'), kLongestEquationLine},
        {10, "1:" + std::string(static_cast<std::size_t>(kLongestEveryStepLine), '1'), kLongestEveryStepLine},
        {12, std::string(static_cast<std::size_t>(kLongestNumberLine) + 1, '1'), kLongestNumberLine},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.type);
        const std::string out = Page(c.type, c.line);
        const std::string sentence = "这一行太长，无法计算：一行最多可以有" + std::to_string(c.longest) + "个字符。";
        EXPECT_EQ(Count(out, sentence), 1);
        // The typed line stands once, in the text box above the results.
        EXPECT_LT(out.size(), c.line.size() + 512);
    }
}

// Random lines of digits, signs, brackets and Chinese characters on every type: the text box
// stays valid GBK (no character is cut in half) and bounded.
TEST(EveryLine, NoTypeCutsACharacterInHalf)
{
    const std::vector<std::string> pieces = {"1", "2", "0", "3.5", "－", "－－", "＋", "×", "÷", "/", "＝", "^2", "x",
        "y", "(", ")", "中", "又", "的", "米", "是", "：", ":", "％", "，", "３", "()", "设", "未知数", " "};
    std::mt19937 random(25);
    std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(1, 12);
    for (const ProblemType &row : ProblemTypes()) {
        for (int k = 0; k < 24; ++k) {
            std::string line;
            for (int n = length(random); n > 0; --n)
                line += pieces[piece(random)];
            const std::string out = Page(row.type, line + "\r\n" + "－－x＝0中");
            ASSERT_TRUE(ValidGbk(out)) << "type " << row.type << ": " << line;
            EXPECT_LT(out.size(), 256u * 1024);
        }
    }
}

// Every type's example, checked and computed, shows working under each header: never a header
// alone, a refusal or a sentence that says the line could not be worked.
TEST(EveryLine, EveryExampleShowsWorking)
{
    Solver solver;
    const std::string header = kResultHeader;
    for (const ProblemType &row : ProblemTypes()) {
        if (!row.enabled)
            continue;
        SCOPED_TRACE(row.type);
        const std::string example = solver.GetShiLi(row.type);
        ASSERT_FALSE(Trim(example).empty());
        const std::string out = Page(row.type, example);
        const int first = Find(out, header);
        ASSERT_GE(first, 0) << out;
        for (int p = first; p >= 0;) {
            const int next = Find(out, header, p + Len(header));
            const std::string worked = Trim(Mid(out, p + Len(header), next < 0 ? Len(out) : next - p - Len(header)));
            EXPECT_FALSE(worked.empty()) << out;
            for (const char *refusal : {"无法", "没有找到", "请在", "请输入", "不配对", "只有空格"})
                EXPECT_EQ(worked.find(refusal), std::string::npos) << worked;
            p = next;
        }
    }
}
