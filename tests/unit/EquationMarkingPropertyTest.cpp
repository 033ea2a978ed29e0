// Marking proved on random workings: for 2,000 random problems of the equation types, Qimbel's
// own working (the linear solver's column at level 4, or a correct working built here for
// quadratics, fractional equations and systems) is marked √ at every step; the same working with
// one step corrupted is × exactly there. Every step is compared with its own predecessor, so the
// step after the corrupted one is × as well and the steps after that are √ again (a 检验 line is
// judged against the problem, and a system keeps the pair of equations it has been given).
#include "algebra/FractionAlgebra.h"
#include "marking/EquationLine.h"
#include "marking/EquationMarking.h"
#include "marking/EquationMoves.h"
#include "marking/EquationReading.h"
#include "solver/GbkText.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

using namespace qimbel;
using namespace qimbel::fractions;
using namespace qimbel::marking;

namespace {

std::string N(long long v) { return v < 0 ? "－" + std::to_string(-v) : std::to_string(v); }
std::string Signed(long long v) { return v < 0 ? "－" + std::to_string(-v) : "＋" + std::to_string(v); }
// k·x written as a pupil writes it: x, －x, 3x.
std::string Times(long long k, const std::string &x) { return k == 1 ? x : k == -1 ? "－" + x : N(k) + x; }
Rational R(long long n, long long d = 1) { return *MakeRational(n, d); }
long long NonZero(std::uniform_int_distribution<int> &d, std::mt19937 &random)
{
    long long v = 0;
    while (v == 0)
        v = d(random);
    return v;
}

struct Working {
    int type = 25;
    std::vector<std::string> lines; // the problem, then the steps
    std::vector<bool> check; // lines[k] is a 检验 line
    bool system = false;
};

std::vector<std::string> ColumnLines(const std::string &worked)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < worked.size()) {
        std::size_t end = worked.find("\r\n", start);
        if (end == std::string::npos)
            end = worked.size();
        const std::string line = Trim(worked.substr(start, end - start));
        if (!line.empty())
            lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

// (L − R) of a line at x, exactly; nothing when it cannot be evaluated there.
std::optional<Rational> DifferenceAt(const std::string &line, const Rational &x)
{
    for (const char *symbol : {"＝", "＞", "＜", "≥", "≤"}) {
        const int at = Find(line, symbol);
        if (at < 0)
            continue;
        const std::optional<std::vector<Term>> l = ReadSum(Left(line, at));
        const std::optional<std::vector<Term>> r = ReadSum(Mid(line, at + 2));
        if (!l || !r)
            return std::nullopt;
        const std::optional<Fraction> lv = SumValue(*l);
        const std::optional<Fraction> rv = SumValue(*r);
        if (!lv || !rv)
            return std::nullopt;
        const Rational ld = ConstantOf(Substituted(lv->den, 'x', x));
        const Rational rd = ConstantOf(Substituted(rv->den, 'x', x));
        if (ld.numerator == 0 || rd.numerator == 0)
            return std::nullopt;
        return Plus(Over(ConstantOf(Substituted(lv->num, 'x', x)), ld),
            Negated(Over(ConstantOf(Substituted(rv->num, 'x', x)), rd)));
    }
    return std::nullopt;
}

// A linear equation or inequality, worked by Qimbel's own solver.
Working Linear(Solver &solver, std::mt19937 &random, int type)
{
    std::uniform_int_distribution<int> d(-9, 9);
    long long a = 0, c = 0;
    while (a == c || a == 0) {
        a = d(random);
        c = d(random);
    }
    const long long b = d(random), e = d(random);
    const char *symbols[] = {"＞", "＜", "≥", "≤"};
    const std::string symbol = type == 30 ? symbols[random() % 4] : "＝";
    // Sometimes a bracket: k(x＋m).
    std::string left = Times(a, "x") + Signed(b);
    if (random() % 3 == 0 && b != 0)
        left = N(a) + "(x" + Signed(b) + ")";
    const std::string problem = left + symbol + (c == 0 ? N(e) : Times(c, "x") + Signed(e));
    Working w;
    w.type = type;
    w.lines = ColumnLines(solver.YiCiDengShi(problem, "x", 4));
    w.check.assign(w.lines.size(), false);
    return w;
}

// a(x − r)(x − s) ＝ 0 by factorising, x^2 ＋ 2px ＋ q ＝ 0 by completing the square, or
// ax^2 ＋ bx ＋ c ＝ 0 by the formula (its lines of a, b, c and of △ are judged like 检验 lines:
// against the equation before them, which the next step is still compared with).
Working Quadratic(std::mt19937 &random)
{
    std::uniform_int_distribution<int> d(-6, 6);
    Working w;
    w.type = 27;
    if (random() % 3 == 0) {
        const long long a = NonZero(d, random), b = d(random), c = d(random);
        const long long disc = b * b - 4 * a * c;
        const std::string abc = "a＝" + N(a) + "，b＝" + N(b) + "，c＝" + N(c);
        const Poly p = Sum(Sum(Scaled(Product(LetterPoly('x'), LetterPoly('x')), R(a)), Scaled(LetterPoly('x'), R(b))),
            Constant(R(c)));
        if (disc < 0) {
            w.lines = {PolyText(p) + "＝0", abc, "△＝b^2－4ac＝" + N(disc) + "＜0", "方程没有实数根"};
        } else {
            const std::string root = "(" + N(-b) + "±√" + N(disc) + ")/" + (a < 0 ? "(" + N(2 * a) + ")" : N(2 * a));
            w.lines = {PolyText(p) + "＝0", abc, "△＝b^2－4ac＝" + N(disc), "x＝(－b±√△)/(2a)＝" + root};
        }
        w.check = {false, true, true, false};
        return w;
    }
    if (random() % 2 == 0) {
        const long long a = NonZero(d, random);
        const long long r = d(random), s = d(random);
        Poly p = Scaled(
            Product(Difference(LetterPoly('x'), Constant(R(r))), Difference(LetterPoly('x'), Constant(R(s)))), R(a));
        w.lines = {PolyText(p) + "＝0",
            (a == 1           ? ""
                    : a == -1 ? "－"
                              : N(a))
                + "(x" + Signed(-r) + ")(x" + Signed(-s) + ")＝0",
            "x" + Signed(-r) + "＝0或x" + Signed(-s) + "＝0",
            r == s ? "x1＝x2＝" + N(r) : "x1＝" + N(r) + "，x2＝" + N(s)};
    } else {
        const long long p = d(random);
        long long k = 0;
        while (k < 2 || (k == 4 || k == 9))
            k = random() % 12;
        const long long q = p * p - k; // (x＋p)^2 ＝ k, k not a square
        w.lines = {"x^2" + (p == 0 ? std::string() : Signed(2 * p) + "x") + Signed(q) + "＝0",
            "x^2" + (p == 0 ? std::string() : Signed(2 * p) + "x") + "＝" + N(-q), "(x" + Signed(p) + ")^2＝" + N(k),
            "x" + Signed(p) + "＝±√" + N(k), "x＝" + N(-p) + "±√" + N(k)};
    }
    w.check.assign(w.lines.size(), false);
    return w;
}

// a/(x − p) ＝ b/(x − q) with the root x0, or 1/(x − p) ＝ 2p/(x^2 − p^2), whose root p is 增根.
Working Fractional(std::mt19937 &random)
{
    std::uniform_int_distribution<int> d(-6, 6);
    Working w;
    w.type = 29;
    if (random() % 4 == 0) {
        const long long p = NonZero(d, random);
        w.lines = {"1/(x" + Signed(-p) + ")＝" + N(2 * p) + "/(x^2" + Signed(-p * p) + ")",
            "x" + Signed(p) + "＝" + N(2 * p), "x＝" + N(p),
            "检验：当x＝" + N(p) + "时，(x" + Signed(p) + ")(x" + Signed(-p) + ")＝0",
            "所以x＝" + N(p) + "是增根，原方程无解"};
        w.check = {false, false, false, true, true};
        return w;
    }
    long long x0 = 0, p = 0, q = 0, t = 0;
    while (p == q || x0 == p || x0 == q || t == 0) {
        x0 = d(random);
        p = d(random);
        q = d(random);
        t = d(random);
    }
    const long long a = (x0 - p) * t, b = (x0 - q) * t;
    w.lines = {N(a) + "/(x" + Signed(-p) + ")＝" + N(b) + "/(x" + Signed(-q) + ")",
        N(a) + "(x" + Signed(-q) + ")＝" + N(b) + "(x" + Signed(-p) + ")",
        Times(a, "x") + Signed(-a * q) + "＝" + Times(b, "x") + Signed(-b * p),
        Times(a - b, "x") + "＝" + N(a * q - b * p), "x＝" + N(x0),
        "检验：当x＝" + N(x0) + "时，(x" + Signed(-p) + ")(x" + Signed(-q) + ")≠0", "所以x＝" + N(x0) + "是原方程的解"};
    // The last line names no 检验: it is the answer, read as x＝x0.
    w.check = {false, false, false, false, false, true, false};
    return w;
}

// a1x＋b1y＝c1, a2x＋b2y＝c2 by elimination, then back-substitution.
Working System(std::mt19937 &random)
{
    std::uniform_int_distribution<int> d(-5, 5);
    long long a1 = 0, b1 = 0, a2 = 0, b2 = 0;
    while (a1 * b2 - a2 * b1 == 0 || b1 == 0) {
        a1 = d(random);
        b1 = d(random);
        a2 = d(random);
        b2 = d(random);
    }
    const long long x0 = d(random), y0 = d(random);
    const long long c1 = a1 * x0 + b1 * y0, c2 = a2 * x0 + b2 * y0;
    const auto side = [](long long a, long long b) {
        if (a == 0)
            return Times(b, "y");
        return Times(a, "x") + (b == 0 ? std::string() : b < 0 ? "－" + Times(-b, "y") : "＋" + Times(b, "y"));
    };
    const long long det = a1 * b2 - a2 * b1;
    Working w;
    w.type = 26;
    w.system = true;
    w.lines = {side(a1, b1) + "＝" + N(c1), side(a2, b2) + "＝" + N(c2), Times(det, "x") + "＝" + N(c1 * b2 - c2 * b1),
        "x＝" + N(x0), Times(b1, "y") + "＝" + N(c1 - a1 * x0), "y＝" + N(y0), "x＝" + N(x0) + "，y＝" + N(y0)};
    w.check.assign(w.lines.size(), false);
    return w;
}

// The line with its right side (after the last relation symbol) one more: never the same
// solutions for a line whose unknown does not drop out.
std::string OneMore(const std::string &line)
{
    int at = -1;
    for (const char *symbol : {"＝", "＞", "＜", "≥", "≤"})
        at = std::max(at, ReverseFind(line, symbol));
    // 所以x＝4是原方程的解: the words stay behind the number.
    const int words = Find(line, "是");
    if (words > at)
        return Left(line, at + 2) + "(" + Mid(line, at + 2, words - at - 2) + ")＋1" + Mid(line, words);
    const std::string right = Mid(line, at + 2);
    if (Contains(right, "或") || Contains(right, "，") || Contains(right, "±"))
        return "";
    return Left(line, at + 2) + "(" + (right.empty() ? std::string("0") : right) + ")＋1";
}

// A corrupted copy of step k, or empty when none is sure to change its solutions.
std::string Corrupted(const Working &w, std::size_t k, std::mt19937 &random, const std::optional<Rational> &root)
{
    const std::string &line = w.lines[k];
    if (Left(line, 2) == "a")
        return line + "＋1"; // c one more
    if (Left(line, 2) == "△") {
        const int at = ReverseFind(line, "＝") + 2;
        const int end = Contains(line, "＜0") ? Find(line, "＜0") : Len(line);
        return Left(line, at) + "(" + Mid(line, at, end - at) + ")＋1";
    }
    if (w.check[k]) {
        if (Contains(line, "≠0"))
            return Left(line, Find(line, "≠0")) + "＝0";
        if (Contains(line, "是原方程的解"))
            return Left(line, Find(line, "是原方程的解")) + "是增根";
        if (Contains(line, "增根"))
            return Left(line, Find(line, "是增根")) + "是原方程的解";
        return "";
    }
    for (const char *symbol : {"＞", "＜", "≥", "≤"})
        if (Contains(line, symbol) && random() % 3 == 0) {
            const char *turned = std::string(symbol) == "＞" ? "＜"
                : std::string(symbol) == "＜"                ? "＞"
                : std::string(symbol) == "≥"                 ? "≤"
                                                             : "≥";
            const int at = Find(line, symbol);
            return Left(line, at) + turned + Mid(line, at + 2);
        }
    if (!Contains(line, "＝"))
        return "x＝1"; // in place of 方程没有实数根
    if (w.type == 27) {
        // The answer or the factors with another root; the general form with another constant.
        if (Contains(line, "±") && Find(line, "＝") != ReverseFind(line, "＝")) {
            const int at = ReverseFind(line, "＝") + 2;
            return Left(line, at) + "(" + Mid(line, at) + ")＋1";
        }
        if (Contains(line, "±"))
            return Left(line, Find(line, "＝")) + "＋1" + Mid(line, Find(line, "＝"));
        if (Contains(line, "x1＝")) {
            const int end = Contains(line, "，") ? Find(line, "，") : Len(line);
            const int at = ReverseFind(Left(line, end), "＝") + 2;
            return Left(line, at) + "(" + Mid(line, at, end - at) + ")＋1" + Mid(line, end);
        }
        return OneMore(line);
    }
    const std::string more = OneMore(line);
    // 增根: the corrupted root must not be a number the problem excludes.
    if (w.type == 29 && !root && !more.empty()) {
        const std::optional<Rational> at0 = DifferenceAt(more, R(0));
        const std::optional<Rational> at1 = DifferenceAt(more, R(1));
        if (!at0 || !at1 || Plus(*at1, Negated(*at0)).numerator == 0)
            return "";
        const Rational x1 = Over(Negated(*at0), Plus(*at1, Negated(*at0)));
        const std::optional<Rational> excluded = DifferenceAt(w.lines[0], x1);
        if (!excluded)
            return "";
    }
    return more;
}

} // namespace

TEST(EquationMarkingProperty, OwnWorkingIsRightAndOneCorruptedStepIsWrongExactlyThere)
{
    Solver solver;
    std::mt19937 random(33);
    int corrupted = 0;
    for (int round = 0; round < 2000; ++round) {
        Working w;
        switch (round % 5) {
        case 0:
            w = Linear(solver, random, round % 2 == 0 ? 25 : 9);
            break;
        case 1:
            w = Linear(solver, random, 30);
            break;
        case 2:
            w = Quadratic(random);
            break;
        case 3:
            w = Fractional(random);
            break;
        default:
            w = System(random);
            break;
        }
        const std::size_t problemLines = w.system ? 2 : 1;
        const std::size_t steps = w.lines.size() - problemLines;
        if (steps == 0)
            continue;
        std::string all;
        for (const std::string &line : w.lines)
            all += line + " / ";
        const MarkedProblem marked = MarkEquationWorking(solver, w.type, w.lines);
        ASSERT_EQ(marked.lines.size(), w.lines.size()) << all;
        for (std::size_t i = problemLines; i < w.lines.size(); ++i)
            ASSERT_EQ(marked.lines[i].mark, StepMark::Right) << "type " << w.type << ": " << all << "step " << i;
        EXPECT_TRUE(marked.finished) << "type " << w.type << ": " << all << marked.missing;

        // One step corrupted.
        const std::size_t k = problemLines + random() % steps;
        const std::optional<Rational> root
            = w.type == 29 && Contains(w.lines.back(), "增根") ? std::nullopt : std::optional<Rational>(R(0));
        const std::string bad = Corrupted(w, k, random, root);
        if (bad.empty())
            continue;
        ++corrupted;
        std::vector<std::string> lines = w.lines;
        lines[k] = bad;
        const MarkedProblem wrong = MarkEquationWorking(solver, w.type, lines);
        ASSERT_EQ(wrong.lines.size(), lines.size());
        const std::string where
            = "type " + std::to_string(w.type) + ": " + all + "step " + std::to_string(k) + " " + bad;
        for (std::size_t i = problemLines; i < k; ++i)
            EXPECT_EQ(wrong.lines[i].mark, StepMark::Right) << where;
        EXPECT_EQ(wrong.lines[k].mark, StepMark::Wrong) << where;
        EXPECT_FALSE(wrong.lines[k].correctStep.empty() && !w.check[k] && !w.system) << where;
        // Qimbel's step in place of the wrong one is itself a right step from the line before.
        const std::string &fix = wrong.lines[k].correctStep;
        const bool formula = Left(w.lines[k - 1], 1) == "a" || Left(w.lines[k - 1], 2) == "△";
        if (!fix.empty() && !w.system && !w.check[k] && !w.check[k - 1] && !formula) {
            const OneUnknownLine problem = ReadOneUnknown(w.lines[0], w.lines[0], 'x', {});
            const OneUnknownLine before = ReadOneUnknown(w.lines[k - 1], w.lines[k - 1], 'x', problem.excluded);
            EXPECT_TRUE(RightStepText(before, fix, before.set, 'x', problem.excluded)) << where << " fix " << fix;
        }
        if (w.system)
            continue;
        // The next equation step is compared with the corrupted line; the rest with right lines.
        bool next = !w.check[k];
        for (std::size_t i = k + 1; i < lines.size(); ++i) {
            const StepMark expected = !w.check[i] && next ? StepMark::Wrong : StepMark::Right;
            if (!w.check[i])
                next = false;
            EXPECT_EQ(wrong.lines[i].mark, expected) << where << " line " << i;
        }
    }
    EXPECT_GT(corrupted, 1500);
}

// Any lines at all: every line comes back once, in order and unchanged, each step with a mark;
// a line of words alone ("解：") stays unmarked;
// nothing crashes or hangs (powers, long numbers, deep brackets, stray words).
TEST(EquationMarkingProperty, AnyLinesComeBackMarked)
{
    Solver solver;
    std::mt19937 random(34);
    const std::vector<std::string> pieces = {"x", "y", "z", "1", "2", "9", "0", "123456789012", ".", "＋", "－", "+",
        "-", "×", "÷", "/", "^", "^16", "(", ")", "[", "]", "＝", "=", "＜", "＞", "≤", "≥", "<=", "√", "±", "，", "或",
        "得", "解：", "检验", "增根", "是原方程的解", "≠0", "无解", " ", "x^2", "(x＋1)", "x1＝", "①"};
    const int types[] = {9, 25, 26, 27, 29, 30};
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::string> lines(1 + random() % 5);
        for (std::string &line : lines) {
            const int length = static_cast<int>(random() % (round % 10 == 0 ? 120 : 16));
            for (int k = 0; k < length; ++k)
                line += pieces[random() % pieces.size()];
        }
        const int type = types[round % 6];
        const MarkedProblem marked = MarkEquationWorking(solver, type, lines);
        ASSERT_EQ(marked.lines.size(), lines.size());
        const bool unreadableProblem = !marked.lines[0].reason.empty();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(marked.lines[i].typed, lines[i]);
            const bool problemLine = i == 0 || (type == 26 && i == 1 && marked.lines[1].mark == StepMark::Problem);
            // A line of words alone ("解：") is no step.
            const bool words = marking::IsWordsOnly(marking::NormalisedSigns(lines[i])) && Len(lines[i]) <= 256;
            if (!problemLine && !unreadableProblem && !words) {
                EXPECT_NE(marked.lines[i].mark, StepMark::Problem) << lines[i];
            }
        }
    }
}

// Wrong moves that keep the root by chance, as pupils make them: a bracket taken off with the
// signs kept and the constant on the other side made up for it, or a term moved without its sign
// changed and the coefficient made up for it. Each is × at that step, though its root is right;
// Qimbel's step in its place is a right move and keeps exactly the root.
TEST(EquationMarkingProperty, WrongMovesThatKeepTheRootAreWrong)
{
    Solver solver;
    std::mt19937 random(35);
    std::uniform_int_distribution<int> d(-9, 9);
    int made = 0;
    for (int round = 0; round < 2000; ++round) {
        const long long x0 = d(random);
        std::string problem, bad;
        if (round % 3 != 2) {
            // a·x － k(x ＋ m) ＝ e.
            const long long a = NonZero(d, random), m = NonZero(d, random);
            const long long k = 1 + random() % 9;
            // With the root 0 the two constants are equal and may rightly change places (both
            // moved across): that line is a right step.
            const long long e = a * x0 - k * (x0 + m);
            // (Likewise when the made-up side is 0: e was moved across.)
            if (a == k || a == -k || (round % 3 == 0 && (x0 == 0 || e + 2 * k * m == 0)))
                continue;
            problem = Times(a, "x") + "－" + (k == 1 ? "" : N(k)) + "(x" + Signed(m) + ")＝" + N(e);
            if (round % 3 == 0) // －k·m written ＋k·m, the right side 2km more
                bad = Times(a, "x") + "－" + Times(k, "x") + Signed(k * m) + "＝" + N(e + 2 * k * m);
            else // the sign of the whole bracket dropped, the right side made up for it
                bad = Times(a, "x") + "＋" + Times(k, "x") + Signed(k * m) + "＝" + N((a + k) * x0 + k * m);
        } else {
            // a·x ＋ b ＝ e with b moved unchanged, the coefficient made up: p·x ＝ q×(e＋b).
            const long long a = NonZero(d, random), b = NonZero(d, random);
            const long long e = a * x0 + b;
            const long long g = std::gcd(e + b, x0);
            if (x0 == 0 || e + b == 0 || g == 0)
                continue;
            const long long p = (e + b) / g, q = x0 / g;
            // x alone, the right side worked out rightly, or every term taken across (－4x－4＝8 →
            // －4－8＝4x, a right step): not wrong.
            if (p == 1 || p == a || p == -a)
                continue;
            problem = Times(a, "x") + Signed(b) + "＝" + N(e);
            bad = Times(p, "x") + "＝" + N(q) + "×(" + N(e) + Signed(b) + ")";
        }
        ++made;
        const std::string where = problem + " / " + bad;
        // The wrong line keeps the root.
        const std::optional<Rational> at = DifferenceAt(bad, R(x0));
        ASSERT_TRUE(at && at->numerator == 0) << where;
        const MarkedProblem marked = MarkEquationWorking(solver, 25, {problem, bad});
        ASSERT_EQ(marked.lines.size(), 2u);
        EXPECT_EQ(marked.lines[1].mark, StepMark::Wrong) << where;
        EXPECT_FALSE(marked.finished) << where;
        const std::string &fix = marked.lines[1].correctStep;
        ASSERT_FALSE(fix.empty()) << where;
        const OneUnknownLine before = ReadOneUnknown(problem, problem, 'x', {});
        EXPECT_TRUE(RightStepText(before, fix, before.set, 'x', {})) << where << " fix " << fix;
        const std::optional<Rational> fixAt = DifferenceAt(fix, R(x0));
        const std::optional<Rational> fixBeside = DifferenceAt(fix, R(x0 + 1));
        EXPECT_TRUE(fixAt && fixAt->numerator == 0 && fixBeside && fixBeside->numerator != 0)
            << where << " fix " << fix;
        // The right removal of the bracket is √.
        if (Contains(problem, "(")) {
            const MarkedProblem fixed = MarkEquationWorking(solver, 25, {problem, fix});
            EXPECT_EQ(fixed.lines[1].mark, StepMark::Right) << where << " fix " << fix;
        }
    }
    EXPECT_GT(made, 1500);
}
