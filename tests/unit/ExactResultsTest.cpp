// Exact results: the rational value type, the texts of computed numbers (a whole number, a decimal
// of at most six places, or else a reduced fraction), and the arithmetic routines that carry a
// fraction on to the next step instead of a rounded decimal. Signs that meet are merged before a
// group is opened. Whole worked texts are in tests/golden/arith/exact_*.
#include "algebra/ExactNumber.h"
#include "algebra/ReplaceOperation.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace qimbel;

namespace {

std::string Text(Whole n, Whole d) { return ExactText(*MakeRational(n, d)); }

} // namespace

TEST(ExactText, WholeNumbersAndShortDecimalsAsBeforeEverythingElseAsAFraction)
{
    EXPECT_EQ(Text(12, 1), "12");
    EXPECT_EQ(Text(-14, 2), "－7");
    EXPECT_EQ(Text(7, 2), "3.5");
    EXPECT_EQ(Text(-1, 8), "－0.125");
    EXPECT_EQ(Text(1, 64), "0.015625"); // six places: still a decimal
    EXPECT_EQ(Text(1, 128), "1/128"); // seven places: a fraction
    EXPECT_EQ(Text(1000001, 1000000), "1.000001");
    EXPECT_EQ(Text(1, 3), "1/3");
    EXPECT_EQ(Text(2, 6), "1/3");
    EXPECT_EQ(Text(4, -6), "－2/3");
    EXPECT_EQ(Text(0, 5), "0");
    EXPECT_EQ(Text(-5, 3), "－5/3");
    // Whole parts beyond 64 bits keep every digit.
    EXPECT_EQ(Text(static_cast<Whole>(123456789012345678LL) * 1000000000 + 1, 4), "30864197253086419500000000.25");
}

TEST(ExactNumbers, DecimalsAreHeldExactlyWhileTheirDigitsFit)
{
    const std::optional<NumberValue> tenth = ReadNumber("－0.10");
    ASSERT_TRUE(tenth && tenth->exact);
    const std::optional<Rational> value = ExactValue(*tenth);
    ASSERT_TRUE(value);
    EXPECT_EQ(ExactText(*value), "－0.1");

    // Forty digits do not fit in 128 bits: the decimal road, as before.
    const std::optional<NumberValue> longer = ReadNumber("1." + std::string(40, '3'));
    ASSERT_TRUE(longer);
    EXPECT_FALSE(longer->exact);
    EXPECT_FALSE(ExactValue(*longer));
    const std::optional<NumberValue> nothing = ReadNumber("3/0");
    ASSERT_TRUE(nothing);
    EXPECT_FALSE(ExactValue(*nothing));
}

TEST(RationalArithmetic, ReducesAndReportsOverflowInsteadOfWrapping)
{
    const Rational third = *MakeRational(1, 3);
    const Rational sixth = *MakeRational(1, 6);
    EXPECT_EQ(ExactText(*RationalSum(third, sixth)), "0.5");
    EXPECT_EQ(ExactText(*RationalProduct(third, *MakeRational(3, 1))), "1");
    EXPECT_EQ(ExactText(*RationalQuotient(sixth, third)), "0.5");
    EXPECT_FALSE(RationalQuotient(third, Rational {}));
    EXPECT_FALSE(MakeRational(1, 0));

    // Crosswise reduction keeps products of large parts in range.
    const Whole big = static_cast<Whole>(1) << 100;
    const Rational a = *MakeRational(big, 3);
    const Rational b = *MakeRational(3, big);
    EXPECT_EQ(ExactText(*RationalProduct(a, b)), "1");
    EXPECT_FALSE(RationalProduct(a, a));
    EXPECT_FALSE(RationalSum(*MakeRational(1, big), *MakeRational(1, big - 1)));
}

// The small values take 64-bit operations and the large ones 128-bit: around every border
// between the two (2^31, 2^63, 2^64) and far past it, the results are those of plain 128-bit
// arithmetic, and the overflow reports too.
TEST(RationalArithmetic, AgreesWithPlain128BitArithmeticAcrossTheWordBorders)
{
    const auto gcd = [](Whole a, Whole b) {
        a = a < 0 ? -a : a;
        b = b < 0 ? -b : b;
        while (b != 0) {
            const Whole t = a % b;
            a = b;
            b = t;
        }
        return a;
    };
    const auto text = [](Whole v) {
        std::string digits;
        const bool negative = v < 0;
        do {
            const int digit = static_cast<int>(v % 10);
            digits.insert(digits.begin(), static_cast<char>('0' + (digit < 0 ? -digit : digit)));
            v /= 10;
        } while (v != 0);
        return negative ? "－" + digits : digits;
    };
    const Whole max = static_cast<Whole>((static_cast<unsigned __int128>(1) << 127) - 1);
    std::vector<Whole> values;
    for (const int bits : {0, 31, 32, 62, 63, 64, 65, 100, 126})
        for (const int off : {-2, -1, 0, 1, 2})
            for (const int sign : {1, -1}) {
                const Whole v = ((bits ? Whole {1} << bits : 0) + off) * sign;
                if (v != 0)
                    values.push_back(v);
            }
    std::mt19937_64 random(7);
    for (int i = 0; i < 60; ++i) {
        const int shift = static_cast<int>(random() % 120);
        const Whole v = static_cast<Whole>((static_cast<unsigned __int128>(random()) << 64 | random()) >> (shift + 7));
        values.push_back(v == 0 ? 1 : (i % 2 ? -v : v));
    }
    values.push_back(max);
    values.push_back(-max);
    for (const Whole a : values) {
        EXPECT_EQ(WholeText(a), text(a));
        for (const Whole b : values) {
            SCOPED_TRACE(text(a) + " " + text(b));
            EXPECT_EQ(WholeGcd(a, b), gcd(a, b));
            Whole product = 0, expected = 0;
            const bool over = __builtin_mul_overflow(a, b, &expected) || expected == -max - 1;
            ASSERT_EQ(MultiplyOverflows(a, b, product), over);
            if (!over) {
                EXPECT_EQ(product, expected);
            }
            // Sums and products of a/b and b/a: the reduced exact value or a report of overflow.
            const Rational x = *MakeRational(a, b), y = *MakeRational(b, a);
            EXPECT_EQ(gcd(x.numerator, x.denominator), 1);
            // x = a / b: x.numerator × b = a × x.denominator, compared without leaving 128 bits.
            Whole xb = 0, ax = 0;
            const bool xbOver = __builtin_mul_overflow(x.numerator, b, &xb);
            EXPECT_EQ(xbOver, __builtin_mul_overflow(a, x.denominator, &ax));
            if (!xbOver) {
                EXPECT_EQ(xb, ax);
            }
            if (const auto sum = RationalSum(x, y)) {
                EXPECT_GT(sum->denominator, 0);
                EXPECT_EQ(gcd(sum->numerator, sum->denominator), 1);
                // x + y = (a^2 + b^2) / ab, checked where that fits.
                Whole aa = 0, bb = 0, ab = 0, top = 0, l = 0, r = 0;
                if (!__builtin_mul_overflow(a, a, &aa) && !__builtin_mul_overflow(b, b, &bb)
                    && !__builtin_mul_overflow(a, b, &ab) && !__builtin_add_overflow(aa, bb, &top)
                    && !__builtin_mul_overflow(sum->numerator, ab, &l)
                    && !__builtin_mul_overflow(top, sum->denominator, &r)) {
                    EXPECT_EQ(l, r);
                }
            }
            const auto one = RationalProduct(x, y);
            ASSERT_TRUE(one);
            EXPECT_EQ(ExactText(*one), "1");
        }
    }
}

TEST(ExactResults, QuotientsThatDoNotEndAreReducedFractions)
{
    Solver s;
    EXPECT_EQ(s.XiangChu("1", "3"), "1/3");
    EXPECT_EQ(s.XiangChu("4", "6"), "2/3");
    EXPECT_EQ(s.XiangChu("－2", "7"), "－2/7");
    EXPECT_EQ(s.XiangChu("7", "2"), "3.5");
    EXPECT_EQ(s.XiangChu("1", "128"), "1/128");
    EXPECT_EQ(s.XiangChu("1.5", "0.7"), "15/7");
    EXPECT_EQ(s.XiangChu("1/3", "0.5"), "2/3");
    EXPECT_EQ(s.XiangChu("0.3", "0.1"), "3");
    // Sums and products with a decimal operand are exact as well.
    EXPECT_EQ(s.XiangJia("0.5", "1/3"), "5/6");
    EXPECT_EQ(s.XiangJian("0.1", "1/3"), "－7/30");
    EXPECT_EQ(s.XiangJia("0.1", "0.2"), "0.3");
    EXPECT_EQ(s.XiangCheng("0.5", "1/3"), "1/6");
    EXPECT_EQ(s.XiangCheng("1.5", "2/3"), "1");
    EXPECT_EQ(s.XiangCheng("0.1234", "0.5678"), "1751663/25000000"); // 0.07006652 has eight places
    // Coefficients of monomials follow the same rule.
    EXPECT_EQ(s.DanXiangShiChu("2x", "3"), "2/3x");
    EXPECT_EQ(s.DanXiangShiCheng("1/3a", "3"), "a");
}

TEST(ExactResults, LikeTermsAddTheirCoefficientsExactly)
{
    Solver s;
    EXPECT_EQ(s.HeBingTongLeiXiang("1/3x＋1/3x"), "2/3x");
    EXPECT_EQ(s.HeBingTongLeiXiang("1/3x＋1/6x"), "0.5x");
    EXPECT_EQ(s.HeBingTongLeiXiang("1/3x＋2/3x"), "x");
    EXPECT_EQ(s.HeBingTongLeiXiang("1/3－1/3＋x"), "x");
    EXPECT_EQ(s.HeBingTongLeiXiang("7/3－2/3y－y"), "7/3－5/3y");
    EXPECT_EQ(s.HeBingTongLeiXiang("0.1a＋0.2a"), "0.3a");
}

TEST(ExactResults, WorkedExpressionsEndAtTheExactValue)
{
    Solver s;
    const char *const cases[][2] = {
        {"1÷3×3", "1"},
        {"2÷7×7", "2"},
        {"2÷3×3÷4", "0.5"},
        {"1÷6＋1÷3", "1/2"},
        {"1÷3＋1÷3＋1÷3", "1"},
        {"10÷3－1÷3", "3"},
        {"0.1÷0.3×0.9", "0.3"},
        {"(1÷3)^2×9", "1"},
        {"2－1÷3", "5/3"},
        {"1－4÷3", "－1/3"},
        {"x÷3×3", "x"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(s.HunHeYunSuan(c[0], 1), c[1]) << c[0];
    // A fraction beyond the 32 bits of the fraction helpers still ends in lowest terms.
    EXPECT_EQ(s.HunHeYunSuan("4294967296/8589934594", 5),
        "4294967296/8589934594\r\n＝2147483648/4294967297" + std::string(30, ' ')
            + "第1步:约分:4294967296÷2/8589934594÷2");
}

TEST(MergeMeetingSigns, MergesEveryPairOrOnlyThoseBeforeAGroup)
{
    EXPECT_EQ(MergeMeetingSigns("2＋－3＝x"), "2－3＝x");
    EXPECT_EQ(MergeMeetingSigns("a－－b＋＋c－＋d"), "a＋b＋c－d");
    EXPECT_EQ(MergeMeetingSigns("x－－－3"), "x－3");
    EXPECT_EQ(MergeMeetingSigns("2×－3"), "2×－3");
    EXPECT_EQ(MergeMeetingSigns("a－－(1－ab)", true), "a＋(1－ab)");
    EXPECT_EQ(MergeMeetingSigns("a－－2b(c)", true), "a＋2b(c)");
    EXPECT_EQ(MergeMeetingSigns("5－－2＋－(1)", true), "5－－2－(1)");
    EXPECT_EQ(MergeMeetingSigns("－－－(a)", true), "－(a)");
}

TEST(MergeMeetingSigns, AGroupAfterADoubledSignIsOpenedWithOneSign)
{
    Solver s;
    EXPECT_EQ(s.HunHeYunSuan("a－－(1－ab)", 1), "a＋1－ab");
    EXPECT_EQ(s.HunHeYunSuan("a－＋(b－c)", 1), "a－b＋c");
    EXPECT_EQ(s.HunHeYunSuan("a＋－(b－c)", 1), "a－b＋c");
    EXPECT_EQ(s.HunHeYunSuan("－－(a＋b)", 1), "a＋b");
    EXPECT_EQ(s.HunHeYunSuan("a－－2(b－c)", 1), "a＋2b－2c");
    EXPECT_EQ(s.HunHeYunSuan("5－－(2＋3)", 1), "10");
    // A doubled sign before a number is worked as it stands.
    EXPECT_EQ(s.HunHeYunSuan("5－－2", 5), "5－－2\r\n＝7" + std::string(30, ' ') + "第1步:5－－2=7 的减法计算");
}
