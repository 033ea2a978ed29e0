// The chart models on arbitrary tables. The first byte chooses the chart (bar, line, pie, or the
// frequency histogram), the next four give the picture's width and height (0 to 2047 each, as a
// window may be), and the rest is GBK text: for a chart its first line is the title and each
// further line a row of the table with cells separated by tabs; for the histogram the first line
// is the class width and the rest the data.
#include "FuzzInput.h"

#include "charts/FrequencyTable.h"
#include "charts/StatisticsChart.h"

#include <vector>

namespace {

std::vector<std::string> Split(const std::string &text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 5 || size > 8192)
        return 0;
    const int kind = data[0] % 4;
    const int width = (data[1] | data[2] << 8) % 2048;
    const int height = (data[3] | data[4] << 8) % 2048;
    const std::string text(reinterpret_cast<const char *>(data) + 5, size - 5);
    const std::size_t lineEnd = text.find('\n');
    const std::string first = text.substr(0, lineEnd);
    const std::string rest = lineEnd == std::string::npos ? std::string() : text.substr(lineEnd + 1);

    if (kind == 3) {
        const qimbel::FrequencyTable table = qimbel::FrequencyDistribution(rest, first);
        if (table.error.empty()) {
            if (table.classes.empty() || static_cast<int>(table.classes.size()) > qimbel::kMostClasses
                || table.bounds.size() != table.classes.size() + 1)
                qimbel::fuzz::Fail("a distribution whose classes and bounds disagree");
            long long counted = 0;
            for (const qimbel::FrequencyClass &c : table.classes)
                counted += c.count;
            if (counted != table.total)
                qimbel::fuzz::Fail("class counts that do not add up to the total");
        }
        (void)qimbel::FrequencyGrid(table);
        (void)qimbel::DrawHistogram(table, "", width, height);
        return 0;
    }
    qimbel::ChartTable table;
    for (const std::string &row : Split(rest, '\n'))
        table.push_back(Split(row, '\t'));
    (void)qimbel::DrawTableChart(table, first, static_cast<qimbel::ChartType>(kind), width, height);
    return 0;
}
