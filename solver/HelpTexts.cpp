#include "solver/DataFile.h"
#include "solver/HelpFile.h"
#include "solver/Solver.h"

#include <sstream>

namespace qimbel {

std::string LoadHelpText(const std::string &path, bool skipShortLines)
{
    // At most the first part of a regular file: a help text linked to a device cannot stall a page.
    std::istringstream in(ReadDataFile(path));
    std::string result;
    std::string line;
    while (in && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (skipShortLines && line.size() <= 1)
            continue;
        result += Trim(line);
        result += "\r\n";
    }
    return result;
}

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
