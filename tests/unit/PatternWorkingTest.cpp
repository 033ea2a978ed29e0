// 根据要求找规律 on random lists of the rules a pupil meets, checked line by line: every equality
// the working writes holds exactly, the blank is the rule's number in lowest terms, and the
// evidence of a rule cites only numbers the pupil typed.
#include "algebra/ExactNumber.h"
#include "marking/ExactExpression.h"
#include "solver/ExpressionText.h"
#include "solver/GbkText.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

using namespace qimbel;

namespace {

bool IsFormulaPart(const std::string &text, int i, int &size)
{
    const char c = text[static_cast<std::size_t>(i)];
    size = CharSize(text, i);
    if (size == 1)
        return (c >= '0' && c <= '9') || c == '.' || c == '/' || c == '^' || c == '(' || c == ')';
    const std::string sign = Mid(text, i, size);
    return sign == "＋" || sign == "－" || sign == "×" || sign == "÷" || sign == "＝";
}

// The runs of formula characters that hold a "＝", cut at it: 17＋16＝33 gives {17＋16, 33}.
std::vector<std::vector<std::string>> Equalities(const std::string &line)
{
    std::vector<std::vector<std::string>> found;
    for (int i = 0; i < Len(line);) {
        int size = 0;
        if (!IsFormulaPart(line, i, size)) {
            i += size;
            continue;
        }
        int end = i;
        while (end < Len(line) && IsFormulaPart(line, end, size))
            end += size;
        const std::string run = Mid(line, i, end - i);
        i = end;
        if (!Contains(run, "＝"))
            continue;
        std::vector<std::string> pieces;
        for (int from = 0;;) {
            const int at = Find(run, "＝", from);
            pieces.push_back(Mid(run, from, (at < 0 ? Len(run) : at) - from));
            if (at < 0)
                break;
            from = at + 2;
        }
        bool numbers = true;
        for (const std::string &piece : pieces)
            numbers = numbers && piece.find_first_of("0123456789") != std::string::npos;
        if (numbers)
            found.push_back(pieces);
    }
    return found;
}

std::optional<fractions::Fraction> ValueOf(const std::string &text)
{
    const ReadExpression read = ReadPupilExpression(text, true);
    return read.tree ? ExactValueOf(*read.tree) : std::nullopt;
}

std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    for (int from = 0; from < Len(text);) {
        int at = Find(text, "\r\n", from);
        if (at < 0)
            at = Len(text);
        lines.push_back(Mid(text, from, at - from));
        from = at + 2;
    }
    return lines;
}

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
        for (const std::string &text : lines)
            for (const std::vector<std::string> &pieces : Equalities(text)) {
                const std::optional<fractions::Fraction> first = ValueOf(pieces[0]);
                ASSERT_TRUE(first) << text;
                for (std::size_t k = 1; k < pieces.size(); ++k) {
                    const std::optional<fractions::Fraction> other = ValueOf(pieces[k]);
                    ASSERT_TRUE(other) << text;
                    EXPECT_EQ(SameValue(*first, *other), std::optional<bool>(true)) << family.name << ": " << text;
                }
                // The rule is shown on the numbers typed: the blank's number never starts an
                // equality of the first step.
                if (family.distinct && &text == &lines.front()) {
                    EXPECT_NE(pieces[0], answer) << family.name << ": " << text;
                }
            }
    }
}
