#include "solver/GbkText.h"

#include <climits>

namespace qimbel {

int Len(const std::string &text)
{
    return text.size() > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(text.size());
}

namespace {

int Scan(const std::string &text, const std::string &what, int start, int from)
{
    const int n = Len(text);
    const int m = Len(what);
    if (m == 0 || m > n)
        return -1;
    for (int i = start < 0 ? 0 : start; i + m <= n;) {
        if (i >= from && text.compare(static_cast<std::size_t>(i), static_cast<std::size_t>(m), what) == 0)
            return i;
        i += (IsGbkLead(static_cast<unsigned char>(text[static_cast<std::size_t>(i)])) && i + 1 < n) ? 2 : 1;
    }
    return -1;
}

// The nearest character boundary at or before byte `pos`. A byte below 0x81 never opens a
// two-byte character, so whatever precedes it, a character ends right after it: the walk only
// goes back over the run of lead-range bytes before `pos`, not to the start of the text.
int BoundaryBefore(const std::string &text, int pos)
{
    int k = pos - 1;
    while (k >= 0 && IsGbkLead(static_cast<unsigned char>(text[static_cast<std::size_t>(k)])))
        --k;
    return k + 1;
}

} // namespace

int Find(const std::string &text, const std::string &what, int from)
{
    if (from <= 0)
        return Scan(text, what, 0, from);
    if (from >= Len(text))
        return -1;
    return Scan(text, what, BoundaryBefore(text, from), from);
}

int FindFromBoundary(const std::string &text, const std::string &what, int start)
{
    return Scan(text, what, start, start);
}

int ReverseFind(const std::string &text, const std::string &what)
{
    int last = -1;
    for (int p = FindFromBoundary(text, what, 0); p >= 0;) {
        last = p;
        const bool twoBytes
            = IsGbkLead(static_cast<unsigned char>(text[static_cast<std::size_t>(p)])) && p + 1 < Len(text);
        p = FindFromBoundary(text, what, p + (twoBytes ? 2 : 1));
    }
    return last;
}

std::string Left(const std::string &text, int n)
{
    if (n <= 0)
        return {};
    return text.substr(0, static_cast<std::size_t>(n));
}

std::string Right(const std::string &text, int n)
{
    const int len = Len(text);
    if (n <= 0)
        return {};
    if (n >= len)
        return text;
    return text.substr(static_cast<std::size_t>(len - n));
}

std::string Mid(const std::string &text, int start)
{
    if (start < 0)
        start = 0;
    if (start >= Len(text))
        return {};
    return text.substr(static_cast<std::size_t>(start));
}

std::string Mid(const std::string &text, int start, int n)
{
    if (start < 0) {
        n += start;
        start = 0;
    }
    if (n <= 0 || start >= Len(text))
        return {};
    return text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(n));
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string TrimLeft(const std::string &text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    return text.substr(i);
}

std::string TrimRight(const std::string &text)
{
    std::size_t n = text.size();
    while (n > 0 && IsBlank(text[n - 1]))
        --n;
    return text.substr(0, n);
}

std::string Trim(const std::string &text) { return TrimLeft(TrimRight(text)); }

std::string IntText(long long value) { return std::to_string(value); }

} // namespace qimbel
