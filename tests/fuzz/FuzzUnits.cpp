// The unit conversion on an arbitrary unit table: the first byte chooses the detail level, the
// input's first line (GBK) is the problem and the rest is Document/danwei.ini. The target lives
// in an installation folder of its own, so the table it writes is read by this target only.
#include "FuzzInput.h"

#include "solver/Solver.h"

#include <filesystem>
#include <fstream>

namespace {

const std::string &TablePath()
{
    static const std::string path = [] {
        const std::string folder = qimbel::Solver().GetLuJing() + "/Document";
        std::filesystem::create_directories(folder);
        return folder + "/danwei.ini";
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int level = qimbel::fuzz::LevelOf(data[0]);
    const std::string rest = qimbel::fuzz::Rest(data, size);
    const std::size_t lineEnd = rest.find('\n');
    const std::string line = rest.substr(0, lineEnd);
    const std::string table = lineEnd == std::string::npos ? std::string() : rest.substr(lineEnd + 1);
    {
        std::ofstream out(TablePath(), std::ios::binary | std::ios::trunc);
        out << table;
    }
    // A reader that keeps the table while its size and time of change stay the same must see
    // every new table, however fast they follow each other: each gets a time of its own.
    static std::filesystem::file_time_type stamp = std::filesystem::file_time_type::clock::now();
    stamp += std::chrono::seconds(1);
    std::error_code error;
    std::filesystem::last_write_time(TablePath(), stamp, error);
    qimbel::Solver solver;
    const std::string result = solver.DanWeiZhuanHuan(qimbel::Trim(line), level);
    if (result.size() > 200 * 1024 + line.size())
        qimbel::fuzz::Fail("one line wrote more than 200 KB");
    return 0;
}
