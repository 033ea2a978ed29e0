#include "numbers/NumberText.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

namespace qimbel {

namespace {

// The power of ten that the counting units right after a number stand for: 万 4, 亿 8, and
// together as written (3.6万亿 is 3.6×10^(12)).
long long UnitExponent(const std::string &rest)
{
    long long exponent = 0;
    for (std::size_t at = 0; at + 1 < rest.size(); at += 2) {
        const std::string unit = rest.substr(at, 2);
        if (unit == "万")
            exponent += 4;
        else if (unit == "亿")
            exponent += 8;
        else
            break;
    }
    return exponent;
}

// Said for a line that is a calculation or more than one number rather than one number.
constexpr const char *kNotOneNumber
    = "这不是一个数，无法写成科学记数法。请每行输入一个数，例如 3600000、0.00052、3.6万。";

// True when the text holds a sign of a calculation: what follows a number must not make it an
// operation (3＋5, 2×10). Stray digits and points after it are passed over, as before.
bool HoldsOperation(const std::string &text)
{
    for (char c : text)
        if (c == '+' || c == '-' || c == '*' || c == '/' || c == '=')
            return true;
    for (const char *sign : {"＋", "－", "×", "÷", "＝", "（", "）", "("})
        if (Contains(text, sign))
            return true;
    return false;
}

std::string ExponentText(long long exponent) { return exponent < 0 ? "－" + IntText(-exponent) : IntText(exponent); }

} // namespace

// Problem type 科学记数法: writes a number as a × 10^n, digit by digit on the text, so no digit is
// lost to floating point. A full-width sign in front is kept ("－" wins over "＋"); the digits are
// kept as typed (1200 gives 1.200×10^(3)). Leading zeros of the integer part are not counted, a
// number whose digits are all 0 gives 0×10^(0), and only the leading number is used (digits, one
// point, digits); a text without one gives the empty text, and a second number or an operation
// (3＋5) a sentence. Thousands separators belong to the
// number (1,000,000), and 万 and 亿 right after it scale it (3.6万 is 3.6×10^(4)).
std::string Solver::KeXueJiShuFa(std::string number)
{
    if (std::string sentence = LineTooLong(number, kLongestNumberLine); !sentence.empty())
        return sentence;
    std::string sign;
    number = Trim(GetTiHuan(GetTiHuan(number, "+", "＋"), "-", "－"));
    // Only the front of the line holds a sign; one further on makes a calculation (3＋5).
    while (Left(number, 2) == "＋" || Left(number, 2) == "－") {
        if (sign != "－")
            sign = Left(number, 2);
        number = Trim(Mid(number, 2));
    }
    number = numbers::WithoutThousandsSeparators(number);

    // The leading number: integer digits, then an optional point and decimal digits.
    std::size_t end = 0;
    while (end < number.size() && numbers::IsDigit(number[end]))
        ++end;
    std::string integer = number.substr(0, end);
    std::string decimals;
    const bool hasPoint = end < number.size() && number[end] == '.';
    if (hasPoint) {
        std::size_t after = end + 1;
        while (after < number.size() && numbers::IsDigit(number[after]))
            ++after;
        decimals = number.substr(end + 1, after - end - 1);
    }
    if (integer.empty() && decimals.empty())
        return HoldsOperation(number) ? kNotOneNumber : std::string();
    const std::string after = number.substr(hasPoint ? end + 1 + decimals.size() : end);
    if (HoldsOperation(after))
        return kNotOneNumber;
    const long long scale = UnitExponent(after);

    const std::size_t firstNonZero = integer.find_first_not_of('0');
    integer = firstNonZero == std::string::npos ? std::string() : integer.substr(firstNonZero);
    if (integer.empty() && decimals.find_first_not_of('0') == std::string::npos)
        return sign + "0×10^(0)";

    auto mantissa = [](const std::string &digits) {
        return digits.size() > 1 ? digits.substr(0, 1) + "." + digits.substr(1) : digits;
    };
    if (integer.empty()) {
        // 0.00123: the zeros after the point and the first digit give the negative exponent.
        const std::size_t zeros = decimals.find_first_not_of('0');
        return sign + mantissa(decimals.substr(zeros)) + "×10^("
            + ExponentText(scale - static_cast<long long>(zeros) - 1) + ")";
    }
    return sign + mantissa(integer + decimals) + "×10^("
        + ExponentText(static_cast<long long>(integer.size()) - 1 + scale) + ")";
}

} // namespace qimbel
