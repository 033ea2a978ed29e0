#include "wordproblems/ProblemReading.h"

#include "algebra/ExactNumber.h"
#include "solver/ExpressionText.h"
#include "solver/GbkText.h"
#include "wordproblems/FormulaText.h"

#include <algorithm>

namespace qimbel::wordproblems {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool DigitAt(const std::string &text, int at)
{
    return at >= 0 && at < Len(text) && IsDigit(text[static_cast<std::size_t>(at)]);
}

// The small numbers a pupil writes in words in 三分之二.
int WordNumber(const std::string &character)
{
    static const char *const words[] = {"零", "一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
    for (int i = 0; i <= 10; ++i)
        if (character == words[i])
            return i;
    return character == "两" ? 2 : -1;
}

// N分之M (digits or one number word on each side) as M/N.
std::string FractionsInWords(const std::string &text)
{
    std::string out;
    int copied = 0;
    for (int at = FindFromBoundary(text, "分之", 0); at >= 0; at = FindFromBoundary(text, "分之", at + 4)) {
        // The denominator before 分之.
        int from = at;
        std::string denominator;
        while (DigitAt(text, from - 1) && from - 1 >= copied)
            --from;
        if (from < at) {
            denominator = Mid(text, from, at - from);
        } else if (at - 2 >= copied && WordNumber(Mid(text, at - 2, 2)) > 0
            && (at - 4 < copied || WordNumber(Mid(text, at - 4, 2)) < 0)) {
            from = at - 2;
            denominator = IntText(WordNumber(Mid(text, from, 2)));
        }
        // The numerator after it.
        int to = at + 4;
        std::string numerator;
        while (DigitAt(text, to))
            ++to;
        if (to > at + 4) {
            numerator = Mid(text, at + 4, to - at - 4);
        } else if (WordNumber(Mid(text, at + 4, 2)) > 0) {
            numerator = IntText(WordNumber(Mid(text, at + 4, 2)));
            to = at + 6;
        }
        if (denominator.empty() || numerator.empty())
            continue;
        out += Mid(text, copied, from - copied) + numerator + "/" + denominator;
        copied = to;
        at = to - 4;
    }
    return out + Mid(text, copied);
}

// 的两倍 as 的2倍, 的一半 as 的1/2.
std::string MultiplesInWords(const std::string &text)
{
    std::string out;
    int copied = 0;
    for (int at = FindFromBoundary(text, "的", 0); at >= 0; at = FindFromBoundary(text, "的", at + 2)) {
        const std::string next = Mid(text, at + 2, 2);
        if (next == "一" && Mid(text, at + 4, 2) == "半") {
            out += Mid(text, copied, at + 2 - copied) + "1/2";
            copied = at + 6;
        } else if (WordNumber(next) > 0 && Mid(text, at + 4, 2) == "倍") {
            out += Mid(text, copied, at + 2 - copied) + IntText(WordNumber(next));
            copied = at + 4;
        }
    }
    return out + Mid(text, copied);
}

struct Mention {
    int at = 0;
    int end = 0;
    std::string quantity;
};

struct NumberAt {
    int at = 0;
    int end = 0; // after the unit
    Amount amount;
};

bool IsNumberByte(char c) { return IsDigit(c) || c == '.' || c == '/' || c == '%'; }

// The numbers of a clause with their units: runs of digits, "." "/" "%" (a sign right before the
// first digit belongs to it).
std::vector<NumberAt> Numbers(const std::string &clause, const std::vector<std::string> &units)
{
    std::vector<NumberAt> numbers;
    const int n = Len(clause);
    for (int i = 0; i < n;) {
        if (!IsDigit(clause[static_cast<std::size_t>(i)])) {
            i += CharSize(clause, i);
            continue;
        }
        int from = i;
        if (from > 0
            && (clause[static_cast<std::size_t>(from - 1)] == '-' || clause[static_cast<std::size_t>(from - 1)] == '+'))
            --from;
        int end = i;
        while (end < n && IsNumberByte(clause[static_cast<std::size_t>(end)]))
            ++end;
        NumberAt number;
        number.at = from;
        number.amount.number = Mid(clause, from, end - from);
        number.amount.unit = UnitAt(clause, end, units);
        number.end = end + Len(number.amount.unit);
        // 1米20厘米: a number with its unit right after a number with its unit is part of it.
        while (!number.amount.unit.empty() && DigitAt(clause, number.end)) {
            int partEnd = number.end;
            while (partEnd < n && IsNumberByte(clause[static_cast<std::size_t>(partEnd)]))
                ++partEnd;
            const std::string unit = UnitAt(clause, partEnd, units);
            if (unit.empty())
                break;
            number.amount.parts.push_back({Mid(clause, number.end, partEnd - number.end), unit, {}});
            number.end = partEnd + Len(unit);
        }
        numbers.push_back(number);
        i = number.end > end ? number.end : end;
    }
    return numbers;
}

// The quantities a clause names, in text order; a name inside a longer name does not count.
std::vector<Mention> Mentions(
    const std::string &clause, const std::vector<std::string> &quantities, const std::vector<std::string> &hidden)
{
    std::vector<std::string> names = quantities;
    names.insert(names.end(), hidden.begin(), hidden.end());
    const std::vector<int> positions = OwnPositions(clause, names);
    std::vector<Mention> mentions;
    for (std::size_t k = 0; k < quantities.size(); ++k)
        if (positions[k] >= 0)
            mentions.push_back({positions[k], positions[k] + Len(quantities[k]), quantities[k]});
    std::sort(mentions.begin(), mentions.end(), [](const Mention &a, const Mention &b) { return a.at < b.at; });
    return mentions;
}

bool IsValue(const std::string &text)
{
    if (text.empty())
        return false;
    const std::optional<NumberValue> value = ReadNumber(text);
    return value && value->denominator != 0;
}

const NumberAt *FirstNumberIn(const std::vector<NumberAt> &numbers, int from, int to)
{
    for (const NumberAt &number : numbers)
        if (number.at >= from && number.at < to)
            return &number;
    return nullptr;
}

// Words that say "more" and "less" after 比…: 长比宽多2米, 长比宽长2米, 宽比长短2米.
Relation::Kind ComparisonAt(const std::string &clause, int at, bool &found)
{
    const std::string word = Mid(clause, at, 2);
    found = true;
    for (const char *more : {"多", "长", "大", "高", "宽", "快", "重", "贵", "远"})
        if (word == more)
            return Relation::Kind::More;
    for (const char *less : {"少", "短", "小", "低", "矮", "窄", "慢", "轻", "近"})
        if (word == less)
            return Relation::Kind::Less;
    found = false;
    return Relation::Kind::More;
}

// The multiplier of 是…的N: a percentage as the number it is (60% is 0.6, 1/3% is 1/300).
std::string Multiplier(const std::string &number)
{
    if (Right(number, 1) != "%")
        return number;
    const std::optional<NumberValue> value = ReadNumber(Left(number, Len(number) - 1));
    const std::optional<Rational> exact = value ? ExactValue(*value) : std::nullopt;
    const std::optional<Rational> share = exact ? RationalQuotient(*exact, Rational {100, 1}) : std::nullopt;
    return share ? ExactText(*share) : std::string();
}

// 2倍多3米 / 2倍少3米 right at `at`: the multiple and the amount after it. False when the clause does
// not go on so.
bool TimesAndMore(const std::string &clause, int at, const std::vector<NumberAt> &numbers, Amount &times, Amount &extra,
    Relation::Kind &kind)
{
    const NumberAt *multiple = FirstNumberIn(numbers, at, at + 1);
    if (multiple == nullptr || Mid(clause, multiple->end, 2) != "倍")
        return false;
    const std::string word = Mid(clause, multiple->end + 2, 2);
    if (word != "多" && word != "少")
        return false;
    const NumberAt *more = FirstNumberIn(numbers, multiple->end + 4, multiple->end + 5);
    if (more == nullptr || !IsValue(more->amount.number) || !IsValue(multiple->amount.number))
        return false;
    times = multiple->amount;
    extra = more->amount;
    kind = word == "多" ? Relation::Kind::TimesMore : Relation::Kind::TimesLess;
    return true;
}

// A clause that relates two quantities: A比B多N / A比B少N, or A是B的N倍 / A是B的3/5. True when
// the clause is such a clause, whether or not it could be read in full: a relation is never read
// as a plain value.
bool ReadRelation(const std::string &clause, const std::vector<Mention> &mentions, const std::vector<NumberAt> &numbers,
    std::vector<Relation> &relations)
{
    const int than = Find(clause, "比");
    if (than >= 0) {
        const Mention *a = nullptr;
        const Mention *b = nullptr;
        for (const Mention &m : mentions) {
            if (m.end <= than)
                a = &m;
            else if (b == nullptr && m.at > than)
                b = &m;
        }
        if (a == nullptr || b == nullptr)
            return true;
        int at = b->end;
        if (Mid(clause, at, 2) == "的")
            at += 2;
        Amount times;
        Amount extra;
        Relation::Kind timesKind = Relation::Kind::TimesMore;
        if (a->quantity != b->quantity && TimesAndMore(clause, at, numbers, times, extra, timesKind)) {
            relations.push_back({a->quantity, b->quantity, timesKind, times, extra});
            return true;
        }
        bool found = false;
        const Relation::Kind kind = ComparisonAt(clause, at, found);
        const NumberAt *number = FirstNumberIn(numbers, at + 2, Len(clause));
        if (found && number != nullptr && IsValue(number->amount.number) && a->quantity != b->quantity
            && Find(Mid(clause, number->end), "倍") < 0)
            relations.push_back({a->quantity, b->quantity, kind, number->amount, {}});
        return true;
    }
    for (std::size_t i = 1; i < mentions.size(); ++i) {
        const Mention &b = mentions[i];
        if (Mid(clause, b.end, 2) != "的")
            continue;
        const NumberAt *number = FirstNumberIn(numbers, b.end + 2, b.end + 3);
        if (number == nullptr)
            continue;
        const Mention &a = mentions[i - 1];
        const bool is = Find(Mid(clause, a.end, b.at - a.end), "是") >= 0;
        Amount times;
        Amount extra;
        Relation::Kind timesKind = Relation::Kind::TimesMore;
        if (is && a.quantity != b.quantity && TimesAndMore(clause, b.end + 2, numbers, times, extra, timesKind)) {
            relations.push_back({a.quantity, b.quantity, timesKind, times, extra});
            return true;
        }
        // 2倍还多3米 and the like are no plain multiple: read nothing rather than something wrong.
        const std::string after = Mid(clause, number->end, 4);
        const bool plain
            = after != "倍多" && after != "倍少" && after != "倍还" && Left(after, 2) != "多" && Left(after, 2) != "少";
        const std::string multiplier = Multiplier(number->amount.number);
        if (plain && IsValue(multiplier) && a.quantity != b.quantity && is)
            relations.push_back({a.quantity, b.quantity, Relation::Kind::Times, {multiplier, "", {}}, {}});
        return true;
    }
    return false;
}

bool IsQuestion(const std::string &clause) { return Contains(clause, "多少") || Left(clause, 2) == "求"; }

std::vector<std::string> Clauses(const std::string &problem)
{
    std::vector<std::string> clauses;
    int start = 0;
    const int n = Len(problem);
    for (int i = 0; i < n;) {
        const int size = CharSize(problem, i);
        const std::string c = Mid(problem, i, size);
        i += size;
        if (c == "，" || c == "。" || c == "？" || c == "；" || c == "！") {
            clauses.push_back(Mid(problem, start, i - start));
            start = i;
        }
    }
    if (start < n)
        clauses.push_back(Mid(problem, start));
    return clauses;
}

std::string WithoutMark(const std::string &clause)
{
    for (const char *mark : {"，", "。", "？", "；", "！"})
        if (Len(clause) >= 2 && Right(clause, 2) == mark && Find(clause, mark, Len(clause) - 2) >= 0)
            return Left(clause, Len(clause) - 2);
    return clause;
}

// An amount that 每 and a unit stand before in its clause is per that unit: 每小时行60千米 is
// 60千米/小时.
Amount PerUnitAmount(const std::string &clause, const NumberAt &number, const std::vector<std::string> &units)
{
    Amount amount = number.amount;
    const int each = Find(clause, "每");
    if (each < 0 || each > number.at || Contains(amount.unit, "/"))
        return amount;
    const std::string per = UnitAt(clause, each + Len("每"), units);
    if (!per.empty() && per != amount.unit)
        amount.unit += "/" + per;
    return amount;
}

void Give(ProblemReading &reading, const std::string &quantity, const Amount &amount)
{
    if (!IsValue(amount.number))
        return;
    for (const GivenValue &given : reading.given)
        if (given.quantity == quantity)
            return;
    reading.given.push_back({quantity, amount});
}

} // namespace

std::string NormalisedProblem(const std::string &problem)
{
    std::string out;
    const int n = Len(problem);
    for (int i = 0; i < n;) {
        const int size = CharSize(problem, i);
        const std::string c = Mid(problem, i, size);
        i += size;
        if (size == 2 && c[0] == '\xA3' && c[1] >= '\xB0' && c[1] <= '\xB9') {
            out += static_cast<char>('0' + (c[1] - '\xB0')); // ０ to ９
        } else if (c == "．" || c == "／" || c == "％") {
            out += c == "．" ? "." : c == "／" ? "/" : "%";
        } else if (c == ",") {
            // 1,000: a comma between thousands is no clause mark.
            const bool thousands = !out.empty() && IsDigit(out.back()) && DigitAt(problem, i) && DigitAt(problem, i + 1)
                && DigitAt(problem, i + 2) && !DigitAt(problem, i + 3);
            if (!thousands)
                out += "，";
        } else if (c == "?" || c == ";" || c == "!") {
            out += c == "?" ? "？" : c == ";" ? "；" : "！";
        } else if (c == "." && !(DigitAt(problem, i) && !out.empty() && IsDigit(out.back()))) {
            out += "。";
        } else {
            out += c;
        }
    }
    return MultiplesInWords(FractionsInWords(out));
}

std::string UnitAt(const std::string &text, int at, const std::vector<std::string> &units)
{
    // The longest unit that stands at `from`, compared in place.
    auto longest = [&](int from) {
        std::string best;
        for (const std::string &unit : units)
            if (unit.size() > best.size() && from >= 0 && HasAt(text, static_cast<std::size_t>(from), unit))
                best = unit;
        return best;
    };
    const std::string first = longest(at);
    if (first.empty())
        return first;
    const int bar = at + Len(first);
    if (Mid(text, bar, 1) == "/") {
        const std::string second = longest(bar + 1);
        if (!second.empty())
            return first + "/" + second;
    }
    return first;
}

ProblemReading ReadProblem(const std::string &problem, const std::vector<std::string> &quantities,
    const std::vector<std::string> &hidden, const std::vector<std::string> &units)
{
    ProblemReading reading;
    for (const std::string &clause : Clauses(problem)) {
        const std::vector<Mention> mentions = Mentions(clause, quantities, hidden);
        const std::vector<NumberAt> numbers = Numbers(clause, units);
        const bool question = IsQuestion(clause);
        reading.questionCount += question ? 1 : 0;
        if (question && !reading.questionFound) {
            reading.questionFound = true;
            std::string asked = WithoutMark(clause);
            if (Left(asked, 2) == "求")
                asked = Mid(asked, 2);
            reading.question = asked;
            const int much = Find(asked, "多少");
            if (much >= 0) {
                reading.questionUnit = UnitAt(asked, much + Len("多少"), units);
                // 每分钟走多少米 asks for a speed: 米/分钟.
                const int each = Find(asked, "每");
                const std::string per
                    = each >= 0 && each < much ? UnitAt(asked, each + Len("每"), units) : std::string();
                if (!reading.questionUnit.empty() && !per.empty() && per != reading.questionUnit
                    && !Contains(reading.questionUnit, "/"))
                    reading.questionUnit += "/" + per;
            }
        }
        if (!question && ReadRelation(clause, mentions, numbers, reading.relations))
            continue;

        // 长和宽分别是5米和3米: the names before 分别 take the numbers after it, in order.
        const int each = Find(clause, "分别");
        if (each >= 0 && !question) {
            std::size_t next = 0;
            for (const Mention &m : mentions) {
                if (m.at > each)
                    break;
                while (next < numbers.size() && numbers[next].at < each)
                    ++next;
                if (next < numbers.size())
                    Give(reading, m.quantity, numbers[next++].amount);
            }
            continue;
        }

        // Each name takes the first number after it, before the next name; names joined by 和 与 、
        // share the number of the last of them (长和宽都是5米). In a question a name without a
        // number is asked.
        std::vector<const NumberAt *> taken(mentions.size(), nullptr);
        for (std::size_t i = mentions.size(); i-- > 0;) {
            const int next = i + 1 < mentions.size() ? mentions[i + 1].at : Len(clause);
            taken[i] = FirstNumberIn(numbers, mentions[i].end, next);
            if (taken[i] == nullptr && i + 1 < mentions.size() && !question) {
                const std::string between = Mid(clause, mentions[i].end, next - mentions[i].end);
                if (between.empty() || between == "和" || between == "与" || between == "、" || between == "及")
                    taken[i] = taken[i + 1];
            }
        }
        if (mentions.empty() && !question)
            for (const NumberAt &number : numbers)
                if (!number.amount.unit.empty() && IsValue(number.amount.number))
                    reading.unnamed.push_back(PerUnitAmount(clause, number, units));
        for (std::size_t i = 0; i < mentions.size(); ++i) {
            if (taken[i] != nullptr)
                Give(reading, mentions[i].quantity, taken[i]->amount);
            else if (question
                && std::find(reading.asked.begin(), reading.asked.end(), mentions[i].quantity) == reading.asked.end())
                reading.asked.push_back(mentions[i].quantity);
        }
    }
    return reading;
}

} // namespace qimbel::wordproblems
