#include "algebra/ArithmeticText.h"

namespace qimbel {

// The sum of two operands as text. Decimals (a fraction beside a decimal becomes a decimal) give
// a number text; fractions with one denominator add their numerators; fractions with different
// denominators come back as the common-denominator step result; whole numbers are added exactly;
// like terms add their coefficients; anything else is written as a＋b. A bracketed operand such
// as (－2) counts by its value.
std::string Solver::XiangJia(std::string a, std::string b)
{
    return SumOrDifference(*this, std::move(a), std::move(b), false);
}

} // namespace qimbel
