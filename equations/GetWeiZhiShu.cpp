#include "solver/Solver.h"

namespace qimbel {

// Adds the letters that `text` uses to `letters`: the candidates "a" to "z", then "A" to "Z",
// each inserted at index 0 when the text holds it and no entry of the list does yet. So the
// entry at index 0 is the letter found last in that order: the unknown of ax＋b＝0 is x.
void Solver::GetWeiZhiShu(std::string text, StringArray &letters)
{
    // One walk over the characters of the text marks the letters it holds; a letter byte that is
    // the second half of a two-byte character is no letter.
    bool holds[128] = {};
    const int n = Len(text);
    for (int i = 0; i < n;) {
        const unsigned char c = static_cast<unsigned char>(text[static_cast<std::size_t>(i)]);
        if (IsGbkLead(c) && i + 1 < n) {
            i += 2;
            continue;
        }
        if (c < 128)
            holds[c] = true;
        ++i;
    }
    static const char kFirst[] = {'a', 'A'};
    for (const char first : kFirst) {
        for (int i = 0; i < 26; ++i) {
            const char letter = static_cast<char>(first + i);
            if (!holds[static_cast<unsigned char>(letter)])
                continue;
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
}

} // namespace qimbel
