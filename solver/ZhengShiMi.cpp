#include "solver/ExpressionText.h"
#include "solver/Solver.h"

namespace qimbel {

// The exponent of a term's power: (a＋b)^2 gives 2, a^(－2) gives －2. A term with letters but
// no exponent has the exponent 1 (3a gives 1); a plain number gives the empty text.
std::string Solver::ZhengShiMi(std::string term)
{
    term = FullWidthSigns(std::move(term));
    const std::string base = ZhengShiDi(term);
    std::string rest = term;
    const int p = Find(rest, base);
    if (p >= 0)
        rest = Mid(rest, p + Len(base));

    std::string exponent;
    const int bracketed = Find(rest, "^(");
    if (bracketed >= 0) {
        exponent = Mid(rest, bracketed + 2);
        // Without its closing bracket; an exponent whose bracket never closes is kept whole.
        if (EndsWithByte(exponent, ')'))
            exponent.pop_back();
    } else {
        const int caret = Find(rest, "^");
        if (caret >= 0)
            exponent = Mid(rest, caret + 1);
    }
    if (exponent.empty() && !GetZiMu(term).empty())
        return std::string(1, '1');
    return exponent;
}

} // namespace qimbel
