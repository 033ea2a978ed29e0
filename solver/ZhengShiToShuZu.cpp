#include "solver/ExpressionText.h"
#include "solver/Solver.h"

namespace qimbel {

// Cuts a polynomial into its top-level signed terms: a "＋" or "－" outside every bracket starts a
// new term, one inside a bracket never does. A leading sign opens the first term. The last term
// is added even when it is empty, so an empty text gives one empty element.
// 2a－(b＋c)＋3 gives, from the highest index down: 2a, －(b＋c), ＋3.
std::string Solver::ZhengShiToShuZu(std::string polynomial, StringArray &terms)
{
    const std::string text = HalfWidthSigns(std::move(polynomial));
    std::string term;
    int depth = 0;
    for (int i = 0; i < Len(text);) {
        const int size = CharSize(text, i);
        const char c = text[static_cast<std::size_t>(i)];
        if (size == 1) {
            if (IsOpeningBracket(c))
                ++depth;
            else if (IsClosingBracket(c))
                --depth;
            else if (depth == 0 && (c == '+' || c == '-') && !term.empty()) {
                terms.InsertAt(0, FullWidthSigns(term));
                term.clear();
            }
        }
        term.append(text, static_cast<std::size_t>(i), static_cast<std::size_t>(size));
        i += size;
    }
    terms.InsertAt(0, FullWidthSigns(term));
    return {};
}

} // namespace qimbel
