// 分式方程: every answer is proved against exact arithmetic on random equations (the root makes
// both sides equal and no denominator 0; 无解 only where the whole equation's root is 增根), and
// the fraction algebra behind it is checked on the cases that break naive code. Whole worked
// solutions are in the golden texts under tests/golden/equations/.
#include "algebra/FractionAlgebra.h"
#include "equations/Rational.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace qimbel;

namespace {

std::string Signed(long long v) { return v < 0 ? "－" + std::to_string(-v) : "＋" + std::to_string(v); }

Rational R(long long n, long long d = 1) { return *MakeRational(n, d); }

bool Same(const Rational &a, const Rational &b) { return a.numerator == b.numerator && a.denominator == b.denominator; }

// a/(x − p) exactly at x; nothing when the denominator is 0.
std::optional<Rational> Part(long long a, long long p, const Rational &x)
{
    const std::optional<Rational> den = RationalSum(x, R(-p));
    if (!den || den->numerator == 0)
        return std::nullopt;
    return RationalQuotient(R(a), *den);
}

} // namespace

TEST(FenShiFangCheng, AnswersSatisfyRandomEquationsExactly)
{
    Solver solver;
    std::mt19937 random(29);
    std::uniform_int_distribution<int> small(-9, 9);
    int rejected = 0;
    for (int round = 0; round < 300; ++round) {
        const long long a = small(random), b = small(random), p = small(random), q = small(random);
        if (a == 0 || b == 0)
            continue;
        // a/(x − p) ＝ b/(x − q), typed as the page's check leaves it.
        const std::string equation
            = std::to_string(a) + "÷(x" + Signed(-p) + ")＝" + std::to_string(b) + "÷(x" + Signed(-q) + ")";
        const std::string answer = solver.FenShiFangCheng(equation, "x", 1);
        // The whole equation a(x − q) = b(x − p) has the root (aq − bp)/(a − b) when a ≠ b.
        if (a == b && p == q) {
            EXPECT_NE(answer.find("任何数"), std::string::npos) << equation << " " << answer;
            continue;
        }
        if (a == b) {
            EXPECT_NE(answer.find("无解"), std::string::npos) << equation << " " << answer;
            continue;
        }
        const Rational root = R(a * q - b * p, a - b);
        const std::optional<Rational> left = Part(a, p, root);
        const std::optional<Rational> right = Part(b, q, root);
        if (!left || !right) {
            ++rejected;
            EXPECT_NE(answer.find("原方程无解"), std::string::npos) << equation;
            continue;
        }
        ASSERT_EQ(answer.rfind("x＝", 0), 0u) << equation << " " << answer;
        const std::optional<Rational> typed = ReadRational(answer.substr(3));
        ASSERT_TRUE(typed) << answer;
        EXPECT_TRUE(Same(*typed, root)) << equation << " " << answer;
        EXPECT_TRUE(Same(*left, *right)) << equation;
    }
    EXPECT_GT(rejected, 0); // the family meets 增根 (p = q) as well
}

TEST(FenShiFangCheng, ExtraneousRootIsNamedInTheWorking)
{
    Solver solver;
    const std::string worked = solver.FenShiFangCheng("x÷(x－1)＝1÷(x－1)＋2", "x", 5);
    EXPECT_NE(worked.find("经检验，x＝1 是原方程的增根，原方程无解。"), std::string::npos) << worked;
    // A quadratic whole equation keeps its good root and rejects the other.
    const std::string both = solver.FenShiFangCheng("1÷(x－1)＋1＝x^2÷(x－1)", "x", 5);
    EXPECT_NE(both.find("x＝1 是原方程的增根，x＝0 是原方程的解"), std::string::npos) << both;
    EXPECT_EQ(solver.FenShiFangCheng("1÷(x－1)＋1＝x^2÷(x－1)", "x", 1), "x＝0");
}

TEST(FenShiFangCheng, ListsTheDenominatorsAsTypedAndChecksOnlyWhereOneHoldsTheUnknown)
{
    Solver solver;
    const std::string worked = solver.FenShiFangCheng("2÷(8－4x)＝1÷2", "x", 4);
    EXPECT_NE(worked.find("各分母是 8－4x、2，最简公分母是 4(x－2)；"), std::string::npos) << worked;
    EXPECT_NE(worked.find("当 x＝1 时，4(x－2)＝－4≠0；"), std::string::npos) << worked;
    // No unknown below a bar: no common denominator to find and nothing to check.
    const std::string plain = solver.FenShiFangCheng("x÷2＝x^2÷8", "x", 4);
    EXPECT_EQ(plain.find("检验"), std::string::npos) << plain;
    EXPECT_NE(plain.find("所以原方程的解是 x＝0，x＝4。"), std::string::npos) << plain;
}

TEST(FenShiFangCheng, QuadraticsWithSurdsOrWithoutRealRoots)
{
    Solver solver;
    // x^2 = 2: both roots are kept, written as the root formula writes them.
    EXPECT_EQ(solver.FenShiFangCheng("x÷2＝1÷x", "x", 1), "x1＝－√2，x2＝√2");
    // x^2 = －1: no real root, so no solution and nothing to check.
    const std::string none = solver.FenShiFangCheng("1÷x＝－x", "x", 5);
    EXPECT_EQ(none.find("检验"), std::string::npos) << none;
    EXPECT_NE(none.find("整式方程没有实数根，所以原方程无解。"), std::string::npos) << none;
}

TEST(FenShiFangCheng, BadLinesGiveASentenceNeverACrash)
{
    Solver solver;
    for (const char *line : {"", "2÷x", "2÷x＝", "2÷0＝x", "((((x＝1", "1÷(x＋y)＝1", "x^99÷x＝1", "1÷x^5＝x", "÷＝÷",
             "999999999999999999999999999999999999999999999÷x＝1"}) {
        const std::string text = solver.FenShiFangCheng(line, "x", 5);
        EXPECT_FALSE(text.empty()) << line;
        EXPECT_EQ(text.find("是原方程的解"), std::string::npos) << line;
    }
}

TEST(FractionAlgebra, GcdAndReductionInOneAndTwoLetters)
{
    using namespace fractions;
    const auto read = [](const char *text) {
        const std::optional<std::vector<Term>> terms = ReadSum(text);
        EXPECT_TRUE(terms) << text;
        return SumValue(*terms)->num;
    };
    EXPECT_EQ(PolyText(Gcd(read("x^2－1"), read("x^2＋2x＋1"))), "x＋1");
    EXPECT_EQ(PolyText(Gcd(read("x^2－y^2"), read("x^2－2xy＋y^2"))), "x－y");
    EXPECT_EQ(PolyText(Gcd(read("6x^2"), read("4xy"))), "x");
    EXPECT_EQ(PolyText(Gcd(read("x＋1"), read("x－1"))), "1");
    const Fraction reduced = Reduced(Fraction {read("2x^2－2"), read("4x＋4")});
    EXPECT_EQ(PolyText(reduced.num), "x－1");
    EXPECT_EQ(PolyText(reduced.den), "2");
}

TEST(FractionAlgebra, ReadsTheDivideSignAsTheFractionBar)
{
    using namespace fractions;
    const auto value = [](const char *text) {
        const std::optional<std::vector<Term>> terms = ReadSum(text);
        EXPECT_TRUE(terms) << text;
        const Fraction f = Reduced(*SumValue(*terms));
        return PolyText(f.num) + " / " + PolyText(f.den);
    };
    // Without "/", the first "÷" is the bar and the next divides: (a/b)÷(c/d).
    EXPECT_EQ(value("x÷(x＋1)÷x^2÷(x＋1)"), "1 / x");
    // With "/", "/" is the bar and "÷" divides.
    EXPECT_EQ(value("x/(x＋1)÷x^2/(x＋1)"), "1 / x");
    // A monomial after the bar is the whole denominator.
    EXPECT_EQ(value("2÷4x"), "1 / 2x");
    EXPECT_FALSE(ReadSum("1÷0"));
    EXPECT_FALSE(ReadSum("x＋"));
}

// Random strings of the pieces pupils type: every routine of the three types answers with some
// text, at once, without a crash (the sanitizer build checks the memory and the arithmetic).
TEST(FractionTypes, RandomPiecesNeverCrashOrHang)
{
    Solver solver;
    const char *const pieces[] = {"1", "2", "0", "9", "x", "y", "＋", "－", "×", "÷", "/", "(", ")", "^", "＝", ".",
        "%", "()", "和", "^2", "12", "－3"};
    std::mt19937 random(2029);
    std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(pieces)) - 1);
    std::uniform_int_distribution<int> length(1, 24);
    for (int round = 0; round < 1500; ++round) {
        std::string line;
        for (int n = length(random); n > 0; --n)
            line += pieces[pick(random)];
        EXPECT_FALSE(solver.FenShiFangCheng(line, "x", 5).empty()) << line;
        EXPECT_FALSE(solver.FenShiSiZeYunSuan(line, 5).empty()) << line;
        EXPECT_FALSE(solver.DaXiaoBiJiao(line, 5).empty()) << line;
    }
}
