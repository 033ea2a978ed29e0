// Reading one help file into the text that the pages show.
#pragma once

#include <string>

namespace qimbel {

// Reads a help file line by line (LF or CR LF ends a line); every line is trimmed and followed
// by CR LF. With `skipShortLines`, lines of zero or one byte before trimming are left out, so an
// example file can hold empty lines that do not reach the text box. A file that is missing or
// cannot be read gives the empty text.
std::string LoadHelpText(const std::string &path, bool skipShortLines);

} // namespace qimbel
