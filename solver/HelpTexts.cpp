#include "solver/Solver.h"

#include <fstream>

namespace qimbel {

namespace {

// Reads a help file line by line (LF or CR LF ends a line); every line is trimmed and followed
// by CR LF. With `skipShortLines`, lines of zero or one byte before trimming are left out, so an
// example file can hold empty lines that do not reach the text box. A file that is missing or
// cannot be read gives the empty text.
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

} // namespace

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
