// The core's reader of private INI files (the unit table Document/danwei.ini and other data
// files): "[section]" lines, "key=value" lines, ";" comment lines. Names of sections and keys
// match without regard to ASCII case; the first section of a name and its first key of a name
// count, as the Windows profile functions read them. Plain C++, no platform calls.
//
// The file is read once (at most kDataFileLimit bytes of a regular file, see solver/DataFile.h)
// into maps, so a lookup takes constant time whatever the size of the table; Cached() keeps one
// reading per file for the whole process and reads the file again when it changes.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace qimbel::numbers {

class IniFile {
public:
    // Reads the file at `path`; a missing or unreadable file reads as an empty one.
    explicit IniFile(const std::string &path);

    // The reading of the file at `path` shared by every caller: read on first use and again
    // whenever the file's size or time of last change differ from the last reading.
    static std::shared_ptr<const IniFile> Cached(const std::string &path);

    // The value of `key` in `section`, blanks around it trimmed and one pair of enclosing quotes
    // removed; `fallback` when the section or key is missing. Like a read into a buffer of
    // `bufferSize` bytes, the text is cut to bufferSize - 1 bytes.
    std::string GetString(
        const std::string &section, const std::string &key, const std::string &fallback, int bufferSize = 260) const;

    // The leading decimal integer of the value (optional sign), clamped to the int range;
    // `fallback` when the key is missing, 0 when the value does not start with a number.
    int GetInt(const std::string &section, const std::string &key, int fallback) const;

    // The key names of `section`, in file order.
    std::vector<std::string> Keys(const std::string &section) const;

private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries; // in file order
        std::unordered_map<std::string, std::size_t> byKey; // lower-case key -> its first entry
    };
    const Section *FindSection(const std::string &name) const;
    const Entry *FindEntry(const std::string &section, const std::string &key) const;

    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> byName_; // lower-case name -> its first section
};

} // namespace qimbel::numbers
