// Reading the working part of a pupil's line (see EquationLine.h) into its exact solution set:
// an equation or inequality in one unknown, several joined by "或" or "，" (x1＝2，x2＝3), numbers
// with square roots and "±" (x＝1±√2), the sentences 无解 / 没有实数根 / 任何数; or an equation of a
// system, linear in two unknowns.
#pragma once

#include "algebra/FractionAlgebra.h"
#include "marking/EquationSet.h"

#include <optional>
#include <string>
#include <vector>

namespace qimbel::marking {

struct OneUnknownLine {
    std::string reason; // not empty: the line cannot be read, and why
    SolutionSet raw; // its solutions, its own denominators respected
    SolutionSet set; // the same within the domain of the problem
    std::vector<SurdNumber> excluded; // the numbers that make one of its denominators 0
    bool single = false; // one relation, no square root: its sides can be worked on as text
    std::string left, symbol, right;
    bool answer = false; // the unknown alone against a number (or such equations joined), or a sentence
};

// Reads the working part of a line in the unknown u; `domain` holds the numbers the problem
// excludes. The working part is what WorkingPart gives; `normalised` is the whole line (its
// sentences: 无解, 任何数).
OneUnknownLine ReadOneUnknown(const std::string &working, const std::string &normalised, char u,
    const std::vector<SurdNumber> &domain);

// The value of a side as a fraction, with the denominators it holds (divisors included); nothing
// when it cannot be read.
struct SideValue {
    fractions::Fraction value;
    std::vector<fractions::Poly> denominators;
};
std::optional<SideValue> ReadSide(const std::string &text);

// The letters of a text (ASCII), each once, in the order a–z, A–Z.
std::string LettersOf(const std::string &text);

// a·x ＋ b·y ＋ c ＝ 0.
struct LinearEquation {
    Rational a {0, 1}, b {0, 1}, c {0, 1};
};
// One equation of a system in the letters x and y; `reason` tells why it cannot be read.
std::optional<LinearEquation> ReadLinear(const std::string &piece, char x, char y, std::string &reason);

// The common denominator of the top-level terms of both sides and the line multiplied by it,
// term by term (去分母); nothing when it has no denominator to clear or a term is not whole.
// With a term named (side 0 or 1, its index among the side's terms), that term stays as typed:
// the line as written when the term was not multiplied (漏乘).
std::optional<std::string> DenominatorsCleared(const std::string &left, const std::string &symbol,
    const std::string &right, int skipSide = -1, int skipIndex = -1);

} // namespace qimbel::marking
