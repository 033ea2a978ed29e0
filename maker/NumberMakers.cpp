// The makers of factors and multiples, prime factorisation, ratios, proportions and systems of
// inequalities: the common factor, the primes, the simplest ratio or the bounds are chosen first.
#include "maker/Makers.h"

#include <algorithm>
#include <numeric>

namespace qimbel::maker {

namespace {

std::string ListText(const std::vector<long long> &numbers, const char *comma = ",")
{
    std::string text;
    for (long long n : numbers)
        text += (text.empty() ? "" : comma) + Number(n);
    return text;
}

// Two or three different numbers, each a multiple of `common`, whose greatest common factor is it.
std::optional<std::vector<long long>> Multiples(SeededRandom &random, long long common, int count, long long most)
{
    std::vector<long long> numbers;
    long long g = 0;
    for (int i = 0; i < count; ++i) {
        const long long n = common * random.Between(1, most / common);
        if (std::find(numbers.begin(), numbers.end(), n) != numbers.end() || n < 2)
            return std::nullopt;
        numbers.push_back(n);
        g = std::gcd(g, n);
    }
    if (g != common)
        return std::nullopt;
    return numbers;
}

// 倍数（公倍数）: the first ten common multiples of two or three numbers.
std::optional<Candidate> CommonMultiples(MakerLevel level, SeededRandom &random)
{
    const int count = level == MakerLevel::TuoZhan ? 3 : 2;
    const long long most = level == MakerLevel::JiChu ? 12 : level == MakerLevel::TiGao ? 30 : 20;
    std::vector<long long> numbers;
    long long lcm = 1;
    for (int i = 0; i < count; ++i) {
        const long long n = random.Between(2, most);
        if (std::find(numbers.begin(), numbers.end(), n) != numbers.end())
            return std::nullopt;
        numbers.push_back(n);
        lcm = std::lcm(lcm, n);
    }
    if (lcm > 1000)
        return std::nullopt;
    std::vector<long long> multiples;
    for (long long k = 1; k <= 10; ++k)
        multiples.push_back(k * lcm);
    return Candidate {ListText(numbers), ListText(multiples)};
}

// 因数（公因数）: every common factor of two or three numbers, the greatest chosen first.
std::optional<Candidate> CommonFactors(MakerLevel level, SeededRandom &random)
{
    const int count = level == MakerLevel::TuoZhan ? 3 : 2;
    const long long most = level == MakerLevel::JiChu ? 50 : 150;
    const long long common = random.Between(2, level == MakerLevel::JiChu ? 12 : 24);
    const std::optional<std::vector<long long>> numbers = Multiples(random, common, count, most);
    if (!numbers)
        return std::nullopt;
    std::vector<long long> factors;
    for (long long d = 1; d <= common; ++d)
        if (common % d == 0)
            factors.push_back(d);
    return Candidate {ListText(*numbers), ListText(factors)};
}

// 分解质因数: a product of primes chosen first, up to 100, 1000 and 10000.
std::optional<Candidate> PrimeFactors(MakerLevel level, SeededRandom &random)
{
    static const long long primes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23};
    const long long most = level == MakerLevel::JiChu ? 100 : level == MakerLevel::TiGao ? 1000 : 10000;
    const long long count = random.Between(2, level == MakerLevel::JiChu ? 4 : level == MakerLevel::TiGao ? 6 : 8);
    std::vector<long long> chosen;
    long long product = 1;
    for (long long i = 0; i < count; ++i) {
        const long long p = primes[random.Between(0, level == MakerLevel::JiChu ? 3 : 8)];
        chosen.push_back(p);
        product *= p;
        if (product > most)
            return std::nullopt;
    }
    std::sort(chosen.begin(), chosen.end());
    std::string answer;
    for (std::size_t i = 0; i < chosen.size();) {
        std::size_t j = i;
        while (j < chosen.size() && chosen[j] == chosen[i])
            ++j;
        answer += (answer.empty() ? "" : "×") + Number(chosen[i]);
        if (j - i > 1)
            answer += "^(" + std::to_string(j - i) + ")";
        i = j;
    }
    return Candidate {Number(product), answer};
}

// 化简比: whole numbers, then decimals with one place, then three terms; the simplest ratio first.
std::optional<Candidate> SimplestRatio(MakerLevel level, SeededRandom &random)
{
    const long long p = random.Between(1, 9);
    const long long q = random.Between(1, 9);
    const long long r = random.Between(1, 9);
    const long long k = random.Between(2, level == MakerLevel::JiChu ? 12 : 9);
    if (p == q || std::gcd(p, q) != 1)
        return std::nullopt;
    if (level == MakerLevel::JiChu)
        return Candidate {Number(k * p) + ":" + Number(k * q), Number(p) + ":" + Number(q)};
    if (level == MakerLevel::TiGao) {
        if ((k * p) % 10 == 0 || (k * q) % 10 == 0)
            return std::nullopt;
        return Candidate {ValueText(Ratio(k * p, 10)) + ":" + ValueText(Ratio(k * q, 10)), Number(p) + ":" + Number(q)};
    }
    if (std::gcd(std::gcd(p, q), r) != 1 || r == p || r == q)
        return std::nullopt;
    return Candidate {
        Number(k * p) + ":" + Number(k * q) + ":" + Number(k * r), Number(p) + ":" + Number(q) + ":" + Number(r)};
}

// 解(未知数)比: the unknown an outer term, then an inner term, then any term with larger numbers.
std::optional<Candidate> Proportion(MakerLevel level, SeededRandom &random)
{
    const long long most = level == MakerLevel::TuoZhan ? 30 : 12;
    const long long a = random.Between(1, most);
    const long long b = random.Between(1, most);
    const long long k = random.Between(2, level == MakerLevel::TuoZhan ? 9 : 5);
    // a:b ＝ ka:kb with one term the unknown.
    const long long terms[] = {a, b, k * a, k * b};
    const long long at = level == MakerLevel::JiChu ? 0 : level == MakerLevel::TiGao ? 1 : random.Between(0, 3);
    if (a == b)
        return std::nullopt;
    std::string text[4];
    for (int i = 0; i < 4; ++i)
        text[i] = i == at ? "x" : Number(terms[i]);
    return Candidate {text[0] + ":" + text[1] + "＝" + text[2] + ":" + text[3], "x＝" + Number(terms[at])};
}

// 一元一次不等式组: two inequalities with whole bounds, solved each and joined; then one with a
// negative coefficient; then ≥ and ≤, a single bound or no solution.
std::optional<Candidate> InequalitySystem(MakerLevel level, SeededRandom &random)
{
    const long long low = random.Between(-9, 8);
    const long long high = low + random.Between(1, 9);
    const bool lowIncluded = level == MakerLevel::TuoZhan && random.Chance(1, 2);
    const bool highIncluded = level == MakerLevel::TuoZhan && random.Chance(1, 2);
    // x above the low bound: ax＋b (> or ≥) a·low＋b with a > 0, or with a < 0 reversed.
    const auto side = [&](long long bound, bool above, bool included) -> std::string {
        long long a = random.Between(1, 5);
        if (level != MakerLevel::JiChu && random.Chance(1, 2))
            a = -a;
        const long long b = NonZero(random, -9, 9);
        const bool greater = (a > 0) == above;
        const char *relation = greater ? (included ? "≥" : "＞") : (included ? "≤" : "＜");
        return PolynomialText({{a, "x"}, {b, ""}}) + relation + Number(a * bound + b);
    };
    const std::string first = side(low, true, lowIncluded);
    if (level == MakerLevel::TuoZhan && random.Chance(1, 4)) {
        // The second bound lies on the same side: only the stronger one is left; or no solution.
        if (random.Chance(1, 2)) {
            const std::string second = side(high, true, false);
            return Candidate {first + "；" + second, "x＞" + Number(high)};
        }
        const std::string second = side(low - random.Between(1, 5), false, false);
        return Candidate {first + "；" + second, "无解"};
    }
    const std::string second = side(high, false, highIncluded);
    return Candidate {first + "；" + second,
        Number(low) + (lowIncluded ? "≤" : "＜") + "x" + (highIncluded ? "≤" : "＜") + Number(high)};
}

} // namespace

std::optional<Candidate> MakeNumbers(int type, MakerLevel level, SeededRandom &random)
{
    switch (type) {
    case 3:
        return CommonMultiples(level, random);
    case 4:
        return CommonFactors(level, random);
    case 10:
        return SimplestRatio(level, random);
    case 12:
        return PrimeFactors(level, random);
    case 18:
        return Proportion(level, random);
    case 31:
        return InequalitySystem(level, random);
    default:
        return std::nullopt;
    }
}

} // namespace qimbel::maker
