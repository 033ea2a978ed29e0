// What the file system says of a data file (there, a regular file, its size and time of last
// change) and of a data folder (its entries), asked once per compute: a page of 400 lines looks up the same few files
// for every line, and each question costs a system call (in the browser, a walk of the file system's JavaScript tree).
// While a FileStampScope stands, a path is asked about once and the answer kept; a file changed meanwhile counts from
// the next scope, that is, from the next compute. Outside a scope every question goes to the file system.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace qimbel {

struct FileStamp {
    bool exists = false;
    bool regular = false;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type changed {};

    bool operator==(const FileStamp &) const = default;
};

FileStamp StampOf(const std::string &path);

// An entry of a folder: its name and whether it is a regular file.
struct FolderEntry {
    std::string name;
    bool regular = false;
};

// The entries of `folder` in the order the file system gives them (at most 65,536); none when it
// cannot be read. Kept, like the stamps, while a scope stands.
std::vector<FolderEntry> EntriesOf(const std::string &folder);

// Keeps the stamps asked for on this thread until it ends (scopes nest; the outermost one counts).
class FileStampScope {
public:
    FileStampScope();
    ~FileStampScope();
    FileStampScope(const FileStampScope &) = delete;
    FileStampScope &operator=(const FileStampScope &) = delete;
};

} // namespace qimbel
