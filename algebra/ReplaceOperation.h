// Putting the result of one operation back into its expression so that the new expression keeps
// the value of the old one.
#pragma once

#include <string>

namespace qimbel {

// Puts the result of one operation back into the expression. The occurrence at `primary` (the
// operation that was worked) is always replaced; every other occurrence of the same text is
// replaced too, as long as it stands on its own: not inside a longer number or term, and not
// bound otherwise by its neighbours (1×2 in 31×2 or in 8÷1×2, 1＋2 in 3－1＋2 stay). A result of
// several terms that lands next to a product, a quotient, a power or a "－" is bracketed, and a
// sign that meets a sign is merged, so the new expression keeps the value of the old one.
// `primary` below 0 means the first occurrence that stands on its own (or else the first one).
std::string ReplaceOperation(
    const std::string &expression, const std::string &operation, const std::string &result, int primary = -1);

// head, piece and tail joined so that the piece does not run into its neighbours, as a group's
// result does when its brackets go: a number after a digit, letter, "." or closing bracket is
// written after "×" (2(3＋5) becomes 2×8, not 28), a signed number there is bracketed as well
// (2(3－5) becomes 2×(－2); without `bracketSigned` it becomes 2×－2), a term with letters that
// begins with a digit or a sign is bracketed (2(9a^(2))), and a number that a digit would follow
// gets "×" behind it.
std::string JoinUnglued(
    const std::string &head, const std::string &piece, const std::string &tail, bool bracketSigned = true);

// "＋－" to "－", "－－" to "＋", "－＋" to "－", in that order.
std::string MergeSigns(std::string text);

// Two signs that meet ("＋－", "－－", "－＋", "＋＋") become one, as many as stand in a row: a－－b
// is a＋b. With `beforeGroupsOnly` only the signs in front of a bracket group, or of a factor that
// a group follows, are merged (a－－(1－ab) is a＋(1－ab), a－－2(b－c) is a＋2(b－c)): a group is
// opened or multiplied out by the one sign in front of it, so a doubled sign must go first. Signs
// in front of a number stay, as 5－－2 is worked as it stands.
std::string MergeMeetingSigns(const std::string &text, bool beforeGroupsOnly = false);

// True when what stands before `pos` would run into a number put there: a closing bracket, or
// a digit, letter or "." (a "/" is a fraction bar: 1/(3＋5) becomes 1/8).
bool GluesBefore(const std::string &text, int pos);

} // namespace qimbel
