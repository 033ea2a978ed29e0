#include "solver/FileStamp.h"

#include "solver/PerThread.h"

#include <map>
#include <system_error>

namespace qimbel {

namespace {

struct Kept {
    int depth = 0;
    std::map<std::string, FileStamp> stamps;
    std::map<std::string, std::vector<FolderEntry>> folders;
};

QIMBEL_PER_THREAD Kept kept;

// No more paths than this are kept in one scope; past it they are asked afresh.
constexpr std::size_t kMostKept = 4096;
constexpr std::size_t kMostEntries = 65536;

FileStamp Ask(const std::string &path)
{
    FileStamp stamp;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status))
        return stamp;
    stamp.exists = true;
    stamp.regular = std::filesystem::is_regular_file(status);
    stamp.changed = std::filesystem::last_write_time(path, error);
    if (error)
        return FileStamp {};
    if (stamp.regular) {
        stamp.size = std::filesystem::file_size(path, error);
        if (error)
            stamp.size = 0;
    }
    return stamp;
}

std::vector<FolderEntry> List(const std::string &folder)
{
    std::vector<FolderEntry> entries;
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    for (; !error && it != std::filesystem::directory_iterator() && entries.size() < kMostEntries;
         it.increment(error)) {
        std::error_code kind;
        entries.push_back({it->path().filename().string(), it->is_regular_file(kind) && !kind});
    }
    return entries;
}

} // namespace

FileStamp StampOf(const std::string &path)
{
    if (kept.depth == 0)
        return Ask(path);
    const auto found = kept.stamps.find(path);
    if (found != kept.stamps.end())
        return found->second;
    const FileStamp stamp = Ask(path);
    if (kept.stamps.size() < kMostKept)
        kept.stamps.emplace(path, stamp);
    return stamp;
}

std::vector<FolderEntry> EntriesOf(const std::string &folder)
{
    if (kept.depth == 0)
        return List(folder);
    const auto found = kept.folders.find(folder);
    if (found != kept.folders.end())
        return found->second;
    std::vector<FolderEntry> entries = List(folder);
    if (kept.folders.size() < kMostKept)
        kept.folders.emplace(folder, entries);
    return entries;
}

FileStampScope::FileStampScope() { ++kept.depth; }

FileStampScope::~FileStampScope()
{
    if (--kept.depth == 0) {
        kept.stamps.clear();
        kept.folders.clear();
    }
}

} // namespace qimbel
