#include "solver/DataFile.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace qimbel {

std::string ReadDataFile(const std::string &path)
{
    // Checked before opening: opening a pipe would wait for a writer, and a device such as
    // /dev/zero never ends.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error) || error)
        return {};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    // One byte more than the limit tells whether the file goes on.
    std::string bytes(kDataFileLimit + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > kDataFileLimit) {
        const std::size_t lastBreak = bytes.rfind('\n', kDataFileLimit - 1);
        bytes.resize(lastBreak == std::string::npos ? 0 : lastBreak + 1);
    }
    return bytes;
}

} // namespace qimbel
