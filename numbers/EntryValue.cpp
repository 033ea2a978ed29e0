#include "numbers/EntryValue.h"

#include "numbers/NumberText.h"
#include "solver/GbkText.h"

namespace qimbel::numbers {

std::string MixedForList(const std::string &line)
{
    std::string out;
    int from = 0;
    for (int p = Find(line, "又"); p >= 0; p = Find(line, "又", p + 2)) {
        const bool between = p > 0 && IsDigit(line[static_cast<std::size_t>(p - 1)]) && p + 2 < Len(line)
            && IsDigit(line[static_cast<std::size_t>(p + 2)]);
        if (!between)
            continue;
        out += Mid(line, from, p - from) + "+";
        from = p + 2;
    }
    return from == 0 ? line : out + Mid(line, from);
}

std::string MixedAsTyped(const std::string &entry)
{
    const std::size_t plus = entry.find('+', 1);
    if (plus == std::string::npos || !IsDigit(entry[plus - 1]) || entry.find('/', plus) == std::string::npos)
        return entry;
    return entry.substr(0, plus) + "又" + entry.substr(plus + 1);
}

namespace {

// A decimal "digits[.digits]" of at most 38 digits at `text[i]`, as numerator / 10^places (both
// fit in 128 bits); moves `i` past it. False when there is none or it is longer.
bool ReadDecimal(const std::string &text, std::size_t &i, Whole &numerator, Whole &denominator)
{
    numerator = 0;
    denominator = 1;
    int digits = 0;
    bool point = false;
    const std::size_t from = i;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (!IsDigit(c))
            break;
        if (++digits > 38)
            return false;
        numerator = numerator * 10 + (c - '0');
        if (point)
            denominator *= 10;
    }
    return digits > 0 && !(i - from == 1 && point);
}

// "a", "a/b" or "a%" (each part a decimal) making up the whole text.
std::optional<Rational> ReadPlainNumber(const std::string &text)
{
    std::size_t i = 0;
    Whole n = 0;
    Whole d = 1;
    if (!ReadDecimal(text, i, n, d))
        return std::nullopt;
    if (i < text.size() && text[i] == '/') {
        Whole bn = 0;
        Whole bd = 1;
        ++i;
        Whole top = 0;
        Whole bottom = 0;
        if (!ReadDecimal(text, i, bn, bd) || i != text.size() || bn == 0 || MultiplyOverflows(n, bd, top)
            || MultiplyOverflows(d, bn, bottom))
            return std::nullopt;
        return MakeRational(top, bottom);
    }
    if (i < text.size()
        && (text.compare(i, std::string::npos, "%") == 0 || text.compare(i, std::string::npos, "％") == 0))
        return MultiplyOverflows(d, 100, d) ? std::nullopt : MakeRational(n, d);
    if (i != text.size())
        return std::nullopt;
    return MakeRational(n, d);
}

} // namespace

std::optional<Rational> EntryValue(const std::string &typed)
{
    std::string entry = typed;
    if (!entry.empty() && (IsBlank(entry.front()) || IsBlank(entry.back())))
        entry = Trim(entry);
    bool negative = false;
    if (!entry.empty() && (entry[0] == '-' || entry[0] == '+')) {
        negative = entry[0] == '-';
        entry.erase(0, 1);
    } else if (entry.compare(0, 2, "－") == 0 || entry.compare(0, 2, "＋") == 0) {
        negative = entry.compare(0, 2, "－") == 0;
        entry.erase(0, 2);
    }
    // A mixed number: a whole part, then a fraction whose top is below its bottom or not.
    std::size_t joint = entry.find('+');
    std::size_t jointLength = 1;
    if (joint == std::string::npos) {
        const int p = Find(entry, "又");
        joint = p < 0 ? std::string::npos : static_cast<std::size_t>(p);
        jointLength = 2;
    }
    std::optional<Rational> value;
    if (joint != std::string::npos) {
        const std::string whole = entry.substr(0, joint);
        const std::string part = entry.substr(joint + jointLength);
        if (whole.empty() || whole.find_first_not_of("0123456789") != std::string::npos
            || part.find('/') == std::string::npos || part.find_first_not_of("0123456789/") != std::string::npos)
            return std::nullopt;
        const std::optional<Rational> w = ReadPlainNumber(whole);
        const std::optional<Rational> f = ReadPlainNumber(part);
        if (!w || !f)
            return std::nullopt;
        value = RationalSum(*w, *f);
    } else {
        value = ReadPlainNumber(entry);
    }
    if (value && negative)
        value->numerator = -value->numerator;
    return value;
}

double EntryDouble(const std::string &entry)
{
    if (const std::optional<Rational> value = EntryValue(entry))
        return static_cast<double>(value->numerator) / static_cast<double>(value->denominator);
    return LeadingValue(entry);
}

int CompareEntries(const std::string &a, const std::string &b)
{
    const std::optional<Rational> x = EntryValue(a);
    const std::optional<Rational> y = EntryValue(b);
    Whole left = 0;
    Whole right = 0;
    if (x && y && !MultiplyOverflows(x->numerator, y->denominator, left)
        && !MultiplyOverflows(y->numerator, x->denominator, right))
        return left < right ? -1 : left > right ? 1 : 0;
    const double u = EntryDouble(a);
    const double v = EntryDouble(b);
    return u < v ? -1 : u > v ? 1 : 0;
}

std::string EntryText(const Rational &value)
{
    std::string text = ExactText(value);
    if (Left(text, 2) == "－")
        text = "-" + Mid(text, 2);
    return text;
}

std::optional<Rational> ExactSum(const StringArray &entries)
{
    Rational total {0, 1};
    for (int i = 0; i < entries.GetSize(); ++i) {
        const std::optional<Rational> value = EntryValue(entries.GetAt(i));
        if (!value)
            return std::nullopt;
        const std::optional<Rational> sum = RationalSum(total, *value);
        if (!sum)
            return std::nullopt;
        total = *sum;
    }
    return total;
}

} // namespace qimbel::numbers
