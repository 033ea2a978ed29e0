#include "solver/ExpressionText.h"
#include "solver/Solver.h"

namespace qimbel {

// Every ASCII letter of the text, in order, repeats kept: 3a^2b gives ab. Two-byte characters
// are passed over whole, so the trail byte of a Chinese character is never taken for a letter.
std::string Solver::GetZiMu(std::string text)
{
    std::string letters;
    for (int i = 0; i < Len(text);) {
        const int size = CharSize(text, i);
        const char c = text[static_cast<std::size_t>(i)];
        if (size == 1 && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            letters += c;
        i += size;
    }
    return letters;
}

} // namespace qimbel
