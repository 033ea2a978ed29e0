// 出题: what each level makes, every made problem checked again with exact arithmetic (the answer
// put back into the problem), distinct problems, the same problems from the same seed, and
// 举一反三 keeping the shape of the typed line.
#include "maker/LevelTable.h"
#include "maker/MakerProof.h"
#include "maker/MakerText.h"
#include "maker/ProblemMaker.h"
#include "marking/ExactExpression.h"
#include "solver/GbkText.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <numeric>
#include <set>

namespace qimbel {

// A word problem checked with the formulas written out by hand (WordProblemMakerTest.cpp).
void CheckWordProblem(const MadeProblem &made);

namespace {

// The equation with its relation sign made "＝".
std::string GetTiHuanText(const std::string &line, const std::string &relation)
{
    return Solver().GetTiHuan(line, relation, "＝");
}

const MakerLevel kLevels[] = {MakerLevel::JiChu, MakerLevel::TiGao, MakerLevel::TuoZhan};

// How many problems the property test makes per type and level: a few hundred in ctest, as many
// as QIMBEL_MAKER_COUNT says in the long run (10000).
int ProblemsPerLevel()
{
    const char *count = std::getenv("QIMBEL_MAKER_COUNT");
    const int value = count != nullptr ? std::atoi(count) : 0;
    return value > 0 ? value : 300;
}

std::vector<std::string> SplitOn(const std::string &text, const std::string &by)
{
    std::vector<std::string> parts;
    int start = 0;
    for (int p = Find(text, by); p >= 0; p = Find(text, by, start)) {
        parts.push_back(Mid(text, start, p - start));
        start = p + Len(by);
    }
    parts.push_back(Mid(text, start));
    return parts;
}

std::optional<fractions::Fraction> ValueOfText(const std::string &text)
{
    const ReadExpression read = ReadPupilExpression(text, true);
    if (!read.tree)
        return std::nullopt;
    return ExactValueOf(*read.tree);
}

// Whether two texts are the same value exactly (polynomials and fractions of them included).
bool Equal(const std::string &a, const std::string &b)
{
    const auto x = ValueOfText(a);
    const auto y = ValueOfText(b);
    if (!x || !y)
        return false;
    return SameValue(*x, *y).value_or(false);
}

// The line with every letter `letter` put in brackets as `value`.
std::string Put(const std::string &line, char letter, const std::string &value)
{
    std::string out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (IsGbkLead(static_cast<unsigned char>(line[i])) && i + 1 < line.size()) {
            out += line.substr(i, 2);
            ++i;
        } else if (line[i] == letter) {
            out += "(" + value + ")";
        } else {
            out += line[i];
        }
    }
    return out;
}

// Both sides of an equation the same value once the letters hold the given values.
bool Holds(const std::string &equation, const std::vector<std::pair<char, std::string>> &values)
{
    std::string line = equation;
    for (const auto &[letter, value] : values)
        line = Put(line, letter, value);
    const std::vector<std::string> sides = SplitOn(line, "＝");
    return sides.size() == 2 && Equal(sides[0], sides[1]);
}

// The value of a whole polynomial in x at a whole x.
Rational At(const std::string &polynomial, long long x)
{
    Rational value {0, 1};
    const auto read = maker::ReadPolynomial(polynomial);
    if (!read)
        return value;
    for (const auto &[key, coefficient] : *read) {
        Rational term = coefficient;
        if (key == "x1")
            term = *RationalProduct(coefficient, Rational {x, 1});
        value = *RationalSum(value, term);
    }
    return value;
}

// a < b for exact values.
bool Less(const Rational &a, const Rational &b) { return a.numerator * b.denominator < b.numerator * a.denominator; }

const char *const kRelations[] = {"≥", "≤", "＞", "＜"};

bool Holds(const Rational &a, const std::string &relation, const Rational &b)
{
    if (relation == "＞")
        return Less(b, a);
    if (relation == "＜")
        return Less(a, b);
    if (relation == "≥")
        return !Less(a, b);
    return !Less(b, a);
}

bool Satisfies(const std::string &inequality, long long x)
{
    for (const char *relation : kRelations) {
        const std::vector<std::string> sides = SplitOn(inequality, relation);
        if (sides.size() == 2)
            return Holds(At(sides[0], x), relation, At(sides[1], x));
    }
    ADD_FAILURE() << "no relation in " << inequality;
    return false;
}

// x in a solution set written as a＜x＜b, x＞a, x≤b … or 无解.
bool InSolutionSet(const std::string &set, long long x)
{
    if (set == "无解")
        return false;
    const int at = Find(set, "x");
    if (at < 0)
        return false;
    bool inside = true;
    const std::string before = Left(set, at);
    const std::string after = Mid(set, at + 1);
    for (const char *relation : kRelations) {
        if (!before.empty() && Right(before, Len(relation)) == relation)
            inside = inside
                && Holds(*maker::ValueOf(Left(before, Len(before) - Len(relation))), relation, Rational {x, 1});
        if (!after.empty() && Left(after, Len(relation)) == relation)
            inside = inside && Holds(Rational {x, 1}, relation, *maker::ValueOf(Mid(after, Len(relation))));
    }
    return inside;
}

// A Chinese numeral read back, as a pupil reads it: 亿 and 万 close their groups, 十 百 千 name the
// digit before them, 零 stands for nothing, 点 starts the decimals. Nothing for another text.
std::optional<Rational> ReadNumeral(const std::string &text)
{
    static const char *const digits[] = {"零", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
    long long total = 0, group = 0, digit = 0;
    std::string decimals;
    bool point = false;
    if (text.empty() || text.size() % 2 != 0)
        return std::nullopt;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        const std::string c = text.substr(i, 2);
        int d = -1;
        for (int k = 0; k < 10; ++k)
            d = c == digits[k] ? k : d;
        if (point) {
            if (d < 0)
                return std::nullopt;
            decimals += static_cast<char>('0' + d);
        } else if (d >= 0) {
            digit = d;
        } else if (c == "十" || c == "百" || c == "千") {
            group += digit * (c == "十" ? 10 : c == "百" ? 100 : 1000);
            digit = 0;
        } else if (c == "万") {
            total += (group + digit) * 10000;
            group = digit = 0;
        } else if (c == "亿") {
            total = (total + group + digit) * 100000000;
            group = digit = 0;
        } else if (c == "点") {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    total += group + digit;
    return maker::ValueOf(std::to_string(total) + (decimals.empty() ? "" : "." + decimals));
}

// The quantities of one side of a unit conversion ("3千米500米") in the smallest unit of their
// chain (分 of money when `money`); nothing for a unit the table does not know.
std::optional<Rational> Amount(const std::string &side, bool money)
{
    static const std::pair<const char *, long long> units[] = {{"千米", 1000000}, {"分米", 100}, {"厘米", 10},
        {"毫米", 1}, {"米", 1000}, {"吨", 1000000}, {"千克", 1000}, {"克", 1}, {"时", 3600}, {"分", 60}, {"秒", 1},
        {"元", 100}, {"角", 10}, {"平方米", 10000}, {"平方分米", 100}, {"平方厘米", 1}, {"立方米", 1000000},
        {"立方分米", 1000}, {"升", 1000}, {"立方厘米", 1}, {"毫升", 1}};
    Rational total {0, 1};
    std::size_t at = 0;
    while (at < side.size()) {
        const std::size_t start = at;
        while (at < side.size() && (std::isdigit(static_cast<unsigned char>(side[at])) || side[at] == '.'))
            ++at;
        const std::optional<Rational> number = maker::ValueOf(side.substr(start, at - start));
        // The longest unit name that follows.
        std::size_t longest = 0;
        long long size = 0;
        for (const auto &[name, each] : units)
            if (side.compare(at, std::strlen(name), name) == 0 && std::strlen(name) > longest) {
                longest = std::strlen(name);
                size = each;
            }
        if (!number || longest == 0)
            return std::nullopt;
        if (money && side.compare(at, longest, "分") == 0)
            size = 1; // 分 of money
        total = *RationalSum(total, *RationalProduct(*number, Rational {size, 1}));
        at += longest;
    }
    return total;
}

// The numbers of a list ("4,－3,1/2,0.5") with their texts, a full-width minus made half-width.
std::vector<std::pair<std::string, Rational>> ListNumbers(const std::string &list)
{
    std::vector<std::pair<std::string, Rational>> numbers;
    for (std::string each : SplitOn(list, ",")) {
        if (Left(each, Len("－")) == "－")
            each = "-" + Mid(each, Len("－"));
        const std::optional<Rational> value = maker::ValueOf(Solver().GetTiHuan(each, "-", "－"));
        EXPECT_TRUE(value.has_value()) << each;
        numbers.push_back({each, value.value_or(Rational {0, 1})});
    }
    return numbers;
}

// The answer of a made problem checked again with exact arithmetic, without the routine.
void CheckExactly(const MadeProblem &made)
{
    SCOPED_TRACE(made.line + "  " + made.answer);
    const std::string &line = made.line;
    const std::string &answer = made.answer;
    switch (made.type) {
    case kWordProblemType:
        CheckWordProblem(made);
        break;
    case 7:
    case 8:
    case 11:
    case 20:
    case 21:
    case 22:
        EXPECT_TRUE(Equal(line, answer));
        break;
    case 9:
    case 25:
    case 29: {
        if (answer == "原方程无解") {
            // The whole-number equation's root makes a denominator 0.
            EXPECT_EQ(made.type, 29);
            break;
        }
        ASSERT_EQ(Left(answer, Len("x＝")), "x＝");
        EXPECT_TRUE(Holds(line, {{'x', Mid(answer, Len("x＝"))}}));
        break;
    }
    case 30: {
        // At the bound both sides are equal; one above it the relation of the answer decides.
        std::string relation;
        for (const char *each : {"≥", "≤", "＞", "＜"})
            if (Contains(answer, each))
                relation = each;
        ASSERT_FALSE(relation.empty());
        const std::string bound = Mid(answer, 1 + Len(relation));
        std::string equation = line;
        for (const char *each : {"≥", "≤", "＞", "＜"})
            equation = SplitOn(equation, each).size() == 2 ? GetTiHuanText(equation, each) : equation;
        EXPECT_TRUE(Holds(equation, {{'x', bound}}));
        break;
    }
    case 26: {
        std::vector<std::pair<char, std::string>> values;
        for (const std::string &part : SplitOn(answer, "，"))
            values.push_back({part[0], Mid(part, 1 + Len("＝"))});
        for (const std::string &equation : SplitOn(line, "；"))
            EXPECT_TRUE(Holds(equation, values)) << equation;
        break;
    }
    case 28: {
        // Every solution satisfies both equations.
        for (const std::string &solution : SplitOn(answer, "；")) {
            const std::vector<std::string> halves = SplitOn(solution, "，");
            ASSERT_EQ(halves.size(), 2u);
            const std::string x = Mid(halves[0], Find(halves[0], "＝") + Len("＝"));
            const std::string y = Mid(halves[1], Find(halves[1], "＝") + Len("＝"));
            for (const std::string &equation : SplitOn(line, "；"))
                EXPECT_TRUE(Holds(equation, {{'x', x}, {'y', y}})) << equation << " " << solution;
        }
        break;
    }
    case 27: {
        std::vector<std::string> roots;
        if (Contains(answer, "x1＝x2＝"))
            roots.push_back(Mid(answer, Len("x1＝x2＝")));
        else
            for (const std::string &part : SplitOn(answer, " ,"))
                roots.push_back(Mid(part, Find(part, "＝") + Len("＝")));
        for (const std::string &root : roots)
            EXPECT_TRUE(Holds(line, {{'x', root}})) << root;
        break;
    }
    case 3:
    case 4: {
        // Common multiples: ten, each the next multiple of the first, which every number divides;
        // common factors: the divisors of the greatest, which divides every number.
        std::vector<long long> numbers;
        for (const std::string &n : SplitOn(line, ","))
            numbers.push_back(std::atoll(n.c_str()));
        std::vector<long long> listed;
        for (const std::string &n : SplitOn(answer, ","))
            listed.push_back(std::atoll(n.c_str()));
        ASSERT_FALSE(listed.empty());
        const long long key = made.type == 3 ? listed.front() : listed.back();
        for (long long n : numbers)
            EXPECT_EQ(made.type == 3 ? key % n : n % key, 0);
        std::vector<long long> expected;
        for (long long k = 1; k <= (made.type == 3 ? 10 : key); ++k)
            if (made.type == 3 || key % k == 0)
                expected.push_back(made.type == 3 ? k * key : k);
        EXPECT_EQ(listed, expected);
        if (made.type == 3) { // the first is the least: no smaller multiple of the first number works
            for (long long m = numbers[0]; m < key; m += numbers[0]) {
                bool all = true;
                for (long long n : numbers)
                    all = all && m % n == 0;
                EXPECT_FALSE(all) << m;
            }
        } else { // the greatest: the numbers over it share no factor
            long long g = 0;
            for (long long n : numbers)
                g = std::gcd(g, n / key);
            EXPECT_EQ(g, 1);
        }
        break;
    }
    case 12: {
        std::string product = answer;
        product = Solver().GetTiHuan(product, "^(", "^");
        product = Solver().GetTiHuan(product, ")", "");
        EXPECT_TRUE(Equal(line, product));
        for (const std::string &factor : SplitOn(answer, "×")) {
            const long long p = std::atoll(factor.c_str());
            for (long long d = 2; d * d <= p; ++d)
                EXPECT_NE(p % d, 0) << p;
        }
        break;
    }
    case 10: {
        // Every pair of terms in the same proportion, the answer's terms whole without a common factor.
        const std::vector<std::string> given = SplitOn(line, ":");
        const std::vector<std::string> simplest = SplitOn(answer, ":");
        ASSERT_EQ(given.size(), simplest.size());
        long long g = 0;
        for (std::size_t i = 0; i < given.size(); ++i) {
            g = std::gcd(g, std::atoll(simplest[i].c_str()));
            EXPECT_TRUE(Equal(given[0] + "×" + simplest[i], given[i] + "×" + simplest[0]));
        }
        EXPECT_EQ(g, 1);
        break;
    }
    case 18: {
        const std::string equation = Put(line, 'x', Mid(answer, Len("x＝")));
        const std::vector<std::string> sides = SplitOn(equation, "＝");
        const std::vector<std::string> left = SplitOn(sides[0], ":");
        const std::vector<std::string> right = SplitOn(sides[1], ":");
        EXPECT_TRUE(Equal(left[0] + "×" + right[1], left[1] + "×" + right[0]));
        break;
    }
    case 31: {
        // Every whole x from －40 to 40 is in the answer's set exactly when it satisfies both.
        for (long long x = -40; x <= 40; ++x) {
            bool both = true;
            for (const std::string &inequality : SplitOn(line, "；"))
                both = both && Satisfies(inequality, x);
            EXPECT_EQ(both, InSolutionSet(answer, x)) << x;
        }
        break;
    }
    case 5: {
        for (const char *relation : {"＞", "＜", "＝"}) {
            const std::vector<std::string> sides = SplitOn(answer, relation);
            if (sides.size() != 2)
                continue;
            EXPECT_EQ(sides[0] + "," + sides[1], line);
            const Rational a = *maker::ValueOf(sides[0]);
            const Rational b = *maker::ValueOf(sides[1]);
            EXPECT_EQ(std::string(relation), Less(a, b) ? "＜" : Less(b, a) ? "＞" : "＝");
        }
        break;
    }
    case 15: {
        std::vector<std::string> given = SplitOn(line, ",");
        std::vector<std::string> sorted = SplitOn(answer, " ");
        for (std::size_t i = 1; i < sorted.size(); ++i)
            EXPECT_TRUE(Less(*maker::ValueOf(sorted[i - 1]), *maker::ValueOf(sorted[i])));
        std::sort(given.begin(), given.end());
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(given, sorted);
        break;
    }
    case 13: {
        // m×10^(e) with 1 ≤ |m| < 10, and the value of the number.
        const int times = Find(answer, "×10^(");
        ASSERT_GT(times, 0);
        const Rational mantissa = *maker::ValueOf(Left(answer, times));
        const long long exponent = std::atoll(Solver().GetTiHuan(Mid(answer, times + Len("×10^(")), "－", "-").c_str());
        Rational value = mantissa;
        for (long long i = 0; i < (exponent < 0 ? -exponent : exponent); ++i)
            value
                = exponent < 0 ? *RationalQuotient(value, Rational {10, 1}) : *RationalProduct(value, Rational {10, 1});
        const Rational size = mantissa.numerator < 0 ? Rational {-mantissa.numerator, mantissa.denominator} : mantissa;
        EXPECT_FALSE(Less(size, Rational {1, 1}));
        EXPECT_TRUE(Less(size, Rational {10, 1}));
        EXPECT_TRUE(maker::SameValue(value, *maker::ValueOf(line)));
        break;
    }
    case 23: {
        const ReadExpression a = ReadPupilExpression(line, false);
        const ReadExpression b = ReadPupilExpression(answer, false);
        ASSERT_TRUE(a.tree && b.tree);
        EXPECT_TRUE(SameValue(*ExactValueOf(*a.tree), *ExactValueOf(*b.tree)).value_or(false));
        break;
    }
    case 24: {
        // Squared, both sides the same whole number: (k√m)^2 ＝ k^2·m, and the line's value squared
        // is worked from its parts.
        const auto square = [](const std::string &surd) -> Rational {
            const int root = Find(surd, "√");
            const long long k = root == 0 ? 1 : std::atoll(Left(surd, root < 0 ? Len(surd) : root).c_str());
            const long long m = root < 0 ? 1 : std::atoll(Mid(surd, root + Len("√")).c_str());
            return Rational {k * k * m, 1};
        };
        // Every line is a sum, difference or product of two terms, each a whole times a root.
        Rational expected {0, 1};
        if (Contains(line, "×")) {
            const std::vector<std::string> parts = SplitOn(line, "×");
            expected = *RationalProduct(square(parts[0]), square(parts[1]));
        } else {
            const bool minus = Contains(line, "－");
            const std::vector<std::string> parts = SplitOn(line, minus ? "－" : "＋");
            if (parts.size() == 1) {
                expected = square(parts[0]);
            } else {
                // (√a ± √b)^2 ＝ a ＋ b ± 2√(ab): with like roots √(ab) is whole.
                const Rational a = square(parts[0]);
                const Rational b = square(parts[1]);
                long long ab = static_cast<long long>(a.numerator * b.numerator);
                long long root = 0;
                while ((root + 1) * (root + 1) <= ab)
                    ++root;
                ASSERT_EQ(root * root, ab) << "unlike roots";
                expected = Rational {static_cast<long long>(a.numerator + b.numerator) + (minus ? -2 : 2) * root, 1};
            }
        }
        EXPECT_TRUE(maker::SameValue(square(answer), expected));
        break;
    }
    case 32: {
        // The blank filled, the equation holds.
        std::string filled = Solver().GetTiHuan(answer, "(", "");
        filled = Solver().GetTiHuan(filled, ")", "");
        const std::vector<std::string> sides = SplitOn(filled, "＝");
        ASSERT_EQ(sides.size(), 2u);
        EXPECT_TRUE(Equal(sides[0], sides[1]));
        EXPECT_EQ(Solver().GetTiHuan(Solver().GetTiHuan(line, "+", "＋"), "-", "－"),
            answer.substr(0, answer.find('(')) + "()" + answer.substr(answer.find(')') + 1));
        break;
    }
    case 33: {
        // The terms filled follow one of the rules: the same difference, the same ratio, squares,
        // each the sum of the two before, or differences growing by one.
        std::vector<long long> t;
        for (std::string each : SplitOn(answer, "，")) {
            each = Solver().GetTiHuan(Solver().GetTiHuan(each, "(", ""), ")", "");
            t.push_back(std::atoll(each.c_str()));
        }
        ASSERT_GE(t.size(), 5u);
        bool difference = true, ratio = true, squares = true, sums = true, growing = true;
        for (std::size_t i = 1; i < t.size(); ++i) {
            difference = difference && t[i] - t[i - 1] == t[1] - t[0];
            ratio = ratio && t[i] == t[i - 1] * (t[1] / t[0]) && t[1] % t[0] == 0;
            if (i >= 2) {
                sums = sums && t[i] == t[i - 1] + t[i - 2];
                growing = growing && (t[i] - t[i - 1]) - (t[i - 1] - t[i - 2]) == 1;
            }
        }
        for (std::size_t i = 0; i < t.size(); ++i) {
            long long r = 0;
            while ((r + 1) * (r + 1) <= t[i])
                ++r;
            squares = squares && r * r == t[i] && (i == 0 || r * r > t[i - 1]);
        }
        EXPECT_TRUE(difference || ratio || squares || sums || growing);
        EXPECT_EQ(Solver().GetTiHuan(line, ",", "，").size(), line.size() + t.size() - 1);
        break;
    }
    case 1:
    case 2: {
        // The reading read back is the number; no 零 at its end, none twice, none before 万 or 亿.
        const std::string &reading = made.type == 1 ? answer : line;
        const std::string &number = made.type == 1 ? line : answer;
        const std::optional<Rational> read = ReadNumeral(reading);
        ASSERT_TRUE(read.has_value());
        EXPECT_TRUE(maker::SameValue(*read, *maker::ValueOf(number)));
        const std::string integer = Left(reading, Find(reading + "点", "点"));
        EXPECT_FALSE(Contains(integer, "零零") || Contains(integer, "零万") || Contains(integer, "零亿"));
        EXPECT_TRUE(integer == "零" || Right(integer, Len("零")) != "零") << integer;
        break;
    }
    case 6: {
        // The answer repeats the given side, and both sides are the same amount.
        const std::vector<std::string> sides = SplitOn(answer, "=");
        ASSERT_EQ(sides.size(), 2u);
        EXPECT_EQ(sides[0] + "＝", Left(line, Len(sides[0]) + Len("＝")));
        const bool money = Contains(answer, "元") || Contains(answer, "角");
        const std::optional<Rational> a = Amount(sides[0], money);
        const std::optional<Rational> b = Amount(sides[1], money);
        ASSERT_TRUE(a && b);
        EXPECT_TRUE(maker::SameValue(*a, *b));
        // The blanks' units, in order.
        EXPECT_EQ(Solver().GetTiHuan(Mid(line, Find(line, "＝") + Len("＝")), "()", ""), [&] {
            std::string units;
            for (std::size_t i = 0; i < sides[1].size(); ++i)
                if (!std::isdigit(static_cast<unsigned char>(sides[1][i])) && sides[1][i] != '.')
                    units += sides[1][i];
            return units;
        }());
        break;
    }
    case 14: {
        // The rounded value is a whole number of the place's units, at most half a unit from the
        // number; half a unit rounds away from 0. It shows the place's decimals.
        const int at = std::max(Find(line, "精确到"), Find(line, "四舍五入到"));
        ASSERT_GT(at, 0);
        const std::string place = Mid(line, at + Len(Contains(line, "精确到") ? "精确到" : "四舍五入到"));
        static const char *const decimalPlaces[] = {"个位", "十分位", "百分位", "千分位"};
        static const char *const wholePlaces[] = {"万位", "十万位", "百万位", "千万位", "亿位"};
        Rational unit {0, 1};
        int decimals = 0;
        for (int k = 0; k < 4; ++k)
            if (place == decimalPlaces[k]) {
                unit = maker::Ratio(1, static_cast<long long>(std::pow(10, k)));
                decimals = k;
            }
        for (int k = 0; k < 5; ++k)
            if (place == wholePlaces[k])
                unit = Rational {static_cast<long long>(std::pow(10, k + 4)), 1};
        ASSERT_NE(unit.numerator, 0) << place;
        const Rational number = *maker::ValueOf(Left(line, at));
        const Rational rounded = *maker::ValueOf(answer);
        const Rational units = *RationalQuotient(rounded, unit);
        EXPECT_EQ(units.denominator, 1);
        Rational away = *RationalSum(rounded, Rational {-number.numerator, number.denominator});
        if (number.numerator < 0)
            away = Rational {-away.numerator, away.denominator};
        const Rational half = *RationalQuotient(unit, Rational {2, 1});
        EXPECT_TRUE(Less(Rational {-half.numerator, half.denominator}, away) && !Less(half, away));
        EXPECT_EQ(Find(answer, ".") < 0 ? 0 : Len(answer) - Find(answer, ".") - 1, decimals);
        break;
    }
    case 16: {
        // The numbers the question picks, worked out here from their values.
        const int at = Find(line, "；");
        const auto numbers = ListNumbers(Left(line, at));
        const std::string question = Mid(line, at + Len("；"));
        const auto whole = [](const Rational &v, const std::string &text) {
            return v.denominator == 1 && !Contains(text, ".") && !Contains(text, "/");
        };
        std::string expected;
        for (const auto &[text, v] : numbers) {
            const long long n = static_cast<long long>(v.numerator);
            bool prime = n >= 2;
            for (long long d = 2; d * d <= n && prime; ++d)
                prime = n % d != 0;
            bool picked = false;
            if (Contains(question, "的倍数") || Contains(question, "的因数")) {
                const long long k = std::atoll(Mid(question, Len("哪些是")).c_str());
                picked = Contains(question, "倍数") ? n % k == 0 : k % n == 0;
            } else if (Contains(question, "奇数") || Contains(question, "偶数")) {
                picked = (n % 2 != 0) == Contains(question, "奇数");
            } else if (Contains(question, "质数")) {
                picked = prime;
            } else if (Contains(question, "合数")) {
                picked = n > 1 && !prime;
            } else if (Contains(question, "自然数")) {
                picked = whole(v, text) && n >= 0;
            } else if (Contains(question, "整数")) {
                picked = whole(v, text);
            } else if (Contains(question, "负数")) {
                picked = n < 0;
            } else if (Contains(question, "小数")) {
                picked = Contains(text, ".");
            } else {
                const bool fraction = Contains(text, "/");
                picked = fraction && (Contains(question, "真分数") == Less(v, Rational {1, 1}));
            }
            if (picked)
                expected += (expected.empty() ? "" : ",") + text;
        }
        EXPECT_EQ(answer, expected);
        break;
    }
    case 17: {
        // The mean, median, the one mode, the variance or the mean of the numbers picked, exactly.
        const int at = Find(line, "；");
        std::vector<Rational> values;
        for (const auto &[text, v] : ListNumbers(Left(line, at)))
            values.push_back(v);
        const std::string question = Mid(line, at + Len("；"));
        const auto mean = [](const std::vector<Rational> &list) {
            Rational sum {0, 1};
            for (const Rational &v : list)
                sum = *RationalSum(sum, v);
            return *RationalQuotient(sum, Rational {static_cast<long long>(list.size()), 1});
        };
        Rational expected {0, 1};
        std::vector<Rational> sorted = values;
        std::sort(sorted.begin(), sorted.end(), [](const Rational &a, const Rational &b) { return Less(a, b); });
        if (Contains(question, "正数") || Contains(question, "偶数")) {
            std::vector<Rational> picked;
            for (const Rational &v : values)
                if (Contains(question, "正数") ? v.numerator > 0 : v.numerator >= 0 && v.numerator % 2 == 0)
                    picked.push_back(v);
            expected = mean(picked);
        } else if (Contains(question, "平均数")) {
            expected = mean(values);
        } else if (Contains(question, "中位数")) {
            const std::size_t m = sorted.size() / 2;
            expected = sorted.size() % 2 == 1 ? sorted[m] : mean({sorted[m - 1], sorted[m]});
        } else if (Contains(question, "众数")) {
            int most = 0, ties = 0;
            for (const Rational &v : sorted) {
                const int times = static_cast<int>(std::count_if(
                    sorted.begin(), sorted.end(), [&](const Rational &w) { return maker::SameValue(v, w); }));
                if (times > most) {
                    most = times;
                    expected = v;
                    ties = 0;
                } else if (times == most && !maker::SameValue(v, expected)) {
                    ++ties;
                }
            }
            EXPECT_GE(most, 2);
            EXPECT_EQ(ties, 0);
        } else {
            ASSERT_TRUE(Contains(question, "方差"));
            const Rational m = mean(values);
            std::vector<Rational> squares;
            for (const Rational &v : values) {
                const Rational d = *RationalSum(v, Rational {-m.numerator, m.denominator});
                squares.push_back(*RationalProduct(d, d));
            }
            expected = mean(squares);
        }
        EXPECT_TRUE(maker::SameValue(*maker::ValueOf(answer), expected));
        break;
    }
    default:
        ADD_FAILURE() << "no check for type " << made.type;
    }
}

std::vector<int> MadeTypes()
{
    std::vector<int> types;
    for (const MakerLevelRow &row : MakerLevels())
        types.push_back(row.type);
    return types;
}

TEST(MakerProperty, EveryProblemIsProvedDistinctAndTheSameFromTheSameSeed)
{
    const int perLevel = ProblemsPerLevel();
    for (int type : MadeTypes())
        for (MakerLevel level : kLevels) {
            SCOPED_TRACE(std::to_string(type) + " " + MakerLevelName(level));
            int made = 0;
            for (std::uint64_t seed = 1; made < perLevel && seed <= 100000; ++seed) {
                const MadeProblems batch = MakeProblems(type, level, 20, seed);
                ASSERT_TRUE(batch.refusal.empty()) << batch.refusal;
                ASSERT_EQ(batch.problems.size(), 20u);
                std::set<std::string> lines;
                for (const MadeProblem &problem : batch.problems) {
                    EXPECT_TRUE(lines.insert(problem.line).second) << problem.line;
                    EXPECT_EQ(problem.type, type);
                    EXPECT_EQ(problem.level, level);
                    // The routine gives the answer handed out, and exact arithmetic agrees.
                    EXPECT_EQ(maker::RoutineAnswer(type, problem.line).value_or("?"), problem.answer);
                    EXPECT_FALSE(Contains(problem.answer, "无法"));
                    CheckExactly(problem);
                }
                if (seed <= 3) {
                    const MadeProblems again = MakeProblems(type, level, 20, seed);
                    ASSERT_EQ(again.problems.size(), batch.problems.size());
                    for (std::size_t i = 0; i < again.problems.size(); ++i)
                        EXPECT_EQ(again.problems[i].line, batch.problems[i].line);
                }
                made += static_cast<int>(batch.problems.size());
            }
        }
}

// What each level makes, over 200 problems: a property of every problem and one of the batch.
TEST(MakerLevels, EachLevelMakesWhatTheTableSays)
{
    using Check = std::function<bool(const MadeProblem &)>;
    const auto has
        = [](const char *piece) { return [piece](const MadeProblem &p) { return Contains(p.line, piece); }; };
    const auto lacks
        = [](const char *piece) { return [piece](const MadeProblem &p) { return !Contains(p.line, piece); }; };
    // A column addition or subtraction whose columns never carry or borrow.
    const Check noCarry = [](const MadeProblem &p) {
        const bool plus = Contains(p.line, "＋");
        const std::vector<std::string> parts = SplitOn(p.line, plus ? "＋" : "－");
        long long a = std::atoll(parts[0].c_str());
        long long b = std::atoll(parts[1].c_str());
        for (; b > 0; a /= 10, b /= 10)
            if (plus ? a % 10 + b % 10 > 9 : a % 10 < b % 10)
                return false;
        return true;
    };
    const Check wholeRoots = [](const MadeProblem &p) { return !Contains(p.answer, "/") && !Contains(p.answer, "."); };
    const Check threeUnknowns = [](const MadeProblem &p) { return Contains(p.answer, "z＝"); };
    const Check flipped = [](const MadeProblem &p) {
        return (Contains(p.line, "＞") && Contains(p.answer, "＜"))
            || (Contains(p.line, "＜") && Contains(p.answer, "＞"))
            || (Contains(p.line, "≥") && Contains(p.answer, "≤")) || (Contains(p.line, "≤") && Contains(p.answer, "≥"));
    };
    const Check bothSides = [](const MadeProblem &p) { return Contains(Mid(p.line, Find(p.line, "＝")), "x"); };
    const auto law = [](const char *name) -> Check {
        return [name](const MadeProblem &p) { return Contains(Solver().JianBianYunSuan(p.line, 5), name); };
    };
    struct Row {
        int type;
        MakerLevel level;
        Check every; // holds for every problem of the level
        Check some; // holds for at least one in twenty
    };
    const Check any = [](const MadeProblem &) { return true; };
    const Row rows[] = {
        {7, MakerLevel::JiChu, noCarry, any},
        {7, MakerLevel::TiGao, [&](const MadeProblem &p) { return Contains(p.line, "×") || !noCarry(p); }, has("×")},
        {7, MakerLevel::TuoZhan, any, has(".")},
        {8, MakerLevel::JiChu, lacks("("), any},
        {8, MakerLevel::TiGao, has("("), any},
        {8, MakerLevel::TuoZhan, lacks("("), has("/")},
        {9, MakerLevel::JiChu, lacks("("), any},
        {9, MakerLevel::TuoZhan, any, has("(")},
        {11, MakerLevel::JiChu, any, law("结合律")},
        {11, MakerLevel::TiGao, law("分配律"), any},
        {11, MakerLevel::TuoZhan, any, law("拆数")},
        {20, MakerLevel::JiChu, lacks("×"), has("－")},
        {20, MakerLevel::TiGao, has("÷"), any},
        {20, MakerLevel::TuoZhan, has("^"), has("/")},
        {21, MakerLevel::JiChu, lacks("("), any},
        {21, MakerLevel::TuoZhan, has(")("), any},
        {22, MakerLevel::JiChu, any, [](const MadeProblem &p) { return Contains(p.answer, "^2"); }},
        {22, MakerLevel::TuoZhan, any, has("y^2")},
        {25, MakerLevel::JiChu, [&](const MadeProblem &p) { return !bothSides(p); }, any},
        {25, MakerLevel::TiGao, bothSides, any},
        {25, MakerLevel::TuoZhan, has("("),
            [](const MadeProblem &p) { return Contains(p.answer, "/") || Contains(p.answer, "."); }},
        {26, MakerLevel::TuoZhan, threeUnknowns, any},
        {27, MakerLevel::JiChu, wholeRoots, any},
        {27, MakerLevel::TiGao, any, [&](const MadeProblem &p) { return !wholeRoots(p); }},
        {27, MakerLevel::TuoZhan, wholeRoots, any},
        {29, MakerLevel::JiChu, lacks("无解"), any},
        {29, MakerLevel::TiGao, any, [](const MadeProblem &p) { return p.answer == "原方程无解"; }},
        {29, MakerLevel::TuoZhan, has("x^2"), any},
        {4, MakerLevel::TuoZhan, [](const MadeProblem &p) { return SplitOn(p.line, ",").size() == 3; }, any},
        {10, MakerLevel::TiGao, has("."), any},
        {10, MakerLevel::TuoZhan, [](const MadeProblem &p) { return SplitOn(p.answer, ":").size() == 3; }, any},
        {12, MakerLevel::JiChu, [](const MadeProblem &p) { return std::atoll(p.line.c_str()) <= 100; }, any},
        {18, MakerLevel::JiChu, [](const MadeProblem &p) { return Left(p.line, 1) == "x"; }, any},
        {31, MakerLevel::TuoZhan, any, [](const MadeProblem &p) { return p.answer == "无解"; }},
        {30, MakerLevel::JiChu, [&](const MadeProblem &p) { return !flipped(p); }, any},
        {30, MakerLevel::TiGao, flipped, any},
        {1, MakerLevel::JiChu, [](const MadeProblem &p) { return Len(p.line) <= 4; }, has("0")},
        {1, MakerLevel::TiGao, [](const MadeProblem &p) { return Len(p.line) >= 5 && Len(p.line) <= 8; },
            [](const MadeProblem &p) { return Contains(p.answer, "零"); }},
        {1, MakerLevel::TuoZhan, any, has(".")},
        {2, MakerLevel::TuoZhan, any, has("亿")},
        {6, MakerLevel::JiChu, [](const MadeProblem &p) { return SplitOn(p.answer, "=")[0].size() < 8; }, any},
        {6, MakerLevel::TiGao,
            [](const MadeProblem &p) { // three amounts: a compound one on one side
                int runs = 0;
                for (std::size_t i = 0; i < p.answer.size(); ++i)
                    runs += std::isdigit(static_cast<unsigned char>(p.answer[i])) != 0
                        && (i == 0 || std::isdigit(static_cast<unsigned char>(p.answer[i - 1])) == 0);
                return runs == 3;
            },
            [](const MadeProblem &p) { return SplitOn(p.line, "()").size() == 3; }},
        {6, MakerLevel::TuoZhan, any, [](const MadeProblem &p) { return Contains(p.answer, "."); }},
        {14, MakerLevel::TiGao, any, [](const MadeProblem &p) { return Right(p.answer, 1) == "0"; }},
        {14, MakerLevel::TuoZhan, any, has("亿位")},
        {16, MakerLevel::JiChu,
            [](const MadeProblem &p) { return Contains(p.line, "奇数") || Contains(p.line, "偶数"); }, any},
        {16, MakerLevel::TiGao, any, has("的因数")},
        {16, MakerLevel::TuoZhan, any, has("/")},
        {17, MakerLevel::JiChu, has("平均数"), any},
        {17, MakerLevel::TiGao, [](const MadeProblem &p) { return !Contains(p.line, "平均数"); }, has("众数")},
        {17, MakerLevel::TuoZhan, any, has("方差")},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::to_string(row.type) + " " + MakerLevelName(row.level));
        // Seven requests of 30: some levels hold fewer than 200 different problems.
        std::vector<MadeProblem> made;
        for (std::uint64_t seed = 11; seed < 18; ++seed) {
            const MadeProblems batch = MakeProblems(row.type, row.level, 30, seed);
            ASSERT_EQ(batch.problems.size(), 30u);
            made.insert(made.end(), batch.problems.begin(), batch.problems.end());
        }
        int some = 0;
        for (const MadeProblem &p : made) {
            EXPECT_TRUE(row.every(p)) << p.line << "  " << p.answer;
            some += row.some(p) ? 1 : 0;
        }
        EXPECT_GE(some, 10);
    }
    // The level names, GBK or UTF-8 (a browser's arguments).
    MakerLevel read = MakerLevel::JiChu;
    EXPECT_TRUE(ReadMakerLevel("拓展", read));
    EXPECT_EQ(read, MakerLevel::TuoZhan);
    EXPECT_TRUE(ReadMakerLevel("\xE6\x8F\x90\xE9\xAB\x98", read));
    EXPECT_EQ(read, MakerLevel::TiGao);
    EXPECT_FALSE(ReadMakerLevel("5", read));
    // Every type the table names can be made, the others say why not.
    for (int type = 0; type <= 34; ++type) {
        EXPECT_EQ(CanMake(type), !LevelMeaning(type, MakerLevel::JiChu).empty());
        if (!CanMake(type)) {
            EXPECT_FALSE(MakeProblems(type, MakerLevel::JiChu, 5, 1).refusal.empty());
        }
    }
}

// The proof by the routines: answers worked out by hand are accepted, a wrong one never is.
TEST(MakerProof, AcceptsTheRightAnswerOnly)
{
    struct Row {
        int type;
        const char *line;
        const char *right;
        const char *wrong;
    };
    const Row rows[] = {
        {7, "478－273", "205", "215"},
        {8, "(36－12)÷4×3", "18", "2"},
        {11, "37×64＋37×36", "3700", "370"},
        {20, "－3＋4×(－2)", "－11", "－4"},
        {9, "x＋10＝13", "x＝3", "x＝23"},
        {25, "3x＋5＝2x－7", "x＝－12", "x＝12"},
        {26, "x＋y＝5；x－y＝1", "x＝3，y＝2", "x＝2，y＝3"},
        {27, "x^2－5x＋6＝0", "x1＝2 ,x2＝3", "x1＝－2 ,x2＝－3"},
        {27, "2x^2＋3x－2＝0", "x1＝－2 ,x2＝1/2", "x1＝2 ,x2＝－1/2"},
        {27, "x^2－4x＋4＝0", "x1＝x2＝2", "x1＝x2＝－2"},
        {29, "(x＋1)÷(x－2)＋1＝3÷(x－2)", "原方程无解", "x＝2"},
        {29, "6÷(x＋1)＝9÷(x－1)", "x＝－5", "x＝5"},
        {30, "－2x＋14≥6", "x≤4", "x≥4"},
        {21, "(x＋1)(x－2)", "x^2－x－2", "x^2＋x－2"},
        {22, "x^2－5x＋6", "(x－2)(x－3)", "(x＋2)(x＋3)"},
        {22, "2x^2－8", "2(x＋2)(x－2)", "(x＋2)(x－2)"},
        {3, "4,6", "12,24,36,48,60,72,84,96,108,120", "24,48,72,96,120,144,168,192,216,240"},
        {4, "12,18", "1,2,3,6", "1,2,3,6,9"},
        {10, "12:18", "2:3", "3:2"},
        {12, "60", "2^(2)×3×5", "2×3×10"},
        {18, "x:3＝4:6", "x＝2", "x＝8"},
        {31, "2x＋1＞3；x－4＜0", "1＜x＜4", "x＞1"},
        {5, "3/4,5/6", "3/4＜5/6", "3/4＞5/6"},
        {15, "3/4,0.7,2/3", "2/3 0.7 3/4", "0.7 2/3 3/4"},
        {23, "2÷(x＋1)＋3÷(x＋1)", "5/(x＋1)", "5/(2x＋2)"},
        {24, "√8＋√18", "5√2", "√26"},
        {32, "3+()＝10", "3＋(7)＝10", "3＋(13)＝10"},
        {28, "x＋y＝5；xy＝6", "x1＝3，y1＝2；x2＝2，y2＝3", "x1＝3，y1＝2"},
        {33, "1,3,5,7,(),11", "1，3，5，7，(9)，11", "1，3，5，7，(8)，11"},
        {1, "30050", "三万零五十", "三万五十"},
        {1, "4006.05", "四千零六点零五", "四千零六点五"},
        {2, "四亿零三十万", "400300000", "430000000"},
        {6, "3千米500米＝()米", "3千米500米=3500米", "3千米500米=3050米"},
        {6, "2050克＝()千克()克", "2050克=2千克50克", "2050克=2千克5克"},
        {14, "2.996精确到百分位", "3.00", "3.0"},
        {14, "38465000四舍五入到万位", "38470000", "38460000"},
        {16, "2,9,15,17,21；哪些是质数？", "2,17", "2,9,17"},
        {17, "3,5,7,9,6；这组数据的平均数是()。", "6", "5"},
        {17, "2,4,4,8；这组数据的方差是()。", "4.75", "5"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_TRUE(maker::Proved(row.type, {row.line, row.right}).has_value());
        EXPECT_FALSE(maker::Proved(row.type, {row.line, row.wrong}).has_value());
    }
    // A line the routine refuses proves nothing.
    EXPECT_FALSE(maker::Proved(25, {"x＝＝", "x＝0"}).has_value());
    EXPECT_FALSE(maker::Proved(27, {"x^2＋1＝0", "x1＝1 ,x2＝－1"}).has_value());
}

// The texts the makers build and read, worked out by hand.
TEST(MakerTexts, PolynomialsFactorsAndValues)
{
    EXPECT_EQ(maker::PolynomialText({{1, "x^2"}, {-5, "x"}, {6, ""}}), "x^2－5x＋6");
    EXPECT_EQ(maker::PolynomialText({{-1, "x"}, {0, "y"}, {-12, ""}}), "－x－12");
    EXPECT_EQ(maker::PolynomialText({{0, "x"}}), "0");
    EXPECT_EQ(maker::LinearText(2, "x", -3, "y"), "2x－3y");
    const auto a = maker::ReadPolynomial("x^(2)－x－2");
    const auto b = maker::ReadPolynomial("－2＋x^2－x");
    ASSERT_TRUE(a && b);
    EXPECT_TRUE(maker::SamePolynomial(*a, *b));
    EXPECT_FALSE(maker::SamePolynomial(*a, *maker::ReadPolynomial("x^2－x＋2")));
    EXPECT_FALSE(maker::ReadPolynomial("(x＋1)"));
    EXPECT_FALSE(maker::ReadPolynomial(""));
    const auto f = maker::ReadFactors("2(x＋2)(x－2)");
    ASSERT_TRUE(f);
    EXPECT_EQ(*f, (std::vector<std::string> {"2", "x＋2", "x－2"}));
    EXPECT_EQ(*maker::ReadFactors("(x－3)^2"), (std::vector<std::string> {"x－3", "x－3"}));
    EXPECT_FALSE(maker::ReadFactors("(x＋1"));
    EXPECT_EQ(maker::ValueText(maker::Ratio(-3, 6)), "－0.5");
}

// 举一反三: problems like the typed line, with an answer of the same shape; a line without an
// answer gets a sentence.
TEST(MakerSimilar, KeepsTheShapeOfTheTypedLine)
{
    struct Row {
        int type;
        const char *typed;
        std::function<bool(const MadeProblem &)> alike;
    };
    const Row rows[] = {
        {25, "3x+5=2x-7", [](const MadeProblem &p) { return Contains(Mid(p.line, Find(p.line, "＝")), "x"); }},
        {27, "x^2-5x+6=0", [](const MadeProblem &p) { return !Contains(p.answer, "/") && Contains(p.answer, ","); }},
        {27, "2x^2+3x-2=0", [](const MadeProblem &p) { return Contains(p.answer, "/"); }},
        {29, "1/(x-2)+3=(x-1)/(x-2)", [](const MadeProblem &p) { return p.answer == "原方程无解"; }},
        {22, "x^2-5x+6", [](const MadeProblem &p) { return Contains(p.answer, ")(") && !Contains(p.answer, "^"); }},
        // 25×4×7 is worked in order, with no law to name: the law's shape is 25×n×4.
        {11, "25×7×4",
            [](const MadeProblem &p) { return Left(p.line, Len("25×")) == "25×" && Right(p.line, Len("×4")) == "×4"; }},
        {11, "37×64+37×36",
            [](const MadeProblem &p) { return Contains(Solver().JianBianYunSuan(p.line, 5), "分配律"); }},
        {8, "3.5×2+1.2", [](const MadeProblem &p) { return Contains(p.line, ".") && Contains(p.answer, "."); }},
        {20, "-1/2+1/3", [](const MadeProblem &p) { return Contains(p.answer, "/"); }},
        {26, "2x+y=5, x-y=1", [](const MadeProblem &p) { return Contains(p.line, "；"); }},
        {21, "(x+1)(x-2)", [](const MadeProblem &p) { return Contains(p.answer, "x^2"); }},
        {1, "30050", [](const MadeProblem &p) { return Len(p.line) == 5; }},
        {2, "三万零五十", [](const MadeProblem &p) { return Len(p.answer) == 5 && !Contains(p.answer, "."); }},
        {6, "3千米500米=()米",
            [](const MadeProblem &p) { return Contains(p.line, "千米") && Right(p.line, Len("()米")) == "()米"; }},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.typed);
        const MadeProblems made = Similar(row.type, row.typed, 5, 3);
        EXPECT_EQ(made.problems.size(), 5u) << made.refusal;
        std::set<std::string> lines;
        for (const MadeProblem &p : made.problems) {
            EXPECT_TRUE(lines.insert(p.line).second);
            EXPECT_TRUE(row.alike(p)) << p.line << "  " << p.answer;
            EXPECT_EQ(maker::RoutineAnswer(row.type, p.line).value_or("?"), p.answer);
            CheckExactly(p);
        }
        const MadeProblems again = Similar(row.type, row.typed, 5, 3);
        ASSERT_EQ(again.problems.size(), made.problems.size());
        for (std::size_t i = 0; i < made.problems.size(); ++i)
            EXPECT_EQ(again.problems[i].line, made.problems[i].line);
    }
    for (const char *unreadable : {"", "hello", "x^2+1=0", "((((", "1÷0"}) {
        const MadeProblems made = Similar(27, unreadable, 3, 1);
        EXPECT_TRUE(made.problems.empty()) << unreadable;
        EXPECT_FALSE(made.refusal.empty()) << unreadable;
    }
    EXPECT_FALSE(Similar(19, "12345", 3, 1).refusal.empty()); // no type 19
    // Counts beyond the cap are cut, never a hang.
    EXPECT_LE(MakeProblems(25, MakerLevel::JiChu, 1000000, 1).problems.size(), 500u);
    EXPECT_TRUE(MakeProblems(25, MakerLevel::JiChu, -3, 1).problems.empty());
}

} // namespace
} // namespace qimbel
