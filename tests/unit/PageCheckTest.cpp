// The check button keeps every typed problem on its own line, and whatever a page is given, each
// typed line comes back as one worked solution.
#include "pages/CheckText.h"
#include "pages/PageTextLimit.h"
#include "pages/ProblemPage.h"
#include "pages/ResultTexts.h"
#include "pages/Session.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>

using namespace qimbel;

namespace {

std::string Checked(int page, const std::string &text)
{
    ProblemPage p(page);
    p.SetEditText(text);
    p.Check();
    return p.EditText();
}

int CountOf(const std::string &text, const std::string &what)
{
    int n = 0;
    for (int p = Find(text, what); p >= 0; p = Find(text, what, p + Len(what)))
        ++n;
    return n;
}

struct CheckCase {
    int page;
    const char *typed;
    const char *checked;
};

void ExpectChecked(std::initializer_list<CheckCase> cases)
{
    for (const CheckCase &c : cases)
        EXPECT_EQ(Checked(c.page, c.typed), c.checked) << "page " << c.page;
}

// More cases, with the whole worked solutions, are golden texts (check_*, *_starts_with_minus).
TEST(PageCheck, LinesThatStartWithASignOrABracketStayLines)
{
    ExpectChecked({
        {134, "2*3\r\n（1+2）*4", "2×3\r\n(1＋2)×4"},
        {130, "2x+1=5\r\n-x+3=1\r\n", "2x＋1＝5\r\n－x＋3＝1"},
        // Empty lines stay; the blanks in front of a sign go, the line break before them stays.
        {134, "1-2\r\n\r\n  -3", "1－2\r\n\r\n－3"},
    });
}

TEST(PageCheck, BlanksNextToReplacedSignsGoButOnlyWithinTheLine)
{
    ExpectChecked({
        // The blank after 2 is next to no sign and stays; the line break after it stays too.
        {134, "1 +  2 \r\n （ 3 - 4 ） * 5", "1＋2 \r\n(3－4)×5"},
        {134, "\r\n\r\n 1+2 \r\n\r\n", "1＋2"},
        // Tabs are blanks too; a lone LF (text pasted through --gbk) is a line break as well.
        {134, "1\t*\t2\n-3", "1×2\n－3"},
    });
}

TEST(PageCheck, AnOperatorAtTheEndOfALineContinuesTheProblem)
{
    ExpectChecked({
        {134, "1+\r\n2", "1＋2"},
        {134, "1 + \r\n  2\r\n3*\r\n4", "1＋2\r\n3×4"},
        {135, "x=\r\n3", "x＝3"},
        {135, "x>=\r\n3", "x≥3"},
        // A closing bracket is no operator.
        {134, "（1+2）\r\n-3", "(1＋2)\r\n－3"},
        // Only the one line break right after the operator goes.
        {134, "1+\r\n\r\n2", "1＋\r\n2"},
    });
}

TEST(PageCheck, OrEqualSignsBecomeOneSign)
{
    ExpectChecked({
        {135, "3x+1>=x-5", "3x＋1≥x－5"},
        {135, "x<=2\r\nx＞＝1\r\nx ＜＝ 0\r\nx > = 4", "x≤2\r\nx≥1\r\nx≤0\r\nx≥4"},
        {135, "x>3", "x＞3"},
        // On the primary page ">" alone stays ASCII, but ">=" is the sign 解方程 understands.
        {130, "2x>=4", "2x≥4"},
        {130, "x>3", "x>3"},
    });
}

TEST(PageCheck, ReplacementIsCharacterAwareAndNeverLoops)
{
    std::string text = "1+2";
    ReplaceInLines(text, "+", "++", true);
    EXPECT_EQ(text, "1++2");
    // "＃ā" is A3 A3 A8 A1: the bytes of "（" (A3 A8) straddle its two characters.
    text = "＃ā";
    ReplaceInLines(text, "（", "(", false);
    EXPECT_EQ(text, "＃ā");
    text = "  abc  ";
    ReplaceInLines(text, "x", "y", true);
    EXPECT_EQ(text, "  abc  ");
}

TEST(PageCheck, InequalityTypedAfterTheCheckIsStillOneSign)
{
    // Compute normalises each line again; a ">=" typed after the check must not turn into "＞＝",
    // which the linear solver would take for an equation.
    ResetSession();
    SetCurrentType(30);
    ProblemPage page(135);
    page.SetOptions({true, true, false, false});
    page.Check();
    page.SetEditText("3x+1>=x-5");
    page.Compute();
    EXPECT_EQ(page.EditText(), std::string("3x+1>=x-5") + kResultHeader + "x≥－3\r\n");
}

// The lines of a checked text, without the division notice.
int LineCount(const std::string &checked)
{
    const int notice = Find(checked, std::string("\r\n") + kResultMark);
    return CountOf(notice < 0 ? checked : Left(checked, notice), "\r\n") + 1;
}

// A random problem line: signs and brackets at both ends, blanks anywhere but never an operator
// at the end of the line.
std::string RandomLine(std::mt19937 &rng)
{
    auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const char *const operators[] = {"+", "-", "*", "/", "＋", "－", "×"};
    const char *const blanks[] = {"", "", "", " ", "  ", "\t"};
    auto term = [&]() {
        std::string t = std::to_string(1 + pick(20));
        if (pick(4) == 0)
            t = "（" + t + operators[pick(7)] + std::to_string(1 + pick(9)) + "）";
        return t;
    };
    std::string line = blanks[pick(6)];
    switch (pick(3)) {
    case 0:
        line += "-";
        break;
    case 1:
        line += "（";
        break;
    default:
        break;
    }
    line += term();
    const int more = pick(3);
    for (int i = 0; i < more; ++i)
        line += blanks[pick(6)] + std::string(operators[pick(7)]) + blanks[pick(6)] + term();
    if (pick(2) == 0)
        line += "）";
    return line + blanks[pick(6)];
}

TEST(PageCheck, RandomPagesGiveOneWorkedSolutionPerTypedLine)
{
    std::mt19937 rng(20261208);
    struct Case {
        int page;
        int type;
    };
    const Case cases[] = {{130, 8}, {133, 13}, {134, 20}};
    for (int round = 0; round < 150; ++round) {
        const int lines = 2 + static_cast<int>(rng() % 5);
        std::string text;
        for (int i = 0; i < lines; ++i)
            text += RandomLine(rng) + (i + 1 < lines || rng() % 2 == 0 ? "\r\n" : "");
        for (const Case &c : cases) {
            ResetSession();
            SetCurrentType(c.type);
            ProblemPage page(c.page);
            page.SetOptions({true, true, false, false});
            page.SetEditText(text);
            page.Check();
            EXPECT_EQ(LineCount(page.EditText()), lines) << c.page << ":\n" << text;
            page.Compute();
            EXPECT_EQ(CountOf(page.EditText(), "解题过程:"), lines) << c.page << ":\n" << text;
        }
        // The equation page hands every line to the solver as an equation of its own.
        std::string equations;
        for (int i = 0; i < lines; ++i)
            equations += RandomLine(rng) + "=" + RandomLine(rng) + "\r\n";
        EXPECT_EQ(LineCount(Checked(135, equations)), lines) << equations;
    }
}

} // namespace

// The page's limit counts the problems typed, not the working below them.
TEST(PageCheck, TextOverThePageLimitIsRefusedWithOneSentence)
{
    const std::string atLimit(kLongestPageText, '1');
    const std::string working = std::string(kResultMark) + std::string(kLongestPageText, '2');
    const struct {
        std::string text;
        bool refused;
    } cases[] = {
        {"", false},
        {atLimit, false},
        {atLimit + "1", true},
        {atLimit + working, false}, // a long working after the problems
        {atLimit.substr(2) + kResultHeader + working, false},
        {atLimit + "1" + working, true},
        {std::string(kLongestPageText / 2, '1') + "\r\n" + std::string(kLongestPageText / 2, '1'), true},
        {std::string(kResultMark) + std::string(2 * kLongestPageText, '1'), false},
    };
    for (const auto &c : cases) {
        const std::string said = PageTextTooLong(c.text);
        EXPECT_EQ(said, c.refused ? std::string(kPageTextTooLong) : std::string()) << c.text.size();
        EXPECT_EQ(PageTextLength(c.text) > kLongestPageText, c.refused);
    }
}
