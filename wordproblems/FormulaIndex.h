// The name index of the formula folder. The formula files are installed under their readable
// (UTF-8) names, 长方形.ini, while a problem names its file in GBK, 〖长方形〗; the core has no
// conversion between the two, so the build writes the index names.tsv beside the files:
//
//   <GBK name> TAB <file name in the folder> CR LF      e.g.  长方形(GBK)	长方形.ini(UTF-8)
//
// A line whose name could not be typed between 〖 〗 or whose file name is not a plain ".ini"
// name of the folder is skipped, so a damaged index never leads out of the folder; the first
// line of a name counts.
#pragma once

#include <map>
#include <memory>
#include <string>

namespace qimbel::wordproblems {

// The index's file name in the formula folder.
inline constexpr const char *kFormulaIndexName = "names.tsv";

class FormulaIndex {
public:
    // Reads the index file at `path` (capped, regular files only); a missing, unreadable or
    // damaged file reads as an index of the lines that are sound, possibly none.
    explicit FormulaIndex(const std::string &path);

    // The index of `folder`, read once and again when it changes.
    static std::shared_ptr<const FormulaIndex> Of(const std::string &folder);

    // The file name for the GBK `name`; empty when the index does not know the name.
    std::string FileOf(const std::string &name) const;

    // GBK name -> file name, in byte order of the names.
    const std::map<std::string, std::string> &Files() const { return files_; }

private:
    std::map<std::string, std::string> files_;
};

// A name a problem may give in 〖 〗 that is safe as part of a path: clean GBK, neither "/" nor
// "\", not starting with "." (so neither "." nor ".." nor a hidden file), at most 200 bytes.
bool IsSafeFormulaName(const std::string &name);

} // namespace qimbel::wordproblems
