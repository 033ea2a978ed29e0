// The lines of 公式法 for a quadratic, which state no equation: the coefficients
// "a＝1，b＝－3，c＝1" of the general form of the equation before, and the discriminant
// "△＝b^2－4ac＝(－3)^2－4×1×1＝5＞0". Each is checked against the equation line before it; the
// next step is still compared with that equation.
#pragma once

#include "marking/EquationReading.h"

#include <array>
#include <optional>
#include <string>

namespace qimbel::marking {

using Coefficients = std::array<Rational, 3>; // a, b, c

struct FormulaLine {
    std::string reason; // not empty: it cannot be read
    bool right = false;
    std::string slip;
    std::string fix; // the line as it should read
    std::optional<Coefficients> stated; // the coefficients a right line gives
};

// True when the normalised line is a coefficient or discriminant line.
bool IsFormulaLine(const std::string &normalised);
// Checks it against the equation line before (`stated`: the coefficients a right line gave).
FormulaLine ReadFormulaLine(const std::string &normalised, const OneUnknownLine &previous, char u,
    const std::optional<Coefficients> &stated);

} // namespace qimbel::marking
