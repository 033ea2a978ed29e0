// Reading a formula word problem: which quantities it gives and in which units, how it relates
// quantities to each other (长是宽的2倍, 宽比长少2米), and what it asks.
#pragma once

#include <string>
#include <vector>

namespace qimbel::wordproblems {

// A number as the problem writes it and the unit written right after it ("" when none); a unit
// may be a quotient of two units of the table (千米/时).
struct Amount {
    std::string number;
    std::string unit;
    // Further numbers written right after it, each with its unit: 1米20厘米.
    std::vector<Amount> parts;
};

struct GivenValue {
    std::string quantity;
    Amount amount;
};

// quantity = other × amount (是…的N倍, 是…的3/5, 是…的60%), other + amount (比…多), other − amount
// (比…少), other × amount ± extra (比…的2倍多3米, 是…的2倍少1米).
struct Relation {
    enum class Kind { Times, More, Less, TimesMore, TimesLess };
    std::string quantity;
    std::string other;
    Kind kind = Kind::Times;
    Amount amount; // a percentage is written as the number it is: 60% is 0.6
    Amount extra; // the amount after 倍多 or 倍少
};

struct ProblemReading {
    std::vector<GivenValue> given; // in text order, the first value of each quantity only
    std::vector<Relation> relations; // in text order
    std::vector<std::string> asked; // in text order, each once
    // Amounts with a unit in a clause that names no quantity (行驶了3小时), in text order; an amount
    // after 每 and a unit of time is a speed (每小时行60千米 is 60千米/小时).
    std::vector<Amount> unnamed;
    bool questionFound = false; // a clause with 多少 or 求, naming a quantity or not
    int questionCount = 0; // how many such clauses
    std::string question; // the first question clause, without its 求 and its closing mark
    std::string questionUnit; // the unit after 多少 in that clause, "" when none
};

// The problem as the reading expects it: full-width digits and number signs made ASCII, ASCII
// clause marks made Chinese (a comma between thousands goes), N分之M written M/N.
std::string NormalisedProblem(const std::string &problem);

// The longest unit of `units` (or quotient X/Y of two of them) that `text` starts with at byte
// `at`; "" when none.
std::string UnitAt(const std::string &text, int at, const std::vector<std::string> &units);

// Reads the clauses of a normalised problem. `quantities` are the file's quantity names, `hidden`
// further names under which a quantity name does not count (the file's own name), `units` the unit
// names of the unit table. A question that names no quantity asks for the one quantity that the
// problem leaves open, when its unit tells which (see GongShiJieTi).
ProblemReading ReadProblem(const std::string &problem, const std::vector<std::string> &quantities,
    const std::vector<std::string> &hidden, const std::vector<std::string> &units);

} // namespace qimbel::wordproblems
