// What a page says about a line before its routine works on it: a line of working that divides by
// 0, and an equation or inequality of a kind the chosen type does not solve.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qimbel {

// The last line under a working that reached a division by 0.
inline constexpr const char *kDivisorIsZero = "除数不能为0，无法计算。";

// True when the text divides by 0 somewhere: "÷" or "/" followed by a 0 that no digit or point
// continues (÷0, ÷0×3, ÷(0) …, but not ÷0.5 or ÷05).
bool DividesByZero(std::string_view text);
// True when a typed line divides at all: only then can its working reach a division by 0.
bool MayDivide(std::string_view line);

// The kinds of equation and inequality lines the page's types solve, read from the line's value
// (x^2－x^2＋x＝1 is linear): the letters typed, the degree after the like terms are combined,
// whether a letter stands in a denominator, and the relation sign.
enum class LineKind {
    Unread, // no single relation, or a side that cannot be read: left to the type's own routine
    LinearOne, // 一元一次方程
    QuadraticOne, // 一元二次方程
    FractionalOne, // 分式方程
    LinearTwo, // 二元一次方程
    QuadraticTwo, // 二元二次方程
    LinearInequality, // 一元一次不等式
    Other, // none of these: three letters, a cube, a quadratic inequality …
};
LineKind KindOfLine(const std::string &line);

// For a type that solves one kind of line (9 解方程, 25, 27, 29, 30 one line at a time; 26, 28, 31
// each line of the system), the sentence that names the type that fits a line of another kind
// (这是一元二次方程，请选“一元二次方程”。); empty when the line fits or its kind cannot be told.
std::string WrongKindSentence(const std::string &line, int type);
// The same for the equations of a system, the sentence of the first line that does not fit.
std::string WrongKindSentence(const std::vector<std::string> &lines, int type);

} // namespace qimbel
