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
    // The array routines add pieces by inserting at index 0 and return the empty text.
    std::string GetShuZi(std::string term);
    std::string GetZiMu(std::string text);
    std::string DanXiangShiToShuZu(std::string monomial, StringArray &pieces);
    std::string DuoXiangShiToShuZu(std::string polynomial, StringArray &terms);
    std::string ZhengShiToShuZu(std::string polynomial, StringArray &terms);
    std::string HunHeShiToShuZu(std::string product, StringArray &factors);
    std::string ZiMuToShuZu(std::string polynomial, StringArray &letterParts);
    std::string ZhengShiDi(std::string term);
    std::string ZhengShiMi(std::string term);
    std::string xishudi(std::string power);
    std::string xishumi(std::string power);
    bool XiangFanShi(std::string first, std::string second);
    bool HanYunSuanFu(std::string text);
    int YunSuanJiBie(std::string text);
    std::string DiYiFuHao(std::string text);
    int ZuiHouWeiZhi(std::string text, std::string piece);
    std::string ShuLieToShuZu(std::string list, StringArray &numbers);

    // ---- Brackets (algebra/) ----
    std::string KuoHaoCheck(std::string expression, std::string opening, std::string closing);
    std::string ZhengShiYouXianYunSuanShi(std::string expression, std::string opening, std::string closing);
    std::string QuKuoHao(std::string polynomial);

    // ---- Numeric mixed operations (algebra/) ----

    // ---- Polynomial arithmetic (algebra/) ----

    // ---- Equations, inequalities, ratios (equations/) ----

    // ---- Factors, multiples, prime factorisation, fractions (numbers/) ----
    std::string fenjieyinshu(std::string number);
    std::string BeiShu(std::string line);
    std::string YinShu(std::string line);
    std::string GongYinShu(std::string list);
    std::string ZuiXiaoGongBeiShu(std::string list);
    bool KeYueFen(std::string fraction);
    std::string YueFen(std::string fraction);
    std::string TongFen(std::string sum);

    // ---- Reading and writing numbers (numbers/) ----

    // ---- Number properties (numbers/) ----

    // ---- Approximation and scientific notation (numbers/) ----

    // ---- Sorting and statistics (numbers/) ----

    // ---- Unit conversion (numbers/) ----

    // ---- Column arithmetic (column/) ----

    // ---- Formula word problems (wordproblems/) ----
};

} // namespace qimbel
