#include "solver/Solver.h"

namespace qimbel {

// The Chinese punctuation mark that comes first in the text; a mark at position 0 counts as absent.
std::string Solver::GetBiaoDian(const std::string &text)
{
    static const char *const marks[] = {"，", "。", "？", "；", "！"};
    std::string best;
    int bestPos = -1;
    for (const char *mark : marks) {
        const int p = Find(text, mark);
        if (p > 0 && (bestPos < 0 || p < bestPos)) {
            bestPos = p;
            best = mark;
        }
    }
    return best;
}

} // namespace qimbel
