// The problem generator of the 口算练习生成器. Every problem meets the chosen constraints by
// construction: the numbers are drawn inside ranges worked out from the constraints, never drawn
// and thrown away for breaking one. Only a problem already on the sheet is drawn again, at most a
// few dozen times, so the problems of a sheet differ wherever the range holds enough of them. The
// same options and seed give the same sheet on every machine.
#pragma once

#include "generators/KouSuanProblem.h"

#include <cstdint>
#include <vector>

namespace qimbel::kousuan {

enum class BlankChoice { Result, Operand, Mixed };

struct Options {
    bool add = true;
    bool sub = true;
    bool mul = false;
    bool div = false;
    // The number range: 10, 20, 100 or 1000. Sums, differences, products and dividends stay within
    // it; other values are taken as the nearest of the four.
    int range = 20;
    // Multiplication tables: 0 uses the number range for × and ÷; 1 to 9 keeps both factors of a
    // product (divisor and quotient of a division) within that table.
    int table = 0;
    int count = 20; // 10 to 200; outside values are brought into that span
    BlankChoice blank = BlankChoice::Result;
    bool negative = false; // differences below zero may occur
    bool remainder = false; // divisions may leave a remainder
    std::uint64_t seed = 1;
};

// The range, table and count actually used for the options (what Generate works with).
int RangeOf(const Options &options);
int TableOf(const Options &options);
int CountOf(const Options &options);

// The sheet for the options. With no operation chosen, addition is used.
std::vector<Problem> Generate(const Options &options);

} // namespace qimbel::kousuan
