// The makers of comparing and ordering numbers, scientific notation and 分式四则运算: the order,
// the power of ten or the simplest fraction is chosen first.
#include "maker/Makers.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace qimbel::maker {

namespace {

// A number of the kind a level compares, with its exact value: whole numbers and decimals with one
// place; fractions; fractions, decimals and negative numbers.
std::pair<std::string, Rational> SomeNumber(MakerLevel level, SeededRandom &random)
{
    const long long kind = level == MakerLevel::JiChu ? random.Between(0, 1)
        : level == MakerLevel::TiGao                  ? 2
                                                      : random.Between(1, 2);
    const long long sign = level == MakerLevel::TuoZhan && random.Chance(1, 3) ? -1 : 1;
    const std::string minus = sign < 0 ? "-" : "";
    if (kind == 0) {
        const long long n = random.Between(1, 999);
        return {minus + Number(n), Whole(sign * n)};
    }
    if (kind == 1) {
        const long long n = random.Between(1, 99);
        if (n % 10 == 0)
            return {minus + Number(n / 10), Whole(sign * n / 10)};
        return {minus + ValueText(Ratio(n, 10)), Ratio(sign * n, 10)};
    }
    const long long d = random.Between(2, 12);
    const long long n = random.Between(1, d - 1);
    const long long g = std::gcd(n, d);
    return {minus + Number(n / g) + "/" + Number(d / g), Ratio(sign * n, d)};
}

int Compare(const Rational &a, const Rational &b)
{
    const qimbel::Whole left = a.numerator * b.denominator;
    const qimbel::Whole right = b.numerator * a.denominator;
    return left < right ? -1 : left > right ? 1 : 0;
}

// 两个数的大小比较: the two numbers with ＞, ＜ or ＝ between them.
std::optional<Candidate> CompareTwo(MakerLevel level, SeededRandom &random)
{
    const auto a = SomeNumber(level, random);
    const auto b = SomeNumber(level, random);
    if (a.first == b.first)
        return std::nullopt;
    const int order = Compare(a.second, b.second);
    const char *relation = order < 0 ? "＜" : order > 0 ? "＞" : "＝";
    return Candidate {a.first + "," + b.first, a.first + relation + b.first};
}

// 一列数的大小排序: four to six different numbers, the answer from the least.
std::optional<Candidate> OrderList(MakerLevel level, SeededRandom &random)
{
    const long long count = random.Between(4, level == MakerLevel::JiChu ? 5 : 6);
    std::vector<std::pair<std::string, Rational>> numbers;
    for (long long i = 0; i < count; ++i) {
        const auto each = SomeNumber(level, random);
        for (const auto &other : numbers)
            if (Compare(other.second, each.second) == 0)
                return std::nullopt;
        numbers.push_back(each);
    }
    std::string line;
    for (const auto &each : numbers)
        line += (line.empty() ? "" : ",") + each.first;
    std::stable_sort(
        numbers.begin(), numbers.end(), [](const auto &a, const auto &b) { return Compare(a.second, b.second) < 0; });
    std::string answer;
    for (const auto &each : numbers)
        answer += (answer.empty() ? "" : " ") + each.first;
    return Candidate {line, answer};
}

// 科学记数法: a large whole number; then a small decimal; then either, negative too.
std::optional<Candidate> Scientific(MakerLevel level, SeededRandom &random)
{
    const long long digits = random.Between(2, 3);
    const long long mantissa = random.Between(digits == 2 ? 11 : 101, digits == 2 ? 99 : 999);
    if (mantissa % 10 == 0)
        return std::nullopt;
    const bool small = level == MakerLevel::TiGao || (level == MakerLevel::TuoZhan && random.Chance(1, 2));
    const bool negative = level == MakerLevel::TuoZhan && random.Chance(1, 2);
    const long long shift = random.Between(3, 8);
    std::string number = std::to_string(mantissa);
    // The value mantissa × 10^(exponent): digits − 1 places move into the mantissa.
    long long exponent = 0;
    if (small) {
        number = "0." + std::string(static_cast<std::size_t>(shift - 1), '0') + number;
        exponent = -shift;
    } else {
        number += std::string(static_cast<std::size_t>(shift), '0');
        exponent = shift + digits - 1;
    }
    const std::string lead = std::to_string(mantissa).substr(0, 1) + "." + std::to_string(mantissa).substr(1);
    return Candidate {
        (negative ? "－" : "") + number, (negative ? "－" : "") + lead + "×10^(" + Number(exponent) + ")"};
}

// 分式四则运算: fractions with one denominator; then two different linear denominators; then a
// denominator x^2－p^2 with one of its factors.
std::optional<Candidate> FractionSums(MakerLevel level, SeededRandom &random)
{
    const long long p = NonZero(random, -6, 6);
    const std::string den = "(" + LinearText(1, "x", p) + ")";
    if (level == MakerLevel::JiChu) {
        const long long a = random.Between(1, 9);
        const long long b = random.Between(1, 9);
        const bool minus = random.Chance(1, 2);
        const long long top = minus ? a - b : a + b;
        if (top == 0)
            return std::nullopt;
        return Candidate {
            Number(a) + "÷" + den + (minus ? "－" : "＋") + Number(b) + "÷" + den, Number(top) + "/" + den};
    }
    if (level == MakerLevel::TiGao) {
        // 1/(x＋p) ＋ 1/(x＋q) ＝ (2x＋p＋q)/[(x＋p)(x＋q)]
        const long long q = NonZero(random, -6, 6);
        if (p == q || p + q == 0)
            return std::nullopt;
        return Candidate {"1÷" + den + "＋1÷(" + LinearText(1, "x", q) + ")",
            "(" + LinearText(2, "x", p + q) + ")/[" + den + "(" + LinearText(1, "x", q) + ")]"};
    }
    // a/(x－r) － 2ar/(x^2－r^2) ＝ a/(x＋r), and a/(x＋r) ＋ 2ar/(x^2－r^2) ＝ a/(x－r); r > 0.
    const long long r = random.Between(1, 9);
    const long long a = random.Between(1, 5);
    const long long s = Sign(random);
    return Candidate {Number(a) + "÷(" + LinearText(1, "x", -s * r) + ")" + (s > 0 ? "－" : "＋") + Number(2 * a * r)
            + "÷(x^2－" + Number(r * r) + ")",
        Number(a) + "/(" + LinearText(1, "x", s * r) + ")"};
}

// k√m as the routines write it: √m for k = 1, k alone for m = 1.
std::string SurdText(long long k, long long m)
{
    if (m == 1)
        return Number(k);
    return (k == 1 ? std::string() : Number(k)) + "√" + Number(m);
}

// m without square factors, and the root of the square taken out: n = k^2·m.
std::pair<long long, long long> Simplified(long long n)
{
    long long k = 1;
    for (long long d = 2; d * d <= n; ++d)
        while (n % (d * d) == 0) {
            n /= d * d;
            k *= d;
        }
    return {k, n};
}

// 二次根式四则运算: a root to simplify, or like roots added; then roots that are like once
// simplified, added or taken away; then a product of roots.
std::optional<Candidate> Surds(MakerLevel level, SeededRandom &random)
{
    static const long long freeOfSquares[] = {2, 3, 5, 6, 7, 10, 11};
    const long long m = freeOfSquares[random.Between(0, 6)];
    if (level == MakerLevel::JiChu) {
        const long long k = random.Between(2, 9);
        if (random.Chance(1, 2))
            return Candidate {"√" + Number(k * k * m), SurdText(k, m)};
        const long long a = random.Between(1, 9);
        return Candidate {SurdText(a, m) + "＋" + SurdText(k, m), SurdText(a + k, m)};
    }
    if (level == MakerLevel::TiGao) {
        const long long p = random.Between(2, 6);
        const long long q = random.Between(1, 6);
        const bool minus = random.Chance(1, 2);
        if (p == q || (minus && p < q))
            return std::nullopt;
        return Candidate {"√" + Number(p * p * m) + (minus ? "－" : "＋") + "√" + Number(q * q * m),
            SurdText(minus ? p - q : p + q, m)};
    }
    const long long a = random.Between(1, 5);
    const long long x = random.Between(2, 12);
    const long long y = random.Between(2, 12);
    if (x == y || Simplified(x).first != 1 || Simplified(y).first != 1)
        return std::nullopt;
    const auto [k, rest] = Simplified(x * y);
    if (k == 1)
        return std::nullopt;
    return Candidate {SurdText(a, x) + "×√" + Number(y), SurdText(a * k, rest)};
}

// 算式计算与填空: one step with one "()": addition and subtraction within 100; then the
// multiplication table both ways; then numbers up to 1000 and two-digit divisors. The blank may
// stand for either number or the result.
std::optional<Candidate> FillIn(MakerLevel level, SeededRandom &random)
{
    long long a = 0;
    long long b = 0;
    long long c = 0;
    std::string op;
    std::string shown;
    const long long kind = random.Between(0, 1);
    if (level == MakerLevel::JiChu || (level == MakerLevel::TuoZhan && kind == 0)) {
        const long long most = level == MakerLevel::JiChu ? 100 : 1000;
        a = random.Between(1, most - 1);
        b = random.Between(1, most - a);
        c = a + b;
        op = "+";
        shown = "＋";
        if (random.Chance(1, 2)) { // c − b = a
            std::swap(a, c);
            op = "-";
            shown = "－";
        }
    } else {
        const long long most = level == MakerLevel::TiGao ? 9 : 99;
        a = random.Between(2, most);
        b = random.Between(2, level == MakerLevel::TiGao ? 9 : 30);
        c = a * b;
        op = "×";
        shown = "×";
        if (random.Chance(1, 2)) { // c ÷ b = a
            std::swap(a, c);
            op = "÷";
            shown = "÷";
        }
    }
    const long long blank = random.Between(0, 2);
    const long long values[] = {a, b, c};
    std::string line;
    std::string answer;
    for (long long i = 0; i < 3; ++i) {
        const std::string value = i == blank ? "(" + Number(values[i]) + ")" : Number(values[i]);
        const std::string typed = i == blank ? "()" : Number(values[i]);
        line += typed + (i == 0 ? op : i == 1 ? "＝" : "");
        answer += value + (i == 0 ? shown : i == 1 ? "＝" : "");
    }
    return Candidate {line, answer};
}

// 根据要求找规律: five or six terms of a rule with one "()": adding the same number; then
// multiplying by the same number or the squares; then each term the sum of the two before, or
// differences that grow by one.
std::optional<Candidate> Pattern(MakerLevel level, SeededRandom &random)
{
    const long long count = random.Between(5, 6);
    std::vector<long long> terms;
    const long long rule = random.Between(0, 1);
    if (level == MakerLevel::JiChu) {
        const long long first = random.Between(1, 30);
        const long long step = random.Between(2, 12);
        for (long long i = 0; i < count; ++i)
            terms.push_back(first + i * step);
    } else if (level == MakerLevel::TiGao) {
        const long long first = random.Between(1, 5);
        const long long ratio = random.Between(2, 3);
        const long long start = random.Between(1, 5);
        for (long long i = 0; i < count; ++i)
            terms.push_back(rule == 0 ? first * static_cast<long long>(std::pow(ratio, i)) : (start + i) * (start + i));
    } else if (rule == 0) {
        terms = {random.Between(1, 5), 0};
        terms[1] = terms[0] + random.Between(0, 5);
        for (long long i = 2; i < count; ++i)
            terms.push_back(terms[i - 1] + terms[i - 2]);
    } else {
        const long long first = random.Between(1, 20);
        const long long gap = random.Between(1, 5);
        for (long long i = 0; i < count; ++i)
            terms.push_back(first + i * gap + i * (i - 1) / 2);
    }
    const long long blank = random.Between(count - 3, count - 1);
    std::string line;
    std::string answer;
    for (long long i = 0; i < count; ++i) {
        line += (i == 0 ? "" : ",") + (i == blank ? std::string("()") : Number(terms[static_cast<std::size_t>(i)]));
        const std::string value = Number(terms[static_cast<std::size_t>(i)]);
        answer += (i == 0 ? "" : "，") + (i == blank ? "(" + value + ")" : value);
    }
    return Candidate {line, answer};
}

} // namespace

std::optional<Candidate> MakeMore(int type, MakerLevel level, SeededRandom &random)
{
    switch (type) {
    case 5:
        return CompareTwo(level, random);
    case 13:
        return Scientific(level, random);
    case 15:
        return OrderList(level, random);
    case 23:
        return FractionSums(level, random);
    case 24:
        return Surds(level, random);
    case 32:
        return FillIn(level, random);
    case 33:
        return Pattern(level, random);
    default:
        return std::nullopt;
    }
}

} // namespace qimbel::maker
