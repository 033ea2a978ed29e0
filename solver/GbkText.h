// Byte-string helpers for GBK text.
//
// Every text in the solver is a GBK byte string: ASCII takes one byte, a Chinese character or a
// full-width sign takes two (a lead byte 0x81-0xFE and a trail byte). Lengths and positions are in
// bytes, cuts are byte-wise, and searching is character-aware: a match never starts on the trail
// byte of a two-byte character, so searching "-" or "[" never hits the middle of a Chinese sign.
// Positions are ints; -1 means "not found".
#pragma once

#include <climits>
#include <string>
#include <string_view>

namespace qimbel {

// Byte length of a text, clamped to the int range.
inline int Len(std::string_view text)
{
    return text.size() > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(text.size());
}

// True when byte `b` opens a two-byte GBK character.
inline bool IsGbkLead(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

// First occurrence of `what` at a character boundary at or after byte `from`; -1 if none.
// An empty `what` is never found.
int Find(std::string_view text, std::string_view what, int from = 0);

// The same, when `start` is known to be a character boundary: the scan begins there, so a loop
// that moves forward over a long text stays linear.
int FindFromBoundary(std::string_view text, std::string_view what, int start);

// Last occurrence of `what` at a character boundary; -1 if none.
int ReverseFind(std::string_view text, std::string_view what);

// True when the bytes of `what` stand at byte `at` of `text` (false when they would run past its
// end): a test of one sign at a known place, without a call into the C library.
inline bool HasAt(std::string_view text, std::size_t at, std::string_view what)
{
    if (at > text.size() || text.size() - at < what.size())
        return false;
    for (std::size_t i = 0; i < what.size(); ++i)
        if (text[at + i] != what[i])
            return false;
    return true;
}

// True when `text` is exactly `what`, compared in place (the tests of one sign or bracket).
inline bool IsText(std::string_view text, std::string_view what)
{
    return text.size() == what.size() && HasAt(text, 0, what);
}

// True when `what` occurs in `text` (character-aware).
inline bool Contains(std::string_view text, std::string_view what) { return Find(text, what) >= 0; }

// First `n` bytes (all of the text when n is larger, nothing when n <= 0).
std::string Left(const std::string &text, int n);
// Last `n` bytes.
std::string Right(const std::string &text, int n);
// Bytes from `start` to the end.
std::string Mid(const std::string &text, int start);
// `n` bytes from `start`.
std::string Mid(const std::string &text, int start, int n);

// The blanks trimmed everywhere in Qimbel: space, tab, CR, LF, vertical tab, form feed.
inline bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }
std::string Trim(const std::string &text);
// The same, as a view of `text` (no copy).
std::string_view TrimmedView(std::string_view text);
std::string TrimLeft(const std::string &text);
std::string TrimRight(const std::string &text);

// Decimal text of an integer.
std::string IntText(long long value);

} // namespace qimbel
