// The makers of comparing and ordering numbers, scientific notation and 分式四则运算: the order,
// the power of ten or the simplest fraction is chosen first.
#include "maker/Makers.h"

#include <algorithm>
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
    default:
        return std::nullopt;
    }
}

} // namespace qimbel::maker
