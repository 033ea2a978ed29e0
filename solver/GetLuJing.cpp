#include "solver/Solver.h"

#include <filesystem>
#include <system_error>

namespace qimbel {

// The installation folder: the folder that holds the running executable. Every data file is
// found below it (Help/, Document/, ZhiShi/, KaoShi/).
// It does not move while the program runs, so it is asked for once.
std::string Solver::GetLuJing()
{
    static const std::string folder = [] {
        std::error_code error;
        const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
        return error ? std::string(".") : exe.parent_path().string();
    }();
    return folder;
}

} // namespace qimbel
