#include "wordproblems/FormulaIndex.h"

#include "solver/CachedReading.h"
#include "solver/DataFile.h"
#include "solver/GbkText.h"
#include "wordproblems/FormulaText.h"

namespace qimbel::wordproblems {

namespace {

// A file name of the index: one entry of the folder itself, ending in ".ini". A name on disk is
// bytes; those of a path ("/", and "\" for good measure) and control characters have no place in
// it, and a leading "." would allow "." and ".." (hidden files have no place in the index either).
bool IsPlainFileName(const std::string &file)
{
    const std::string extension = ".ini";
    if (file.size() <= extension.size() || file.size() > 255 || file[0] == '.')
        return false;
    if (file.compare(file.size() - extension.size(), extension.size(), extension) != 0)
        return false;
    for (const char c : file)
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return false;
    return true;
}

} // namespace

bool IsSafeFormulaName(const std::string &name)
{
    if (name.empty() || Len(name) > 200 || !IsCleanGbk(name) || name[0] == '.')
        return false;
    return !Contains(name, "/") && !Contains(name, "\\");
}

FormulaIndex::FormulaIndex(const std::string &path)
{
    const std::string bytes = ReadDataFile(path);
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos)
            continue;
        const std::string name = line.substr(0, tab);
        const std::string file = line.substr(tab + 1);
        if (IsSafeFormulaName(name) && IsPlainFileName(file))
            files_.emplace(name, file);
    }
}

std::shared_ptr<const FormulaIndex> FormulaIndex::Of(const std::string &folder)
{
    return CachedReading<FormulaIndex>(folder + "/" + kFormulaIndexName);
}

std::string FormulaIndex::FileOf(const std::string &name) const
{
    const auto found = files_.find(name);
    return found == files_.end() ? std::string() : found->second;
}

} // namespace qimbel::wordproblems
