// What a page does with a typed line before its routine sees it, so that nothing the pupil typed
// is merged into a new problem: numbers that only blanks separate, and brackets that do not pair.
#pragma once

#include <string>

namespace qimbel {

// Said instead of any working for a line whose brackets do not pair.
inline constexpr const char *kUnpairedBrackets = "括号不配对，无法计算。";
// Said for a line where only blanks stand between two numbers and the type reads no list.
inline constexpr const char *kBlankBetweenNumbers = "两个数之间只有空格，请写出运算符号，或用逗号把数分开。";

// Numbers that only blanks separate, before the page's normalisation removes the blanks: on a
// type that reads a list (3, 4, 15, 16, 17) they become a comma list; a whole number before a
// fraction is a mixed number (1 1/2 is 1又1/2) on type 5 and inside a list that is already
// separated by commas. On the types that read one number (1, 2, 13, 14) digits grouped in threes by
// blanks are one number (3 600 000). On every other type the line is refused: `refused` is set and
// the line is returned unchanged.
std::string SeparateNumbers(const std::string &line, int type, bool &refused);

} // namespace qimbel
