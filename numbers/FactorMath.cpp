#include "numbers/FactorMath.h"

#include "solver/Solver.h"

#include <climits>

namespace qimbel {

bool LeadingInteger(const std::string &text, long long &value)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long magnitude = 0;
    int digits = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (magnitude == 0 && text[i] == '0')
            continue; // leading zeros do not count against the length
        if (++digits > 18)
            return false;
        magnitude = magnitude * 10 + (text[i] - '0');
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

bool NonZeroMagnitudes(const std::string &list, std::vector<long long> &values)
{
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        const std::string piece
            = Trim(list.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        long long value = 0;
        if (!LeadingInteger(piece, value))
            return false;
        if (value != 0)
            values.push_back(value < 0 ? -value : value);
        if (comma == std::string::npos)
            return true;
        start = comma + 1;
    }
}

std::string NumberListOf(const std::string &line)
{
    Solver s;
    StringArray numbers;
    s.ShuLieToShuZu(line, numbers);
    std::string list;
    for (int i = numbers.GetSize() - 1; i >= 0; --i)
        list += (i == numbers.GetSize() - 1 ? "" : ",") + numbers.GetAt(i);
    return list;
}

std::string AnswerLine(const std::string &line, const std::string &answer)
{
    if (!Contains(line, "()"))
        return line + "  答案为：" + answer + "\r\n";
    std::string filled = line;
    Solver().TiHuan(filled, "()", "(" + answer + ")");
    return "\r\n" + filled + "\r\n";
}

} // namespace qimbel
