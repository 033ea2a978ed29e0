// 二次根式四则运算: every line of the working is read back on its own as an exact p＋q√r value and
// must equal the line before it, on random lines of the textbook shapes (signs before brackets,
// coefficients before roots that simplify, squares and products of sums, quotients). The reader
// here is the test's own, so a line the routine misprints cannot pass by being misread the same
// way. Whole worked texts are in tests/golden/surds/.
#include "algebra/SurdValue.h"
#include "solver/Solver.h"

#include "LineCursor.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

using namespace qimbel;

namespace {

const std::string kIs = "＝";

// A line of the working as a pupil would read it: ＋ － × ÷ / ^, brackets, √ before a number or
// a bracket, a number written before a root or a bracket multiplying it, and after ÷ a number with
// its root as one number (6÷2√3 is 6÷(2√3)).
class LineReader : public tests::LineCursor {
public:
    using LineCursor::LineCursor;

    std::optional<Surd> Read()
    {
        std::optional<Surd> v = Sum();
        return v && AtEnd() ? v : std::nullopt;
    }

private:
    bool Digit() const { return at_ < s_.size() && s_[at_] >= '0' && s_[at_] <= '9'; }

    std::optional<Surd> Sum()
    {
        if (++depth_ > 40)
            return std::nullopt;
        bool minus = Take("－");
        std::optional<Surd> total = Surd {};
        for (;;) {
            std::optional<Surd> t = Product();
            if (!t || !total)
                return std::nullopt;
            total = SurdSum(*total, minus ? *SurdNegated(*t) : *t);
            if (Take("＋"))
                minus = false;
            else if (Take("－"))
                minus = true;
            else
                break;
        }
        --depth_;
        return total;
    }

    std::optional<Surd> Product()
    {
        std::optional<Surd> v = Power();
        for (;;) {
            if (!v)
                return std::nullopt;
            if (Take("×")) {
                const std::optional<Surd> f = Power();
                v = f ? SurdProduct(*v, *f) : std::nullopt;
            } else if (Take("÷") || Take("/")) {
                std::optional<Surd> f = Power();
                if (f && Sees("√")) { // 2√3 after ÷ is one number
                    const std::optional<Surd> root = Power();
                    f = root ? SurdProduct(*f, *root) : std::nullopt;
                }
                v = f ? SurdQuotient(*v, *f) : std::nullopt;
            } else if (Sees("√") || Sees("(") || Digit()) {
                const std::optional<Surd> f = Power();
                v = f ? SurdProduct(*v, *f) : std::nullopt;
            } else {
                return v;
            }
        }
    }

    std::optional<Surd> Power()
    {
        std::optional<Surd> base = Primary();
        if (!base || !Take("^"))
            return base;
        if (!Digit())
            return std::nullopt;
        const int n = s_[at_++] - '0';
        std::optional<Surd> v = SurdOf(MakeQ(1));
        for (int k = 0; k < n && v; ++k)
            v = SurdProduct(*v, *base);
        return v;
    }

    std::optional<Surd> Primary()
    {
        if (Take("√")) {
            const std::optional<Surd> inside = Primary();
            if (!inside || !IsRational(*inside))
                return std::nullopt;
            return SurdRoot(inside->terms.empty() ? MakeQ(0) : inside->terms[0].coefficient);
        }
        if (Take("(")) {
            std::optional<Surd> v = Sum();
            return v && Take(")") ? v : std::nullopt;
        }
        const std::size_t start = at_;
        while (Digit() || (at_ < s_.size() && s_[at_] == '.'))
            ++at_;
        if (at_ == start)
            return std::nullopt;
        const std::optional<NumberValue> n = ReadNumber(s_.substr(start, at_ - start));
        const std::optional<Rational> r = n ? ExactValue(*n) : std::nullopt;
        if (!r)
            return std::nullopt;
        return SurdOf(QValue {*r, true});
    }

    int depth_ = 0;
};

std::optional<Surd> ValueOf(const std::string &text) { return LineReader(text).Read(); }

std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return lines;
        start = end + 2;
    }
}

// c√n as typed: 3√8, √12, 5.
std::string RootTerm(int c, int n)
{
    return (c == 1 ? "" : std::to_string(c)) + (n == 1 ? "" : "√" + std::to_string(n));
}

} // namespace

// Random lines of every shape the type teaches; each line of the level-4 working equals the typed
// line exactly, and the last one is the level-1 answer.
TEST(GenShiSiZeYunSuan, EveryLineOfTheWorkingKeepsTheValue)
{
    Solver solver;
    std::mt19937 random(2437);
    const int radicands[] = {2, 3, 5, 6, 8, 12, 18, 20, 27, 32, 45, 48, 50, 75};
    std::uniform_int_distribution<std::size_t> pick(0, std::size(radicands) - 1);
    std::uniform_int_distribution<int> small(1, 4);
    std::uniform_int_distribution<int> coin(0, 1);
    const auto root = [&] { return RootTerm(small(random) % 3 + 1, radicands[pick(random)]); };
    const auto sign = [&] { return coin(random) ? std::string("＋") : std::string("－"); };
    const auto pair
        = [&] { return "(" + root() + sign() + (coin(random) ? root() : std::to_string(small(random))) + ")"; };
    int lines = 0;
    for (int round = 0; round < 600; ++round) {
        std::string line;
        switch (round % 8) {
        case 0: // a sign before brackets
            line = pair() + sign() + pair();
            break;
        case 1: // a number minus a square of a sum
            line = std::to_string(small(random)) + sign() + pair() + "^2";
            break;
        case 2: // a product of two sums after a number
            line = std::to_string(small(random)) + sign() + pair() + pair();
            break;
        case 3: // coefficients before roots that simplify
            line = root() + sign() + root() + sign() + std::to_string(small(random)) + "√(1/"
                + std::to_string(small(random) + 1) + ")";
            break;
        case 4: // quotients: a coefficient and its root are one divisor, or a sum divides
            line = std::to_string(small(random) * 6) + "÷" + root() + sign() + root();
            break;
        case 5:
            line = std::to_string(small(random)) + "÷" + pair() + sign() + root();
            break;
        case 6: // a number times a sum, a sum over a number
            line = std::to_string(small(random)) + pair() + sign() + pair() + "÷" + std::to_string(small(random) + 1);
            break;
        default: // decimals and plain differences of squares
            line = "(" + root() + "＋" + root() + ")(" + root() + "－" + root() + ")" + sign() + "√0.0"
                + std::to_string(small(random) * small(random));
            break;
        }
        const std::optional<Surd> expected = ValueOf(line);
        const std::string worked = solver.GenShiSiZeYunSuan(line, 4);
        if (!expected) {
            EXPECT_NE(worked.find("无法计算"), std::string::npos) << line << "\n" << worked;
            continue;
        }
        ASSERT_NE(worked.find("＝"), std::string::npos) << line << "\n" << worked;
        std::string previous = line;
        for (const std::string &text : Lines(worked)) {
            const std::string body = text.rfind(kIs, 0) == 0 ? text.substr(kIs.size()) : text;
            const std::optional<Surd> got = ValueOf(body);
            ASSERT_TRUE(got) << line << ": cannot read " << body;
            EXPECT_TRUE(SurdEqual(*got, *expected)) << line << ": " << previous << " then " << body;
            previous = body;
            ++lines;
        }
        EXPECT_EQ(Lines(worked).back().substr(kIs.size()), solver.GenShiSiZeYunSuan(line, 1)) << line;
    }
    EXPECT_GT(lines, 2000);
}

// The lines a teacher writes for the cases pupils meet: each listed line stands in the working
// (level 4, one per line), and the answer is the one worked out by hand.
TEST(GenShiSiZeYunSuan, WritesTheTextbookLines)
{
    Solver solver;
    const struct {
        const char *line;
        std::vector<const char *> working;
        const char *answer;
    } cases[] = {
        {"(√12+√20)-(√3-√5)", {"＝2√3＋2√5－√3＋√5"}, "√3＋3√5"},
        {"5-(√50+3√5)", {"＝5－(5√2＋3√5)", "＝5－5√2－3√5"}, "5－5√2－3√5"},
        {"5-(√3+1)^2", {"＝5－(3＋2√3＋1)", "＝5－(4＋2√3)", "＝5－4－2√3"}, "1－2√3"},
        {"3-(√2+1)(√2+3)", {"＝3－(2＋3√2＋√2＋3)", "＝3－(5＋4√2)", "＝3－5－4√2"}, "－2－4√2"},
        {"5-(√2-3)", {"＝5－√2＋3"}, "8－√2"},
        {"3√8", {"＝3×2√2", "＝6√2"}, "6√2"},
        {"-2√18+√2", {"＝－2×3√2＋√2", "＝－6√2＋√2"}, "－5√2"},
        {"2√12-3√(1/3)+√48", {"＝2×2√3－3×(√3/3)＋4√3", "＝4√3－√3＋4√3"}, "7√3"},
        {"6÷2√3", {}, "√3"},
        {"4÷3√2", {}, "2√2/3"},
        {"(√3+√2)^2", {"＝(√3)^2＋2×√3×√2＋(√2)^2", "＝3＋2√6＋2"}, "5＋2√6"},
        {"(√5-1)^2", {"＝(√5)^2－2×√5×1＋1^2", "＝5－2√5＋1"}, "6－2√5"},
        {"(2+√3)(2-√3)", {"＝2^2－(√3)^2", "＝4－3"}, "1"},
        {"(√2+1)(√2+3)", {"＝2＋3√2＋√2＋3"}, "5＋4√2"},
        {"1÷(√3-√2)", {}, "√3＋√2"},
        {"2÷(√5+1)", {}, "(√5－1)/2"},
        {"√0.04", {}, "0.2"},
        {"1.5+√0.25", {"＝1.5＋0.5"}, "2"},
        {"sqrt(12)", {}, "2√3"},
        {"√１２＋√２７", {"＝2√3＋3√3"}, "5√3"},
        {"√(1/3)", {}, "√3/3"},
        {"（√３＋１）（√３－１）", {"＝(√3)^2－1^2"}, "2"},
    };
    for (const auto &c : cases) {
        const std::string worked = solver.GenShiSiZeYunSuan(c.line, 4) + "\r\n";
        for (const char *step : c.working)
            EXPECT_NE(worked.find(std::string(step) + "\r\n"), std::string::npos) << c.line << " lacks " << step << "\n"
                                                                                  << worked;
        EXPECT_EQ(solver.GenShiSiZeYunSuan(c.line, 1), c.answer) << c.line;
    }
    // Explanations name the conjugate in the order typed.
    EXPECT_NE(solver.GenShiSiZeYunSuan("1÷(√3－√2)", 5).find("都乘√3＋√2"), std::string::npos);
    EXPECT_NE(solver.GenShiSiZeYunSuan("2÷(√5＋1)", 5).find("都乘√5－1"), std::string::npos);
    EXPECT_NE(solver.GenShiSiZeYunSuan("5－(√2－3)", 5).find("变号"), std::string::npos);
}

// A line already in simplest form is worked no further: the routine gives it back unchanged, and
// the page says so in a sentence instead of asking the pupil to check the line.
TEST(GenShiSiZeYunSuan, ALineInSimplestFormIsSaidToBeSo)
{
    Solver solver;
    for (const char *line : {"4－√2", "2√3＋3√2", "√5－1", "√2", "3√2/2"}) {
        EXPECT_EQ(solver.GenShiSiZeYunSuan(line, 5), line);
        EXPECT_EQ(solver.GenShiSiZeYunSuan(line, 1), line);
    }
    EXPECT_EQ(solver.MeiYouGuoCheng("4－√2", 24), "这个式子已经是最简形式，不用再计算了。");
}
