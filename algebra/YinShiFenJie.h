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
// Common factor, formulas, cross multiplication, grouping and, for factors of degree three and
// more in one letter, trial roots, round after round until no factor splits.
bool ZongHeFenJie(Factored &f, FenJieBuZhou &steps);

// The sentence for a polynomial the method cannot split.
const char *BuNengFenJie(int method);

// The method run to its end on the polynomial; false when it split nothing.
bool FenJie(Factored &f, int method, FenJieBuZhou &steps);

} // namespace qimbel
