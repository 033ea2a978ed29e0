// The made problems of every type and level for a few seeds, and a paper of every grade, as GBK
// text on standard output. Built by the compiler of each build (GCC natively, clang in the fuzz
// build), so that the two outputs can be compared byte for byte: a seed makes the same problems
// whichever compiler built the makers.
#include "maker/LevelTable.h"
#include "maker/Paper.h"
#include "maker/ProblemMaker.h"
#include "solver/DataFile.h"

#include <cstdio>
#include <string>

int main()
{
    using namespace qimbel;
    std::string out;
    const MakerLevel levels[] = {MakerLevel::JiChu, MakerLevel::TiGao, MakerLevel::TuoZhan};
    for (const MakerLevelRow &row : MakerLevels())
        for (MakerLevel level : levels)
            for (std::uint64_t seed : {1ULL, 2ULL, 12345ULL}) {
                out += "== " + std::to_string(row.type) + " " + std::to_string(static_cast<int>(level)) + " "
                    + std::to_string(seed) + "\n";
                for (const MadeProblem &made : MakeProblems(row.type, level, 10, seed).problems)
                    out += made.line + "\t" + made.answer + "\n";
            }
    const std::string curriculum = ReadDataFile(CurriculumPath());
    for (int grade = 1; grade <= 9; ++grade) {
        const MadePaper paper = MakePaper({GradeName(grade), GradeSelection(curriculum, grade), 5, true});
        out += paper.paper + paper.key + paper.refusal;
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}
