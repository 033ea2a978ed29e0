// 根据要求找规律 on random lists of the rules a pupil meets, checked line by line: every equality
// the working writes holds exactly, the blank is the rule's number in lowest terms, and the
// evidence of a rule cites only numbers the pupil typed.
#include "WorkingEqualities.h"
#include "algebra/ExactNumber.h"
#include "marking/ExactExpression.h"
#include "solver/ExpressionText.h"
#include "solver/GbkText.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

using namespace qimbel;
using namespace qimbel::workingtest;

namespace {

struct Family {
    const char *name;
    std::function<Rational(int n, int a, int b)> rule; // term n (from 1) for the parameters
    bool reducedTyping = false; // known fractions typed in lowest terms
    bool distinct = true; // the numbers differ, so the blank's number is never typed
};

} // namespace

TEST(PatternWorking, EveryEqualityOfTheWorkingHoldsAndTheBlankIsTheRulesNumber)
{
    const Family families[] = {
        {"n^2＋a",
            [](int n, int a, int) {
                return Rational {n * n + a, 1};
            }},
        {"n^3",
            [](int n, int, int) {
                return Rational {n * n * n, 1};
            }},
        {"×2, ×3, ×4",
            [](int n, int a, int) {
                Whole v = a;
                for (int k = 2; k <= n; ++k)
                    v *= k;
                return Rational {v, 1};
            }},
        {"×b, ×(b＋1)",
            [](int n, int a, int b) {
                Whole v = a;
                for (int k = 2; k <= n; ++k)
                    v *= b + k - 2;
                return Rational {v, 1};
            }},
        {"differences times b",
            [](int n, int a, int b) {
                Whole v = a;
                Whole d = 1 + a % 3;
                for (int k = 2; k <= n; ++k, d *= b)
                    v += d;
                return Rational {v, 1};
            }},
        {"÷b",
            [](int n, int a, int b) {
                Whole v = a;
                for (int k = 1; k <= 6; ++k)
                    v *= b;
                for (int k = 2; k <= n; ++k)
                    v /= b;
                return Rational {v, 1};
            }},
        {"a/(n＋b)",
            [](int n, int a, int b) {
                const Whole g = WholeGcd(a, n + b);
                return Rational {a / g, (n + b) / g};
            },
            true, false},
        {"n/(n＋b)",
            [](int n, int, int b) {
                const Whole g = WholeGcd(n, n + b);
                return Rational {n / g, (n + b) / g};
            },
            true},
    };
    Solver solver;
    std::mt19937 random(9);
    for (int round = 0; round < 320; ++round) {
        const Family &family = families[round % std::size(families)];
        const int a = static_cast<int>(random() % 5) + 1;
        const int b = static_cast<int>(random() % 3) + 2;
        const int length = 6;
        const int blank = static_cast<int>(random() % length);
        std::string line;
        for (int n = 1; n <= length; ++n) {
            const Rational v = family.rule(n, a, b);
            line += (n == 1 ? "" : "，")
                + (n - 1 == blank ? std::string("()") : FractionText(v.numerator, v.denominator));
        }
        const Rational expected = family.rule(blank + 1, a, b);
        const std::string answer = FractionText(expected.numerator, expected.denominator);
        const std::string working = solver.ZhaoGuiLv(line, 5);
        const std::vector<std::string> lines = Lines(working);
        ASSERT_GE(lines.size(), 2u) << family.name << ": " << line << "\n" << working;
        EXPECT_TRUE(Contains(lines.back(), "(" + answer + ")")) << family.name << ": " << line << "\n" << working;
        for (const std::string &text : lines) {
            EXPECT_EQ(BrokenEquality(text), "") << family.name << ": " << text;
            // The rule is shown on the numbers typed: the blank's number never starts an
            // equality of the first step.
            if (family.distinct && &text == &lines.front()) {
                for (const std::vector<std::string> &pieces : Equalities(text)) {
                    EXPECT_NE(pieces[0], answer) << family.name << ": " << text;
                }
            }
        }
    }
}

// 有余数的除法 and percentages on 算式计算与填空: the filled numbers make the line true (被除数＝商×除数
// ＋余数, the remainder smaller than the divisor), and every equality of the working holds.
TEST(FillInWorking, RemaindersAndPercentagesAreFilledAndEveryEqualityHolds)
{
    Solver solver;
    std::mt19937 random(32);
    for (int round = 0; round < 300; ++round) {
        const int divisor = static_cast<int>(random() % 12) + 2;
        const int quotient = static_cast<int>(random() % 30) + 1;
        const int remainder = static_cast<int>(random() % static_cast<unsigned>(divisor));
        const int dividend = quotient * divisor + remainder;
        const int numbers[4] = {dividend, divisor, quotient, remainder};
        const int blank = round % 5; // 4: the quotient and the remainder both asked for
        std::string line;
        for (int k = 0; k < 4; ++k) {
            const bool asked = k == blank || (blank == 4 && k >= 2);
            line += (asked ? std::string("()") : std::to_string(numbers[k]))
                + (k == 0        ? "÷"
                        : k == 1 ? "＝"
                        : k == 2 ? "……"
                                 : "");
        }
        const std::string working = solver.SuanShiTianKong(line, 5);
        const std::string expected = "所以 " + std::to_string(dividend) + "÷" + std::to_string(divisor) + "＝"
            + std::to_string(quotient) + "……" + std::to_string(remainder);
        std::string last = Lines(working).back();
        std::string plain;
        for (char c : last)
            if (c != '(' && c != ')')
                plain += c;
        EXPECT_EQ(plain, expected) << line << "\n" << working;
        for (const std::string &text : Lines(working))
            EXPECT_EQ(BrokenEquality(text), "") << line;
    }
    // A percentage: ()×p%＝q is q÷p%, exactly.
    for (int round = 0; round < 100; ++round) {
        const int percent = static_cast<int>(random() % 99) + 1;
        const int whole = static_cast<int>(random() % 500) + 1;
        const std::string line = "()×" + std::to_string(percent) + "%＝" + std::to_string(whole);
        const std::string working = solver.SuanShiTianKong(line, 5);
        for (const std::string &text : Lines(working))
            EXPECT_EQ(BrokenEquality(text), "") << line;
        EXPECT_TRUE(Contains(working, "对了")) << line << "\n" << working;
    }
}
