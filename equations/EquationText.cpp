#include "equations/EquationText.h"

#include "solver/GbkText.h"

#include <cctype>

namespace qimbel {

std::string RelationSymbol(const std::string &text)
{
    for (const char *symbol : kRelationSymbols)
        if (Contains(text, symbol))
            return symbol;
    return {};
}

namespace {

// Reads the digits and one decimal point at `p`; false when no digit is there.
bool ReadDecimal(const std::string &text, std::size_t &p, double &value)
{
    const std::size_t start = p;
    value = 0;
    double scale = 0;
    bool digit = false;
    while (p < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[p]);
        if (std::isdigit(c)) {
            digit = true;
            if (scale == 0) {
                value = value * 10 + (c - '0');
            } else {
                value += (c - '0') * scale;
                scale /= 10;
            }
        } else if (c == '.' && scale == 0) {
            scale = 0.1;
        } else {
            break;
        }
        ++p;
    }
    if (!digit)
        p = start;
    return digit;
}

// Reads an optional sign and a number at `p`; `p` ends after what was read.
bool ReadNumber(const std::string &text, std::size_t &p, double &value)
{
    double sign = 1;
    if (text.compare(p, 2, "－") == 0) {
        sign = -1;
        p += 2;
    } else if (text.compare(p, 2, "＋") == 0) {
        p += 2;
    } else if (p < text.size() && (text[p] == '-' || text[p] == '+')) {
        sign = text[p] == '-' ? -1 : 1;
        ++p;
    }
    if (!ReadDecimal(text, p, value))
        return false;
    if (p < text.size() && text[p] == '/') {
        std::size_t q = p + 1;
        double denominator = 0;
        if (ReadDecimal(text, q, denominator) && denominator != 0) {
            value /= denominator;
            p = q;
        }
    }
    value *= sign;
    return true;
}

} // namespace

double LeadingValue(const std::string &text, bool *found)
{
    std::size_t p = 0;
    double value = 0;
    const bool ok = ReadNumber(text, p, value);
    if (found)
        *found = ok;
    return ok ? value : 0;
}

bool IsPlainNumber(const std::string &text)
{
    std::size_t p = 0;
    double value = 0;
    return ReadNumber(text, p, value) && p == text.size();
}

std::string SubstituteLetter(const std::string &text, const std::string &letter, const std::string &value)
{
    const int first = Find(text, letter);
    if (first < 0)
        return text;
    const std::string before = Mid(text, first >= 2 ? first - 2 : 0, first >= 2 ? 2 : first);
    const char last = before.empty() ? '\0' : before.back();
    const bool bare = first == 0 || before == "＋" || before == "－" || before == "×" || before == "÷" || last == '('
        || last == '[' || last == '{';
    const std::string by = (bare ? "(" : "×(") + value + ")";
    std::string result;
    int rest = 0;
    for (int p = first; p >= 0; p = FindFromBoundary(text, letter, rest)) {
        result += Mid(text, rest, p - rest) + by;
        rest = p + Len(letter);
    }
    return result + Mid(text, rest);
}

std::string ReversedSymbol(const std::string &symbol)
{
    if (symbol == "＞")
        return "＜";
    if (symbol == "＜")
        return "＞";
    if (symbol == "≥")
        return "≤";
    if (symbol == "≤")
        return "≥";
    return symbol;
}

bool SplitRatio(const std::string &ratio, std::string &first, std::string &second)
{
    int p = Find(ratio, ":");
    int width = 1;
    if (p < 0) {
        p = Find(ratio, "：");
        width = 2;
    }
    if (p < 0)
        return false;
    first = Left(ratio, p);
    second = Mid(ratio, p + width);
    return true;
}

} // namespace qimbel
