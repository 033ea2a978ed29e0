// 函数的性质: what kind of function was drawn and its properties, worked exactly as a teacher
// writes them on the blackboard (令 y＝0，得 …), from the function's exact form: slope and
// intercept, the points on both axes, the vertex, axis of symmetry, greatest or least value and
// the intervals of increase of a parabola, the quadrants of a hyperbola, and where two drawn
// functions meet. Texts are GBK, one statement per line, lines joined with CR LF.
#pragma once

#include "charts/FunctionForm.h"
#include "charts/FunctionFormula.h"

#include <string>
#include <vector>

namespace qimbel {

enum class FunctionKind { Proportional, Linear, Reciprocal, Quadratic, Constant, Other };

struct FunctionAnalysis {
    FunctionKind kind = FunctionKind::Other;
    std::optional<RationalForm> form;
    std::string shown; // the function as Qimbel writes it: "y＝x^2－2x－3"
};

FunctionAnalysis AnalyseFunction(const FunctionFormula &formula);
// 正比例函数, 一次函数, 反比例函数, 二次函数, 常数函数, 其他函数.
std::string FunctionKindName(FunctionKind kind);

// The properties of one function, starting with the line of the function itself.
std::string PropertiesText(const FunctionFormula &formula);
// Where two functions meet.
std::string IntersectionText(const FunctionFormula &f, const FunctionFormula &g);
// The properties of each function, then the meeting points of every pair, a blank line between.
std::string GraphPropertiesText(const std::vector<FunctionFormula> &functions);

// The zeros of a function from −10 to 10: exact where a simple fraction is a zero, else to three
// places. Used where no exact form decides them. A polynomial's rational zeros are exact with
// their multiplicity, whatever their denominator, and each zero is listed once.
struct FoundZero {
    bool exact = false;
    Rational value;
    double approximate = 0;
    int multiplicity = 1; // of an exact zero of a polynomial
};
std::vector<FoundZero> ZerosBetweenTens(const FunctionFormula &formula);

} // namespace qimbel
