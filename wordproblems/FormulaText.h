// The texts of the formula word problems: how a problem names its formula file, how a formula is
// written (〖面积〗〔长〕×〔宽〕: the head in 〖 〗, every quantity in 〔 〕), and the fixed texts
// that the word-problem page writes.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qimbel::wordproblems {

// The value of a quantity that is not known yet.
inline constexpr const char *kUnknown = "未知";

// Shown by the page when a problem does not name its formula file.
inline constexpr const char *kNameMissingMessage
    = "请在题目的前面写清楚支持的公式文件，例如要求长方形的话，则在题目的前面添加〖长方形〗！";

// The result header of the word-problem page: the usual one with fifteen blanks in place of its
// last line break. It starts with "----", so the next check or compute cuts the old results.
inline constexpr const char *kWordProblemHeader
    = "\r\n---------------------------------------------\r\n解题过程:               ";

// Bounds that keep a hostile file from making the page slow: a file gives at most this many
// quantities and formulas, each name at most this long. (The longest problem line is in
// solver/InputLimits.h.)
inline constexpr int kMostQuantities = 100;
inline constexpr int kMostFormulas = 400;
inline constexpr int kLongestName = 64;

// The formula-file name in 〖 〗 at the front of a problem line and the problem after it.
struct NamedProblem {
    std::string name;
    std::string problem;
};
// Everything up to the first "〖" goes, the name runs to the first "〗" after it. Nothing when
// the line has no "〖" with a "〗" after it, or the name between them is empty.
std::optional<NamedProblem> SplitFormulaName(const std::string &line);

// The quantity a formula defines: the text in its leading 〖 〗; empty when there is none.
std::string FormulaHead(const std::string &formula);
// The power of the head: 2 for 〖边长〗^2〔面积〕 (边长×边长＝面积), 3 for 〖棱长〗^3〔体积〕, else 1.
// A formula of power 2 or 3 gives its quantity as the root of its expression.
int FormulaPower(const std::string &formula);
// The formula without its head (and the power after it): the expression to evaluate.
std::string FormulaBody(const std::string &formula);
// The quantities written 〔name〕 in the expression, each once, in text order.
std::vector<std::string> FormulaInputs(const std::string &formula);
// The formula as a pupil writes it: 〖面积〗〔长〕×〔宽〕 shows as 面积＝长×宽, and
// 〖边长〗^2〔面积〕 as 边长×边长＝面积.
std::string FormulaDisplay(const std::string &formula);
// Every `find` replaced by `by`, character-aware, nothing else touched.
std::string ReplaceAll(const std::string &text, const std::string &find, const std::string &by);

// Well-formed GBK without control characters: ASCII from blank to "~", or a lead byte
// 0x81-0xFE followed by a trail byte 0x40-0xFE other than 0x7F.
bool IsCleanGbk(const std::string &text);

// The first number of a clause: the first run of digits and "." "/" "%" "+" "-".
std::string FirstNumberToken(const std::string &clause);

// Where each of `names` first occurs in `clause` on its own: not inside an occurrence of a longer
// name of the list (so 长 does not count inside 周长 or 长方形, nor 面积 inside 底面积); -1 when
// it does not. An occurrence of the same text does not hide a name.
std::vector<int> OwnPositions(const std::string &clause, const std::vector<std::string> &names);

// Names joined by "、".
std::string JoinNames(const std::vector<std::string> &names);

} // namespace qimbel::wordproblems
