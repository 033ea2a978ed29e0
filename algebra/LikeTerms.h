// Like terms: letter parts compared by their letters and exponents, sums and differences of
// numbers and of like terms, products and quotients of monomials.
#pragma once

#include "solver/Solver.h"

#include <string>

namespace qimbel {

// The shared work of XiangJia and XiangJian.
std::string SumOrDifference(Solver &solver, std::string a, std::string b, bool subtract);

// The shared work of DanXiangShiCheng and DanXiangShiChu.
std::string MonomialProduct(Solver &solver, std::string a, std::string b, bool divide);

// A letter part compared by its letters and their exponents: a^(2) and a^2, ab and ba are alike.
std::string LetterPartKey(const std::string &letterPart);

} // namespace qimbel
