// 算式计算与填空 and 根据要求找规律, proved against exact arithmetic on random lines: the filled
// number must make the typed equation true, and the filled blank of a list made by a known rule
// must be the number the rule gives. Whole worked texts are in tests/golden/numbers/ and
// tests/golden/patterns/.
#include "algebra/ExactNumber.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

using namespace qimbel;

namespace {

Rational Exact(const std::string &text)
{
    std::string plain = text;
    if (plain.rfind("－", 0) == 0)
        plain = "-" + plain.substr(2);
    const std::optional<NumberValue> read = ReadNumber(plain);
    EXPECT_TRUE(read) << text;
    const std::optional<Rational> value = read ? ExactValue(*read) : std::nullopt;
    EXPECT_TRUE(value) << text;
    return value.value_or(Rational {});
}

bool Equal(const Rational &a, const Rational &b)
{
    return a.numerator == b.numerator && a.denominator == b.denominator;
}

// The number written between the first "(" and ")" of a filled line.
std::string Filled(const std::string &line)
{
    const std::size_t open = line.find('(');
    const std::size_t close = line.find(')', open);
    return open == std::string::npos || close == std::string::npos ? std::string()
                                                                   : line.substr(open + 1, close - open - 1);
}

} // namespace

TEST(SuanShiTianKong, TheFilledNumberMakesEveryTypedLineTrue)
{
    Solver solver;
    std::mt19937 random(31);
    std::uniform_int_distribution<int> whole(1, 400);
    std::uniform_int_distribution<int> kind(0, 2);
    const auto number = [&](int k) {
        switch (k) {
        case 0:
            return std::to_string(whole(random));
        case 1:
            return std::to_string(whole(random)) + "." + std::to_string(whole(random) % 10 + 1);
        default:
            return std::to_string(whole(random) % 20 + 1) + "/" + std::to_string(whole(random) % 12 + 2);
        }
    };
    const char *signs[] = {"+", "-", "×", "÷"};
    for (int round = 0; round < 600; ++round) {
        const int op = round % 4;
        // Draw a and b, work out c exactly, then blank one of the three places.
        const std::string at = number(kind(random));
        const std::string bt = number(kind(random));
        const Rational av = Exact(at);
        const Rational bv = Exact(bt);
        std::optional<Rational> cv;
        switch (op) {
        case 0:
            cv = RationalSum(av, bv);
            break;
        case 1:
            cv = RationalSum(av, Rational {-bv.numerator, bv.denominator});
            break;
        case 2:
            cv = RationalProduct(av, bv);
            break;
        default:
            cv = RationalQuotient(av, bv);
            break;
        }
        ASSERT_TRUE(cv);
        if (cv->numerator < 0)
            continue; // pupils' lines have no negative numbers
        const std::string ct = FractionText(cv->numerator, cv->denominator);
        const int blank = round / 4 % 3;
        std::string texts[3] = {at, bt, ct};
        texts[blank] = "()";
        const std::string line = texts[0] + signs[op] + texts[1] + "＝" + texts[2];
        const std::string answer = solver.SuanShiTianKong(line, 1);
        const Rational filled = Exact(Filled(answer));
        const Rational expected[3] = {av, bv, *cv};
        EXPECT_TRUE(Equal(filled, expected[blank])) << line << " -> " << answer;
    }
}

TEST(SuanShiTianKong, ZeroAndDivisionByZeroAreSaidInWords)
{
    Solver solver;
    EXPECT_EQ(solver.SuanShiTianKong("0×()＝0", 5), "0乘任何数都得0，()里填任何数都可以。");
    EXPECT_EQ(solver.SuanShiTianKong("()÷0＝3", 5), "除数不能为0，这道题没有答案。");
    EXPECT_EQ(solver.SuanShiTianKong("0÷()＝0", 1), "0除以任何不是0的数都得0，()里填任何不是0的数都可以。");
    EXPECT_EQ(solver.SuanShiTianKong("5÷()＝0", 1), "商是0时被除数也是0，5不是0，()里没有能填的数。");
    EXPECT_EQ(solver.SuanShiTianKong("0÷()＝5", 1), "0除以任何不是0的数都得0，不会得5，()里没有能填的数。");
    // Two blanks, two operations, or no operation are not this kind of problem.
    for (const char *line : {"()+()＝5", "3+4+5＝()", "12", "()＝5", "abc", ""})
        EXPECT_NE(solver.SuanShiTianKong(line, 5).find("请写出"), std::string::npos) << line;
    EXPECT_NE(solver.SuanShiTianKong(std::string(300, '1') + "+()＝1", 5).find("这一行太长"), std::string::npos);
}

TEST(ZhaoGuiLv, TheBlankOfAListMadeByARuleIsTheRulesNumber)
{
    Solver solver;
    std::mt19937 random(33);
    std::uniform_int_distribution<int> small(-9, 9);
    std::uniform_int_distribution<int> positive(1, 9);
    for (int round = 0; round < 400; ++round) {
        const int a = small(random), b = positive(random), c = small(random), d = positive(random);
        const int q = std::vector<int> {2, 3, -2, 5}[static_cast<std::size_t>(round % 4)];
        const int family = round % 8;
        std::function<Rational(int)> rule;
        switch (family) {
        case 0: // 等差
            rule = [=](int n) { return Rational {a + (n - 1) * b, 1}; };
            break;
        case 1: // 等比
            rule = [=](int n) {
                Whole v = b;
                for (int k = 1; k < n; ++k)
                    v *= q;
                return Rational {v, 1};
            };
            break;
        case 2: // n^2 ＋ c
            rule = [=](int n) { return Rational {n * n + c, 1}; };
            break;
        case 3: // n^3 ＋ c
            rule = [=](int n) { return Rational {n * n * n + c, 1}; };
            break;
        case 4: // second differences constant
            rule = [=](int n) { return Rational {b * n * n + a * n + c, 1}; };
            break;
        case 5: // each the sum of the two before
            rule = [=](int n) {
                Whole x = b, y = d;
                for (int k = 1; k < n; ++k) {
                    const Whole z = x + y;
                    x = y;
                    y = z;
                }
                return Rational {x, 1};
            };
            break;
        case 6: // alternating signs
            rule = [=](int n) { return Rational {(n % 2 == 1 ? 1 : -1) * (b + (n - 1) * 2), 1}; };
            break;
        default: // two lists woven together
            rule = [=](int n) {
                const int m = (n + 1) / 2;
                return Rational {n % 2 == 1 ? a + m * b : 100 + m * 7, 1};
            };
            break;
        }
        // Woven lists need three known numbers in each half.
        const int length = family == 7 ? 8 : 7;
        const int blank = static_cast<int>(random() % length);
        std::string line;
        for (int n = 1; n <= length; ++n) {
            const Rational v = rule(n);
            line += (n == 1 ? "" : "，")
                + (n - 1 == blank ? std::string("()") : FractionText(v.numerator, v.denominator));
        }
        const std::string answer = solver.ZhaoGuiLv(line, 1);
        const Rational expected = rule(blank + 1);
        EXPECT_EQ(Filled(answer), FractionText(expected.numerator, expected.denominator))
            << "rule " << family << ": " << line << " -> " << answer;
    }
}

TEST(ZhaoGuiLv, SaysPlainlyWhenNoRuleIsCheckedByTheNumbers)
{
    Solver solver;
    const std::string none = "没有找到这列数的规律";
    for (const char *line : {"3，1，4，1，5，()", "2，7，1，8，2，8，()", "1，2，()", "5，()，()，9"}) {
        const std::string answer = solver.ZhaoGuiLv(line, 5);
        EXPECT_TRUE(answer.find(none) != std::string::npos || answer.find("已知的数太少") != std::string::npos)
            << line << " -> " << answer;
    }
    // Blanks anywhere, several of them, and the next number when there is none.
    EXPECT_EQ(solver.ZhaoGuiLv("()，4，()，16，25", 1), "(1)，4，(9)，16，25");
    EXPECT_EQ(solver.ZhaoGuiLv("1，3，5，7", 1), "1，3，5，7，(9)");
    EXPECT_EQ(solver.ZhaoGuiLv("0.5，1，1.5，()", 1), "0.5，1，1.5，(2)");
    EXPECT_EQ(solver.ZhaoGuiLv("1/2，1/3，1/4，()", 1), "1/2，1/3，1/4，(1/5)");
    // The general term over a common denominator, and by name for the triangular numbers.
    EXPECT_NE(solver.ZhaoGuiLv("1，3，6，10，()", 5).find("第n个数是 n(n＋1)/2"), std::string::npos);
    EXPECT_NE(solver.ZhaoGuiLv("1，2，4，7，11，()", 5).find("第n个数是 (n^2－n＋2)/2"), std::string::npos);
    EXPECT_NE(solver.ZhaoGuiLv("1，a，3", 1).find("请写出一列数"), std::string::npos);
}
