// Reading an expression around a position: which character classes stand there, which bracket
// matches which, how many top-level terms there are, and the operands that touch an operator.
#pragma once

#include <string>

namespace qimbel {

inline bool IsDigitByte(char c) { return c >= '0' && c <= '9'; }
inline bool IsLetterByte(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool HasLetters(const std::string &text);

// Byte length of a leading "＋" or "－" (2), or 0.
int LeadingSignLength(const std::string &text);
bool StartsWithSign(const std::string &text);

// Position of the bracket that closes (opens) the one at `pos`, any of the three kinds, by
// depth; -1 when it never closes (opens).
int MatchingClose(const std::string &text, int pos);
int MatchingOpen(const std::string &text, int pos);

// The text without one pair of outer brackets when its first bracket closes at its last byte.
std::string WithoutOuterBrackets(const std::string &text);

// Number of top-level terms: 1 + the "＋" and "－" outside brackets after the first character.
int TopLevelTermCount(const std::string &text);

// What stands just before `pos` (Before) or at `pos` (After): the edge of the text, a bracket,
// one of the signs, an operand byte (digit, letter, "." or "/"), or something else.
enum class Neighbour { Edge, Open, Close, Plus, Minus, Times, Divide, Power, Operand, Other };
Neighbour Before(const std::string &text, int pos);
Neighbour After(const std::string &text, int pos);

// The operand texts that touch an operator: OperandBefore ends at byte `pos` (the operator),
// OperandAfter starts at byte `pos` (just after it). An operand is a bracket group with its
// brackets, else a run of digits, ".", "/" and letters; a sign that opens the expression or
// follows another operator or an opening bracket belongs to the operand.
std::string OperandBefore(const std::string &expression, int pos);
std::string OperandAfter(const std::string &expression, int pos);

} // namespace qimbel
