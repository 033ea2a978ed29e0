// Exact answers added after the worked lines: the roots of a quadratic, the simplest whole-number
// ratio, and the exact number reader behind both. Whole worked solutions are in the golden texts
// under tests/golden/equations/.
#include "equations/Rational.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace qimbel;

namespace {

// The last line with text of a worked answer.
std::string Conclusion(const std::string &text)
{
    const std::string trimmed = Trim(text);
    const int p = ReverseFind(trimmed, "\r\n");
    return p < 0 ? trimmed : Mid(trimmed, p + 2);
}

} // namespace

TEST(ReadRational, ReadsWholeNumbersDecimalsAndFractionsExactly)
{
    const struct {
        const char *text;
        long long n, d;
    } cases[] = {
        {"12", 12, 1},
        {"－0.25", -1, 4},
        {"＋6", 6, 1},
        {"2/3", 2, 3},
        {"1.5/0.5", 3, 1},
        {"(－4)", -4, 1},
        {"-6/4", -3, 2},
        {"0.1", 1, 10},
    };
    for (const auto &c : cases) {
        const std::optional<Rational> r = ReadRational(c.text);
        ASSERT_TRUE(r) << c.text;
        EXPECT_EQ(r->numerator, c.n) << c.text;
        EXPECT_EQ(r->denominator, c.d) << c.text;
    }
    for (const char *bad : {"", "x", "3/0", "2＋1", "1..2", "－", "123456789012345678", "3/"})
        EXPECT_FALSE(ReadRational(bad)) << bad;
}

TEST(ZuiJianBi, GivesTheSimplestWholeNumberRatio)
{
    Solver s;
    EXPECT_EQ(s.ZuiJianBi("12:18"), "＝2:3");
    EXPECT_EQ(s.ZuiJianBi("1.5:0.25"), "＝6:1");
    EXPECT_EQ(s.ZuiJianBi("0.5:2"), "＝1:4");
    EXPECT_EQ(s.ZuiJianBi("2/3:4"), "＝1:6");
    EXPECT_EQ(s.ZuiJianBi("2÷3:4"), "＝1:6"); // as the check leaves it
    EXPECT_EQ(s.ZuiJianBi("3/4:0.125"), "＝6:1");
    EXPECT_EQ(s.ZuiJianBi("0:5"), "＝0:1");
    EXPECT_EQ(s.ZuiJianBi("12：18"), "＝2:3");
    EXPECT_EQ(s.ZuiJianBi("3:0"), "比的后项不能为0。");
    EXPECT_EQ(s.ZuiJianBi("a:b"), "");
    EXPECT_EQ(s.ZuiJianBi("12"), "");
}

TEST(ErCiFangChengGen, WritesRootsAsFractionsOrSimplestSurds)
{
    Solver s;
    EXPECT_EQ(Conclusion(s.ErCiFangChengGen("1", "－5", "＋6", "x")), "∴x1＝2 ,x2＝3");
    EXPECT_EQ(Conclusion(s.ErCiFangChengGen("1", "－5", "＋3", "x")), "∴x1＝(5－√13)/2 ,x2＝(5＋√13)/2");
    EXPECT_EQ(Conclusion(s.ErCiFangChengGen("1", "", "－12", "y")), "∴y1＝－2√3 ,y2＝2√3");
    EXPECT_EQ(Conclusion(s.ErCiFangChengGen("4", "＋4", "＋1", "x")), "∴x1＝x2＝－1/2");
    EXPECT_EQ(Conclusion(s.ErCiFangChengGen("－1", "＋2", "＋1", "x")), "∴x1＝1－√2 ,x2＝1＋√2");
    EXPECT_EQ(Conclusion(s.ErCiFangChengGen("2", "0", "－1", "x")), "∴x1＝－√2/2 ,x2＝√2/2");
    EXPECT_EQ(Conclusion(s.ErCiFangChengGen("0.5", "－1", "－1", "x")), "∴x1＝1－√3 ,x2＝1＋√3");
    // Decimal coefficients are made whole first, and the formula is worked with those.
    const std::string decimal = s.ErCiFangChengGen("0.5", "－1", "－1", "x");
    EXPECT_EQ(Left(decimal, Find(decimal, "\r\n")), "  方程两边同乘以 2，得 a＝1 ,b＝－2 ,c＝－2");
    EXPECT_TRUE(Contains(decimal, "＝(－(－2)±√12)/(2×(1))")) << decimal;
    // A surd whose square part lies above the cube root of the discriminant.
    EXPECT_EQ(Conclusion(s.ErCiFangChengGen("1", "0", "－200280098", "x")),
        "∴x1＝－10007√2 ,x2＝10007√2"); // 2×10007², and 10007 is prime
}

TEST(ErCiFangChengGen, GivesNothingWithoutRealRootsOrNumbers)
{
    Solver s;
    EXPECT_EQ(s.ErCiFangChengGen("1", "0", "＋1", "x"), "");
    EXPECT_EQ(s.ErCiFangChengGen("a", "1", "1", "x"), "");
    EXPECT_EQ(s.ErCiFangChengGen("0", "1", "1", "x"), "");
    EXPECT_EQ(Conclusion(s.ErCiFangChengGen("10000000000", "1", "1", "x")), "∴系数太大，这里不再求根.");
}

// Every root written for a(x − p/q)(x − r/t) is one of p/q and r/t, exactly.
TEST(ErCiFangChengGen, RootsOfRandomProductsAreTheFactorsRoots)
{
    Solver s;
    std::mt19937 random(19);
    std::uniform_int_distribution<int> small(-9, 9);
    std::uniform_int_distribution<int> positive(1, 9);
    for (int i = 0; i < 2000; ++i) {
        // (q x − p)(t x − r) = qt x² − (qr + pt) x + pr
        const long long p = small(random), q = positive(random), r = small(random), t = positive(random);
        const long long a = q * t, b = -(q * r + p * t), c = p * r;
        const std::string text
            = Conclusion(s.ErCiFangChengGen(std::to_string(a), b < 0 ? "－" + std::to_string(-b) : std::to_string(b),
                c < 0 ? "－" + std::to_string(-c) : std::to_string(c), "x"));
        const Rational one = *MakeRational(p, q);
        const Rational two = *MakeRational(r, t);
        const Rational &low = one.numerator * two.denominator <= two.numerator * one.denominator ? one : two;
        const Rational &high = &low == &one ? two : one;
        const std::string expected = low.numerator == high.numerator && low.denominator == high.denominator
            ? "∴x1＝x2＝" + RationalText(low)
            : "∴x1＝" + RationalText(low) + " ,x2＝" + RationalText(high);
        ASSERT_EQ(text, expected) << a << " " << b << " " << c;
    }
}
