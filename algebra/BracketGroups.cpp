#include "algebra/BracketGroups.h"

#include "solver/ExpressionText.h"
#include "solver/Solver.h"

namespace qimbel {

GroupSpan FindWorkGroup(const std::string &expression, const std::string &opening, const std::string &closing, int from)
{
    static constexpr std::string_view work[] = {"＋", "－", "×", "÷", "^", ")(", "·"};
    const std::string_view whole(expression);
    const int n = Len(expression);
    int collected = from < 0 ? 0 : from; // where the text collected since the last test begins
    int depth = 0;
    for (int i = collected; i < n;) {
        const int size = CharSize(expression, i);
        const std::string_view unit = whole.substr(static_cast<std::size_t>(i), static_cast<std::size_t>(size));
        if (IsText(unit, opening))
            ++depth;
        else if (IsText(unit, closing) && depth > 0)
            --depth; // a closing bracket that closes nothing opens nothing either
        i += size;
        if (depth != 0)
            continue;
        // A sign of work past the first two bytes of the collected text (its last one stands
        // there whenever any does).
        const std::string_view text
            = whole.substr(static_cast<std::size_t>(collected), static_cast<std::size_t>(i - collected));
        if (text.size() > 2) // a sign past the first two bytes needs a third
            for (const std::string_view sign : work)
                if (Find(text, sign, 2) >= 0)
                    return {collected, i};
        collected = i;
    }
    if (collected >= n)
        return {};
    return {collected, n};
}

bool BracketsBalanced(const std::string &expression)
{
    static const char kinds[][2] = {{'(', ')'}, {'[', ']'}, {'{', '}'}};
    for (const auto &kind : kinds) {
        int depth = 0;
        const int n = Len(expression);
        for (int i = 0; i < n; i += CharSize(expression, i)) {
            const char c = expression[static_cast<std::size_t>(i)]; // "[" "]" "{" "}" can be trail bytes
            if (c == kind[0])
                ++depth;
            else if (c == kind[1] && --depth < 0)
                return false;
        }
        if (depth != 0)
            return false;
    }
    return true;
}

} // namespace qimbel
