#include "numbers/NumberText.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

#include <string_view>

namespace qimbel {

namespace {

bool IsOneOf(const std::string &c, std::string_view characters)
{
    if (c.size() != 2)
        return false;
    for (std::size_t i = 0; i + 1 < characters.size(); i += 2)
        if (characters.substr(i, 2) == c)
            return true;
    return false;
}

// The numeral characters, with 两 (两千, 两万) beside 二.
constexpr std::string_view kNumerals = "零一二三四五六七八九十百千万亿兆两";
constexpr std::string_view kConnectors = "点分之时比";

} // namespace

// Problem type 数的写法: writes the last Chinese numeral of the line in digits. A numeral is a run
// of numeral and connector characters that starts at a numeral character, or at a 点 right before
// one (点五 is 0.5); a 负 right before it is its minus sign (负五 is -5). Level 1 gives the digits
// alone; the other levels a heading that repeats the numeral, and at level 5 the numbered steps.
std::string Solver::ShuDeXieFa(std::string line, int level)
{
    if (std::string sentence = LineTooLong(line, kLongestNumberLine); !sentence.empty())
        return sentence;
    if (level < 1 || level > 5)
        level = 1;
    std::string token;
    const int n = Len(line);
    int previous = -1; // start of the character before i
    int beforePrevious = -1; // start of the character before that
    for (int i = 0; i < n;) {
        const int len = numbers::CharLen(line, i);
        if (!IsOneOf(Mid(line, i, len), kNumerals)) {
            beforePrevious = previous;
            previous = i;
            i += len;
            continue;
        }
        int start = i;
        int before = previous;
        if (previous >= 0 && Mid(line, previous, 2) == "点") {
            start = previous;
            before = beforePrevious;
        }
        // 负 in front is the minus sign of the numeral.
        if (before >= 0 && Mid(line, before, 2) == "负")
            start = before;
        int end = i;
        while (end < n) {
            const std::string c = numbers::CharAt(line, end);
            if (!IsOneOf(c, kNumerals) && !IsOneOf(c, kConnectors))
                break;
            end += Len(c);
        }
        token = Mid(line, start, end - start);
        previous = -1;
        beforePrevious = -1;
        i = end;
    }
    if (token.empty())
        return {};
    if (level == 1)
        return XieShu(token, 1);
    return "\r\n数字 " + token + "  写作： " + XieShu(token, level);
}

} // namespace qimbel
