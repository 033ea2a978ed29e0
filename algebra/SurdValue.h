// Exact numbers of the form c0 ＋ c1√r1 ＋ c2√r2 ＋ …: rational coefficients, radicands whole,
// square-free and different. Sums, products, powers and quotients stay exact; a quotient is
// formed by 分母有理化 when the divisor has at most two terms.
#pragma once

#include "algebra/QValue.h"

#include <optional>
#include <string>
#include <vector>

namespace qimbel {

// Radicands stay at most this large, so taking out square factors is quick (ten thousand trial
// divisions at most), and a value has at most kMostSurdTerms terms, so a power of a long
// sum stays small.
inline constexpr Whole kLargestRadicand = 100000000;
inline constexpr std::size_t kMostSurdTerms = 64;

struct SurdTerm {
    Whole radicand = 1; // 1 for the rational part
    QValue coefficient;
};

struct Surd {
    std::vector<SurdTerm> terms; // by radicand, no zero coefficient; empty is 0
};

// k and s with n ＝ k^2·s and s square-free; nothing when n is beyond kLargestRadicand.
std::optional<std::pair<Whole, Whole>> SquareFree(Whole n);

Surd SurdOf(const QValue &value);
// √value in simplest form; nothing for a negative value or one too large.
std::optional<Surd> SurdRoot(const QValue &value);
std::optional<Surd> SurdSum(const Surd &a, const Surd &b);
std::optional<Surd> SurdNegated(const Surd &a);
std::optional<Surd> SurdProduct(const Surd &a, const Surd &b);
// a ÷ b by 分母有理化; nothing when b is 0, has more than two terms, or a number leaves its range.
std::optional<Surd> SurdQuotient(const Surd &a, const Surd &b);
// The conjugate that makes a two-term divisor rational: the sign of its one negative term (else of
// its second term) changed.
Surd SurdConjugate(const Surd &b);

bool IsRational(const Surd &a);
bool SurdEqual(const Surd &a, const Surd &b);

// The text of a value: 5＋2√6, 2√3, √2/2, －3√5/4, (1＋√5)/2 (rational part first, radicands
// ascending; several terms over one denominator share it).
std::string SurdText(const Surd &a);

} // namespace qimbel
