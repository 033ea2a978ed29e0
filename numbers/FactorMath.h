// Integer helpers of the factor, multiple and fraction routines.
//
// The numbers of these routines are read like C's atoi (leading blanks, one ASCII sign, digits;
// a text that does not start with a number is 0) but into 64 bits, and every product is checked,
// so no value is ever wrapped round: a result that does not fit is answered with kTooLarge.
#pragma once

#include "solver/WholeNumbers.h"

#include <string>
#include <vector>

namespace qimbel {

// Answers that take the place of a number the routines cannot give.
inline constexpr const char *kTooLarge = "数太大，超出了计算范围";
inline constexpr const char *kZeroOnly = "0不在研究因数和倍数的范围内";
inline constexpr const char *kZeroDenominator = "分母不能为0";

// The leading integer of a text. False when its digits exceed 18 (the value is then unusable).
bool LeadingInteger(const std::string &text, long long &value);

// The integers of a comma list, each piece trimmed; zeros are left out (0 has no place among
// factors and multiples) and signs are dropped. False when a piece is too long to read.
bool NonZeroMagnitudes(const std::string &list, std::vector<long long> &values);

// The numbers of a line (ShuLieToShuZu) joined by "," in their order on the line.
std::string NumberListOf(const std::string &line);

// "\r\n" + line with each "()" filled by "(" + answer + ")" + "\r\n" when the line has a "()",
// else line + "  答案为：" + answer + "\r\n".
std::string AnswerLine(const std::string &line, const std::string &answer);

} // namespace qimbel
