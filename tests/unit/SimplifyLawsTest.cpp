// 简便运算: one property per law of the primary textbooks, over random problems of the law's shape.
// The working must name the law, and every line of it, read back exactly by the test's own
// reader, must equal the typed line. Whole worked texts are in tests/golden/simplify/.
#include "algebra/ExactNumber.h"
#include "solver/Solver.h"

#include "LineCursor.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

using namespace qimbel;

namespace {

const std::string kIs = "＝";

// ＋ － × ÷ and round brackets over whole numbers, decimals and fractions a/b, in the usual order.
class Reader : public tests::LineCursor {
public:
    using LineCursor::LineCursor;

    std::optional<Rational> Read()
    {
        std::optional<Rational> v = Sum();
        return v && AtEnd() ? v : std::nullopt;
    }

private:
    std::optional<Rational> Sum()
    {
        std::optional<Rational> v = Product();
        for (;;) {
            if (!v)
                return std::nullopt;
            if (Take("＋")) {
                const std::optional<Rational> b = Product();
                v = b ? RationalSum(*v, *b) : std::nullopt;
            } else if (Take("－")) {
                const std::optional<Rational> b = Product();
                v = b ? RationalSum(*v, Rational {-b->numerator, b->denominator}) : std::nullopt;
            } else {
                return v;
            }
        }
    }

    std::optional<Rational> Product()
    {
        std::optional<Rational> v = Primary();
        for (;;) {
            if (!v)
                return std::nullopt;
            if (Take("×")) {
                const std::optional<Rational> b = Primary();
                v = b ? RationalProduct(*v, *b) : std::nullopt;
            } else if (Take("÷")) {
                const std::optional<Rational> b = Primary();
                v = b ? RationalQuotient(*v, *b) : std::nullopt;
            } else {
                return v;
            }
        }
    }

    std::optional<Rational> Primary()
    {
        if (Take("(")) {
            std::optional<Rational> v = Sum();
            return v && Take(")") ? v : std::nullopt;
        }
        const std::size_t start = at_;
        while (at_ < s_.size() && ((s_[at_] >= '0' && s_[at_] <= '9') || s_[at_] == '.' || s_[at_] == '/'))
            ++at_;
        const std::optional<NumberValue> n = ReadNumber(s_.substr(start, at_ - start));
        return n ? ExactValue(*n) : std::nullopt;
    }
};

std::optional<Rational> ValueOf(const std::string &text) { return Reader(text).Read(); }

bool Equal(const Rational &a, const Rational &b)
{
    return a.numerator == b.numerator && a.denominator == b.denominator;
}

std::string S(long long v) { return std::to_string(v); }

// n/10^places as a decimal text: D(48, 1) is 4.8.
std::string D(long long n, int places)
{
    std::string digits = std::to_string(n);
    while (static_cast<int>(digits.size()) <= places)
        digits.insert(0, "0");
    std::string text = digits.substr(0, digits.size() - places) + "." + digits.substr(digits.size() - places);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

struct Law {
    const char *name; // words the working must hold
    std::function<std::string(std::mt19937 &)> problem;
};

int Draw(std::mt19937 &r, int low, int high) { return std::uniform_int_distribution<int>(low, high)(r); }

} // namespace

TEST(JianBianYunSuan, EachLawKeepsEveryLineOfItsWorking)
{
    const std::vector<Law> laws = {
        {"加法交换律和加法结合律",
            [](std::mt19937 &r) {
                const int a = Draw(r, 11, 89), b = Draw(r, 11, 89);
                return S(a) + "＋" + S(b) + "＋" + S(100 - a);
            }},
        {"减法的性质，先算括号里的数",
            [](std::mt19937 &r) {
                const int b = Draw(r, 11, 89);
                return S(Draw(r, 2, 9) * 100 + Draw(r, 1, 99)) + "－" + S(b) + "－" + S(100 - b);
            }},
        {"减法的性质：a－(b＋c)＝a－b－c",
            [](std::mt19937 &r) {
                const int b = Draw(r, 11, 99), hundreds = Draw(r, 2, 9);
                return S(hundreds * 100 + b) + "－(" + S(b) + "＋" + S(Draw(r, 1, 99)) + ")";
            }},
        {"减法的性质：a－(b－c)＝a－b＋c",
            [](std::mt19937 &r) {
                const int b = Draw(r, 11, 99), c = Draw(r, 1, 9);
                return D(Draw(r, 2, 9) * 100 + b, 1) + "－(" + D(b, 1) + "－" + D(c, 1) + ")";
            }},
        {"多减要加",
            [](std::mt19937 &r) { return S(Draw(r, 300, 999)) + "－" + S(Draw(r, 1, 2) * 100 - Draw(r, 1, 4)); }},
        {"多加要减",
            [](std::mt19937 &r) {
                return S(Draw(r, 1, 9) * 100 + Draw(r, 1, 99)) + "＋" + S(Draw(r, 1, 5) * 100 - Draw(r, 1, 4));
            }},
        {"乘法交换律和乘法结合律",
            [](std::mt19937 &r) {
                const bool eight = Draw(r, 0, 1) == 1;
                return std::string(eight ? "125" : "25") + "×" + S(Draw(r, 11, 99)) + "×" + (eight ? "8" : "4");
            }},
        {"除法的性质", [](std::mt19937 &r) { return S(Draw(r, 2, 99) * 100) + "÷25÷4"; }},
        {"带着符号搬家",
            [](std::mt19937 &r) {
                const int a = Draw(r, 12, 99);
                return S(a) + "×" + S(Draw(r, 2, 9)) + "÷" + S(a) + "×" + S(Draw(r, 2, 9));
            }},
        {"运用乘法分配律：(a",
            [](std::mt19937 &r) {
                const int near = Draw(r, 1, 9) * 100 + (Draw(r, 0, 1) ? Draw(r, 1, 3) : -Draw(r, 1, 3));
                return S(near) + "×" + S(Draw(r, 11, 99));
            }},
        {"乘法分配律（反过来用）",
            [](std::mt19937 &r) {
                const int a = Draw(r, 11, 89), k = Draw(r, 11, 99);
                return S(a) + "×" + S(k) + "＋" + S(100 - a) + "×" + S(k);
            }},
        {"乘法分配律：(a＋b)×c＝a×c＋b×c",
            [](std::mt19937 &r) {
                // Fractions whose products with c are whole: (1/4＋1/6)×12.
                const int p = Draw(r, 2, 3), q = Draw(r, 4, 6);
                return "(1/" + S(p) + "＋1/" + S(q) + ")×" + S(p * q * Draw(r, 1, 3));
            }},
        {"拆数，把",
            [](std::mt19937 &r) {
                // 25×44, 125×88, 1.25×4.8 (4.8＝0.6×8)
                switch (Draw(r, 0, 2)) {
                case 0:
                    return "25×" + S(4 * Draw(r, 3, 24));
                case 1:
                    return "125×" + S(8 * Draw(r, 3, 12));
                default: {
                    const int odd[] = {1, 3, 7, 9}; // 0.8, 2.4, 5.6, 7.2: never whole
                    return D(8 * odd[Draw(r, 0, 3)], 1) + "×1.25";
                }
                }
            }},
        {"拆数，把1999", [](std::mt19937 &) { return std::string("999×999＋1999"); }},
    };
    Solver solver;
    std::mt19937 random(611);
    for (const Law &law : laws) {
        for (int round = 0; round < 60; ++round) {
            const std::string line = law.problem(random);
            const std::optional<Rational> expected = ValueOf(line);
            ASSERT_TRUE(expected) << line;
            EXPECT_NE(solver.JianBianYunSuan(line, 5).find(law.name), std::string::npos)
                << law.name << ": " << line << "\n"
                << solver.JianBianYunSuan(line, 5);
            const std::string worked = solver.JianBianYunSuan(line, 4);
            std::size_t start = worked.find("\r\n");
            ASSERT_NE(start, std::string::npos) << line;
            while (start != std::string::npos) {
                const std::size_t end = worked.find("\r\n", start + 2);
                const std::string text = worked.substr(start + 2, end == std::string::npos ? end : end - start - 2);
                start = end;
                if (text.rfind(kIs, 0) != 0)
                    continue;
                const std::optional<Rational> got = ValueOf(text.substr(kIs.size()));
                ASSERT_TRUE(got) << line << ": cannot read " << text;
                EXPECT_TRUE(Equal(*got, *expected)) << law.name << ": " << line << " then " << text;
            }
        }
    }
}

// A law is named only where it makes the work easier; a line that is no calculation is refused
// in a sentence; an input method's digits are read.
TEST(JianBianYunSuan, NamesALawOnlyWhereItHelps)
{
    Solver solver;
    const struct {
        const char *line;
        const char *holds; // in the level-5 working
        const char *lacks; // never in it
        const char *answer; // level 1
    } cases[] = {
        {"1200÷25×4", "没有能简便计算的地方", "律", "192"},
        {"125×8÷125×8", "(125÷125)×8×8", "1000", "64"},
        {"38＋62＋45", "没有能简便计算的地方", "律", "145"},
        {"4.8×1.25", "拆数，把4.8拆成0.6×8", "没有能简便", "6"},
        {"1.25×0.32×2.5", "(1.25×0.8)×(0.4×2.5)", "没有能简便", "1"},
        {"456－198", "456－200＋2", "没有能简便", "258"},
        {"325＋98", "325＋100－2", "没有能简便", "423"},
        {"532－(32＋70)", "532－32－70", "没有能简便", "430"},
        {"4.6－(1.6＋0.75)", "4.6－1.6－0.75", "没有能简便", "2.25"},
        {"14.5－(4.5－3.2)", "14.5－4.5＋3.2", "没有能简便", "13.2"},
        {"１２５×８８", "125×8×11", "没有能简便", "11000"},
        {"1/8＋3/4＋7/8", "3×2/4×2", "*", "7/4"},
        {"25×4×", "式子不完整", "＝", "式子不完整，缺少参与计算的数。"},
        {"abc", "没有找到可以计算的数", "＝", "没有找到可以计算的数。"},
    };
    for (const auto &c : cases) {
        const std::string worked = solver.JianBianYunSuan(c.line, 5);
        EXPECT_NE(worked.find(c.holds), std::string::npos) << c.line << "\n" << worked;
        EXPECT_EQ(worked.find(c.lacks), std::string::npos) << c.line << "\n" << worked;
        EXPECT_EQ(solver.JianBianYunSuan(c.line, 1), c.answer) << c.line;
    }
    // A sign after an operator or a bracket belongs to its number; a bracket or line that ends on
    // an operator is refused.
    for (const char *line : {"5×(－3)", "－5＋3", "2×－4"})
        EXPECT_EQ(solver.JianBianYunSuan(line, 1), solver.HunHeYunSuan(line, 1)) << line;
    for (const char *line : {"(5＋)×2", "×5", "5×－"})
        EXPECT_EQ(solver.JianBianYunSuan(line, 1), solver.MeiYouGuoCheng(line, 11)) << line;
}
