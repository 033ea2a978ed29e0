#include "numbers/FactorMath.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

#include <climits>

namespace qimbel {

// Answers a question about multiples (problem type 3). The least common multiple L of the
// numbers of the line is the answer to a question with "最小"; any other question is answered
// with the first ten multiples L, 2L, ... 10L and " ......无数个". A "()" in the line is filled
// with the answer, else the answer follows "  答案为：". A line without numbers gives "".
std::string Solver::BeiShu(std::string line)
{
    if (std::string sentence = LineTooLong(line, kLongestNumberLine); !sentence.empty())
        return sentence;
    const std::string list = NumberListOf(line);
    if (list.empty())
        return {};

    std::string answer;
    std::vector<long long> values;
    long long lcm = 0;
    if (!NonZeroMagnitudes(list, values))
        answer = kTooLarge;
    else if (values.empty())
        answer = kZeroOnly;
    else if (!Lcm(values, lcm))
        answer = kTooLarge;
    else if (Contains(line, "最小"))
        answer = IntText(lcm);
    else if (lcm > LLONG_MAX / 10)
        answer = kTooLarge;
    else {
        for (long long k = 1; k <= 10; ++k)
            answer += (k == 1 ? "" : ",") + IntText(k * lcm);
        answer += " ......无数个";
    }
    return AnswerLine(line, answer);
}

} // namespace qimbel
