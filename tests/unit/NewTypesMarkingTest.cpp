// 批改 of 二次根式四则运算 (24), 一元一次不等式组 (31) and the closing sentence of 简便运算 (11).
// The property tests work random problems whose exact value (or solution set) is built beside
// their text, so that every line of Qimbel's own working is checked against it, and the marker
// must call every such line right; a line changed so that its value changes is wrong at that step.
#include "algebra/SurdValue.h"
#include "marking/InequalitySystemMarking.h"
#include "marking/MarkWorking.h"
#include "marking/OtherTypesMarking.h"
#include "marking/QuadraticSystemMarking.h"
#include "marking/SurdMarking.h"
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

struct Built {
    std::string text;
    Surd value;
    bool single = true; // one term c√r, so that it may be squared or divide
};

// a√n with its value.
Built Piece(Random &r)
{
    static const int radicands[] = {2, 3, 5, 6, 8, 12, 18, 20, 24, 27, 32, 45, 48, 50, 75};
    const int n = radicands[Pick(r, 0, 14)];
    const int a = Pick(r, 0, 2) == 0 ? Pick(r, 2, 5) : 1;
    if (Pick(r, 0, 5) == 0) {
        const int k = Pick(r, 1, 9);
        return {std::to_string(k), SurdOf(MakeQ(k))};
    }
    const Surd value = *SurdProduct(SurdOf(MakeQ(a)), *SurdRoot(MakeQ(n)));
    return {(a == 1 ? "" : std::to_string(a)) + "√" + std::to_string(n), value};
}

Built Problem(Random &r)
{
    Built left = Piece(r);
    const int shape = Pick(r, 0, 5);
    if (shape == 0) { // (a√m＋b√n)^2
        const Built right = Piece(r);
        const std::string sign = Pick(r, 0, 1) ? "＋" : "－";
        const Surd sum = *SurdSum(left.value, sign == "＋" ? right.value : *SurdNegated(right.value));
        return {"(" + left.text + sign + right.text + ")^2", *SurdProduct(sum, sum), false};
    }
    if (shape == 1) { // k÷(√m－√n) or k÷a√n
        const int k = Pick(r, 1, 6);
        const Built d = Piece(r);
        const Built e = Piece(r);
        const std::optional<Surd> bottom = SurdSum(d.value, *SurdNegated(e.value));
        if (!bottom || bottom->terms.empty() || IsRational(*bottom) || bottom->terms.size() > 2)
            return {std::to_string(k) + "÷" + "√2", *SurdQuotient(SurdOf(MakeQ(k)), *SurdRoot(MakeQ(2)))};
        return {
            std::to_string(k) + "÷(" + d.text + "－" + e.text + ")", *SurdQuotient(SurdOf(MakeQ(k)), *bottom), false};
    }
    // Sums and differences of pieces and products of two pieces.
    Built out = left;
    const int terms = Pick(r, 1, 3);
    for (int t = 0; t < terms; ++t) {
        Built next = Piece(r);
        if (Pick(r, 0, 2) == 0) {
            const Built other = Piece(r);
            next = {next.text + "×" + other.text, *SurdProduct(next.value, other.value)};
        }
        const bool minus = Pick(r, 0, 1) == 1;
        out.text += (minus ? "－" : "＋") + next.text;
        out.value = *SurdSum(out.value, minus ? *SurdNegated(next.value) : next.value);
        out.single = false;
    }
    return out;
}

std::vector<std::string> LinesOfText(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t p = text.find("\r\n", start);
        lines.push_back(Trim(text.substr(start, p == std::string::npos ? std::string::npos : p - start)));
        if (p == std::string::npos)
            return lines;
        start = p + 2;
    }
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

TEST(SurdMarking, OwnWorkingIsRightEveryLineExactAndAChangedLineIsWrong)
{
    Solver solver;
    Random random(24);
    int worked = 0;
    int changedCount = 0;
    for (int round = 0; round < 1500; ++round) {
        const Built problem = Problem(random);
        std::vector<std::string> lines {problem.text};
        for (const std::string &line : LinesOfText(solver.GenShiSiZeYunSuan(problem.text, 4)))
            if (Left(line, 2) == "＝")
                lines.push_back(line);
        if (lines.size() < 2)
            continue; // already in simplest form: nothing to work
        ++worked;
        // Every line of the working has the value built beside the problem.
        for (std::size_t k = 1; k < lines.size(); ++k) {
            const std::optional<Surd> value = SurdValueOfText(Mid(lines[k], 2));
            ASSERT_TRUE(value) << problem.text << " line " << lines[k];
            ASSERT_TRUE(SurdEqual(*value, problem.value)) << problem.text << " line " << lines[k];
        }
        const MarkedProblem marked = MarkSurdWorking(solver, lines);
        ASSERT_EQ(Marks(marked), "P" + std::string(lines.size() - 1, 'R')) << problem.text;
        EXPECT_TRUE(marked.finished) << problem.text << " " << marked.missing;

        // One digit of one step changed: wrong there; a fix offered is a right step.
        const std::size_t k = static_cast<std::size_t>(Pick(random, 1, static_cast<int>(lines.size()) - 1));
        std::vector<int> digits;
        for (int i = 0; i < Len(lines[k]); i += CharSize(lines[k], i))
            if (lines[k][static_cast<std::size_t>(i)] >= '1' && lines[k][static_cast<std::size_t>(i)] <= '9')
                digits.push_back(i);
        if (digits.empty())
            continue;
        std::vector<std::string> wrong = lines;
        const std::size_t at = static_cast<std::size_t>(
            digits[static_cast<std::size_t>(Pick(random, 0, static_cast<int>(digits.size()) - 1))]);
        wrong[k][at] = static_cast<char>('1' + (wrong[k][at] - '1' + Pick(random, 1, 8)) % 9);
        const std::optional<Surd> changed = SurdValueOfText(Mid(wrong[k], 2));
        if (!changed || SurdEqual(*changed, problem.value))
            continue;
        ++changedCount;
        const MarkedProblem marks = MarkSurdWorking(solver, wrong);
        ASSERT_EQ(marks.lines[k].mark, StepMark::Wrong) << problem.text << " " << wrong[k];
        for (std::size_t m = 1; m < k; ++m)
            EXPECT_EQ(marks.lines[m].mark, StepMark::Right) << problem.text;
        EXPECT_FALSE(marks.finished);
        if (!marks.lines[k].correctStep.empty()) {
            const std::optional<Surd> fix = SurdValueOfText(marks.lines[k].correctStep);
            ASSERT_TRUE(fix) << marks.lines[k].correctStep;
            EXPECT_TRUE(SurdEqual(*fix, problem.value)) << problem.text << " fix " << marks.lines[k].correctStep;
            EXPECT_NE(marks.lines[k].correctStep, Mid(lines[k - 1], k == 1 ? 0 : 2)) << problem.text;
        }
    }
    EXPECT_GT(worked, 1300);
    EXPECT_GT(changedCount, 800);
}

// The slips a teacher names at a glance, and the end of an unfinished line.
TEST(SurdMarking, NamedSlipsAndTheSimplestForm)
{
    Solver solver;
    struct Case {
        const char *problem;
        const char *step;
        const char *slip; // empty: right; the step's mark otherwise
        const char *missing;
    };
    const Case cases[] = {
        {"√2＋√8", "＝√10", "二次根式相加减时，不能把被开方数相加减", "答案不对，要从第1步改起"},
        {"2√3×3√2", "＝5√6", "二次根式相乘，系数与系数相乘，被开方数与被开方数相乘", "答案不对，要从第1步改起"},
        {"√2×√3", "＝√5", "二次根式相乘，系数与系数相乘，被开方数与被开方数相乘", "答案不对，要从第1步改起"},
        {"(2√3)^2", "＝6", "(k√a)^2＝k^2·a，系数也要平方", "答案不对，要从第1步改起"},
        {"1÷(√3－√2)", "＝(√3＋√2)/5", "分母有理化时分母算错了，(a＋b)(a－b)＝a^2－b^2", "答案不对，要从第1步改起"},
        {"6÷√2", "＝6√2", "分母有理化时，分子、分母要同乘以√2", "答案不对，要从第1步改起"},
        {"3√2－√2", "＝3", "合并同类二次根式时，把系数相加减，根号部分不变", "答案不对，要从第1步改起"},
        {"5√3－2√3", "＝7√3", "合并同类二次根式时符号错了", "答案不对，要从第1步改起"},
        {"(√3＋√2)^2", "＝5", "完全平方公式漏掉了中间项2ab", "答案不对，要从第1步改起"},
        {"√12＋√27", "＝2√3＋3√2", "化简√27错了，√27＝3√3", "答案不对，要从第1步改起"},
        {"√8", "＝4√2", "化简√8错了，√8＝2√2", "答案不对，要从第1步改起"},
        {"√3－(√12－√2)", "＝√3－2√3－√2", "去括号时没有变号", "答案不对，要从第1步改起"},
        {"√12＋√27", "＝2√3＋3√3", "", "还要合并同类二次根式"},
        {"√18", "＝√(9×2)", "", "还要化成最简二次根式"},
        {"√6÷√3", "＝√6/√3", "", "还要分母有理化"},
        {"√2×√3×√6", "＝√6×√6", "", "还要继续计算"},
        {"√8÷4", "＝2√2/4", "", "还要约分"},
        {"(1＋√5)÷2", "＝(1＋√5)/2", "", ""},
        {"√(1/2)＋√2", "＝√2/2＋√2", "", "还要合并同类二次根式"},
        // Under a fraction bar the number alone is the denominator, as the routine reads it; after
        // "÷" the number and the root are one divisor.
        {"1/2√8", "＝√2", "", ""},
        {"6÷2√3", "＝√3", "", ""},
    };
    for (const Case &c : cases) {
        const MarkedProblem marked = MarkSurdWorking(solver, {c.problem, c.step});
        ASSERT_EQ(marked.lines.size(), 2u);
        const std::string slip = c.slip;
        EXPECT_EQ(marked.lines[1].mark, slip.empty() ? StepMark::Right : StepMark::Wrong) << c.problem;
        EXPECT_EQ(marked.lines[1].reason, slip) << c.problem;
        EXPECT_EQ(marked.missing, c.missing) << c.problem;
        EXPECT_EQ(marked.finished, std::string(c.missing).empty()) << c.problem;
    }
}

namespace {

std::string Int(long long v) { return v < 0 ? "－" + std::to_string(-v) : std::to_string(v); }

// a·x＋b (symbol) c with the set x (symbol') k, k whole.
struct Inequality {
    std::string text;
    bool above = false; // x ＞ k or x ≥ k
    bool closed = false;
    long long k = 0;
};

Inequality RandomInequality(Random &r)
{
    static const char *const symbols[] = {"＞", "＜", "≥", "≤"};
    int a = 0;
    while (a == 0)
        a = Pick(r, -4, 4);
    const long long b = Pick(r, -9, 9);
    const long long k = Pick(r, -6, 6);
    const int s = Pick(r, 0, 3);
    const std::string left = (a == 1           ? ""
                                     : a == -1 ? "－"
                                               : Int(a))
        + "x" + (b == 0 ? "" : (b > 0 ? "＋" : "") + Int(b));
    Inequality q;
    q.text = left + symbols[s] + Int(a * k + b);
    q.above = (s == 0 || s == 2) == (a > 0);
    q.closed = s >= 2;
    q.k = k;
    return q;
}

std::string Ray(bool above, bool closed, long long k)
{
    return std::string("x") + (above ? (closed ? "≥" : "＞") : (closed ? "≤" : "＜")) + Int(k);
}

} // namespace

TEST(InequalitySystemMarking, OwnWorkingAndTheCommonPartAreRightAndAWrongRuleIsNamed)
{
    Solver solver;
    Random random(31);
    int wrongs = 0;
    for (int round = 0; round < 600; ++round) {
        const Inequality p = RandomInequality(random);
        const Inequality q = RandomInequality(random);
        std::vector<std::string> lines {p.text, q.text};
        for (const Inequality *each : {&p, &q}) {
            const std::vector<std::string> working = LinesOfText(solver.YiCiDengShi(each->text, "x", 4));
            bool seen = false;
            for (const std::string &line : working) {
                if (line.empty() || Contains(line, "解题过程") || Left(line, 2) == "--")
                    continue;
                if (!seen) { // the inequality itself
                    seen = true;
                    continue;
                }
                lines.push_back(line);
            }
        }
        // The common part, worked out here from the two rays.
        std::string common;
        std::string slip;
        std::string wrong;
        if (p.above == q.above) {
            const bool pFirst = p.above ? (p.k > q.k || (p.k == q.k && p.closed <= q.closed))
                                        : (p.k < q.k || (p.k == q.k && p.closed <= q.closed));
            const Inequality &win = pFirst ? p : q;
            const Inequality &lose = pFirst ? q : p;
            common = Ray(win.above, win.closed, win.k);
            if (win.k != lose.k) {
                wrong = Ray(lose.above, lose.closed, lose.k);
                slip = p.above ? "取公共部分错了：同大取大" : "取公共部分错了：同小取小";
            }
        } else {
            const Inequality &low = p.above ? p : q;
            const Inequality &high = p.above ? q : p;
            if (low.k < high.k) {
                common = Int(low.k) + (low.closed ? "≤" : "＜") + "x" + (high.closed ? "≤" : "＜") + Int(high.k);
                wrong = Ray(low.above, low.closed, low.k);
                slip = "取公共部分错了：大小小大中间找";
            } else if (low.k == high.k && low.closed && high.closed) {
                common = "x＝" + Int(low.k);
            } else {
                common = "不等式组无解";
                wrong = Int(high.k) + "＜x＜" + Int(low.k);
                slip = "取公共部分错了：大大小小找不到，不等式组无解";
                if (low.k == high.k)
                    wrong.clear();
            }
        }
        std::vector<std::string> right = lines;
        right.push_back(common);
        const MarkedProblem marked = MarkInequalitySystemWorking(solver, right);
        ASSERT_EQ(Marks(marked), "PP" + std::string(right.size() - 2, 'R')) << p.text << "；" << q.text;
        EXPECT_TRUE(marked.finished) << p.text << "；" << q.text << " " << marked.missing;
        if (wrong.empty())
            continue;
        ++wrongs;
        std::vector<std::string> slipped = lines;
        slipped.push_back(wrong);
        const MarkedProblem bad = MarkInequalitySystemWorking(solver, slipped);
        ASSERT_EQ(Marks(bad), "PP" + std::string(slipped.size() - 3, 'R') + "W")
            << p.text << "；" << q.text << " " << wrong;
        EXPECT_EQ(bad.lines.back().reason, slip) << p.text << "；" << q.text;
        // The line offered in its place is itself the right answer.
        slipped.back() = bad.lines.back().correctStep;
        EXPECT_TRUE(MarkInequalitySystemWorking(solver, slipped).finished) << slipped.back();
    }
    EXPECT_GT(wrongs, 300);
}

TEST(InequalitySystemMarking, StepsAnswersAndEnds)
{
    Solver solver;
    struct Case {
        std::vector<std::string> lines;
        const char *marks;
        const char *missing;
    };
    const Case cases[] = {
        // One line for the problem, steps named by ① ②.
        {{"2x＋1＞3，x－2＞0", "解不等式①，得x＞1", "解不等式②，得x＞2", "所以不等式组的解集是x＞2"}, "PRRR", ""},
        // A wrong step of ② (the sign not turned), found by the one-inequality moves.
        {{"x＋1＞0", "3－x＜1", "x＞－1", "－x＜－2", "x＜2", "－1＜x＜2"}, "PPRRWR", "答案不对，要从第3步改起"},
        {{"x－1＞2", "2x＜10", "x＞3"}, "PPR", "还要解不等式②"},
        {{"x－1＞2", "2x＜10", "x＞3", "x＜5"}, "PPRR", "还要求出不等式组的解集，取各个解集的公共部分"},
        {{"x＞1", "x＜－1", "无解"}, "PPR", ""},
        {{"x－1＞2", "2x＜10"}, "PP", "还没有写出解题步骤"},
        {{"x＋y＞1", "x＜2"}, "PP", "题目无法识别"},
    };
    for (const Case &c : cases) {
        const MarkedProblem marked = MarkInequalitySystemWorking(solver, c.lines);
        EXPECT_EQ(Marks(marked), c.marks) << c.lines[0];
        EXPECT_EQ(marked.missing, c.missing) << c.lines[0];
    }
}

namespace {

// 简便运算 problems of the textbook patterns, and lines worked in order only.
std::string EasierProblem(Random &r)
{
    const int a = Pick(r, 11, 99);
    const int b = Pick(r, 2, 60);
    switch (Pick(r, 0, 5)) {
    case 0:
        return "25×" + std::to_string(a) + "×4";
    case 1:
        return std::to_string(a) + "×" + std::to_string(b) + "＋" + std::to_string(a) + "×" + std::to_string(100 - b);
    case 2:
        return "1000－" + std::to_string(a * 3) + "－" + std::to_string(300 - a * 3 + 100);
    case 3:
        return "125×" + std::to_string(8 * Pick(r, 2, 12));
    case 4:
        return std::to_string(b) + "＋" + std::to_string(a) + "－" + std::to_string(b);
    default:
        return std::to_string(a) + "×" + std::to_string(b) + "＋" + std::to_string(b);
    }
}

std::vector<std::string> StepLines(const std::string &problem, const std::string &working)
{
    std::vector<std::string> lines {problem};
    for (const std::string &line : LinesOfText(working))
        if (Left(line, 2) == "＝") {
            // The explanations stand after the step, beyond its blanks.
            const int blank = Find(line, " ");
            lines.push_back(blank > 0 ? Left(line, blank) : line);
        }
    return lines;
}

} // namespace

TEST(EasierCalculationMarking, ALawIsSeenInTheRoutinesWorkingAndNotInWorkingInOrder)
{
    Solver solver;
    Random random(11);
    int withLaw = 0;
    for (int round = 0; round < 300; ++round) {
        const std::string problem = EasierProblem(random);
        const std::string easier = solver.JianBianYunSuan(problem, 5);
        const bool law = Contains(easier, "运用") || Contains(easier, "拆数");
        withLaw += law ? 1 : 0;
        const std::vector<std::string> lines = StepLines(problem, easier);
        const MarkedProblem marked = MarkOtherWorking(solver, 11, lines);
        ASSERT_EQ(Marks(marked), "P" + std::string(lines.size() - 1, 'R')) << problem;
        ASSERT_TRUE(marked.finished) << problem;
        EXPECT_EQ(
            marked.remark, law ? "运用了运算定律，计算简便。" : "这道题没有能简便计算的地方，按运算顺序计算就可以。")
            << problem;

        // The same problem worked in the usual order: never taken for a law.
        const std::vector<std::string> plain = StepLines(problem, solver.HunHeYunSuan(problem, 4));
        const MarkedProblem order = MarkOtherWorking(solver, 11, plain);
        ASSERT_EQ(Marks(order), "P" + std::string(plain.size() - 1, 'R')) << problem;
        EXPECT_TRUE(Left(order.remark, Len("这道题")) == "这道题") << problem << " " << order.remark;
        EXPECT_EQ(Contains(order.remark, "这道题可以"), law) << problem << " " << order.remark;
    }
    EXPECT_GT(withLaw, 150);
}

TEST(QuadraticSystemMarking, OwnWorkingIsRightAndTheFinalPairsAreCheckedExactly)
{
    Solver solver;
    Random random(28);
    int worked = 0;
    for (int round = 0; round < 300; ++round) {
        // y ＝ m·x ＋ k and a quadratic that the line meets at x1 and x2: (x−x1)(x−x2) ＋ t·x·(y−mx−k) ＝ 0.
        const long long m = Pick(random, -3, 3), k = Pick(random, -5, 5), t = Pick(random, 1, 2);
        const long long x1 = Pick(random, -4, 4);
        long long x2 = Pick(random, -4, 4);
        if (x2 == x1)
            x2 = x1 + 1;
        // Expanded: x^2 − (x1＋x2)x ＋ x1x2 ＋ t·xy − t·m·x^2 − t·k·x.
        const long long xx = 1 - t * m, xy = t, x = -(x1 + x2) - t * k, c = x1 * x2;
        if (xx == 0)
            continue;
        const auto term = [](long long coefficient, const std::string &monomial, bool first) {
            if (coefficient == 0)
                return std::string();
            std::string out = coefficient < 0 ? "－" : first ? "" : "＋";
            const long long size = coefficient < 0 ? -coefficient : coefficient;
            return out + (size == 1 && !monomial.empty() ? "" : std::to_string(size)) + monomial;
        };
        std::string quadratic = term(xx, "x^2", true);
        quadratic += term(xy, "xy", quadratic.empty());
        quadratic += term(x, "x", quadratic.empty());
        quadratic += term(c, "", quadratic.empty());
        const std::string linear = "y＝" + (term(m, "x", true).empty() ? std::string() : term(m, "x", true))
            + term(k, "", m == 0) + (m == 0 && k == 0 ? "0" : "");
        const std::string problem = linear + "，" + quadratic + "＝0";
        StringArray equations;
        equations.InsertAt(0, quadratic + "＝0");
        equations.InsertAt(0, linear);
        StringArray letters;
        letters.InsertAt(0, "y");
        letters.InsertAt(0, "x");
        const std::string working = solver.ErCiFangChengZu(equations, letters, 4);
        std::vector<std::string> lines {problem};
        bool started = false;
        for (const std::string &line : LinesOfText(working)) {
            started = started || line == "解：";
            if (started && !line.empty() && line != "解：")
                lines.push_back(line);
        }
        if (lines.size() < 3)
            continue;
        ++worked;
        const MarkedProblem marked = MarkQuadraticSystemWorking(solver, lines);
        for (std::size_t i = 1; i < marked.lines.size(); ++i)
            ASSERT_TRUE(marked.lines[i].mark == StepMark::Right || marked.lines[i].mark == StepMark::Problem)
                << problem << " line " << lines[i] << " " << marked.lines[i].reason;
        ASSERT_TRUE(marked.finished) << problem << " " << marked.missing;

        // The pairs, worked out here, as the last line: right; one left out, or one value wrong: not.
        const auto pair = [](long long px, long long py, int i) {
            return "x" + std::to_string(i) + "＝" + Int(px) + "，y" + std::to_string(i) + "＝" + Int(py);
        };
        std::vector<std::string> own = lines;
        own.back() = "所以原方程组的解是 " + pair(x1, m * x1 + k, 1) + "；" + pair(x2, m * x2 + k, 2);
        EXPECT_TRUE(MarkQuadraticSystemWorking(solver, own).finished) << own.back();
        own.back() = "所以原方程组的解是 x＝" + Int(x1) + "，y＝" + Int(m * x1 + k);
        const MarkedProblem one = MarkQuadraticSystemWorking(solver, own);
        EXPECT_EQ(one.missing, "还少一组解：x＝" + Int(x2) + "，y＝" + Int(m * x2 + k)) << problem;
        own.back() = "所以原方程组的解是 " + pair(x1, m * x1 + k + 1, 1) + "；" + pair(x2, m * x2 + k, 2);
        const MarkedProblem off = MarkQuadraticSystemWorking(solver, own);
        EXPECT_EQ(off.lines.back().mark, StepMark::Wrong) << own.back();
        EXPECT_EQ(off.lines.back().reason, "y的值算错了") << own.back();
        // The line offered in its place is itself the right last line.
        own.back() = off.lines.back().correctStep;
        EXPECT_TRUE(MarkQuadraticSystemWorking(solver, own).finished) << own.back();
    }
    EXPECT_GT(worked, 200);
}

// 符号错误 in a factor, named with the factor; the signs of a 十字相乘 swapped in both factors.
TEST(FactorSignSlip, TheFactorIsNamed)
{
    Solver solver;
    const struct {
        int type;
        const char *problem;
        const char *step;
        const char *slip;
    } cases[] = {
        {22, "x^2－5x＋6", "＝(x＋2)(x－3)", "符号错误，因式(x＋2)应该是(x－2)"},
        {22, "x^2－4", "＝(x＋2)(x＋2)", "符号错误，因式(x＋2)应该是(x－2)"},
        {22, "a^2－2ab＋b^2", "＝(a＋b)^2", "符号错误，因式(a＋b)应该是(a－b)"},
        {22, "3x－6", "＝3(x＋2)", "符号错误，因式(x＋2)应该是(x－2)"},
        {22, "x^2＋x－6", "＝(x－3)(x＋2)", "符号错误，两个因式里常数项的符号都弄反了"},
        {21, "3－(x－2)", "＝3－x－2", "去括号时没有变号"},
    };
    for (const auto &c : cases) {
        const MarkedText marked = MarkWorking(solver, c.type, std::string(c.problem) + "\r\n" + c.step + "\r\n");
        ASSERT_EQ(marked.marked.size(), 1u);
        EXPECT_EQ(marked.marked[0].lines[1].reason, c.slip) << c.problem;
    }
}
