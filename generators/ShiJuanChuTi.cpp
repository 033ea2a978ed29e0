#include "generators/ShiJuanChuTi.h"

#include <vector>

namespace qimbel::shijuan {

namespace {

const char *const kJia = "＋";
const char *const kJian = "－";
const char *const kCheng = "×";
const char *const kChu = "÷";

// A whole number from low to high as hundredths.
long long Whole(SeededRandom &random, long long low, long long high) { return random.Between(low, high) * kDanWei; }
// A number of tenths from low to high as hundredths (1.1 … 99.9 and so on).
long long Tenths(SeededRandom &random, long long low, long long high) { return random.Between(low, high) * 10; }

// The exact result of a two-number problem whose numbers were chosen so that it exists.
long long Result(long long a, const std::string &op, long long b)
{
    if (op == kJia)
        return a + b;
    if (op == kJian)
        return a - b;
    if (op == kCheng)
        return a * b / kDanWei;
    return a * kDanWei / b;
}

// The two numbers of a problem, in the order they stand. Drawn inside braces they are drawn in
// the order written: the order of a function's arguments is the compiler's choice (GCC and clang
// differ), and a paper must be the same from the same seed whatever compiled the program.
struct Numbers {
    long long a, b;
};

ShiJuanTi TwoNumbers(TiXing kind, Numbers n, const char *op)
{
    const long long a = n.a, b = n.b;
    ShiJuanTi problem;
    problem.kind = kind;
    problem.left = ShuZiWenBen(a);
    problem.op = op;
    problem.right = ShuZiWenBen(b);
    problem.text = problem.left + op + problem.right + "＝";
    problem.answer = ShuZiWenBen(Result(a, op, b));
    return problem;
}

// a＋b＝sum with both addends at least `low`; a－b from the same three numbers.
ShiJuanTi SumOrDifference(TiXing kind, SeededRandom &random, long long low, long long sum, bool subtract)
{
    const long long a = low + random.Between(0, (sum - 2 * low) / low) * low;
    const long long b = sum - a;
    return TwoNumbers(kind, {subtract ? sum : a, b}, subtract ? kJian : kJia);
}

// dividend ÷ divisor with the quotient chosen first, so the division is exact.
ShiJuanTi Division(TiXing kind, Numbers quotientAndDivisor)
{
    const auto [quotient, divisor] = quotientAndDivisor;
    return TwoNumbers(kind, {quotient * divisor / kDanWei, divisor}, kChu);
}

} // namespace

std::string ShuZiWenBen(long long hundredths)
{
    const bool negative = hundredths < 0;
    const unsigned long long value
        = negative ? 0ULL - static_cast<unsigned long long>(hundredths) : static_cast<unsigned long long>(hundredths);
    std::string text = (negative ? "－" : "") + std::to_string(value / kDanWei);
    const unsigned long long part = value % kDanWei;
    if (part != 0) {
        text += '.';
        text += static_cast<char>('0' + part / 10);
        if (part % 10 != 0)
            text += static_cast<char>('0' + part % 10);
    }
    return text;
}

ShiJuanTi KouSuanTi(SeededRandom &random, int grade, bool decimals)
{
    const TiXing k = TiXing::KouSuan;
    const int kind = static_cast<int>(random.Between(0, grade <= 1 ? 1 : 3));
    const bool subtract = kind == 1;
    if (grade <= 1)
        return SumOrDifference(k, random, kDanWei, Whole(random, 2, 20), subtract);
    if (grade >= 3 && decimals && random.Chance(1, 2)) {
        // 0.3＋0.5, 1.2×3, 0.8÷4: one decimal place.
        switch (kind) {
        case 0:
        case 1:
            return SumOrDifference(k, random, 10, Tenths(random, 2, 100), subtract);
        case 2:
            return TwoNumbers(k, {Tenths(random, 1, 30), Whole(random, 2, 9)}, kCheng);
        default:
            return Division(k, {Tenths(random, 1, 20), Whole(random, 2, 9)});
        }
    }
    switch (grade) {
    case 2:
        if (kind <= 1)
            return SumOrDifference(k, random, kDanWei, Whole(random, 11, 100), subtract);
        if (kind == 2)
            return TwoNumbers(k, {Whole(random, 2, 9), Whole(random, 1, 9)}, kCheng);
        return Division(k, {Whole(random, 1, 9), Whole(random, 2, 9)});
    case 3:
        if (kind <= 1)
            return SumOrDifference(k, random, kDanWei, Whole(random, 20, 100), subtract);
        if (kind == 2) { // 30×4, 200×3
            const long long digit = Whole(random, 1, 9);
            return TwoNumbers(k, {digit * (random.Chance(1, 2) ? 10 : 100), Whole(random, 2, 9)}, kCheng);
        }
        return Division(k, {Whole(random, 1, 9) * 10, Whole(random, 2, 9)}); // 80÷4
    default:
        if (kind <= 1) // 360＋240
            return SumOrDifference(k, random, 10 * kDanWei, Whole(random, 2, 100) * 10, subtract);
        if (kind == 2) // 30×20, 25×4
            return random.Chance(1, 2) ? TwoNumbers(k, {Whole(random, 1, 9) * 10, Whole(random, 1, 9) * 10}, kCheng)
                                       : TwoNumbers(k, {Whole(random, 11, 50), Whole(random, 2, 9)}, kCheng);
        return Division(k, {Whole(random, 2, 9), Whole(random, 1, 9) * 10}); // 600÷30
    }
}

ShiJuanTi ShuShiTi(SeededRandom &random, int grade, bool decimals)
{
    const TiXing k = TiXing::ShuShi;
    const int kind = static_cast<int>(random.Between(0, grade <= 2 ? 1 : 3));
    const bool subtract = kind == 1;
    if (grade <= 2)
        return SumOrDifference(k, random, 10 * kDanWei, Whole(random, 100, 1000), subtract);
    if (decimals && random.Chance(2, 3)) {
        if (kind <= 1) {
            // 三年级: one decimal place; later two.
            const long long step = grade == 3 ? 10 : (random.Chance(1, 2) ? 1 : 10);
            return SumOrDifference(
                k, random, step * 11, step * random.Between(100, 9999 / (step == 1 ? 10 : 1)), subtract);
        }
        if (grade >= 5 && kind == 2) // 12.5×3.4: tenths times tenths gives hundredths.
            return TwoNumbers(k, {Tenths(random, 11, 999), Tenths(random, 2, 99)}, kCheng);
        if (grade >= 5 && kind == 3) {
            if (random.Chance(1, 2)) // 7.2÷0.6: the divisor is made whole first.
                return Division(k, {Tenths(random, 2, 199), Tenths(random, 2, 99)});
            return Division(k, {random.Between(11, 9999), Whole(random, 2, 9)}); // 0.96÷4
        }
        if (kind == 2)
            return TwoNumbers(k, {Tenths(random, 11, 999), Whole(random, 2, 9)}, kCheng);
        return Division(k, {Tenths(random, 11, 999), Whole(random, 2, 9)});
    }
    if (kind <= 1)
        return SumOrDifference(k, random, 10 * kDanWei, Whole(random, 1000, grade == 3 ? 9999 : 99999), subtract);
    if (grade == 3) {
        if (kind == 2) // multi-digit times one digit
            return TwoNumbers(k, {Whole(random, 12, 999), Whole(random, 2, 9)}, kCheng);
        return Division(k, {Whole(random, 12, 199), Whole(random, 2, 9)});
    }
    if (kind == 2) // 305×24
        return TwoNumbers(k, {Whole(random, 101, 999), Whole(random, 11, 99)}, kCheng);
    const long long divisor = Whole(random, 11, 99);
    return Division(k, {Whole(random, 2, 999 * kDanWei / divisor), divisor});
}

ShiJuanTi FangChengTi(SeededRandom &random, int grade, bool decimals)
{
    // The solution first, then the numbers that make it the solution.
    const long long x = decimals && random.Chance(1, 2) ? Tenths(random, 1, 200) : Whole(random, 1, 50);
    const long long step = decimals ? 10 : kDanWei;
    const long long a = Whole(random, 2, 9);
    const long long b = step * random.Between(1, 500 / (step == 10 ? 1 : 10));
    const auto n = ShuZiWenBen;
    const auto times = [](long long p, long long q) { return p * q / kDanWei; };
    std::string text;
    long long solution = x;
    switch (random.Between(0, grade >= 6 ? 9 : 6)) {
    case 0:
        text = "x＋" + n(b) + "＝" + n(x + b);
        break;
    case 1: // x－b＝c: the solution is c＋b
        text = "x－" + n(b) + "＝" + n(x);
        solution = x + b;
        break;
    case 2:
        text = n(a) + "x＝" + n(times(a, x));
        break;
    case 3: // x÷a＝b: the solution is a times b
        text = "x÷" + n(a) + "＝" + n(x);
        solution = times(a, x);
        break;
    case 4:
        text = n(a) + "x＋" + n(b) + "＝" + n(times(a, x) + b);
        break;
    case 5: {
        // ax－b＝c with b below ax.
        const long long ax = times(a, x);
        const long long c = step * random.Between(1, ax / step > 1 ? ax / step - 1 : 1);
        text = ax > c ? n(a) + "x－" + n(ax - c) + "＝" + n(c) : n(a) + "x＝" + n(ax);
        break;
    }
    case 6: // 12－x＝5
        text = n(x + b) + "－x＝" + n(b);
        break;
    case 7: {
        // ax＋bx＝c
        const long long c2 = Whole(random, 1, 9);
        text = n(a) + "x＋" + n(c2) + "x＝" + n(times(a + c2, x));
        break;
    }
    case 8: {
        // ax＋b＝cx＋d with a above c
        const long long c2 = Whole(random, 1, a / kDanWei - 1 > 1 ? a / kDanWei - 1 : 1);
        const long long left = times(a, x) + b;
        const long long d = left - times(c2, x);
        text = n(a) + "x＋" + n(b) + "＝" + (c2 == kDanWei ? std::string() : n(c2)) + "x＋" + n(d);
        break;
    }
    default: // a(x＋b)＝c
        text = n(a) + "(x＋" + n(b) + ")＝" + n(times(a, x + b));
        break;
    }
    ShiJuanTi problem;
    problem.kind = TiXing::FangCheng;
    problem.text = text;
    problem.answer = "x＝" + n(solution);
    return problem;
}

} // namespace qimbel::shijuan
