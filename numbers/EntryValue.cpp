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

std::optional<Rational> EntryValue(const std::string &typed)
{
    std::string entry = Trim(typed);
    bool negative = false;
    if (!entry.empty() && (entry[0] == '-' || entry[0] == '+')) {
        negative = entry[0] == '-';
        entry.erase(0, 1);
    } else if (Left(entry, 2) == "－" || Left(entry, 2) == "＋") {
        negative = Left(entry, 2) == "－";
        entry.erase(0, 2);
    }
    // A mixed number: the whole part and the fraction after it.
    int joint = Find(entry, "又");
    int jointLength = 2;
    if (joint < 0 && entry.find('+') != std::string::npos) {
        joint = static_cast<int>(entry.find('+'));
        jointLength = 1;
    }
    std::optional<Rational> value;
    if (joint > 0) {
        const std::optional<NumberValue> whole = ReadNumber(Left(entry, joint));
        const std::optional<NumberValue> part = ReadNumber(Mid(entry, joint + jointLength));
        if (!whole || !part || whole->kind != NumberValue::Kind::Whole || part->kind != NumberValue::Kind::Fraction)
            return std::nullopt;
        const std::optional<Rational> w = ExactValue(*whole);
        const std::optional<Rational> f = ExactValue(*part);
        if (!w || !f || f->numerator < 0)
            return std::nullopt;
        value = RationalSum(*w, *f);
    } else {
        bool percent = false;
        if (!entry.empty() && entry.back() == '%') {
            percent = true;
            entry.pop_back();
        } else if (Right(entry, 2) == "％") {
            percent = true;
            entry.erase(entry.size() - 2);
        }
        if (entry.empty() || entry[0] == '-' || entry[0] == '+')
            return std::nullopt;
        const std::optional<NumberValue> read = ReadNumber(entry);
        if (!read)
            return std::nullopt;
        value = ExactValue(*read);
        if (value && percent)
            value = RationalQuotient(*value, Rational {100, 1});
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
