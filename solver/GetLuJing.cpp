#include "solver/Solver.h"

#include <filesystem>
#include <system_error>

namespace qimbel {

// The installation folder: the folder that holds the running executable. Every data file is
// found below it (Help/, Document/, ZhiShi/, KaoShi/).
std::string Solver::GetLuJing()
{
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return ".";
    return exe.parent_path().string();
}

} // namespace qimbel
