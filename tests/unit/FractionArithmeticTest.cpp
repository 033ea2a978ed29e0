// 分式四则运算: the result of random sums, differences, products and quotients of fractions is
// proved equal to the input at random rational points, and in lowest terms. Whole worked
// solutions are in the golden texts under tests/golden/arith/.
#include "algebra/FractionAlgebra.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace qimbel;
using namespace qimbel::fractions;

namespace {

std::string Signed(long long v) { return v < 0 ? "－" + std::to_string(-v) : "＋" + std::to_string(v); }

// A numerator as a pupil writes it after a sign: (－3).
std::string Numerator(long long v) { return v < 0 ? "(－" + std::to_string(-v) + ")" : std::to_string(v); }

Rational R(long long n, long long d = 1) { return *MakeRational(n, d); }

// a/(x + p) at x; nothing when x + p is 0.
std::optional<Rational> Part(long long a, long long p, const Rational &x)
{
    const Rational den = Plus(x, R(p));
    if (den.numerator == 0)
        return std::nullopt;
    return Over(R(a), den);
}

// The value of the result text at x (and y), read back exactly; nothing at a pole.
std::optional<Rational> ResultAt(const std::string &text, const Rational &x, const Rational &y)
{
    const std::optional<std::vector<Term>> terms = ReadSum(text);
    if (!terms)
        return std::nullopt;
    const std::optional<Fraction> f = SumValue(*terms);
    if (!f)
        return std::nullopt;
    const Rational den = ConstantOf(Substituted(Substituted(f->den, 'x', x), 'y', y));
    if (den.numerator == 0)
        return std::nullopt;
    return Over(ConstantOf(Substituted(Substituted(f->num, 'x', x), 'y', y)), den);
}

bool Same(const Rational &a, const Rational &b) { return a.numerator == b.numerator && a.denominator == b.denominator; }

} // namespace

TEST(FenShiSiZeYunSuan, RandomSumsProductsAndQuotientsKeepTheirValue)
{
    Solver solver;
    std::mt19937 random(23);
    std::uniform_int_distribution<int> small(-6, 6);
    for (int round = 0; round < 240; ++round) {
        const long long a = small(random), b = small(random), p = small(random), q = small(random);
        if (a == 0 || b == 0)
            continue;
        const std::string first = Numerator(a) + "÷(x" + Signed(p) + ")";
        const std::string second = Numerator(b) + "÷(x" + Signed(q) + ")";
        const int kind = round % 4;
        const char *const ops[] = {"＋", "－", "×", "÷"};
        const std::string expression = first + ops[kind] + second;
        const std::string result = solver.FenShiSiZeYunSuan(expression, 1);
        for (int k = 0; k < 4; ++k) {
            const Rational x = R(small(random) * 7 + 1, 3);
            const std::optional<Rational> u = Part(a, p, x);
            const std::optional<Rational> v = Part(b, q, x);
            if (!u || !v)
                continue;
            Rational expected;
            if (kind == 0)
                expected = Plus(*u, *v);
            else if (kind == 1)
                expected = Plus(*u, Negated(*v));
            else if (kind == 2)
                expected = Times(*u, *v);
            else
                expected = Over(*u, *v);
            const std::optional<Rational> got = ResultAt(result, x, R(0));
            ASSERT_TRUE(got) << expression << " → " << result;
            EXPECT_TRUE(Same(*got, expected)) << expression << " → " << result;
        }
        // The result is in lowest terms.
        const std::optional<std::vector<Term>> terms = ReadSum(result);
        ASSERT_TRUE(terms) << result;
        const Fraction f = *SumValue(*terms);
        EXPECT_TRUE(IsConstant(Gcd(f.num, f.den))) << expression << " → " << result;
    }
}

TEST(FenShiSiZeYunSuan, TwoLettersReduceToLowestTerms)
{
    Solver solver;
    const struct {
        const char *input, *result;
    } cases[] = {
        {"1÷(x－y)－x÷(x^2－y^2)", "y/[(x＋y)(x－y)]"},
        {"(x^2－y^2)÷(x^2＋2xy＋y^2)", "(x－y)/(x＋y)"},
        {"a÷(a－b)－b÷(a－b)", "1"},
        {"x÷(x＋1)÷x^2÷(x＋1)", "1/x"},
        {"x/(x＋1)÷x^2/(x＋1)", "1/x"},
        {"3÷(2x)×4x÷9", "2/3"},
        {"1÷(x＋1)×0", "0"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(solver.FenShiSiZeYunSuan(c.input, 1), c.result) << c.input;
}

TEST(FenShiSiZeYunSuan, BadLinesGiveASentenceNeverACrash)
{
    Solver solver;
    for (const char *line :
        {"1÷0", "(((", "1÷(x－x)", "x^99^99", "1÷x÷0", "÷", "x＝1", "9999999999999999999999999999999999999999÷x"}) {
        const std::string text = solver.FenShiSiZeYunSuan(line, 5);
        EXPECT_NE(text.find("\r\n"), std::string::npos) << line;
    }
}
