// Factorisation of integer polynomials: reading a typed polynomial, and the property that 综合处理
// splits every product of linear factors into linear factors whose product is the input exactly.
// The worked texts of every method are checked by the golden texts under tests/golden/factorise/.
#include "algebra/FactorPolynomial.h"
#include "algebra/YinShiFenJie.h"
#include "pages/Headless.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
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

namespace {

// A factor as it is compared: terms in order, first term positive, no whole number left in it.
Poly Normal(Poly p)
{
    p = PolySorted(p);
    if (!p.terms.empty() && p.terms[0].coefficient < 0)
        p = PolyNegated(p);
    long long g = 0;
    for (const PolyTerm &t : p.terms)
        g = std::gcd(g, t.coefficient < 0 ? -t.coefficient : t.coefficient);
    for (PolyTerm &t : p.terms)
        t.coefficient /= g;
    return p;
}

Poly Term(long long c, int x, int px, int y = 0, int py = 0)
{
    Exponents e {};
    e[static_cast<std::size_t>(x)] = static_cast<unsigned char>(px);
    if (py > 0)
        e[static_cast<std::size_t>(y)] = static_cast<unsigned char>(py);
    return MonomialPoly(c, e);
}

Poly Plus(std::initializer_list<Poly> parts)
{
    Poly sum;
    for (const Poly &p : parts)
        sum = *PolySum(sum, p);
    return sum;
}

} // namespace

// The products a pupil meets, drawn at random: a whole number in front, a letter in front,
// factors of degree one in one or two letters, factors of degree two that do not split (in x
// alone, x^2＋ky^2, x^2＋xy＋y^2, x^2＋by＋c), some of them squared. Whatever the method, the
// last line is the product of exactly the drawn factors: nothing left that still splits, no
// whole number left inside a bracket, and the product multiplied out is the input.
TEST(YinShiFenJie, EveryMethodEndsWithTheCompleteFactorisation)
{
    std::mt19937 random(2522);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const auto nonZero = [&](int size) {
        const int v = pick(1, size);
        return pick(0, 1) ? v : -v;
    };
    const int x = 23, y = 24;
    Solver solver;
    int checked = 0;
    for (int round = 0; round < 300; ++round) {
        const bool twoLetters = round % 2 == 1;
        std::vector<Poly> drawn;
        Poly p = MonomialPoly(pick(0, 2) == 0 ? nonZero(6) : 1, Exponents {});
        if (pick(0, 4) == 0)
            drawn.push_back(Term(1, twoLetters ? y : x, 1)); // a letter in front
        const int count = pick(1, twoLetters ? 3 : 4);
        for (int k = 0; k < count; ++k) {
            Poly factor;
            const int kind = pick(0, 3);
            if (!twoLetters && kind < 3) {
                const int a = pick(1, 3);
                int b = nonZero(6);
                while (std::gcd(a, b) != 1)
                    b = nonZero(6);
                factor = Plus({Term(a, x, 1), Term(b, x, 0)});
            } else if (!twoLetters) {
                // a x^2 ＋ b x ＋ c with b^2－4ac not a square
                for (;;) {
                    const int a = pick(1, 2), b = pick(-3, 3), c = nonZero(5);
                    const int d = b * b - 4 * a * c;
                    const int r = d < 0 ? -1 : static_cast<int>(std::lround(std::sqrt(d)));
                    if ((d < 0 || r * r != d) && std::gcd(std::gcd(a, b), c) == 1) {
                        factor = Plus({Term(a, x, 2), Term(b, x, 1), Term(c, x, 0)});
                        break;
                    }
                }
            } else if (kind < 2) {
                const int a = nonZero(3), b = nonZero(3), c = pick(-4, 4);
                if (std::gcd(std::gcd(a, b), c) != 1)
                    continue;
                factor = Plus({Term(a, x, 1), Term(b, y, 1), Term(c, x, 0)});
            } else if (kind == 2) {
                const int shape = pick(0, 2);
                if (shape == 0)
                    factor = Plus({Term(1, x, 2), Term(pick(1, 3), y, 2)});
                else if (shape == 1)
                    factor = Plus({Term(1, x, 2), Term(pick(0, 1) ? 1 : -1, x, 1, y, 1), Term(1, y, 2)});
                else
                    factor = Plus({Term(1, x, 2), Term(nonZero(3), y, 1), Term(pick(-3, 3), x, 0)});
            } else {
                continue;
            }
            const int power = pick(0, 4) == 0 ? 2 : 1;
            for (int j = 0; j < power; ++j)
                drawn.push_back(factor);
        }
        for (const Poly &factor : drawn)
            p = *PolyProduct(p, factor);
        if (p.terms.size() < 2)
            continue;
        std::vector<Poly> expected;
        for (const Poly &factor : drawn)
            if (factor.terms.size() > 1)
                expected.push_back(Normal(factor));
        const auto order = [](const Poly &a, const Poly &b) { return PolyText(a) < PolyText(b); };
        std::sort(expected.begin(), expected.end(), order);
        const std::string shown = PolyText(p);
        for (int method = kTiGongYinFa; method <= kZongHeChuLi; ++method) {
            Factored f;
            f.factors.push_back({p, 1});
            FenJieBuZhou steps;
            FenJie(f, method, steps);
            std::vector<Poly> found;
            for (const PolyFactor &factor : f.factors) {
                long long g = 0;
                for (const PolyTerm &t : factor.poly.terms)
                    g = std::gcd(g, t.coefficient < 0 ? -t.coefficient : t.coefficient);
                ASSERT_EQ(g, 1) << shown << " by method " << method << " leaves a whole number in " << FactoredText(f);
                for (int j = 0; j < factor.power; ++j)
                    found.push_back(Normal(factor.poly));
            }
            std::sort(found.begin(), found.end(), order);
            std::string want, got;
            for (const Poly &q : expected)
                want += "(" + PolyText(q) + ")";
            for (const Poly &q : found)
                got += "(" + PolyText(q) + ")";
            EXPECT_EQ(got, want) << shown << " by method " << method << " gave " << FactoredText(f);
            const std::optional<Poly> back = Expand(f);
            ASSERT_TRUE(back && SamePoly(*back, p)) << shown << " by method " << method;
            // The page's last line is that product (a polynomial that does not split gets the
            // method's sentence instead).
            if (!steps.empty() && Len(shown) <= kLongestFactorLine) {
                EXPECT_EQ(solver.YinShiFenJie(shown, method, 1), FactoredText(f)) << shown << " by method " << method;
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 2000);
}

namespace {

std::size_t Count(const std::string &text, const std::string &what)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
        ++n;
    return n;
}

} // namespace

// 因式分解 and 分式四则运算 on the page: the heaviest lines within the limit are worked and stay
// far below the cap on a line's text; a line one byte too long, or a megabyte long, gets the
// sentence alone and stands in the text box once, as typed.
TEST(InputLimits, FactorAndFractionLinesStayBounded)
{
    std::string sum = "1÷(x＋1)";
    for (int k = 2; Len(sum) + 12 <= kLongestFractionLine; ++k)
        sum += "＋1÷(x＋" + std::to_string(k) + ")";
    const struct {
        int type;
        int method;
        std::string line;
    } heavy[] = {
        {22, 8, "(x＋1)^40"},
        {22, 6, "(a＋b)^40"},
        {22, 7, "(x＋y＋1)^12"},
        {22, 5, "x^40－1"},
        {22, 8, "(a＋b＋c＋d)^6"},
        {23, 8, sum},
        {23, 8, "(x＋1)^20÷(x－1)^20×(x^2－1)^10÷(x＋2)^10"},
    };
    for (const auto &c : heavy) {
        ASSERT_LE(Len(c.line), c.type == 22 ? kLongestFactorLine : kLongestFractionLine) << c.line;
        HeadlessRequest request;
        request.type = c.type;
        request.method = c.method;
        request.gbk = true;
        request.computeOnly = true;
        const std::string page = RunHeadless(request, c.line);
        EXPECT_LT(Len(page), kLongestWorkedText) << c.line;
        EXPECT_EQ(Count(page, "这一行太长"), 0U) << c.line;
    }
    for (int type : {22, 23}) {
        const int longest = type == 22 ? kLongestFactorLine : kLongestFractionLine;
        for (const std::string &line :
            {std::string(static_cast<std::size_t>(longest - 1), 'x') + "＋", "x＋" + std::string(1 << 20, '1')}) {
            HeadlessRequest request;
            request.type = type;
            request.gbk = true;
            request.computeOnly = true;
            const std::string page = RunHeadless(request, line);
            EXPECT_EQ(Count(page, "这一行太长，无法计算：一行最多可以有" + std::to_string(longest) + "个字符。"), 1U);
            EXPECT_EQ(Count(page, line), 1U) << "type " << type;
            EXPECT_LT(Len(page), Len(line) + 200) << "type " << type;
        }
    }
}
