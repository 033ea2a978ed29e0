// 两个数的大小比较: the sign is proved against exact arithmetic on random pairs typed as fractions,
// decimals and percentages; whole worked texts are in the golden texts under tests/golden/numbers/.
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace qimbel;

namespace {

// The decimal text of n/d when d divides a power of ten up to 10^4, else empty.
std::string DecimalOf(long long n, long long d)
{
    for (long long scale : {1LL, 10LL, 100LL, 1000LL, 10000LL}) {
        if (scale % d != 0)
            continue;
        const long long scaled = n * (scale / d);
        const long long whole = (scaled < 0 ? -scaled : scaled) / scale;
        std::string text = (scaled < 0 ? "-" : "") + std::to_string(whole);
        if (scale > 1) {
            std::string places = std::to_string((scaled < 0 ? -scaled : scaled) % scale + scale).substr(1);
            text += "." + places;
        }
        return text;
    }
    return {};
}

} // namespace

TEST(DaXiaoBiJiao, SignAgreesWithExactArithmeticOnRandomPairs)
{
    Solver solver;
    std::mt19937 random(20);
    std::uniform_int_distribution<int> numerator(-40, 40);
    std::uniform_int_distribution<int> denominator(1, 16);
    for (int round = 0; round < 400; ++round) {
        const long long a = numerator(random), b = denominator(random);
        const long long c = numerator(random), d = denominator(random);
        // Typed as a fraction and, where it has one, as its decimal or percentage.
        std::string left = std::to_string(a) + "/" + std::to_string(b);
        const std::string decimal = DecimalOf(c, d);
        std::string right = std::to_string(c) + "/" + std::to_string(d);
        if (!decimal.empty() && round % 2 == 0)
            right = decimal;
        const long long cross = a * d - c * b;
        const std::string sign = cross > 0 ? "＞" : cross < 0 ? "＜" : "＝";
        const std::string line = left + "()" + right;
        EXPECT_EQ(solver.DaXiaoBiJiao(line, 1), left + "(" + sign + ")" + right) << line;
        const std::string worked = solver.DaXiaoBiJiao(left + "和" + right, 5);
        EXPECT_NE(worked.find("所以 " + left + sign + right), std::string::npos) << worked;
    }
}

TEST(DaXiaoBiJiao, TellsCloseValuesApartExactly)
{
    Solver solver;
    EXPECT_EQ(solver.DaXiaoBiJiao("0.333和1/3", 1), "0.333＜1/3");
    EXPECT_EQ(solver.DaXiaoBiJiao("33.4%和1/3", 1), "33.4%＞1/3");
    EXPECT_EQ(solver.DaXiaoBiJiao("0.142857()1/7", 1), "0.142857(＜)1/7");
    EXPECT_EQ(solver.DaXiaoBiJiao("50%()1/2", 1), "50%(＝)1/2");
    // A decimal of many places is still exact.
    EXPECT_EQ(solver.DaXiaoBiJiao("1/128和0.0078125", 1), "1/128＝0.0078125");
}

TEST(DaXiaoBiJiao, LevelsShowLinesAndLabels)
{
    Solver solver;
    EXPECT_EQ(solver.DaXiaoBiJiao("3/4()0.7", 4), "化成小数：3/4＝0.75\r\n比较：0.75＞0.7\r\n3/4(＞)0.7");
    // Two whole numbers are compared at once.
    EXPECT_EQ(solver.DaXiaoBiJiao("12和9", 5), "第1步：比较：12＞9\r\n所以 12＞9，即 12 大于 9。");
}

TEST(DaXiaoBiJiao, LinesWithoutTwoNumbersOrTooLongGiveASentence)
{
    Solver solver;
    for (const char *line : {"", "5", "abc", "3/0和1", "99999999999999999999999999999999999999999和1"}) {
        const std::string text = solver.DaXiaoBiJiao(line, 5);
        EXPECT_FALSE(text.empty()) << line;
        EXPECT_EQ(text.find("所以"), std::string::npos) << line;
    }
}
