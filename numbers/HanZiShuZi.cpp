#include "numbers/NumberText.h"
#include "solver/Solver.h"

namespace qimbel {

// The digit of one digit name ("零" gives "0", "七" gives "7", and 两 as in 两千 gives "2"); ""
// unless the text is exactly one digit name.
std::string Solver::HanZiShuZi(std::string name)
{
    for (int d = 0; d < 10; ++d)
        if (name == numbers::kDigitNames[d])
            return std::string(1, static_cast<char>('0' + d));
    return name == "两" ? "2" : "";
}

} // namespace qimbel
