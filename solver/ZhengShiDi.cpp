#include "solver/ExpressionText.h"
#include "solver/Solver.h"

namespace qimbel {

// The base of a term's power: the term without its coefficient, up to the first "^" outside
// every bracket. 3(a＋b)^2 gives (a＋b); －x^3 gives x; 2ab gives ab; a plain number gives "".
std::string Solver::ZhengShiDi(std::string term)
{
    const std::string text = HalfWidthSigns(std::move(term));
    int i = 0;
    const int n = Len(text);
    while (i < n) {
        const char c = text[static_cast<std::size_t>(i)];
        if (!((c >= '0' && c <= '9') || c == '.' || c == '/' || c == '+' || c == '-'))
            break;
        ++i;
    }

    std::string base;
    int depth = 0;
    while (i < n) {
        const int size = CharSize(text, i);
        const char c = size == 1 ? text[static_cast<std::size_t>(i)] : '\0';
        if (c == '^' && depth == 0 && !base.empty())
            break;
        if (IsOpeningBracket(c))
            ++depth;
        else if (IsClosingBracket(c))
            --depth;
        base.append(text, static_cast<std::size_t>(i), static_cast<std::size_t>(size));
        i += size;
    }
    if (!base.empty() && (base[0] == '+' || base[0] == '-'))
        base.erase(0, 1);
    return FullWidthSigns(base);
}

} // namespace qimbel
