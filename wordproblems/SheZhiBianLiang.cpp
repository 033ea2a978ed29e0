#include "solver/Solver.h"

namespace qimbel {

// Gives the quantity called `name` its value; "1" when the file has such a quantity, else "0".
std::string Solver::SheZhiBianLiang(
    const StringArray &quantities, StringArray &values, std::string name, std::string value)
{
    for (int i = 0; i < quantities.GetSize(); ++i)
        if (quantities[i] == name) {
            values.SetAt(i, value);
            return "1";
        }
    return "0";
}

} // namespace qimbel
