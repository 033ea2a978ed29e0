#include "solver/ExpressionText.h"
#include "solver/Solver.h"

namespace qimbel {

// The exponent of a numeric power: 2^3 gives 3, 2^(－1) gives －1, a number without "^" gives 1.
std::string Solver::xishumi(std::string power)
{
    power = FullWidthSigns(std::move(power));
    const int caret = Find(power, "^");
    if (caret < 0)
        return "1";
    const int bracketed = Find(power, "^(");
    if (bracketed < 0)
        return Mid(power, caret + 1);
    std::string exponent = Mid(power, bracketed + 2);
    // Without its closing bracket; an exponent whose bracket never closes is kept whole.
    if (EndsWithByte(exponent, ')'))
        exponent.pop_back();
    return exponent;
}

} // namespace qimbel
