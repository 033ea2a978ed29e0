// What a wrong step of an equation in one unknown shows: the kind of slip in a teacher's words
// where one fits (移项没有变号, 去括号时没有变号, 漏乘, 符号错误, 不等式两边同除以负数没有改变方向),
// the step as it should read, and the texts Qimbel writes in a step's place (the answer, the
// general form, the 检验 conclusion). Also the reading of a 检验 line of a fractional equation.
#pragma once

#include "marking/EquationReading.h"

#include <optional>
#include <string>
#include <vector>

namespace qimbel::marking {

struct Slip {
    std::string name; // empty when no slip fits
    std::string fix; // the step as it should read (empty when not known); always right
};

// The slip that turns `previous` into `wrong`, both lines in one unknown u.
Slip FindSlip(const OneUnknownLine &previous, const OneUnknownLine &wrong, char u, const std::vector<SurdNumber> &domain);

// The line before with one bracket taken off as a pupil may take it off wrongly (a sign kept,
// the factor not multiplied into every term), the slip it is, and the bracket taken off rightly.
struct WrongRemoval {
    std::string text;
    const char *slip;
    std::string fix;
};
std::vector<WrongRemoval> WrongRemovals(const std::string &left, const std::string &symbol, const std::string &right);

// The line with every bracket k(a＋b…) of its sides taken off rightly; nothing when it has none.
std::optional<std::string> BracketsRemoved(const OneUnknownLine &line);

// The answer line of a solution set: x＝3, x1＝2，x2＝3, x＞－1, 原方程无解 …
std::string AnswerText(const SolutionSet &set, char u, int type);
// A quadratic (or any equation of degree 2) as a·x^2＋b·x＋c＝0 with a above 0.
std::optional<std::string> GeneralForm(const std::string &left, const std::string &right, char u);

// A 检验 line: what it says of the numbers it names (是原方程的解, 增根, ≠0, ＝0, 无解) checked
// against the problem.
struct CheckReading {
    bool right = true;
    bool claims = false; // it says what the check shows
    std::string slip;
};
CheckReading ReadCheck(const std::string &normalised, char u, const SolutionSet &problem, const std::vector<SurdNumber> &domain);
// "经检验，x＝1是原方程的增根，原方程无解。" without its full stop, for the roots of the last line.
std::string CheckConclusion(char u, const SolutionSet &roots, const std::vector<SurdNumber> &domain);

} // namespace qimbel::marking
