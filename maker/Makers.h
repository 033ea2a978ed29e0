// The makers of each family: one made line with its answer at a level, or nothing when the draw
// did not give a problem worth showing (the caller draws again).
#pragma once

#include "maker/MakerText.h"

#include <optional>

namespace qimbel::maker {

// 解方程, 一元一次方程, 二元一次方程组, 一元二次方程, 分式方程, 一元一次不等式.
std::optional<Candidate> MakeEquation(int type, MakerLevel level, SeededRandom &random);
// 竖式计算, 四则混合运算, 简便运算, 有理数四则运算, 整式四则运算, 因式分解.
std::optional<Candidate> MakeExpression(int type, MakerLevel level, SeededRandom &random);

// 倍数, 因数, 化简比, 分解质因数, 解(未知数)比, 一元一次不等式组.
std::optional<Candidate> MakeNumbers(int type, MakerLevel level, SeededRandom &random);

// 两个数的大小比较, 科学记数法, 一列数的大小排序, 分式四则运算.
std::optional<Candidate> MakeMore(int type, MakerLevel level, SeededRandom &random);

// 数的读法, 数的写法, 单位转换, 近似数, 数的基本性质, 数据统计初步.
std::optional<Candidate> MakeKnowledge(int type, MakerLevel level, SeededRandom &random);

// 小学应用题 (type 0, the word problems of the formula files).
std::optional<Candidate> MakeWordProblem(MakerLevel level, SeededRandom &random);

} // namespace qimbel::maker
