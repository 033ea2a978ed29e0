// Units in formula word problems: every given amount is brought into one common unit of its kind
// (the unit of the question where it names one), with the unit table of 单位转换, and the unit
// of an answer follows from the units of the values its formulas take.
#pragma once

#include "numbers/UnitTable.h"
#include "wordproblems/ProblemReading.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qimbel::wordproblems {

// The chains of the unit table. Units of length, area and volume are one kind at the powers 1, 2
// and 3: a chain is of power 2 or 3 when it holds a unit 平方X or 立方X of a length X.
class UnitBook {
public:
    explicit UnitBook(const std::vector<std::string> &chainTexts);

    // Every unit name of the table.
    const std::vector<std::string> &Names() const { return names_; }
    // The first chain that holds the unit; -1 when none does.
    int ChainOf(const std::string &unit) const;
    const numbers::UnitRate *Rate(const std::string &unit) const;
    // 1, 2 or 3 for a chain of length, area or volume, 0 for any other chain.
    int PowerOf(int chain) const;
    int LengthChain() const { return lengthChain_; }
    // The length whose square or cube a unit of area or volume is (平方米 → 米, 升 → 分米; a
    // length gives itself); "" when none.
    std::string LengthOf(const std::string &unit) const;

private:
    std::vector<std::vector<numbers::UnitRate>> chains_;
    std::vector<std::string> names_;
    std::vector<int> powers_;
    int lengthChain_ = -1;
};

// The book of the unit table at `path` as it was last read: made again only when the table is
// read again.
std::shared_ptr<const UnitBook> CachedUnitBook(const std::string &path);

// A kind of quantity: the powers of the kinds of unit it is made of (the length chain for length,
// area and volume); 速度 in 千米/时 is {length: 1, time: -1}. Empty for a plain number.
using Dimension = std::map<int, int>;

class CommonUnits {
public:
    // The common units of a problem: the question's unit for its kind, else the unit of the first
    // amount of each kind; area and volume follow the common length.
    CommonUnits(const UnitBook &book, const std::string &questionUnit, const std::vector<Amount> &amounts);

    // The amount's number in the common unit of its kind; `steps` tell the conversion in the words
    // of 单位转换 (none when the number stays). Empty when the amount cannot be one number (its
    // parts are of other kinds).
    std::string Convert(const Amount &amount, std::vector<std::string> &steps) const;

    // The kind of a unit; nothing for a unit that is not in the table.
    std::optional<Dimension> DimensionOf(const std::string &unit) const;
    // The common unit of a kind, "" when it has none (a plain number, or a kind without a unit).
    std::string UnitOf(const Dimension &dimension) const;

private:
    std::string CommonOf(const std::string &unit) const;
    std::string TargetOf(const std::string &unit) const;
    std::string ConvertOne(const Amount &amount, const std::string &target, std::string &step) const;

    const UnitBook &book_;
    std::string questionUnit_;
    std::string length_;
    std::map<int, std::string> common_; // chain -> the common unit of its kind
};

// The kind of the value of a formula's expression from the kinds of its quantities; nothing when
// a quantity of unknown kind takes part in a product or the expression cannot be read.
std::optional<Dimension> ExpressionDimension(
    const std::string &expression, const std::map<std::string, Dimension> &quantities);

} // namespace qimbel::wordproblems
