// 自动组卷: every grade's default paper is 满分100 and made for any number, the same number makes the
// same paper, its problems are distinct and numbered in order, and a bad request gets a sentence.
#include "maker/Paper.h"
#include "maker/LevelTable.h"
#include "solver/DataFile.h"
#include "solver/GbkText.h"

#include <gtest/gtest.h>

#include <set>

namespace qimbel {
namespace {

TEST(Paper, EveryGradeMakesAFullPaperWithItsKey)
{
    const std::string curriculum = ReadDataFile(CurriculumPath());
    ASSERT_FALSE(curriculum.empty());
    for (int grade = 1; grade <= 9; ++grade) {
        SCOPED_TRACE(grade);
        const std::vector<PaperKind> kinds = GradeSelection(curriculum, grade);
        ASSERT_FALSE(kinds.empty());
        int total = 0;
        for (const PaperKind &kind : kinds)
            total += kind.count * kind.points;
        EXPECT_EQ(total, 100);
        for (std::uint64_t seed = 1; seed <= 5; ++seed) {
            PaperRequest request {GradeName(grade) + "数学测试卷", kinds, seed, seed % 2 == 1};
            const MadePaper paper = MakePaper(request);
            ASSERT_TRUE(paper.refusal.empty()) << paper.refusal;
            std::set<std::string> lines;
            for (std::size_t i = 0; i < paper.problems.size(); ++i) {
                const std::string number = std::to_string(i + 1) + "．";
                // Each problem on the paper and in the key under its number, once.
                EXPECT_TRUE(Contains(paper.paper, "\r\n" + number)) << number;
                EXPECT_TRUE(Contains(paper.key, "\r\n" + number)) << number;
                EXPECT_TRUE(lines.insert(paper.problems[i].line).second) << paper.problems[i].line;
                if (!request.workedKey) {
                    EXPECT_TRUE(Contains(paper.key, number + paper.problems[i].answer + "\r\n"));
                }
            }
            EXPECT_TRUE(Contains(paper.paper, "试卷编号：" + std::to_string(seed)));
            EXPECT_EQ(MakePaper(request).paper, paper.paper);
            EXPECT_EQ(MakePaper(request).key, paper.key);
        }
    }
    EXPECT_TRUE(GradeSelection(curriculum, 0).empty());
    EXPECT_TRUE(GradeSelection(curriculum, 10).empty());
    EXPECT_EQ(ReadGrade("七年级"), 7);
    EXPECT_EQ(ReadGrade("7"), 7);
    EXPECT_EQ(ReadGrade("十年级"), 0);
}

TEST(Paper, AHandMadeSelectionAndTheRequestsRefused)
{
    PaperRequest request {"测试卷", {{25, MakerLevel::JiChu, 2, 20}, {27, MakerLevel::TiGao, 3, 20}}, 9, false};
    const MadePaper paper = MakePaper(request);
    ASSERT_TRUE(paper.refusal.empty()) << paper.refusal;
    ASSERT_EQ(paper.problems.size(), 5u);
    EXPECT_TRUE(Contains(paper.paper, "一、一元一次方程·基础（每题20分，共40分）"));
    EXPECT_TRUE(Contains(paper.paper, "二、一元二次方程·提高（每题20分，共60分）"));
    EXPECT_EQ(paper.problems[2].type, 27);

    request.kinds[0].points = 10; // 80 points in all
    EXPECT_EQ(MakePaper(request).refusal, "各题分数加起来是80分，满分应是100分。");
    request.kinds = {{19, MakerLevel::JiChu, 10, 10}};
    EXPECT_FALSE(MakePaper(request).refusal.empty());
    request.kinds = {};
    EXPECT_FALSE(MakePaper(request).refusal.empty());
    request.kinds = {{25, MakerLevel::JiChu, 100, 1}};
    EXPECT_FALSE(MakePaper(request).refusal.empty());
}

} // namespace
} // namespace qimbel
