// 两个数的大小比较: two numbers of one line (whole, decimal, fraction, percentage, each with its
// sign) compared exactly. When both have a finite decimal the teacher turns them into decimals
// (化成小数); otherwise into fractions over one denominator (通分) and compares the numerators, so
// 0.333 and 1/3 are told apart exactly.
#include "algebra/ExactNumber.h"
#include "numbers/NumberText.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

#include <optional>
#include <vector>

namespace qimbel {

namespace {

struct TypedNumber {
    std::string text; // as the pupil typed it
    int start = 0;
    int end = 0; // one past the last byte
    Rational value;
    bool fraction = false; // typed as a/b (or a÷b)
    bool percent = false;
};

const std::string kDivide = "÷";

// Reads the number that starts at `pos` (a digit, or a sign before a digit): digits with one
// point, then "/" or "÷" and a denominator, then "%" or "％". Nothing when it has no exact value.
std::optional<TypedNumber> ReadAt(const std::string &line, int pos)
{
    const int n = Len(line);
    int i = pos;
    if (line[i] == '-' || line[i] == '+')
        ++i;
    const auto digits = [&](int &at) {
        const int from = at;
        while (at < n && (numbers::IsDigit(line[at]) || line[at] == '.'))
            ++at;
        return at > from;
    };
    if (!digits(i))
        return std::nullopt;
    std::string plain = Mid(line, pos, i - pos);
    TypedNumber number;
    // A mixed number: the whole part, "又", then a fraction (1又1/2).
    std::optional<Rational> whole;
    if (Mid(line, i, 2) == "又" && i + 2 < n && numbers::IsDigit(line[i + 2])) {
        const std::optional<NumberValue> read = ReadNumber(plain);
        if (!read || read->kind != NumberValue::Kind::Whole)
            return std::nullopt;
        whole = ExactValue(*read);
        int j = i + 2;
        digits(j);
        if (j >= n || !(line[j] == '/' || Mid(line, j, 2) == kDivide))
            return std::nullopt;
        plain = Mid(line, i + 2, j - i - 2);
        i = j;
    }
    if (i < n && (line[i] == '/' || Mid(line, i, 2) == kDivide)) {
        int j = i + (line[i] == '/' ? 1 : 2);
        if (digits(j)) {
            plain += "/" + Mid(line, i + (line[i] == '/' ? 1 : 2), j - i - (line[i] == '/' ? 1 : 2));
            number.fraction = true;
            i = j;
        }
    }
    if (i < n && (line[i] == '%' || Mid(line, i, 2) == "％")) {
        number.percent = true;
        i += line[i] == '%' ? 1 : 2;
    }
    const std::optional<NumberValue> read = ReadNumber(plain);
    if (!read)
        return std::nullopt;
    std::optional<Rational> value = ExactValue(*read);
    if (value && whole) {
        // The sign in front of the whole part is the sign of the whole mixed number.
        const Rational part = *value;
        value = whole->numerator < 0 || line[pos] == '-'
            ? RationalSum(*whole, Rational {-part.numerator, part.denominator})
            : RationalSum(*whole, part);
    }
    if (value && number.percent)
        value = RationalQuotient(*value, Rational {100, 1});
    if (!value)
        return std::nullopt;
    number.value = *value;
    number.text = Mid(line, pos, i - pos);
    number.start = pos;
    number.end = i;
    return number;
}

// The first two numbers of the line; a sign counts only where no digit stands before it.
std::vector<TypedNumber> TwoNumbers(const std::string &line)
{
    std::vector<TypedNumber> found;
    const int n = Len(line);
    int i = 0;
    while (i < n && found.size() < 2) {
        const char c = line[i];
        const bool sign = (c == '-' || c == '+') && i + 1 < n && numbers::IsDigit(line[i + 1])
            && (i == 0 || !numbers::IsDigit(line[i - 1]));
        if (numbers::IsDigit(c) || sign) {
            std::optional<TypedNumber> number = ReadAt(line, i);
            if (!number)
                return {};
            i = number->end;
            found.push_back(*number);
            continue;
        }
        i += numbers::CharLen(line, i) > 0 ? numbers::CharLen(line, i) : 1;
    }
    return found;
}

// The exact decimal of a value whose denominator has no prime factor but 2 and 5.
std::optional<std::string> FiniteDecimal(const Rational &value)
{
    Whole d = value.denominator;
    int twos = 0;
    int fives = 0;
    while (d % 2 == 0) {
        d /= 2;
        ++twos;
    }
    while (d % 5 == 0) {
        d /= 5;
        ++fives;
    }
    if (d != 1)
        return std::nullopt;
    const int places = twos > fives ? twos : fives;
    if (places > 30)
        return std::nullopt;
    Whole scale = 1;
    for (int k = 0; k < places; ++k)
        scale *= 10;
    Whole scaled = 0;
    if (MultiplyOverflows(value.numerator, scale / value.denominator, scaled))
        return std::nullopt;
    const bool negative = scaled < 0;
    std::string digits = WholeText(negative ? -scaled : scaled);
    if (places > 0) {
        while (Len(digits) <= places)
            digits = "0" + digits;
        digits = Left(digits, Len(digits) - places) + "." + Mid(digits, Len(digits) - places);
    }
    return (negative ? "－" : "") + digits;
}

// Full-width digits, point and fraction bar (３/４，０.７) as the ASCII ones the reader knows.
std::string HalfWidthDigits(const std::string &line)
{
    std::string out;
    const int n = Len(line);
    for (int i = 0; i < n;) {
        const int size = numbers::CharLen(line, i);
        const unsigned char lead = static_cast<unsigned char>(line[i]);
        const unsigned char trail = size == 2 ? static_cast<unsigned char>(line[i + 1]) : 0;
        if (lead == 0xA3 && trail >= 0xB0 && trail <= 0xB9)
            out += static_cast<char>('0' + (trail - 0xB0));
        else if (lead == 0xA3 && (trail == 0xAE || trail == 0xAF || trail == 0xA5))
            out += trail == 0xAE ? '.' : trail == 0xAF ? '/' : '%';
        else
            out += Mid(line, i, size);
        i += size;
    }
    return out;
}

bool IsPlainDecimal(const TypedNumber &number) { return !number.fraction && !number.percent; }

std::string Relation(const Rational &a, const Rational &b)
{
    // Numerators and denominators stay far below 2^63 for any typed number that reads exactly,
    // so the cross products fit in 128 bits.
    Whole left = 0;
    Whole right = 0;
    if (MultiplyOverflows(a.numerator, b.denominator, left) || MultiplyOverflows(b.numerator, a.denominator, right))
        return {};
    return left > right ? "＞" : left < right ? "＜" : "＝";
}

} // namespace

std::string Solver::DaXiaoBiJiao(std::string line, int level)
{
    if (level < 1 || level > 5)
        level = 1;
    if (std::string sentence = LineTooLong(line, kLongestComparisonLine); !sentence.empty())
        return sentence;
    line = Trim(HalfWidthDigits(line));
    const std::vector<TypedNumber> numbers = TwoNumbers(line);
    if (numbers.size() < 2)
        return "请在一行中写出要比较的两个数，例如：3/4()0.7 或 0.333和1/3";
    const TypedNumber &a = numbers[0];
    const TypedNumber &b = numbers[1];
    const std::string sign = Relation(a.value, b.value);
    if (sign.empty())
        return "这两个数太大，无法比较。";

    // The answer: the sign in the "()" the pupil left between the numbers, else a plain relation.
    std::string answer = a.text + sign + b.text;
    const std::string between = Mid(line, a.end, b.start - a.end);
    const int gap = Find(between, "()");
    if (gap >= 0)
        answer = Left(line, a.end + gap) + "(" + sign + ")" + Mid(line, a.end + gap + 2);

    std::vector<std::string> steps;
    const std::optional<std::string> da = FiniteDecimal(a.value);
    const std::optional<std::string> db = FiniteDecimal(b.value);
    if (da && db) {
        std::string turned;
        for (const auto &[number, decimal] : {std::pair {&a, *da}, std::pair {&b, *db}}) {
            if (IsPlainDecimal(*number))
                continue;
            turned += (turned.empty() ? "" : "，") + number->text + "＝" + decimal;
        }
        if (!turned.empty())
            steps.push_back("化成小数：" + turned);
        steps.push_back("比较：" + *da + sign + *db);
    } else {
        std::string turned;
        for (const TypedNumber *number : {&a, &b}) {
            const std::string exact = FractionText(number->value.numerator, number->value.denominator);
            const std::string typed = number->text[0] == '-' ? "－" + Mid(number->text, 1) : number->text;
            if (number->fraction && !number->percent && exact == typed)
                continue;
            if (number->value.denominator == 1)
                continue;
            turned += (turned.empty() ? "" : "，") + number->text + "＝" + exact;
        }
        if (!turned.empty())
            steps.push_back("化成分数：" + turned);
        const Whole da2 = a.value.denominator;
        const Whole db2 = b.value.denominator;
        Whole common = 0;
        Whole na = a.value.numerator;
        Whole nb = b.value.numerator;
        if (da2 != db2) {
            const Whole x = WholeGcd(da2, db2);
            if (MultiplyOverflows(da2 / x, db2, common) || MultiplyOverflows(na, common / da2, na)
                || MultiplyOverflows(nb, common / db2, nb))
                return "这两个数太大，无法比较。";
            steps.push_back("通分：" + FractionText(a.value.numerator, da2) + "＝" + WholeText(na) + "/"
                + WholeText(common) + "，" + FractionText(b.value.numerator, db2) + "＝" + WholeText(nb) + "/"
                + WholeText(common));
        }
        steps.push_back("分母相同，比较分子：" + WholeText(na) + sign + WholeText(nb));
    }

    if (level == 1)
        return answer;
    std::string text;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        if (level == 5)
            text += "第" + IntText(static_cast<long long>(k + 1)) + "步：";
        text += steps[k] + "\r\n";
    }
    // Without a "()" to fill, the answer is also said in words.
    if (gap < 0)
        answer += "，即 " + a.text + (sign == "＞" ? " 大于 " : sign == "＜" ? " 小于 " : " 等于 ") + b.text + "。";
    return text + (level == 5 ? "所以 " : "") + answer;
}

} // namespace qimbel
