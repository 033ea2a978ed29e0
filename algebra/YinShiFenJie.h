// The factorisation methods of the 因式分解方法 group. Each method works on the product built so
// far: it takes the first factor it can split, writes the steps it took (the whole expression
// after each, with a sentence that names the method and the formula used), and tells whether it
// split anything. YinShiFenJie (the solver routine) runs the chosen method to its end.
#pragma once

#include "algebra/FactorPolynomial.h"

#include <string>
#include <vector>

namespace qimbel {

// The methods in the order of the page's group; a number outside 1 to 8 counts as 综合处理.
enum YinShiFenJieFangFa {
    kTiGongYinFa = 1, // 提公因法
    kYingYongGongShiFa, // 应用公式法
    kFenZuFenJieFa, // 分组分解法
    kShiZiXiangChengFa, // 十字相乘法
    kPeiFangFa, // 配方法
    kQiuGenFa, // 求根法
    kDaiDingXiShuFa, // 待定系数法
    kZongHeChuLi, // 综合处理
};

struct FenJieBu {
    std::string expression;
    std::string description;
};
using FenJieBuZhou = std::vector<FenJieBu>;

bool TiGongYinShi(Factored &f, FenJieBuZhou &steps);
bool GongShiFenJie(Factored &f, FenJieBuZhou &steps);
bool FenZuFenJie(Factored &f, FenJieBuZhou &steps);
bool ShiZiXiangCheng(Factored &f, FenJieBuZhou &steps);
bool PeiFangFenJie(Factored &f, FenJieBuZhou &steps);
// `lowestDegree` 2 splits every factor in one letter; 综合处理 gives 3, leaving quadratics to the
// methods before it.
bool QiuGenFenJie(Factored &f, FenJieBuZhou &steps, int lowestDegree);
bool DaiDingXiShu(Factored &f, FenJieBuZhou &steps);
// 待定系数法 for a factor mx^2＋nx＋k of a polynomial of degree four or more without a factor of
// degree one (in one letter, or homogeneous in two).
bool ErCiYinShiFenJie(Factored &f, FenJieBuZhou &steps);
// 分组分解法 by the powers of one letter, when the groups share a factor in the other letters.
bool AnZiMuFenZu(Factored &f, FenJieBuZhou &steps);
// 十字相乘法 on a quadratic in one letter whose coefficients hold the other letters.
bool ZhuYuanShiZiXiangCheng(Factored &f, FenJieBuZhou &steps);
// 求根法 in one letter with the other letters in the root: a factor a·x＋r.
bool ZhuYuanQiuGen(Factored &f, FenJieBuZhou &steps);
// Common factor, formulas, cross multiplication, grouping, trial roots, factors of degree two
// by undetermined coefficients, and then the same with one letter taken as the unknown, round
// after round until no factor splits: the product of factors that no longer split over the
// integers.
// `tried`: a method that has just found nothing on these factors and is not searched again in the
// first round.
bool ZongHeFenJie(Factored &f, FenJieBuZhou &steps, int tried = 0);

// The sentence for a polynomial the method cannot split.
const char *BuNengFenJie(int method);

// The polynomial factorised completely: the common factor taken out first, then the chosen method
// run to its end, then every factor that still splits split by the methods that apply (综合处理).
// When the chosen method finds nothing to do, its sentence stands as a step with an empty
// expression where it was tried. False when nothing split.
bool FenJie(Factored &f, int method, FenJieBuZhou &steps);

} // namespace qimbel
