#include "numbers/NumberText.h"
#include "solver/Solver.h"

namespace qimbel
{

// The factor filter: keeps the numbers that divide every number of the clause (公因数), or, in a
// negated clause, those that divide none of them. A number that is not a whole number other than
// 0 is never a factor. A clause without numbers keeps the list.
void Solver::YinShuShaiXuan(std::string clause, StringArray &numbers)
{
    StringArray named;
    ShuLieToShuZu(clause, named);
    const std::vector<std::string> ys = numbers::WholeNumbersOf(named);
    if (ys.empty())
        return;
    const bool negated = Contains(clause, "不") || Contains(clause, "非");
    for (int i = 0; i < numbers.GetSize(); ++i) {
        const std::string &x = numbers.GetAt(i);
        if (x.empty())
            continue;
        const bool whole = numbers::IsWholeNonZero(x);
        bool any = false;
        bool all = true;
        for (const std::string &y : ys) {
            const bool divides = whole && numbers::DividesText(x, y);
            any = any || divides;
            all = all && divides;
        }
        if (negated ? any : !all)
            numbers.SetAt(i, "");
    }
}

} // namespace qimbel
