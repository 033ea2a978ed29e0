// The help texts that ship beside the executable: every problem type a pupil can choose has its
// introduction, summary and worked example, each fits the place where the page shows it, and the
// example problems reach the solver the way their routine reads them.
#include "pages/ProblemPage.h"
#include "pages/Session.h"
#include "pages/TypeTable.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

using namespace qimbel;

namespace {

// The summary panel is about 12 Chinese characters wide and 15 lines tall; the text box about
// 40 characters wide. A Chinese character takes two bytes in GBK.
constexpr int kSummaryLineBytes = 24;
constexpr int kSummaryMaxLines = 5;
constexpr int kIntroLineBytes = 80;
constexpr int kIntroMaxLines = 12;

std::vector<const ProblemType *> ChoosableTypes()
{
    std::vector<const ProblemType *> rows;
    for (const ProblemType &row : ProblemTypes())
        if (row.enabled)
            rows.push_back(&row);
    return rows;
}

// The lines of a text, split at CR LF; a final line break does not open another line.
std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// Well-formed GBK with no control characters but the line breaks: printable ASCII, or a lead
// byte 0x81-0xFE followed by a trail byte 0x40-0xFE other than 0x7F.
bool IsCleanGbk(const std::string &text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b == '\r' || b == '\n' || (b >= 0x20 && b < 0x7F))
            continue;
        if (!IsGbkLead(b) || i + 1 == text.size())
            return false;
        const auto t = static_cast<unsigned char>(text[++i]);
        if (t < 0x40 || t == 0x7F || t == 0xFF)
            return false;
    }
    return true;
}

// The example file as installed, byte for byte, one entry per line without its line end.
std::vector<std::string> RawExampleLines(int type)
{
    std::ifstream in(Solver().GetLuJing() + "/Help/ShiLi/" + IntText(type) + ".txt", std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool ContainsAny(const std::string &text, const std::vector<std::string> &pieces)
{
    for (const std::string &piece : pieces)
        if (Contains(text, piece))
            return true;
    return false;
}

class HelpTextsTest : public testing::Test {
protected:
    void SetUp() override { ResetSession(); }
    Solver solver;
};

TEST_F(HelpTextsTest, EveryChoosableTypeHasAllThreeTextsInCleanGbk)
{
    for (const ProblemType *row : ChoosableTypes()) {
        SCOPED_TRACE(row->type);
        const std::string texts[]
            = {solver.GetJianJie(row->type), solver.GetZhaiYao(row->type), solver.GetShiLi(row->type)};
        for (const std::string &text : texts) {
            EXPECT_FALSE(Trim(text).empty());
            EXPECT_TRUE(IsCleanGbk(text));
        }
    }
}

TEST_F(HelpTextsTest, SummariesFitTheNarrowPanel)
{
    for (const ProblemType *row : ChoosableTypes()) {
        SCOPED_TRACE(row->type);
        const std::vector<std::string> lines = Lines(solver.GetZhaiYao(row->type));
        EXPECT_GE(lines.size(), 2u);
        EXPECT_LE(lines.size(), static_cast<std::size_t>(kSummaryMaxLines));
        for (const std::string &line : lines)
            EXPECT_LE(Len(line), kSummaryLineBytes) << line;
    }
}

TEST_F(HelpTextsTest, IntroductionsFitTheTextBox)
{
    for (const ProblemType *row : ChoosableTypes()) {
        SCOPED_TRACE(row->type);
        const std::vector<std::string> lines = Lines(solver.GetJianJie(row->type));
        EXPECT_LE(lines.size(), static_cast<std::size_t>(kIntroMaxLines));
        for (const std::string &line : lines)
            EXPECT_LE(Len(line), kIntroLineBytes) << line;
    }
}

// Loading skips example lines of one byte, so a one-digit problem would vanish without a word.
TEST_F(HelpTextsTest, NoExampleProblemIsLostOnLoading)
{
    for (const ProblemType *row : ChoosableTypes()) {
        SCOPED_TRACE(row->type);
        std::size_t problems = 0;
        for (const std::string &line : RawExampleLines(row->type)) {
            EXPECT_NE(line.size(), 1u) << line;
            if (line.size() > 1)
                ++problems;
        }
        EXPECT_EQ(Lines(solver.GetShiLi(row->type)).size(), problems);
    }
}

// The pupil presses the example button and then the check. The check must neither join an
// example line to its neighbour (it removes line breaks next to a sign it replaces) nor add its
// notice about "/" turned into "÷".
TEST_F(HelpTextsTest, ExamplesComeThroughTheCheckLineByLine)
{
    for (const ProblemType *row : ChoosableTypes()) {
        SCOPED_TRACE(row->type);
        ProblemPage page(row->page);
        page.ChooseType(row->type);
        page.Example();
        const std::size_t before = Lines(page.EditText()).size();
        page.Check();
        std::string text = page.EditText();
        // The fraction types write their fraction bars as "÷", and 简便运算 and 二次根式 divide
        // (除法的性质, 分母有理化), so the notice follows them.
        if (row->type == 23 || row->type == 29 || row->type == 11 || row->type == 24) {
            ASSERT_TRUE(Contains(text, "\r\n--------"));
            text = Left(text, Find(text, "\r\n--------"));
        }
        EXPECT_FALSE(Contains(text, "----")) << text;
        EXPECT_EQ(Lines(text).size(), before) << text;
    }
}

// The equation page solves only the last equation for one-unknown types; any other example line
// would be ignored. A system needs its two (or more) lines.
TEST_F(HelpTextsTest, EquationExamplesHoldWhatTheirTypeSolves)
{
    const std::vector<std::string> relations = {"=", "＝", ">", "＞", "<", "＜", "≥", "≤"};
    for (const ProblemType *row : ChoosableTypes()) {
        if (row->page != kPage135)
            continue;
        SCOPED_TRACE(row->type);
        std::size_t equations = 0;
        for (const std::string &line : Lines(solver.GetShiLi(row->type))) {
            if (Contains(line, "未知"))
                continue;
            EXPECT_TRUE(ContainsAny(line, relations)) << line;
            ++equations;
        }
        if (row->type == 26 || row->type == 28)
            EXPECT_EQ(equations, 2u);
        else if (row->type == 31)
            EXPECT_GE(equations, 2u);
        else
            EXPECT_EQ(equations, 1u);
    }
}

// Each routine looks for its own marks: a question without a clause mark gets no clauses, a ratio
// needs the ASCII ":", a unit problem the "()" to fill, a rounding problem its keyword.
TEST_F(HelpTextsTest, ExampleLinesCarryTheMarksTheirRoutineLooksFor)
{
    for (int type : {16, 17}) {
        SCOPED_TRACE(type);
        const std::vector<std::string> lines = Lines(solver.GetShiLi(type));
        ASSERT_GE(lines.size(), 2u);
        // The first line holds the numbers, the questions follow.
        EXPECT_NE(lines[0].find_first_of("0123456789"), std::string::npos);
        EXPECT_FALSE(ContainsAny(lines[0], {"？", "。"}));
        for (std::size_t i = 1; i < lines.size(); ++i) {
            bool marked = false;
            for (const char *mark : {"，", "。", "？", "；", "！"})
                marked = marked || Find(lines[i], mark) > 0;
            EXPECT_TRUE(marked) << lines[i];
        }
    }
    const std::vector<std::pair<int, std::vector<std::string>>> marks
        = {{10, {":"}}, {18, {":"}}, {6, {"()"}}, {14, {"精确", "四舍五入"}}};
    for (const auto &[type, needed] : marks) {
        SCOPED_TRACE(type);
        for (const std::string &line : Lines(solver.GetShiLi(type)))
            EXPECT_TRUE(ContainsAny(line, needed)) << line;
    }
}

} // namespace
