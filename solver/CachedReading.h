// One reading of a data file shared by every caller of the process: a table that pages look up
// on every compute is read on first use, and again whenever the file's size or time of last
// change differ from the last reading (a teacher may edit it while the program runs).
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>

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

    std::error_code error;
    const std::filesystem::file_time_type changed = std::filesystem::last_write_time(path, error);
    if (error)
        return std::make_shared<const T>(path);
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    const std::uintmax_t knownSize = error ? 0 : size;

    const std::lock_guard<std::mutex> lock(mutex);
    Reading &reading = readings[path];
    if (reading.file == nullptr || reading.changed != changed || reading.size != knownSize)
        reading = {changed, knownSize, std::make_shared<const T>(path)};
    return reading.file;
}

} // namespace qimbel
