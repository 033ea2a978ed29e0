// The function graph: reading what a pupil types, the exact properties of the four kinds of
// school function, the view (1-2-5 axis numbers, zoom, pan), the curves and the trace.
#include "charts/FunctionGraph.h"
#include "charts/FunctionProperties.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numeric>
#include <random>
#include <string>

using namespace qimbel;

namespace {

Rational Q(long long n, long long d = 1) { return *MakeRational(n, d); }

std::string TextOf(const std::optional<Rational> &r) { return r ? ExactText(*r) : "none"; }

std::string Lines(std::initializer_list<const char *> lines)
{
    std::string text;
    for (const char *line : lines)
        text += (text.empty() ? "" : "\r\n") + std::string(line);
    return text;
}

// The picture the page drew before it grew with the window: 500 × 500, −10…10 at 25 pixels a
// unit, numbers −9…9 on both axes.
DisplayList FirstPicture()
{
    DisplayList picture;
    picture.width = picture.height = 500;
    const Pen black;
    picture.Add(Rect {0, 0, 500, 500, kWhite, true, black, true});
    picture.Add(Line {250, 0, 250, 500, black});
    picture.Add(Line {0, 250, 500, 250, black});
    const auto number = [&](double x, double y, int k) {
        Text t;
        t.x = x;
        t.y = y;
        t.text = std::to_string(k);
        t.pixelSize = 11;
        picture.Add(t);
    };
    number(240, 251, 0);
    for (int k = -9; k <= 9; ++k) {
        if (k == 0)
            continue;
        picture.Add(Line {250.0 + 25 * k, 245, 250.0 + 25 * k, 250, black});
        number(250.0 + 25 * k - (k < 0 ? 7 : 3), 252, k);
        picture.Add(Line {250, 250.0 - 25 * k, 255, 250.0 - 25 * k, black});
        number(k < 0 ? 235 : 240, 250.0 - 25 * k - 6, k);
    }
    Text x;
    x.x = 473;
    x.y = 275;
    x.text = "X轴";
    picture.Add(x);
    Text y = x;
    y.x = 205;
    y.y = 5;
    y.text = "Y轴";
    picture.Add(y);
    picture.Add(Line {492, 245, 500, 250, black});
    picture.Add(Line {492, 255, 500, 250, black});
    picture.Add(Line {245, 8, 250, 0, black});
    picture.Add(Line {255, 8, 250, 0, black});
    return picture;
}

} // namespace

TEST(FunctionGraph, AtTheFirstSizeAndScaleThePictureIsTheFirstPicture)
{
    const DisplayList expected = FirstPicture();
    const DisplayList drawn = CoordinateSystem(GraphView {}, false);
    ASSERT_EQ(drawn.items.size(), expected.items.size());
    for (std::size_t i = 0; i < drawn.items.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(drawn.items[i].index(), expected.items[i].index());
        if (const Line *l = std::get_if<Line>(&drawn.items[i])) {
            const Line &e = std::get<Line>(expected.items[i]);
            EXPECT_TRUE(l->x1 == e.x1 && l->y1 == e.y1 && l->x2 == e.x2 && l->y2 == e.y2 && l->pen == e.pen);
        } else if (const Text *t = std::get_if<Text>(&drawn.items[i])) {
            const Text &e = std::get<Text>(expected.items[i]);
            EXPECT_TRUE(t->x == e.x && t->y == e.y && t->text == e.text && t->pixelSize == e.pixelSize) << t->text;
        }
    }
    // With the grid, one light line per step (0 too) and nothing else changes.
    EXPECT_EQ(CoordinateSystem(GraphView {}, true).items.size(), expected.items.size() + 38);
}

TEST(FunctionGraph, AxisNumbersFollowTheScaleInOneTwoFiveSteps)
{
    struct Case {
        double unit;
        const char *numbers; // the numbers 1, 2 and −3 steps from the origin
    };
    for (const Case &c : {Case {25, "1 2 -3"}, Case {12.5, "2 4 -6"}, Case {10, "5 10 -15"}, Case {24.9, "2 4 -6"},
             Case {50, "0.5 1 -1.5"}, Case {100, "0.5 1 -1.5"}, Case {125, "0.2 0.4 -0.6"}, Case {250, "0.1 0.2 -0.3"},
             Case {1, "50 100 -150"}, Case {0.05, "500 1000 -1500"}, Case {100000, "0.0005 0.001 -0.0015"}}) {
        const AxisStep step = AxisStepFor(c.unit);
        EXPECT_GE(step.Value() * c.unit, 25 - 1e-9);
        EXPECT_EQ(AxisNumber(1, step) + " " + AxisNumber(2, step) + " " + AxisNumber(-3, step), c.numbers) << c.unit;
    }
}

// Wherever the pupil drags and zooms, at every picture size, no axis number is cut by an edge of
// the picture (a number of n characters is about 6n pixels wide at its size) and the y numbers
// never stand on the x numbers' row far left, where "-18" used to show as "18".
TEST(FunctionGraph, AxisNumbersStayWholeInsideThePicture)
{
    std::mt19937 random(11);
    std::uniform_real_distribution<double> unit(0.05, 400), centre(-60, 60);
    int numbers = 0;
    for (const int size : {200, 390, 500, 800}) {
        for (int i = 0; i < 150; ++i) {
            GraphView view;
            view.width = size;
            view.height = size * 3 / 4;
            view.unit = unit(random);
            view.centreX = centre(random);
            view.centreY = centre(random);
            for (const Primitive &item : CoordinateSystem(view, false).items) {
                const Text *t = std::get_if<Text>(&item);
                if (t == nullptr || t->pixelSize != 11)
                    continue;
                ++numbers;
                EXPECT_GE(t->x, 0) << t->text << " unit " << view.unit;
                EXPECT_LE(t->x + 6.0 * t->text.size(), view.width + 1e-9) << t->text << " unit " << view.unit;
            }
        }
    }
    EXPECT_GT(numbers, 1000);
}

TEST(FunctionGraph, ZoomKeepsThePointUnderTheMouseAndPanFollowsTheDrag)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> pixel(0, 800), factor(0.3, 3);
    GraphView view;
    view.width = 800;
    view.height = 600;
    for (int i = 0; i < 200; ++i) {
        const double px = pixel(random), py = pixel(random) * 0.75;
        const GraphView zoomed = ZoomedView(view, factor(random), px, py);
        EXPECT_NEAR(zoomed.X(px), view.X(px), 1e-6 * std::max(1.0, std::fabs(view.X(px))));
        EXPECT_NEAR(zoomed.Y(py), view.Y(py), 1e-6 * std::max(1.0, std::fabs(view.Y(py))));
        const GraphView panned = PannedView(zoomed, 30, -20);
        EXPECT_NEAR(panned.X(px + 30), zoomed.X(px), 1e-6 * std::max(1.0, std::fabs(zoomed.X(px))));
        EXPECT_NEAR(panned.Y(py - 20), zoomed.Y(py), 1e-6 * std::max(1.0, std::fabs(zoomed.Y(py))));
        view = panned;
    }
    // The scale and the centre stay within bounds however far the pupil goes.
    FunctionGraph graph;
    for (int i = 0; i < 100; ++i) {
        graph.ZoomIn();
        graph.Pan(1e6, -1e6);
    }
    EXPECT_LE(graph.View().unit, 100000);
    EXPECT_LE(std::fabs(graph.View().centreX), 1e9);
    EXPECT_FALSE(graph.Picture().items.empty());
    for (int i = 0; i < 100; ++i)
        graph.ZoomOut();
    EXPECT_GE(graph.View().unit, 0.05);
    EXPECT_FALSE(graph.Picture().items.empty());
    graph.Reset();
    EXPECT_EQ(graph.View().unit, 25);
    EXPECT_EQ(graph.View().centreX, 0);
}

// A picture too small for the axis numbers keeps the ticks at its top or left edge: the same
// picture on every platform, whatever the library does with an empty range.
TEST(FunctionGraph, PicturesTooSmallForTheAxisNumbersKeepTheTicksAtTheEdge)
{
    for (const auto &[width, height] : {std::pair {1, 1}, {10, 10}, {31, 17}, {4000, 1}, {1, 4000}}) {
        FunctionGraph graph;
        graph.Resize(width, height);
        graph.ZoomAt(0.01, 0, 0);
        for (const Line &tick : graph.Picture().All<Line>()) {
            if (tick.x1 == tick.x2 && tick.y2 - tick.y1 == 5 && height < 18) {
                EXPECT_EQ(tick.y2, 2) << width << "x" << height;
            }
            if (tick.y1 == tick.y2 && tick.x2 - tick.x1 == 5 && width < 32) {
                EXPECT_EQ(tick.x1, 30) << width << "x" << height;
            }
        }
    }
}

TEST(FunctionGraph, ReadsWhatPupilsTypeAndValuesAreExact)
{
    struct Case {
        const char *typed;
        Rational x;
        const char *y;
    };
    for (const Case &c : {Case {"y=2x+1", Q(3), "7"}, Case {"y＝2x＋1", Q(-1, 2), "0"},
             Case {"f(x)=x^2", Q(3, 2), "2.25"}, Case {"F(x)＝x^2－1", Q(2), "3"}, Case {"√x", Q(9, 4), "1.5"},
             Case {"sqrt(x)", Q(16), "4"}, Case {"sqrt（x＋1）", Q(3), "2"}, Case {"|x|", Q(-5), "5"},
             Case {"｜x－3｜", Q(1), "2"}, Case {"2x(x-1)", Q(3), "12"}, Case {"(x+1)(x-2)", Q(0), "－2"},
             Case {"-x^2", Q(3), "－9"}, Case {"1/2x", Q(4), "2"}, Case {"6÷x", Q(4), "1.5"}, Case {"x2", Q(5), "10"},
             Case {"2^-1*x", Q(3), "1.5"}, Case {"|x-1|+|x+1|", Q(0), "2"}, Case {"3√x", Q(4), "6"},
             Case {"[x+1]×{x－1}", Q(2), "3"}, Case {"x^3", Q(-2), "－8"}, Case {"1/x", Q(3), "1/3"},
             Case {"0.1x", Q(3), "0.3"}, Case {"√x", Q(2), "none"}, Case {"1/x", Q(0), "none"},
             Case {"√x", Q(-1), "none"}, Case {"  y = 2 x + 1 ", Q(1), "3"}}) {
        const FunctionFormula f = ReadFunction(c.typed);
        ASSERT_TRUE(f.Ok()) << c.typed << ": " << f.Error();
        EXPECT_EQ(TextOf(f.ExactValue(c.x)), c.y) << c.typed;
        const std::optional<Rational> exact = f.ExactValue(c.x);
        if (exact) {
            EXPECT_NEAR(f.Value(double(c.x.numerator) / double(c.x.denominator)),
                double(exact->numerator) / double(exact->denominator), 1e-9)
                << c.typed;
        }
    }
    EXPECT_TRUE(std::isnan(ReadFunction("√x").Value(-1)));
    EXPECT_TRUE(std::isnan(ReadFunction("1/x").Value(0)));
}

TEST(FunctionGraph, AnUnreadableLineSaysWhichCharacterAndWhy)
{
    struct Case {
        const char *typed;
        const char *why;
    };
    for (const Case &c :
        {Case {"", "请输入函数，例如 y＝2x＋1。"}, Case {"(x＋1", "第1个字符“(”的括号没有配对的右括号。"},
            Case {"x＋1)", "第4个字符“)”前面没有与它配对的左括号。"},
            Case {"(x＋1]", "第5个字符“]”与第1个字符“(”不配对。"}, Case {"2a＋x", "第2个字符“a”：函数里只能用字母x。"},
            Case {"y＝2x＋", "第5个字符“＋”后面缺少数或x。"}, Case {"2x＋×3", "第3个字符“＋”后面缺少数或x。"},
            Case {"×x", "第1个字符“×”前面缺少数或x。"}, Case {"1.2.3x", "第4个字符“.”：一个数里只能有一个小数点。"},
            Case {"x＋甲", "第3个字符“甲”不认识：函数里只能有数、x、＋－×÷、^、√、| |和括号。"},
            Case {"z＝x", "等号左边只能是y或f(x)，如 y＝2x＋1。"},
            Case {"y＝x＝1", "第4个字符“＝”：一个函数里只能有一个等号。"},
            Case {"sqrt x", "第4个字符“t”：sqrt后面要有括号，如sqrt(x)。"},
            Case {"|x", "第1个字符“|”的绝对值符号没有配对的“|”。"}, Case {"y＝", "等号右边缺少函数，如 y＝2x＋1。"},
            Case {"()", "第1个字符“(”后面缺少数或x。"},
            Case {"12 18", "两个数之间只有空格：请写出运算符号，如 12×18。"},
            Case {"y＝2x＋1.5\t 3", "两个数之间只有空格：请写出运算符号，如 12×18。"}}) {
        EXPECT_EQ(ReadFunction(c.typed).Error(), c.why) << c.typed;
    }
    EXPECT_EQ(ReadFunction(std::string(17, '(') + "x" + std::string(17, ')')).Error(), "第17个字符“(”：括号层数太多。");
    EXPECT_EQ(ReadFunction(std::string(300, '1')).Error(), "函数太长：一行最多可以有256个字符。");
    // The square typed as a power is read, never "no point has a value".
    EXPECT_TRUE(ReadFunction("x^2－1").Ok());
}

TEST(FunctionProperties, FourKindsWorkedAsATeacherWritesThem)
{
    EXPECT_EQ(PropertiesText(ReadFunction("y＝2x")),
        Lines({"y＝2x", "是正比例函数 y＝kx，k＝2。", "图象是经过原点(0，0)的直线，在第一、三象限。",
            "k＝2＞0，y随x的增大而增大。"}));
    EXPECT_EQ(PropertiesText(ReadFunction("y=-3x+6")),
        Lines({"y＝－3x＋6", "是一次函数 y＝kx＋b，k＝－3，b＝6。", "k＝－3＜0，y随x的增大而减小。",
            "与y轴的交点：令x＝0，得y＝6，交点是(0，6)。",
            "与x轴的交点：令y＝0，得－3x＋6＝0，解得x＝2，交点是(2，0)。", "图象经过第一、二、四象限。"}));
    EXPECT_EQ(PropertiesText(ReadFunction("－6/x")),
        Lines({"y＝－6/x", "是反比例函数 y＝k/x，k＝－6。", "x≠0，y≠0，图象与x轴、y轴都没有交点。",
            "k＝－6＜0，图象的两个分支在第二、四象限，在每一个象限内，y随x的增大而增大。"}));
    EXPECT_EQ(PropertiesText(ReadFunction("x^2－2x－3")),
        Lines({"y＝x^2－2x－3", "是二次函数 y＝ax^2＋bx＋c，a＝1，b＝－2，c＝－3。", "a＝1＞0，抛物线开口向上。",
            "对称轴：x＝－b/(2a)＝－(－2)/(2×1)＝1。",
            "顶点：y＝(4ac－b^2)/(4a)＝(4×1×(－3)－(－2)^2)/(4×1)＝－4，顶点是(1，－4)。", "当x＝1时，y有最小值－4。",
            "当x＜1时，y随x的增大而减小；当x＞1时，y随x的增大而增大。",
            "与y轴的交点：令x＝0，得y＝－3，交点是(0，－3)。",
            "与x轴的交点：令y＝0，得x^2－2x－3＝0，Δ＝b^2－4ac＝(－2)^2－4×1×(－3)＝16＞0，x1＝3，x2＝－1，交点是(3，0)、(－1，0)。"}));
    // Irrational roots stay exact; a parabola that opens downwards has a greatest value.
    const std::string down = PropertiesText(ReadFunction("y＝－x^2＋2x＋1"));
    EXPECT_NE(down.find("a＝－1＜0，抛物线开口向下。"), std::string::npos) << down;
    EXPECT_NE(down.find("当x＝1时，y有最大值2。"), std::string::npos);
    EXPECT_NE(down.find("＝8＞0，x1＝1＋√2，x2＝1－√2，交点是(1＋√2，0)、(1－√2，0)。"), std::string::npos);
    // The other kinds are named as such, with their points on the axes found from the values.
    EXPECT_EQ(PropertiesText(ReadFunction("|x|－2")),
        Lines({"y＝|x|－2", "不是正比例函数、一次函数、反比例函数或二次函数。",
            "与y轴的交点：令x＝0，得y＝－2，交点是(0，－2)。",
            "与x轴的交点：令y＝0，在－10≤x≤10内得x＝－2，x＝2，交点是(－2，0)、(2，0)。"}));
    EXPECT_EQ(AnalyseFunction(ReadFunction("x/x")).kind, FunctionKind::Other); // no value at 0
    EXPECT_EQ(AnalyseFunction(ReadFunction("2x/x^2")).kind, FunctionKind::Reciprocal);
    EXPECT_EQ(AnalyseFunction(ReadFunction("(x＋1)^2－x^2")).kind, FunctionKind::Linear);
    EXPECT_EQ(AnalyseFunction(ReadFunction("√4x")).kind, FunctionKind::Proportional);
    EXPECT_EQ(AnalyseFunction(ReadFunction("3")).kind, FunctionKind::Constant);
}

// Random parabolas a(x − p)(x − q) + s and lines through two points, checked against the test's
// own fractions: vertex, extreme value, roots and the meeting point of two lines.
TEST(FunctionProperties, ParabolasAndLinesAgreeWithExactArithmetic)
{
    std::mt19937 random(27);
    std::uniform_int_distribution<int> small(-9, 9);
    for (int i = 0; i < 300; ++i) {
        const int a = small(random) == 0 ? 1 : small(random), p = small(random), q = small(random);
        if (a == 0)
            continue;
        // y = a x² − a(p+q) x + a p q
        const long long b = -1LL * a * (p + q), c = 1LL * a * p * q;
        const std::string typed = std::to_string(a) + "x^2＋(" + std::to_string(b) + ")x＋(" + std::to_string(c) + ")";
        const FunctionFormula f = ReadFunction(typed);
        ASSERT_TRUE(f.Ok()) << typed;
        const std::string text = PropertiesText(f);
        const Rational h = Q(p + q, 2);
        const Rational k = Q(-1LL * a * (p - q) * (p - q), 4);
        EXPECT_NE(text.find("顶点是(" + ExactText(h) + "，" + ExactText(k) + ")"), std::string::npos) << typed << text;
        EXPECT_NE(text.find(std::string(a > 0 ? "最小值" : "最大值") + ExactText(k) + "。"), std::string::npos) << text;
        const std::string roots = p == q
            ? "x1＝x2＝" + ExactText(Q(p))
            : "x1＝" + ExactText(Q(std::max(p, q))) + "，x2＝" + ExactText(Q(std::min(p, q)));
        EXPECT_NE(text.find(roots), std::string::npos) << text;

        // Two lines y = m1 x + n1 and y = m2 x + n2 meet at x = (n2 − n1)/(m1 − m2).
        const int m1 = small(random), n1 = small(random), m2 = small(random), n2 = small(random);
        const FunctionFormula l1 = ReadFunction(std::to_string(m1) + "x＋(" + std::to_string(n1) + ")");
        const FunctionFormula l2 = ReadFunction(std::to_string(m2) + "x＋(" + std::to_string(n2) + ")");
        const std::string meet = IntersectionText(l1, l2);
        if (m1 == m2 && n1 == n2) {
            EXPECT_NE(meet.find("图象重合"), std::string::npos) << meet;
        } else if (m1 == m2) {
            EXPECT_NE(meet.find("没有交点"), std::string::npos) << meet;
        } else {
            const Rational x = Q(n2 - n1, m1 - m2);
            const Rational y = *RationalSum(*RationalProduct(Q(m1), x), Q(n1));
            EXPECT_NE(meet.find("交点是(" + ExactText(x) + "，" + ExactText(y) + ")。"), std::string::npos) << meet;
        }
    }
}

TEST(FunctionProperties, WhereTwoFunctionsMeet)
{
    EXPECT_EQ(IntersectionText(ReadFunction("2x＋1"), ReadFunction("x^2－2x－3")),
        Lines({"y＝2x＋1 与 y＝x^2－2x－3 的交点：", "令 2x＋1＝x^2－2x－3，整理得 x^2－4x－4＝0，",
            "Δ＝(－4)^2－4×1×(－4)＝32＞0，x1＝2＋2√2，x2＝2－2√2，", "交点是(2＋2√2，5＋4√2)、(2－2√2，5－4√2)。"}));
    EXPECT_EQ(IntersectionText(ReadFunction("6/x"), ReadFunction("x＋1")),
        Lines({"y＝6/x 与 y＝x＋1 的交点：", "令 6/x＝x＋1，去分母，整理得 x^2＋x－6＝0，",
            "Δ＝1^2－4×1×(－6)＝25＞0，x1＝2，x2＝－3，", "交点是(2，3)、(－3，－2)。"}));
    // A root where the hyperbola has no value is dropped.
    const std::string dropped = IntersectionText(ReadFunction("1/x"), ReadFunction("x＋1/x"));
    EXPECT_NE(dropped.find("x＝0时函数没有值，舍去；图象没有交点。"), std::string::npos) << dropped;
    EXPECT_NE(IntersectionText(ReadFunction("√x"), ReadFunction("x－2")).find("交点是(4，2)。"), std::string::npos);
}

TEST(FunctionGraph, CurvesLieOnTheFunctionAndBreakAtPoles)
{
    GraphView view;
    const Pen red {kRed, 1, false};
    const std::vector<Polyline> line = CurvePieces(ReadFunction("2x＋1"), view, red);
    ASSERT_EQ(line.size(), 1u);
    // From row 500 (x = −5.5) to row 0 (x = 4.5): every point on the line, within the picture.
    for (const PathPoint &p : line[0].points)
        EXPECT_NEAR(p.y, view.PixelY(2 * view.X(p.x) + 1), 1e-9);
    EXPECT_NEAR(line[0].points.front().x, 112, 1);
    EXPECT_NEAR(line[0].points.back().x, 363, 1);

    const std::vector<Polyline> hyperbola = CurvePieces(ReadFunction("6/x"), view, red);
    ASSERT_EQ(hyperbola.size(), 2u);
    EXPECT_LT(hyperbola[0].points.back().x, 250);
    EXPECT_GT(hyperbola[1].points.front().x, 250);
    // A pole between two columns: 1/(x − 0.02) jumps there and is broken there.
    const std::vector<Polyline> shifted = CurvePieces(ReadFunction("1/(x－0.02)"), view, red);
    ASSERT_EQ(shifted.size(), 2u);
    EXPECT_TRUE(CurvePieces(ReadFunction("x÷0"), view, red).empty());
    const std::vector<Polyline> root = CurvePieces(ReadFunction("√x"), view, red);
    ASSERT_EQ(root.size(), 1u);
    EXPECT_EQ(root[0].points.front().x, 250);
}

TEST(FunctionGraph, SeveralFunctionsTheirColoursTheLegendAndTheTrace)
{
    FunctionGraph graph;
    EXPECT_EQ(graph.Add("x^2"), "");
    EXPECT_EQ(graph.Add("y＝2x＋1"), "");
    EXPECT_EQ(graph.Add("2x+1"), ""); // the same function again: still two
    ASSERT_EQ(graph.Functions().size(), 2u);
    EXPECT_EQ(graph.Functions()[0].colour, kRed);
    EXPECT_EQ(graph.Functions()[1].colour, kGraphColours[1]);
    EXPECT_EQ(graph.Add("x＋"), "第2个字符“＋”后面缺少数或x。");

    const auto legend = [](const DisplayList &picture) {
        std::vector<std::string> shown;
        for (const Text &t : picture.All<Text>())
            if (t.text.rfind("y＝", 0) == 0)
                shown.push_back(t.text);
        return shown;
    };
    EXPECT_EQ(legend(graph.Picture()), (std::vector<std::string> {"y＝x^2", "y＝2x＋1"}));
    EXPECT_EQ(graph.Picture().All<Polyline>().size(), 2u);
    graph.SetVisible(0, false);
    EXPECT_TRUE(legend(graph.Picture()).empty()); // one curve needs no legend
    EXPECT_EQ(graph.Picture().All<Polyline>().size(), 1u);
    EXPECT_EQ(graph.Properties(), PropertiesText(ReadFunction("2x＋1")));
    graph.SetVisible(0, true);

    // The trace snaps x to a tenth of the axis step and writes y exactly.
    const GraphView &view = graph.View();
    TracePoint t = graph.Trace(view.PixelX(1.5), view.PixelY(2.25) + 3);
    ASSERT_TRUE(t.found);
    EXPECT_EQ(t.text, "y＝x^2 上的点 (1.5，2.25)");
    t = graph.Trace(view.PixelX(-0.3) + 1, view.PixelY(0.4));
    ASSERT_TRUE(t.found);
    EXPECT_EQ(t.text, "y＝2x＋1 上的点 (－0.3，0.4)");
    EXPECT_EQ(graph.Picture().All<Circle>().size(), 1u);
    EXPECT_FALSE(graph.Trace(view.PixelX(0), view.PixelY(8)).found);
    graph.Add("√x");
    graph.SetVisible(0, false);
    graph.SetVisible(1, false);
    EXPECT_EQ(graph.Trace(view.PixelX(2), view.PixelY(1.41)).text, "y＝√x 上的点 (2，≈1.4142)");

    // Colours are reused once a function is removed; at most six functions.
    graph.Remove(0);
    graph.Add("x^3");
    EXPECT_EQ(graph.Functions().back().colour, kRed);
    for (int k = 1; k <= 5; ++k)
        graph.Add(std::to_string(k) + "/x");
    EXPECT_EQ(graph.Functions().size(), 6u);
    EXPECT_EQ(graph.Add("x^4"), "最多同时画6个函数：请先删去一个。");
}

// Wherever the pupil drags and zooms, the legend of several functions covers no axis number and
// neither caption: it goes to a corner (or the middle of an edge) that is free of them.
TEST(FunctionGraph, TheLegendNeverCoversAnAxisNumberOrCaption)
{
    FunctionGraph graph;
    for (const char *typed : {"x^2－2x－3", "y＝2x＋1", "1/x"})
        ASSERT_EQ(graph.Add(typed), "");
    std::mt19937 random(40);
    std::uniform_real_distribution<double> unit(2, 300), centre(-40, 40);
    const auto box = [](const Text &t) {
        const double width = 0.6 * t.pixelSize * static_cast<double>(t.text.size());
        const double left = t.anchor == Text::Anchor::TopLeft ? t.x
            : t.anchor == Text::Anchor::TopCentre             ? t.x - width / 2
                                                              : t.x - width;
        return std::array<double, 4> {left, t.y, left + width, t.y + t.pixelSize};
    };
    int placed = 0;
    for (const auto &[w, h] : {std::pair {390, 292}, std::pair {640, 480}, std::pair {1000, 700}})
        for (int i = 0; i < 200; ++i) {
            graph.Resize(w, h);
            graph.ShowAt(unit(random), centre(random), centre(random));
            const DisplayList picture = graph.Picture();
            const std::vector<Rect> rects = picture.All<Rect>();
            ASSERT_EQ(rects.size(), 2u); // the frame, then the legend
            const Rect &legend = rects[1];
            EXPECT_GE(legend.x, 0);
            EXPECT_GE(legend.y, 0);
            EXPECT_LE(legend.x + legend.width, w);
            EXPECT_LE(legend.y + legend.height, h);
            for (const Text &t : CoordinateSystem(graph.View(), false).All<Text>()) {
                const auto [left, top, right, bottom] = box(t);
                EXPECT_FALSE(left < legend.x + legend.width && legend.x < right && top < legend.y + legend.height
                    && legend.y < bottom)
                    << t.text << " under the legend at " << w << "×" << h << ", unit " << graph.View().unit
                    << ", centre " << graph.View().centreX << "," << graph.View().centreY;
            }
            ++placed;
        }
    EXPECT_EQ(placed, 600);
}
