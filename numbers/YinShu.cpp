#include "numbers/FactorMath.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

namespace qimbel {

// Answers a question about factors (problem type 4): the common factors of the numbers of the
// line, or only the greatest with "最大", or only the smallest with "最小". A "()" in the line is
// filled with the answer, else the answer follows "  答案为：". A line without numbers gives "".
std::string Solver::YinShu(std::string line)
{
    if (std::string sentence = LineTooLong(line, kLongestNumberLine); !sentence.empty())
        return sentence;
    const std::string list = NumberListOf(line);
    if (list.empty())
        return {};

    std::string answer = GongYinShu(list);
    if (answer.empty())
        answer = kZeroOnly;
    else if (answer != kTooLarge) {
        if (Contains(line, "最大")) {
            const int comma = ReverseFind(answer, ",");
            answer = Mid(answer, comma + 1);
        } else if (Contains(line, "最小")) {
            const int comma = Find(answer, ",");
            answer = comma >= 0 ? Left(answer, comma) : answer;
        }
    }
    return AnswerLine(line, answer);
}

} // namespace qimbel
