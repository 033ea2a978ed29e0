// The frequency distribution of the 频率分布直方图 dialog: raw data (numbers separated by blanks,
// commas or line breaks) sorted into classes of equal width, counted exactly, and drawn as a
// histogram whose bars touch.
#pragma once

#include "charts/DisplayList.h"
#include "charts/StatisticsChart.h"

#include <string>
#include <vector>

namespace qimbel {

// A distribution has at most this many classes.
inline constexpr int kMostClasses = 20;

struct FrequencyClass {
    std::string name; // "140~145": the lower bound belongs to the class, the upper does not
    long long count = 0; // 频数
    std::string frequency; // 频率: count ÷ total, exact to four places or rounded to four
};

struct FrequencyTable {
    std::vector<FrequencyClass> classes;
    std::vector<std::string> bounds; // the class bounds, one more than the classes
    long long total = 0;
    std::string width; // the class width used
    std::string error; // why there is no table, for the pupil; empty when there is one
};

// A class width that gives about six classes for the data (1, 2 or 5 times a power of ten); empty
// when the data cannot be read.
std::string DefaultClassWidth(const std::string &data);

// The distribution of the data (GBK) with the class width (empty for the default width).
FrequencyTable FrequencyDistribution(const std::string &data, const std::string &classWidth);

// The table as the page's grid shows it: 分组, 频数, 频率 in row 0, one class per row.
ChartTable FrequencyGrid(const FrequencyTable &table);

// The histogram of a distribution in a picture of width × height.
DisplayList DrawHistogram(const FrequencyTable &table, const std::string &title, int width, int height);

} // namespace qimbel
