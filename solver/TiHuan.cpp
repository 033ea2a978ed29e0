#include "solver/Solver.h"

namespace qimbel {

// Replace-all as the pages and routines expect it: each piece before an occurrence is trimmed, the
// rest after it is trimmed, so blanks and line breaks next to every replaced occurrence disappear
// and the whole text loses its outer blanks. A text without `find` is left exactly as it is.
// The search always continues after the replaced occurrence, so a replacement that contains
// `find` cannot loop. The rest is walked by index rather than cut off, which keeps long texts
// linear; trimming only removes ASCII bytes, so the index stays on a character boundary.
void Solver::TiHuan(std::string &text, const std::string &find, const std::string &by)
{
    int p = FindFromBoundary(text, find, 0);
    if (p < 0)
        return;
    std::string result;
    result.reserve(text.size() + by.size());
    int rest = 0;
    const int n = Len(text);
    // The piece [from, to) of the text without its blanks at both ends.
    const auto appendTrimmed = [&](int from, int to) {
        while (from < to && IsBlank(text[static_cast<std::size_t>(from)]))
            ++from;
        while (to > from && IsBlank(text[static_cast<std::size_t>(to - 1)]))
            --to;
        result.append(text, static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
    };
    while (p >= 0) {
        appendTrimmed(rest, p);
        result += by;
        rest = p + Len(find);
        while (rest < n && IsBlank(text[static_cast<std::size_t>(rest)]))
            ++rest;
        p = FindFromBoundary(text, find, rest);
    }
    appendTrimmed(rest, n); // its blanks in front were skipped above
    text = std::move(result);
}

std::string Solver::GetTiHuan(std::string text, const std::string &find, const std::string &by)
{
    TiHuan(text, find, by);
    return text;
}

} // namespace qimbel
