// 批改 against Qimbel's own working: for random problems of the expression types, the step lines
// that the type's routine writes are all marked right, and the same working with one step changed
// (one digit, so that its exact value changes) is wrong exactly at that step and at the step
// after it, which is compared with the changed one; every other step stays right. Whether a
// change alters the value is decided by the fraction reader of 分式四则运算, not by the marker.
#include "algebra/FractionAlgebra.h"
#include "marking/ExpressionMarking.h"
#include "solver/ExpressionText.h"
#include "solver/GbkText.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace qimbel;

namespace {

using Random = std::mt19937;

int Pick(Random &r, int low, int high) { return std::uniform_int_distribution<int>(low, high)(r); }

std::string Num(long long v) { return v < 0 ? "(－" + std::to_string(-v) + ")" : std::to_string(v); }

// Types 8 and 20: whole numbers (20 also negative ones, decimals and fractions), the four
// operations and brackets.
std::string NumberExpression(Random &r, int type, int depth)
{
    if (depth == 0 || Pick(r, 0, 3) == 0) {
        const int kind = type == 20 ? Pick(r, 0, 4) : Pick(r, 0, 3);
        if (kind == 3)
            return std::to_string(Pick(r, 1, 9)) + "." + std::to_string(Pick(r, 1, 9));
        if (kind == 4)
            return type == 20 && Pick(r, 0, 1) ? Num(-Pick(r, 1, 30))
                                               : std::to_string(Pick(r, 1, 8)) + "/" + std::to_string(Pick(r, 2, 9));
        return std::to_string(Pick(r, 1, 60));
    }
    static const char *const ops[] = {"＋", "－", "×", "÷"};
    const std::string left = NumberExpression(r, type, depth - 1);
    const std::string right = NumberExpression(r, type, depth - 1);
    const std::string op = ops[Pick(r, 0, 3)];
    const bool bracket = Pick(r, 0, 2) == 0;
    return bracket ? "(" + left + op + right + ")" : left + op + right;
}

std::string Binomial(Random &r, char letter)
{
    const int a = Pick(r, 1, 3);
    int b = Pick(r, -6, 6);
    if (b == 0)
        b = 1;
    return "(" + (a == 1 ? std::string() : std::to_string(a)) + letter + (b < 0 ? "－" : "＋")
        + std::to_string(std::abs(b)) + ")";
}

// Type 21: sums and differences of products of binomials, monomials and bracketed sums.
std::string PolynomialExpression(Random &r)
{
    std::string text;
    const int terms = Pick(r, 2, 3);
    for (int t = 0; t < terms; ++t) {
        const char letter = Pick(r, 0, 3) == 0 ? 'y' : 'x';
        std::string term;
        switch (Pick(r, 0, 3)) {
        case 0:
            term = Binomial(r, letter) + Binomial(r, letter);
            break;
        case 1:
            term = std::to_string(Pick(r, 2, 5)) + Binomial(r, letter);
            break;
        case 2:
            term = std::to_string(Pick(r, 1, 9)) + letter + "^2";
            break;
        default:
            term = Binomial(r, letter);
            break;
        }
        text += (t == 0 ? "" : Pick(r, 0, 1) ? "＋" : "－") + term;
    }
    return text;
}

// Type 22: a product of small factors multiplied out.
std::string FactorProblem(Random &r)
{
    using namespace fractions;
    Poly p = Constant(Rational {Pick(r, 1, 3), 1});
    if (Pick(r, 0, 2) == 0)
        p = Product(p, LetterPoly('x'));
    const int count = Pick(r, 2, 3);
    for (int k = 0; k < count; ++k) {
        int b = Pick(r, -5, 5);
        if (b == 0)
            b = 2;
        const char letter = Pick(r, 0, 4) == 0 ? 'y' : 'x';
        const Poly factor = Sum(Scaled(LetterPoly('x'), Rational {Pick(r, 1, 2), 1}),
            letter == 'x' ? Constant(Rational {b, 1}) : Scaled(LetterPoly('y'), Rational {b, 1}));
        p = Product(p, factor);
    }
    return PolyText(p);
}

// Type 23: two fractions with denominators of degree one, added, subtracted, multiplied or divided.
std::string FractionProblem(Random &r)
{
    const auto fraction = [&r] {
        const int a = Pick(r, 1, 5);
        int b = Pick(r, -4, 4);
        if (b == 0)
            b = 3;
        return std::to_string(a) + "/(x" + (b < 0 ? "－" : "＋") + std::to_string(std::abs(b)) + ")";
    };
    static const char *const ops[] = {"＋", "－", "×", "÷"};
    return fraction() + ops[Pick(r, 0, 3)] + fraction();
}

// The working of a problem as a pupil would copy it: the problem, then every "＝" line.
std::vector<std::string> OwnWorking(Solver &solver, int type, const std::string &problem)
{
    const std::string working = OwnWorkingOf(solver, type, problem);
    std::vector<std::string> lines {problem};
    std::size_t start = 0;
    for (;;) {
        const std::size_t p = working.find("\r\n", start);
        const std::string line = Trim(working.substr(start, p == std::string::npos ? std::string::npos : p - start));
        if (Left(line, 2) == "＝")
            lines.push_back(line);
        if (p == std::string::npos)
            return lines;
        start = p + 2;
    }
}

// The value of a line by the fraction reader; nothing when it cannot read it.
std::optional<fractions::Fraction> OracleValue(const std::string &line)
{
    const std::string text = Left(line, 2) == "＝" ? Mid(line, 2) : line;
    const std::optional<std::vector<fractions::Term>> terms = fractions::ReadSum(text);
    if (!terms)
        return std::nullopt;
    try {
        return fractions::SumValue(*terms);
    } catch (const fractions::TooLarge &) {
        return std::nullopt;
    }
}

bool OracleSame(const fractions::Fraction &a, const fractions::Fraction &b)
{
    try {
        using namespace fractions;
        return Difference(Product(a.num, b.den), Product(b.num, a.den)).empty();
    } catch (const fractions::TooLarge &) {
        return false;
    }
}

// Line k with one digit changed so that its value changes; nothing when no digit does.
std::optional<std::string> Corrupted(Random &r, const std::string &line)
{
    const std::optional<fractions::Fraction> right = OracleValue(line);
    if (!right)
        return std::nullopt;
    std::vector<int> digits;
    for (int i = 0; i < Len(line); i += CharSize(line, i))
        if (line[static_cast<std::size_t>(i)] >= '0' && line[static_cast<std::size_t>(i)] <= '9')
            digits.push_back(i);
    for (int attempt = 0; attempt < 8 && !digits.empty(); ++attempt) {
        std::string changed = line;
        const int at = digits[static_cast<std::size_t>(Pick(r, 0, static_cast<int>(digits.size()) - 1))];
        const char old = changed[static_cast<std::size_t>(at)];
        changed[static_cast<std::size_t>(at)] = static_cast<char>('0' + (old - '0' + Pick(r, 1, 8)) % 10);
        const std::optional<fractions::Fraction> value = OracleValue(changed);
        if (value && !OracleSame(*value, *right))
            return changed;
    }
    return std::nullopt;
}

std::string Marks(const MarkedProblem &marked)
{
    std::string out;
    for (const MarkedLine &line : marked.lines)
        out += line.mark == StepMark::Problem ? 'P'
            : line.mark == StepMark::Right    ? 'R'
            : line.mark == StepMark::Wrong    ? 'W'
                                              : 'U';
    return out;
}

} // namespace

TEST(MarkingProperty, OwnWorkingIsRightAndOneChangedStepIsWrongWhereItWasChanged)
{
    Solver solver;
    Random random(33);
    const int types[] = {8, 20, 21, 22, 23};
    int corrupted = 0;
    int worked = 0;
    for (int round = 0; round < 2000; ++round) {
        const int type = types[round % 5];
        std::string problem;
        if (type == 8 || type == 20)
            problem = NumberExpression(random, type, Pick(random, 1, 3));
        else if (type == 21)
            problem = PolynomialExpression(random);
        else if (type == 22)
            problem = FactorProblem(random);
        else
            problem = FractionProblem(random);
        const std::vector<std::string> lines = OwnWorking(solver, type, problem);
        if (lines.size() < 2 || !OracleValue(problem))
            continue; // a division by 0, a sentence instead of working
        ++worked;
        const MarkedProblem marked = MarkExpressionWorking(solver, type, lines);
        const std::string allRight = "P" + std::string(lines.size() - 1, 'R');
        ASSERT_EQ(Marks(marked), allRight) << "type " << type << ": " << problem;
        EXPECT_TRUE(marked.finished) << "type " << type << ": " << problem << " missing " << marked.missing;

        const std::size_t k = static_cast<std::size_t>(Pick(random, 1, static_cast<int>(lines.size()) - 1));
        const std::optional<std::string> changed = Corrupted(random, lines[k]);
        if (!changed)
            continue;
        ++corrupted;
        std::vector<std::string> wrong = lines;
        wrong[k] = *changed;
        std::string expected = allRight;
        expected[k] = 'W';
        if (k + 1 < lines.size())
            expected[k + 1] = 'W';
        EXPECT_EQ(Marks(MarkExpressionWorking(solver, type, wrong)), expected)
            << "type " << type << ": " << problem << " step " << k << " " << *changed;
    }
    // Most problems have working, and most of their steps a digit that matters.
    EXPECT_GT(worked, 1600);
    EXPECT_GT(corrupted, 1200);
}

// Problems typed as a pupil types them, with ASCII signs and blanks: Qimbel's own working of
// them has no wrong step. Factors side by side with a bracket after a division, and fraction bars
// one after another (1/2/4), have two readings and are not marked at all; a divisor that is one
// monomial is.
TEST(MarkingProperty, OwnWorkingOfOddlyTypedProblemsHasNoWrongStep)
{
    Solver solver;
    struct Row {
        int type;
        const char *problem;
        const char *marks; // as Marks gives them; "" when the problem is refused
        const char *refused; // the reason on the problem line
    };
    const Row rows[] = {
        {21, "0(+1)", "PRR", ""},
        {21, "(1 )-3ab", "PR", ""},
        {20, "1/2(3)", "PRR", ""},
        {21, "12a^3b^2÷3ab", "PR", ""},
        // A sum before a division by 1 keeps its brackets when the quotient becomes a product.
        {23, "12(x-1)/1/(x+1)", "PRRR", ""},
        {20, "3401/9/8804401/2(9)9/8804401/25", "", "分数线连着写，有两种读法，请写出除号或添上括号"},
        {8, "12/112/4+4+6", "", "分数线连着写，有两种读法，请写出除号或添上括号"},
        {20, "3401/9÷8804401/2(9)9", "", "除号后面省略了乘号，有两种读法，请写出乘号或添上括号"},
        {8, "6÷2(1+2)", "", "除号后面省略了乘号，有两种读法，请写出乘号或添上括号"},
        {21, "6a÷2a(1+2)", "", "除号后面省略了乘号，有两种读法，请写出乘号或添上括号"},
        {21, "a÷(a+1)^2(a-1)", "", "除号后面省略了乘号，有两种读法，请写出乘号或添上括号"},
    };
    for (const Row &row : rows) {
        const std::vector<std::string> lines = OwnWorking(solver, row.type, row.problem);
        const MarkedProblem marked = MarkExpressionWorking(solver, row.type, lines);
        if (*row.marks != '\0') {
            EXPECT_EQ(Marks(marked), row.marks) << row.problem;
        } else {
            EXPECT_EQ(Marks(marked), std::string(lines.size(), 'P')) << row.problem;
            EXPECT_EQ(marked.lines[0].reason, row.refused) << row.problem;
        }
    }
}

// Any typed text: marking ends, echoes every line once, and never crashes, whatever the lines
// hold (odd signs, huge numbers and powers, deep brackets, lines beyond the limits).
TEST(MarkingProperty, AnyTextIsMarkedWithoutHarm)
{
    Solver solver;
    Random random(4);
    static const char *const pieces[] = {"1", "9", "0", "x", "y", "＋", "－", "×", "÷", "/", "(", ")", "[", "]", "^",
        "^(", ".", "%", "＝", "=", " ", "字", "√", "99999999999999999999", "0.0000001", "(x＋y＋z)", "^64", "÷0"};
    const std::vector<std::string> fixed = {"(x＋y＋z＋w)^64", "2^64^64", std::string(2000, '('),
        "＝" + std::string(3000, '1'), "(a＋b＋c＋d＋e＋f＋g＋h)^16×(a－b)^16", "1÷(1－1)", "＝＝＝", "×", "x^0"};
    for (int round = 0; round < 400; ++round) {
        std::vector<std::string> lines;
        const int count = Pick(random, 1, 6);
        for (int k = 0; k < count; ++k) {
            std::string line = k > 0 && Pick(random, 0, 3) != 0 ? "＝" : "";
            if (Pick(random, 0, 9) == 0) {
                line += fixed[static_cast<std::size_t>(Pick(random, 0, static_cast<int>(fixed.size()) - 1))];
            } else {
                const int length = Pick(random, 0, 14);
                for (int p = 0; p < length; ++p)
                    line += pieces[Pick(random, 0, static_cast<int>(std::size(pieces)) - 1)];
            }
            lines.push_back(line);
        }
        for (int type : {8, 20, 21, 22, 23}) {
            const MarkedProblem marked = MarkExpressionWorking(solver, type, lines);
            ASSERT_EQ(marked.lines.size(), lines.size());
            for (std::size_t k = 0; k < lines.size(); ++k)
                EXPECT_EQ(marked.lines[k].typed, lines[k]);
        }
    }
}
