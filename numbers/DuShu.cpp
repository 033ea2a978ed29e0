#include "numbers/NumberText.h"
#include "solver/Solver.h"

#include <vector>

namespace qimbel {

namespace {

// Level names for reading, lowest first.
const char *const kLevels[4] = {"", "万", "亿", "兆"};

} // namespace

// Reads a plain number (integer digits, optional point and decimal digits) level by level and
// returns the reading; `steps` receives one numbered line per group, highest group first, and a
// line for the decimals. Bytes of the integer part that are not digits are left out. An
// integer part that reads as nothing (0, 0000, or none before the point) reads 零, so 0.5 reads
// 零点五. An integer part of more than 16 digits lies beyond 兆级: reading and steps are empty.
std::string Solver::DuShu(std::string number, std::string &steps)
{
    steps.clear();
    const int dot = Find(number, ".");
    const std::string integer = numbers::DigitsOnly(dot < 0 ? number : Left(number, dot));
    // The decimals run to the first byte that is not a digit: 1.2.3 is read as 1.2.
    std::string decimals = dot < 0 ? std::string() : Mid(number, dot + 1);
    std::size_t end = 0;
    while (end < decimals.size() && numbers::IsDigit(decimals[end]))
        ++end;
    decimals.resize(end);
    const int digits = Len(integer);
    if (digits > 16)
        return {};

    // Groups of four digits from the right; the leftmost may be shorter.
    const int groupCount = (digits + 3) / 4;
    std::vector<std::string> groups(static_cast<std::size_t>(groupCount));
    std::vector<std::string> readings(static_cast<std::size_t>(groupCount));
    std::string reading;
    // A whole level of zeros between two levels that are read still reads one 零, as the zeros
    // inside a level do: 100001000 is 一亿零一千 (a level that starts with 0 brings its own 零).
    bool zerosSkipped = false;
    for (int level = groupCount - 1; level >= 0; --level) {
        const int end = digits - 4 * level;
        const int start = end - 4 > 0 ? end - 4 : 0;
        const auto k = static_cast<std::size_t>(level);
        groups[k] = integer.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
        readings[k] = DuSiWeiShu(groups[k]);
        if (readings[k].empty()) {
            zerosSkipped = !reading.empty();
            continue;
        }
        if (zerosSkipped && !readings[k].starts_with("零"))
            reading += "零";
        zerosSkipped = false;
        reading += readings[k] + kLevels[level];
    }
    if (reading.empty() && (groupCount > 0 || !decimals.empty())) {
        reading = "零";
        if (groupCount > 0)
            readings[0] = "零";
    }

    int step = 0;
    for (int level = groupCount - 1; level >= 0; --level) {
        const auto k = static_cast<std::size_t>(level);
        steps += "第" + IntText(++step);
        if (level > 0)
            steps += std::string("步：读") + kLevels[level] + "级 " + groups[k] + " 读 " + readings[k]
                + (readings[k].empty() ? "" : kLevels[level]);
        else
            steps += "步：读个级 " + groups[k] + " 读 " + readings[k];
        steps += "\r\n";
    }

    if (!decimals.empty()) {
        std::string names;
        for (char c : decimals)
            names += numbers::kDigitNames[c - '0'];
        reading += "点" + names;
        steps += "第" + IntText(++step) + "步：读小数部分 " + decimals + " 读 " + names + "\r\n";
    }
    return reading;
}

} // namespace qimbel
