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
    std::vector<double> values; // at most kChartPlaces
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
    bool AddSeries(std::string name, const std::vector<double> &values);
    const std::vector<ChartSeries> &Series() const { return series_; }
    // Sets label i (0 to 9) and the legend flag; false for any other i.
    bool SetLabel(int i, std::string label);
    const std::vector<std::string> &Labels() const { return labels_; }
    bool HasLegend() const { return legend_; }
    int LongestLabel() const { return longestLabel_; }
    int LongestSeriesName() const { return longestSeriesName_; }

    void SetTickStep(double step) { tickStep_ = step; }
    double TickStep() const { return tickStep_; }
    void SetAxisMaximum(double maximum) { axisMaximum_ = maximum; }
    double AxisMaximum() const { return axisMaximum_; }
    // Below zero when the table holds negative values: the value axis reaches down to it.
    void SetAxisMinimum(double minimum) { axisMinimum_ = minimum; }
    double AxisMinimum() const { return axisMinimum_; }
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
    double tickStep_ = 0; // unset
    double axisMaximum_ = 100;
    double axisMinimum_ = 0;
    int labelAngle_ = 0;
};

// The value axis for values from `least` to `most`: the smallest step of 1, 2 or 5 times a power
// of ten that gives 5 to 10 ticks, the axis reaching one step beyond the largest value (and below
// the smallest, when it is negative). 12, 30, 45 give 0…50 by 5; no values give 0…10 by 2.
struct ValueAxis {
    double step = 2;
    double minimum = 0;
    double maximum = 10;
};
ValueAxis ChooseValueAxis(double least, double most);

// The chart of a chart button: built from the table and the title box by the page's rules, and
// the line that says what did not fit (empty when everything fitted). A pie chart of a table with
// one row of data is one pie whose slices are the columns.
struct BuiltChart {
    StatisticsChart chart;
    std::string leftOut;
};
BuiltChart BuildChart(const ChartTable &table, const std::string &title, ChartType type);

// ---- Layout, in pixels of the picture area ----

struct ValueTick {
    double y = 0;
    double value = 0;
    std::string text; // empty where ticks stand too close for every number
};
struct CategoryTick {
    double x = 0;
    std::string name;
    bool labelled = true; // false where names stand too close for every one
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
    std::string percent; // "26.7%"
    double labelX = 0, labelY = 0; // the middle of the percentage: in the slice, or beside a narrow one
    bool inside = false; // the percentage stands in the slice
};

// The colour of a text on a ground of `ground`: white on a dark colour, black on a light one.
Colour TextColourOn(const Colour &ground);
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
    // Bar and line charts: the axes meet at (axisX, axisY), where the value is 0; the value axis
    // runs from axisBottom up to axisTop, the category axis to axisRight; a value v stands
    // v × scale above the category axis. The category names stand under axisBottom.
    double axisX = 0, axisY = 0, axisTop = 0, axisRight = 0, scale = 1;
    double axisBottom = 0;
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
// The width a GBK text is drawn at most in a chart, in pixels: a byte at most 0.6 of the font's
// height (a Chinese character half of that a byte, a digit or "%" a little more).
double ChartTextWidth(const std::string &text, int pixelSize);
DisplayList DrawChart(const ChartLayout &layout);

// What a chart button draws for a table and a title in a picture of width × height.
DisplayList DrawTableChart(const ChartTable &table, const std::string &title, ChartType type, int width, int height);

} // namespace qimbel
