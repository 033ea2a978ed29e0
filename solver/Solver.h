// The solver object: every routine that turns a problem text into a worked-solution text.
//
// One class with no data members. Each routine is a pure function of its arguments: texts are
// GBK byte strings taken by value, results are new texts (arrays are filled through a reference).
// Routines never throw and never show anything; malformed or unsolvable input shows up inside the
// returned text. Each routine lives in a file of its own named after it, in the folder of its
// family (solver/, algebra/, equations/, numbers/, column/, wordproblems/).
#pragma once

#include "solver/GbkText.h"
#include "solver/StringArray.h"

#include <string>

namespace qimbel {

class Solver {
public:
    // ---- Installation folder and help texts (solver/) ----
    // Folder of the running executable, without a trailing separator.
    std::string GetLuJing();
    // Introduction, summary and worked example of problem type n; empty when the file is missing.
    std::string GetJianJie(int n);
    std::string GetZhaiYao(int n);
    std::string GetShiLi(int n);

    // ---- Text utilities (solver/) ----
    // Replaces every `find` by `by` in place, trimming blanks around each occurrence and at both ends.
    void TiHuan(std::string &text, const std::string &find, const std::string &by);
    std::string GetTiHuan(std::string text, const std::string &find, const std::string &by);
    std::string QuLing(std::string number);
    std::string GetShuMoShi(const std::string &text);
    std::string GetKuoHaoMoShi(const std::string &text);
    std::string ChongFu(int n, const std::string &text);
    std::string GetBiaoDian(const std::string &text);
    void FenJu(std::string text, StringArray &clauses);
    // Number text of a computed real: "%lf", then QuLing (2.5, 3, 0.333333, -0.5).
    std::string ShuZhiWenBen(double value);

    // ---- Expression arrays (solver/) ----

    // ---- Brackets (algebra/) ----

    // ---- Numeric mixed operations (algebra/) ----

    // ---- Polynomial arithmetic (algebra/) ----

    // ---- Equations, inequalities, ratios (equations/) ----

    // ---- Number topics (numbers/) ----

    // ---- Column arithmetic (column/) ----

    // ---- Formula word problems (wordproblems/) ----
};

} // namespace qimbel
