// 二元二次方程组 line by line on random systems made from a chosen solution: every number the
// working writes equal to another holds exactly, the unknowns are named x before y (a before b)
// whatever the typed order, the formula's coefficients are numbers (never the letters a, b, c, which
// may be unknowns), two equations in x^2 and y^2 alone are added or subtracted, and a quadratic
// without a term in the unknown alone is solved by 直接开平方.
#include "WorkingEqualities.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <random>

using namespace qimbel;
using namespace qimbel::workingtest;

namespace {

std::string N(long long v) { return v < 0 ? "－" + std::to_string(-v) : std::to_string(v); }

// c·u with its sign for a term after the first: ＋3a, －a.
std::string Term(long long c, const std::string &u, bool first)
{
    if (c == 0)
        return "";
    const std::string size = (c == 1 || c == -1) && !u.empty() ? "" : std::to_string(c < 0 ? -c : c);
    return (c < 0 ? "－" : first ? "" : "＋") + size + u;
}

} // namespace

TEST(QuadraticSystemWorking, EveryLineHoldsAndTheTextbookMethodIsUsed)
{
    Solver solver;
    std::mt19937 random(2828);
    std::uniform_int_distribution<int> value(-6, 6);
    std::uniform_int_distribution<int> coefficient(1, 4);
    for (int round = 0; round < 240; ++round) {
        const bool lettersAB = round % 3 == 0;
        const std::string u = lettersAB ? "a" : "x";
        const std::string v = lettersAB ? "b" : "y";
        const int x0 = value(random), y0 = value(random);
        std::string first;
        std::string second;
        const int family = round % 4;
        if (family == 0) {
            // A linear equation with x^2 ＋ y^2, typed with y first.
            const int k = coefficient(random);
            first = Term(1, v, true) + Term(k, u, false) + "＝" + N(y0 + k * x0);
            second = u + "^2＋" + v + "^2＝" + N(x0 * x0 + y0 * y0);
        } else if (family == 1) {
            // The product: a＋b＝s, ab＝p.
            first = u + "＋" + v + "＝" + N(x0 + y0);
            second = u + v + "＝" + N(x0 * y0);
        } else if (family == 2) {
            // Only squares: 加减消元.
            const int a1 = coefficient(random), b1 = coefficient(random), a2 = coefficient(random);
            const int b2 = -coefficient(random);
            first = Term(a1, u + "^2", true) + Term(b1, v + "^2", false) + "＝" + N(a1 * x0 * x0 + b1 * y0 * y0);
            second = Term(a2, u + "^2", true) + Term(b2, v + "^2", false) + "＝" + N(a2 * x0 * x0 + b2 * y0 * y0);
        } else {
            // No term in the unknown alone once substituted: 直接开平方.
            first = u + "＋" + v + "＝" + N(x0 + y0);
            second = u + "^2＝" + N(x0 * x0);
        }
        StringArray equations;
        StringArray letters;
        equations.InsertAt(0, first);
        equations.InsertAt(0, second);
        solver.GetWeiZhiShu(first, letters);
        solver.GetWeiZhiShu(second, letters);
        const std::string working = solver.ErCiFangChengZu(equations, letters, 5);
        const std::string context = first + " / " + second + "\n" + working;

        // The chosen solution is among the answers, x (or a) named first.
        bool found = false;
        for (const std::string n : {"", "1", "2", "3", "4"})
            found = found || Contains(working, u + n + "＝" + N(x0) + "，" + v + n + "＝" + N(y0));
        EXPECT_TRUE(found) << context;
        EXPECT_FALSE(Contains(working, "b^2－4ac")) << context;
        if (family == 2) {
            EXPECT_TRUE(Contains(working, "直接开平方") && !Contains(working, "△")) << context;
        }
        if (family == 3) {
            EXPECT_TRUE(Contains(working, "直接开平方")) << context;
        }

        for (const std::string &line : Lines(working))
            EXPECT_EQ(BrokenEquality(line), "") << context;
    }
}
