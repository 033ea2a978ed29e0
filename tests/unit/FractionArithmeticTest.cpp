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

namespace {

// A polynomial in x with small whole coefficients, written by a pupil in either order (1－x or
// －x＋1), with its value at a point.
struct Typed {
    std::vector<long long> c; // c[k] is the coefficient of x^k
    bool ascending = false;

    std::string Text() const
    {
        std::string text;
        const int n = static_cast<int>(c.size());
        for (int j = 0; j < n; ++j) {
            const int k = ascending ? j : n - 1 - j;
            const long long v = c[static_cast<std::size_t>(k)];
            if (v == 0)
                continue;
            text += v < 0 ? "－" : text.empty() ? "" : "＋";
            const long long size = v < 0 ? -v : v;
            if (size != 1 || k == 0)
                text += std::to_string(size);
            if (k > 0)
                text += k == 1 ? "x" : "x^" + std::to_string(k);
        }
        return text.empty() ? "0" : text;
    }

    int Terms() const
    {
        int n = 0;
        for (long long v : c)
            n += v != 0;
        return n;
    }

    Rational At(const Rational &x) const
    {
        Rational sum = R(0);
        Rational power = R(1);
        for (long long v : c) {
            sum = Plus(sum, Times(R(v), power));
            power = Times(power, x);
        }
        return sum;
    }
};

} // namespace

// Numerators and denominators with a negative first coefficient, typed either way round, a sign
// before a fraction whose numerator is a sum, and results that are whole polynomials with a
// negative first term ((x－1)^2/(1－x) is 1－x): every line of the working, read back, is the
// input as a rational function.
TEST(FenShiSiZeYunSuan, EveryLineKeepsTheValueWhateverTheSigns)
{
    Solver solver;
    std::mt19937 random(2325);
    std::uniform_int_distribution<int> coefficient(-3, 3);
    std::uniform_int_distribution<int> degree(0, 2);
    std::uniform_int_distribution<int> coin(0, 1);
    const auto draw = [&](int lowest) {
        Typed t;
        t.ascending = coin(random) == 1;
        const int n = std::max(lowest, degree(random));
        for (int k = 0; k <= n; ++k)
            t.c.push_back(coefficient(random));
        if (t.c.back() == 0)
            t.c.back() = coin(random) ? 1 : -1;
        return t;
    };
    const auto piece = [](const Typed &t) {
        const std::string text = t.Text();
        return t.Terms() > 1 || text.rfind("－", 0) == 0 ? "(" + text + ")" : text;
    };
    const char *const ops[] = {"＋", "－", "×", "÷"};
    int checked = 0;
    for (int round = 0; round < 400; ++round) {
        const Typed n1 = draw(0), d1 = draw(1), n2 = draw(0), d2 = draw(1);
        // Half of the lines are one fraction whose denominator divides its numerator up to sign.
        const bool single = round % 2 == 0;
        const bool minus = coin(random) == 1;
        const int op = round / 2 % 4;
        std::string expression = (minus ? "－" : "") + piece(n1) + "÷" + piece(d1);
        Typed num = n1;
        if (single) {
            // (d1)^2 ÷ (－d1), typed as a power or as the product written out
            Typed negated = d1;
            for (long long &v : negated.c)
                v = -v;
            negated.ascending = !negated.ascending;
            expression = std::string(minus ? "－" : "") + "(" + d1.Text() + ")^2÷" + piece(negated);
        } else {
            expression += std::string(ops[op]) + piece(n2) + "÷" + piece(d2);
        }
        const std::string worked = solver.FenShiSiZeYunSuan(expression, 4);
        if (worked.find("。") != std::string::npos)
            continue; // a divisor of 0 is refused in a sentence
        for (int k = 0; k < 3; ++k) {
            const Rational x = R(coefficient(random) * 5 + 2, 3 + k);
            const Rational v1 = d1.At(x), v2 = d2.At(x), w2 = n2.At(x);
            if (v1.numerator == 0 || v2.numerator == 0 || w2.numerator == 0)
                continue;
            Rational expected;
            if (single) {
                expected = Negated(v1);
            } else {
                const Rational a = Over(num.At(x), v1), b = Over(w2, v2);
                const Rational first = minus ? Negated(a) : a;
                expected = op == 0 ? Plus(first, b)
                    : op == 1      ? Plus(first, Negated(b))
                    : op == 2      ? Times(first, b)
                                   : Over(first, b);
            }
            if (single && minus)
                expected = Negated(expected);
            std::size_t start = 0;
            for (;;) {
                const std::size_t end = worked.find("\r\n", start);
                std::string line = worked.substr(start, end == std::string::npos ? std::string::npos : end - start);
                if (line.rfind("＝", 0) == 0)
                    line = line.substr(2);
                const std::optional<Rational> got = ResultAt(line, x, R(0));
                if (got) {
                    EXPECT_TRUE(Same(*got, expected)) << expression << ": " << line;
                    ++checked;
                } else {
                    EXPECT_TRUE(got) << expression << ": cannot read " << line;
                }
                if (end == std::string::npos)
                    break;
                start = end + 2;
            }
        }
    }
    EXPECT_GT(checked, 1000);
}

// A fraction brought in front of a factor keeps its brackets: 1/5(x＋1) reads as 1 over 5(x＋1).
TEST(FenShiSiZeYunSuan, AFractionInFrontOfAFactorKeepsItsBrackets)
{
    Solver solver;
    const std::string worked = solver.FenShiSiZeYunSuan("0.2/(x－1)＋2/(x＋1)", 4);
    EXPECT_NE(worked.find("\r\n＝(1/5)(x＋1)/[(x＋1)(x－1)]＋2(x－1)/[(x＋1)(x－1)]\r\n"), std::string::npos) << worked;
    EXPECT_EQ(worked.find("＝1/5("), std::string::npos) << worked;
}
