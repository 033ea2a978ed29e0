// The printed pages of a test paper and its answer key, laid out from measured text widths: the
// columns of a section are as wide as its longest problem in the printing font, so nothing wraps;
// a heading never ends a page; a problem keeps its room to work on its page; the last problem never
// stands alone on the last page: it goes back to the page before when it fits there, else the row
// before it comes along. The measuring is done by the
// printing face (the fonts are its business); the layout decides everything else.
#pragma once

#include "generators/ShiJuan.h"

#include <string>
#include <vector>

namespace qimbel::shijuan {

enum class PaperFont { Title, Body, Heading, Problem, Key };

class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    // The width of a GBK text in the font, in the page's units.
    virtual double Width(const std::string &text, PaperFont font) const = 0;
    virtual double LineHeight(PaperFont font) const = 0;
};

struct PaperRun {
    double x = 0, y = 0; // top left, in the page's units
    double width = 0; // as measured
    double right = 0; // the right edge of the column it stands in (the page's outside columns)
    double space = 0; // the room to work kept below a problem
    std::string text; // GBK
    PaperFont font = PaperFont::Body;
    bool problem = false; // a problem of the paper
    bool heading = false; // a section's heading
};

struct PaperPage {
    bool key = false; // a page of the answer key
    std::vector<PaperRun> runs;
};

// The paper's pages, then the key's pages (the key begins on a page of its own), for a printable
// area of width × height.
std::vector<PaperPage> LayOutPaper(const ShiJuan &paper, const TextMeasure &measure, double width, double height);

} // namespace qimbel::shijuan
