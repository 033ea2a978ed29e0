// The makers of the 基础知识 pages: reading and writing numbers, unit conversion, rounding, the
// properties of a list of numbers and its statistics. The number, the converted amount, the
// rounded value or the numbers a question picks out are chosen first.
#include "maker/Makers.h"

#include <algorithm>
#include <numeric>

namespace qimbel::maker {

namespace {

const char *const kDigitNames[] = {"零", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
const char *const kPlaceNames[] = {"", "十", "百", "千"};
const char *const kGroupNames[] = {"", "万", "亿"};

// A whole number of `count` digits (no leading 0) with a 0 for about one digit in three, so that
// the zeros a reading names or leaves out come up often.
std::string DigitsWithZeros(SeededRandom &random, long long count)
{
    std::string digits;
    for (long long i = 0; i < count; ++i) {
        const long long digit = i == 0 ? random.Between(1, 9) : random.Chance(1, 3) ? 0 : random.Between(1, 9);
        digits += static_cast<char>('0' + digit);
    }
    return digits;
}

// The reading of whole digits as a textbook gives it: the groups 亿, 万 and the ones, the zeros
// at the end of a group left out, the others, however many stand together, read as one 零.
// Nothing for a number whose reading is not settled: a leading 1 in the tens (一十二 or 十二).
std::optional<std::string> WholeReading(const std::string &digits)
{
    if (digits == "0")
        return std::string("零");
    const std::size_t size = digits.size();
    if (size > 12 || (size % 4 == 2 && digits[0] == '1'))
        return std::nullopt;
    std::string reading;
    bool zero = false; // a 0 met since the last digit read, to be read before the next one
    const std::size_t groups = (size + 3) / 4;
    for (std::size_t g = groups; g-- > 0;) {
        // The digits of the group, the highest group possibly shorter than four.
        const std::size_t end = size - 4 * g;
        const std::size_t start = end >= 4 ? end - 4 : 0;
        const std::string group = digits.substr(start, end - start);
        if (group.find_first_not_of('0') == std::string::npos) {
            zero = true; // a group of zeros between two others is a zero between digits
            continue;
        }
        for (std::size_t i = 0; i < group.size(); ++i) {
            const int digit = group[i] - '0';
            const std::size_t place = group.size() - 1 - i;
            if (digit == 0) {
                zero = zero || !reading.empty();
                continue;
            }
            if (zero && !reading.empty())
                reading += "零";
            zero = false;
            reading += std::string(kDigitNames[digit]) + kPlaceNames[place];
        }
        reading += kGroupNames[g];
        zero = false; // the zeros at the end of a group are not read
    }
    return reading;
}

// 数的读法 and 数的写法: a number with its reading. 万以内; 亿以内; 亿以上 or a decimal.
std::optional<std::pair<std::string, std::string>> NumberWithReading(MakerLevel level, SeededRandom &random)
{
    std::string whole;
    std::string decimals;
    // One draw a statement, the count of digits before the digits.
    if (level == MakerLevel::JiChu) {
        const long long count = random.Between(3, 4);
        whole = DigitsWithZeros(random, count);
    } else if (level == MakerLevel::TiGao) {
        const long long count = random.Between(5, 8);
        whole = DigitsWithZeros(random, count);
    } else if (random.Chance(1, 2)) {
        const long long count = random.Between(9, 12);
        whole = DigitsWithZeros(random, count);
    } else {
        const bool zero = random.Chance(1, 3);
        const long long count = zero ? 0 : random.Between(1, 3);
        whole = zero ? "0" : DigitsWithZeros(random, count);
        const long long places = random.Between(1, 3);
        decimals = DigitsWithZeros(random, places);
        // The first decimal may be 0 (3.05); the last is not.
        decimals[0] = random.Chance(1, 3) ? '0' : decimals[0];
        if (decimals.back() == '0')
            return std::nullopt;
    }
    std::optional<std::string> reading = WholeReading(whole);
    if (!reading)
        return std::nullopt;
    std::string number = whole;
    if (!decimals.empty()) {
        number += "." + decimals;
        *reading += "点";
        for (char c : decimals)
            *reading += kDigitNames[c - '0'];
    }
    return std::pair {number, *reading};
}

// 单位转换: units by their size in the chain's smallest unit, as the unit file names them.
struct UnitSize {
    const char *name;
    long long size;
};
const UnitSize kLengths[] = {{"千米", 1000000}, {"米", 1000}, {"分米", 100}, {"厘米", 10}, {"毫米", 1}};
const UnitSize kMasses[] = {{"吨", 1000000}, {"千克", 1000}, {"克", 1}};
const UnitSize kTimes[] = {{"时", 3600}, {"分", 60}, {"秒", 1}};
const UnitSize kMoney[] = {{"元", 100}, {"角", 10}, {"分", 1}};
const UnitSize kAreas[] = {{"平方米", 10000}, {"平方分米", 100}, {"平方厘米", 1}};
const UnitSize kVolumes[] = {{"立方米", 1000000}, {"立方分米", 1000}, {"升", 1000}, {"立方厘米", 1}, {"毫升", 1}};

struct Chain {
    const UnitSize *units;
    long long count;
};

// A larger and a smaller unit of one chain, and how many of the smaller make one larger.
struct UnitPair {
    UnitSize large;
    UnitSize small;
    long long rate;
};

std::optional<UnitPair> SomeUnits(const Chain &chain, bool neighbours, SeededRandom &random)
{
    const long long i = random.Between(0, chain.count - 2);
    const long long j = neighbours ? i + 1 : random.Between(i + 1, chain.count - 1);
    const UnitSize large = chain.units[i];
    const UnitSize small = chain.units[j];
    if (large.size == small.size)
        return std::nullopt;
    return UnitPair {large, small, large.size / small.size};
}

std::optional<Candidate> UnitConversion(MakerLevel level, SeededRandom &random)
{
    static const Chain everyday[] = {{kLengths, 5}, {kMasses, 3}, {kTimes, 3}, {kMoney, 3}};
    static const Chain measures[] = {{kLengths, 5}, {kMasses, 3}, {kAreas, 3}, {kVolumes, 5}};
    if (level == MakerLevel::JiChu) {
        // A whole amount of one unit in the next smaller one.
        const Chain &chain = everyday[random.Between(0, 3)];
        const std::optional<UnitPair> units = SomeUnits(chain, true, random);
        if (!units)
            return std::nullopt;
        const long long amount = random.Between(2, 12);
        return Candidate {Number(amount) + units->large.name + "＝()" + units->small.name,
            Number(amount) + units->large.name + "=" + Number(amount * units->rate) + units->small.name};
    }
    if (level == MakerLevel::TiGao) {
        // A compound amount in the smaller unit, or the other way round.
        const Chain &chain = everyday[random.Between(0, 3)];
        const std::optional<UnitPair> units = SomeUnits(chain, true, random);
        if (!units)
            return std::nullopt;
        const long long large = random.Between(1, 9);
        const long long small = random.Between(1, units->rate - 1);
        const std::string compound = Number(large) + units->large.name + Number(small) + units->small.name;
        const std::string single = Number(large * units->rate + small) + units->small.name;
        if (random.Chance(1, 2))
            return Candidate {compound + "＝()" + units->small.name, compound + "=" + single};
        return Candidate {single + "＝()" + units->large.name + "()" + units->small.name, single + "=" + compound};
    }
    // A smaller unit in a larger one (a decimal), or a decimal amount in a smaller unit.
    const Chain &chain = measures[random.Between(0, 3)];
    const std::optional<UnitPair> units = SomeUnits(chain, false, random);
    if (!units || units->rate > 1000)
        return std::nullopt;
    if (random.Chance(1, 2)) {
        const long long amount = random.Between(1, units->rate * 10 - 1);
        if (amount % units->rate == 0)
            return std::nullopt;
        return Candidate {Number(amount) + units->small.name + "＝()" + units->large.name,
            Number(amount) + units->small.name + "=" + ValueText(Ratio(amount, units->rate)) + units->large.name};
    }
    const long long tenths = random.Between(11, 99);
    if (tenths % 10 == 0)
        return std::nullopt;
    const std::string amount = ValueText(Ratio(tenths, 10));
    return Candidate {amount + units->large.name + "＝()" + units->small.name,
        amount + units->large.name + "=" + ValueText(Ratio(tenths * units->rate, 10)) + units->small.name};
}

// 近似数: a number rounded to a place, the rounding worked on the digits here.
const char *const kDecimalPlaceNames[] = {"个位", "十分位", "百分位", "千分位"};
const char *const kWholePlaceNames[] = {"", "十位", "百位", "千位", "万位", "十万位", "百万位", "千万位", "亿位"};

long long PowerOfTen(long long n)
{
    long long power = 1;
    for (long long i = 0; i < n; ++i)
        power *= 10;
    return power;
}

// The whole number `scaled` with `places` decimals written out (1234, 2 → 12.34).
std::string WithPlaces(long long scaled, long long places)
{
    std::string digits = std::to_string(scaled);
    if (places == 0)
        return digits;
    if (static_cast<long long>(digits.size()) <= places)
        digits
            = std::string(static_cast<std::size_t>(places + 1 - static_cast<long long>(digits.size())), '0') + digits;
    return digits.substr(0, digits.size() - static_cast<std::size_t>(places)) + "."
        + digits.substr(digits.size() - static_cast<std::size_t>(places));
}

std::optional<Candidate> Rounding(MakerLevel level, SeededRandom &random)
{
    const bool negative = level == MakerLevel::TuoZhan && random.Chance(1, 3);
    const std::string sign = negative ? "－" : "";
    const bool byWord = random.Chance(1, 2);
    const std::string keyword = byWord ? "四舍五入到" : "精确到";
    if (level == MakerLevel::TuoZhan && !negative) {
        // A large whole number to 万位 … 亿位: the digits below the place become 0.
        const long long place = random.Between(4, 8);
        const long long digits = place + random.Between(1, 3);
        const std::string text = DigitsWithZeros(random, digits);
        const long long value = std::stoll(text);
        const long long unit = PowerOfTen(place);
        const long long rounded = (value / unit + ((value / (unit / 10)) % 10 >= 5 ? 1 : 0)) * unit;
        return Candidate {text + keyword + kWholePlaceNames[place], std::to_string(rounded)};
    }
    // A decimal to 个位 … 千分位, with a 9 before the deciding digit now and then (a carry on).
    const long long target = level == MakerLevel::JiChu ? random.Between(0, 1) : random.Between(1, 3);
    const long long places = target + random.Between(1, 2);
    const long long whole = random.Between(0, level == MakerLevel::JiChu ? 99 : 999);
    long long fraction = random.Between(0, PowerOfTen(places) - 1);
    if (level != MakerLevel::JiChu && random.Chance(1, 3)) {
        // The digit at the place and those above it in the decimals 9, the next 5 or more.
        const long long below = PowerOfTen(places - target);
        fraction = (PowerOfTen(target) - 1) * below + below / 2 + fraction % (below / 2);
    }
    if (fraction % 10 == 0)
        return std::nullopt;
    const long long scaled = whole * PowerOfTen(places) + fraction;
    const long long unit = PowerOfTen(places - target);
    const long long rounded = scaled / unit + ((scaled / (unit / 10)) % 10 >= 5 ? 1 : 0);
    if (negative && rounded == 0)
        return std::nullopt;
    return Candidate {
        sign + WithPlaces(scaled, places) + keyword + kDecimalPlaceNames[target], sign + WithPlaces(rounded, target)};
}

// 数的基本性质 and 数据统计初步: a list of numbers and a question about it, parted by "；" (the list is
// typed on the first line, the question on the next). The answer is what the question picks out.
std::string ListText(const std::vector<std::string> &numbers)
{
    std::string text;
    for (const std::string &n : numbers)
        text += (text.empty() ? "" : ",") + n;
    return text;
}

bool IsPrime(long long n)
{
    if (n < 2)
        return false;
    for (long long d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return false;
    return true;
}

// Different whole numbers from low to high, in the order drawn.
std::optional<std::vector<long long>> DifferentWholes(
    SeededRandom &random, long long count, long long low, long long high)
{
    std::vector<long long> numbers;
    for (long long i = 0; i < count; ++i) {
        const long long n = random.Between(low, high);
        if (std::find(numbers.begin(), numbers.end(), n) != numbers.end())
            return std::nullopt;
        numbers.push_back(n);
    }
    return numbers;
}

std::optional<Candidate> Properties(MakerLevel level, SeededRandom &random)
{
    if (level != MakerLevel::TuoZhan) {
        const long long count = random.Between(7, 10);
        const std::optional<std::vector<long long>> numbers
            = DifferentWholes(random, count, 1, level == MakerLevel::JiChu ? 30 : 60);
        if (!numbers)
            return std::nullopt;
        std::string question;
        // Odd or even; primes, composites, the multiples of k or the factors of k.
        const long long kind = level == MakerLevel::JiChu ? random.Between(0, 1) : random.Between(2, 5);
        const long long k = kind == 4 ? random.Between(2, 9) : kind == 5 ? random.Between(12, 60) : 1;
        const char *const questions[] = {"哪些是奇数？", "哪些是偶数？", "哪些是质数？", "哪些是合数？"};
        if (kind < 4)
            question = questions[kind];
        else if (kind == 4)
            question = "哪些是" + Number(k) + "的倍数？";
        else
            question = "哪些是" + Number(k) + "的因数？";
        std::vector<std::string> texts;
        std::vector<std::string> picked;
        for (long long n : *numbers) {
            texts.push_back(Number(n));
            const bool holds = kind == 0 ? n % 2 == 1
                : kind == 1              ? n % 2 == 0
                : kind == 2              ? IsPrime(n)
                : kind == 3              ? n > 1 && !IsPrime(n)
                : kind == 4              ? n % k == 0
                                         : k % n == 0;
            if (holds)
                picked.push_back(Number(n));
        }
        if (picked.empty() || picked.size() == texts.size())
            return std::nullopt;
        return Candidate {ListText(texts) + "；" + question, ListText(picked)};
    }
    // Numbers of every kind: whole (some negative), decimals, fractions proper and improper.
    std::vector<std::string> texts;
    struct Kind {
        bool natural, integer, negative, decimal, proper, improper;
    };
    std::vector<Kind> kinds;
    const long long count = random.Between(7, 9);
    for (long long i = 0; i < count; ++i) {
        const long long kind = random.Between(0, 4);
        std::string text;
        Kind k {};
        if (kind == 0) {
            const long long n = random.Between(0, 30);
            text = Number(n);
            k = {true, true, false, false, false, false};
        } else if (kind == 1) {
            text = "－" + Number(random.Between(1, 20));
            k = {false, true, true, false, false, false};
        } else if (kind == 2) {
            const long long tenths = random.Between(1, 99);
            if (tenths % 10 == 0)
                return std::nullopt;
            const bool minus = random.Chance(1, 4);
            text = (minus ? "－" : "") + ValueText(Ratio(tenths, 10));
            k = {false, false, minus, true, false, false};
        } else {
            const long long d = random.Between(2, 9);
            const long long n = kind == 3 ? random.Between(1, d - 1) : random.Between(d + 1, 3 * d);
            if (std::gcd(n, d) != 1)
                return std::nullopt;
            text = Number(n) + "/" + Number(d);
            k = {false, false, false, false, kind == 3, kind == 4};
        }
        if (std::find(texts.begin(), texts.end(), text) != texts.end())
            return std::nullopt;
        texts.push_back(text);
        kinds.push_back(k);
    }
    const char *const questions[]
        = {"哪些是自然数？", "哪些是整数？", "哪些是负数？", "哪些是小数？", "哪些是真分数？", "哪些是假分数？"};
    const long long asked = random.Between(0, 5);
    std::vector<std::string> picked;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const Kind &k = kinds[i];
        const bool holds = asked == 0 ? k.natural
            : asked == 1              ? k.integer
            : asked == 2              ? k.negative
            : asked == 3              ? k.decimal
            : asked == 4              ? k.proper
                                      : k.improper;
        // The routine writes the numbers it picks with a half-width minus.
        if (holds)
            picked.push_back(texts[i].compare(0, 2, "－") == 0 ? "-" + texts[i].substr(2) : texts[i]);
    }
    if (picked.empty() || picked.size() == texts.size())
        return std::nullopt;
    return Candidate {ListText(texts) + "；" + questions[asked], ListText(picked)};
}

// 数据统计初步: the mean (whole); the median or the one mode; the variance about a whole mean, or
// the mean of the numbers a property picks out. A statistic's answer stands in the "()".
std::optional<Candidate> Statistics(MakerLevel level, SeededRandom &random)
{
    const long long count = level == MakerLevel::TuoZhan ? random.Between(4, 5) : random.Between(5, 8);
    std::vector<long long> numbers;
    const long long low = level == MakerLevel::TuoZhan ? -10 : 1;
    for (long long i = 0; i < count; ++i)
        numbers.push_back(random.Between(low, 40));
    long long sum = 0;
    for (long long n : numbers)
        sum += n;
    std::vector<std::string> texts;
    for (long long n : numbers)
        texts.push_back(Number(n));
    const std::string list = ListText(texts);
    std::vector<long long> sorted = numbers;
    std::sort(sorted.begin(), sorted.end());
    if (level == MakerLevel::JiChu) {
        if (sum % count != 0)
            return std::nullopt;
        return Candidate {list + "；这组数据的平均数是()。", Number(sum / count)};
    }
    if (level == MakerLevel::TiGao) {
        if (random.Chance(1, 2)) {
            const std::size_t middle = sorted.size() / 2;
            const Rational median
                = sorted.size() % 2 == 1 ? Whole(sorted[middle]) : Ratio(sorted[middle - 1] + sorted[middle], 2);
            return Candidate {list + "；这组数据的中位数是()。", ValueText(median)};
        }
        // One number stands most often, at least twice.
        long long best = 0;
        long long bestCount = 0;
        bool tie = false;
        for (long long n : sorted) {
            const long long times = std::count(sorted.begin(), sorted.end(), n);
            if (times > bestCount) {
                best = n;
                bestCount = times;
                tie = false;
            } else if (times == bestCount && n != best) {
                tie = true;
            }
        }
        if (bestCount < 2 || tie)
            return std::nullopt;
        return Candidate {list + "；这组数据的众数是()。", Number(best)};
    }
    if (random.Chance(1, 2)) {
        if (sum % count != 0)
            return std::nullopt;
        const long long mean = sum / count;
        long long squares = 0;
        for (long long n : numbers)
            squares += (n - mean) * (n - mean);
        return Candidate {list + "；这组数据的方差是()。", ValueText(Ratio(squares, count))};
    }
    // The mean of the positive numbers (or the even ones).
    const bool positive = random.Chance(1, 2);
    long long picked = 0;
    long long total = 0;
    for (long long n : numbers)
        if (positive ? n > 0 : (n % 2 == 0 && n >= 0)) {
            ++picked;
            total += n;
        }
    // The routine writes six decimals at most: the mean stops after two.
    if (picked == 0 || picked == count || (total * 100) % picked != 0)
        return std::nullopt;
    return Candidate {list + (positive ? "；哪些是正数，它们的平均数是()。" : "；哪些是偶数，它们的平均数是()。"),
        ValueText(Ratio(total, picked))};
}

} // namespace

std::optional<Candidate> MakeKnowledge(int type, MakerLevel level, SeededRandom &random)
{
    switch (type) {
    case 1:
    case 2: {
        const auto made = NumberWithReading(level, random);
        if (!made)
            return std::nullopt;
        return type == 1 ? Candidate {made->first, made->second} : Candidate {made->second, made->first};
    }
    case 6:
        return UnitConversion(level, random);
    case 14:
        return Rounding(level, random);
    case 16:
        return Properties(level, random);
    case 17:
        return Statistics(level, random);
    default:
        return std::nullopt;
    }
}

} // namespace qimbel::maker
