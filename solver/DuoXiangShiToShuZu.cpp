#include "solver/ExpressionText.h"
#include "solver/Solver.h"

namespace qimbel {

namespace {

bool IsSignAt(const std::string &text, int i)
{
    return text.compare(static_cast<std::size_t>(i), 2, "＋") == 0
        || text.compare(static_cast<std::size_t>(i), 2, "－") == 0;
}

} // namespace

// Cuts a flat polynomial (a sum of monomials) into its signed terms. A term ends only at "＋" or
// "－" outside brackets: a "×" or "÷" stays inside its term (2a×3b＋c gives 2a×3b and ＋c), and so
// does a signed exponent (ab^(－1)＋c gives ab^(－1) and ＋c). Every round cuts something off, so
// the routine ends on any text.
std::string Solver::DuoXiangShiToShuZu(std::string polynomial, StringArray &terms)
{
    std::string rest = FullWidthSigns(std::move(polynomial));
    if (DiYiFuHao(rest).empty()) {
        terms.InsertAt(0, rest);
        return {};
    }
    // One pass over the characters: a term runs from its own sign (if any) to the next sign.
    const int n = Len(rest);
    int pos = 0;
    while (pos < n) {
        const int start = pos;
        if (IsSignAt(rest, pos))
            pos += 2;
        int depth = 0;
        while (pos < n && (depth > 0 || !IsSignAt(rest, pos))) {
            if (IsOpeningBracket(rest[static_cast<std::size_t>(pos)]))
                ++depth;
            else if (IsClosingBracket(rest[static_cast<std::size_t>(pos)]) && depth > 0)
                --depth;
            pos += CharSize(rest, pos);
        }
        terms.InsertAt(0, Mid(rest, start, pos - start));
    }
    return {};
}

} // namespace qimbel
