#include "solver/Solver.h"

namespace qimbel {

namespace {

// Splits a ratio at its ratio sign (":" or the full-width "："); false when it has none.
bool SplitRatio(const std::string &ratio, std::string &first, std::string &second)
{
    int p = Find(ratio, ":");
    int width = 1;
    if (p < 0) {
        p = Find(ratio, "：");
        width = 2;
    }
    if (p < 0)
        return false;
    first = Left(ratio, p);
    second = Mid(ratio, p + width);
    return true;
}

} // namespace

// The equation of a proportion a:b＝c:d: the product of the outer terms equals the product of
// the inner ones, a×d＝c×b. A text that is not a proportion is handed back unchanged.
std::string Solver::BiLiFangCheng(std::string proportion)
{
    const int p = Find(proportion, "＝");
    std::string a;
    std::string b;
    std::string c;
    std::string d;
    if (p < 0 || !SplitRatio(Left(proportion, p), a, b) || !SplitRatio(Mid(proportion, p + 2), c, d))
        return proportion;
    return a + "×" + d + "＝" + c + "×" + b;
}

} // namespace qimbel
