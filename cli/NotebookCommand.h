// qimbel-cli --notebook FILE …: the 错题本 from the command line.
#pragma once

#include <string>
#include <vector>

namespace qimbel {

// Runs the arguments (starting with "--notebook FILE"); the exit status.
int RunNotebook(const std::vector<std::string> &args);

} // namespace qimbel
