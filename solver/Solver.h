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

namespace wordproblems {
struct FormulaWork;
}

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
    // The worked text of a numeric expression; no step cap, ends when a step changes nothing.
    std::string SiZeHunHeYunSuan(std::string expression);
    // The general driver: level 1 the result, 2 to 4 the chain, 5 the worked text (at most 21 steps).
    std::string HunHeYunSuan(std::string expression, int level);
    // Step results: the new expression, "┃", the description.
    std::string KuoHaoShuZiBu(std::string expression, std::string opening, std::string closing);
    std::string ShuZiYiBu(std::string expression);
    std::string XianSuanFuHao(std::string expression);
    std::string ZuoCaoZuoShu(std::string expression, int position);
    std::string YouCaoZuoShu(std::string expression, int position);
    std::string XiangJia(std::string a, std::string b);
    std::string XiangJian(std::string a, std::string b);
    std::string XiangCheng(std::string a, std::string b);
    std::string XiangChu(std::string a, std::string b);
    int FenMuBuTong(std::string expression);

    // ---- Polynomial arithmetic (algebra/) ----
    // Step results: the new expression, "┃", the description.
    std::string ZhengShiTuoHao(std::string expression, std::string opening, std::string closing);
    std::string KuoHaoZhengShiBu(std::string expression, std::string opening, std::string closing);
    std::string ZhengShiSiZeYunSuan(std::string expression);
    std::string ZhengShiYiBu(std::string expression);
    // One round of HunHeYunSuan: the new expression (level 1) or its text.
    std::string chufa(std::string expression, int level);
    std::string HeBingTongLeiXiang(std::string polynomial);
    int ChengChuGeShu(std::string polynomial);
    std::string LeftShi(std::string text);
    std::string RightShi(std::string text);
    std::string DanXiangShiCheng(std::string a, std::string b);
    std::string DanXiangShiChu(std::string a, std::string b);
    std::string ZhengShiChengFang(std::string base, std::string exponent);

    // ---- Equations, inequalities, ratios (equations/) ----
    // Adds the letters of a text to the list (a..z, then A..Z, each at index 0 when new).
    void GetWeiZhiShu(std::string text, StringArray &letters);
    // Both sides of an equation evaluated at level 1, joined by the relation symbol.
    std::string DengShiHuaJian(std::string equation);
    // One linear equation or inequality: level 1 the result line, 2 to 4 the column, 5 explained.
    std::string YiCiDengShi(std::string equation, std::string unknown, int level);
    // A system of linear equations by substitution (lists as the page builds them, first line
    // at the highest index).
    std::string FangChengZu(const StringArray &equations, const StringArray &letters);
    // A quadratic equation examined by its discriminant.
    std::string ErCiFangCheng(std::string equation, std::string unknown);
    // A system of linear inequalities in one unknown, with its solution set.
    std::string BuDengShiZu(const StringArray &inequalities, const StringArray &letters);
    // The quotient that simplifies a ratio a:b, and the equation of a proportion a:b＝c:d.
    std::string BiHuaShang(std::string ratio);
    std::string BiLiFangCheng(std::string proportion);
    // 化简比 of three or more terms: the worked lines "＝…" ending in the simplest whole terms.
    std::string LianBiHuaJian(std::string ratio);
    // A proportion whose unknown stands in both outer or both inner terms: x^2＝… and the
    // positive root; empty for any other proportion.
    std::string BiLiPingFang(std::string proportion, std::string unknown);

    // ---- Factors, multiples, prime factorisation, fractions (numbers/) ----
    std::string fenjieyinshu(std::string number);
    std::string BeiShu(std::string line);
    std::string YinShu(std::string line);
    // The working of a factor question at levels 4 and 5: each number's factors, the common ones.
    std::string YinShuGuoCheng(std::string line, int level);
    std::string GongYinShu(std::string list);
    std::string ZuiXiaoGongBeiShu(std::string list);
    bool KeYueFen(std::string fraction);
    std::string YueFen(std::string fraction);
    std::string TongFen(std::string sum);

    // ---- Reading and writing numbers (numbers/) ----
    // Problem type 数的读法: the first number of the line read in Chinese, by detail level.
    std::string ShuDeDuFa(std::string line, int level);
    // Reading of a plain number; `steps` receives its numbered steps.
    std::string DuShu(std::string number, std::string &steps);
    std::string DuSiWeiShu(std::string group);
    // Problem type 数的写法: the last Chinese numeral of the line written in digits, by detail level.
    std::string ShuDeXieFa(std::string line, int level);
    // Digits of one numeral; at level 5 followed by an empty line and the numbered steps.
    std::string XieShu(std::string numeral, int level);
    std::string XieSiWeiShu(std::string group);
    std::string HanZiShuZi(std::string name);

    // ---- Number properties (numbers/) ----
    // The question engine of types 16 and 17 over the page's line list (first line at the highest index).
    std::string ShuDeXingZhi(const StringArray &lines, int level = 1);
    // Filters of one question clause: blank the numbers of the list that fail (row = property row).
    void XingZhiShaiXuan(int row, std::string clause, StringArray &numbers);
    void YinShuShaiXuan(std::string clause, StringArray &numbers);
    void BeiShuShaiXuan(std::string clause, StringArray &numbers);

    // ---- Approximation and scientific notation (numbers/) ----
    std::string KeXueJiShuFa(std::string number);
    std::string GetJinSiZhi(std::string line, int level);

    // ---- Sorting and statistics (numbers/) ----
    std::string PaiXu(std::string line);
    // Statistics over a number list; ZhongWeiShu sorts the list in place.
    std::string ZongShu(const StringArray &numbers);
    std::string PingJunShu(const StringArray &numbers);
    std::string ZhongWeiShu(StringArray &numbers);
    std::string FangCha(const StringArray &numbers);
    std::string BiaoZhunCha(const StringArray &numbers);
    std::string ZhongShu(const StringArray &numbers);
    // The geometric and the quadratic mean, exact when the root is rational.
    std::string JiHePingJunShu(const StringArray &numbers);
    std::string PingFangPingJunShu(const StringArray &numbers);

    // ---- Unit conversion (numbers/) ----
    std::string DanWeiZhuanHuan(std::string line, int level);

    // ---- Column arithmetic (column/) ----
    // Written addition, subtraction, multiplication and long division of two unsigned decimal
    // numbers, with every place, carry and borrow explained. Level 1 gives the result alone.
    std::string ShuShiJiaFa(std::string first, std::string second, int level);
    std::string ShuShiJianFa(std::string minuend, std::string subtrahend, int level);
    std::string ShuShiChengFa(std::string first, std::string second, int level);
    std::string ShuShiChuFa(std::string dividend, std::string divisor, int level);

    // ---- Formula word problems (wordproblems/) ----
    // The worked solution of one problem line 〖file〗problem with the formula files of `folder`:
    // the header, the known conditions, then each formula and its evaluation; always ends with
    // "\r\n\r\n". A line without a file name in 〖 〗 gives "\r\n\r\n" alone.
    std::string GongShiJieTi(std::string line, std::string folder);
    // Puts a formula on the apply list behind the formulas that its unknown inputs need; false,
    // with the lists as they were, when it cannot be evaluated.
    bool GongShiTuiDao(std::string formula, wordproblems::FormulaWork &work);
    // Gives the named quantity its value: "1" when there is such a quantity, else "0".
    std::string SheZhiBianLiang(
        const StringArray &quantities, StringArray &values, std::string name, std::string value);

    // ---- Roots of quadratics, simplest ratios, factorisation, lines without working ----
    // The roots after the discriminant lines (coefficients as ErCiFangCheng reads them); empty
    // when there are no real roots or the coefficients are not numbers.
    std::string ErCiFangChengGen(std::string a, std::string b, std::string c, std::string unknown);
    // "＝p:q", the simplest whole-number ratio of a:b; a sentence for a second term of 0; empty
    // when the terms are not numbers.
    std::string ZuiJianBi(std::string ratio);
    // Factorises an integer polynomial by a method of the 因式分解方法 group (YinShiFenJieFangFa),
    // with worked steps by detail level.
    std::string YinShiFenJie(std::string polynomial, int method, int level);
    // One plain sentence that says why a line of problem type `type` gives no working
    // (除数不能为0, 括号不配对 …).
    std::string MeiYouGuoCheng(std::string line, int type);

    // ---- Comparing two numbers, algebraic fractions, fractional equations ----
    // 两个数的大小比较: the first two numbers of the line compared exactly (化成小数 or 通分), the
    // sign filled into a "()" the pupil left; level 1 the answer, 2 to 4 the lines, 5 numbered.
    std::string DaXiaoBiJiao(std::string line, int level);
    // 分式四则运算: sums, differences, products and quotients of fractions in one or two letters
    // (factorise, 通分, combine, 约分), worked as HunHeYunSuan works, by detail level.
    std::string FenShiSiZeYunSuan(std::string expression, int level);
    // 分式方程: 去分母 with the least common denominator, the whole equation solved, then 检验
    // (a root that makes the common denominator 0 is 增根).
    std::string FenShiFangCheng(std::string equation, std::string unknown, int level);

    // ---- Fill-in arithmetic, number patterns ----
    // 算式计算与填空: one operation with one "()" (()＋25＝60, 48÷()＝6, 3×4＝()), filled by the
    // inverse operation and checked; level 1 the filled line, 4 the lines, 5 numbered.
    std::string SuanShiTianKong(std::string line, int level);
    // 根据要求找规律: a list of numbers with "()" blanks (or none: the next number is asked), the
    // rule found and checked, the blanks filled, the general term; a plain sentence when no rule
    // the pupil knows fits.
    std::string ZhaoGuiLv(std::string line, int level);

    // ---- Simplified calculation, surds, systems of quadratic equations ----
    // 简便运算: the law that makes the line simpler (凑整 by 交换律 and 结合律, 乘法分配律 both ways,
    // 拆数, 减法的性质, 除法的性质) named in its step, then the working in the usual order; a line
    // without one says so and is worked in the usual order. Levels as HunHeYunSuan.
    std::string JianBianYunSuan(std::string expression, int level);
    // 二次根式四则运算: surds made simplest, like surds combined, products, quotients and
    // 分母有理化, exactly; the result in simplest form. Levels as HunHeYunSuan.
    std::string GenShiSiZeYunSuan(std::string expression, int level);
    // 二元二次方程组: a linear and a quadratic equation by 代入消元, or one equation that factors
    // by 分解降次; the solutions paired and checked by substitution (lists as FangChengZu).
    std::string ErCiFangChengZu(const StringArray &equations, const StringArray &letters, int level);
};

} // namespace qimbel
