#include "solver/ExpressionText.h"
#include "solver/Solver.h"

#include <unordered_set>

namespace qimbel {

// The distinct letter parts of a polynomial (each term without its coefficient), in text order.
// Of repeated letter parts the one kept stands where the last occurrence stands in the text; a
// letter part the array already holds is not added again.
std::string Solver::ZiMuToShuZu(std::string polynomial, StringArray &letterParts)
{
    StringArray terms;
    ZhengShiToShuZu(std::move(polynomial), terms);

    std::unordered_set<std::string> seen;
    for (int i = 0; i < letterParts.GetSize(); ++i)
        seen.insert(DropCoefficient(letterParts.GetAt(i)));

    // Index 0 is the last term of the text: walking upward and inserting at 0 restores text order.
    for (int i = 0; i < terms.GetSize(); ++i) {
        std::string part = DropCoefficient(terms.GetAt(i));
        if (seen.insert(part).second)
            letterParts.InsertAt(0, part);
    }
    return {};
}

} // namespace qimbel
