// The printed pages of the test paper, laid out with a measure that stands in for the printing
// fonts: 200 papers over every grade and option, each checked for text outside its column or page,
// a heading at the foot of a page, a problem cut from its room to work and a lone last problem;
// and the points of 满分100.
#include "generators/ShiJuanBanMian.h"
#include "solver/GbkText.h"

#include <gtest/gtest.h>

#include <random>

namespace qimbel::shijuan {
namespace {

constexpr double kWidth = 510; // A4 less 15 mm margins, in points
constexpr double kHeight = 757;

double SizeOf(PaperFont font)
{
    switch (font) {
    case PaperFont::Title:
        return 16;
    case PaperFont::Heading:
        return 12;
    case PaperFont::Problem:
        return 13;
    case PaperFont::Key:
        return 9.5;
    default:
        return 11;
    }
}

// Half the font size a byte (a Chinese character a full size), a bold font a tenth wider.
class FakeMeasure : public TextMeasure {
public:
    double Width(const std::string &text, PaperFont font) const override
    {
        const double bold = font == PaperFont::Title || font == PaperFont::Heading ? 1.1 : 1;
        return 0.5 * SizeOf(font) * bold * static_cast<double>(text.size());
    }
    double LineHeight(PaperFont font) const override { return 1.4 * SizeOf(font); }
};

std::string Numbered(std::size_t i, const std::string &text) { return "(" + std::to_string(i + 1) + ") " + text; }

void ExpectSoundLayout(const ShiJuan &paper, const std::string &name)
{
    SCOPED_TRACE(name);
    const FakeMeasure measure;
    const std::vector<PaperPage> pages = LayOutPaper(paper, measure, kWidth, kHeight);
    ASSERT_FALSE(pages.empty());
    std::vector<std::string> problems;
    std::size_t total = 0;
    for (const ShiJuanBuFen &s : paper.sections)
        for (std::size_t i = 0; i < s.problems.size(); ++i) {
            problems.push_back(Numbered(i, s.problems[i].text));
            ++total;
        }
    std::size_t next = 0;
    bool keyStarted = false;
    for (std::size_t n = 0; n < pages.size(); ++n) {
        const PaperPage &page = pages[n];
        SCOPED_TRACE("page " + std::to_string(n + 1));
        EXPECT_TRUE(!keyStarted || page.key) << "the key comes after the paper";
        keyStarted = keyStarted || page.key;
        int problemRuns = 0, headings = 0;
        for (std::size_t r = 0; r < page.runs.size(); ++r) {
            const PaperRun &run = page.runs[r];
            const double line = measure.LineHeight(run.font);
            EXPECT_GE(run.x, 0) << run.text;
            EXPECT_LE(run.x + run.width, run.right + 1e-6) << "outside its column: " << run.text;
            EXPECT_LE(run.right, kWidth + 1e-6);
            EXPECT_GE(run.y, 0);
            EXPECT_LE(run.y + line + run.space, kHeight + 1e-6) << "cut at the foot of the page: " << run.text;
            if (run.problem) {
                ++problemRuns;
                ASSERT_LT(next, problems.size());
                EXPECT_EQ(run.text, problems[next++]);
            }
            if (run.heading) {
                ++headings;
                // Something of its section follows on the same page.
                bool followed = false;
                for (std::size_t later = r + 1; later < page.runs.size() && !followed; ++later)
                    followed = page.runs[later].problem || page.runs[later].font == PaperFont::Key;
                EXPECT_TRUE(followed) << "a heading ends the page: " << run.text;
            }
        }
        // Never a page with one problem and nothing else.
        if (!page.key && problemRuns == 1 && headings == 0 && total > 1)
            ADD_FAILURE() << "a lone problem";
    }
    EXPECT_EQ(next, problems.size()) << "every problem on the paper, once";
    EXPECT_TRUE(keyStarted);
}

TEST(ShiJuanLayout, TwoHundredPapersOverEveryGradeAndOption)
{
    std::mt19937 random(2026);
    std::uniform_int_distribution<int> count(0, kZuiDuoTiShu), score(1, 20);
    for (int i = 0; i < 200; ++i) {
        const int grade = 1 + i % kZuiGaoNianJi;
        ShiJuanSheZhi settings = MoRenSheZhi(grade);
        if (i % 4 != 0)
            for (int k = 0; k < kTiXingShu; ++k) {
                settings.counts[static_cast<std::size_t>(k)] = i % 3 == 0 ? count(random) % 6 : count(random);
                settings.scores[static_cast<std::size_t>(k)] = score(random);
            }
        settings.decimals = (i / 6) % 2 == 1;
        settings.hundred = (i / 12) % 2 == 1;
        settings.seed = static_cast<std::uint64_t>(i + 1);
        ExpectSoundLayout(ZuShiJuan(settings), "paper " + std::to_string(i));
    }
    // 三年级 with 满分100 and the usual counts, over many paper numbers: the papers whose last
    // problem stood alone on the last page.
    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
        ShiJuanSheZhi third = MoRenSheZhi(3);
        third.hundred = true;
        third.seed = seed;
        ExpectSoundLayout(ZuShiJuan(third), "三年级 满分100 " + std::to_string(seed));
    }
    // 五年级, paper number 1, the usual counts: the paper the pupils' teacher printed.
    ShiJuanSheZhi fifth = MoRenSheZhi(5);
    fifth.seed = 1;
    ExpectSoundLayout(ZuShiJuan(fifth), "五年级 1");
}

TEST(ShiJuanLayout, ColumnsFollowTheLongestProblem)
{
    ShiJuanSheZhi settings = MoRenSheZhi(5);
    settings.seed = 1;
    const ShiJuan paper = ZuShiJuan(settings);
    const FakeMeasure measure;
    const std::vector<PaperPage> pages = LayOutPaper(paper, measure, kWidth, kHeight);
    // The columns of 口算: as many as fit the longest problem and a gap of two characters, at most 5.
    double widest = 0;
    for (std::size_t i = 0; i < paper.sections[0].problems.size(); ++i)
        widest = std::max(widest, measure.Width(Numbered(i, paper.sections[0].problems[i].text), PaperFont::Problem));
    const int columns = std::min(5, static_cast<int>((kWidth + 26) / (widest + 26)));
    int firstRow = 0;
    for (const PaperRun &run : pages[0].runs)
        firstRow += run.problem && run.text.rfind("(", 0) == 0 && run.y == pages[0].runs[4].y;
    EXPECT_EQ(firstRow, columns);
}

TEST(ShiJuanPoints, HundredSpreadsWholePointsInTheProportionOfTheChosenPoints)
{
    // Equal points per kind where the counts allow: 20 口算 at 1 and 4 × 4 others at 5 … give 100.
    const auto equal = ManFenYiBai({20, 4, 4, 4}, {1, 4, 5, 5});
    ASSERT_TRUE(equal.has_value());
    int total = 0;
    const std::array<int, 4> counts {20, 4, 4, 4};
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ((*equal)[k].extra, 0);
        total += counts[k] * (*equal)[k].score;
    }
    EXPECT_EQ(total, 100);
    EXPECT_LT((*equal)[0].score, (*equal)[2].score) << "口算 counts less than 混合运算";

    // 3 and 3 problems cannot share 100 equally: some problems count a point more.
    const auto spread = ManFenYiBai({3, 3, 0, 0}, {1, 1, 1, 1});
    ASSERT_TRUE(spread.has_value());
    EXPECT_EQ(3 * (*spread)[0].score + (*spread)[0].extra + 3 * (*spread)[1].score + (*spread)[1].extra, 100);
    EXPECT_FALSE(ManFenYiBai({50, 50, 1, 0}, {1, 1, 1, 1}).has_value());
    EXPECT_FALSE(ManFenYiBai({0, 0, 0, 0}, {1, 1, 1, 1}).has_value());

    // On the paper: the total is 100 and the heading names the points of each problem.
    ShiJuanSheZhi settings = MoRenSheZhi(4);
    settings.counts = {7, 3, 0, 0};
    settings.hundred = true;
    const ShiJuan paper = ZuShiJuan(settings);
    EXPECT_EQ(paper.total, 100);
    const std::string text = ShiJuanWenBen(paper);
    EXPECT_NE(text.find("（满分100分"), std::string::npos);
    // Every random choice of counts up to 100 problems gives exactly 100.
    std::mt19937 random(100);
    std::uniform_int_distribution<int> count(0, 30), weight(1, 20);
    for (int i = 0; i < 300; ++i) {
        const std::array<int, 4> c {count(random), count(random), count(random), count(random)};
        const std::array<int, 4> w {weight(random), weight(random), weight(random), weight(random)};
        const auto points = ManFenYiBai(c, w);
        if (c[0] + c[1] + c[2] + c[3] == 0 || c[0] + c[1] + c[2] + c[3] > 100) {
            EXPECT_FALSE(points.has_value());
            continue;
        }
        ASSERT_TRUE(points.has_value());
        int sum = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            if (c[k] > 0) {
                EXPECT_GE((*points)[k].score, 1);
            }
            EXPECT_LT((*points)[k].extra, std::max(c[k], 1));
            sum += c[k] * (*points)[k].score + (*points)[k].extra;
        }
        EXPECT_EQ(sum, 100);
    }
}

} // namespace
} // namespace qimbel::shijuan
