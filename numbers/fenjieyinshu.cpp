#include "numbers/FactorMath.h"
#include "solver/ExpressionText.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

#include <climits>

namespace qimbel {

// The prime factorisation of a number: 360 gives 2^(3)×3^(2)×5, a prime gives itself. A sign in
// front is dropped; a number of 1 or less gives the text itself. Trial division stops at the
// square root of what is left, so any 32-bit number is done at once; a larger one is answered
// with kTooLarge.
std::string Solver::fenjieyinshu(std::string number)
{
    if (std::string sentence = LineTooLong(number, kLongestNumberLine); !sentence.empty())
        return sentence;
    if (Contains(number, "+") || Contains(number, "-"))
        number = Mid(number, CharSize(number, 0));
    else if (Contains(number, "＋") || Contains(number, "－"))
        number = Mid(number, 2);

    long long n = 0;
    if (!LeadingInteger(number, n) || n > INT_MAX)
        return kTooLarge;
    if (n <= 1)
        return number;

    std::string result;
    auto write = [&](long long prime, int count) {
        if (!result.empty())
            result += "×";
        result += IntText(prime);
        if (count >= 2)
            result += "^(" + IntText(count) + ")";
    };
    for (long long d = 2; d * d <= n; ++d) {
        int count = 0;
        while (n % d == 0) {
            n /= d;
            ++count;
        }
        if (count > 0)
            write(d, count);
    }
    if (n > 1)
        write(n, 1);
    return result;
}

} // namespace qimbel
