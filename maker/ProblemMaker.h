// 出题: problems of every type, made answer first (choose the answer the level calls for, then
// build the problem round it) and proved by the type's own routine before they are handed out.
// All texts are GBK, as everywhere in the engine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qimbel {

// The three levels as schools name them.
enum class MakerLevel {
    JiChu, // 基础
    TiGao, // 提高
    TuoZhan, // 拓展
};

// The word problems of the formula files (小学应用题) have no type of their own: they are type 0,
// the type the 小学应用题 page has.
inline constexpr int kWordProblemType = 0;

struct MadeProblem {
    int type = 0; // the problem type (1 … 33, 0 for a word problem) the line is typed on
    MakerLevel level = MakerLevel::JiChu;
    std::string line; // the problem as a pupil types it, one line
    std::string answer; // the answer the maker built it round, as the routine writes it
};

struct MadeProblems {
    std::vector<MadeProblem> problems;
    // Empty when problems were made; otherwise why none could be, as a sentence.
    std::string refusal;
};

// Whether problems of this type can be made.
bool CanMake(int type);

// count distinct problems of a type at a level; the same seed gives the same problems on every
// build.
MadeProblems MakeProblems(int type, MakerLevel level, int count, std::uint64_t seed);

// 举一反三: count new problems of the same shape as a typed line (the same operations and
// brackets, the same kind of numbers, a similar size, the same method needed).
MadeProblems Similar(int type, const std::string &typedLine, int count, std::uint64_t seed);

// The worked solution of a made problem as its page writes it with working and explanations (the
// routine's text alone, without the page's header); empty for a type without a maker.
std::string MadeSolution(int type, const std::string &line);

// The lines a pupil types for a made problem: the equations of a system one a line.
std::vector<std::string> TypedLines(const MadeProblem &problem);

} // namespace qimbel
