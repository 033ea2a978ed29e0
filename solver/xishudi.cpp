#include "solver/ExpressionText.h"
#include "solver/Solver.h"

namespace qimbel {

// The base of a numeric power such as 2^3: the text before the first "^", or the whole text.
std::string Solver::xishudi(std::string power)
{
    power = FullWidthSigns(std::move(power));
    const int caret = Find(power, "^");
    return caret >= 0 ? Left(power, caret) : power;
}

} // namespace qimbel
