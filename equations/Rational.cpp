#include "equations/Rational.h"

#include "solver/GbkText.h"

#include <cctype>

namespace qimbel {

namespace {

constexpr __int128 kLargest = 1000000000000000000LL; // 10^18

__int128 Magnitude(__int128 x) { return x < 0 ? -x : x; }

// Digits with at most one ".", read as the fraction digits/10^k; false for anything else.
bool ReadDecimalPart(const std::string &text, __int128 &numerator, __int128 &denominator)
{
    numerator = 0;
    denominator = 1;
    bool point = false;
    int digits = 0;
    for (char c : text) {
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (!std::isdigit(static_cast<unsigned char>(c)) || ++digits > 17)
            return false;
        numerator = numerator * 10 + (c - '0');
        if (point)
            denominator *= 10;
    }
    return digits > 0;
}

// An optional sign, then a decimal part; the sign is folded into the numerator.
bool ReadSigned(std::string text, __int128 &numerator, __int128 &denominator)
{
    int sign = 1;
    if (Left(text, 2) == "－" || Left(text, 2) == "＋") {
        sign = Left(text, 2) == "－" ? -1 : 1;
        text = Mid(text, 2);
    } else if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        sign = text[0] == '-' ? -1 : 1;
        text = Mid(text, 1);
    }
    if (!ReadDecimalPart(text, numerator, denominator))
        return false;
    numerator *= sign;
    return true;
}

} // namespace

std::optional<Rational> MakeBoundedRational(__int128 numerator, __int128 denominator)
{
    const std::optional<Rational> r = MakeRational(numerator, denominator);
    if (!r || Magnitude(r->numerator) > kLargest || r->denominator > kLargest)
        return std::nullopt;
    return r;
}

std::optional<Rational> ReadRational(const std::string &typed)
{
    std::string text = Trim(typed);
    while (Len(text) >= 2 && text.front() == '(' && text.back() == ')')
        text = Mid(text, 1, Len(text) - 2);
    __int128 n1 = 0;
    __int128 d1 = 1;
    const int slash = Find(text, "/");
    if (slash < 0)
        return ReadSigned(text, n1, d1) ? MakeBoundedRational(n1, d1) : std::nullopt;
    __int128 n2 = 0;
    __int128 d2 = 1;
    if (!ReadSigned(Left(text, slash), n1, d1) || !ReadSigned(Mid(text, slash + 1), n2, d2))
        return std::nullopt;
    // (n1/d1) / (n2/d2); every part is below 10^17, so the products fit.
    return MakeBoundedRational(n1 * d2, d1 * n2);
}

std::optional<Rational> Times(const Rational &a, const Rational &b)
{
    return MakeBoundedRational(
        a.numerator * b.numerator, static_cast<__int128>(a.denominator) * b.denominator);
}

std::optional<Rational> DividedBy(const Rational &a, const Rational &b)
{
    return MakeBoundedRational(a.numerator * b.denominator, a.denominator * b.numerator);
}

std::string RationalText(const Rational &value)
{
    return FractionText(value.numerator, value.denominator);
}

} // namespace qimbel
