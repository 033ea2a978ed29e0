// 简便运算, 二次根式四则运算 and 二元二次方程组 on random lines of the textbook patterns, against
// exact arithmetic. Whole worked texts are in tests/golden/simplify/, surds/ and equations/.
#include "algebra/ExactNumber.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace qimbel;

namespace {

std::string N(long long v) { return v < 0 ? "－" + std::to_string(-v) : std::to_string(v); }

// p ＋ q√m for whole p, q and a square-free m, as a pupil writes it.
std::string SurdOf(long long p, long long q, long long m)
{
    std::string text = p != 0 ? N(p) : "";
    if (q != 0) {
        const long long size = q < 0 ? -q : q;
        text += q < 0 ? "－" : text.empty() ? "" : "＋";
        text += (size == 1 ? "" : std::to_string(size)) + "√" + std::to_string(m);
    }
    return text.empty() ? "0" : text;
}

// q√m ± p: the same value with its root written first.
std::string RootFirst(long long p, long long q, long long m)
{
    if (q == 0 || p == 0)
        return SurdOf(p, q, m);
    return SurdOf(0, q, m) + (p < 0 ? "－" : "＋") + std::to_string(p < 0 ? -p : p);
}

} // namespace

TEST(JianBianYunSuan, FindsTheSimpleRouteAndKeepsTheValueOnATextbookThousand)
{
    Solver solver;
    std::mt19937 random(11);
    std::uniform_int_distribution<int> upTo(1, 99);
    for (int round = 0; round < 1000; ++round) {
        const int a = upTo(random), b = upTo(random), k = upTo(random) + 1;
        std::string line;
        std::string law;
        switch (round % 10) {
        case 0:
            line = std::to_string(a) + "＋" + std::to_string(b) + "＋" + std::to_string(100 - a);
            law = "加法结合律";
            break;
        case 1:
            line = "25×" + std::to_string(k) + "×4";
            law = "乘法结合律";
            break;
        case 2:
            line = "125×" + std::to_string(k) + "×8";
            law = "乘法结合律";
            break;
        case 3:
            line = "99×" + std::to_string(k) + "＋" + std::to_string(k);
            law = "乘法分配律（反过来用）";
            break;
        case 4:
            line = std::to_string(100 - a % 5 - 1) + "×" + std::to_string(k);
            law = "乘法分配律";
            break;
        case 5:
            line = std::to_string(100 + a % 5 + 1) + "×" + std::to_string(k);
            law = "乘法分配律";
            break;
        case 6:
            line = std::to_string(500 + a) + "－" + std::to_string(b) + "－" + std::to_string(100 - b);
            law = "减法的性质";
            break;
        case 7:
            line = std::to_string(100 * k) + "÷25÷4";
            law = "除法的性质";
            break;
        case 8:
            line = "25×" + std::to_string(4 * k + 4 * (k % 2 == 0 ? 1 : 0));
            law = "拆数";
            break;
        default:
            line = std::to_string(a) + "×" + std::to_string(k) + "＋" + std::to_string(100 - a) + "×"
                + std::to_string(k);
            law = "乘法分配律（反过来用）";
            break;
        }
        const std::string worked = solver.JianBianYunSuan(line, 5);
        EXPECT_NE(worked.find(law), std::string::npos) << line << "\n" << worked;
        EXPECT_EQ(solver.JianBianYunSuan(line, 1), solver.HunHeYunSuan(line, 1)) << line;
    }
}

TEST(JianBianYunSuan, DecimalsFractionsAndLinesWithoutALawKeepTheirValue)
{
    Solver solver;
    for (const char *line : {"4.6＋3.8＋5.4", "0.25×3.7×4", "(1/4＋1/6)×12", "3.7×2.5＋6.3×2.5", "37×12", "18＋19",
             "7÷0÷2", "1/3＋1/4＋2/3", "12×(3＋4)"}) {
        EXPECT_EQ(solver.JianBianYunSuan(line, 1), solver.HunHeYunSuan(line, 1)) << line;
        EXPECT_FALSE(solver.JianBianYunSuan(line, 5).empty()) << line;
    }
    EXPECT_NE(solver.JianBianYunSuan("37×12", 5).find("没有能简便计算的地方"), std::string::npos);
}

TEST(GenShiSiZeYunSuan, ProductsSquaresAndRootsAreExactAndSimplest)
{
    Solver solver;
    std::mt19937 random(24);
    std::uniform_int_distribution<int> coefficient(-6, 6);
    const long long squareFree[] = {2, 3, 5, 6, 7, 10, 11};
    for (int round = 0; round < 300; ++round) {
        const long long m = squareFree[round % 7];
        const long long a = coefficient(random), b = coefficient(random) | 1, c = coefficient(random),
                        d = coefficient(random) | 1;
        // (a＋b√m)(c＋d√m) ＝ (ac＋bdm)＋(ad＋bc)√m
        const std::string left = "(" + SurdOf(a, b, m) + ")";
        const std::string right = "(" + SurdOf(c, d, m) + ")";
        const std::string expected = SurdOf(a * c + b * d * m, a * d + b * c, m);
        // The answer keeps the order in which its terms first appear and starts with a positive
        // term: the number first, or the root when that is the positive one or comes first.
        const std::string answer = solver.GenShiSiZeYunSuan(left + right, 1);
        EXPECT_TRUE(answer == expected || answer == RootFirst(a * c + b * d * m, a * d + b * c, m))
            << left << right << " gives " << answer;
        // √(k²·m) ＝ k√m, and a result in simplest form stays as it is.
        const long long k = round % 9 + 1;
        EXPECT_EQ(solver.GenShiSiZeYunSuan("√" + std::to_string(k * k * m), 1), SurdOf(0, k, m));
        EXPECT_EQ(solver.GenShiSiZeYunSuan(expected, 1), expected) << expected;
        // 1÷(a＋√m) rationalised, multiplied back, gives 1.
        const std::string inverse = solver.GenShiSiZeYunSuan("1÷(" + SurdOf(a == 0 ? 1 : a, 1, m) + ")", 1);
        EXPECT_EQ(solver.GenShiSiZeYunSuan("(" + inverse + ")×(" + SurdOf(a == 0 ? 1 : a, 1, m) + ")", 1), "1")
            << inverse;
    }
    EXPECT_EQ(solver.GenShiSiZeYunSuan("√(1÷2)", 1), "√2/2");
    EXPECT_EQ(solver.GenShiSiZeYunSuan("1÷(√3－√2)", 1), "√3＋√2");
    EXPECT_NE(solver.GenShiSiZeYunSuan("1÷(√3－√3)", 1).find("无法计算"), std::string::npos);
    EXPECT_NE(solver.GenShiSiZeYunSuan("√(√2)", 1).find("无法计算"), std::string::npos);
    EXPECT_NE(solver.GenShiSiZeYunSuan("√x", 1).find("请写出"), std::string::npos);
}

TEST(ErCiFangChengZu, EveryDrawnSolutionIsFoundAndPaired)
{
    Solver solver;
    std::mt19937 random(28);
    std::uniform_int_distribution<int> value(-9, 9);
    for (int round = 0; round < 200; ++round) {
        const int x0 = value(random), y0 = value(random), a = value(random);
        // a·x ＋ y ＝ a·x0 ＋ y0 and x^2 ＋ y^2 ＝ x0^2 ＋ y0^2 (or xy ＝ x0·y0) meet at (x0, y0).
        StringArray equations;
        StringArray letters;
        equations.InsertAt(0, (a == 0 ? "" : N(a) + "x") + (a == 0 ? "y" : "＋y") + "＝" + N(a * x0 + y0));
        equations.InsertAt(0, round % 2 == 0 ? "x^2＋y^2＝" + N(x0 * x0 + y0 * y0) : "xy＝" + N(x0 * y0));
        letters.InsertAt(0, "x");
        letters.InsertAt(0, "y");
        const std::string answer = solver.ErCiFangChengZu(equations, letters, 1);
        bool found = false;
        for (const std::string n : {"", "1", "2"})
            found = found || answer.find("x" + n + "＝" + N(x0) + "，y" + n + "＝" + N(y0)) != std::string::npos;
        EXPECT_TRUE(found || (a == 0 && round % 2 == 1 && y0 == 0))
            << equations[1] << " " << equations[0] << " -> " << answer;
    }
    StringArray one;
    StringArray letters;
    one.InsertAt(0, "x＋y＝1");
    letters.InsertAt(0, "x");
    letters.InsertAt(0, "y");
    EXPECT_EQ(solver.ErCiFangChengZu(one, letters, 5), "二元二次方程组要写两个方程，每行一个。");
    one.InsertAt(0, "x^2＋y^2＝－1");
    EXPECT_EQ(solver.ErCiFangChengZu(one, letters, 1), "所以原方程组没有实数解。");
}

// Any typed line is answered with a text, quickly: random lines over the signs these types read.
TEST(TextbookTypes, RandomLinesNeverBreakTheRoutines)
{
    Solver solver;
    std::mt19937 random(2024);
    const std::vector<std::string> pieces = {"1", "2", "9", "0", ".", "/", "√", "(", ")", "＋", "－", "×", "÷", "^",
        "＝", "()", "，", "x", "y", "99", "25", "100", "^2", "√(", "1/2"};
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(1, 40);
    for (int round = 0; round < 2000; ++round) {
        std::string line;
        for (int k = length(random); k > 0; --k)
            line += pieces[pick(random)];
        EXPECT_FALSE(solver.SuanShiTianKong(line, 5).empty()) << line;
        EXPECT_FALSE(solver.ZhaoGuiLv(line, 5).empty()) << line;
        EXPECT_FALSE(solver.JianBianYunSuan(line, 5).empty()) << line;
        EXPECT_FALSE(solver.GenShiSiZeYunSuan(line, 5).empty()) << line;
        StringArray equations;
        StringArray letters;
        equations.InsertAt(0, line);
        equations.InsertAt(0, "x^2＋y^2＝" + line);
        letters.InsertAt(0, "x");
        letters.InsertAt(0, "y");
        EXPECT_FALSE(solver.ErCiFangChengZu(equations, letters, 5).empty()) << line;
    }
}

// Each kind of step is named after its rule, and the value is the one worked out by hand.
TEST(GenShiSiZeYunSuan, NamesTheRuleOfEachStep)
{
    Solver solver;
    const struct {
        const char *line;
        const char *rule;
        const char *value;
    } cases[] = {
        {"√12＋√27－√3", "合并同类二次根式", "4√3"},
        {"√2×√6", "二次根式相乘", "2√3"},
        {"√18÷√2", "二次根式相除", "3"},
        {"3÷√3", "分母有理化：分子、分母都乘√3", "√3"},
        {"(√5＋√3)÷(√5－√3)", "分母有理化：分子、分母都乘√5＋√3", "4＋√15"},
        {"(√2＋1)(√2－1)", "平方差公式", "1"},
        {"(√3＋√2)^2", "完全平方公式", "5＋2√6"},
        {"(√12－√3)×√3", "乘法分配律", "3"},
        {"√(1÷3)", "化成最简二次根式：√(1÷3)＝√3/3", "√3/3"},
        {"(1＋√5)÷2＋(1－√5)÷2", "合并同类二次根式", "1"},
    };
    for (const auto &c : cases) {
        EXPECT_NE(solver.GenShiSiZeYunSuan(c.line, 5).find(c.rule), std::string::npos) << c.line;
        EXPECT_EQ(solver.GenShiSiZeYunSuan(c.line, 1), c.value) << c.line;
    }
}

TEST(ErCiFangChengZu, SolvesTheTextbookSystems)
{
    Solver solver;
    const struct {
        const char *first;
        const char *second;
        const char *answer;
    } cases[] = {
        {"y＝x^2", "y＝2x＋3", "所以原方程组的解是 x1＝3，y1＝9；x2＝－1，y2＝1"},
        {"2x＋3y＝7", "x^2－xy＝2", "所以原方程组的解是 x1＝2，y1＝1；x2＝－3/5，y2＝41/15"},
        {"x＋y＝2", "xy＝1", "所以原方程组的解是 x＝1，y＝1"},
        {"x^2－y^2＝0", "x^2＋y＝2",
            "所以原方程组的解是 x1＝1，y1＝1；x2＝－2，y2＝－2；x3＝2，y3＝－2；x4＝－1，y4＝1"},
        {"x＋y＝2", "x＋y＝3", "所以原方程组没有解。"},
        // Squares alone: 加减消元 leaves x^2＝0 and y^2＝1.
        {"x^2＋y^2＝1", "x^2＋2y^2＝2", "所以原方程组的解是 x1＝0，y1＝1；x2＝0，y2＝－1"},
        {"x^2＋xy＝2", "y^2＋x＝3",
            "两个方程都不是一次方程，也都不能分解成两个一次式的积，这个方程组不能用代入消元或分解降次来解。"},
        {"x^3＝1", "x＋y＝1", "方程①不是二元二次方程组里的方程：每个方程只能含x和y，次数不超过2。"},
    };
    for (const auto &c : cases) {
        StringArray equations;
        StringArray letters;
        equations.InsertAt(0, c.first);
        equations.InsertAt(0, c.second);
        letters.InsertAt(0, "x");
        letters.InsertAt(0, "y");
        EXPECT_EQ(solver.ErCiFangChengZu(equations, letters, 1), c.answer) << c.first << " " << c.second;
    }
}
