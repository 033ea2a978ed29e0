#include "algebra/ArithmeticText.h"

namespace qimbel {

// The difference of two operands: XiangJia with subtraction throughout.
std::string Solver::XiangJian(std::string a, std::string b)
{
    return SumOrDifference(*this, std::move(a), std::move(b), true);
}

} // namespace qimbel
