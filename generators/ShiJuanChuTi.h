// The problem makers of the test paper, one per kind. Numbers are held as whole hundredths
// (kDanWei units make 1), so decimals with up to two places are exact.
#pragma once

#include "solver/SeededRandom.h"
#include "generators/ShiJuan.h"

#include <string>

namespace qimbel::shijuan {

inline constexpr long long kDanWei = 100;

// A value in hundredths as the pupil writes it: "12", "0.5", "3.05".
std::string ShuZiWenBen(long long hundredths);

// The problem text, its exact answer and its operands; the worked solution is added later.
ShiJuanTi KouSuanTi(SeededRandom &random, int grade, bool decimals);
ShiJuanTi ShuShiTi(SeededRandom &random, int grade, bool decimals);
ShiJuanTi HunHeTi(SeededRandom &random, int grade, bool decimals);
ShiJuanTi FangChengTi(SeededRandom &random, int grade, bool decimals);

// The worked solution of a problem from the solver, called as the calculation pages call it.
std::string JieTiGuoCheng(const ShiJuanTi &problem);

} // namespace qimbel::shijuan
