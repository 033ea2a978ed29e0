// The test paper over thousands of seeds: every problem keeps its grade's rules, its answer is
// the exact value of the problem, and the worked solution from the solver arrives at that answer.
#include "ExactResultText.h"
#include "generators/ShiJuan.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <numeric>
#include <optional>
#include <string>

namespace qimbel::shijuan {
namespace {

using Q = exacttest::Rational;
bool operator==(Q a, Q b) { return a.n == b.n && a.d == b.d; }

// A fraction from parts that the paper's small numbers keep far inside its range.
Q Make(__int128 n, __int128 d)
{
    const std::optional<Q> q = exacttest::Make(n, d);
    return q ? *q : Q {0, 0};
}

// Decimal text as a worked solution may leave it ("12", "0.75", "42.50") to a fraction; nullopt for
// anything else.
std::optional<Q> Parse(std::string text)
{
    bool negative = false;
    if (text.rfind("－", 0) == 0) {
        negative = true;
        text = text.substr(2);
    }
    if (text.empty() || text.size() > 15)
        return std::nullopt;
    long long n = 0;
    long long d = 1;
    bool point = false;
    for (const char c : text) {
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            n = n * 10 + (c - '0');
            if (point)
                d *= 10;
        } else {
            return std::nullopt;
        }
    }
    return Make(negative ? -n : n, d);
}

// Evaluates a problem text with exact fractions, and records what a paper must never hold: a
// negative intermediate value, a division that does not come out whole on a whole-number paper,
// a number above the grade's range, more than two decimal places.
class Evaluator {
public:
    Evaluator(std::string text, Q x)
        : text_(std::move(text))
        , x_(x)
    {
    }

    std::optional<Q> Value()
    {
        const Q v = Sum();
        if (pos_ != text_.size())
            Fail("trailing text at " + std::to_string(pos_));
        if (!error_.empty())
            return std::nullopt;
        return v;
    }
    const std::string &Error() const { return error_; }
    bool sawNegative = false;
    bool sawInexactWholeDivision = false;
    Q largestNumber {0, 1};
    Q largestValue {0, 1}; // of every operation, worked in the order the text is read
    int mostDecimals = 0;

private:
    bool Eat(const char *sign)
    {
        const std::string s(sign);
        if (text_.compare(pos_, s.size(), s) == 0) {
            pos_ += s.size();
            return true;
        }
        return false;
    }
    void Fail(const std::string &why)
    {
        if (error_.empty())
            error_ = why;
    }
    void Check(Q v)
    {
        if (v.n < 0)
            sawNegative = true;
        if (v.n * largestValue.d > largestValue.n * v.d)
            largestValue = v;
        if (v.d == 0)
            Fail("out of range");
    }
    Q Sum()
    {
        Q v = Product();
        for (;;) {
            if (Eat("＋")) {
                const Q b = Product();
                v = Make(v.n * b.d + b.n * v.d, v.d * b.d);
            } else if (Eat("－")) {
                const Q b = Product();
                v = Make(v.n * b.d - b.n * v.d, v.d * b.d);
            } else {
                return v;
            }
            Check(v);
        }
    }
    Q Product()
    {
        Q v = Factor();
        for (;;) {
            if (Eat("×")) {
                const Q b = Factor();
                v = Make(v.n * b.n, v.d * b.d);
            } else if (Eat("÷")) {
                const Q b = Factor();
                if (b.n == 0) {
                    Fail("division by 0");
                    return v;
                }
                const bool whole = v.d == 1 && b.d == 1;
                v = Make(v.n * b.d, v.d * b.n);
                if (whole && v.d != 1)
                    sawInexactWholeDivision = true;
            } else if (pos_ < text_.size() && (text_[pos_] == 'x' || text_[pos_] == '(')) {
                // 3x, 3(x＋2): a written product.
                const Q b = Factor();
                v = Make(v.n * b.n, v.d * b.d);
            } else {
                return v;
            }
            Check(v);
        }
    }
    Q Factor()
    {
        for (const auto &[open, close] : {std::pair {"(", ")"}, {"[", "]"}, {"{", "}"}}) {
            if (Eat(open)) {
                const Q v = Sum();
                if (!Eat(close))
                    Fail(std::string("missing ") + close);
                return v;
            }
        }
        if (Eat("x"))
            return x_;
        const std::size_t start = pos_;
        while (pos_ < text_.size() && ((text_[pos_] >= '0' && text_[pos_] <= '9') || text_[pos_] == '.'))
            ++pos_;
        const std::string number = text_.substr(start, pos_ - start);
        const std::optional<Q> v = Parse(number);
        if (!v) {
            Fail("no number at " + std::to_string(start));
            return {};
        }
        const std::size_t point = number.find('.');
        if (point != std::string::npos)
            mostDecimals = std::max(mostDecimals, static_cast<int>(number.size() - point - 1));
        if (v->n * largestNumber.d > largestNumber.n * v->d)
            largestNumber = *v;
        return *v;
    }

    std::string text_;
    Q x_;
    std::size_t pos_ = 0;
    std::string error_;
};

std::string WithoutEquals(const std::string &text) { return text.substr(0, text.size() - 2); }

// The largest number a problem of a grade may hold.
long long RangeOf(int grade, TiXing kind)
{
    if (kind == TiXing::FangCheng)
        return 5000;
    if (kind == TiXing::ShuShi)
        return grade == 2 ? 1000 : 99999;
    static const long long mixed[] = {20, 100, 1000, 1000, 1000, 2000};
    return kind == TiXing::HunHe ? mixed[grade - 1] : (grade == 1 ? 20 : 1000);
}

ShiJuanSheZhi SettingsOf(std::uint64_t seed)
{
    ShiJuanSheZhi settings = MoRenSheZhi(static_cast<int>(seed % 6) + 1);
    settings.counts = {6, 3, 3, 3};
    settings.decimals = seed % 3 == 0;
    settings.seed = seed;
    return settings;
}

TEST(ShiJuan, EveryProblemOfThousandsOfPapersKeepsItsRulesAndIsAnsweredExactly)
{
    int problems = 0;
    for (std::uint64_t seed = 1; seed <= 2000; ++seed) {
        const ShiJuan paper = ZuShiJuan(SettingsOf(seed));
        for (const ShiJuanBuFen &section : paper.sections) {
            for (const ShiJuanTi &p : section.problems) {
                ++problems;
                SCOPED_TRACE(
                    "seed " + std::to_string(seed) + " grade " + std::to_string(paper.settings.grade) + ": " + p.text);
                const bool equation = p.kind == TiXing::FangCheng;
                const std::string answerText = equation ? p.answer.substr(p.answer.find("＝") + 2) : p.answer;
                // The answer is written in its simplest form: no trailing zeros, no bare point.
                const std::optional<Q> answer = exacttest::ExactOf(answerText);
                ASSERT_TRUE(answer) << p.answer;
                EXPECT_GT(answer->n, 0);

                if (equation) {
                    const std::size_t eq = p.text.find("＝");
                    Evaluator left(p.text.substr(0, eq), *answer);
                    Evaluator right(p.text.substr(eq + 2), *answer);
                    const auto l = left.Value();
                    const auto r = right.Value();
                    ASSERT_TRUE(l && r) << left.Error() << right.Error();
                    EXPECT_TRUE(*l == *r) << "the answer does not solve the equation";
                    EXPECT_LE(left.largestNumber.n, RangeOf(paper.settings.grade, p.kind) * left.largestNumber.d);
                } else {
                    ASSERT_EQ(p.text.substr(p.text.size() - 2), "＝");
                    Evaluator e(WithoutEquals(p.text), {});
                    const auto v = e.Value();
                    ASSERT_TRUE(v) << e.Error();
                    EXPECT_TRUE(*v == *answer) << "exact value " << v->n << "/" << v->d;
                    EXPECT_FALSE(e.sawNegative);
                    EXPECT_LE(e.largestNumber.n, RangeOf(paper.settings.grade, p.kind) * e.largestNumber.d);
                    EXPECT_LE(e.mostDecimals, 2);
                    if (p.kind == TiXing::HunHe) {
                        EXPECT_LE(e.largestValue.n, RangeOf(paper.settings.grade, p.kind) * e.largestValue.d);
                    }
                    if (!paper.settings.decimals) {
                        EXPECT_FALSE(e.sawInexactWholeDivision);
                        EXPECT_EQ(p.text.find('.'), std::string::npos);
                        EXPECT_EQ(answer->d, 1);
                    }
                }
                // The worked solution arrives at the same answer.
                const std::string last = DaAnMoWei(p.kind, p.op, p.worked);
                if (equation) {
                    ASSERT_EQ(last.rfind("x＝", 0), 0u) << last;
                    const auto worked = Parse(last.substr(3));
                    ASSERT_TRUE(worked) << last;
                    EXPECT_TRUE(*worked == *answer) << "worked: " << last;
                } else {
                    const auto worked = Parse(last);
                    ASSERT_TRUE(worked) << "worked: " << last << "\n" << p.worked;
                    EXPECT_TRUE(*worked == *answer) << "worked: " << last << "\n" << p.worked;
                }
            }
        }
    }
    EXPECT_GT(problems, 2000 * 10);
}

TEST(ShiJuan, TheGradeDecidesKindsAndNumbers)
{
    for (int grade = 1; grade <= 6; ++grade) {
        ShiJuanSheZhi settings = MoRenSheZhi(grade);
        settings.counts = {40, 20, 20, 20};
        settings.seed = 7;
        const ShiJuan paper = ZuShiJuan(settings);
        for (const ShiJuanBuFen &section : paper.sections) {
            EXPECT_TRUE(TiXingShiHe(grade, section.kind));
            for (const ShiJuanTi &p : section.problems) {
                if (grade <= 1) {
                    EXPECT_TRUE(p.text.find("×") == std::string::npos && p.text.find("÷") == std::string::npos)
                        << p.text;
                }
                if (grade == 2 && p.kind == TiXing::KouSuan && p.op == "×") {
                    EXPECT_TRUE(std::atoi(p.left.c_str()) <= 9 && std::atoi(p.right.c_str()) <= 9) << p.text;
                }
            }
        }
    }
    EXPECT_EQ(ZuShiJuan(MoRenSheZhi(1)).sections.size(), 2u); // 口算 and 四则混合运算
    EXPECT_EQ(ZuShiJuan(MoRenSheZhi(4)).sections.size(), 3u); // no 解方程 before 五年级
    EXPECT_EQ(ZuShiJuan(MoRenSheZhi(6)).sections.size(), 4u);
}

TEST(ShiJuan, SettingsAreKeptInBoundsAndTheTotalAddsUp)
{
    ShiJuanSheZhi settings;
    settings.grade = 99;
    settings.counts = {-5, 1000, 2, 3};
    settings.scores = {0, 2, 50, 3};
    settings.decimals = true;
    const ShiJuan paper = ZuShiJuan(settings);
    EXPECT_EQ(paper.settings.grade, 6);
    EXPECT_EQ(paper.settings.counts[0], 0);
    EXPECT_EQ(paper.settings.counts[1], kZuiDuoTiShu);
    EXPECT_EQ(paper.settings.scores[2], 20);
    EXPECT_EQ(paper.total, kZuiDuoTiShu * 2 + 2 * 20 + 3 * 3);

    ShiJuanSheZhi lower = MoRenSheZhi(2);
    lower.decimals = true; // decimals come in 三年级
    lower.counts[3] = 5; // and equations in 五年级
    const ShiJuan second = ZuShiJuan(lower);
    EXPECT_FALSE(second.settings.decimals);
    EXPECT_EQ(second.settings.counts[3], 0);
}

TEST(ShiJuan, TheSameSeedGivesTheSamePaperAndAnotherSeedAnother)
{
    ShiJuanSheZhi settings = MoRenSheZhi(5);
    settings.decimals = true;
    settings.seed = 20261208;
    EXPECT_EQ(QuanWenBen(ZuShiJuan(settings)), QuanWenBen(ZuShiJuan(settings)));
    const std::string first = ShiJuanWenBen(ZuShiJuan(settings));
    settings.seed += 1;
    EXPECT_NE(first, ShiJuanWenBen(ZuShiJuan(settings)));
}

TEST(ShiJuan, ThePaperShowsPointsAndTheKeyEveryWorkedSolution)
{
    ShiJuanSheZhi settings = MoRenSheZhi(5);
    settings.counts = {8, 3, 2, 2};
    settings.scores = {1, 4, 5, 6};
    settings.seed = 42;
    const ShiJuan paper = ZuShiJuan(settings);
    const std::string text = ShiJuanWenBen(paper);
    const std::string key = DaAnWenBen(paper);
    EXPECT_NE(text.find("（满分42分"), std::string::npos);
    EXPECT_NE(text.find("一、口算。（每题1分，共8分）"), std::string::npos);
    EXPECT_NE(text.find("二、用竖式计算。（每题4分，共12分）"), std::string::npos);
    EXPECT_NE(text.find("四、解方程。（每题6分，共12分）"), std::string::npos);
    std::size_t from = 0;
    for (const ShiJuanBuFen &section : paper.sections)
        for (std::size_t i = 0; i < section.problems.size(); ++i) {
            const ShiJuanTi &p = section.problems[i];
            EXPECT_NE(text.find(p.text), std::string::npos) << p.text;
            // The key keeps the paper's order: 口算 one answer a line, the others worked out.
            const std::string shown = p.kind == TiXing::KouSuan
                ? "(" + std::to_string(i + 1) + ") " + p.text + p.answer + "\r\n"
                : p.worked;
            const std::size_t at = key.find(shown, from);
            ASSERT_NE(at, std::string::npos) << p.text;
            if (p.kind == TiXing::KouSuan) {
                EXPECT_EQ(key.find(p.worked, from), std::string::npos) << "no working for 口算: " << p.text;
            }
            from = at + shown.size();
        }
    EXPECT_EQ(text.find("解题"), std::string::npos) << "the paper gives nothing away";
}

} // namespace
} // namespace qimbel::shijuan
