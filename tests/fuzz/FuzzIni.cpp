// The core's INI reader on arbitrary file contents. The sections and keys asked for are the ones
// the file names, as the unit table and the formula files are read.
#include "FuzzInput.h"

#include "numbers/IniFile.h"

#include <cstdio>
#include <fstream>
#include <unistd.h>

namespace {

std::string TempPath()
{
    static const std::string path = "/tmp/qimbel-fuzz-ini-" + std::to_string(getpid()) + ".ini";
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string contents(reinterpret_cast<const char *>(data), size);
    {
        std::ofstream out(TempPath(), std::ios::binary | std::ios::trunc);
        out << contents;
    }
    const qimbel::numbers::IniFile ini(TempPath());

    std::string section = "danwei";
    int asked = 0;
    std::size_t start = 0;
    while (start <= contents.size() && asked < 64) {
        std::size_t end = contents.find('\n', start);
        if (end == std::string::npos)
            end = contents.size();
        const std::string line = contents.substr(start, end - start);
        start = end + 1;
        const std::size_t open = line.find('[');
        const std::size_t close = line.find(']');
        if (open != std::string::npos && close != std::string::npos && close > open) {
            section = line.substr(open + 1, close - open - 1);
            for (const std::string &key : ini.Keys(section))
                if (ini.GetString(section, key, "x").size() > 259)
                    qimbel::fuzz::Fail("a value longer than its buffer");
        }
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos) {
            const std::string key = line.substr(0, equals);
            (void)ini.GetInt(section, key, -1);
            if (ini.GetString(section, key, "", 16).size() > 15)
                qimbel::fuzz::Fail("a value longer than its buffer");
        }
        ++asked;
    }
    (void)ini.GetInt("danwei", "Count", 0);
    (void)ini.GetString("", "", "");
    return 0;
}
