#include "numbers/NumberText.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

namespace qimbel {

namespace {

// The first run of number bytes (digits and "." "/" "%" "-" "+") that holds a digit; a run of
// signs or points alone is not a number.
std::string FirstNumberToken(const std::string &line, const std::string &pattern)
{
    const int n = Len(pattern);
    int i = 0;
    while (i < n) {
        if (pattern[static_cast<std::size_t>(i)] != '1') {
            ++i;
            continue;
        }
        int j = i;
        while (j < n && pattern[static_cast<std::size_t>(j)] == '1')
            ++j;
        const std::string token = Mid(line, i, j - i);
        if (!numbers::DigitsOnly(token).empty())
            return token;
        i = j;
    }
    return {};
}

bool TooLong(const std::string &number)
{
    const int dot = Find(number, ".");
    return Len(numbers::DigitsOnly(dot < 0 ? number : Left(number, dot))) > 16;
}

} // namespace

// Problem type 数的读法: reads the first number of the line in Chinese. A percentage reads
// 百分之 and its number, a fraction its denominator first (3/4 reads 四分之三). A leading "-"
// reads 负 and a leading "+" reads 正; a fraction bar without a denominator is not read. A number
// written with thousands separators is read as one number, and repeated as typed. Level 1
// gives the reading alone, levels 2 to 4 a heading that repeats the number, level 5 the heading
// and the numbered steps.
std::string Solver::ShuDeDuFa(std::string line, int level)
{
    if (std::string sentence = LineTooLong(line, kLongestNumberLine); !sentence.empty())
        return sentence;
    if (level < 1 || level > 5)
        level = 1;
    // Thousands separators belong to the number (1,000,000 reads 一百万); other commas end it.
    std::string pattern = GetShuMoShi(line);
    for (std::size_t comma : numbers::ThousandsSeparators(line))
        if (comma < pattern.size())
            pattern[comma] = '1';
    const std::string token = FirstNumberToken(line, pattern);
    if (token.empty())
        return {};

    std::string body = numbers::WithoutThousandsSeparators(token);
    std::string sign;
    if (body[0] == '-' || body[0] == '+') {
        sign = body[0] == '-' ? "负" : "正";
        body = Mid(body, 1);
    }
    // A sign inside the token starts another number: 3-2 reads only the 3.
    const std::size_t nextSign = body.find_first_of("+-");
    if (nextSign != std::string::npos)
        body.resize(nextSign);

    std::string reading;
    std::string steps;
    bool tooLong = false;
    bool fraction = false;
    if (Contains(body, "%")) {
        const std::string number = Left(body, Find(body, "%"));
        tooLong = TooLong(number);
        reading = "百分之" + DuShu(number, steps);
    } else if (Contains(body, "/") && !numbers::DigitsOnly(Mid(body, Find(body, "/") + 1)).empty()) {
        const int bar = Find(body, "/");
        const std::string numerator = Trim(Left(body, bar));
        const std::string denominator = Trim(Mid(body, bar + 1));
        tooLong = TooLong(numerator) || TooLong(denominator);
        std::string numeratorSteps;
        reading = DuShu(denominator, steps) + "分之" + DuShu(numerator, numeratorSteps);
        steps += "\r\n" + numeratorSteps;
        fraction = true;
    } else {
        tooLong = TooLong(body);
        reading = DuShu(body, steps);
    }

    if (tooLong) {
        // Beyond 兆级 there is no level name to read with.
        if (level == 1)
            return {};
        return "\r\n数字 " + token + "  整数部分超过16位，超出兆级，无法读出。\r\n";
    }
    reading = sign + reading;
    if (level == 1)
        return reading;
    std::string result = "\r\n数字 " + token + "  读作： " + reading;
    if (!fraction || level == 5)
        result += "\r\n";
    if (level == 5)
        result += "\r\n" + steps;
    return result;
}

} // namespace qimbel
