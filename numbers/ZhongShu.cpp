#include "solver/Solver.h"

#include <unordered_map>

namespace qimbel {

// The mode: the entries are visited in array order (the last number of the line first) and the
// first one whose count beats every earlier count wins, so among equally frequent numbers the one
// standing last on the line is the mode. Texts are compared as typed (3 and 3.0 differ).
std::string Solver::ZhongShu(const StringArray &numbers)
{
    std::unordered_map<std::string, int> counts;
    for (int i = 0; i < numbers.GetSize(); ++i)
        ++counts[numbers.GetAt(i)];
    std::string mode;
    int best = 0;
    for (int i = 0; i < numbers.GetSize(); ++i) {
        const int count = counts[numbers.GetAt(i)];
        if (count > best) {
            best = count;
            mode = numbers.GetAt(i);
        }
    }
    return mode;
}

} // namespace qimbel
