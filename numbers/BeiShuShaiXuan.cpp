#include "numbers/NumberText.h"
#include "solver/Solver.h"

namespace qimbel
{

// The multiple filter: keeps the numbers divisible by every number of the clause (2和3的倍数,
// 能被2和3整除), or, in a negated clause, those divisible by none of them. A number that is not
// a whole number other than 0 is never a multiple. A clause without numbers keeps the list.
void Solver::BeiShuShaiXuan(std::string clause, StringArray &numbers)
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
            const bool divisible = whole && numbers::DividesText(y, x);
            any = any || divisible;
            all = all && divisible;
        }
        if (negated ? any : !all)
            numbers.SetAt(i, "");
    }
}

} // namespace qimbel
