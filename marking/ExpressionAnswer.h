// The end of a pupil's working of an expression: whether its last line is already the answer in
// the form the type asks for, or what is still to do.
#pragma once

#include "marking/ExactExpression.h"

#include <string>

namespace qimbel {

// What is still missing after `last` (a right value of the problem) for problem type `type`:
// empty when it is the answer; otherwise a phrase such as "还要约分" or "还要合并同类项".
//   7, 8, 20  one number in its simplest form (a whole number, a decimal, a reduced fraction);
//   21        a polynomial without brackets, each term one monomial, like terms combined;
//   22        a product whose factors no longer split over the integers (the factoriser's count);
//   23        one fraction whose numerator and denominator share no factor, or a polynomial.
std::string MissingFromAnswer(int type, const ExprNode &last, const fractions::Fraction &value);

} // namespace qimbel
