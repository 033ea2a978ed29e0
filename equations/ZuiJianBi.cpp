#include "equations/EquationText.h"
#include "equations/Rational.h"
#include "solver/Solver.h"

namespace qimbel {

// The simplest whole-number ratio of a:b, the answer a teacher expects for 化简比: the quotient
// a÷b in lowest terms p/q written as p:q (12:18 gives 2:3, 1.5:0.25 gives 6:1). Terms may be
// whole numbers, decimals or fractions. A second term of 0 is answered with a sentence; a ratio
// whose terms are not numbers gives the empty text.
std::string Solver::ZuiJianBi(std::string ratio)
{
    std::string first;
    std::string second;
    if (!SplitRatio(ratio, first, second))
        return {};
    // A "÷" in a term is the fraction bar that the check wrote for "/".
    const std::optional<Rational> a = ReadRational(GetTiHuan(first, "÷", "/"));
    const std::optional<Rational> b = ReadRational(GetTiHuan(second, "÷", "/"));
    if (!a || !b)
        return {};
    if (b->numerator == 0)
        return "比的后项不能为0。";
    const std::optional<Rational> quotient = DividedBy(*a, *b);
    if (!quotient)
        return {};
    const Rational q = *quotient;
    return "＝" + WholeText(q.numerator) + ":" + WholeText(q.denominator);
}

} // namespace qimbel
