#include "algebra/ExactNumber.h"

#include "algebra/BracketMatching.h"
#include "solver/ExpressionText.h"
#include "solver/GbkText.h"
#include "solver/Solver.h"

#include <cmath>
#include <cstdlib>

namespace qimbel {

namespace {

constexpr Whole kWholeMax = static_cast<Whole>((static_cast<unsigned __int128>(1) << 127) - 1);

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
        return value;
    }
    const std::optional<Whole> n = ReadDigits(text);
    if (!n) {
        for (char c : text)
            if (!IsDigitByte(c))
                return std::nullopt;
        // A whole number beyond 128 bits: the decimal road.
        value.kind = NumberValue::Kind::Decimal;
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
    std::string digits;
    do {
        const int digit = static_cast<int>(value % 10);
        digits.insert(digits.begin(), static_cast<char>('0' + (digit < 0 ? -digit : digit)));
        value /= 10;
    } while (value != 0);
    return negative ? "－" + digits : digits;
}

std::string DecimalText(double value)
{
    if (!std::isfinite(value))
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

bool MultiplyOverflows(Whole a, Whole b, Whole &product)
{
    return __builtin_mul_overflow(a, b, &product) || product == -kWholeMax - 1;
}

} // namespace qimbel
