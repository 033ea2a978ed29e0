#include "solver/FileStamp.h"

#include <map>
#include <system_error>

namespace qimbel {

namespace {

struct Kept {
    int depth = 0;
    std::map<std::string, FileStamp> stamps;
};

thread_local Kept kept;

// No more paths than this are kept in one scope; past it they are asked afresh.
constexpr std::size_t kMostKept = 4096;

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

FileStampScope::FileStampScope() { ++kept.depth; }

FileStampScope::~FileStampScope()
{
    if (--kept.depth == 0)
        kept.stamps.clear();
}

} // namespace qimbel
