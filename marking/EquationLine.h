// The texts of a pupil's equation line as the marker reads them: the signs written one way, the
// words around the working taken off, the line cut into its equations, sides and terms.
#pragma once

#include <string>
#include <vector>

namespace qimbel::marking {

// The line with its signs written one way and its blanks dropped: full-width letters, digits,
// brackets and punctuation become ASCII ("，" is ",", "：" is ":"); the operators and relations
// become "＋" "－" "×" "÷" "＝" "＜" "＞" "≤" "≥" ("<=" and ">=" included); "—" is "－".
std::string NormalisedSigns(const std::string &typed);

// The working of a normalised line without the words around it: the part after the last
// "得" or ":" that a relation follows ("移项得", "两边同除以－2，得", "由①得：", "解:"), then
// without the words and marks in front ("∴", "所以", "解") and behind ("。", "①", "是原方程的解").
std::string WorkingPart(const std::string &normalised);

// True when the character that starts at byte i belongs to a formula.
bool IsFormulaChar(const std::string &text, int i);
// True when the text holds one of the words.
bool HasAnyWord(const std::string &text, const std::vector<const char *> &words);

// The relation symbols of a text in order, and the sides between them.
struct Relations {
    std::vector<std::string> sides;
    std::vector<std::string> symbols;
};
Relations SplitRelations(const std::string &text);
// The reversed relation: "＞" and "＜", "≥" and "≤" change places; "＝" stays.
std::string ReversedSymbol(const std::string &symbol);

// The equations of a line joined by "," or ";" (and "或" when asked), outside brackets.
std::vector<std::string> Pieces(const std::string &text, bool orToo);

// A top-level term of a side: its first byte and its length, its sign included.
struct TermSpan {
    int at = 0;
    int length = 0;
};
std::vector<TermSpan> TopTerms(const std::string &side);
// The side with the sign of one term changed: "＋" and "－" swap, an unsigned first term gets "－",
// a "＋" left at the front of the side is dropped.
std::string FlippedTerm(const std::string &side, const TermSpan &term);

} // namespace qimbel::marking
