// The equalities a worked text writes (17＋16＝33, 1＝1^2, ()＝3×5＋2＝17), for the property tests
// that check every line of a working with exact arithmetic.
#pragma once

#include "marking/ExactExpression.h"
#include "solver/ExpressionText.h"
#include "solver/GbkText.h"

#include <cctype>
#include <optional>
#include <string>
#include <vector>

namespace qimbel::workingtest {

inline bool IsFormulaPart(const std::string &text, int i, int &size)
{
    const char c = text[static_cast<std::size_t>(i)];
    size = CharSize(text, i);
    if (size == 1)
        return (c >= '0' && c <= '9') || c == '.' || c == '/' || c == '^' || c == '(' || c == ')' || c == '%';
    const std::string sign = Mid(text, i, size);
    return sign == "＋" || sign == "－" || sign == "×" || sign == "÷" || sign == "＝";
}

// The runs of formula characters that hold a "＝", cut at it: 17＋16＝33 gives {17＋16, 33}. A blank
// "()" that starts a run is no number and goes; a run that a remainder follows (17÷5＝3……2) is no
// equality of numbers and is passed over, and so is a run that a letter touches.
inline std::vector<std::vector<std::string>> Equalities(const std::string &line)
{
    std::vector<std::vector<std::string>> found;
    for (int i = 0; i < Len(line);) {
        int size = 0;
        if (!IsFormulaPart(line, i, size)) {
            i += size;
            continue;
        }
        int end = i;
        while (end < Len(line) && IsFormulaPart(line, end, size))
            end += size;
        const std::string run = Mid(line, i, end - i);
        i = end;
        // A run that a letter touches is part of a formula in letters (x1＝2, 2x^2＝8): no number.
        const auto letter = [&line](int at) {
            return at >= 0 && at < Len(line)
                && std::isalpha(static_cast<unsigned char>(line[static_cast<std::size_t>(at)]));
        };
        if (!Contains(run, "＝") || Mid(line, end, 2) == "…" || letter(i - Len(run) - 1) || letter(end))
            continue;
        std::vector<std::string> pieces;
        for (int from = 0;;) {
            const int at = Find(run, "＝", from);
            pieces.push_back(Mid(run, from, (at < 0 ? Len(run) : at) - from));
            if (at < 0)
                break;
            from = at + 2;
        }
        while (!pieces.empty() && pieces.front().find_first_of("0123456789") == std::string::npos)
            pieces.erase(pieces.begin());
        bool numbers = pieces.size() >= 2;
        for (const std::string &piece : pieces)
            numbers = numbers && piece.find_first_of("0123456789") != std::string::npos;
        if (numbers)
            found.push_back(pieces);
    }
    return found;
}

inline std::optional<fractions::Fraction> ValueOf(const std::string &text)
{
    const ReadExpression read = ReadPupilExpression(text, true);
    return read.tree ? ExactValueOf(*read.tree) : std::nullopt;
}

// The lines of a worked text (CR LF), without the blanks that align them; empty lines left out.
inline std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    for (int from = 0; from < Len(text);) {
        int at = Find(text, "\r\n", from);
        if (at < 0)
            at = Len(text);
        if (const std::string line = Trim(Mid(text, from, at - from)); !line.empty())
            lines.push_back(line);
        from = at + 2;
    }
    return lines;
}

// The first equality of the line that does not hold exactly, or cannot be read, as "a ≠ b";
// empty when every one holds.
inline std::string BrokenEquality(const std::string &line)
{
    for (const std::vector<std::string> &pieces : Equalities(line)) {
        const std::optional<fractions::Fraction> first = ValueOf(pieces[0]);
        for (std::size_t k = 1; k < pieces.size(); ++k) {
            const std::optional<fractions::Fraction> other = ValueOf(pieces[k]);
            if (!first || !other || SameValue(*first, *other) != std::optional<bool>(true))
                return pieces[0] + " ≠ " + pieces[k];
        }
    }
    return {};
}

} // namespace qimbel::workingtest
