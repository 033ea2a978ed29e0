// The working a teacher writes for a statistic of 数据统计初步 at detail levels 4 and 5: the sum
// and the count for a mean, the ordered list for a median, the sum for a total.
#pragma once

#include "solver/Solver.h"

#include <string>

namespace qimbel::numbers {

enum class Statistic { Mean, Median, Total };

// The working lines (each ending in "\r\n", numbered "第n步：" at level 5) that lead to `answer`
// over the numbers left in the list; empty below level 4 or for an empty list.
std::string StatisticWorking(Solver &solver, Statistic statistic, const StringArray &numbers, int level);

} // namespace qimbel::numbers
