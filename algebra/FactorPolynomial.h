// Integer polynomials for factorisation: reading a typed polynomial, writing one, multiplying and
// comparing, and the product of factors that a factorisation builds step by step.
//
// Coefficients are 64-bit integers; every sum and product is checked, and a value that would not
// fit makes the operation fail rather than wrap round. Letters are "a".."z" then "A".."Z".
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace qimbel {

inline constexpr int kLetterCount = 52;

// Exponent of each letter, in the order a..z, A..Z.
using Exponents = std::array<unsigned char, kLetterCount>;

struct PolyTerm {
    Exponents exponents {};
    long long coefficient = 0;
};

// Terms in the order they are written; like terms are combined and no coefficient is 0.
struct Poly {
    std::vector<PolyTerm> terms;
};

// The letter of index i and the index of a letter byte (-1 when it is none).
char LetterOf(int index);
int LetterIndex(char c);

// Reads a typed polynomial with whole-number coefficients: sums, differences and products of
// numbers, letters and bracket groups, powers with a whole exponent ("^2", "^(2)"). Like terms
// are combined in the order they first occur. On failure `why` holds one sentence.
std::optional<Poly> ReadPolynomial(const std::string &text, std::string &why);

// Exact arithmetic; nothing when a coefficient or exponent would leave its range.
std::optional<Poly> PolyProduct(const Poly &a, const Poly &b);
std::optional<Poly> PolySum(const Poly &a, const Poly &b);
Poly PolyNegated(const Poly &p);
// Terms ordered by their exponents a..z, A..Z, highest first (x^2, x, 1; a^2b, b^3).
Poly PolySorted(Poly p);
bool SamePoly(const Poly &a, const Poly &b);
// A monomial as a polynomial; nothing for coefficient 0.
Poly MonomialPoly(long long coefficient, const Exponents &exponents);

int TotalDegree(const Exponents &e);
// Highest exponent of a letter in the polynomial.
int DegreeIn(const Poly &p, int letter);
// The letters that occur, in the order a..z, A..Z.
std::vector<int> LettersOf(const Poly &p);

// "3a^2b", "－x", "7"; with `signed` a positive monomial gets "＋" in front.
std::string MonomialText(long long coefficient, const Exponents &e, bool withPlus = false);
// "x^2－5x＋6" (terms in their order); "0" for no terms.
std::string PolyText(const Poly &p);
// The text of a whole number with a full-width minus.
std::string CoefficientText(long long value);

// A product: constant × monomial × factors, each factor a polynomial of two or more terms with
// its power. This is the expression a factorisation writes after every step.
struct PolyFactor {
    Poly poly;
    int power = 1;
};
struct Factored {
    long long constant = 1;
    Exponents monomial {};
    std::vector<PolyFactor> factors;
};

// The product written out: 3a(a－2), (x＋3)^2, －(x－1)(x＋2), x^2＋1. Factor `replaced` (when 0
// or more) is written as `replacement`, in brackets unless it is the whole expression.
std::string FactoredText(const Factored &f, int replaced = -1, const std::string &replacement = {});
// The product multiplied out again; nothing on overflow.
std::optional<Poly> Expand(const Factored &f);
// Single-term factors move into the constant and monomial, a factor whose first term is negative
// gives its sign to the constant, and equal factors become one power.
void Tidy(Factored &f);

} // namespace qimbel
