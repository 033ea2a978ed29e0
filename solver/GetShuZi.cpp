#include "solver/ExpressionText.h"
#include "solver/Solver.h"

namespace qimbel {

// The coefficient of a term: the longest leading run of digits, ".", "/", "+" and "-", with
// full-width signs. It may be a sign alone, a fraction or a decimal; empty when the term starts
// with a letter or a bracket. 3ab gives 3, －2/3x gives －2/3.
std::string Solver::GetShuZi(std::string term)
{
    term = HalfWidthSigns(std::move(term));
    std::size_t n = 0;
    while (n < term.size()) {
        const char c = term[n];
        if (!((c >= '0' && c <= '9') || c == '.' || c == '/' || c == '+' || c == '-'))
            break;
        ++n;
    }
    return FullWidthSigns(term.substr(0, n));
}

} // namespace qimbel
