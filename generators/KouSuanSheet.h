// The printed worksheet and answer sheet of the 口算练习生成器: titles, the name/date/score line,
// and how the problems fall into columns and pages. The printing widget only draws what this says.
#pragma once

#include "generators/KouSuanProblem.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace qimbel::kousuan {

struct SheetPage {
    std::string title; // GBK
    std::string subtitle; // the name/date/score line of a worksheet, the seed line of an answer sheet
    // The texts of the page, column by column: cells[c] holds column c from top to bottom.
    std::vector<std::vector<std::string>> cells;
};

constexpr int kSheetRows = 25; // rows of problems on one page

// The columns of a printed page: 4 for short problems, 3 when the longest printed problem is
// longer (three-digit numbers, a quotient with a remainder), 2 for the longest.
int SheetColumns(const std::vector<Problem> &problems);

// The width of a GBK text in the font of the printed problems, in the page's units; supplied by
// the printing face.
using SheetMeasure = std::function<double(const std::string &text)>;

// The columns as the printing font measures them: as many as the widest numbered problem (or
// answer) and a gap of one Chinese character fit across `pageWidth`, at most 4, at least 1. So
// nothing wraps or runs into the next column.
int SheetColumns(const std::vector<Problem> &problems, const SheetMeasure &width, double pageWidth);

// The worksheet pages followed by the answer-sheet pages (the answer sheet starts on a page of
// its own, so it can be handed out separately). The numbering runs across pages: "1. 12＋5＝(  )".
std::vector<SheetPage> SheetPages(const std::vector<Problem> &problems, unsigned long long seed);
// The same with the columns measured in the printing font.
std::vector<SheetPage> SheetPages(
    const std::vector<Problem> &problems, unsigned long long seed, const SheetMeasure &width, double pageWidth);

// The number of pages of one of the two sheets for a count of problems in a number of columns
// (at least 1).
std::size_t PagesPerSheet(std::size_t count, int columns);

} // namespace qimbel::kousuan
