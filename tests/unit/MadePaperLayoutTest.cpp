// 自动组卷 on printed pages, laid out by the test paper's layout with a measure that stands in for
// the printing fonts: every grade's paper and a paper of long word problems, each checked for text
// outside its column or page, a problem cut anywhere but after a clause mark, a heading at the foot
// of a page and a lone last problem.
#include "generators/ZuJuanBanMian.h"
#include "maker/LevelTable.h"
#include "solver/DataFile.h"
#include "solver/GbkText.h"

#include <gtest/gtest.h>

namespace qimbel::shijuan {
namespace {

constexpr double kWidth = 510; // A4 less 15 mm margins, in points
constexpr double kHeight = 757;

double SizeOf(PaperFont font)
{
    return font == PaperFont::Title  ? 16
        : font == PaperFont::Heading ? 12
        : font == PaperFont::Problem ? 13
        : font == PaperFont::Key     ? 9.5
                                     : 11;
}

// Half the font size a byte (a Chinese character a full size).
class FakeMeasure : public TextMeasure {
public:
    double Width(const std::string &text, PaperFont font) const override
    {
        return 0.5 * SizeOf(font) * static_cast<double>(text.size());
    }
    double LineHeight(PaperFont font) const override { return 1.4 * SizeOf(font); }
};

void ExpectSoundLayout(const MadePaper &paper, const std::string &name)
{
    SCOPED_TRACE(name);
    ASSERT_TRUE(paper.refusal.empty()) << paper.refusal;
    const FakeMeasure measure;
    const std::vector<PaperPage> pages = LayOutMadePaper(paper, measure, kWidth, kHeight);
    std::vector<std::string> problems;
    double lastRoom = 0;
    for (const MadePaperSection &section : paper.sections) {
        problems.insert(problems.end(), section.problems.begin(), section.problems.end());
        lastRoom = section.room.back();
    }
    ASSERT_EQ(problems.size(), paper.problems.size());
    std::size_t next = 0;
    std::string piecesSoFar;
    bool keyStarted = false;
    for (std::size_t n = 0; n < pages.size(); ++n) {
        const PaperPage &page = pages[n];
        SCOPED_TRACE("page " + std::to_string(n + 1));
        EXPECT_TRUE(!keyStarted || page.key) << "the key comes after the paper";
        keyStarted = keyStarted || page.key;
        int problemsHere = 0, headings = 0;
        for (std::size_t r = 0; r < page.runs.size(); ++r) {
            const PaperRun &run = page.runs[r];
            EXPECT_LE(run.x + run.width, run.right + 1e-6) << "outside its column: " << run.text;
            EXPECT_LE(run.right, kWidth + 1e-6);
            EXPECT_LE(run.y + measure.LineHeight(run.font) + run.space, kHeight + 1e-6) << run.text;
            if (run.problem) {
                // A problem on one run, or on lines cut after its clause marks.
                ASSERT_LT(next, problems.size());
                piecesSoFar += run.text;
                if (piecesSoFar == problems[next]) {
                    piecesSoFar.clear();
                    ++next;
                    ++problemsHere;
                } else {
                    EXPECT_EQ(Right(run.text, Len("，")), "，") << "cut inside a clause: " << run.text;
                    EXPECT_EQ(problems[next].compare(0, piecesSoFar.size(), piecesSoFar), 0) << run.text;
                }
            }
            if (run.heading) {
                ++headings;
                bool followed = false;
                for (std::size_t later = r + 1; later < page.runs.size() && !followed; ++later)
                    followed = page.runs[later].problem || page.runs[later].font == PaperFont::Key;
                EXPECT_TRUE(followed) << "a heading ends the page: " << run.text;
            }
        }
        // A page with one problem and nothing else: only when it could not go back.
        if (!page.key && problemsHere == 1 && headings == 0 && problems.size() > 1) {
            double bottom = 0;
            for (const PaperRun &run : pages[n - 1].runs)
                bottom = std::max(bottom, run.y + measure.LineHeight(run.font) + run.space);
            const double line = measure.LineHeight(PaperFont::Problem);
            EXPECT_GT(bottom + line + lastRoom * line / 2, kHeight) << "a lone problem";
        }
    }
    EXPECT_EQ(next, problems.size()) << "every problem on the paper, once";
    EXPECT_TRUE(keyStarted);
}

TEST(MadePaperLayout, EveryGradesPaperAndLongWordProblems)
{
    const std::string curriculum = ReadDataFile(CurriculumPath());
    for (int grade = 1; grade <= 9; ++grade)
        for (std::uint64_t seed = 1; seed <= 8; ++seed)
            ExpectSoundLayout(MakePaper({GradeName(grade), GradeSelection(curriculum, grade), seed, seed % 2 == 0}),
                std::to_string(grade) + " " + std::to_string(seed));
    // Word problems wider than the page, lists with their questions, and a last problem that
    // would stand alone.
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        const MadePaper paper = MakePaper({"六年级",
            {{kWordProblemType, MakerLevel::TuoZhan, 6, 5}, {17, MakerLevel::TuoZhan, 4, 5},
                {16, MakerLevel::TiGao, 4, 5}, {6, MakerLevel::TiGao, 5 + static_cast<int>(seed % 5), 2}},
            seed, true});
        if (paper.refusal.empty())
            ExpectSoundLayout(paper, "六年级 " + std::to_string(seed));
    }
    // The long ones are cut after a clause mark, the short ones share their row.
    const MadePaper words = MakePaper({"应用题", {{kWordProblemType, MakerLevel::TuoZhan, 10, 10}}, 3, true});
    const std::vector<PaperPage> pages = LayOutMadePaper(words, FakeMeasure(), kWidth, kHeight);
    int cut = 0;
    for (const PaperRun &run : pages[0].runs)
        cut += run.problem && Right(run.text, Len("，")) == "，";
    EXPECT_GT(cut, 0);
}

} // namespace
} // namespace qimbel::shijuan
