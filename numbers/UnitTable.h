// The unit table Document/danwei.ini as the unit conversion and the word problems read it: chains
// of 〖rate_unit〗 entries, where the rate of a unit is how many of it make one of the chain's
// first unit (〖1_千米〗〖1000_米〗…).
#pragma once

#include "numbers/IniFile.h"

#include <memory>
#include <string>
#include <vector>

namespace qimbel::numbers {

// A unit of a chain and its rate, as typed and as a number.
struct UnitRate {
    std::string name;
    std::string rateText;
    double rate = 0;
};

// The units of a chain "〖1_千米〗〖1000_米〗…"; entries without a whole positive rate or a unit
// name are left out.
std::vector<UnitRate> ParseUnitChain(const std::string &chain);

// The chains danwei0 .. danwei(Count - 1) of the table in the order of their numbers, each as a
// read into a buffer of 260 bytes gives it.
std::vector<std::string> UnitChainTexts(const IniFile &ini);

// The chains of the table at `path` as it was last read: worked out again only when the file is
// read again.
std::shared_ptr<const std::vector<std::string>> CachedUnitChains(const std::string &path);

} // namespace qimbel::numbers
