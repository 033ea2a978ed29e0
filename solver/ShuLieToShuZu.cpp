#include "solver/Solver.h"

namespace qimbel {

// Cuts a line into its numbers: the maximal runs of digits, ".", "/", "%", "+" and "-" (the
// bytes GetShuMoShi marks "1"). Each number is trimmed and inserted at index 0, so the first
// number of the line has the highest index. None of these bytes can be the trail byte of a GBK
// character, so a byte-wise scan never cuts a Chinese character.
std::string Solver::ShuLieToShuZu(std::string list, StringArray &numbers)
{
    const std::string mask = GetShuMoShi(list);
    const std::size_t n = mask.size();
    std::size_t i = 0;
    for (;;) {
        const std::size_t start = mask.find('1', i);
        if (start == std::string::npos)
            break;
        std::size_t end = mask.find('a', start);
        if (end == std::string::npos)
            end = n;
        numbers.InsertAt(0, Trim(list.substr(start, end - start)));
        i = end;
    }
    return {};
}

} // namespace qimbel
