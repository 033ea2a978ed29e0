#include "solver/Solver.h"

#include <bit>
#include <cstdint>

namespace qimbel {

// Adds the letters that `text` uses to `letters`: the candidates "a" to "z", then "A" to "Z",
// each inserted at index 0 when the text holds it and no entry of the list does yet. So the
// entry at index 0 is the letter found last in that order: the unknown of ax＋b＝0 is x.
void Solver::GetWeiZhiShu(std::string text, StringArray &letters)
{
    // One walk over the characters of the text marks the letters it holds (a to z as bits 0 to 25,
    // A to Z as 26 to 51); a letter byte that is the second half of a two-byte character is no
    // letter.
    std::uint64_t holds = 0;
    const int n = Len(text);
    for (int i = 0; i < n;) {
        const unsigned char c = static_cast<unsigned char>(text[static_cast<std::size_t>(i)]);
        if (IsGbkLead(c) && i + 1 < n) {
            i += 2;
            continue;
        }
        if (c >= 'a' && c <= 'z')
            holds |= std::uint64_t {1} << (c - 'a');
        else if (c >= 'A' && c <= 'Z')
            holds |= std::uint64_t {1} << (26 + c - 'A');
        ++i;
    }
    // The letters held, a to z and then A to Z.
    for (; holds != 0; holds &= holds - 1) {
        const int bit = std::countr_zero(holds);
        const char letter = static_cast<char>(bit < 26 ? 'a' + bit : 'A' + (bit - 26));
        const std::string_view name(&letter, 1);
        bool known = false;
        for (int k = 0; k < letters.GetSize() && !known; ++k) {
            const std::string &entry = letters[k];
            // An entry is one letter as a rule: holding the letter is being it.
            known = entry.size() == 1 ? entry[0] == letter : Contains(entry, name);
        }
        if (!known)
            letters.InsertAt(0, std::string(name));
    }
}

} // namespace qimbel
