#include "numbers/IniFile.h"

#include "solver/CachedReading.h"
#include "solver/DataFile.h"
#include "solver/GbkText.h"

#include <climits>

namespace qimbel::numbers {

namespace {

// Names compare without regard to ASCII case: they are looked up by their lower-case form.
std::string Folded(std::string name)
{
    for (char &c : name)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return name;
}

} // namespace

IniFile::IniFile(const std::string &path)
{
    const std::string bytes = ReadDataFile(path);
    Section *current = nullptr;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        const std::string line = Trim(bytes.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            const std::size_t close = line.find(']');
            sections_.push_back(
                {Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1)), {}, {}});
            current = &sections_.back();
            byName_.emplace(Folded(current->name), sections_.size() - 1);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (current == nullptr || equals == std::string::npos)
            continue;
        std::string value = Trim(line.substr(equals + 1));
        if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
            value = value.substr(1, value.size() - 2);
        current->entries.push_back({Trim(line.substr(0, equals)), value});
        current->byKey.emplace(Folded(current->entries.back().key), current->entries.size() - 1);
    }
}

std::shared_ptr<const IniFile> IniFile::Cached(const std::string &path) { return CachedReading<IniFile>(path); }

const IniFile::Section *IniFile::FindSection(const std::string &name) const
{
    const auto found = byName_.find(Folded(name));
    return found == byName_.end() ? nullptr : &sections_[found->second];
}

const IniFile::Entry *IniFile::FindEntry(const std::string &section, const std::string &key) const
{
    const Section *found = FindSection(section);
    if (found == nullptr)
        return nullptr;
    const auto entry = found->byKey.find(Folded(key));
    return entry == found->byKey.end() ? nullptr : &found->entries[entry->second];
}

std::string IniFile::GetString(
    const std::string &section, const std::string &key, const std::string &fallback, int bufferSize) const
{
    const Entry *entry = FindEntry(section, key);
    const std::string &value = entry != nullptr ? entry->value : fallback;
    if (bufferSize <= 0)
        return {};
    return value.substr(0, static_cast<std::size_t>(bufferSize - 1));
}

int IniFile::GetInt(const std::string &section, const std::string &key, int fallback) const
{
    const Entry *entry = FindEntry(section, key);
    if (entry == nullptr)
        return fallback;
    const std::string &value = entry->value;
    std::size_t i = 0;
    const bool negative = i < value.size() && value[i] == '-';
    if (i < value.size() && (value[i] == '-' || value[i] == '+'))
        ++i;
    long long number = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
        number = number * 10 + (value[i] - '0');
        if (number > INT_MAX)
            return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -number : number);
}

std::vector<std::string> IniFile::Keys(const std::string &section) const
{
    std::vector<std::string> keys;
    if (const Section *found = FindSection(section))
        for (const Entry &entry : found->entries)
            keys.push_back(entry.key);
    return keys;
}

} // namespace qimbel::numbers
