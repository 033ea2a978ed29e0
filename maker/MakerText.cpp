#include "maker/MakerText.h"

#include "solver/GbkText.h"

#include <algorithm>

namespace qimbel::maker {

long long NonZero(SeededRandom &random, long long low, long long high)
{
    for (int i = 0; i < 64; ++i) {
        const long long value = random.Between(low, high);
        if (value != 0)
            return value;
    }
    return high != 0 ? high : 1;
}

long long Sign(SeededRandom &random) { return random.Chance(1, 2) ? 1 : -1; }

std::string Number(long long value) { return value < 0 ? "－" + std::to_string(-value) : std::to_string(value); }

std::string Bracketed(long long value) { return value < 0 ? "(" + Number(value) + ")" : Number(value); }

std::string ValueText(Rational value) { return ExactText(value); }

Rational Whole(long long value) { return Rational {value, 1}; }

Rational Ratio(long long numerator, long long denominator)
{
    return MakeRational(numerator, denominator).value_or(Rational {});
}

std::string PolynomialText(const std::vector<Term> &terms)
{
    std::string text;
    for (const Term &term : terms) {
        if (term.coefficient == 0)
            continue;
        const long long size = term.coefficient < 0 ? -term.coefficient : term.coefficient;
        if (term.coefficient < 0)
            text += "－";
        else if (!text.empty())
            text += "＋";
        if (size != 1 || term.letters.empty())
            text += std::to_string(size);
        text += term.letters;
    }
    return text.empty() ? "0" : text;
}

std::string LinearText(long long a, const std::string &letter, long long b, const std::string &second)
{
    return PolynomialText({{a, letter}, {b, second}});
}

namespace {

// One character of a GBK text at `at`: two bytes for a lead byte, else one.
std::string CharAt(const std::string &text, std::size_t at)
{
    const std::size_t size = IsGbkLead(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
    return text.substr(at, size);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// A whole number at `at` (digits only); advances `at`.
std::optional<long long> ReadWhole(const std::string &text, std::size_t &at)
{
    long long value = 0;
    const std::size_t start = at;
    while (at < text.size() && IsDigit(text[at]) && at - start < 15)
        value = value * 10 + (text[at++] - '0');
    if (at == start || (at < text.size() && IsDigit(text[at])))
        return std::nullopt;
    return value;
}

// The power after a letter: ^n or ^(n); 1 when none stands there.
std::optional<long long> ReadPower(const std::string &text, std::size_t &at)
{
    if (at >= text.size() || text[at] != '^')
        return 1;
    ++at;
    const bool bracket = at < text.size() && text[at] == '(';
    if (bracket)
        ++at;
    const std::optional<long long> power = ReadWhole(text, at);
    if (!power || *power > 20)
        return std::nullopt;
    if (bracket) {
        if (at >= text.size() || text[at] != ')')
            return std::nullopt;
        ++at;
    }
    return power;
}

} // namespace

std::optional<Polynomial> ReadPolynomial(const std::string &text)
{
    Polynomial result;
    std::size_t at = 0;
    bool first = true;
    while (at < text.size()) {
        long long sign = 1;
        const std::string c = CharAt(text, at);
        if (c == "＋" || c == "+" || c == "－" || c == "-") {
            sign = (c == "－" || c == "-") ? -1 : 1;
            at += c.size();
        } else if (!first) {
            return std::nullopt;
        }
        first = false;
        Rational coefficient = Whole(sign);
        if (at < text.size() && IsDigit(text[at])) {
            const std::optional<long long> n = ReadWhole(text, at);
            if (!n)
                return std::nullopt;
            long long d = 1;
            if (at < text.size() && text[at] == '/') {
                ++at;
                const std::optional<long long> den = ReadWhole(text, at);
                if (!den || *den == 0)
                    return std::nullopt;
                d = *den;
            }
            coefficient = Ratio(sign * *n, d);
        }
        std::map<char, long long> powers;
        while (at < text.size() && IsLetter(text[at])) {
            const char letter = text[at++];
            const std::optional<long long> power = ReadPower(text, at);
            if (!power)
                return std::nullopt;
            powers[letter] += *power;
        }
        std::string key;
        for (const auto &[letter, power] : powers)
            if (power != 0)
                key += std::string(1, letter) + std::to_string(power);
        const std::optional<Rational> sum = RationalSum(result[key], coefficient);
        if (!sum)
            return std::nullopt;
        result[key] = *sum;
        if (at < text.size()) {
            const std::string next = CharAt(text, at);
            if (next != "＋" && next != "+" && next != "－" && next != "-")
                return std::nullopt;
        }
    }
    if (first)
        return std::nullopt;
    return result;
}

bool SamePolynomial(const Polynomial &a, const Polynomial &b)
{
    const auto nonZero = [](const Polynomial &p) {
        Polynomial kept;
        for (const auto &[key, value] : p)
            if (value.numerator != 0)
                kept[key] = value;
        return kept;
    };
    const Polynomial x = nonZero(a);
    const Polynomial y = nonZero(b);
    if (x.size() != y.size())
        return false;
    for (const auto &[key, value] : x) {
        const auto other = y.find(key);
        if (other == y.end() || !SameValue(value, other->second))
            return false;
    }
    return true;
}

std::optional<std::vector<std::string>> ReadFactors(const std::string &text)
{
    std::vector<std::string> factors;
    std::size_t at = text.find('(');
    if (at == std::string::npos)
        at = text.size();
    const std::string leading = text.substr(0, at);
    if (!leading.empty())
        factors.push_back(leading);
    while (at < text.size()) {
        if (text[at] != '(')
            return std::nullopt;
        std::size_t end = at + 1;
        while (end < text.size() && text[end] != ')' && text[end] != '(')
            end += CharAt(text, end).size();
        if (end >= text.size() || text[end] != ')')
            return std::nullopt;
        const std::string inside = text.substr(at + 1, end - at - 1);
        at = end + 1;
        const std::optional<long long> power = ReadPower(text, at);
        if (!power || *power < 1 || *power > 6)
            return std::nullopt;
        for (long long i = 0; i < *power; ++i)
            factors.push_back(inside);
    }
    std::sort(factors.begin(), factors.end());
    return factors;
}

std::optional<Rational> ValueOf(const std::string &text)
{
    const std::optional<NumberValue> number = ReadNumber(Trim(text));
    if (!number)
        return std::nullopt;
    return ExactValue(*number);
}

bool SameValue(const Rational &a, const Rational &b)
{
    return a.numerator == b.numerator && a.denominator == b.denominator;
}

std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = Trim(text.substr(start, end - start));
        if (!line.empty())
            lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

} // namespace qimbel::maker
