#include "numbers/NumberText.h"
#include "solver/Solver.h"

namespace qimbel {

// Reads one group of up to four digits in Chinese, building the text from the units place
// upward: a non-zero digit puts its name and place in front, a zero puts one "零" in front only
// when a non-zero digit stands lower in the group and no "零" was put in front just before.
// So 0101 reads 零一百零一, 10 reads 一十 and 0000 reads as nothing. Only the last four bytes
// count; a byte that is not a digit counts as 0.
std::string Solver::DuSiWeiShu(std::string group)
{
    static const char *const places[4] = {"", "十", "百", "千"};
    std::string reading;
    bool nonZeroBelow = false;
    bool zeroInFront = false;
    const int n = Len(group);
    for (int place = 0; place < 4 && place < n; ++place) {
        const char c = group[static_cast<std::size_t>(n - 1 - place)];
        const int digit = numbers::IsDigit(c) ? c - '0' : 0;
        if (digit != 0) {
            reading = std::string(numbers::kDigitNames[digit]) + places[place] + reading;
            nonZeroBelow = true;
            zeroInFront = false;
        } else if (nonZeroBelow && !zeroInFront) {
            reading = "零" + reading;
            zeroInFront = true;
        }
    }
    return reading;
}

} // namespace qimbel
