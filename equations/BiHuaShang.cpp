#include "equations/EquationText.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

#include <algorithm>
#include <cctype>

namespace qimbel {

namespace {

// Number of digits after the first "." of a term; 0 when it has none.
int Decimals(const std::string &term)
{
    const int point = Find(term, ".");
    if (point < 0)
        return 0;
    int n = 0;
    for (int i = point + 1; i < Len(term) && std::isdigit(static_cast<unsigned char>(term[i])); ++i)
        ++n;
    return n;
}

} // namespace

// The quotient that simplifies a ratio a:b. Decimals are first made whole by multiplying both
// terms by the same power of ten; two whole terms become the fraction a/b (which the driver
// reduces), a fraction term makes it the division a÷b. The full-width "：" is read like ":".
std::string Solver::BiHuaShang(std::string ratio)
{
    if (std::string sentence = EveryStepTooLarge(ratio); !sentence.empty())
        return sentence;
    if (ratio.empty())
        return {};
    std::string a;
    std::string b;
    if (!SplitRatio(ratio, a, b))
        return ratio;
    // The check writes every "/" as "÷"; inside a term of a ratio it can only be a fraction bar.
    a = GetTiHuan(a, "÷", "/");
    b = GetTiHuan(b, "÷", "/");
    const int n = std::max(Decimals(a), Decimals(b));
    if (n > 0) {
        const std::string m = "1" + std::string(static_cast<std::size_t>(n), '0');
        a = "(" + a + "×" + m + ")";
        b = "(" + b + "×" + m + ")";
    }
    if (!Contains(a, "/") && !Contains(b, "/"))
        return a + "/" + b;
    return a + "÷" + b;
}

} // namespace qimbel
