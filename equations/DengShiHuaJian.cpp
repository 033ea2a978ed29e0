#include "equations/EquationText.h"
#include "solver/Solver.h"

namespace qimbel {

// Both sides of an equation (or inequality) evaluated at detail level 1, joined again by the
// relation symbol. A text without relation symbol is evaluated as a whole.
std::string Solver::DengShiHuaJian(std::string equation)
{
    const std::string symbol = RelationSymbol(equation);
    if (symbol.empty())
        return HunHeYunSuan(equation, 1);
    const int p = Find(equation, symbol);
    const std::string left = HunHeYunSuan(Left(equation, p), 1);
    const std::string right = HunHeYunSuan(Mid(equation, p + Len(symbol)), 1);
    return left + symbol + right;
}

} // namespace qimbel
