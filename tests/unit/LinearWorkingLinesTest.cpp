// Every line of a worked linear equation read back exactly: it has two sides, it has the one
// solution of the typed equation, and it writes its coefficients one way (no 0.5x beside 1/3x).
#include "WorkingEqualities.h"
#include "marking/EquationLine.h"
#include "marking/EquationReading.h"
#include "solver/GbkText.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <random>

using namespace qimbel;
using namespace qimbel::marking;

namespace {

// A decimal coefficient of a letter (0.5x) in the text.
bool HasDecimalCoefficient(const std::string &text)
{
    for (int i = 1; i + 1 < Len(text); ++i)
        if (text[static_cast<std::size_t>(i)] == '.') {
            int j = i + 1;
            while (
                j < Len(text) && text[static_cast<std::size_t>(j)] >= '0' && text[static_cast<std::size_t>(j)] <= '9')
                ++j;
            if (j < Len(text) && text[static_cast<std::size_t>(j)] >= 'a' && text[static_cast<std::size_t>(j)] <= 'z')
                return true;
        }
    return false;
}

// The routine writes a fraction coefficient before its letter (1/3x is a third of x); the marker
// reads 1/3x as 1÷(3x), so the product is written out for it.
std::string CoefficientsWrittenOut(const std::string &line)
{
    std::string out;
    bool inFraction = false; // digits after a bar that digits came before
    for (int i = 0; i < Len(line); ++i) {
        const char c = line[static_cast<std::size_t>(i)];
        if (inFraction && c >= 'a' && c <= 'z')
            out += "×";
        if (c == '/' && i > 0 && line[static_cast<std::size_t>(i) - 1] >= '0'
            && line[static_cast<std::size_t>(i) - 1] <= '9')
            inFraction = true;
        else if (!(c >= '0' && c <= '9'))
            inFraction = false;
        out += c;
    }
    return out;
}

} // namespace

TEST(LinearWorkingLines, EveryLineHasTheSolutionOfTheTypedEquation)
{
    // x÷a＋b＝(x＋c)÷d and x÷a－x÷d＝c: halves beside thirds, and sides that the moves empty.
    Solver solver;
    std::mt19937 random(13);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    auto number = [](int v) { return v < 0 ? "－" + std::to_string(-v) : "＋" + std::to_string(v); };
    for (int round = 0; round < 150; ++round) {
        int a = pick(2, 6);
        int d = pick(2, 6);
        while (d == a)
            d = pick(2, 6);
        const int b = pick(-9, 9);
        const int c = pick(1, 9);
        const std::string equation = round % 2 == 0
            ? "x÷" + std::to_string(a) + number(b) + "＝(x＋" + std::to_string(c) + ")÷" + std::to_string(d)
            : "x÷" + std::to_string(a) + "－x÷" + std::to_string(d) + "＝" + std::to_string(c);
        const std::string typed = NormalisedSigns(equation);
        const OneUnknownLine first = ReadOneUnknown(typed, typed, 'x', {});
        ASSERT_TRUE(first.reason.empty()) << equation;
        const std::vector<std::string> lines = workingtest::Lines(solver.YiCiDengShi(equation, "x", 4));
        ASSERT_GE(lines.size(), 2u) << equation;
        for (const std::string &line : lines) {
            const Relations relations = SplitRelations(line);
            ASSERT_EQ(relations.sides.size(), 2u) << equation << ": " << line;
            EXPECT_FALSE(Trim(relations.sides[0]).empty() || Trim(relations.sides[1]).empty())
                << equation << ": " << line;
            EXPECT_FALSE(Contains(line, "/") && HasDecimalCoefficient(line)) << equation << ": " << line;
            const std::string normalised = NormalisedSigns(CoefficientsWrittenOut(line));
            const OneUnknownLine read = ReadOneUnknown(normalised, normalised, 'x', {});
            ASSERT_TRUE(read.reason.empty()) << equation << ": " << line << " " << read.reason;
            EXPECT_TRUE(SameSet(read.set, first.set)) << equation << ": " << line;
        }
    }
}
