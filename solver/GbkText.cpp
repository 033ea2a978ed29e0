#include "solver/GbkText.h"

#include <climits>
#include <cstring>

namespace qimbel {

namespace {

bool LeadAt(std::string_view text, int i)
{
    return IsGbkLead(static_cast<unsigned char>(text[static_cast<std::size_t>(i)]));
}

// The first position in [from, to) that holds the byte `first` (and `second` after it, when
// `pair` is set: the caller makes sure that byte is there to read), or -1. Every full-width sign
// begins with the same byte 0xA3, so a sign is looked for by its two bytes. Most texts searched
// are a line or a step of a few dozen bytes, where a plain loop is quicker than calling memchr; a
// page's text goes to memchr.
int NextCandidate(const char *data, int from, int to, char first, bool pair, char second)
{
    if (to - from < 64) {
        for (int i = from; i < to; ++i)
            if (data[i] == first && (!pair || data[i + 1] == second))
                return i;
        return -1;
    }
    if (!pair) {
        const void *hit = std::memchr(data + from, first, static_cast<std::size_t>(to - from));
        return hit == nullptr ? -1 : static_cast<int>(static_cast<const char *>(hit) - data);
    }
    // On a long text the second byte is looked for: the first byte of a full-width sign (0xA3) is
    // the first byte of every other one too.
    for (int i = from + 1; i <= to;) {
        const void *hit = std::memchr(data + i, second, static_cast<std::size_t>(to + 1 - i));
        if (hit == nullptr)
            return -1;
        const int at = static_cast<int>(static_cast<const char *>(hit) - data);
        if (data[at - 1] == first)
            return at - 1;
        i = at + 1;
    }
    return -1;
}

// True when the `n` bytes at `a` and `b` are the same; most signs searched for are two bytes long.
bool SameBytes(const char *a, const char *b, int n)
{
    if (n > 8)
        return std::memcmp(a, b, static_cast<std::size_t>(n)) == 0;
    for (int i = 0; i < n; ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

// The first match of `what` at a character boundary at or after `from`, the characters counted
// from `start` (itself a boundary). Rather than stepping over every character, the scan jumps to
// the next place that holds the first two bytes of `what` and then decides whether that place opens
// a character: a byte below 0x81 never opens a two-byte character, so a character ends right after
// the last such byte before the candidate, and the run of lead-range bytes between them pairs up
// from there. Each byte is looked at a bounded number of times, so the scan stays linear.
int Scan(std::string_view text, std::string_view what, int start, int from)
{
    const int n = Len(text);
    const int m = Len(what);
    if (m == 0 || m > n)
        return -1;
    const char *data = text.data();
    int i = start < 0 ? 0 : start; // a character boundary
    for (;;) {
        const int s = i > from ? i : from;
        if (s + m > n)
            return -1;
        // A match of more than one byte has its second byte inside the text.
        const int c = NextCandidate(data, s, n - m + 1, what[0], m > 1, m > 1 ? what[1] : '\0');
        if (c < 0)
            return -1;
        int k = c - 1;
        while (k >= i && IsGbkLead(static_cast<unsigned char>(data[k])))
            --k;
        if ((c - (k + 1)) % 2 != 0) {
            // The candidate is the trail byte of a character: the next one starts after it.
            i = c + 1;
            continue;
        }
        if (m <= 2 || SameBytes(data + c + 2, what.data() + 2, m - 2))
            return c;
        i = c + (IsGbkLead(static_cast<unsigned char>(data[c])) && c + 1 < n ? 2 : 1);
    }
}

// The nearest character boundary at or before byte `pos`. A byte below 0x81 never opens a
// two-byte character, so whatever precedes it, a character ends right after it: the walk only
// goes back over the run of lead-range bytes before `pos`, not to the start of the text.
int BoundaryBefore(std::string_view text, int pos)
{
    int k = pos - 1;
    while (k >= 0 && LeadAt(text, k))
        --k;
    return k + 1;
}

} // namespace

int Find(std::string_view text, std::string_view what, int from)
{
    if (from <= 0)
        return Scan(text, what, 0, from);
    if (from >= Len(text))
        return -1;
    return Scan(text, what, BoundaryBefore(text, from), from);
}

int FindFromBoundary(std::string_view text, std::string_view what, int start) { return Scan(text, what, start, start); }

int ReverseFind(std::string_view text, std::string_view what)
{
    int last = -1;
    for (int p = FindFromBoundary(text, what, 0); p >= 0;) {
        last = p;
        const bool twoBytes = LeadAt(text, p) && p + 1 < Len(text);
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

std::string_view TrimmedView(std::string_view text)
{
    std::size_t n = text.size();
    while (n > 0 && IsBlank(text[n - 1]))
        --n;
    std::size_t i = 0;
    while (i < n && IsBlank(text[i]))
        ++i;
    return text.substr(i, n - i);
}

std::string Trim(const std::string &text) { return std::string(TrimmedView(text)); }

std::string IntText(long long value) { return std::to_string(value); }

} // namespace qimbel
