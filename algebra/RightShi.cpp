#include "algebra/ArithmeticText.h"

#include "solver/ExpressionText.h"

#include <vector>

namespace qimbel {

// The operand that starts where the text starts, i.e. the one on the right of the operator before
// the text. The first factor is always taken (a bracket group alone is the whole operand); then
// factors follow up to the first sign, power mark, bracket group or written operator.
// 3b＋c gives 3b, (a＋b)c gives (a＋b), 2a×b gives 2a, －3b＋c gives －3b.
std::string Solver::RightShi(std::string text)
{
    std::vector<std::string> factors;
    StringArray terms;
    ZhengShiToShuZu(FullWidthSigns(std::move(text)), terms);
    for (int i = terms.GetSize() - 1; i >= 0; --i) {
        StringArray pieces;
        HunHeShiToShuZu(terms[i], pieces);
        for (int j = pieces.GetSize() - 1; j >= 0; --j)
            if (!pieces[j].empty())
                factors.push_back(pieces[j]);
    }
    if (factors.empty())
        return {};
    std::string r = factors[0];
    if (IsClosingBracket(r.back()))
        return r;
    for (std::size_t k = 1; k < factors.size(); ++k) {
        const std::string &f = factors[k];
        if (StartsWithSign(f) || f[0] == '^' || IsClosingBracket(f.back()) || f == "×" || f == "·" || f == "÷"
            || (Len(f) == 1 && !IsDigitByte(f[0]) && !IsLetterByte(f[0])))
            break;
        r += f;
    }
    return r;
}

} // namespace qimbel
