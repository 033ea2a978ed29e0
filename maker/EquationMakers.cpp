// The equation makers: the solution is chosen first, then the equation is built round it.
#include "maker/Makers.h"

#include <numeric>

namespace qimbel::maker {

namespace {

const char *const kNoSolution = "原方程无解";

// 解方程 (primary): x＋a＝b or ax＝b, then ax＋b＝c, then a(x＋b)＝c or ax－bx＝c.
std::optional<Candidate> PrimaryEquation(MakerLevel level, SeededRandom &random)
{
    const long long x = random.Between(1, 30);
    const long long a = random.Between(2, 9);
    const long long b = random.Between(1, 40);
    const long long shape = random.Between(0, 1);
    std::string line;
    if (level == MakerLevel::JiChu)
        line = shape == 0 ? "x＋" + Number(b) + "＝" + Number(x + b) : Number(a) + "x＝" + Number(a * x);
    else if (level == MakerLevel::TiGao)
        line = shape == 0 ? Number(a) + "x＋" + Number(b) + "＝" + Number(a * x + b)
                          : Number(a) + "x－" + Number(b) + "＝" + Number(a * x - b);
    else if (shape == 0)
        line = Number(a) + "(x＋" + Number(b) + ")＝" + Number(a * (x + b));
    else {
        const long long c = random.Between(1, a - 1);
        // x, not 1x, as a textbook writes it.
        line = Number(a) + "x－" + (c == 1 ? std::string() : Number(c)) + "x＝" + Number((a - c) * x);
    }
    if (level != MakerLevel::JiChu && a * x - b < 0)
        return std::nullopt;
    return Candidate {line, "x＝" + Number(x)};
}

// 一元一次方程: ax＋b＝c; then the unknown on both sides; then brackets on both sides, with a
// fraction answer now and then.
std::optional<Candidate> LinearEquation(MakerLevel level, SeededRandom &random)
{
    if (level == MakerLevel::JiChu) {
        const long long x = random.Between(-10, 10);
        const long long a = NonZero(random, -9, 9);
        const long long b = NonZero(random, -20, 20);
        if (a == 1)
            return std::nullopt;
        return Candidate {PolynomialText({{a, "x"}, {b, ""}}) + "＝" + Number(a * x + b), "x＝" + Number(x)};
    }
    if (level == MakerLevel::TiGao) {
        const long long x = random.Between(-12, 12);
        const long long a = NonZero(random, -9, 9);
        const long long c = NonZero(random, -9, 9);
        const long long b = random.Between(-20, 20);
        if (a == c)
            return std::nullopt;
        const long long d = a * x + b - c * x;
        return Candidate {
            PolynomialText({{a, "x"}, {b, ""}}) + "＝" + PolynomialText({{c, "x"}, {d, ""}}), "x＝" + Number(x)};
    }
    // a(x＋p)－c(x＋q)＝e with x = n/m.
    const long long m = random.Between(1, 3);
    const long long n = NonZero(random, -12, 12);
    const long long a = random.Between(2, 6);
    const long long c = NonZero(random, -5, 5);
    const long long p = NonZero(random, -6, 6);
    const long long q = NonZero(random, -6, 6);
    const long long k = a - c; // the coefficient of x after the brackets are gone
    if (k == 0 || c == 1 || (n * k) % m != 0)
        return std::nullopt;
    const long long e = n * k / m + a * p - c * q;
    const std::string left = Number(a) + "(" + LinearText(1, "x", p) + ")" + (c > 0 ? "－" : "＋")
        + (c == 1 || c == -1 ? "" : Number(c < 0 ? -c : c)) + "(" + LinearText(1, "x", q) + ")";
    return Candidate {left + "＝" + Number(e), "x＝" + ValueText(Ratio(n, m))};
}

// 二元一次方程组: x＋y＝s, x－y＝d; then any small coefficients; then three unknowns.
std::optional<Candidate> LinearSystem(MakerLevel level, SeededRandom &random)
{
    const long long x = random.Between(-9, 9);
    const long long y = random.Between(-9, 9);
    if (level == MakerLevel::JiChu) {
        const long long b = random.Between(1, 4);
        const long long c = random.Between(1, 4);
        if (x < 0 || y < 0)
            return std::nullopt;
        const std::string first = PolynomialText({{1, "x"}, {b, "y"}}) + "＝" + Number(x + b * y);
        const std::string second = PolynomialText({{c, "x"}, {-1, "y"}}) + "＝" + Number(c * x - y);
        return Candidate {first + "；" + second, "x＝" + Number(x) + "，y＝" + Number(y)};
    }
    if (level == MakerLevel::TiGao) {
        const long long a1 = NonZero(random, -6, 6);
        const long long b1 = NonZero(random, -6, 6);
        const long long a2 = NonZero(random, -6, 6);
        const long long b2 = NonZero(random, -6, 6);
        if (a1 * b2 - a2 * b1 == 0)
            return std::nullopt;
        const std::string first = PolynomialText({{a1, "x"}, {b1, "y"}}) + "＝" + Number(a1 * x + b1 * y);
        const std::string second = PolynomialText({{a2, "x"}, {b2, "y"}}) + "＝" + Number(a2 * x + b2 * y);
        return Candidate {first + "；" + second, "x＝" + Number(x) + "，y＝" + Number(y)};
    }
    const long long z = random.Between(-9, 9);
    long long k[3][3];
    for (auto &row : k)
        for (long long &entry : row)
            entry = random.Between(-3, 3);
    const long long det = k[0][0] * (k[1][1] * k[2][2] - k[1][2] * k[2][1])
        - k[0][1] * (k[1][0] * k[2][2] - k[1][2] * k[2][0]) + k[0][2] * (k[1][0] * k[2][1] - k[1][1] * k[2][0]);
    if (det == 0)
        return std::nullopt;
    std::string line;
    for (const auto &row : k) {
        if ((row[0] == 0) + (row[1] == 0) + (row[2] == 0) > 1)
            return std::nullopt;
        line += (line.empty() ? "" : "；") + PolynomialText({{row[0], "x"}, {row[1], "y"}, {row[2], "z"}}) + "＝"
            + Number(row[0] * x + row[1] * y + row[2] * z);
    }
    return Candidate {line, "x＝" + Number(x) + "，y＝" + Number(y) + "，z＝" + Number(z)};
}

std::string RootsText(const Rational &r, const Rational &s)
{
    if (SameValue(r, s))
        return "x1＝x2＝" + ValueText(r);
    return "x1＝" + ValueText(r) + " ,x2＝" + ValueText(s);
}

// 一元二次方程: x^2＋bx＋c＝0 with whole roots; then (px－q)(rx－s)＝0 multiplied out, with
// fraction roots; then an equation to be brought to the general form first.
std::optional<Candidate> Quadratic(MakerLevel level, SeededRandom &random)
{
    if (level == MakerLevel::JiChu) {
        const long long r = random.Between(-12, 12);
        const long long s = random.Between(-12, 12);
        return Candidate {
            PolynomialText({{1, "x^2"}, {-(r + s), "x"}, {r * s, ""}}) + "＝0", RootsText(Whole(r), Whole(s))};
    }
    if (level == MakerLevel::TiGao) {
        const long long p = random.Between(1, 4);
        const long long q = random.Between(-6, 6);
        const long long r = random.Between(1, 3);
        const long long s = random.Between(-6, 6);
        if (p * r == 1 || std::gcd(p, q < 0 ? -q : q) != 1 || std::gcd(r, s < 0 ? -s : s) != 1)
            return std::nullopt;
        return Candidate {PolynomialText({{p * r, "x^2"}, {-(p * s + q * r), "x"}, {q * s, ""}}) + "＝0",
            RootsText(Ratio(q, p), Ratio(s, r))};
    }
    // x^2＋bx＝k or x(x＋a)＝k with whole roots r, s.
    const long long r = random.Between(-9, 9);
    const long long s = random.Between(-9, 9);
    const long long c = r * s;
    if (c == 0)
        return std::nullopt;
    const long long shift = random.Between(1, 9);
    // x^2 －(r＋s)x ＋ rs ＝ 0 written as x^2 －(r＋s)x ＋ shift ＝ shift － rs.
    return Candidate {PolynomialText({{1, "x^2"}, {-(r + s), "x"}, {shift, ""}}) + "＝" + Number(shift - c),
        RootsText(Whole(r), Whole(s))};
}

// 分式方程: a÷(x＋p)＝b÷(x＋q); then with a whole term, half of them with a 增根; then
// denominators x－p, x＋p and x^2－p^2.
std::optional<Candidate> FractionalEquation(MakerLevel level, SeededRandom &random)
{
    if (level == MakerLevel::JiChu) {
        // a(x＋q)＝b(x＋p): x = (bp－aq)/(a－b).
        const long long x = random.Between(-9, 9);
        const long long p = NonZero(random, -6, 6);
        const long long q = NonZero(random, -6, 6);
        const long long a = random.Between(1, 6);
        if (p == q || x + p == 0 || x + q == 0)
            return std::nullopt;
        // b = a(x＋q)/(x＋p) must be whole.
        if ((a * (x + q)) % (x + p) != 0)
            return std::nullopt;
        const long long b = a * (x + q) / (x + p);
        if (b == 0 || b == a)
            return std::nullopt;
        return Candidate {
            Number(a) + "÷(" + LinearText(1, "x", p) + ")＝" + Number(b) + "÷(" + LinearText(1, "x", q) + ")",
            "x＝" + Number(x)};
    }
    if (level == MakerLevel::TiGao) {
        // (x＋m)÷(x－p)＋c＝b÷(x－p): x＋m＋c(x－p)＝b, x = (b－m＋cp)/(1＋c); the root of the
        // whole-number equation is x = p, a 增根, when b = p＋m.
        const long long p = NonZero(random, -6, 6);
        const long long m = NonZero(random, -9, 9);
        const long long c = NonZero(random, 1, 4);
        const bool extraneous = random.Chance(1, 2);
        const long long x = random.Between(-9, 9);
        const long long b = extraneous ? p + m : (1 + c) * x + m - c * p;
        if (b == 0 || m == -p || (!extraneous && x == p))
            return std::nullopt;
        const std::string den = "(" + LinearText(1, "x", -p) + ")";
        return Candidate {"(" + LinearText(1, "x", m) + ")÷" + den + "＋" + Number(c) + "＝" + Bracketed(b) + "÷" + den,
            extraneous ? kNoSolution : "x＝" + Number(x)};
    }
    // a÷(x－p)＋b÷(x＋p)＝c÷(x^2－p^2): a(x＋p)＋b(x－p)＝c.
    const long long p = random.Between(1, 5);
    const long long a = random.Between(1, 6);
    const long long b = NonZero(random, -6, 6);
    const long long x = random.Between(-9, 9);
    if (a + b == 0 || x == p || x == -p)
        return std::nullopt;
    const long long c = a * (x + p) + b * (x - p);
    if (c == 0)
        return std::nullopt;
    const std::string second = b < 0 ? "－" + Number(-b) : "＋" + Number(b);
    return Candidate {Number(a) + "÷(" + LinearText(1, "x", -p) + ")" + second + "÷(" + LinearText(1, "x", p) + ")＝"
            + Bracketed(c) + "÷(x^2－" + Number(p * p) + ")",
        "x＝" + Number(x)};
}

// 一元一次不等式: ax＋b＞c with a > 0; then a negative coefficient; then the unknown on both
// sides with brackets.
std::optional<Candidate> LinearInequality(MakerLevel level, SeededRandom &random)
{
    static const char *const relations[] = {"＞", "＜", "≥", "≤"};
    static const char *const flipped[] = {"＜", "＞", "≤", "≥"};
    const long long which = random.Between(0, 3);
    const long long x = random.Between(-10, 10);
    const long long b = NonZero(random, -20, 20);
    if (level == MakerLevel::JiChu) {
        const long long a = random.Between(2, 9);
        return Candidate {PolynomialText({{a, "x"}, {b, ""}}) + relations[which] + Number(a * x + b),
            std::string("x") + relations[which] + Number(x)};
    }
    if (level == MakerLevel::TiGao) {
        const long long a = random.Between(-9, -2);
        return Candidate {PolynomialText({{a, "x"}, {b, ""}}) + relations[which] + Number(a * x + b),
            std::string("x") + flipped[which] + Number(x)};
    }
    // a(x＋p)＋b, relation, cx＋d: (a－c)x rel d－ap－b.
    const long long a = random.Between(2, 5);
    const long long p = NonZero(random, -6, 6);
    const long long c = NonZero(random, -6, 6);
    const long long k = a - c;
    if (k == 0)
        return std::nullopt;
    const long long d = k * x + a * p + b;
    const std::string left
        = Number(a) + "(" + LinearText(1, "x", p) + ")" + (b < 0 ? "－" : "＋") + Number(b < 0 ? -b : b);
    return Candidate {left + relations[which] + PolynomialText({{c, "x"}, {d, ""}}),
        std::string("x") + (k > 0 ? relations[which] : flipped[which]) + Number(x)};
}

// 二元二次方程组 with whole solutions (a, b): x＋y＝a＋b, xy＝ab; then x－y＝a－b, xy＝ab, whose
// solutions are (a, b) and (－b, －a); then x＋y＝a＋b, x^2＋y^2＝a^2＋b^2.
std::optional<Candidate> QuadraticSystem(MakerLevel level, SeededRandom &random)
{
    const long long a = NonZero(random, -9, 9);
    const long long b = NonZero(random, -9, 9);
    if (a == b || (level == MakerLevel::TiGao && a == -b))
        return std::nullopt;
    const auto pair = [](int n, long long x, long long y) {
        const std::string index = n == 0 ? "" : std::to_string(n);
        return "x" + index + "＝" + Number(x) + "，y" + index + "＝" + Number(y);
    };
    if (level == MakerLevel::TiGao)
        return Candidate {PolynomialText({{1, "x"}, {-1, "y"}}) + "＝" + Number(a - b) + "；xy＝" + Number(a * b),
            pair(1, a, b) + "；" + pair(2, -b, -a)};
    const std::string second
        = level == MakerLevel::JiChu ? "xy＝" + Number(a * b) : "x^2＋y^2＝" + Number(a * a + b * b);
    return Candidate {PolynomialText({{1, "x"}, {1, "y"}}) + "＝" + Number(a + b) + "；" + second,
        pair(1, a, b) + "；" + pair(2, b, a)};
}

} // namespace

std::optional<Candidate> MakeEquation(int type, MakerLevel level, SeededRandom &random)
{
    switch (type) {
    case 9:
        return PrimaryEquation(level, random);
    case 25:
        return LinearEquation(level, random);
    case 26:
        return LinearSystem(level, random);
    case 27:
        return Quadratic(level, random);
    case 29:
        return FractionalEquation(level, random);
    case 30:
        return LinearInequality(level, random);
    case 28:
        return QuadraticSystem(level, random);
    default:
        return std::nullopt;
    }
}

} // namespace qimbel::maker
