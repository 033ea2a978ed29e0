// The handbook library, the 口算 sheets and practice, and the 四则运算 test paper as the web
// edition receives them (JSON, UTF-8). The same calls are compiled into the WebAssembly module
// and into the native tool qimbel-sheets, so a test can hold the two answers side by side.
//
// A call is a list of words, as on a command line, and a text, as on standard input:
//   handbooks                                  the groups and books of 知识资料汇总
//   kousuan FLAGS RANGE TABLE COUNT BLANK SEED  a sheet: its problems and its printed pages
//   practice FLAGS RANGE TABLE COUNT BLANK SEED SECONDS
//                                              the practice of that sheet after the answers of
//                                              the text, one "index<TAB>typed" a line, in order
//   clock SECONDS                              the practice's clock: "3分05秒"
//   grade GRADE                                the usual paper of a grade, for the settings form
//   paper GRADE C1 C2 C3 C4 S1 S2 S3 S4 DECIMALS HUNDRED SEED
//                                              a test paper, its key and its laid-out pages
// FLAGS: 1 加法, 2 减法, 4 乘法, 8 除法, 16 negative results, 32 remainders. A call that cannot be
// read answers {"error": ...}.
#pragma once

#include "generators/ShiJuanBanMian.h"

#include <string>
#include <string_view>
#include <vector>

namespace qimbel::web {

std::string SheetsCall(const std::vector<std::string> &words, std::string_view input);

// The printable area of an A4 page with margins of 15 mm, in points: where the paper's layout
// puts its runs and the size of a printed page box in the browser.
inline constexpr double kPrintWidth = 510;
inline constexpr double kPrintHeight = 756;

// The width of a GBK text in ems of a fixed-pitch face: a two-byte character one em, a one-byte
// character half an em.
double FixedPitchEms(const std::string &gbk);

// The printing fonts of the browser's papers, measured in that fixed-pitch face.
const shijuan::TextMeasure &PrintMeasure();

// Laid-out pages as the print pages draw them: "width", "height", "fonts" (each font's size and
// line) and "pages" (each page's runs), the members of an object without its braces.
std::string PagesJson(const std::vector<shijuan::PaperPage> &laid);

} // namespace qimbel::web
