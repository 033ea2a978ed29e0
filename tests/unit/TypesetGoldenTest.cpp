// Typeset texts worked out by hand: tests/typeset/<case>/input.txt (a text box, UTF-8 with LF)
// and expected.html (the MathML fragment). Also what the layout promises on them: one column of
// step labels right of every expression, relation signs of a chain under one another, raised
// exponents at three quarters of the text size.
#include "typeset/GbkUnicode.h"
#include "typeset/TypesetLayout.h"
#include "typeset/TypesetMathML.h"

#include "TypesetFakes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;
using namespace qimbel;

namespace {

fs::path Case(const char *name) { return fs::path(QIMBEL_SOURCE_DIR) / "tests" / "typeset" / name; }

class TypesetGolden : public testing::TestWithParam<const char *> { };

TEST_P(TypesetGolden, MathMLAsWorkedOutByHand)
{
    const std::string input = TextBox(ReadWholeFile(Case(GetParam()) / "input.txt"));
    ASSERT_FALSE(input.empty());
    EXPECT_EQ(TypesetToMathML(input), ReadWholeFile(Case(GetParam()) / "expected.html"));
}

TEST_P(TypesetGolden, LayoutAsInTheBook)
{
    const TsDocument doc = ReadTypeset(TextBox(ReadWholeFile(Case(GetParam()) / "input.txt")));
    const double size = 20;
    const TsDisplayList list = LayoutTypeset(doc, FixedMetrics(), size, 0);
    ASSERT_EQ(list.lines.size(), doc.lines.size());
    double labelX = -1;
    double relationX = -1;
    for (std::size_t i = 0; i < doc.lines.size(); ++i) {
        const TsLine &line = doc.lines[i];
        const TsLineBox &box = list.lines[i];
        std::vector<const TsGlyphs *> glyphs;
        for (std::size_t g = box.firstGlyph; g < box.firstGlyph + box.glyphCount; ++g)
            glyphs.push_back(&list.glyphs[g]);
        for (const TsGlyphs *g : glyphs)
            EXPECT_GE(g->size, 0.7 * size) << "line " << i << ": " << g->text;
        if (!line.label.kids.empty()) {
            // The label starts with "第": its glyph is the first at or right of the label column.
            const TsGlyphs *first = nullptr;
            for (const TsGlyphs *g : glyphs)
                if (g->text == "\xE7\xAC\xAC" && (first == nullptr || g->x > first->x)) // 第 in UTF-8
                    first = g;
            ASSERT_NE(first, nullptr);
            if (labelX < 0)
                labelX = first->x;
            EXPECT_DOUBLE_EQ(first->x, labelX) << "line " << i;
            for (const TsGlyphs *g : glyphs) {
                if (g->x < labelX) {
                    EXPECT_LE(g->x + g->width, labelX - size) << "line " << i << ": " << g->text;
                }
            }
        }
        if (line.aligned) {
            const TsGlyphs *relation = nullptr;
            for (const TsGlyphs *g : glyphs)
                if (relation == nullptr && g->text == "=")
                    relation = g;
            ASSERT_NE(relation, nullptr);
            if (relationX < 0)
                relationX = relation->x;
            EXPECT_DOUBLE_EQ(relation->x, relationX) << "line " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, TypesetGolden,
    testing::Values("fraction_sum", "quadratic_surd", "linear_equation", "column_division", "marked_copy"));

// A marked copy: the ✓ of a right step and the ✗ of a wrong one stand beside their steps, on the
// step's baseline, green and red; the line "√" shows nothing of its own, the sentence of a wrong
// step stays on its line in the text colour; the plain text is kept byte for byte.
TEST(TypesetLayout, MarksBesideTheirSteps)
{
    const std::string text = "12＋9\r\n批改结果：\r\n12＋9\r\n＝21\r\n√\r\n＝22\r\n× 第2步错了。";
    const TsDocument doc = ReadTypeset(text);
    EXPECT_EQ(TsPlainText(doc), text);
    ASSERT_EQ(doc.lines.size(), 7u);
    EXPECT_EQ(doc.lines[0].mark, TsMark::None);
    EXPECT_EQ(doc.lines[4].mark, TsMark::Right);
    EXPECT_EQ(doc.lines[6].mark, TsMark::Wrong);
    const double size = 20;
    const TsDisplayList list = LayoutTypeset(doc, FixedMetrics(), size, 0);
    const auto glyphsOf = [&list](std::size_t line) {
        std::vector<TsGlyphs> out(list.glyphs.begin() + static_cast<long>(list.lines[line].firstGlyph),
            list.glyphs.begin() + static_cast<long>(list.lines[line].firstGlyph + list.lines[line].glyphCount));
        return out;
    };
    const std::vector<TsGlyphs> right = glyphsOf(3);
    const std::vector<TsGlyphs> wrong = glyphsOf(5);
    ASSERT_FALSE(right.empty());
    ASSERT_FALSE(wrong.empty());
    const TsGlyphs &tick = right.back();
    const TsGlyphs &cross = wrong.back();
    EXPECT_EQ(tick.text, "\xE2\x9C\x93");
    EXPECT_EQ(tick.ink, TsInk::Right);
    EXPECT_EQ(cross.text, "\xE2\x9C\x97");
    EXPECT_EQ(cross.ink, TsInk::Wrong);
    EXPECT_DOUBLE_EQ(tick.baseline, right.front().baseline);
    EXPECT_GE(tick.x, right[right.size() - 2].x + right[right.size() - 2].width + size);
    EXPECT_DOUBLE_EQ(tick.x, cross.x); // one column for the marks of a block
    EXPECT_EQ(list.lines[4].glyphCount, 0u);
    EXPECT_DOUBLE_EQ(list.lines[4].height, 0);
    for (const TsGlyphs &g : glyphsOf(6))
        EXPECT_EQ(g.ink, TsInk::Text);
    EXPECT_EQ(glyphsOf(6).front().text, GbkToUtf8Lossy("第2步错了。")); // the "×" went beside the step
}

// Powers and fractions in the display list: the exponent raised and smaller, the numerator above
// the bar above the denominator, the radical's bar over its radicand.
TEST(TypesetLayout, PowersFractionsRadicals)
{
    const double size = 20;
    const TsDisplayList list = LayoutTypeset(ReadTypeset("x^2＋(x＋1)/(x－1)＋√(b^2)"), FixedMetrics(), size, 0);
    auto find = [&](const std::string &text, int nth = 0) -> const TsGlyphs & {
        for (const TsGlyphs &g : list.glyphs)
            if (g.text == text && nth-- == 0)
                return g;
        static TsGlyphs none;
        ADD_FAILURE() << "no glyph " << text;
        return none;
    };
    const TsGlyphs &x = find("x");
    const TsGlyphs &two = find("2");
    EXPECT_DOUBLE_EQ(two.size, kTsScriptScale * size);
    EXPECT_LT(two.baseline, x.baseline);
    EXPECT_GE(two.x, x.x + x.width);
    // Rules: the fraction bar first, then the radical's four strokes.
    ASSERT_EQ(list.rules.size(), 5u);
    const TsRule &bar = list.rules[0];
    const TsGlyphs &numerator = find("x", 1);
    const TsGlyphs &denominator = find("x", 2);
    EXPECT_LE(numerator.y + numerator.height, bar.y1);
    EXPECT_GE(denominator.y, bar.y1);
    EXPECT_LE(bar.x1, numerator.x);
    const TsRule &over = list.rules[4];
    const TsGlyphs &b = find("b");
    EXPECT_LT(over.y1, b.y);
    EXPECT_LE(over.x1, b.x);
    EXPECT_EQ(list.glyphs.size(), 12u); // x 2 + x + 1 x − 1 + b 2: the brackets are hidden
}

} // namespace
