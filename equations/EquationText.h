// Helpers shared by the equation, inequality and ratio routines of equations/.
#pragma once

#include <string>

namespace qimbel {

// The relation symbols of an equation or inequality, in the order they are searched.
inline constexpr const char *kRelationSymbols[] = {"＝", "＞", "＜", "≥", "≤"};

// The relation symbol of a problem: the first of "＝" "＞" "＜" "≥" "≤" (in that order) that
// occurs anywhere in the text; empty when there is none.
std::string RelationSymbol(const std::string &text);

// The reversed relation: "＞" and "＜", "≥" and "≤" change places; "＝" stays.
std::string ReversedSymbol(const std::string &symbol);

// The value of the number a text begins with: a leading "－", "-", "＋" or "+" is its sign and
// a fraction a/b counts a ÷ b. A text that does not begin with a number counts 0; `found`
// (when given) tells whether a number was read.
double LeadingValue(const std::string &text, bool *found = nullptr);

// True when the whole text is one number in the form LeadingValue reads.
bool IsPlainNumber(const std::string &text);

// Puts `value` in place of every occurrence of `letter` in `text`. The first occurrence decides
// the form for all: "(" value ")" when the letter stands first, after a sign, after an opening
// bracket or after a written "×" or "÷"; otherwise a coefficient stands in front and the value
// is joined to it as "×(" value ")".
// Splits a ratio at its ratio sign (":" or the full-width "："); false when it has none.
bool SplitRatio(const std::string &ratio, std::string &first, std::string &second);

std::string SubstituteLetter(const std::string &text, const std::string &letter, const std::string &value);

} // namespace qimbel
