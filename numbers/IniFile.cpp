#include "numbers/IniFile.h"

#include "solver/GbkText.h"

#include <climits>
#include <fstream>

namespace qimbel::numbers {

namespace {

bool SameName(const std::string &a, const std::string &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

} // namespace

IniFile::IniFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::string line;
    Section *current = nullptr;
    while (in && std::getline(in, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            const std::size_t close = line.find(']');
            sections_.push_back({Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1)), {}});
            current = &sections_.back();
            continue;
        }
        const std::size_t equals = line.find('=');
        if (current == nullptr || equals == std::string::npos)
            continue;
        std::string value = Trim(line.substr(equals + 1));
        if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
            value = value.substr(1, value.size() - 2);
        current->entries.push_back({Trim(line.substr(0, equals)), value});
    }
}

const IniFile::Section *IniFile::FindSection(const std::string &name) const
{
    for (const Section &section : sections_)
        if (SameName(section.name, name))
            return &section;
    return nullptr;
}

const IniFile::Entry *IniFile::FindEntry(const std::string &section, const std::string &key) const
{
    const Section *found = FindSection(section);
    if (found == nullptr)
        return nullptr;
    for (const Entry &entry : found->entries)
        if (SameName(entry.key, key))
            return &entry;
    return nullptr;
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
