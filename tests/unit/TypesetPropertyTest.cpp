// The typesetter on every golden text and on thousands of random worked texts:
//   (a) the tree gives back the text byte for byte;
//   (b) the MathML is well-formed XML whose text is the text's characters in order, blanks aside,
//       less only the signs the layout shows by position ("/" of a fraction, "^" of a power, "√"
//       of a radical, the brackets a bar, a radical or a raised exponent makes needless);
//   (c) no two glyph boxes of a line overlap, and every glyph and rule lies inside its line.
#include "pages/Headless.h"
#include "typeset/GbkUnicode.h"
#include "typeset/TypesetLayout.h"
#include "typeset/TypesetMathML.h"

#include "TypesetFakes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;
using namespace qimbel;

namespace {

// A strict reader of the XML the typesetter writes: elements, attributes in double quotes,
// the five entities and character references, one <!DOCTYPE html>. Gives the text content as
// code points, or an error.
class XmlText {
public:
    explicit XmlText(const std::string &xml)
        : s_(xml)
    {
    }

    bool Read(std::u32string &text, std::string &error)
    {
        std::vector<std::string> open;
        while (p_ < s_.size()) {
            if (s_[p_] == '<') {
                if (s_.compare(p_, 9, "<!DOCTYPE") == 0) {
                    const std::size_t end = s_.find('>', p_);
                    if (end == std::string::npos || p_ != 0)
                        return Fail(error, "misplaced doctype");
                    p_ = end + 1;
                    continue;
                }
                const bool closing = p_ + 1 < s_.size() && s_[p_ + 1] == '/';
                p_ += closing ? 2 : 1;
                const std::string name = Name();
                if (name.empty())
                    return Fail(error, "tag without a name");
                if (closing) {
                    SkipBlanks();
                    if (p_ >= s_.size() || s_[p_] != '>' || open.empty() || open.back() != name)
                        return Fail(error, "closing tag </" + name + "> does not match");
                    open.pop_back();
                    ++p_;
                    continue;
                }
                std::vector<std::string> attributes;
                for (;;) {
                    SkipBlanks();
                    if (p_ >= s_.size())
                        return Fail(error, "unterminated tag");
                    if (s_[p_] == '>' || s_.compare(p_, 2, "/>") == 0)
                        break;
                    const std::string attribute = Name();
                    if (attribute.empty() || p_ + 1 >= s_.size() || s_[p_] != '=' || s_[p_ + 1] != '"')
                        return Fail(error, "bad attribute in <" + name + ">");
                    for (const std::string &a : attributes)
                        if (a == attribute)
                            return Fail(error, "repeated attribute");
                    attributes.push_back(attribute);
                    const std::size_t end = s_.find('"', p_ + 2);
                    if (end == std::string::npos || s_.find('<', p_ + 2) < end)
                        return Fail(error, "unterminated attribute value");
                    p_ = end + 1;
                }
                if (name == "script")
                    return Fail(error, "a script");
                if (s_[p_] == '>') {
                    open.push_back(name);
                    ++p_;
                } else {
                    p_ += 2;
                }
                if (name == "style" || name == "title") { // the head is no text of the page
                    const std::size_t end = s_.find("</" + name + ">", p_);
                    if (end == std::string::npos)
                        return Fail(error, "unterminated " + name);
                    p_ = end;
                }
                continue;
            }
            if (s_[p_] == '>')
                return Fail(error, "bare >");
            if (s_[p_] == '&') {
                const std::size_t end = s_.find(';', p_);
                if (end == std::string::npos)
                    return Fail(error, "bare &");
                const std::string entity = s_.substr(p_ + 1, end - p_ - 1);
                if (entity == "amp")
                    text += U'&';
                else if (entity == "lt")
                    text += U'<';
                else if (entity == "gt")
                    text += U'>';
                else if (entity == "quot")
                    text += U'"';
                else if (entity == "apos")
                    text += U'\'';
                else if (entity.size() > 1 && entity[0] == '#')
                    text += static_cast<char32_t>(std::stoul(entity.substr(1)));
                else
                    return Fail(error, "unknown entity &" + entity + ";");
                p_ = end + 1;
                continue;
            }
            char32_t cp = 0;
            if (!Utf8(cp))
                return Fail(error, "not UTF-8");
            if (cp < 0x20 && cp != '\t' && cp != '\n' && cp != '\r')
                return Fail(error, "control character");
            if (!open.empty())
                text += cp;
            else if (cp != ' ' && cp != '\n')
                return Fail(error, "text outside the root element");
        }
        if (!open.empty())
            return Fail(error, "unclosed <" + open.back() + ">");
        return true;
    }

private:
    const std::string &s_;
    std::size_t p_ = 0;

    bool Fail(std::string &error, const std::string &why)
    {
        error = why + " at byte " + std::to_string(p_);
        return false;
    }
    void SkipBlanks()
    {
        while (p_ < s_.size() && (s_[p_] == ' ' || s_[p_] == '\n'))
            ++p_;
    }
    std::string Name()
    {
        const std::size_t start = p_;
        while (p_ < s_.size() && (std::isalnum(static_cast<unsigned char>(s_[p_])) || s_[p_] == '-' || s_[p_] == ':'))
            ++p_;
        return s_.substr(start, p_ - start);
    }
    bool Utf8(char32_t &cp)
    {
        const unsigned char b = static_cast<unsigned char>(s_[p_]);
        const int extra = b < 0x80 ? 0 : b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
        if (extra < 0 || p_ + extra >= s_.size() + (extra == 0))
            return false;
        cp = extra == 0 ? b : b & (0x3F >> extra);
        for (int i = 1; i <= extra; ++i)
            cp = (cp << 6) | (static_cast<unsigned char>(s_[p_ + i]) & 0x3F);
        p_ += 1 + extra;
        return true;
    }
};

bool IsBlankCode(char32_t c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == 0xA0; }

// Full-width signs and their maths forms count as one.
char32_t Folded(char32_t cp)
{
    switch (cp) {
    case U'＋':
        return U'+';
    case U'－':
    case U'-':
        return U'−';
    case U'＝':
        return U'=';
    case U'＞':
        return U'>';
    case U'＜':
        return U'<';
    default:
        return cp;
    }
}

// The characters of a GBK text as MathML shows them: blanks dropped, signs folded.
std::u32string Shown(const std::string &gbk)
{
    std::u32string out;
    for (std::size_t p = 0; p < gbk.size();) {
        const GbkChar c = DecodeGbkChar(gbk, p);
        char32_t cp = c.codePoint;
        if (cp == 0 || (cp < 0x20 && cp != '\t' && cp != '\r' && cp != '\n'))
            cp = 0xFFFD;
        if (!IsBlankCode(cp))
            out += Folded(cp);
        p += c.length;
    }
    return out;
}

std::size_t Count(const std::string &s, const std::string &what)
{
    std::size_t n = 0;
    for (std::size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + 1))
        ++n;
    return n;
}

// (a), (b) and (c) for one text; an empty string when they hold.
std::string Check(const std::string &gbk)
{
    const TsDocument doc = ReadTypeset(gbk);
    if (TsPlainText(doc) != gbk)
        return "(a) the tree does not give back the text";

    const std::string html = TypesetToMathMLDocument(gbk);
    std::u32string text;
    std::string error;
    if (!XmlText(html).Read(text, error))
        return "(b) not well-formed: " + error;
    std::u32string shown;
    for (char32_t c : text)
        if (!IsBlankCode(c))
            shown += Folded(c);
    // The input's characters with the positional signs left out must be exactly what is shown.
    const std::u32string input = Shown(gbk);
    std::size_t i = 0, k = 0, bars = 0, hats = 0, radicals = 0;
    for (; i < input.size(); ++i) {
        const char32_t c = input[i];
        // The marks of a marked copy are shown as ✓ and ✗ beside their steps.
        if (k < shown.size() && (shown[k] == c || (c == U'√' && shown[k] == U'✓') || (c == U'×' && shown[k] == U'✗'))) {
            ++k;
            continue;
        }
        if (c == U'/')
            ++bars;
        else if (c == U'^')
            ++hats;
        else if (c == U'√')
            ++radicals;
        else if (!(c == U'(' || c == U')' || c == U'[' || c == U']' || c == U'{' || c == U'}')) {
            std::string near;
            for (std::size_t j = k; j < shown.size() && j < k + 12; ++j)
                AppendUtf8(near, shown[j]);
            std::string missing;
            AppendUtf8(missing, c);
            return "(b) the character " + missing + " at " + std::to_string(i) + " is missing from the MathML before "
                + near;
        }
    }
    // "/" and "^" shown as signs are matched above; the others became fractions and powers.
    if (k != shown.size())
        return "(b) the MathML holds characters the text does not";
    if (bars != Count(html, "<mfrac>") || hats != Count(html, "<msup>") || radicals != Count(html, "<msqrt>"))
        return "(b) a \"/\", \"^\" or \"√\" was left out without a fraction, power or radical";

    static const FixedMetrics metrics;
    const TsDisplayList list = LayoutTypeset(doc, metrics, 20, 4);
    const double eps = 1e-6;
    for (const TsLineBox &line : list.lines) {
        for (std::size_t a = line.firstGlyph; a < line.firstGlyph + line.glyphCount; ++a) {
            const TsGlyphs &g = list.glyphs[a];
            if (g.x < line.x - eps || g.y < line.y - eps || g.x + g.width > line.x + line.width + eps
                || g.y + g.height > line.y + line.height + eps)
                return "(c) a glyph box leaves its line";
            for (std::size_t b = a + 1; b < line.firstGlyph + line.glyphCount; ++b) {
                const TsGlyphs &h = list.glyphs[b];
                if (g.x + eps < h.x + h.width && h.x + eps < g.x + g.width && g.y + eps < h.y + h.height
                    && h.y + eps < g.y + g.height)
                    return "(c) two glyph boxes overlap";
            }
        }
    }
    // Laid out for a view 390, 800 and 1280 pixels wide, the glyphs still keep to their lines and
    // never overlap, and nothing reaches past the view: a label that does not fit beside its step
    // goes under it, a mark stands right after its step, a long line goes on in rows below. Only
    // a part that cannot be broken (a wide fraction) may be wider than the view.
    TsDocument bodies = doc;
    for (TsLine &line : bodies.lines) {
        line.label.kids.clear();
        line.mark = TsMark::None;
    }
    const TsDisplayList steps = LayoutTypeset(bodies, metrics, 20, 4);
    for (const double width : {390.0, 800.0, 1280.0}) {
        const TsDisplayList view = LayoutTypeset(doc, metrics, 20, 4, width);
        if (view.lines.size() != steps.lines.size())
            return "(d) the bounded layout lost a line";
        for (std::size_t i = 0; i < view.lines.size(); ++i) {
            const TsLineBox &line = view.lines[i];
            // What may stick out: a step wider than the view with its mark right after it.
            const double allowed = std::max(width - 4, 4 + steps.lines[i].width + 0.4 * 20 + 20);
            for (std::size_t a = line.firstGlyph; a < line.firstGlyph + line.glyphCount; ++a) {
                const TsGlyphs &g = view.glyphs[a];
                if (g.x < line.x - eps || g.x + g.width > line.x + line.width + eps || g.y < line.y - eps
                    || g.y + g.height > line.y + line.height + eps)
                    return "(d) a glyph box leaves its line at width " + std::to_string(width);
                if (g.x + g.width > allowed + eps)
                    return "(d) \"" + g.text + "\" reaches past a view " + std::to_string(width) + " wide";
                for (std::size_t b = a + 1; b < line.firstGlyph + line.glyphCount; ++b) {
                    const TsGlyphs &h = view.glyphs[b];
                    if (g.x + eps < h.x + h.width && h.x + eps < g.x + g.width && g.y + eps < h.y + h.height
                        && h.y + eps < g.y + g.height)
                        return "(d) two glyph boxes overlap at width " + std::to_string(width);
                }
            }
        }
    }
    for (const TsRule &r : list.rules) {
        bool inside = false;
        for (const TsLineBox &line : list.lines)
            inside = inside
                || (std::min(r.x1, r.x2) >= line.x - eps && std::max(r.x1, r.x2) <= line.x + line.width + eps
                    && std::min(r.y1, r.y2) >= line.y - eps && std::max(r.y1, r.y2) <= line.y + line.height + eps);
        if (!inside)
            return "(c) a rule lies outside every line";
    }
    return {};
}

// On the types that read "÷" as a fraction bar it is set as one, as the routines read it: the
// run before it over the run written together after it; a "÷" after a whole fraction divides.
// The text read back is the text given, whichever way it is read.
TEST(TypesetProperties, DivisionAsAFractionBar)
{
    const auto fractions = [](const TsNode &row) {
        std::string shape;
        for (const TsNode &k : row.kids)
            shape += k.kind == TsKind::Fraction ? "F(" + TsPlainText(k.kids[0]) + "|" + TsPlainText(k.kids[1]) + ")"
                                                : TsPlainText(k);
        return shape;
    };
    const struct {
        const char *typed;
        const char *shape; // fractions as F(numerator|denominator)
    } rows[] = {
        {"x÷(x－1)", "F(x|(x－1))"}, // the brackets the bar makes needless are kept in the tree
        {"2÷x(x＋1)＋1", "F(2|x(x＋1))＋1"},
        {"3x÷4－1÷2", "F(3x|4)－F(1|2)"},
        {"1÷2÷3", "F(1|2)÷3"},
        {"1/2÷3", "F(1|2)÷3"},
        {"÷3", "÷3"},
    };
    for (const auto &row : rows) {
        const std::string gbk = row.typed; // the literals are GBK already
        const TsDocument read = ReadTypeset(gbk, true);
        ASSERT_EQ(read.lines.size(), 1u) << row.typed;
        EXPECT_EQ(fractions(read.lines[0].body), row.shape) << row.typed;
        EXPECT_EQ(TsPlainText(read), gbk) << row.typed;
        // Elsewhere "÷" stays a sign.
        EXPECT_EQ(Count(TypesetToMathML(ReadTypeset(gbk)), "<mfrac>"),
            std::string(row.typed).find('/') != std::string::npos ? 1u : 0u)
            << row.typed;
    }
    int texts = 0;
    for (const fs::directory_entry &entry :
        fs::recursive_directory_iterator(fs::path(QIMBEL_SOURCE_DIR) / "tests" / "golden"))
        if (entry.is_regular_file() && entry.path().filename() == "expected.txt") {
            const std::string text = TextBox(ReadWholeFile(entry.path()));
            EXPECT_EQ(TsPlainText(ReadTypeset(text, true)), text) << entry.path();
            ++texts;
        }
    EXPECT_GT(texts, 100);
}

TEST(TypesetProperties, EveryGoldenText)
{
    int texts = 0;
    for (const fs::directory_entry &entry :
        fs::recursive_directory_iterator(fs::path(QIMBEL_SOURCE_DIR) / "tests" / "golden"))
        if (entry.is_regular_file() && entry.path().filename() == "expected.txt") {
            const std::string text = TextBox(ReadWholeFile(entry.path()));
            EXPECT_EQ(Check(text), "") << entry.path();
            ++texts;
        }
    EXPECT_GT(texts, 100);
}

// Random problems of the types whose worked texts carry fractions, powers, radicals, equation
// chains and columns, worked by the page models as qimbel-cli does (the "/" kept as typed).
class RandomProblems {
public:
    explicit RandomProblems(unsigned seed)
        : random_(seed)
    {
    }

    std::pair<int, std::string> Next()
    {
        switch (Pick(0, 8)) {
        case 0:
            return {20, Expression(3)};
        case 1:
            return {22, Factorable()};
        case 2:
            return {25, Linear()};
        case 3:
            return {27, "x^2" + Signed(Pick(-9, 9)) + "x" + Signed(Pick(-12, 12)) + "=0"};
        case 4:
            return {23, "1/(x+" + Num(1, 5) + ")" + (Pick(0, 1) ? "+" : "-") + Num(1, 4) + "/(x-" + Num(1, 5) + ")"};
        case 5:
            return {29, Num(1, 9) + "/x=" + Num(1, 9) + "/(x+" + Num(1, 6) + ")"};
        case 6: {
            const char *ops[] = {"+", "-", "*", "/"};
            return {7, Decimal() + ops[Pick(0, 3)] + Decimal()};
        }
        case 7:
            return {21, "(" + Term() + Signed(Pick(-9, 9)) + ")^2" + Signed(Pick(-5, 5)) + "x^2"};
        default:
            return {8, Expression(2)};
        }
    }

private:
    std::mt19937 random_;
    int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }
    std::string Num(int lo, int hi) { return std::to_string(Pick(lo, hi)); }
    static std::string Signed(int v) { return v < 0 ? std::to_string(v) : "+" + std::to_string(v); }
    std::string Decimal() { return Num(1, 999) + (Pick(0, 1) ? "." + Num(1, 99) : ""); }
    std::string Term() { return Num(1, 5) + "x"; }
    std::string Operand()
    {
        switch (Pick(0, 3)) {
        case 0:
            return Num(1, 9) + "/" + Num(2, 12);
        case 1:
            return Num(1, 20);
        case 2:
            return Num(1, 9) + "^2";
        default:
            return Num(1, 9) + "." + Num(1, 9);
        }
    }
    std::string Expression(int depth)
    {
        const char *ops[] = {"+", "-", "*", "/"};
        std::string e = Operand();
        for (int i = Pick(1, 3); i > 0; --i)
            e += std::string(ops[Pick(0, 3)])
                + (depth > 0 && Pick(0, 2) == 0 ? "(" + Expression(depth - 1) + ")" : Operand());
        return e;
    }
    std::string Factorable()
    {
        const int a = Pick(1, 9), b = Pick(1, 9);
        switch (Pick(0, 2)) {
        case 0:
            return "x^2-" + std::to_string(a * a);
        case 1:
            return "x^2" + Signed(a + b) + "x+" + std::to_string(a * b);
        default:
            return "a^2b-b^3";
        }
    }
    std::string Linear() { return Num(1, 9) + "x" + Signed(Pick(-9, 9)) + "=" + Num(1, 9) + "x" + Signed(Pick(-9, 9)); }
};

TEST(TypesetProperties, TenThousandRandomWorkedTexts)
{
    RandomProblems problems(29);
    const int levels[] = {1, 4, 5};
    for (int n = 0; n < 10000; ++n) {
        const auto [type, problem] = problems.Next();
        HeadlessRequest request;
        request.type = type;
        request.level = levels[n % 3];
        request.computeOnly = true;
        const std::string text = RunHeadless(request, TextBox(problem + "\n"));
        const std::string failure = Check(text);
        ASSERT_EQ(failure, "") << "problem " << problem << " (type " << type << "):\n" << GbkToUtf8Lossy(text);
    }
}

// Whatever the bytes, the reading never loses one and the outputs stay well-formed.
TEST(TypesetProperties, ArbitraryBytes)
{
    std::mt19937 random(30);
    const std::string pieces[] = {"(", ")", "[", "]", "/", "^", "^(", "√", "∴", "x", "1", "2", ".", "－", "＝", "第",
        "步:", "  ", "\r\n", "\n", "\xB0", "\x81", "\x01", "&", "<", "中", "-", " )"};
    for (int n = 0; n < 3000; ++n) {
        std::string text;
        for (int k = std::uniform_int_distribution<int>(0, 40)(random); k > 0; --k)
            text += pieces[std::uniform_int_distribution<std::size_t>(0, std::size(pieces) - 1)(random)];
        ASSERT_EQ(Check(text), "") << GbkToUtf8Lossy(text);
    }
    // Deep nesting and long runs stay quick and shallow.
    EXPECT_EQ(Check(std::string(3000, '(') + "1" + std::string(3000, ')')), "");
    EXPECT_EQ(Check(std::string(3000, '(') + "x^(" + std::string(3000, '[')), "");
    EXPECT_EQ(Check(std::string(3000, '^') + "2^2^2^2"), "");
}

} // namespace
