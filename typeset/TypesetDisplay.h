// The typeset page as plain primitives in pixel units, computed by the layout and replayed by a
// face (the desktop's 课本排版 view, a printer): glyph runs, rules (fraction bars, radical
// signs) and line boxes, in the manner of charts/DisplayList. Origin top left, y grows
// downwards. Glyph texts are UTF-8 (the maths signs − and the like have no GBK form).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qimbel {

// The fonts of a typeset page: Chinese and other text, upright maths (numbers, signs), italic
// letters, and the fixed-pitch face of the grid lines (column arithmetic, long division).
enum class TsFont { Text, Upright, Italic, Mono };

// What a face tells the layout about its fonts, at a pixel size.
class TsMetrics {
public:
    virtual ~TsMetrics() = default;
    // Width of a UTF-8 text.
    virtual double Advance(std::string_view utf8, TsFont font, double size) const = 0;
    virtual double Ascent(double size) const = 0;
    virtual double Descent(double size) const = 0;
};

// The colour a glyph is drawn in: the text colour, or the green of a right step's ✓ and the
// red of a wrong step's ✗.
enum class TsInk { Text, Right, Wrong };

// A text drawn with its baseline at y + ascent; (x, y, width, height) is its box.
struct TsGlyphs {
    double x = 0, y = 0, width = 0, height = 0;
    double baseline = 0; // absolute y of the baseline
    std::string text; // UTF-8
    TsFont font = TsFont::Text;
    double size = 0;
    TsInk ink = TsInk::Text;
};

struct TsRule {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double width = 1;
};

// One line of the text box: its box and the bytes of the plain text it shows.
struct TsLineBox {
    double x = 0, y = 0, width = 0, height = 0;
    std::size_t begin = 0, end = 0; // byte range in the plain text, line end included
    std::size_t firstGlyph = 0, glyphCount = 0; // its glyphs in TsDisplayList::glyphs
};

struct TsDisplayList {
    double width = 0, height = 0;
    std::vector<TsGlyphs> glyphs;
    std::vector<TsRule> rules;
    std::vector<TsLineBox> lines;
};

} // namespace qimbel
