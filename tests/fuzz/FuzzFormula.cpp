// The formula word problems on arbitrary formula files: the input's first line (GBK) is the
// problem, the rest up to the first form feed is the formula file and what follows it is the
// folder's name index names.tsv (without a form feed, the index names the file as the build
// writes it). The file is written once per input under a fixed GBK name into a folder of this
// process alone, so a problem that names 〖公式〗 reads it.
#include "FuzzInput.h"

#include "solver/Solver.h"
#include "wordproblems/FormulaFile.h"
#include "wordproblems/FormulaIndex.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// 公式 in GBK: the name a problem gives in 〖 〗.
const std::string kName = "\xB9\xAB\xCA\xBD";

const std::string &Folder()
{
    static const std::string folder = [] {
        const fs::path path = fs::temp_directory_path() / ("qimbel-fuzz-formula-" + std::to_string(getpid()));
        fs::create_directories(path);
        return path.string();
    }();
    return folder;
}

// Writes `bytes` to `path` with a time of change of its own, so that a reader that keeps a file
// while its size and time stay the same sees every input.
void Write(const std::string &path, const std::string &bytes)
{
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    static fs::file_time_type stamp = fs::file_time_type::clock::now();
    stamp += std::chrono::seconds(1);
    std::error_code error;
    fs::last_write_time(path, stamp, error);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Formula files are small; a longer input only slows the run.
    if (size > 4096)
        return 0;
    const std::string input(reinterpret_cast<const char *>(data), size);
    const std::size_t lineEnd = input.find('\n');
    const std::string line = input.substr(0, lineEnd);
    const std::string rest = lineEnd == std::string::npos ? std::string() : input.substr(lineEnd + 1);
    const std::size_t feed = rest.find('\f');
    const std::string file = rest.substr(0, feed);
    const std::string index = feed == std::string::npos ? kName + "\t" + kName + ".ini\r\n" : rest.substr(feed + 1);
    Write(Folder() + "/" + kName + ".ini", file);
    Write(Folder() + "/" + qimbel::wordproblems::kFormulaIndexName, index);

    // Every name the folder offers reads without harm, and names only files of the folder.
    for (const std::string &name : qimbel::wordproblems::FormulaFileNames(Folder())) {
        if (!qimbel::wordproblems::IsSafeFormulaName(name))
            qimbel::fuzz::Fail("the folder offers a name that is not safe");
        (void)qimbel::wordproblems::ReadFormulaFile(Folder(), name);
    }
    qimbel::Solver solver;
    const std::string worked = solver.GongShiJieTi(qimbel::Trim(line), Folder());
    if (worked.size() > 200 * 1024 + line.size())
        qimbel::fuzz::Fail("one problem wrote more than 200 KB");
    return 0;
}
