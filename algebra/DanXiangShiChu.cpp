#include "algebra/ArithmeticText.h"

namespace qimbel {

// The quotient of two monomials: coefficients divided, the divisor's exponents subtracted.
// 6a^2b ÷ 2a gives 3ab; a ÷ a gives 1. Empty when the divisor's coefficient is 0.
std::string Solver::DanXiangShiChu(std::string a, std::string b)
{
    return MonomialProduct(*this, std::move(a), std::move(b), true);
}

} // namespace qimbel
