// Reading the data files that ship beside the executable: help texts, the unit table, formula
// files and handbooks. A broken installation must not stall a page, so only regular files are
// opened (a folder, a device or a pipe reads as a missing file) and no more than
// kDataFileLimit bytes of any file are read.
#pragma once

#include <cstddef>
#include <string>

namespace qimbel {

// Far above any help text or table that ships; a file holds whole lines up to here.
inline constexpr std::size_t kDataFileLimit = 256 * 1024;

// The bytes of the regular file at `path` (symbolic links followed), or the empty text for a
// missing file and for anything that is not a regular file. Of a longer file only the first
// kDataFileLimit bytes count, and of those only the lines that end before the limit: the line
// cut in two by it is dropped with the rest.
std::string ReadDataFile(const std::string &path);

} // namespace qimbel
