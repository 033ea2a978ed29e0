// What the makers share: the made line with its answer, the texts of signed numbers and of
// polynomials as the routines write them, and readers of the routines' answers.
#pragma once

#include "algebra/ExactNumber.h"
#include "maker/ProblemMaker.h"
#include "solver/SeededRandom.h"

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qimbel::maker {

struct Candidate {
    std::string line;
    std::string answer;
};

// A whole number from low to high that is not 0.
long long NonZero(SeededRandom &random, long long low, long long high);
// A sign, + or −, with equal chance.
long long Sign(SeededRandom &random);

// 12, －7.
std::string Number(long long value);
// A number inside a line: (－7) for a negative one, 7 otherwise.
std::string Bracketed(long long value);
// A value text as the routines write results (12, －7, 3.5, 1/3).
std::string ValueText(Rational value);
Rational Whole(long long value);
Rational Ratio(long long numerator, long long denominator);

// One term of a polynomial: coefficient and the letters after it ("x^2", "xy", "" for a constant).
struct Term {
    long long coefficient;
    std::string letters;
};
// The polynomial text, terms in the given order, zero terms left out: 3x^2－x＋6; "0" when all
// vanish.
std::string PolynomialText(const std::vector<Term> &terms);
// The linear factor ax＋b as the routines write it (x－2, 2x＋1, x＋y).
std::string LinearText(long long a, const std::string &letter, long long b, const std::string &second = "");

// A polynomial read back: each monomial (letters with their powers, in letter order) with its
// exact coefficient; nothing for a text that is not a sum of monomials with whole or fraction
// coefficients.
using Polynomial = std::map<std::string, Rational>;
std::optional<Polynomial> ReadPolynomial(const std::string &text);
bool SamePolynomial(const Polynomial &a, const Polynomial &b);

// The factors of a product as the routines write it: the leading monomial (possibly empty) and the
// texts inside each bracket, a squared bracket counted twice, sorted; nothing for another shape.
std::optional<std::vector<std::string>> ReadFactors(const std::string &text);

// The exact value of a number text; nothing for anything else.
std::optional<Rational> ValueOf(const std::string &text);
bool SameValue(const Rational &a, const Rational &b);

// The lines of a text without blanks at their ends, empty lines left out.
std::vector<std::string> Lines(const std::string &text);

} // namespace qimbel::maker
