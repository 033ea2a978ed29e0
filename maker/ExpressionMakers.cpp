// The makers of worked arithmetic and algebra: the numbers are chosen so that every step comes out
// as the level wants (exact quotients, round partial sums, whole factors), and the answer is
// computed from the chosen parts.
#include "maker/Makers.h"

#include <numeric>

namespace qimbel::maker {

namespace {

Rational Add(const Rational &a, const Rational &b) { return RationalSum(a, b).value_or(Rational {}); }
Rational Times(const Rational &a, const Rational &b) { return RationalProduct(a, b).value_or(Rational {}); }

// 竖式计算: additions and subtractions without carrying; then with carrying and 2-digit
// products; then 3-digit products, exact quotients and decimals.
std::optional<Candidate> Column(MakerLevel level, SeededRandom &random)
{
    const long long shape = random.Between(0, 1);
    if (level == MakerLevel::JiChu) {
        // Digit by digit, so that no column carries (or borrows).
        long long a = 0;
        long long b = 0;
        const long long digits = random.Between(2, 3);
        for (long long i = 0; i < digits; ++i) {
            const long long top = random.Between(i + 1 == digits ? 1 : 0, 9);
            const long long other = random.Between(0, shape == 0 ? 9 - top : top);
            a = a * 10 + top;
            b = b * 10 + other;
        }
        if (b < 10)
            return std::nullopt;
        return shape == 0 ? Candidate {Number(a) + "＋" + Number(b), Number(a + b)}
                          : Candidate {Number(a) + "－" + Number(b), Number(a - b)};
    }
    if (level == MakerLevel::TiGao) {
        const long long kind = random.Between(0, 2);
        const long long a = random.Between(100, 999);
        const long long b = random.Between(100, 999);
        if (kind == 0)
            return (a % 10 + b % 10 < 10)
                ? std::nullopt
                : std::optional<Candidate>(Candidate {Number(a) + "＋" + Number(b), Number(a + b)});
        if (kind == 1) {
            if (a <= b || a % 10 >= b % 10)
                return std::nullopt;
            return Candidate {Number(a) + "－" + Number(b), Number(a - b)};
        }
        const long long x = random.Between(12, 99);
        const long long y = random.Between(12, 99);
        return Candidate {Number(x) + "×" + Number(y), Number(x * y)};
    }
    const long long kind = random.Between(0, 2);
    if (kind == 0) {
        const long long x = random.Between(101, 999);
        const long long y = random.Between(12, 99);
        return Candidate {Number(x) + "×" + Number(y), Number(x * y)};
    }
    if (kind == 1) {
        const long long q = random.Between(11, 999);
        const long long d = random.Between(2, 39);
        return Candidate {Number(q * d) + "÷" + Number(d), Number(q)};
    }
    // Decimals with one or two places.
    const long long a = random.Between(101, 9999);
    const long long b = random.Between(101, 9999);
    const long long places = random.Between(1, 2);
    const long long scale = places == 1 ? 10 : 100;
    const Rational x = Ratio(a, scale);
    const Rational y = Ratio(b, scale);
    if (a % 10 == 0 || b % 10 == 0)
        return std::nullopt;
    if (shape == 0)
        return Candidate {ValueText(x) + "＋" + ValueText(y), ValueText(Add(x, y))};
    if (a <= b)
        return std::nullopt;
    return Candidate {ValueText(x) + "－" + ValueText(y), ValueText(Add(x, Times(y, Whole(-1))))};
}

// 四则混合运算: two operations without brackets; then three operations with brackets; then
// decimals or fractions.
std::optional<Candidate> Mixed(MakerLevel level, SeededRandom &random)
{
    const long long shape = random.Between(0, 3);
    if (level == MakerLevel::JiChu) {
        const long long a = random.Between(10, 100);
        const long long b = random.Between(2, 12);
        const long long c = random.Between(2, 12);
        // Every number written and every result within 100.
        if (b * c > 100 || ((shape == 0 || shape == 2) && a + (shape == 0 ? b * c : c) > 100))
            return std::nullopt;
        switch (shape) {
        case 0:
            return Candidate {Number(a) + "＋" + Number(b) + "×" + Number(c), Number(a + b * c)};
        case 1:
            if (a < b * c)
                return std::nullopt;
            return Candidate {Number(a) + "－" + Number(b) + "×" + Number(c), Number(a - b * c)};
        case 2:
            return Candidate {Number(b * c) + "÷" + Number(b) + "＋" + Number(a), Number(c + a)};
        default:
            return Candidate {Number(a) + "－" + Number(b * c) + "÷" + Number(c), Number(a - b)};
        }
    }
    if (level == MakerLevel::TiGao) {
        const long long a = random.Between(10, 99);
        const long long b = random.Between(2, 50);
        const long long c = random.Between(2, 9);
        const long long d = random.Between(2, 9);
        switch (shape) {
        case 0: // (a＋b)×c－d
            return Candidate {
                "(" + Number(a) + "＋" + Number(b) + ")×" + Number(c) + "－" + Number(d), Number((a + b) * c - d)};
        case 1: // (a－b)×c÷d with d dividing the product
            if (a <= b || ((a - b) * c) % d != 0)
                return std::nullopt;
            return Candidate {
                "(" + Number(a) + "－" + Number(b) + ")×" + Number(c) + "÷" + Number(d), Number((a - b) * c / d)};
        case 2: // a×c÷(d) ＋ b where a×c divides by d … written a×(b－c)＋d
            if (b <= c)
                return std::nullopt;
            return Candidate {
                Number(a) + "×(" + Number(b) + "－" + Number(c) + ")＋" + Number(d), Number(a * (b - c) + d)};
        default: // (b×c＋d×c)÷c
            return Candidate {
                "(" + Number(b * c) + "＋" + Number(d * c) + ")÷" + Number(c) + "×" + Number(d), Number((b + d) * d)};
        }
    }
    if (shape < 2) {
        // Decimals with one place: a.b×c＋d.e
        const Rational x = Ratio(random.Between(11, 99), 10);
        const long long c = random.Between(2, 9);
        const Rational y = Ratio(random.Between(11, 99), 10);
        return Candidate {ValueText(x) + "×" + Number(c) + "＋" + ValueText(y), ValueText(Add(Times(x, Whole(c)), y))};
    }
    // Fractions: a/b＋c/d×e.
    const long long b = random.Between(2, 9);
    const long long a = random.Between(1, b - 1);
    const long long d = random.Between(2, 9);
    const long long c = random.Between(1, d - 1);
    const long long e = random.Between(2, 9);
    if (std::gcd(a, b) != 1 || std::gcd(c, d) != 1)
        return std::nullopt;
    return Candidate {Number(a) + "/" + Number(b) + "＋" + Number(c) + "/" + Number(d) + "×" + Number(e),
        ValueText(Add(Ratio(a, b), Times(Ratio(c, d), Whole(e))))};
}

// 简便运算: the commutative and associative laws (round partial sums, 25×4, 125×8); then the
// distributive law; then a factor near a round number.
std::optional<Candidate> Simpler(MakerLevel level, SeededRandom &random)
{
    const long long shape = random.Between(0, 1);
    if (level == MakerLevel::JiChu) {
        if (shape == 0) {
            const long long b = random.Between(11, 89);
            const long long c = 100 * random.Between(1, 2) - b;
            const long long a = random.Between(11, 199);
            if (b % 10 == 0)
                return std::nullopt;
            return Candidate {Number(b) + "＋" + Number(a) + "＋" + Number(c), Number(a + b + c)};
        }
        static const long long pairs[][2] = {{25, 4}, {125, 8}, {5, 2}, {50, 2}, {25, 8}};
        const long long which = random.Between(0, 4);
        const long long a = random.Between(3, 99);
        const long long p = pairs[which][0];
        const long long q = pairs[which][1];
        return Candidate {Number(p) + "×" + Number(a) + "×" + Number(q), Number(p * a * q)};
    }
    if (level == MakerLevel::TiGao) {
        const long long a = random.Between(12, 99);
        const long long b = random.Between(11, 89);
        const long long round = random.Chance(1, 2) ? 100 : 10 * random.Between(1, 9);
        if (shape == 0) {
            const long long c = round - b;
            if (c <= 0)
                return std::nullopt;
            return Candidate {Number(a) + "×" + Number(b) + "＋" + Number(a) + "×" + Number(c), Number(a * round)};
        }
        const long long c = b + round;
        return Candidate {Number(a) + "×" + Number(c) + "－" + Number(a) + "×" + Number(b), Number(a * round)};
    }
    const long long a = random.Between(12, 99);
    switch (random.Between(0, 3)) {
    case 0:
        return Candidate {"99×" + Number(a), Number(99 * a)};
    case 1:
        return Candidate {"101×" + Number(a), Number(101 * a)};
    case 2:
        return Candidate {Number(a) + "×99＋" + Number(a), Number(100 * a)};
    default: {
        const long long k = random.Between(11, 19);
        return Candidate {"125×" + Number(8 * k), Number(1000 * k)};
    }
    }
}

// 有理数四则运算: sums of signed whole numbers; then products and exact quotients; then powers
// and fractions.
std::optional<Candidate> Rationals(MakerLevel level, SeededRandom &random)
{
    if (level == MakerLevel::JiChu) {
        const long long a = NonZero(random, -20, 20);
        const long long b = NonZero(random, -20, 20);
        const long long c = NonZero(random, -20, 20);
        const bool minus = random.Chance(1, 2);
        return Candidate {
            Number(a) + "＋" + Bracketed(b) + (minus ? "－" : "＋") + Bracketed(c), Number(a + b + (minus ? -c : c))};
    }
    if (level == MakerLevel::TiGao) {
        const long long a = NonZero(random, -12, 12);
        const long long b = NonZero(random, -12, 12);
        const long long d = NonZero(random, -9, 9);
        const long long q = NonZero(random, -9, 9);
        return Candidate {
            Number(a) + "×" + Bracketed(b) + "－" + Bracketed(d * q) + "÷" + Bracketed(d), Number(a * b - q)};
    }
    // One draw a statement: the order of two draws in one expression is the compiler's choice.
    const long long sign = Sign(random);
    const long long base = sign * random.Between(2, 3);
    const long long power = random.Between(2, 3);
    long long value = 1;
    for (long long i = 0; i < power; ++i)
        value *= base;
    const long long b = random.Between(2, 9);
    const long long a = NonZero(random, -(b - 1), b - 1);
    const long long c = NonZero(random, -9, 9);
    if (std::gcd(a < 0 ? -a : a, b) != 1)
        return std::nullopt;
    const std::string fraction = a < 0 ? "(－" + Number(-a) + "/" + Number(b) + ")" : Number(a) + "/" + Number(b);
    return Candidate {(base < 0 ? "(" + Number(base) + ")" : Number(base)) + "^" + Number(power) + "＋" + fraction + "×"
            + Bracketed(c),
        ValueText(Add(Whole(value), Times(Ratio(a, b), Whole(c))))};
}

// 整式四则运算: like terms; then brackets and a monomial times a polynomial; then products of
// binomials.
std::optional<Candidate> Polynomials(MakerLevel level, SeededRandom &random)
{
    if (level == MakerLevel::JiChu) {
        const long long a = NonZero(random, -9, 9);
        const long long b = NonZero(random, -9, 9);
        const long long c = NonZero(random, -9, 9);
        const long long d = NonZero(random, -9, 9);
        const std::string line = PolynomialText({{a, "x"}, {b, "y"}, {c, "x"}, {d, "y"}});
        return Candidate {line, PolynomialText({{a + c, "x"}, {b + d, "y"}})};
    }
    if (level == MakerLevel::TiGao) {
        const long long a = random.Between(2, 6);
        const long long p = NonZero(random, -9, 9);
        const long long c = random.Between(2, 6);
        const long long q = NonZero(random, -9, 9);
        const bool minus = random.Chance(1, 2);
        const long long s = minus ? -c : c;
        const std::string line = Number(a) + "(" + LinearText(1, "x", p) + ")" + (minus ? "－" : "＋") + Number(c)
            + "x(" + LinearText(1, "x", q) + ")";
        return Candidate {line, PolynomialText({{s, "x^2"}, {a + s * q, "x"}, {a * p, ""}})};
    }
    const long long a = NonZero(random, -9, 9);
    const long long b = NonZero(random, -9, 9);
    const long long c = NonZero(random, -9, 9);
    const std::string line
        = "(" + LinearText(1, "x", a) + ")(" + LinearText(1, "x", b) + ")－(" + LinearText(1, "x", c) + ")^2";
    return Candidate {line, PolynomialText({{a + b - 2 * c, "x"}, {a * b - c * c, ""}})};
}

// 因式分解: a common factor, a difference of squares, a perfect square; then x^2＋bx＋c and a
// common factor before a formula; then ax^2＋bx＋c and squares of two letters.
std::optional<Candidate> Factorise(MakerLevel level, SeededRandom &random)
{
    const long long shape = random.Between(0, 2);
    if (level == MakerLevel::JiChu) {
        const long long a = random.Between(1, 9);
        if (shape == 0) {
            const long long k = random.Between(2, 9);
            const long long b = NonZero(random, -9, 9);
            if (std::gcd(a, b < 0 ? -b : b) != 1)
                return std::nullopt;
            return Candidate {PolynomialText({{k * a, "x"}, {k * b, "y"}}),
                Number(k) + "(" + PolynomialText({{a, "x"}, {b, "y"}}) + ")"};
        }
        if (shape == 1)
            return Candidate {PolynomialText({{1, "x^2"}, {-a * a, ""}}),
                "(" + LinearText(1, "x", a) + ")(" + LinearText(1, "x", -a) + ")"};
        const long long s = Sign(random) * a;
        return Candidate {PolynomialText({{1, "x^2"}, {2 * s, "x"}, {s * s, ""}}), "(" + LinearText(1, "x", s) + ")^2"};
    }
    if (level == MakerLevel::TiGao) {
        if (shape < 2) {
            const long long r = NonZero(random, -12, 12);
            const long long s = NonZero(random, -12, 12);
            if (r == s)
                return std::nullopt;
            return Candidate {PolynomialText({{1, "x^2"}, {-(r + s), "x"}, {r * s, ""}}),
                "(" + LinearText(1, "x", -r) + ")(" + LinearText(1, "x", -s) + ")"};
        }
        const long long k = random.Between(2, 6);
        const long long a = random.Between(1, 9);
        return Candidate {PolynomialText({{k, "x^2"}, {-k * a * a, ""}}),
            Number(k) + "(" + LinearText(1, "x", a) + ")(" + LinearText(1, "x", -a) + ")"};
    }
    if (shape < 2) {
        const long long p = random.Between(1, 5);
        const long long q = NonZero(random, -7, 7);
        const long long r = random.Between(2, 5);
        const long long s = NonZero(random, -7, 7);
        if (std::gcd(p, q < 0 ? -q : q) != 1 || std::gcd(r, s < 0 ? -s : s) != 1 || p * s == q * r)
            return std::nullopt;
        return Candidate {PolynomialText({{p * r, "x^2"}, {p * s + q * r, "x"}, {q * s, ""}}),
            "(" + LinearText(p, "x", q) + ")(" + LinearText(r, "x", s) + ")"};
    }
    const long long a = random.Between(1, 7);
    const long long b = random.Between(1, 7);
    if (std::gcd(a, b) != 1 || a * b == 1)
        return std::nullopt;
    return Candidate {PolynomialText({{a * a, "x^2"}, {-b * b, "y^2"}}),
        "(" + LinearText(a, "x", b, "y") + ")(" + LinearText(a, "x", -b, "y") + ")"};
}

} // namespace

std::optional<Candidate> MakeExpression(int type, MakerLevel level, SeededRandom &random)
{
    switch (type) {
    case 7:
        return Column(level, random);
    case 8:
        return Mixed(level, random);
    case 11:
        return Simpler(level, random);
    case 20:
        return Rationals(level, random);
    case 21:
        return Polynomials(level, random);
    case 22:
        return Factorise(level, random);
    default:
        return std::nullopt;
    }
}

} // namespace qimbel::maker
