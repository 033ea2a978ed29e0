#include "solver/ExpressionText.h"
#include "solver/Solver.h"

namespace qimbel {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int KindOf(char opening) { return opening == '(' ? 0 : opening == '[' ? 1 : 2; }

} // namespace

// Cuts a product into its coefficient (as written, no "＋1" is made up) and its top-level
// factors: letters, bracketed groups and either of them with an exponent. An opening bracket
// whose closing kind never occurs does not count as a bracket. The last character always closes
// the factor being collected, so nothing is lost on unbalanced input.
// 3a(x－1)^2b gives, from the highest index down: 3, a, (x－1)^2, b.
std::string Solver::HunHeShiToShuZu(std::string product, StringArray &factors)
{
    std::string rest = FullWidthSigns(std::move(product));
    const std::string coefficient = GetShuZi(rest);
    if (!coefficient.empty()) {
        const int p = Find(rest, coefficient);
        if (p >= 0)
            rest = Mid(rest, p + Len(coefficient));
        factors.InsertAt(0, coefficient);
    }

    const std::string text = HalfWidthSigns(rest);
    const int n = Len(text);
    // Which closing kinds occur at all, looked up once so that long texts stay linear.
    const bool closes[3] = {Contains(text, ")"), Contains(text, "]"), Contains(text, "}")};
    std::string factor;
    int depth = 0;
    bool inExponent = false; // on the digits of an exponent that follows a "^" at depth 0
    for (int i = 0; i < n;) {
        const int size = CharSize(text, i);
        const char c = size == 1 ? text[static_cast<std::size_t>(i)] : '\0';
        factor.append(text, static_cast<std::size_t>(i), static_cast<std::size_t>(size));
        if (IsOpeningBracket(c) && closes[KindOf(c)])
            ++depth;
        else if (IsClosingBracket(c))
            --depth;

        const int next = i + size;
        const char after = next < n ? text[static_cast<std::size_t>(next)] : '\0';
        if (c == '^')
            inExponent = depth == 0;
        else if (!IsDigit(c))
            inExponent = false;

        bool close = depth == 0 && !factor.empty();
        if (c == '^' || after == '^' || (inExponent && IsDigit(c) && IsDigit(after)))
            close = false;
        if (next >= n)
            close = true;
        if (close) {
            factors.InsertAt(0, FullWidthSigns(factor));
            factor.clear();
        }
        i = next;
    }
    return {};
}

} // namespace qimbel
