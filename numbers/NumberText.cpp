#include "numbers/NumberText.h"

#include "solver/GbkText.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

namespace qimbel::numbers {

const char *const kDigitNames[10] = {"零", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

int CharLen(const std::string &text, int pos)
{
    const int n = Len(text);
    if (pos < 0 || pos >= n)
        return 0;
    if (IsGbkLead(static_cast<unsigned char>(text[static_cast<std::size_t>(pos)])) && pos + 1 < n)
        return 2;
    return 1;
}

std::string CharAt(const std::string &text, int pos) { return Mid(text, pos, CharLen(text, pos)); }

std::string DigitsOnly(const std::string &text)
{
    std::string digits;
    for (char c : text)
        if (IsDigit(c))
            digits += c;
    return digits;
}

double LeadingValue(const std::string &text)
{
    std::size_t end = 0;
    if (end < text.size() && (text[end] == '+' || text[end] == '-'))
        ++end;
    const std::size_t digitsFrom = end;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    bool anyDigit = end > digitsFrom;
    if (end < text.size() && text[end] == '.') {
        std::size_t after = end + 1;
        while (after < text.size() && IsDigit(text[after]))
            ++after;
        if (after > end + 1 || anyDigit) {
            anyDigit = anyDigit || after > end + 1;
            end = after;
        }
    }
    if (!anyDigit)
        return 0.0;
    // The prefix is a plain decimal number, which strtod reads exactly as written.
    const std::string number = text.substr(0, end);
    return std::strtod(number.c_str(), nullptr);
}

void ExchangeSort(StringArray &numbers)
{
    const int n = numbers.GetSize();
    std::vector<std::pair<double, std::string>> items;
    items.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        items.emplace_back(LeadingValue(numbers.GetAt(i)), numbers.GetAt(i));

    // n * n / 2 comparisons stay well under a tenth of a second up to this size.
    constexpr int kExchangeLimit = 4000;
    if (n <= kExchangeLimit) {
        for (std::size_t i = 0; i < items.size(); ++i)
            for (std::size_t j = i + 1; j < items.size(); ++j)
                if (items[i].first > items[j].first)
                    std::swap(items[i], items[j]);
    } else {
        std::stable_sort(items.begin(), items.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    }
    for (int i = 0; i < n; ++i)
        numbers.SetAt(i, items[static_cast<std::size_t>(i)].second);
}

std::vector<std::size_t> ThousandsSeparators(const std::string &text)
{
    // Digits, points and commas are ASCII bytes and never the trail byte of a GBK character.
    std::vector<std::size_t> commas;
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        if (!IsDigit(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < n && IsDigit(text[end]))
            ++end;
        // Decimals never hold separators.
        const bool decimals = i > 0 && text[i - 1] == '.';
        if (!decimals && end - i <= 3) {
            while (end + 3 < n && text[end] == ',' && IsDigit(text[end + 1]) && IsDigit(text[end + 2])
                && IsDigit(text[end + 3]) && (end + 4 == n || !IsDigit(text[end + 4]))) {
                commas.push_back(end);
                end += 4;
            }
        }
        i = end;
    }
    return commas;
}

std::string WithoutThousandsSeparators(const std::string &text)
{
    const std::vector<std::size_t> commas = ThousandsSeparators(text);
    std::string result;
    result.reserve(text.size());
    std::size_t next = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (next < commas.size() && commas[next] == i) {
            ++next;
            continue;
        }
        result += text[i];
    }
    return result;
}

namespace {

using u64 = unsigned long long;
using u128 = unsigned __int128;

u64 PowMod(u64 base, u64 exponent, u64 modulus)
{
    u64 result = 1;
    base %= modulus;
    while (exponent > 0) {
        if (exponent & 1)
            result = static_cast<u64>(static_cast<u128>(result) * base % modulus);
        base = static_cast<u64>(static_cast<u128>(base) * base % modulus);
        exponent >>= 1;
    }
    return result;
}

// Deterministic Miller-Rabin for 64-bit values: these bases decide every n below 2^64.
bool IsPrimeValue(u64 n)
{
    if (n < 2)
        return false;
    static const u64 bases[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37};
    for (u64 p : bases)
        if (n % p == 0)
            return n == p;
    u64 d = n - 1;
    int s = 0;
    while ((d & 1) == 0) {
        d >>= 1;
        ++s;
    }
    for (u64 a : bases) {
        u64 x = PowMod(a, d, n);
        if (x == 1 || x == n - 1)
            continue;
        bool composite = true;
        for (int r = 1; r < s && composite; ++r) {
            x = static_cast<u64>(static_cast<u128>(x) * x % n);
            composite = x != n - 1;
        }
        if (composite)
            return false;
    }
    return true;
}

// The value of at most 18 digits; false when there are more.
bool SmallValue(const std::string &digits, u64 &value)
{
    if (digits.size() > 18)
        return false;
    value = 0;
    for (char c : digits)
        value = value * 10 + static_cast<u64>(c - '0');
    return true;
}

} // namespace

bool HasMinus(const std::string &text) { return Contains(text, "-") || Contains(text, "－"); }

bool IsIntegerText(const std::string &text)
{
    return !Contains(text, ".") && !Contains(text, "/") && !Contains(text, "%");
}

bool IsNaturalText(const std::string &text)
{
    return text == "0" || (IsIntegerText(text) && !HasMinus(text) && text != "0");
}

std::string MagnitudeDigits(const std::string &text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t end = i;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    std::string digits = text.substr(i, end - i);
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? std::string() : digits.substr(first);
}

bool IsPrimeText(const std::string &text)
{
    u64 value = 0;
    return IsNaturalText(text) && SmallValue(MagnitudeDigits(text), value) && IsPrimeValue(value);
}

bool IsCompositeText(const std::string &text)
{
    u64 value = 0;
    return IsNaturalText(text) && SmallValue(MagnitudeDigits(text), value) && value > 3 && !IsPrimeValue(value);
}

bool DividesText(const std::string &divisor, const std::string &dividend)
{
    const std::string d = MagnitudeDigits(divisor);
    const std::string n = MagnitudeDigits(dividend);
    u64 v = 0;
    if (d.empty())
        return false;
    if (!SmallValue(d, v))
        return n.empty() || n == d; // beyond 18 digits only the plain cases are decided
    u128 rest = 0;
    for (char c : n)
        rest = (rest * 10 + static_cast<u128>(c - '0')) % v;
    return rest == 0;
}

bool IsWholeNonZero(const std::string &text) { return IsIntegerText(text) && !MagnitudeDigits(text).empty(); }

std::vector<std::string> WholeNumbersOf(const StringArray &numbers)
{
    std::vector<std::string> whole;
    for (int i = numbers.GetSize() - 1; i >= 0; --i)
        if (IsWholeNonZero(numbers.GetAt(i)))
            whole.push_back(numbers.GetAt(i));
    return whole;
}

void KeepRelated(Solver &solver, const std::string &clause, StringArray &numbers,
    bool (*related)(const std::string &number, const std::string &clauseNumber))
{
    StringArray named;
    solver.ShuLieToShuZu(clause, named);
    const std::vector<std::string> ys = WholeNumbersOf(named);
    if (ys.empty())
        return;
    const bool negated = Contains(clause, "不") || Contains(clause, "非");
    for (int i = 0; i < numbers.GetSize(); ++i) {
        const std::string &x = numbers.GetAt(i);
        if (x.empty())
            continue;
        const bool whole = IsWholeNonZero(x);
        bool any = false;
        bool all = true;
        for (const std::string &y : ys) {
            const bool holds = whole && related(x, y);
            any = any || holds;
            all = all && holds;
        }
        if (negated ? any : !all)
            numbers.SetAt(i, "");
    }
}

} // namespace qimbel::numbers
