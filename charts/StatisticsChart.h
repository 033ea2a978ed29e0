// The statistics charts of the 统计图初步 page: the chart object (type, title, captions, up to ten
// series of up to ten values, up to ten labels, tick step, axis maximum, label angle), the rules
// that build it from the page's table, and its layout for a picture of a given size, as plain
// numbers and as a display list.
#pragma once

#include "charts/DisplayList.h"

#include <array>
#include <string>
#include <vector>

namespace qimbel {

enum class ChartType { Bar = 0, Line = 1, Pie = 2 };

// A series, a chart's labels and the chart's series list each hold at most this many places.
inline constexpr int kChartPlaces = 10;

// The colour of each value index.
inline constexpr std::array<Colour, kChartPlaces> kChartColours
    = {Colour {0, 255, 0}, Colour {0, 0, 255}, Colour {255, 0, 0}, Colour {255, 255, 0}, Colour {255, 153, 51},
        Colour {255, 51, 153}, Colour {153, 0, 204}, Colour {0, 255, 255}, Colour {0, 0, 0}, Colour {255, 255, 255}};

struct ChartSeries {
    std::string name;
    std::vector<long long> values; // at most kChartPlaces
};

// The page's table as GBK texts, row by row; row 0 holds the column headings, column 0 the row
// headings. Rows may differ in length.
using ChartTable = std::vector<std::vector<std::string>>;

// The table and the title the page starts with.
ChartTable DefaultChartTable();
std::string DefaultChartTitle();

// A cell read as a number: a leading decimal such as "61", "-3.5" or "72人"; anything else is 0.
double CellNumber(const std::string &cell);

class StatisticsChart {
public:
    explicit StatisticsChart(ChartType type = ChartType::Bar)
        : type_(type)
    {
    }

    ChartType Type() const { return type_; }
    void SetTitle(std::string title) { title_ = std::move(title); }
    const std::string &Title() const { return title_; }
    void SetValueCaption(std::string caption) { valueCaption_ = std::move(caption); }
    const std::string &ValueCaption() const { return valueCaption_; }
    void SetCategoryCaption(std::string caption) { categoryCaption_ = std::move(caption); }
    const std::string &CategoryCaption() const { return categoryCaption_; }

    // Adds a series with its first ten values; false when something was left out (values beyond
    // the tenth, or the whole series when the chart already has ten).
    bool AddSeries(std::string name, const std::vector<long long> &values);
    const std::vector<ChartSeries> &Series() const { return series_; }
    // Sets label i (0 to 9) and the legend flag; false for any other i.
    bool SetLabel(int i, std::string label);
    const std::vector<std::string> &Labels() const { return labels_; }
    bool HasLegend() const { return legend_; }
    int LongestLabel() const { return longestLabel_; }
    int LongestSeriesName() const { return longestSeriesName_; }

    void SetTickStep(long long step) { tickStep_ = step; }
    long long TickStep() const { return tickStep_; }
    void SetAxisMaximum(long long maximum) { axisMaximum_ = maximum; }
    long long AxisMaximum() const { return axisMaximum_; }
    void SetLabelAngle(int degrees) { labelAngle_ = degrees; }
    int LabelAngle() const { return labelAngle_; }
    // The largest number of values of a series.
    int MostValues() const;

private:
    ChartType type_;
    std::string title_;
    std::string valueCaption_;
    std::string categoryCaption_;
    std::vector<ChartSeries> series_;
    std::vector<std::string> labels_;
    bool legend_ = false;
    int longestLabel_ = 0;
    int longestSeriesName_ = 0;
    long long tickStep_ = 0; // unset
    long long axisMaximum_ = 100;
    int labelAngle_ = 0;
};

// The chart of a chart button: built from the table and the title box by the page's rules, and
// the line that says what did not fit (empty when everything fitted).
struct BuiltChart {
    StatisticsChart chart;
    std::string leftOut;
};
BuiltChart BuildChart(const ChartTable &table, const std::string &title, ChartType type);

// ---- Layout, in pixels of the picture area ----

struct ValueTick {
    double y = 0;
    long long value = 0;
};
struct CategoryTick {
    double x = 0;
    std::string name;
};
struct ChartBar {
    int series = 0, index = 0;
    double x = 0, y = 0, width = 0, height = 0;
};
struct ChartPoint {
    int series = 0, index = 0;
    double x = 0, y = 0;
};
struct ChartPie {
    std::string name;
    double cx = 0, cy = 0, radius = 0;
};
struct ChartSlice {
    int series = 0, index = 0;
    double start = 0, span = 0; // degrees; the slices go clockwise from twelve o'clock
};
struct LegendEntry {
    std::string label;
    double textX = 0, textY = 0;
    double boxX = 0, boxY = 0, boxWidth = 0, boxHeight = 0;
};
struct ChartLegend {
    bool shown = false;
    double x = 0, y = 0, width = 0, height = 0;
    std::vector<LegendEntry> entries; // one per value index
};

struct ChartLayout {
    int width = 0, height = 0;
    ChartType type = ChartType::Bar;
    std::string title;
    // Bar and line charts: the axes meet at (axisX, axisY); the value axis rises to axisTop, the
    // category axis runs to axisRight; a value v stands v × scale above the category axis.
    double axisX = 0, axisY = 0, axisTop = 0, axisRight = 0, scale = 1;
    std::string valueCaption, categoryCaption;
    int labelAngle = 0;
    std::vector<ValueTick> valueTicks;
    std::vector<CategoryTick> categoryTicks;
    std::vector<ChartBar> bars;
    std::vector<std::vector<ChartPoint>> lines; // by value index
    std::vector<ChartPie> pies;
    std::vector<ChartSlice> slices;
    ChartLegend legend;
};

ChartLayout LayOutChart(const StatisticsChart &chart, int width, int height);
DisplayList DrawChart(const ChartLayout &layout);

// What a chart button draws for a table and a title in a picture of width × height.
DisplayList DrawTableChart(const ChartTable &table, const std::string &title, ChartType type, int width, int height);

} // namespace qimbel
