// The most text a problem page takes for check, compute and marking. The limit counts the
// problems the pupil typed (the text before the first results mark, in GBK bytes, as every length
// in the core); the working below it does not count. A page of pupil-sized lines is far below it
// (a thousand lines are some 20 KB); at the limit the check takes well under a second, so that a
// text pasted by mistake (megabytes of it) is refused at once with one sentence instead of being
// normalised for half a minute.
#pragma once

#include <cstddef>
#include <string>

namespace qimbel {

inline constexpr std::size_t kLongestPageText = 256 * 1024;

// The sentence that refuses a text over the limit.
inline constexpr const char *kPageTextTooLong = "文本框中的题目太多（超过256KB），无法检测或运算，请分几次输入。";

// The bytes of `text` (GBK, CR LF) that the limit counts: those before the first results mark.
std::size_t PageTextLength(const std::string &text);

// kPageTextTooLong when the problems of `text` are over the limit; empty otherwise.
std::string PageTextTooLong(const std::string &text);

} // namespace qimbel
