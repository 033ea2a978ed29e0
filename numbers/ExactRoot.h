// Exact values of the means that take a root (几何平均数, 平方平均数): the number texts are read as
// exact decimals, and a root is written exactly whenever it is a rational number.
#pragma once

#include <optional>
#include <string>

namespace qimbel::numbers {

using Wide = unsigned __int128;

// The leading decimal number of a text (as LeadingValue reads it) as digits / 10^decimals, with
// its sign. Empty when the text has more digits than 128 bits hold (the caller then works with
// doubles); a text that does not start with a number is 0.
struct ExactDecimal {
    bool negative = false;
    Wide digits = 0;
    int decimals = 0;
};
std::optional<ExactDecimal> LeadingDecimal(const std::string &text);

// The n-th root of numerator / denominator when it is a rational number and every number on the
// way fits in 128 bits; empty otherwise. The result is reduced.
struct Fraction {
    Wide numerator = 0;
    Wide denominator = 1;
};
std::optional<Fraction> RationalRoot(Wide numerator, Wide denominator, unsigned n);

// Products and sums that report an overflow instead of wrapping.
bool MultiplyInto(Wide &value, Wide by);
bool AddInto(Wide &value, Wide add);
// 10^exponent; empty when it does not fit.
std::optional<Wide> PowerOfTen(int exponent);

// An exact value as Qimbel writes it: a whole number or a decimal of at most six places as such
// (9, 0.25), anything else as a reduced fraction (1/3).
std::string ExactText(Fraction value);

} // namespace qimbel::numbers
