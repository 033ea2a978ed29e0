// Small helpers shared by the number-topic routines of numbers/: the digit names, walking GBK
// text character by character, and the value of a number text.
#pragma once

#include "solver/Solver.h"

#include <string>
#include <vector>

namespace qimbel::numbers {

// "零" to "九", indexed by digit value.
extern const char *const kDigitNames[10];

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Byte length of the character that starts at byte `pos`: 2 for a GBK lead byte followed by a
// trail byte, otherwise 1 (0 at or past the end).
int CharLen(const std::string &text, int pos);

// The character that starts at byte `pos` (empty at or past the end).
std::string CharAt(const std::string &text, int pos);

// Only the ASCII digits of a text, in order.
std::string DigitsOnly(const std::string &text);

// The byte positions of the commas that separate thousands inside a number: after a run of one to
// three digits (that does not follow a point), every comma that is followed by exactly three
// digits and then no further digit, group after group (1,000,000 and 12,345.6). Other commas are
// not counted, so 12,34 and 1,2,3 stay lists.
std::vector<std::size_t> ThousandsSeparators(const std::string &text);
// The text without those commas.
std::string WithoutThousandsSeparators(const std::string &text);

// The value of the leading decimal number of a text: an optional "+" or "-", digits, an optional
// point and digits. Anything after it is ignored; a text that does not start with a number is 0.
// Never reads hexadecimal, exponents, "inf" or "nan", whatever the text holds.
double LeadingValue(const std::string &text);

// Sorts `numbers` ascending by their exact values (EntryValue, else LeadingValue) with the exchange sort the worked texts describe: for
// every position i from index 0, every later position j whose value is smaller is swapped into i
// (equal values are never swapped). Texts stay as typed. The order that sort leaves, equal
// values included, is computed in n log n, so a pasted list of any length gives the same order.
void ExchangeSort(StringArray &numbers);

// ---- Tests on a number text, used by the number-property questions ----

// A "-" or "－" anywhere in the text.
bool HasMinus(const std::string &text);
// None of ".", "/", "%": the text is an integer.
bool IsIntegerText(const std::string &text);
// A positive integer, or exactly "0".
bool IsNaturalText(const std::string &text);
// A natural number greater than 1 without a divisor between 2 and its half. Numbers of more than
// 18 digits are classed neither prime nor composite.
bool IsPrimeText(const std::string &text);
// A natural number greater than 3 with a divisor between 2 and its half.
bool IsCompositeText(const std::string &text);
// The digits of an integer text without its signs and leading zeros ("" for 0).
std::string MagnitudeDigits(const std::string &text);
// True when the integer `dividend` is divisible by the integer `divisor`; a divisor 0 divides
// nothing. Works on the digits, so a dividend of any length is exact.
bool DividesText(const std::string &divisor, const std::string &dividend);
// True for an integer text other than 0: the numbers that have factors and multiples in the
// school sense (and that can be divided by).
bool IsWholeNonZero(const std::string &text);
// The whole numbers other than 0 of a number list, in text order (12 and 18 of 12和18的公因数).
std::vector<std::string> WholeNumbersOf(const StringArray &numbers);

// The filter behind the factor and multiple clauses: blanks every number of the list that does
// not stand in the relation `related(number, clauseNumber)` to every whole number of the clause,
// or, in a negated clause ("不", "非"), that stands in it to any of them. A number that is not a
// whole number other than 0 never stands in it. A clause without whole numbers keeps the list.
void KeepRelated(Solver &solver, const std::string &clause, StringArray &numbers,
    bool (*related)(const std::string &number, const std::string &clauseNumber));

} // namespace qimbel::numbers
