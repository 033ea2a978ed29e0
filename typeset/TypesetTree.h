// The typeset reading of a text box: lines of text runs and math runs, built once and shown by
// every face (MathML for browsers and qimbel-cli, a display list for the desktop). Every byte of
// the text is kept in the tree, the signs that the layout shows by position (the "/" of a stacked
// fraction, the "^" of a raised power, the brackets that a fraction bar, a radical or a raised
// exponent makes needless) included, so the text read back from the tree is the text given.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace qimbel {

enum class TsKind {
    Text, // Chinese explanation, label or anything not read as maths (mtext)
    Blank, // a run of blanks
    Number, // digits with an optional decimal point (mn)
    Name, // one letter or a letter-like sign such as △ or π (mi)
    Sign, // an operator, relation, bracket or separator (mo)
    Row, // a sequence; `open` and `close` are brackets the layout hides
    Fenced, // a bracket group shown with its brackets `open` and `close`
    Fraction, // kids: numerator, denominator; `text` holds the "/"
    Power, // kids: base, exponent; `text` holds the "^"
    Root, // kids: radicand; `text` holds the "√"
    Index, // kids: base, subscript (x1 after ∴ shown as x with a lowered 1)
};

struct TsNode {
    TsKind kind = TsKind::Text;
    std::string text; // the GBK bytes of a leaf, or the sign a structure is written with
    std::string open, close; // brackets of Row (hidden) and Fenced (shown)
    std::vector<TsNode> kids;
};

// The mark of a line of a marked copy (below 批改结果：): a line "√", or a line "× 第k步错了…".
// The faces show it beside the step line above it, as a green ✓ or a red ✗.
enum class TsMark { None, Right, Wrong };

// One line of the text box. A grid line keeps its monospaced columns (column arithmetic, long
// division); a flow line is typeset. A flow line may end in a step label (第n步: …) after a
// run of blanks: the label is set in one column per block, right of the block's widest body.
struct TsLine {
    bool grid = false;
    TsNode body; // a Row
    std::string gap; // the blanks between body and label
    TsNode label; // a Row, empty when the line has none
    std::string ending; // "\r\n", "\n" or "" for the last line
    int block = 0; // lines of one block (no empty line between them) share a number
    bool aligned = false; // a flow line of an equation chain whose relation signs line up
    TsMark mark = TsMark::None; // a mark line: `markSign` ("√" or "× ") then its sentence in `body`
    std::string markSign;
    // Not typeset, kept as one run of text: the line is longer than kLongestTypesetLine, or comes
    // after kMostTypesetText of the text box. `plain` is the sentence that says so (GBK), shown
    // on the first such line only.
    bool untypeset = false;
    std::string plain;
};

// A line longer than this many bytes is shown as plain text, and so is everything after the
// first kMostTypesetText bytes of a text box, so that the typeset form of any text box stays
// within a few times its size and is made in time linear in it.
inline constexpr std::size_t kLongestTypesetLine = 8192;
inline constexpr std::size_t kMostTypesetText = 512 * 1024;

struct TsDocument {
    std::vector<TsLine> lines;
};

// True for the relation signs an equation chain lines up on (＝ ＞ ＜ ≥ ≤ ≠ and ASCII = > <).
bool TsIsRelation(const std::string &sign);
// The UTF-8 of a sign as maths shows it: full-width ＋ － ＝ ＞ ＜ (and ASCII -) as + − = > <.
std::string TsMathSign(const std::string &gbkSign);

// Reads a GBK text box. Never fails: what cannot be read as maths stays text. `divisionBars`
// for the types whose routines read "÷" as a fraction bar (the check turns a typed "/" into it):
// such a "÷" is set as a stacked fraction; the text read back stays as it is.
TsDocument ReadTypeset(const std::string &gbkText, bool divisionBars = false);

// The text the tree was read from, byte for byte.
std::string TsPlainText(const TsNode &node);
std::string TsPlainText(const TsLine &line);
std::string TsPlainText(const TsDocument &document);

} // namespace qimbel
