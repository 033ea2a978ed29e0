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

// quantity = other × amount (是…的N倍, 是…的3/5), other + amount (比…多), other − amount (比…少).
struct Relation {
    enum class Kind { Times, More, Less };
    std::string quantity;
    std::string other;
    Kind kind = Kind::Times;
    Amount amount;
};

struct ProblemReading {
    std::vector<GivenValue> given; // in text order, the first value of each quantity only
    std::vector<Relation> relations; // in text order
    std::vector<std::string> asked; // in text order, each once
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
