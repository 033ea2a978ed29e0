// What the 统计图初步 and 函数与图象 pages keep over a restart: the chart's title and table, the
// graph's functions (each shown or hidden), its grid and its view, as the bytes of a small file.
// Texts stay GBK, each preceded by its length. A file that is damaged or of another kind is not
// read; nothing of it reaches the page.
#pragma once

#include "charts/FunctionGraph.h"
#include "charts/StatisticsChart.h"

#include <optional>
#include <string>

namespace qimbel {

// A kept file larger than this is not one of ours.
inline constexpr std::size_t kLargestPageStateFile = 4 * 1024 * 1024;

struct ChartState {
    std::string title;
    ChartTable table;
};

std::string WriteChartState(const ChartState &state);
std::optional<ChartState> ReadChartState(const std::string &bytes);

std::string WriteGraphState(const FunctionGraph &graph);
// Puts the kept functions, grid and view into `graph` (at its present picture size); false, and
// `graph` as it was, when the bytes are no kept graph.
bool ReadGraphState(FunctionGraph &graph, const std::string &bytes);

} // namespace qimbel
