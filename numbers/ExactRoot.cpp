#include "numbers/ExactRoot.h"

#include "numbers/NumberText.h"

#include <cmath>

namespace qimbel::numbers {

namespace {

Wide Gcd(Wide a, Wide b)
{
    while (b != 0) {
        const Wide r = a % b;
        a = b;
        b = r;
    }
    return a;
}

std::string WideText(Wide value)
{
    if (value == 0)
        return "0";
    std::string digits;
    while (value > 0) {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
        value /= 10;
    }
    return digits;
}

// value^n, or empty when it exceeds 128 bits.
std::optional<Wide> Power(Wide value, unsigned n)
{
    Wide result = 1;
    for (unsigned i = 0; i < n; ++i)
        if (!MultiplyInto(result, value))
            return std::nullopt;
    return result;
}

// The integer r with r^n == value, if there is one.
std::optional<Wide> IntegerRoot(Wide value, unsigned n)
{
    if (value <= 1 || n == 1)
        return value;
    if (n > 128)
        return std::nullopt; // only 0 and 1 are n-th powers below 2^128
    // The estimate from long double (64 bits of mantissa) is within one of the root; the exact
    // check decides in a small window around it.
    const long double estimate = std::pow(static_cast<long double>(value), 1.0L / static_cast<long double>(n));
    const Wide centre = static_cast<Wide>(estimate + 0.5L);
    for (Wide r = centre > 2 ? centre - 2 : 0; r <= centre + 2; ++r) {
        const std::optional<Wide> p = Power(r, n);
        if (p && *p == value)
            return r;
    }
    return std::nullopt;
}

} // namespace

bool MultiplyInto(Wide &value, Wide by)
{
    if (by != 0 && value > static_cast<Wide>(-1) / by)
        return false;
    value *= by;
    return true;
}

bool AddInto(Wide &value, Wide add)
{
    if (value > static_cast<Wide>(-1) - add)
        return false;
    value += add;
    return true;
}

std::optional<Wide> PowerOfTen(int exponent)
{
    Wide result = 1;
    for (int i = 0; i < exponent; ++i)
        if (!MultiplyInto(result, 10))
            return std::nullopt;
    return result;
}

std::optional<ExactDecimal> LeadingDecimal(const std::string &text)
{
    ExactDecimal value;
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        value.negative = text[at] == '-';
        ++at;
    }
    bool point = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (!IsDigit(c))
            break;
        if (!MultiplyInto(value.digits, 10) || !AddInto(value.digits, static_cast<Wide>(c - '0')))
            return std::nullopt;
        if (point)
            ++value.decimals;
    }
    if (value.digits == 0)
        value.negative = false;
    return value;
}

std::optional<Fraction> RationalRoot(Wide numerator, Wide denominator, unsigned n)
{
    if (denominator == 0 || n == 0)
        return std::nullopt;
    const Wide g = Gcd(numerator, denominator);
    if (g > 1) {
        numerator /= g;
        denominator /= g;
    }
    // Numerator and denominator are coprime, so the root is rational only when both are powers.
    const std::optional<Wide> top = IntegerRoot(numerator, n);
    const std::optional<Wide> bottom = IntegerRoot(denominator, n);
    if (!top || !bottom)
        return std::nullopt;
    return Fraction {*top, *bottom};
}

std::string ExactText(Fraction value)
{
    const Wide g = Gcd(value.numerator, value.denominator);
    if (g > 1) {
        value.numerator /= g;
        value.denominator /= g;
    }
    if (value.denominator == 1)
        return WideText(value.numerator);
    // A denominator that divides 10^6 gives a decimal of at most six places.
    constexpr Wide kMillion = 1000000;
    if (kMillion % value.denominator == 0) {
        // The remainder is below the denominator, so its millionths stay below 10^6.
        std::string places = WideText(value.numerator % value.denominator * (kMillion / value.denominator));
        places.insert(0, 6 - places.size(), '0');
        while (!places.empty() && places.back() == '0')
            places.pop_back();
        return WideText(value.numerator / value.denominator) + "." + places;
    }
    return WideText(value.numerator) + "/" + WideText(value.denominator);
}

} // namespace qimbel::numbers
