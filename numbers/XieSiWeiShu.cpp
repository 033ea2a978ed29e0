#include "solver/Solver.h"

namespace qimbel {

// Writes the Chinese text of one group (without its level character) as digits. Places are
// taken in the order 千, 百, 十: an absent place is written 0 once a higher place of the group was
// found or when the text begins with 零, and left out otherwise; a present place takes the digit
// name before it, after the first 零. The units digit follows (0 when nothing is left).
// 二千零一十 gives 2010, 零五十 gives 0050, 五 gives 5; a bare 十 counts as 一十, so 十二 gives 12.
std::string Solver::XieSiWeiShu(std::string group)
{
    static const char *const places[3] = {"千", "百", "十"};
    const bool beginsWithZero = Left(group, 2) == "零";
    std::string digits;
    bool higherFound = false;
    for (int i = 0; i < 3; ++i) {
        const int q = Find(group, places[i]);
        if (q < 0) {
            if (higherFound || beginsWithZero)
                digits += "0";
            continue;
        }
        std::string digitText = Left(group, q);
        const int zero = Find(digitText, "零");
        if (zero >= 0)
            digitText = Mid(digitText, zero + 2);
        digitText = Trim(digitText);
        if (digitText.empty() && i == 2)
            digits += "1";
        else
            digits += HanZiShuZi(digitText);
        group = Trim(Mid(group, q + 2));
        higherFound = true;
    }
    const int zero = Find(group, "零");
    if (zero >= 0)
        group = Trim(Mid(group, zero + 2));
    digits += group.empty() ? std::string("0") : HanZiShuZi(group);
    return digits;
}

} // namespace qimbel
