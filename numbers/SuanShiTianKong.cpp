// 算式计算与填空: one operation with one blank, "()＋25＝60", "48÷()＝6", "3.5×2＝()", "()×20%＝8", and
// 有余数的除法, "()÷5＝3……2". The blank
// is found as the textbook teaches it, by the inverse operation: 加数＝和－另一个加数, 被减数＝差＋减数,
// 减数＝被减数－差, 因数＝积÷另一个因数, 被除数＝商×除数, 除数＝被除数÷商. Every number is held as an
// exact fraction, so 1/3 never turns into 0.333333, and the answer is checked by putting it back.
#include "algebra/ExactNumber.h"
#include "algebra/WorkedSteps.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

#include <array>
#include <optional>
#include <vector>

namespace qimbel {

namespace {

// A typed number (whole, decimal or a/b) exactly; nothing for anything else.
std::optional<Rational> ReadExact(const std::string &text)
{
    const std::optional<NumberValue> read = ReadNumber(text);
    return read ? ExactValue(*read) : std::nullopt;
}

// A value of a line without fractions: a decimal whenever it has an end, however many places
// the typed numbers had (1－0.0000001 is 0.9999999), a fraction otherwise.
std::string DecimalText(const Rational &value)
{
    constexpr int kMostPlaces = 30;
    Whole one = 1;
    int places = 0;
    while (places < kMostPlaces && one % value.denominator != 0) {
        one *= 10;
        ++places;
    }
    if (one % value.denominator != 0 || places <= 6)
        return ExactText(value);
    const Whole size = value.numerator < 0 ? -value.numerator : value.numerator;
    std::string digits = WholeText(size % value.denominator * (one / value.denominator));
    digits.insert(0, static_cast<std::size_t>(places) - digits.size(), '0');
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    return (value.numerator < 0 ? "－" : "") + WholeText(size / value.denominator) + "." + digits;
}

// One of the three places of "a op b ＝ c": a number as typed, or the blank.
struct Place {
    std::string text; // as typed, signs full-width; "()" or "□" for the blank
    bool blank = false;
    bool fraction = false;
    Rational value;
};

struct FillIn {
    std::array<Place, 3> places; // a, b, c of a op b ＝ c
    char op = 0; // '+', '-', '*', '/'
    bool swapped = false; // typed as c ＝ a op b
    bool equals = false; // the line has a "＝"
};

const char *const kAsk = "请写出只有一步计算、含有一个“()”的算式，例如：()＋25＝60、48÷()＝6、3.5×2＝()";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The place that starts at `i`: a blank, or digits with one point and perhaps "/" and digits.
std::optional<Place> ReadPlace(const std::string &line, int &i)
{
    Place place;
    if (Mid(line, i, 2) == "□") {
        place.text = "□";
        place.blank = true;
        i += 2;
        return place;
    }
    // A bracket pair with nothing but blanks inside, in either width: ()，（　），( ).
    for (const char *open : {"(", "（"}) {
        if (Mid(line, i, Len(open)) != open)
            continue;
        int at = i + Len(open);
        while (Mid(line, at, 1) == " " || Mid(line, at, 2) == "　")
            at += Mid(line, at, 1) == " " ? 1 : 2;
        for (const char *close : {")", "）"}) {
            if (Mid(line, at, Len(close)) == close) {
                place.text = "()";
                place.blank = true;
                i = at + Len(close);
                return place;
            }
        }
    }
    const int n = Len(line);
    const int start = i;
    while (i < n && (IsDigit(line[i]) || line[i] == '.'))
        ++i;
    if (i == start)
        return std::nullopt;
    if (i + 1 < n && line[i] == '/' && IsDigit(line[i + 1])) {
        ++i;
        while (i < n && IsDigit(line[i]))
            ++i;
        place.fraction = true;
    }
    place.text = Mid(line, start, i - start);
    std::optional<Rational> value = ReadExact(place.text);
    // A percentage: 20% is 20/100.
    const int percent = Mid(line, i, 1) == "%" ? 1 : Mid(line, i, 2) == "％" ? 2 : 0;
    if (percent > 0 && value && !place.fraction) {
        value = RationalQuotient(*value, Rational {100, 1});
        place.text += "%";
        i += percent;
    }
    if (!value)
        return std::nullopt;
    place.value = *value;
    return place;
}

// The operator at `i` ('+', '-', '*', '/') and its width, or 0.
char ReadOperator(const std::string &line, int &i)
{
    const char c = line[i];
    if (c == '+' || c == '-') {
        ++i;
        return c;
    }
    static const std::pair<const char *, char> wide[] = {{"＋", '+'}, {"－", '-'}, {"×", '*'}, {"÷", '/'}};
    for (const auto &[sign, op] : wide) {
        if (Mid(line, i, 2) == sign) {
            i += 2;
            return op;
        }
    }
    return 0;
}

bool ReadEquals(const std::string &line, int &i)
{
    if (line[i] == '=') {
        ++i;
        return true;
    }
    if (Mid(line, i, 2) == "＝") {
        i += 2;
        return true;
    }
    return false;
}

// "a op b", "a op b ＝", "a op b ＝ c" or "c ＝ a op b", with at most one blank.
std::optional<FillIn> Parse(const std::string &line)
{
    const int n = Len(line);
    int i = 0;
    std::vector<Place> items;
    std::vector<char> ops;
    int equalsAfter = -1; // the number of items before "＝"
    while (i < n) {
        std::optional<Place> place = ReadPlace(line, i);
        if (!place)
            return std::nullopt;
        items.push_back(*place);
        if (i >= n)
            break;
        const int at = i;
        if (ReadEquals(line, i)) {
            if (equalsAfter >= 0)
                return std::nullopt;
            equalsAfter = static_cast<int>(items.size());
            if (i >= n)
                break;
            continue;
        }
        const char op = ReadOperator(line, i);
        if (op == 0 || i == at || i >= n)
            return std::nullopt;
        ops.push_back(op);
    }
    if (ops.size() != 1)
        return std::nullopt;
    FillIn fill;
    fill.op = ops[0];
    fill.equals = equalsAfter >= 0;
    if (items.size() == 2 && (equalsAfter == -1 || equalsAfter == 2)) {
        // "a op b" or "a op b ＝": the result is asked for.
        fill.places = {items[0], items[1], Place {"()", true, false, {}}};
    } else if (items.size() == 3 && equalsAfter == 2) {
        fill.places = {items[0], items[1], items[2]};
    } else if (items.size() == 3 && equalsAfter == 1) {
        fill.places = {items[1], items[2], items[0]};
        fill.swapped = true;
    } else {
        return std::nullopt;
    }
    int blanks = 0;
    for (const Place &place : fill.places)
        blanks += place.blank ? 1 : 0;
    if (blanks != 1)
        return std::nullopt;
    return fill;
}

// The names of a, b and c for each operation.
std::array<const char *, 3> NamesOf(char op)
{
    switch (op) {
    case '+':
        return {"加数", "加数", "和"};
    case '-':
        return {"被减数", "减数", "差"};
    case '*':
        return {"因数", "因数", "积"};
    default:
        return {"被除数", "除数", "商"};
    }
}

std::optional<Rational> Apply(const Rational &a, char op, const Rational &b)
{
    switch (op) {
    case '+':
        return RationalSum(a, b);
    case '-':
        return RationalSum(a, Rational {-b.numerator, b.denominator});
    case '*':
        return RationalProduct(a, b);
    default:
        return RationalQuotient(a, b);
    }
}

bool IsZero(const Rational &value) { return value.numerator == 0; }
bool Negative(const Rational &value) { return value.numerator < 0; }

// Where the remainder mark of 有余数的除法 starts ("……", "…" or "..."), and its length; -1 when the
// line has none.
int RemainderMark(const std::string &line, int &length)
{
    // Most lines have no dots at all: a byte search says so before the character-aware one.
    if (line.find("…") == std::string::npos && line.find("...") == std::string::npos)
        return -1;
    for (const char *mark : {"……", "…", "..."}) {
        const int at = Find(line, mark);
        if (at >= 0) {
            length = Len(mark);
            return at;
        }
    }
    return -1;
}

std::string Steps(const std::vector<std::string> &steps, int level)
{
    std::string text;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        if (level == 5)
            text += "第" + IntText(static_cast<long long>(k + 1)) + "步：";
        text += steps[k] + "\r\n";
    }
    return text;
}

bool IsWholeNumber(const Rational &value) { return value.denominator == 1 && value.numerator >= 0; }

// 有余数的除法: 被除数÷除数＝商……余数 with the blank in any place, or the quotient and the remainder
// both asked for (17÷5＝()……()). Every number is a whole number and the remainder is smaller than
// the divisor: 被除数＝商×除数＋余数.
std::string RemainderDivision(const std::string &line, int at, int markLength, int level)
{
    const std::optional<FillIn> head = Parse(Left(line, at));
    const std::string tail = Mid(line, at + markLength);
    int i = 0;
    const std::optional<Place> remainderPlace = ReadPlace(tail, i);
    if (!remainderPlace || i != Len(tail))
        return kAsk;
    // Parse wants one blank: the head of 17÷5＝()……() has one, that of ()÷5＝3……2 too; the head
    // of 17÷5＝3……() none, read again with the quotient as a blank to find its places.
    std::optional<FillIn> fill = head;
    if (!fill && remainderPlace->blank) {
        const int equals = Find(Left(line, at), "＝");
        const std::string left = equals >= 0 ? Left(line, equals) : std::string();
        fill = Parse(left + "＝()");
        if (fill) {
            int j = equals + 2;
            const std::optional<Place> quotient = ReadPlace(Left(line, at), j);
            if (!quotient || j != at)
                return kAsk;
            fill->places[2] = *quotient;
        }
    }
    if (!fill || fill->op != '/' || fill->swapped || !fill->equals)
        return kAsk;
    std::array<Place, 4> p = {fill->places[0], fill->places[1], fill->places[2], *remainderPlace};
    int blanks = 0;
    for (const Place &place : p) {
        blanks += place.blank ? 1 : 0;
        if (!place.blank && (!IsWholeNumber(place.value) || place.fraction || Contains(place.text, "%")))
            return "有余数的除法里每个数都是整数，请写整数。";
    }
    const bool both = blanks == 2 && p[2].blank && p[3].blank;
    if (blanks != 1 && !both)
        return kAsk;
    const auto n = [](const Place &place) { return static_cast<Whole>(place.value.numerator); };
    const auto text = [](Whole v) { return WholeText(v); };
    const auto filled = [&](const std::array<std::string, 4> &answers) {
        std::string out;
        for (std::size_t k = 0; k < 4; ++k) {
            const std::string piece = p[k].blank ? (p[k].text == "□" ? answers[k] : "(" + answers[k] + ")") : p[k].text;
            out += piece + (k == 0 ? "÷" : k == 1 ? "＝" : k == 2 ? "……" : "");
        }
        return out;
    };
    if (!p[1].blank && n(p[1]) == 0)
        return "除数不能为0，这道题没有答案。";
    if (!p[1].blank && !p[3].blank && n(p[3]) >= n(p[1]))
        return "余数" + p[3].text + "不比除数" + p[1].text + "小，余数必须比除数小，这道题没有答案。";

    std::array<Whole, 4> v {};
    for (std::size_t k = 0; k < 4; ++k)
        v[k] = p[k].blank ? 0 : n(p[k]);
    std::vector<std::string> steps;
    std::array<std::string, 4> answers;
    if (both) {
        v[2] = v[0] / v[1];
        v[3] = v[0] % v[1];
        steps.push_back("求商和余数：" + text(v[0]) + "里面最多有" + text(v[2]) + "个" + text(v[1]));
        steps.push_back(text(v[2]) + "×" + text(v[1]) + "＝" + text(v[2] * v[1]) + "，" + text(v[0]) + "－"
            + text(v[2] * v[1]) + "＝" + text(v[3]) + "，余数" + text(v[3]) + "比除数" + text(v[1]) + "小");
        answers[2] = text(v[2]);
        answers[3] = text(v[3]);
        const std::string result = filled(answers);
        return level == 1 ? result : Steps(steps, level) + (level == 5 ? "所以 " : "") + result;
    }
    int blank = 0;
    while (!p[static_cast<std::size_t>(blank)].blank)
        ++blank;
    // The numbers stay small (each at most the line's limit of digits) but the product may not.
    constexpr Whole kLargest = 1000000000000LL;
    for (std::size_t k = 0; k < 4; ++k)
        if (v[k] > kLargest)
            return "这道题的数太大，无法计算。";
    std::string rule;
    std::string working;
    switch (blank) {
    case 0:
        v[0] = v[2] * v[1] + v[3];
        rule = "()里是被除数，求被除数：商×除数＋余数＝被除数";
        working = text(v[2]) + "×" + text(v[1]) + "＋" + text(v[3]) + "＝" + text(v[0]);
        break;
    case 1:
        if (v[2] == 0 || v[0] < v[3] || (v[0] - v[3]) % v[2] != 0)
            return "被除数减去余数不能被商整除，()里没有能填的整数。";
        v[1] = (v[0] - v[3]) / v[2];
        rule = "()里是除数，求除数：(被除数－余数)÷商＝除数";
        working = "(" + text(v[0]) + "－" + text(v[3]) + ")÷" + text(v[2]) + "＝" + text(v[1]);
        if (v[3] >= v[1])
            return "求得除数是" + text(v[1]) + "，余数" + text(v[3]) + "不比它小，余数必须比除数小，这道题没有答案。";
        break;
    case 2:
        if (v[0] < v[3] || (v[0] - v[3]) % v[1] != 0)
            return "被除数减去余数不能被除数整除，()里没有能填的整数。";
        v[2] = (v[0] - v[3]) / v[1];
        rule = "()里是商，求商：(被除数－余数)÷除数＝商";
        working = "(" + text(v[0]) + "－" + text(v[3]) + ")÷" + text(v[1]) + "＝" + text(v[2]);
        break;
    default:
        if (v[0] < v[2] * v[1] || v[0] - v[2] * v[1] >= v[1])
            return "被除数减去商×除数不是比除数小的数，()里没有能填的余数。";
        v[3] = v[0] - v[2] * v[1];
        rule = "()里是余数，求余数：被除数－商×除数＝余数";
        working = text(v[0]) + "－" + text(v[2]) + "×" + text(v[1]) + "＝" + text(v[3]);
        break;
    }
    answers[static_cast<std::size_t>(blank)] = text(v[static_cast<std::size_t>(blank)]);
    const std::string result = filled(answers);
    if (level == 1)
        return result;
    steps.push_back(rule);
    steps.push_back("()＝" + working);
    steps.push_back("验算：" + text(v[2]) + "×" + text(v[1]) + "＋" + text(v[3]) + "＝" + text(v[2] * v[1] + v[3])
        + "，余数" + text(v[3]) + "比除数" + text(v[1]) + "小，对了。");
    return Steps(steps, level) + (level == 5 ? "所以 " : "") + result;
}

} // namespace

std::string Solver::SuanShiTianKong(std::string line, int level)
{
    const std::string tooLong = OpenOneLine(line, level, kLongestEquationLine);
    if (!tooLong.empty())
        return tooLong;
    int markLength = 0;
    if (const int mark = RemainderMark(line, markLength); mark >= 0)
        return RemainderDivision(line, mark, markLength, level);
    const std::optional<FillIn> parsed = Parse(line);
    if (!parsed)
        return kAsk;
    FillIn fill = *parsed;
    std::array<Place, 3> &p = fill.places;
    int blank = 0;
    while (!p[static_cast<std::size_t>(blank)].blank)
        ++blank;
    const auto names = NamesOf(fill.op);
    const std::string sign = OperatorSign(fill.op);
    const bool fractions = p[0].fraction || p[1].fraction || p[2].fraction;

    // The line as typed with the blank filled by `answer`, signs full-width.
    const auto filled = [&](const std::string &answer) {
        std::array<std::string, 3> texts;
        for (std::size_t k = 0; k < 3; ++k) {
            const Place &place = p[k];
            texts[k] = !place.blank ? place.text : place.text == "□" ? answer : "(" + answer + ")";
        }
        if (fill.swapped)
            return texts[2] + "＝" + texts[0] + sign + texts[1];
        return texts[0] + sign + texts[1] + "＝" + texts[2];
    };
    const auto numberText = [&](const Rational &value) {
        return fractions ? FractionText(value.numerator, value.denominator) : DecimalText(value);
    };

    // Division by a known 0, and the blanks that 0 leaves open or closed, are said in a sentence.
    if (fill.op == '/' && !p[1].blank && IsZero(p[1].value))
        return "除数不能为0，这道题没有答案。";
    std::string sentence;
    if (fill.op == '*' && blank < 2 && IsZero(p[1 - blank].value))
        sentence = IsZero(p[2].value) ? "0乘任何数都得0，()里填任何数都可以。"
                                      : "0乘任何数都得0，不会得" + p[2].text + "，()里没有能填的数。";
    else if (fill.op == '/' && blank == 1 && IsZero(p[2].value))
        sentence = IsZero(p[0].value) ? "0除以任何不是0的数都得0，()里填任何不是0的数都可以。"
                                      : "商是0时被除数也是0，" + p[0].text + "不是0，()里没有能填的数。";
    else if (fill.op == '/' && blank == 1 && IsZero(p[0].value))
        sentence = "0除以任何不是0的数都得0，不会得" + p[2].text + "，()里没有能填的数。";
    if (!sentence.empty())
        return sentence;

    // The answer and the operation that gives it.
    // The answer is left (inverse) right, with left and right among the places a, b, c.
    int leftAt = 0;
    int rightAt = 1;
    char inverse = fill.op;
    std::string rule = std::string("求") + names[2] + "：" + names[0] + sign + names[1] + "＝" + names[2];
    if (blank < 2) {
        const int other = 1 - blank;
        switch (fill.op) {
        case '+':
            inverse = '-', leftAt = 2, rightAt = other;
            rule = "求加数：和－另一个加数＝加数";
            break;
        case '*':
            inverse = '/', leftAt = 2, rightAt = other;
            rule = "求因数：积÷另一个因数＝因数";
            break;
        case '-':
            inverse = blank == 0 ? '+' : '-';
            leftAt = blank == 0 ? 2 : 0;
            rightAt = blank == 0 ? 1 : 2;
            rule = blank == 0 ? "求被减数：差＋减数＝被减数" : "求减数：被减数－差＝减数";
            break;
        default:
            inverse = blank == 0 ? '*' : '/';
            leftAt = blank == 0 ? 2 : 0;
            rightAt = blank == 0 ? 1 : 2;
            rule = blank == 0 ? "求被除数：商×除数＝被除数" : "求除数：被除数÷商＝除数";
            break;
        }
    }
    const Rational left = p[static_cast<std::size_t>(leftAt)].value;
    const Rational right = p[static_cast<std::size_t>(rightAt)].value;
    const std::optional<Rational> answer = Apply(left, inverse, right);
    if (!answer)
        return "这道题的数太大，无法计算。";
    const std::string answerText = numberText(*answer);
    const std::string result = filled(answerText);
    if (level == 1)
        return result;

    // The two known numbers as typed, in the order the operation uses them.
    const std::string leftText = blank == 2 ? p[0].text : p[static_cast<std::size_t>(leftAt)].text;
    const std::string rightText = blank == 2 ? p[1].text : p[static_cast<std::size_t>(rightAt)].text;

    std::vector<std::string> steps;
    if (blank == 2) {
        steps.push_back(rule);
        steps.push_back(leftText + sign + rightText + "＝" + answerText);
    } else {
        steps.push_back(std::string("()里是") + names[static_cast<std::size_t>(blank)] + "，" + rule);
        steps.push_back(std::string("()＝") + leftText + OperatorSign(inverse) + rightText + "＝" + answerText);
        // Putting the answer back: the operation of the line itself.
        const Rational a = blank == 0 ? *answer : p[0].value;
        const Rational b = blank == 1 ? *answer : p[1].value;
        const std::optional<Rational> back = Apply(a, fill.op, b);
        const std::string aText = blank == 0 ? answerText : p[0].text;
        // A negative answer after the sign is bracketed: 8＋(－3)＝5.
        const std::string bText = blank == 1 ? (Negative(*answer) ? "(" + answerText + ")" : answerText) : p[1].text;
        std::string check = "验算：" + aText + sign + bText + "＝" + (back ? numberText(*back) : std::string("?"));
        steps.push_back(check + "，"
            + (back && back->numerator == p[2].value.numerator && back->denominator == p[2].value.denominator
                    ? "对了。"
                    : "不对。"));
    }

    std::string text;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        if (level == 5)
            text += "第" + IntText(static_cast<long long>(k + 1)) + "步：";
        text += steps[k] + "\r\n";
    }
    return text + (level == 5 ? "所以 " : "") + result;
}

} // namespace qimbel
