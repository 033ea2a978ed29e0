#include "solver/HelpFile.h"
#include "solver/Solver.h"

#include <fstream>

namespace qimbel {

std::string LoadHelpText(const std::string &path, bool skipShortLines)
{
    std::ifstream in(path, std::ios::binary);
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
