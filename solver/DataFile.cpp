#include "solver/DataFile.h"

#include <algorithm>
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
    // One byte more than the limit tells whether the file goes on. Read in pieces, so a small
    // file costs its own size and not the limit's.
    std::string bytes;
    char piece[16384];
    while (bytes.size() <= kDataFileLimit && in) {
        const std::size_t wanted = std::min(sizeof piece, kDataFileLimit + 1 - bytes.size());
        in.read(piece, static_cast<std::streamsize>(wanted));
        bytes.append(piece, static_cast<std::size_t>(in.gcount()));
    }
    if (bytes.size() > kDataFileLimit) {
        const std::size_t lastBreak = bytes.rfind('\n', kDataFileLimit - 1);
        bytes.resize(lastBreak == std::string::npos ? 0 : lastBreak + 1);
    }
    return bytes;
}

} // namespace qimbel
