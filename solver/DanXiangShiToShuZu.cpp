#include "solver/ExpressionText.h"
#include "solver/Solver.h"

namespace qimbel {

// Cuts a monomial into its coefficient and its factors. The coefficient always comes first and
// always carries a number: no coefficient or "＋" gives "＋1", "－" gives "－1". Each factor is a
// letter, a letter with a whole-number exponent (a^12) or a letter with a bracketed exponent
// (a^(－2)). So －3a^2b gives, from the highest index down: －3, a^2, b.
std::string Solver::DanXiangShiToShuZu(std::string monomial, StringArray &pieces)
{
    // Half-width signs typed into the monomial would hide the full-width coefficient from Find.
    std::string rest = FullWidthSigns(std::move(monomial));
    std::string coefficient = GetShuZi(rest);
    if (!coefficient.empty()) {
        const int p = Find(rest, coefficient);
        if (p >= 0)
            rest = Mid(rest, p + Len(coefficient));
    }
    if (coefficient.empty() || coefficient == "＋")
        coefficient = "＋1";
    else if (coefficient == "－")
        coefficient = "－1";
    pieces.InsertAt(0, coefficient);

    // Every round cuts at least one character, so the loop ends on any text. The rest is walked by
    // position rather than cut off, which keeps long texts linear.
    const std::string &text = rest;
    const int n = Len(text);
    int pos = 0;
    while (pos < n) {
        int end = pos + CharSize(text, pos);
        if (!Contains(Mid(text, pos, 2), "^")) {
            // A bare letter (or whatever single character stands here).
        } else if (!Contains(Mid(text, pos, 3), "(")) {
            end = FindFromBoundary(text, "^", pos) + 1;
            // The exponent digits: GetShuZi of the characters that can belong to it.
            int run = end;
            while (run < n) {
                const char c = text[static_cast<std::size_t>(run)];
                if ((c >= '0' && c <= '9') || c == '.' || c == '/' || c == '+' || c == '-')
                    ++run;
                else if (Mid(text, run, 2) == "＋" || Mid(text, run, 2) == "－")
                    run += 2;
                else
                    break;
            }
            end += Len(GetShuZi(Mid(text, end, run - end)));
        } else {
            const int close = FindFromBoundary(text, ")", pos);
            end = close >= 0 ? close + 1 : n;
        }
        pieces.InsertAt(0, Mid(text, pos, end - pos));
        pos = end;
    }
    return {};
}

} // namespace qimbel
