#include "solver/DataFile.h"
#include "solver/Solver.h"

namespace qimbel {

// The three help texts of a problem type; the worked example leaves out its short lines, so an
// example file can hold empty lines that do not reach the text box.
std::string Solver::GetJianJie(int n)
{
    return LoadHelpText(GetLuJing() + "/Help/JianJie/" + IntText(n) + ".txt", false);
}

std::string Solver::GetZhaiYao(int n)
{
    return LoadHelpText(GetLuJing() + "/Help/ZhaiYao/" + IntText(n) + ".txt", false);
}

std::string Solver::GetShiLi(int n) { return LoadHelpText(GetLuJing() + "/Help/ShiLi/" + IntText(n) + ".txt", true); }

} // namespace qimbel
