// Helpers shared by the expression-array, bracket and factor routines.
//
// The solver holds expressions with the full-width signs "＋" and "－". Routines that scan an
// expression byte by byte make the signs half-width first and full-width again in every piece
// they hand out; both directions go through TiHuan, which also drops blanks next to a sign.
#pragma once

#include "solver/GbkText.h"

#include <string>

namespace qimbel {

// "＋" to "+" and "－" to "-".
std::string HalfWidthSigns(std::string text);
// "+" to "＋" and "-" to "－".
std::string FullWidthSigns(std::string text);
// What an input method types for a number, read as the solver's own forms: ０ to ９ as 0 to 9,
// "．" as ".", "（" "）" as "(" ")" and "／" as "/"; every other character stays.
std::string HalfWidthNumbers(const std::string &text);

// Bytes of the character that starts at byte i: 2 for a GBK lead byte followed by a trail byte,
// else 1. Scanning by characters keeps a trail byte such as "^" (0x5E) or "]" (0x5D) of a Chinese
// character from being read as an operator or a bracket.
inline int CharSize(const std::string &text, int i)
{
    return IsGbkLead(static_cast<unsigned char>(text[static_cast<std::size_t>(i)])) && i + 1 < Len(text) ? 2 : 1;
}

// True when the last character of the text is the single byte c.
bool EndsWithByte(const std::string &text, char c);

// The term without its leading coefficient: GetShuZi of the term, deleted together with
// everything before its first occurrence. The term should carry full-width signs.
std::string DropCoefficient(const std::string &term);

// True when every bracket closes the last one opened, of the same kind ("(" "[" "{"; the two
// widths of round brackets are one kind).
bool BracketsPair(const std::string &line);

inline bool IsOpeningBracket(char c) { return c == '(' || c == '[' || c == '{'; }
inline bool IsClosingBracket(char c) { return c == ')' || c == ']' || c == '}'; }

} // namespace qimbel
