// The function graph model: samples, the written-in function, the points against exact
// arithmetic, the clipping of segments, and the pupil's mistakes.
#include "charts/FunctionGraph.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

using namespace qimbel;

namespace {

// Sample k of 144 is x = (k − 72) / 8. Pixels as the page reads them: the integer part.
int ColumnOf(int k) { return (25 * (k - 72) + 8 * 250) / 8; }

// Checks every point of a plot against y = num(e) / den(e) for x = e / 8, in exact integers.
void ExpectPoints(const FunctionPlot &plot, const std::function<long long(long long)> &num,
    const std::function<long long(long long)> &den)
{
    ASSERT_EQ(plot.points.size(), 144u);
    for (int k = 0; k < 144; ++k) {
        const long long e = k - 72;
        const GraphPoint &p = plot.points[static_cast<std::size_t>(k)];
        SCOPED_TRACE(p.sample);
        const long long d = den(e);
        if (d == 0) {
            EXPECT_FALSE(p.hasValue);
            continue;
        }
        ASSERT_TRUE(p.hasValue) << p.yOffset;
        EXPECT_EQ(p.X, ColumnOf(k));
        EXPECT_EQ(p.Y, 250 - static_cast<int>(25 * num(e) / d)); // C++ division truncates like the page
    }
}

} // namespace

TEST(FunctionGraph, SamplesAreTheEighthsFromMinusNineToNine)
{
    const std::vector<std::string> samples = GraphSampleTexts();
    ASSERT_EQ(samples.size(), 144u);
    EXPECT_EQ(samples.front(), "-9.000000");
    EXPECT_EQ(samples[1], "-8.875000");
    EXPECT_EQ(samples[72], "0.000000");
    EXPECT_EQ(samples[73], "0.125000");
    EXPECT_EQ(samples.back(), "8.875000");
    for (std::size_t k = 0; k < samples.size(); ++k)
        EXPECT_EQ(std::strtod(samples[k].c_str(), nullptr) * 8, static_cast<double>(k) - 72) << samples[k];
}

TEST(FunctionGraph, NormalisesSignsAndWritesTheSampleIn)
{
    EXPECT_EQ(NormaliseFunction("（x+1）*(x-2)/3"), "(x＋1)×(x－2)÷3");
    EXPECT_EQ(NormaliseFunction(" 2 x + 1 "), "2x＋1");
    EXPECT_EQ(WriteSample("x^2－2x－3", "-1.500000"), "(-1.500000)^2－2×(-1.500000)－3");
    EXPECT_EQ(WriteSample("(x＋1)(x－2)", "2.000000"), "((2.000000)＋1)((2.000000)－2)");
    EXPECT_EQ(WriteSample("xx", "1.000000"), "(1.000000)×(1.000000)");
    EXPECT_EQ(WriteSample("x2", "1.000000"), "(1.000000)×2");
    EXPECT_EQ(WriteSample("7", "1.000000"), "7");
    // A two-byte character whose trail byte is "x" is not an x.
    EXPECT_EQ(WriteSample("\x81\x78＋x", "0.000000"), "\x81\x78＋(0.000000)");
}

TEST(FunctionGraph, ReadsDecimalAndFractionResults)
{
    double v = 0;
    ASSERT_TRUE(ReadResultNumber("96", v));
    EXPECT_EQ(v, 96);
    ASSERT_TRUE(ReadResultNumber("－0.857143", v));
    EXPECT_EQ(v, -0.857143);
    ASSERT_TRUE(ReadResultNumber("-253.125", v));
    EXPECT_EQ(v, -253.125);
    ASSERT_TRUE(ReadResultNumber("2/3", v));
    EXPECT_EQ(v, 2.0 / 3);
    ASSERT_TRUE(ReadResultNumber("－50/3", v));
    EXPECT_EQ(v, -50.0 / 3);
    for (const char *no : {"", "－", "6÷(0.000000)＋0", "2a", "1/0", "√4", "3.", ".5", "1/2/3", "x"})
        EXPECT_FALSE(ReadResultNumber(no, v)) << no;
}

TEST(FunctionGraph, PointsOfSquareLineAndHyperbolaAreExact)
{
    ExpectPoints(
        PlotFunction("x^2"), [](long long e) { return e * e; }, [](long long) { return 64; });
    ExpectPoints(
        PlotFunction("2x＋1"), [](long long e) { return e + 4; }, [](long long) { return 4; });
    ExpectPoints(
        PlotFunction("6/x"), [](long long) { return 48; }, [](long long e) { return e; });
    ExpectPoints(
        PlotFunction("(x＋1)(x－2)"), [](long long e) { return (e + 8) * (e - 16); }, [](long long) { return 64; });
}

TEST(FunctionGraph, PointTextsAreTheDriversTexts)
{
    const FunctionPlot plot = PlotFunction("2x+1");
    EXPECT_EQ(plot.function, "2x＋1");
    EXPECT_EQ(plot.points[0].screenX, "25");
    EXPECT_EQ(plot.points[0].yOffset, "-425");
    EXPECT_EQ(plot.points[73].screenX, "253.125");
    EXPECT_EQ(plot.points[73].yOffset, "31.25");
    EXPECT_EQ(plot.status, "已画出图象。");
}

TEST(FunctionGraph, SegmentsFollowTheClippingRule)
{
    const auto at = [](int X, int Y) {
        GraphPoint p;
        p.hasValue = true;
        p.X = X;
        p.Y = Y;
        return p;
    };
    EXPECT_TRUE(DrawsSegment(at(100, 0), at(103, 500)));
    EXPECT_TRUE(DrawsSegment(at(100, -1), at(103, -1)));
    EXPECT_FALSE(DrawsSegment(at(100, 10), at(103, -2))); // leaves over the top
    EXPECT_TRUE(DrawsSegment(at(100, -50), at(103, 10))); // comes back from the top
    EXPECT_FALSE(DrawsSegment(at(100, 499), at(103, 501))); // leaves at the bottom
    EXPECT_FALSE(DrawsSegment(at(100, 501), at(103, 499)));
    EXPECT_FALSE(DrawsSegment(at(498, 10), at(501, 10)));
    EXPECT_FALSE(DrawsSegment(at(100, -2000), at(103, 400))); // across a pole
    GraphPoint none = at(100, 250);
    none.hasValue = false;
    EXPECT_FALSE(DrawsSegment(none, at(103, 250)));
    EXPECT_FALSE(DrawsSegment(at(100, 250), none));

    // x^2 leaves the picture above y = 10.04 on both sides: the left branch comes back in from
    // x = −3.25 (row −14) to −3.125 (row 6); on the right the segment out of the picture is left
    // out.
    const FunctionPlot square = PlotFunction("x^2");
    const auto has = [&](GraphSegment s) {
        return std::find(square.segments.begin(), square.segments.end(), s) != square.segments.end();
    };
    EXPECT_TRUE(has({168, -14, 171, 6}));
    EXPECT_FALSE(has({328, 6, 331, -14}));
    EXPECT_EQ(square.segments.size(), 51u); // 52 points within, from x = −3.25 to 3.125
}

TEST(FunctionGraph, CurveBreaksAtPolesAndPointsWithoutValue)
{
    const FunctionPlot hyperbola = PlotFunction("6÷x");
    EXPECT_FALSE(hyperbola.points[72].hasValue);
    for (const GraphSegment &s : hyperbola.segments) {
        EXPECT_NE(s.x1, 250);
        EXPECT_NE(s.x2, 250);
        EXPECT_LT(std::abs(s.y2 - s.y1), 250) << s.x1 << "," << s.y1 << " " << s.x2 << "," << s.y2;
    }
    EXPECT_EQ(hyperbola.status, "已画出图象；有1个点算不出函数值（如除数为0），曲线在那里断开。");

    // The pole between 0 and 0.125: 100 above the picture, then −8.7 inside it.
    const FunctionPlot shifted = PlotFunction("1÷(0.01－x)");
    ASSERT_TRUE(shifted.points[72].hasValue && shifted.points[73].hasValue);
    EXPECT_LT(shifted.points[72].Y, -1);
    for (const GraphSegment &s : shifted.segments)
        EXPECT_NE(s.x2, 253);
}

TEST(FunctionGraph, MistakesAndConstantsEndCleanly)
{
    const FunctionPlot constant = PlotFunction("3");
    EXPECT_EQ(constant.segments.size(), 143u);
    for (const GraphSegment &s : constant.segments)
        EXPECT_TRUE(s.y1 == 175 && s.y2 == 175);

    const FunctionPlot empty = PlotFunction("  ");
    EXPECT_TRUE(empty.points.empty());
    EXPECT_EQ(empty.status, "请在函数F(x)中输入函数，再按绘图。");
    EXPECT_EQ(GraphPicture(empty).items.size(), CoordinateSystem().items.size());

    for (const char *bad : {"(x＋1", "x＋1)", "(x＋1]", "[x"})
        EXPECT_EQ(PlotFunction(bad).status, "括号不配对，画不出图象：请检查函数中的括号。") << bad;
    const FunctionPlot letter = PlotFunction("2a＋x");
    EXPECT_TRUE(letter.points.empty());
    EXPECT_EQ(letter.status, "函数中只能用字母x，不认识字母a，画不出图象。");

    const FunctionPlot nothing = PlotFunction("x÷0");
    EXPECT_TRUE(nothing.segments.empty());
    EXPECT_EQ(nothing.status, "没有一个点算得出函数值，画不出图象。");

    // The driver gets at most 400 bytes: a sum of 30 x's (388 bytes with "(-9.000000)" written
    // in) is drawn, 31 x's (401 bytes) and any 500-byte line are refused at once.
    std::string sum = "x";
    for (int k = 1; k < 30; ++k)
        sum += "＋x";
    const FunctionPlot thirty = PlotFunction(sum);
    ASSERT_EQ(thirty.points.size(), 144u);
    EXPECT_EQ(thirty.points[72].Y, 250);
    EXPECT_EQ(thirty.points[73].Y, 250 - 93); // 30 × 0.125 × 25 = 93.75
    const FunctionPlot thirtyOne = PlotFunction(sum + "＋x");
    EXPECT_TRUE(thirtyOne.points.empty());
    EXPECT_EQ(thirtyOne.status, "函数太长，画不出图象：请把函数写短一些。");
    EXPECT_EQ(PlotFunction(std::string(498, '2') + "x").status, thirtyOne.status);
    EXPECT_EQ(PlotFunction(std::string(500, '(')).status, "括号不配对，画不出图象：请检查函数中的括号。");
}

TEST(FunctionGraph, PictureHasTheAxesTicksAndRedSegments)
{
    const DisplayList axes = CoordinateSystem();
    EXPECT_EQ(axes.width, 500);
    EXPECT_EQ(axes.height, 500);
    const std::vector<Text> texts = axes.All<Text>();
    ASSERT_EQ(texts.size(), 1u + 36u + 2u); // 0, ±1…±9 on both axes, X轴 and Y轴
    EXPECT_EQ(texts.front().text, "0");
    EXPECT_EQ(texts.back().text, "Y轴");

    const DisplayList graph = GraphPicture(PlotFunction("2x＋1"));
    const std::vector<Line> lines = graph.All<Line>();
    int red = 0;
    for (const Line &l : lines)
        red += l.pen.colour == kRed;
    EXPECT_EQ(red, 80); // the 81 points from x = −5.5 (row 500) up to 4.5 (row 0) are within the picture
    EXPECT_EQ(PicturePosition(300, 125), "(2.00, 5.00)");
    EXPECT_EQ(PicturePosition(0, 500), "(-10.00, -10.00)");
}
