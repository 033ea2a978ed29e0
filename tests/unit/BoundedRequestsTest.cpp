// Requests that push the picture models to their edges: whatever sequence of zooms, pans, sizes
// and traces arrives, the view stays finite and in range and every picture stays small.
#include "charts/FunctionGraph.h"
#include "charts/FunctionProperties.h"
#include "charts/PicturePages.h"
#include "cli/Encoding.h"
#include "typeset/TypesetMathML.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

using namespace qimbel;

namespace {

constexpr double kHuge = std::numeric_limits<double>::max();
constexpr double kInf = std::numeric_limits<double>::infinity();

void ExpectSane(const GraphView &v, const std::string &where)
{
    EXPECT_TRUE(std::isfinite(v.unit) && std::isfinite(v.centreX) && std::isfinite(v.centreY)) << where;
    EXPECT_GE(v.unit, 0.05) << where;
    EXPECT_LE(v.unit, 100000) << where;
    EXPECT_LE(std::fabs(v.centreX), 1e9) << where;
    EXPECT_LE(std::fabs(v.centreY), 1e9) << where;
}

} // namespace

// The numbers a request may carry, from the ordinary to the extreme, in random sequences.
TEST(BoundedGraph, EveryRequestSequenceKeepsTheViewSaneAndThePictureSmall)
{
    const double numbers[] = {0, 1, -1, 0.01, 100, 250, -250, 1e6, -1e6, 1e9, 1e15, 1e300, -1e300, kHuge, -kHuge, kInf,
        -kInf, std::nan(""), 5e-324};
    std::mt19937 random(38);
    const auto any = [&] { return numbers[random() % std::size(numbers)]; };
    for (int round = 0; round < 200; ++round) {
        FunctionGraph graph;
        graph.Add("y=x^2");
        graph.Add("y=1/x");
        std::string requests;
        for (int i = 0; i < 8; ++i) {
            const double a = any(), b = any(), c = any();
            switch (random() % 4) {
            case 0:
                graph.ZoomAt(a, b, c);
                requests += "zoom ";
                break;
            case 1:
                graph.Pan(a, b);
                requests += "pan ";
                break;
            case 2:
                graph.Resize(static_cast<int>(random() % 20000), static_cast<int>(random() % 3 == 0 ? 1 : 700));
                requests += "size ";
                break;
            default:
                graph.Trace(a, b);
                EXPECT_LE(graph.Position(a, b).size(), 40u) << requests;
                requests += "trace ";
            }
            ExpectSane(graph.View(), requests);
        }
        // A grid line or number every 24 pixels at most, two curves of one point a column.
        const DisplayList picture = graph.Picture();
        const std::size_t side = static_cast<std::size_t>(std::max(graph.View().width, graph.View().height));
        EXPECT_LE(picture.items.size(), 8 * (side / 24 + 8) + 2 * (side + 1)) << requests;
    }
}

// A view built by hand, however wrong, is drawn as the nearest sane one.
TEST(BoundedGraph, AViewOutOfRangeIsDrawnAsTheNearestSaneOne)
{
    for (const GraphView view :
        {GraphView {500, 500, std::nan(""), std::nan(""), kInf}, GraphView {500, 500, 0, -kHuge, kHuge},
            GraphView {1 << 30, 1 << 30, 1e-300, 0, 0}, GraphView {-5, 0, kInf, 1e300, std::nan("")}}) {
        const DisplayList picture = CoordinateSystem(view, true);
        EXPECT_LE(picture.items.size(), 8000u);
        const AxisStep step = AxisStepFor(view.unit);
        EXPECT_TRUE(step.mantissa == 1 || step.mantissa == 2 || step.mantissa == 5);
        EXPECT_TRUE(std::isfinite(step.Value()));
    }
    ExpectSane(ZoomedView(GraphView {500, 500, std::nan(""), 0, 0}, 2, 0, 0), "zoom of a broken view");
    ExpectSane(PannedView(GraphView {500, 500, 25, kInf, 0}, 1, 1), "pan of a broken view");
}

// What the command line and the browser's worker run, request by request.
TEST(BoundedGraph, PictureRequestsAtTheEdgesAnswerSmall)
{
    struct Case {
        std::vector<std::string> requests;
        std::size_t mostBytes;
    };
    const Case cases[] = {
        {{"zoom 0.01 0 1e308", "zoom 0.01 0 1e308", "picture"}, 200000},
        {{"zoom 100 1e308 -1e308", "zoom 100 1e308 -1e308", "zoom 0.01 -1e308 1e308"}, 200000},
        {{"pan 1e308 1e308", "pan -1e308 1e308", "zoom 0.01 1e308 1e308"}, 200000},
        {{"size 4000 4000", "zoom 0.01 0 0", "zoom 0.01 0 0", "picture"}, 2000000},
    };
    for (const Case &c : cases) {
        PicturePages pages;
        for (const std::string &request : c.requests) {
            const std::string answer = pages.Run(request);
            EXPECT_LE(answer.size(), c.mostBytes) << request;
            EXPECT_EQ(answer.find("nan"), std::string::npos) << request;
            EXPECT_EQ(answer.find("inf"), std::string::npos) << request;
        }
    }
    PicturePages pages;
    pages.Run("add y=x");
    const std::string answer = pages.Run("trace 1e308 0");
    const std::size_t at = answer.find("\"position\":\"(");
    ASSERT_NE(at, std::string::npos);
    // A short number: the mouse is far to the right, not 10^306 units away.
    EXPECT_LT(answer.find(')', at) - at, 40u) << answer.substr(at, 80);
}

// A polynomial's zeros: the rational ones exact with their multiplicity, the others numeric only
// after those are taken out, each crossing once, never a cluster around a flat high power.
TEST(PolynomialZeros, RationalZerosAreExactWithTheirMultiplicity)
{
    struct Case {
        const char *function;
        const char *zeros; // the zeros as the properties list them
    };
    const Case cases[] = {
        {"x^7", "x＝0（7重根）"},
        {"x^9", "x＝0（9重根）"},
        {"(x-1)^11", "x＝1（11重根）"},
        {"(x-1/7)^5", "x＝1/7（5重根）"},
        {"x^3-x", "x＝－1，x＝0，x＝1"},
        {"(x-1)^2(x+2)", "x＝－2，x＝1（2重根）"},
        {"(2x-1)^3(x+3)^2(x^2-2)", "x＝－3（2重根），x≈－1.414，x＝0.5（3重根），x≈1.414"},
        {"x^4-4x^2+4", "x≈－1.414（2重根），x≈1.414（2重根）"},
        {"(3x-2)^9-0", "x＝2/3（9重根）"},
    };
    for (const Case &c : cases) {
        const FunctionFormula f = ReadFunction(std::string("y=") + c.function);
        ASSERT_TRUE(f.Ok()) << c.function;
        // Each zero once: as many as the listed ones.
        std::size_t listed = 1;
        for (std::size_t at = 0; (at = std::string(c.zeros).find("，", at)) != std::string::npos; at += 2)
            ++listed;
        EXPECT_EQ(ZerosBetweenTens(f).size(), listed) << c.function;
        EXPECT_NE(PropertiesText(f).find(c.zeros), std::string::npos) << PropertiesText(f);
    }
}

// A polynomial that is 0 for every x is the line y＝0, whatever its typed degree: said as for
// y＝0, with no crossings listed.
TEST(PolynomialZeros, ZeroPolynomialIsTheXAxis)
{
    const std::string axis = PropertiesText(ReadFunction("y=0"));
    ASSERT_NE(axis.find("是常数函数，图象就是x轴。"), std::string::npos) << axis;
    for (const char *function : {"y=0x^9", "y=0*x^40", "y=x^9-x^9", "y=(x-1)^11-(x-1)^11", "y=0(x+1)^7"}) {
        const FunctionFormula f = ReadFunction(function);
        ASSERT_TRUE(f.Ok()) << function;
        EXPECT_EQ(PropertiesText(f), axis) << function;
    }
}

// Past the degree worked exactly the values are scanned: a flat high power has its one crossing,
// not the run of points where its value rounds to 0, and a function that is 0 everywhere is said
// to lie on the x-axis.
TEST(PolynomialZeros, FlatPowersPastTheExactDegree)
{
    const std::pair<const char *, const char *> cases[] = {
        {"y=x^45", "得x＝0，交点是(0，0)。"},
        {"y=(x-0.5)^44", "得x＝0.5，交点是(0.5，0)。"},
        {"y=x^41-x", "得x＝－1，x＝0，x＝1，交点是"},
        {"y=x^200", "得x≈0，交点约是(0，0)。"},
        {"y=0*x^50", "在－10≤x≤10内y都等于0，图象在x轴上。"},
    };
    for (const auto &[function, said] : cases) {
        const FunctionFormula f = ReadFunction(function);
        ASSERT_TRUE(f.Ok()) << function;
        EXPECT_NE(PropertiesText(f).find(said), std::string::npos) << PropertiesText(f);
    }
}

// The typeset form of any text box stays within a few bytes for each typed byte: a line over the
// cap, and everything after the first part of a huge text box, is shown as it is, with a sentence.
TEST(BoundedTypeset, LongLinesAndHugeTextBoxesAreShownPlain)
{
    struct Case {
        std::string text;
        const char *sentence; // expected once, or nullptr for none
    };
    const std::string longLine = std::string(kLongestTypesetLine + 1, '1');
    std::string manyLines;
    while (manyLines.size() <= kMostTypesetText + 1000)
        manyLines += "1/2＋(3/4)^2\r\n";
    const Case cases[] = {
        {std::string(kLongestTypesetLine, '1'), nullptr},
        {longLine, "（这一行太长，没有排版，按原样显示。）"},
        {"1/2\r\n" + longLine + "\r\n3/4", "（这一行太长，没有排版，按原样显示。）"},
        {"<&>" + longLine, "（这一行太长，没有排版，按原样显示。）"},
        {manyLines, "（后面的内容太多，没有排版，按原样显示。）"},
    };
    for (const Case &c : cases) {
        const TsDocument document = ReadTypeset(c.text);
        EXPECT_EQ(TsPlainText(document), c.text);
        const std::string html = TypesetToMathML(document);
        const std::string utf8Sentence = c.sentence ? *GbkToUtf8Text(c.sentence) : std::string();
        const std::size_t first = c.sentence ? html.find(utf8Sentence) : std::string::npos;
        EXPECT_EQ(first != std::string::npos, c.sentence != nullptr) << c.text.substr(0, 40);
        if (first != std::string::npos) {
            EXPECT_EQ(html.find(utf8Sentence, first + 1), std::string::npos) << "said twice";
        }
        // Typeset MathML is at most about twenty bytes a typed byte; plain text about one.
        const std::size_t typeset = std::min(c.text.size(), kMostTypesetText);
        EXPECT_LE(html.size(), 24 * std::min(typeset, kLongestTypesetLine * 64) + 2 * c.text.size() + 1000);
    }
}
