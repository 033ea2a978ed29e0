#include "numbers/UnitTable.h"

#include "numbers/NumberText.h"
#include "solver/GbkText.h"

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <utility>

namespace qimbel::numbers {

std::vector<UnitRate> ParseUnitChain(const std::string &chain)
{
    std::vector<UnitRate> units;
    int at = 0;
    for (;;) {
        const int open = Find(chain, "〖", at);
        if (open < 0)
            break;
        const int close = Find(chain, "〗", open);
        if (close < 0)
            break;
        const std::string entry = Mid(chain, open + 2, close - open - 2);
        at = close + 2;
        const int bar = Find(entry, "_");
        if (bar <= 0 || bar > 18)
            continue;
        UnitRate unit;
        unit.rateText = Left(entry, bar);
        unit.name = Mid(entry, bar + 1);
        if (DigitsOnly(unit.rateText) != unit.rateText || unit.name.empty())
            continue;
        unit.rate = std::strtod(unit.rateText.c_str(), nullptr);
        if (unit.rate > 0)
            units.push_back(unit);
    }
    return units;
}

std::vector<std::string> UnitChainTexts(const IniFile &ini)
{
    const int count = ini.GetInt("DanWei", "Count", 0);
    std::vector<std::pair<int, std::string>> keyed;
    for (const std::string &key : ini.Keys("DanWei")) {
        // Only the keys danwei0 .. danwei(Count - 1), written without leading zeros, are read.
        std::string lower = key;
        for (char &c : lower)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        const std::string digits = Mid(lower, 6);
        if (Left(lower, 6) != "danwei" || digits.empty() || digits.size() > 9 || DigitsOnly(digits) != digits
            || (digits.size() > 1 && digits[0] == '0'))
            continue;
        const int index = std::stoi(digits);
        if (index < count)
            keyed.emplace_back(index, key);
    }
    std::sort(keyed.begin(), keyed.end());
    std::vector<std::string> chains;
    int previous = -1;
    for (const auto &[index, key] : keyed) {
        if (index == previous)
            continue; // a repeated key: the first one counts
        previous = index;
        chains.push_back(ini.GetString("DanWei", key, "default", 260));
    }
    return chains;
}

// Worked out again only when the file is read again, so a line costs one walk over the chains and
// no sorting.
std::shared_ptr<const std::vector<std::string>> CachedUnitChains(const std::string &path)
{
    const std::shared_ptr<const IniFile> table = IniFile::Cached(path);
    static std::mutex mutex;
    static std::weak_ptr<const IniFile> from;
    static std::shared_ptr<const std::vector<std::string>> chains;
    const std::lock_guard<std::mutex> lock(mutex);
    if (chains == nullptr || from.lock() != table) {
        chains = std::make_shared<const std::vector<std::string>>(UnitChainTexts(*table));
        from = table;
    }
    return chains;
}

} // namespace qimbel::numbers
