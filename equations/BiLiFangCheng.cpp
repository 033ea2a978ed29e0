#include "equations/EquationText.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

namespace qimbel {

// The equation of a proportion a:b＝c:d: the product of the outer terms equals the product of
// the inner ones, a×d＝c×b. A text that is not a proportion is handed back unchanged.
std::string Solver::BiLiFangCheng(std::string proportion)
{
    if (std::string sentence = EquationTooLarge(proportion); !sentence.empty())
        return sentence;
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
