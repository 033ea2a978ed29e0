#include "algebra/ArithmeticText.h"

#include "solver/ExpressionText.h"

namespace qimbel {

// The product of two monomials: coefficients multiplied (1 is written as nothing, −1 as "－"),
// then the letters in the order a…z, A…Z with their exponents added; an exponent other than 1 is
// written "^(n)" and a letter whose exponents cancel is left out. 2a^2b × 3ab gives 6a^(3)b^(2).
std::string Solver::DanXiangShiCheng(std::string a, std::string b)
{
    return MonomialProduct(*this, std::move(a), std::move(b), false);
}

} // namespace qimbel
