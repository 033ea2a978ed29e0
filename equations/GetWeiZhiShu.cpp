#include "solver/Solver.h"

namespace qimbel {

// Adds the letters that `text` uses to `letters`: the candidates "a" to "z", then "A" to "Z",
// each inserted at index 0 when the text holds it and no entry of the list does yet. So the
// entry at index 0 is the letter found last in that order: the unknown of ax＋b＝0 is x.
void Solver::GetWeiZhiShu(std::string text, StringArray &letters)
{
    static const char kFirst[] = {'a', 'A'};
    for (const char first : kFirst) {
        for (int i = 0; i < 26; ++i) {
            const std::string letter(1, static_cast<char>(first + i));
            if (!Contains(text, letter))
                continue;
            bool known = false;
            for (int k = 0; k < letters.GetSize() && !known; ++k)
                known = Contains(letters[k], letter);
            if (!known)
                letters.InsertAt(0, letter);
        }
    }
}

} // namespace qimbel
