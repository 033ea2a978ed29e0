#include "algebra/ExactNumber.h"

#include "algebra/BracketMatching.h"
#include "solver/ExpressionText.h"
#include "solver/GbkText.h"
#include "solver/Solver.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace qimbel {

namespace {

constexpr Whole kWholeMax = static_cast<Whole>((static_cast<unsigned __int128>(1) << 127) - 1);
// 128-bit division and multiplication are calls of their own, long ones in WebAssembly; the
// small values that nearly every problem holds take the 64-bit operations.
constexpr Whole kInt64Max = std::numeric_limits<std::int64_t>::max();
constexpr Whole kUint64Max = std::numeric_limits<std::uint64_t>::max();
constexpr Whole kInt32Limit = Whole {1} << 31;

// a / b (b not 0), truncated as the 128-bit division.
Whole Divide(Whole a, Whole b)
{
    if (a >= -kInt64Max && a <= kInt64Max && b >= -kInt64Max && b <= kInt64Max)
        return static_cast<std::int64_t>(a) / static_cast<std::int64_t>(b);
    return a / b;
}

// Digits of an unsigned run, exactly; nothing when they do not fit in 128 bits.
std::optional<Whole> ReadDigits(const std::string &digits)
{
    if (digits.empty())
        return std::nullopt;
    Whole value = 0;
    for (char c : digits) {
        if (!IsDigitByte(c))
            return std::nullopt;
        if (value > (kWholeMax - (c - '0')) / 10)
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// A signed run: the sign (half-width) and the rest.
bool SplitSign(std::string &text)
{
    bool negative = false;
    while (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = negative != (text[0] == '-');
        text.erase(0, 1);
    }
    return negative;
}

} // namespace

double NumberValue::AsDouble() const
{
    if (kind == Kind::Decimal)
        return decimal;
    if (denominator == 0)
        return std::nan("");
    return static_cast<double>(numerator) / static_cast<double>(denominator);
}

std::optional<NumberValue> ReadNumber(const std::string &input)
{
    std::string text = Trim(input);
    for (std::string inner = WithoutOuterBrackets(text); inner != text; inner = WithoutOuterBrackets(text))
        text = inner;
    text = HalfWidthSigns(text);
    if (text.empty() || Len(text) > 4000)
        return std::nullopt;
    NumberValue value;
    const bool negative = SplitSign(text);
    if (text.empty())
        return std::nullopt;
    const int slash = Find(text, "/");
    if (slash >= 0) {
        std::string top = Left(text, slash);
        std::string bottom = Mid(text, slash + 1);
        const bool topNegative = SplitSign(top);
        const bool bottomNegative = SplitSign(bottom);
        const std::optional<Whole> n = ReadDigits(top);
        const std::optional<Whole> d = ReadDigits(bottom);
        if (!n || !d) {
            // Too long for 128 bits, or not a fraction at all.
            if (Contains(top, ".") || Contains(bottom, ".") || top.empty() || bottom.empty())
                return std::nullopt;
            for (char c : top + bottom)
                if (!IsDigitByte(c))
                    return std::nullopt;
            value.kind = NumberValue::Kind::Decimal;
            value.exact = false;
            value.decimal = std::strtod(top.c_str(), nullptr) / std::strtod(bottom.c_str(), nullptr);
            if (negative != (topNegative != bottomNegative))
                value.decimal = -value.decimal;
            return value;
        }
        value.kind = NumberValue::Kind::Fraction;
        value.numerator = (negative != (topNegative != bottomNegative)) ? -*n : *n;
        value.denominator = *d;
        return value;
    }
    const int dot = Find(text, ".");
    if (dot >= 0) {
        int digits = 0;
        for (int i = 0; i < Len(text); ++i) {
            const char c = text[static_cast<std::size_t>(i)];
            if (IsDigitByte(c))
                ++digits;
            else if (i != dot)
                return std::nullopt;
        }
        if (digits == 0)
            return std::nullopt;
        value.kind = NumberValue::Kind::Decimal;
        value.decimal = std::strtod(text.c_str(), nullptr);
        if (negative)
            value.decimal = -value.decimal;
        // The exact value: all digits over ten to the number of places.
        const std::optional<Whole> all = ReadDigits(Left(text, dot) + Mid(text, dot + 1));
        const int places = Len(text) - dot - 1;
        value.exact = all.has_value() && places <= 38;
        if (value.exact) {
            value.numerator = negative ? -*all : *all;
            value.denominator = 1;
            for (int i = 0; i < places; ++i)
                value.denominator *= 10;
        }
        return value;
    }
    const std::optional<Whole> n = ReadDigits(text);
    if (!n) {
        for (char c : text)
            if (!IsDigitByte(c))
                return std::nullopt;
        // A whole number beyond 128 bits: the decimal road.
        value.kind = NumberValue::Kind::Decimal;
        value.exact = false;
        value.decimal = std::strtod(text.c_str(), nullptr);
        if (negative)
            value.decimal = -value.decimal;
        return value;
    }
    value.numerator = negative ? -*n : *n;
    return value;
}

std::string WholeText(Whole value)
{
    const bool negative = value < 0;
    // The digits from the last, into a buffer wide enough for 2^127 (39 digits).
    char digits[40];
    char *first = digits + sizeof digits;
    while (value > kInt64Max || value < -kInt64Max) {
        const int digit = static_cast<int>(value % 10);
        *--first = static_cast<char>('0' + (digit < 0 ? -digit : digit));
        value /= 10;
    }
    auto rest = static_cast<std::uint64_t>(value < 0 ? -value : value);
    do {
        *--first = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    std::string text(negative ? "－" : "");
    text.append(first, digits + sizeof digits);
    return text;
}

std::string DecimalText(double value)
{
    // Past 10^15 a double no longer holds every digit of a whole number: its text would show
    // wrong digits as if they were exact (88888888888887778877778888888887777771/2×2 was written
    // 88888888888887772409340996946870927360), so nothing is formed.
    if (!std::isfinite(value) || std::fabs(value) >= 1e15)
        return {};
    std::string text = Solver().ShuZhiWenBen(value);
    if (text == "-0")
        text = "0";
    if (!text.empty() && text[0] == '-')
        text = "－" + text.substr(1);
    return text;
}

std::string FractionText(Whole numerator, Whole denominator)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    if (denominator == 1)
        return WholeText(numerator);
    return WholeText(numerator) + "/" + WholeText(denominator);
}

bool AddOverflows(Whole a, Whole b, Whole &sum) { return __builtin_add_overflow(a, b, &sum) || sum == -kWholeMax - 1; }

Whole WholeGcd(Whole a, Whole b)
{
    if (a < 0)
        a = -a;
    if (b < 0)
        b = -b;
    while (b != 0) {
        // Once both fit in 64 bits (at once for a pupil's numbers) the rest is done in 64 bits.
        if (a <= kUint64Max && b <= kUint64Max) {
            std::uint64_t x = static_cast<std::uint64_t>(a), y = static_cast<std::uint64_t>(b);
            while (y != 0) {
                const std::uint64_t t = x % y;
                x = y;
                y = t;
            }
            return x;
        }
        const Whole t = a % b;
        a = b;
        b = t;
    }
    return a;
}

bool MultiplyOverflows(Whole a, Whole b, Whole &product)
{
    // Two factors under 2^31 multiply exactly in 64 bits, without the 128-bit overflow check.
    if (a > -kInt32Limit && a < kInt32Limit && b > -kInt32Limit && b < kInt32Limit) {
        product = static_cast<std::int64_t>(a) * static_cast<std::int64_t>(b);
        return false;
    }
    return __builtin_mul_overflow(a, b, &product) || product == -kWholeMax - 1;
}

std::optional<Rational> MakeRational(Whole numerator, Whole denominator)
{
    // The smallest value cannot be negated; it never comes out of the checked operations below.
    if (denominator == 0 || numerator == -kWholeMax - 1 || denominator == -kWholeMax - 1)
        return std::nullopt;
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const Whole g = WholeGcd(numerator, denominator);
    if (g > 1) {
        numerator = Divide(numerator, g);
        denominator = Divide(denominator, g);
    }
    return Rational {numerator, denominator};
}

std::optional<Rational> ExactValue(const NumberValue &value)
{
    if (!value.exact)
        return std::nullopt;
    return MakeRational(value.numerator, value.denominator);
}

std::optional<Rational> RationalSum(const Rational &a, const Rational &b)
{
    // Over the least common denominator, so that the parts stay as small as they can.
    const Whole g = WholeGcd(a.denominator, b.denominator);
    Whole denominator = 0, left = 0, right = 0, numerator = 0;
    if (MultiplyOverflows(Divide(a.denominator, g), b.denominator, denominator)
        || MultiplyOverflows(a.numerator, Divide(b.denominator, g), left)
        || MultiplyOverflows(b.numerator, Divide(a.denominator, g), right) || AddOverflows(left, right, numerator))
        return std::nullopt;
    return MakeRational(numerator, denominator);
}

std::optional<Rational> RationalProduct(const Rational &a, const Rational &b)
{
    // Crosswise reduction first: a/b × c/d = (a/g1 × c/g2) / (b/g2 × d/g1).
    const Whole g1 = WholeGcd(a.numerator, b.denominator);
    const Whole g2 = WholeGcd(b.numerator, a.denominator);
    const Whole n1 = g1 > 1 ? Divide(a.numerator, g1) : a.numerator;
    const Whole d2 = g1 > 1 ? Divide(b.denominator, g1) : b.denominator;
    const Whole n2 = g2 > 1 ? Divide(b.numerator, g2) : b.numerator;
    const Whole d1 = g2 > 1 ? Divide(a.denominator, g2) : a.denominator;
    Whole numerator = 0, denominator = 0;
    if (MultiplyOverflows(n1, n2, numerator) || MultiplyOverflows(d1, d2, denominator))
        return std::nullopt;
    return MakeRational(numerator, denominator);
}

std::optional<Rational> RationalQuotient(const Rational &a, const Rational &b)
{
    if (b.numerator == 0)
        return std::nullopt;
    const std::optional<Rational> inverse = MakeRational(b.denominator, b.numerator);
    if (!inverse)
        return std::nullopt;
    return RationalProduct(a, *inverse);
}

std::string ExactText(const Rational &value)
{
    if (value.denominator == 1)
        return WholeText(value.numerator);
    // At most six places exactly when the denominator divides 10^6.
    constexpr Whole kMillion = 1000000;
    if (kMillion % value.denominator != 0)
        return FractionText(value.numerator, value.denominator);
    const Whole size = value.numerator < 0 ? -value.numerator : value.numerator;
    const Whole whole = size / value.denominator;
    std::string places = WholeText(size % value.denominator * (kMillion / value.denominator));
    places.insert(0, 6 - places.size(), '0');
    while (!places.empty() && places.back() == '0')
        places.pop_back();
    return (value.numerator < 0 ? "－" : "") + WholeText(whole) + "." + places;
}

} // namespace qimbel
