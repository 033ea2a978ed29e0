// Worked arithmetic against exact rational arithmetic: random expressions of whole numbers,
// fractions, decimals and brackets of all three kinds are worked by the drivers, and each final
// result must equal the exact value: a whole number, a decimal of at most six places or a fraction
// in lowest terms, never a rounded decimal.
#include "ExactResultText.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <numeric>
#include <optional>
#include <random>
#include <string>
#include <utility>

using namespace qimbel;
using namespace exacttest;

namespace {

// An expression text together with its exact value and whether decimals were involved.
struct Generated {
    std::string text;
    std::optional<Rational> value;
};

class ExpressionMaker {
public:
    explicit ExpressionMaker(unsigned seed)
        : random_(seed)
    {
    }

    Generated Expression(int depth) { return Sum(depth); }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    Generated Number()
    {
        switch (Pick(0, 5)) {
        case 0: {
            const int n = Pick(1, 9);
            const int d = Pick(2, 9);
            return {std::to_string(n) + "/" + std::to_string(d), Make(n, d)};
        }
        case 1: {
            const int whole = Pick(0, 5);
            const int tenths = Pick(1, 9);
            return {std::to_string(whole) + "." + std::to_string(tenths), Make(whole * 10 + tenths, 10)};
        }
        case 2: {
            const int n = Pick(1, 9);
            return {"(－" + std::to_string(n) + ")", Make(-n, 1)};
        }
        default: {
            const int n = Pick(0, 12);
            return {std::to_string(n), Make(n, 1)};
        }
        }
    }

    Generated Factor(int depth)
    {
        if (depth <= 0 || Pick(0, 2) != 0)
            return Number();
        Generated inner = Sum(depth - 1);
        // The bracket kind grows with what it holds, as pupils write them.
        const char *open = "(";
        const char *close = ")";
        if (inner.text.find('(') != std::string::npos) {
            open = "[";
            close = "]";
        }
        if (inner.text.find('[') != std::string::npos) {
            open = "{";
            close = "}";
        }
        if (inner.text.find('{') != std::string::npos) {
            open = "(";
            close = ")";
        }
        return {open + inner.text + close, inner.value};
    }

    Generated Product(int depth)
    {
        Generated result = Factor(depth);
        for (int k = Pick(0, 2); k > 0; --k) {
            const Generated next = Factor(depth);
            const bool divide = Pick(0, 3) == 0;
            result.text += divide ? "÷" : "×";
            if (!result.value || !next.value) {
                result.value.reset();
                continue;
            }
            const Rational a = *result.value;
            const Rational b = *next.value;
            if (divide)
                result.value = Make(static_cast<__int128>(a.n) * b.d, static_cast<__int128>(a.d) * b.n);
            else
                result.value = Make(static_cast<__int128>(a.n) * b.n, static_cast<__int128>(a.d) * b.d);
            result.text += next.text;
        }
        return result;
    }

    Generated Sum(int depth)
    {
        Generated result = Product(depth);
        for (int k = Pick(0, 2); k > 0; --k) {
            const Generated next = Product(depth);
            const bool subtract = Pick(0, 1) == 0;
            result.text += (subtract ? "－" : "＋") + next.text;
            if (!result.value || !next.value) {
                result.value.reset();
                continue;
            }
            const Rational a = *result.value;
            const Rational b = *next.value;
            const __int128 right = static_cast<__int128>(b.n) * a.d;
            result.value = Make(
                static_cast<__int128>(a.n) * b.d + (subtract ? -right : right), static_cast<__int128>(a.d) * b.d);
        }
        return result;
    }

    std::mt19937 random_;
};

} // namespace

TEST(ArithmeticProperty, FinalResultsEqualExactArithmetic)
{
    Solver s;
    ExpressionMaker maker(20261208);
    int checked = 0;
    for (int i = 0; i < 400; ++i) {
        const Generated e = maker.Expression(3);
        if (!e.value)
            continue; // a division by 0 somewhere inside
        SCOPED_TRACE(e.text);
        // The general driver writes at most 21 steps; a long expression is worked on from where
        // it stopped until it no longer changes.
        std::string result = e.text;
        for (int round = 0; round < 20; ++round) {
            const std::string next = s.HunHeYunSuan(result, 1);
            if (next == result)
                break;
            result = next;
        }
        const std::optional<Rational> got = ExactOf(result);
        ASSERT_TRUE(got.has_value()) << "result: " << result;
        EXPECT_EQ(Shown(*got), Shown(*e.value)) << "result: " << result;
        ++checked;
    }
    EXPECT_GT(checked, 300);
}

TEST(ArithmeticProperty, NumericDriverAgreesWithTheGeneralOne)
{
    Solver s;
    ExpressionMaker maker(7);
    for (int i = 0; i < 200; ++i) {
        const Generated e = maker.Expression(2);
        if (!e.value)
            continue;
        SCOPED_TRACE(e.text);
        // The last expression written: a step that finds nothing leaves a bare "＝" line.
        const std::string mark = "\r\n＝";
        std::string worked = s.SiZeHunHeYunSuan(e.text);
        while (worked.size() >= mark.size() && worked.compare(worked.size() - mark.size(), mark.size(), mark) == 0)
            worked.resize(worked.size() - mark.size());
        const std::size_t last = worked.rfind(mark);
        std::string line = last == std::string::npos ? worked : worked.substr(last + mark.size());
        line = line.substr(0, line.find(' '));
        const std::optional<Rational> got = ExactOf(line);
        ASSERT_TRUE(got.has_value()) << "last line: " << line;
        EXPECT_EQ(Shown(*got), Shown(*e.value)) << "last line: " << line;
    }
}

TEST(ArithmeticProperty, QuotientsThatDoNotEndAreCarriedOnExactly)
{
    // a÷b×b gives a back, and a÷b＋c÷d the exact sum, for divisors whose quotients never end.
    Solver s;
    std::mt19937 random(1208);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const int divisors[] = {3, 6, 7, 9, 11, 12, 13, 14, 21, 27};
    auto divisor = [&] { return divisors[pick(0, 9)]; };
    for (int i = 0; i < 150; ++i) {
        const int a = pick(1, 99);
        const int b = divisor();
        const std::string back = std::to_string(a) + "÷" + std::to_string(b) + "×" + std::to_string(b);
        EXPECT_EQ(s.HunHeYunSuan(back, 1), std::to_string(a)) << back;

        const int c = pick(1, 99);
        const int d = divisor();
        const bool subtract = pick(0, 1) == 1;
        const std::string sum = std::to_string(a) + "÷" + std::to_string(b) + (subtract ? "－" : "＋")
            + std::to_string(c) + "÷" + std::to_string(d);
        const std::optional<Rational> exact
            = Make(static_cast<__int128>(a) * d + (subtract ? -1 : 1) * static_cast<__int128>(c) * b,
                static_cast<__int128>(b) * d);
        const std::optional<Rational> got = ExactOf(s.HunHeYunSuan(sum, 1));
        ASSERT_TRUE(got.has_value()) << sum << " gives " << s.HunHeYunSuan(sum, 1);
        EXPECT_EQ(Shown(*got), Shown(*exact)) << sum;
    }
}

// Lines the steps would misread are asked to be written otherwise. Two signs that open the
// expression or a bracket are not worked (the driver took the first sign
// for the whole bracket: (－＋1＋1)×6 came out as －12); a sign after an operator still reads as
// the number's own sign.
TEST(ArithmeticProperty, SignsRunTogetherAreAskedForABracket)
{
    qimbel::Solver s;
    const std::string asked = "两个符号连在一起，请写成 －(＋1) 这样，加上括号。";
    for (const char *line : {"－＋1＋1", "1(－＋1＋1)×6", "(＋－1＋1)×6", "--2", "(++3)", "x×＋＋4^7－5^7", "2÷－－3", "ab－＋a×a(a＋b)"})
        EXPECT_EQ(s.HunHeYunSuan(line, 5), asked) << line;
    EXPECT_EQ(s.HunHeYunSuan("3－＋2", 1), "1");
    EXPECT_EQ(s.HunHeYunSuan("(＋1)－(－2)", 1), "3");
    EXPECT_EQ(s.HunHeYunSuan("2×－3", 1), "－6");
    // A digit right after a letter has two readings (a9×b2 was worked as ab92).
    for (const char *line : {"a9×b2(a)－3az", "2×b2", "x2＋3x"})
        EXPECT_EQ(s.HunHeYunSuan(line, 5), "字母后面直接写了数字，请写成 9a 或 a^9 这样。") << line;
    EXPECT_EQ(s.HunHeYunSuan("2a×3b", 1), "6ab");
    // A fraction bar with no denominator after it (1/2/＋1/2 was worked as 1/2＋1/2).
    for (const char *line : {"1/2/＋1/4×2", "2/", "1/－2＋1"})
        EXPECT_EQ(s.HunHeYunSuan(line, 5), "分数线后面要直接写分母，请写成 1/2 或 －1/2 这样。") << line;
    EXPECT_EQ(s.HunHeYunSuan("1/(2＋1)", 1), "1/3");
    // A bracket after the bar is a denominator only when it works out to a positive whole number
    // (1/(－79/4)×－1 was worked as 1/79/4, 3/(2－5)＋1 as 3/－2, 1/(2)×3 as 1/6).
    for (const char *line : {"1/(－79/4)×－1", "3/(2－5)＋1", "1/(2)×3", "6/(1＋2)^2", "1/(0.5＋1)×2", "1/(x)×3"})
        EXPECT_EQ(s.HunHeYunSuan(line, 5), "分数线后面是括号，请写成除号，如 1÷(2＋1)。") << line;
    EXPECT_EQ(s.HunHeYunSuan("1/(2×3)×4", 1), "2/3");
    // A bar right after an exponent has two readings (5^3/2×6 was worked as 5^1.5×6).
    for (const char *line : {"5^3/2×6", "x^2/3×3", "2^3/4"})
        EXPECT_EQ(s.HunHeYunSuan(line, 5), "指数后面紧跟着分数线，有两种读法，请添上括号，如 (5^3)/2 或 5^(3/2)。")
            << line;
    EXPECT_EQ(s.HunHeYunSuan("(5^3)/2×6", 1), "375");
    // A power of a power (x^2^2×x was worked as x^(3)^2, (－2)^3^2 as －8^2).
    for (const char *line : {"x^2^2×x", "2a(a(x)＋x^2^2x)", "x^(2)^2", "(－2)^3^2", "1(－2＋0)^1^4－11"})
        EXPECT_EQ(s.HunHeYunSuan(line, 5), "乘方连着写，请添上括号，如 (x^2)^3。") << line;
    EXPECT_EQ(s.HunHeYunSuan("((－2)^3)^2", 1), "64");
    // Two bars with only a number or letters between them (b(1aa)/2/1aa was multiplied into
    // a^(4)b^(2)/2/1).
    for (const char *line : {"3＋b(3＋b(1aa)/2/1aa)/2/ab", "1/2/4", "a/2/3"})
        EXPECT_EQ(s.HunHeYunSuan(line, 5), "分数线连着写，有两种读法，请写出除号或添上括号。") << line;
    EXPECT_EQ(s.HunHeYunSuan("1/2＋1/3", 1), "5/6");
    // A point not between two digits (5×(a.0ab) was worked as 5a^(2)b).
    for (const char *line : {"2＋5×(a.0ab)", ".5＋1", "3.＋1"})
        EXPECT_EQ(s.HunHeYunSuan(line, 5), "小数点要写在两个数字中间，如 0.5。") << line;
    EXPECT_EQ(s.HunHeYunSuan("0.5＋1.25", 1), "1.75");
    EXPECT_EQ(s.HunHeYunSuan("(x^2)^2×x", 1), "x^(5)");
}

// A power of a plain number among letters is worked out first (2(a＋3^2) gave 2a＋6^2, a×3^2 gave
// 3a^2).
TEST(ArithmeticProperty, APowerOfANumberAmongLettersIsWorkedFirst)
{
    qimbel::Solver s;
    const std::pair<const char *, const char *> rows[] = {{"2(a＋3^2)", "2a＋18"}, {"2a(a＋3^2)", "2a^(2)＋18a"},
        {"a×3^2", "9a"}, {"(a＋3^2)^2", "a^(2)＋18a＋81"}, {"a－2^2×3", "a－12"}, {"0.5^2a", "0.25a"}};
    for (const auto &[line, result] : rows)
        EXPECT_EQ(s.HunHeYunSuan(line, 1), result) << line;
    EXPECT_EQ(s.HunHeYunSuan("2(a＋3^2)", 4), "2(a＋3^2)\r\n＝2(a＋9)\r\n＝2a＋18");
}

// A number past what is held exactly is never written from a double: the working stops instead
// (88888888888887778877778888888887777771/2×2 was written with wrong digits).
TEST(ArithmeticProperty, NumbersPastExactAreNotGuessed)
{
    qimbel::Solver s;
    EXPECT_EQ(s.HunHeYunSuan("(－88888888888887778877778888888887777771/2)2", 1),
        "－88888888888887778877778888888887777771/2×2");
    EXPECT_EQ(s.HunHeYunSuan("2^100", 1), "1267650600228229401496703205376");
    EXPECT_EQ(s.HunHeYunSuan("3^81", 1), "3^81");
    EXPECT_EQ(s.HunHeYunSuan("123456789.5×2", 1), "246913579");
}

// A power a step wrote as x^(2) and then multiplied or divided: the exponent stays the power's
// (2x×3x×6 came out as 6x^12, x×x×2 as x^4).
TEST(ArithmeticProperty, APowerWrittenBackKeepsItsExponent)
{
    qimbel::Solver s;
    const std::pair<const char *, const char *> rows[] = {{"2x×3x×6", "36x^(2)"}, {"x×x×2", "2x^(2)"},
        {"x^2×x^3×2", "2x^(5)"}, {"6x^(2)×6", "36x^(2)"}, {"2×x^2×3", "6x^(2)"}, {"x^(2)÷x", "x"}};
    for (const auto &[line, value] : rows)
        EXPECT_EQ(s.HunHeYunSuan(line, 1), value) << line;
}
