// One reading of a data file shared by every caller of the process: a table that pages look up
// on every compute is read on first use, and again whenever the file's size or time of last
// change differ from the last reading (a teacher may edit it while the program runs; during a
// compute, from the next one: FileStamp.h).
#pragma once

#include "solver/FileStamp.h"

#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace qimbel {

// The reading T(path) of the file at `path`. A missing file is read afresh on every call (as
// T reads it: empty), so that it counts as soon as it is there.
template <class T> std::shared_ptr<const T> CachedReading(const std::string &path)
{
    struct Reading {
        std::filesystem::file_time_type changed;
        std::uintmax_t size = 0;
        std::shared_ptr<const T> file;
    };
    static std::mutex mutex;
    static std::map<std::string, Reading> readings;

    const FileStamp stamp = StampOf(path);
    if (!stamp.exists)
        return std::make_shared<const T>(path);
    const std::filesystem::file_time_type changed = stamp.changed;
    const std::uintmax_t knownSize = stamp.size;

    const std::lock_guard<std::mutex> lock(mutex);
    Reading &reading = readings[path];
    if (reading.file == nullptr || reading.changed != changed || reading.size != knownSize)
        reading = {changed, knownSize, std::make_shared<const T>(path)};
    return reading.file;
}

} // namespace qimbel
