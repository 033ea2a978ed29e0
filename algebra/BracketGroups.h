// The group search shared by KuoHaoCheck and ZhengShiYouXianYunSuanShi.
#pragma once

#include <string>

namespace qimbel {

// Where the first group of one bracket kind that still holds work lies in an expression.
struct GroupSpan {
    int start = -1; // -1: no such group
    int end = -1; // one past its last byte
};

// Walks the expression keeping the depth of the bracket kind; each time the depth is back at 0
// the text collected since the last test is tested: it holds work when one of "＋" "－" "×" "÷"
// "^" ")(" "·" last occurs in it at a byte position above 1 (so (－5) is no work). A group that
// never closes gives the unclosed rest; a closing bracket without an opening one is no group. The walk starts at byte
// `from` (a character boundary).
GroupSpan FindWorkGroup(
    const std::string &expression, const std::string &opening, const std::string &closing, int from = 0);

// True when every bracket of each kind ("(" ")", "[" "]", "{" "}") closes after it opens and
// every opening one closes.
bool BracketsBalanced(const std::string &expression);

} // namespace qimbel
