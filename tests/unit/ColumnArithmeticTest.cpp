#include "pages/Headless.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <random>

using namespace qimbel;

namespace {

using Wide = __int128;

// A random unsigned decimal with up to `wholeDigits` integer digits and `decimals` decimals, and
// its value in units of 10^-decimals.
struct Number {
    std::string text;
    Wide scaled = 0;
    int decimals = 0;
};

Number RandomNumber(std::mt19937 &rng, int wholeDigits, int decimals)
{
    Number n;
    n.decimals = decimals;
    const int digits = 1 + static_cast<int>(rng() % static_cast<unsigned>(wholeDigits));
    for (int i = 0; i < digits + decimals; ++i) {
        const char d = static_cast<char>('0' + rng() % 10);
        if (i == digits)
            n.text += '.';
        n.text += d;
        n.scaled = n.scaled * 10 + (d - '0');
    }
    return n;
}

Wide Power10(int k)
{
    Wide p = 1;
    while (k-- > 0)
        p *= 10;
    return p;
}

// `value` in units of 10^-decimals, written with exactly that many decimals.
std::string Exact(Wide value, int decimals)
{
    const bool negative = value < 0;
    if (negative)
        value = -value;
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
        value /= 10;
    } while (value > 0);
    if (static_cast<int>(digits.size()) <= decimals)
        digits.insert(0, static_cast<std::size_t>(decimals + 1) - digits.size(), '0');
    if (decimals > 0)
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), ".");
    return (negative ? "-" : "") + digits;
}

} // namespace

TEST(ColumnArithmetic, ResultsAgreeWithExactDecimalArithmetic)
{
    Solver s;
    std::mt19937 rng(20261208);
    for (int round = 0; round < 400; ++round) {
        const int da = static_cast<int>(rng() % 4);
        const int db = static_cast<int>(rng() % 4);
        const Number a = RandomNumber(rng, 9, da);
        const Number b = RandomNumber(rng, 9, db);
        const int d = std::max(da, db);
        const Wide x = a.scaled * Power10(d - da);
        const Wide y = b.scaled * Power10(d - db);
        SCOPED_TRACE(a.text + " and " + b.text);

        EXPECT_EQ(s.ShuShiJiaFa(a.text, b.text, 1), Exact(x + y, d));
        // A smaller minuend gives the negative difference rather than a wrong number.
        const std::string difference = Exact(x - y, d);
        EXPECT_EQ(s.ShuShiJianFa(a.text, b.text, 1), x == y ? (d > 0 ? "0." + std::string(d, '0') : "0") : difference);
        // Products keep every decimal, also beyond the 32-bit range.
        EXPECT_EQ(s.ShuShiChengFa(a.text, b.text, 1), Exact(a.scaled * b.scaled, da + db));

        // The quotient Q with p decimals is a / b cut after p places: an exact one ends where
        // the division ends, a cut one has at least five decimals and is marked with "……".
        if (b.scaled == 0)
            continue;
        std::string q = s.ShuShiChuFa(a.text, b.text, 1);
        const bool cut = q.size() > 4 && q.compare(q.size() - 4, 4, "……") == 0;
        if (cut)
            q.resize(q.size() - 4);
        const std::size_t point = q.find('.');
        const int p = point == std::string::npos ? 0 : static_cast<int>(q.size() - point - 1);
        Wide qScaled = 0;
        for (char c : q)
            if (c != '.')
                qScaled = qScaled * 10 + (c - '0');
        const Wide numerator = a.scaled * Power10(db + p);
        const Wide denominator = b.scaled * Power10(da);
        EXPECT_EQ(Exact(qScaled, p), Exact(numerator / denominator, p));
        EXPECT_EQ(cut, numerator % denominator != 0);
        if (cut) {
            EXPECT_GE(p, 5);
        }
    }
}

TEST(ColumnArithmetic, NamesPlacesBeyondTheTables)
{
    Solver s;
    const std::string sum = s.ShuShiJiaFa("0.0000000000000001", "0.0000000000000009", 5);
    EXPECT_NE(sum.find("第2步：小数点后第16位的数1 + 9 = 10 > 9 向前一位进1,并得到0；\r\n"), std::string::npos);
    EXPECT_NE(sum.find("第3步：千兆分位上的数 0 + 0+进位1 = 1,得到1；\r\n"), std::string::npos);
    const std::string difference = s.ShuShiJianFa("10000000000000000", "1", 5);
    EXPECT_NE(difference.find("第17步：整数第17位的数1 - 1(借位) = 0,得到差：0；\r\n"), std::string::npos);
    EXPECT_EQ(s.ShuShiJianFa("10000000000000000", "1", 1), "9999999999999999");
}

TEST(ColumnArithmetic, DetailLevelsOutsideTheRangeGiveTheResultAlone)
{
    Solver s;
    for (int level : {0, -3, 6, 100}) {
        EXPECT_EQ(s.ShuShiJiaFa("95", "7", level), "102");
        EXPECT_EQ(s.ShuShiJianFa("1.5", "1.0", level), "0.5");
        EXPECT_EQ(s.ShuShiChengFa("0.2", "0.3", level), "0.06");
        EXPECT_EQ(s.ShuShiChuFa("7", "2", level), "3.5");
    }
    // Levels 2 to 4 all give the column without explanations.
    EXPECT_EQ(s.ShuShiJiaFa("95", "7", 2), s.ShuShiJiaFa("95", "7", 4));
    EXPECT_EQ(s.ShuShiChengFa("12.5", "3.4", 3), s.ShuShiChengFa("12.5", "3.4", 4));
    EXPECT_EQ(s.ShuShiChuFa("1.5", "0.4", 2), s.ShuShiChuFa("1.5", "0.4", 4));
}

TEST(ColumnArithmetic, RejectsWhatIsNotAnUnsignedNumber)
{
    Solver s;
    for (const std::string bad : {"", ".", "1.2.3", "－3", "-3", "+3", "3a", "(2", "１２", "1 2", "1e5"}) {
        for (int level : {1, 5}) {
            const std::string results[] = {s.ShuShiJiaFa(bad, "1", level), s.ShuShiJianFa("1", bad, level),
                s.ShuShiChengFa(bad, "2", level), s.ShuShiChuFa("2", bad, level)};
            for (const std::string &result : results)
                EXPECT_NE(result.find("无法进行竖式计算"), std::string::npos) << "[" << bad << "] " << result;
        }
    }
    // Points at either end are read as the number they stand for.
    EXPECT_EQ(s.ShuShiJiaFa(".5", "5.", 1), "5.5");
    EXPECT_EQ(s.ShuShiJiaFa("007", "5", 1), "12");
    // Without an integer digit there is no integer place: the result still gets its "0.", and
    // the missing integer part is worth 0 when the two numbers of a subtraction are compared.
    EXPECT_EQ(s.ShuShiJiaFa(".5", ".25", 1), "0.75");
    EXPECT_EQ(s.ShuShiJiaFa(".5", ".25", 5).find("个位"), std::string::npos);
    EXPECT_EQ(s.ShuShiJianFa(".7", "0.5", 1), "0.2");
    EXPECT_EQ(s.ShuShiJianFa(".5", "0.75", 1), "-0.25");
    EXPECT_EQ(s.ShuShiChengFa(".5", ".5", 1), "0.25");
    EXPECT_EQ(s.ShuShiChuFa(".5", "5", 1), "0.1");
}

TEST(ColumnArithmetic, NeverDividesByZero)
{
    Solver s;
    for (const std::string zero : {"0", "000", "0.0", "0.00"})
        for (int level : {1, 4, 5})
            EXPECT_EQ(s.ShuShiChuFa("5", zero, level), "除数是0，0不能作除数，所以不能进行除法计算。");
    EXPECT_EQ(s.ShuShiChuFa("0", "5", 1), "0");
}

TEST(ColumnArithmetic, MakesTheDivisorWholeWithoutRounding)
{
    Solver s;
    // Through a double printed with six decimals the dividend would become 0.
    EXPECT_EQ(s.ShuShiChuFa("0.00000001", "0.1", 1), "0.0000001");
    EXPECT_EQ(s.ShuShiChuFa("0.00000001", "0.1", 5)
                  .find("第1步：0.00000001×10=0.0000001 , 0.1×10=1,将除数乘以10,化除数为整数\r\n"),
        0u);
    EXPECT_EQ(s.ShuShiChuFa("1.13", "0.01", 1), "113");
}

TEST(ColumnArithmetic, StaysBoundedOnLongOperands)
{
    Solver s;
    const std::string nines(1024, '9');
    EXPECT_EQ(s.ShuShiJiaFa(nines, "1", 1), "1" + std::string(1024, '0'));
    EXPECT_EQ(s.ShuShiJianFa("1" + std::string(1023, '0'), "1", 1), std::string(1023, '9'));
    // Beyond 1,024 bytes an operand is answered with one sentence.
    const std::string tooLong = "这一行太长，无法计算：一行最多可以有1024个字符。";
    EXPECT_EQ(s.ShuShiJiaFa(nines + "9", "1", 5), tooLong);
    EXPECT_EQ(s.ShuShiJianFa("1", "1" + nines, 5), tooLong);
    const std::string limit(50, '9');
    EXPECT_EQ(s.ShuShiChengFa(limit, limit, 1), std::string(49, '9') + "8" + std::string(49, '0') + "1");
    EXPECT_EQ(s.ShuShiChuFa(limit, "3", 1), std::string(50, '3'));
    for (int level : {1, 5}) {
        EXPECT_NE(s.ShuShiChengFa(nines, "2", level).find("最多可以有50个字符"), std::string::npos);
        EXPECT_NE(s.ShuShiChuFa("1", nines, level).find("最多可以有50个字符"), std::string::npos);
    }
}

TEST(ColumnArithmetic, PageWorksTheFirstOperatorOnItsNeighbours)
{
    HeadlessRequest request;
    request.type = 7;
    request.level = 1;
    auto result = [&](const std::string &line) {
        const std::string box = RunHeadless(request, line);
        const std::string mark = "解题过程:\r\n";
        const std::size_t p = box.find(mark);
        return p == std::string::npos ? std::string("<no header>") : box.substr(p + mark.size());
    };
    EXPECT_EQ(result("20÷4×3"), "5\r\n"); // the earlier of × and ÷
    EXPECT_EQ(result("2×3÷4"), "6\r\n");
    EXPECT_EQ(result("1＋2×3＋4"), "6\r\n"); // × before ＋, cut at the signs around it
    EXPECT_EQ(result("9－3＋2"), "6\r\n"); // the earlier of ＋ and －
    EXPECT_EQ(result("1＋9－3"), "10\r\n");
    // A sign at the start is not an operator; a line without working gets a sentence.
    EXPECT_EQ(result("－5"), "式子中没有需要进行的运算。\r\n");
    EXPECT_EQ(result("×5"), "式子不完整，缺少参与计算的数。\r\n");
}
