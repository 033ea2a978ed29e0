// The exact value of one number of a list as the pupil typed it: a whole number, a decimal, a
// fraction (3/4), a percentage (5%) or a mixed number (1又1/2), each with its sign. Sorting and
// the statistics compare and add these values, never the digits in front of a "/" or "%".
#pragma once

#include "algebra/ExactNumber.h"
#include "solver/StringArray.h"

#include <optional>
#include <string>

namespace qimbel::numbers {

// A mixed number inside a list is written w又n/d on the page; in the list it stands as w+n/d, so
// that the list cutter keeps it one number (MixedForList), and is shown with 又 again.
std::string MixedForList(const std::string &line);
std::string MixedAsTyped(const std::string &entry);

// The exact value of an entry (either form of a mixed number); nothing for a text that is no
// number or too long to hold exactly.
std::optional<Rational> EntryValue(const std::string &entry);
// The same as a double: the exact value when there is one, else the leading decimal.
double EntryDouble(const std::string &entry);
// -1, 0 or 1 as a is smaller than, equal to or larger than b, exactly where both have exact values.
int CompareEntries(const std::string &a, const std::string &b);

// An exact result as the number topics write it: a whole number, a decimal of at most six places,
// else a reduced fraction, with an ASCII minus like the rest of their answers (13/36, -2.5).
std::string EntryText(const Rational &value);

// The exact sum of all entries, or nothing when one has no exact value or the sum leaves the range.
std::optional<Rational> ExactSum(const StringArray &entries);

} // namespace qimbel::numbers
