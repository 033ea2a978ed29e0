// Factorisation of integer polynomials: reading a typed polynomial, and the property that 综合处理
// splits every product of linear factors into linear factors whose product is the input exactly.
// The worked texts of every method are checked by the golden texts under tests/golden/factorise/.
#include "algebra/FactorPolynomial.h"
#include "algebra/YinShiFenJie.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace qimbel;

namespace {

std::string Read(const std::string &text)
{
    std::string why;
    const std::optional<Poly> p = ReadPolynomial(text, why);
    return p ? PolyText(PolySorted(*p)) : "×" + why;
}

Poly Linear(long long a, int x, long long b, int y)
{
    Exponents ex {};
    ex[static_cast<std::size_t>(x)] = 1;
    Poly p = MonomialPoly(a, ex);
    Exponents ey {};
    if (y >= 0)
        ey[static_cast<std::size_t>(y)] = 1;
    if (b != 0)
        p.terms.push_back({ey, b});
    return p;
}

} // namespace

TEST(ReadPolynomial, MultipliesOutWhatIsTyped)
{
    EXPECT_EQ(Read("x^2－5x＋6"), "x^2－5x＋6");
    EXPECT_EQ(Read("(x＋1)(x－1)"), "x^2－1");
    EXPECT_EQ(Read("2×a×b－ba"), "ab");
    EXPECT_EQ(Read("x^(2)＋x^0"), "x^2＋1");
    EXPECT_EQ(Read("－[2(a－b)]^2"), "－4a^2＋8ab－4b^2");
    EXPECT_EQ(Read("6＋x^2－5x＝"), "x^2－5x＋6"); // a trailing ＝ is what pupils often write
    EXPECT_EQ(Read("x－x"), "0");
}

TEST(ReadPolynomial, RefusesWhatIsNotAnIntegerPolynomial)
{
    EXPECT_EQ(Read("1.5x"), "×这里只分解整数系数的多项式。");
    EXPECT_EQ(Read("x÷2"), "×这里只分解整数系数的多项式。");
    EXPECT_EQ(Read("x＝1"), "×要分解的是多项式，式子中不能有等号。");
    EXPECT_EQ(Read("(x＋1"), "×括号不配对。");
    EXPECT_EQ(Read("(x＋1]"), "×括号不配对。");
    EXPECT_EQ(Read("x^"), "×乘方的指数必须是整数。");
    EXPECT_EQ(Read("x^99"), "×数太大，超出了计算范围。");
    EXPECT_EQ(Read("99999999999999999999x"), "×数太大，超出了计算范围。");
    EXPECT_EQ(Read("(2x＋3)^40"), "×数太大，超出了计算范围。"); // 3^40 is beyond 64 bits
    EXPECT_EQ(Read("x＋"), "×式子不完整。");
    EXPECT_EQ(Read("x＃y"), "×式子中有不能识别的符号。");
    EXPECT_EQ(Read(""), "×没有找到要分解的多项式。");
    EXPECT_EQ(Read(std::string(200, '(') + "x" + std::string(200, ')')), "×括号太多，超出了计算范围。");
}

// The property the page relies on: for a product of whole-number linear factors, 综合处理 ends
// with linear factors only, and their product multiplied out is the input, term for term.
TEST(YinShiFenJie, CombinedMethodSplitsEveryProductOfLinearFactors)
{
    std::mt19937 random(22);
    std::uniform_int_distribution<int> count(1, 4);
    std::uniform_int_distribution<int> lead(1, 4);
    std::uniform_int_distribution<int> sign(0, 1);
    std::uniform_int_distribution<int> last(-6, 6);
    std::uniform_int_distribution<int> scale(1, 3);
    const int x = 23; // x
    const int y = 24; // y
    Solver solver;
    int checked = 0;
    for (int i = 0; i < 3000; ++i) {
        const bool twoLetters = i % 3 == 0;
        const int n = twoLetters ? 2 : count(random);
        Poly p = MonomialPoly(scale(random) * (sign(random) ? -1 : 1), Exponents {});
        for (int k = 0; k < n; ++k) {
            const long long a = lead(random) * (sign(random) ? -1 : 1);
            p = *PolyProduct(p, Linear(a, x, last(random), twoLetters ? y : -1));
        }
        if (p.terms.size() < 2)
            continue; // a monomial has nothing to split
        Factored f;
        f.factors.push_back({p, 1});
        FenJieBuZhou steps;
        FenJie(f, kZongHeChuLi, steps);
        const std::string shown = PolyText(p);
        for (const PolyFactor &factor : f.factors)
            for (const PolyTerm &t : factor.poly.terms)
                ASSERT_LE(TotalDegree(t.exponents), 1) << shown << " gave " << FactoredText(f);
        const std::optional<Poly> back = Expand(f);
        ASSERT_TRUE(back && SamePoly(*back, p)) << shown << " gave " << FactoredText(f);

        // The page's text, read back, is the same polynomial.
        if (steps.empty())
            continue;
        std::string why;
        const std::optional<Poly> written = ReadPolynomial(solver.YinShiFenJie(shown, kZongHeChuLi, 1), why);
        ASSERT_TRUE(written && SamePoly(*written, p)) << shown;
        ++checked;
    }
    EXPECT_GT(checked, 2500);
}

// Every method either splits the polynomial into a product equal to it or writes its sentence;
// odd lines never crash or hang.
TEST(YinShiFenJie, EveryMethodKeepsTheValueOrSaysWhy)
{
    Solver solver;
    std::mt19937 random(7);
    const char *const pieces[]
        = {"x", "y", "a", "2", "3", "12", "^2", "^3", "＋", "－", "×", "(", ")", "[", "]", "^(", ".", "／", "＝"};
    std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(pieces)) - 1);
    std::uniform_int_distribution<int> length(1, 12);
    for (int i = 0; i < 3000; ++i) {
        std::string line;
        for (int k = length(random); k > 0; --k)
            line += pieces[pick(random)];
        for (int method = 0; method <= 9; ++method) {
            const std::string result = solver.YinShiFenJie(line, method, 1);
            ASSERT_FALSE(result.empty()) << line;
            std::string why;
            const std::optional<Poly> input = ReadPolynomial(line, why);
            const std::optional<Poly> output = ReadPolynomial(result, why);
            if (input && output) {
                ASSERT_TRUE(SamePoly(*input, *output)) << line << " → " << result;
            }
        }
    }
}
