#include "charts/StatisticsChart.h"

#include "solver/GbkText.h"

#include <algorithm>
#include <cmath>

namespace qimbel {

namespace {

// Cell values beyond this size are read as this size: the axis arithmetic stays far from overflow.
constexpr double kLargestCell = 1e12;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int Digits(long long n)
{
    int digits = 1;
    for (n = n < 0 ? -n : n; n >= 10; n /= 10)
        ++digits;
    return digits;
}

} // namespace

ChartTable DefaultChartTable()
{
    return {{"年级", "一年级", "二年级", "三年级", "四年级", "五年级", "六年级"},
        {"男生", "61", "34", "37", "72", "95", "60"}, {"女生", "43", "54", "76", "43", "41", "80"}};
}

std::string DefaultChartTitle() { return "某小学各年级男女学生人数统计图"; }

double CellNumber(const std::string &cell)
{
    std::size_t i = 0;
    while (i < cell.size() && IsBlank(cell[i]))
        ++i;
    const std::size_t start = i;
    if (i < cell.size() && (cell[i] == '-' || cell[i] == '+'))
        ++i;
    const std::size_t digits = i;
    while (i < cell.size() && IsDigit(cell[i]))
        ++i;
    bool any = i > digits;
    if (i < cell.size() && cell[i] == '.') {
        const std::size_t point = ++i;
        while (i < cell.size() && IsDigit(cell[i]))
            ++i;
        any = any || i > point;
    }
    if (!any)
        return 0;
    const double value = std::strtod(cell.substr(start, i - start).c_str(), nullptr);
    return std::clamp(value, -kLargestCell, kLargestCell);
}

bool StatisticsChart::AddSeries(std::string name, const std::vector<long long> &values)
{
    if (static_cast<int>(series_.size()) >= kChartPlaces)
        return false;
    ChartSeries series;
    series.name = std::move(name);
    const std::size_t kept = std::min(values.size(), static_cast<std::size_t>(kChartPlaces));
    series.values.assign(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(kept));
    longestSeriesName_ = std::max(longestSeriesName_, Len(series.name));
    series_.push_back(std::move(series));
    return kept == values.size();
}

bool StatisticsChart::SetLabel(int i, std::string label)
{
    if (i < 0 || i >= kChartPlaces)
        return false;
    if (labels_.size() <= static_cast<std::size_t>(i))
        labels_.resize(static_cast<std::size_t>(i) + 1);
    longestLabel_ = std::max(longestLabel_, Len(label));
    labels_[static_cast<std::size_t>(i)] = std::move(label);
    legend_ = true;
    return true;
}

int StatisticsChart::MostValues() const
{
    std::size_t most = 0;
    for (const ChartSeries &s : series_)
        most = std::max(most, s.values.size());
    return static_cast<int>(most);
}

BuiltChart BuildChart(const ChartTable &table, const std::string &title, ChartType type)
{
    BuiltChart built {StatisticsChart(type), {}};
    StatisticsChart &chart = built.chart;

    double most = 0;
    std::size_t columns = 0;
    for (std::size_t r = 1; r < table.size(); ++r) {
        columns = std::max(columns, table[r].size());
        for (std::size_t c = 1; c < table[r].size(); ++c)
            most = std::max(most, CellNumber(table[r][c]));
    }
    const long long v = static_cast<long long>(most) / 10;
    chart.SetTickStep(v > 20 ? v : 20);
    chart.SetAxisMaximum(10 * v + 10 > 300 ? 10 * v + 10 : 300);
    chart.SetLabelAngle(type == ChartType::Line ? 50 : 0);
    chart.SetTitle(title);
    const std::vector<std::string> noRow;
    const std::vector<std::string> &headings = table.empty() ? noRow : table[0];
    chart.SetCategoryCaption(headings.empty() ? std::string() : headings[0]);
    columns = std::max(columns, headings.size());

    bool fitted = true;
    for (std::size_t c = 1; c < columns; ++c) {
        if (c >= headings.size() || headings[c].empty())
            continue;
        std::vector<long long> values;
        for (std::size_t r = 1; r < table.size(); ++r)
            if (c < table[r].size() && !table[r][c].empty())
                values.push_back(static_cast<long long>(CellNumber(table[r][c])));
        fitted = chart.AddSeries(headings[c], values) && fitted;
    }
    int label = 0;
    for (std::size_t r = 1; r < table.size(); ++r) {
        if (table[r].empty() || table[r][0].empty())
            continue;
        fitted = chart.SetLabel(label++, table[r][0]) && fitted;
    }
    if (!fitted)
        built.leftOut = "统计图最多画10组、每组10个数据、10个图例：表中多出的数据没有画出。";
    return built;
}

ChartLayout LayOutChart(const StatisticsChart &chart, int width, int height)
{
    ChartLayout layout;
    layout.width = std::max(width, 0);
    layout.height = std::max(height, 0);
    layout.type = chart.Type();
    layout.title = chart.Title();
    layout.valueCaption = chart.ValueCaption();
    layout.categoryCaption = chart.CategoryCaption();
    layout.labelAngle = chart.LabelAngle();
    const double usableHeight = layout.height - 20;
    const double usableWidth = layout.width - 5;
    const int values = chart.MostValues();
    const std::vector<ChartSeries> &series = chart.Series();
    const double seriesCount = static_cast<double>(series.size());

    ChartLegend &legend = layout.legend;
    const double longestLabel = chart.LongestLabel();
    if (chart.HasLegend()) {
        legend.shown = true;
        legend.width = 12 * longestLabel + 50;
        legend.height = 18.0 * values + 26;
        legend.x = usableWidth - (12 * longestLabel + 55);
        legend.y = (usableHeight - legend.height) / 2;
        for (int i = 0; i < values; ++i) {
            LegendEntry entry;
            entry.label = static_cast<std::size_t>(i) < chart.Labels().size()
                ? chart.Labels()[static_cast<std::size_t>(i)]
                : "";
            entry.textX = legend.x + 5;
            entry.textY = legend.y + 24 + 18.0 * i;
            entry.boxX = legend.x + 12 * longestLabel + 10;
            entry.boxY = entry.textY + 2;
            entry.boxWidth = 30;
            entry.boxHeight = 12;
            legend.entries.push_back(entry);
        }
    }
    const double right = legend.shown ? legend.x - 10 : usableWidth - 5;

    if (chart.Type() == ChartType::Pie) {
        const double left = 5;
        const double plotWidth = std::max(0.0, right - left);
        const double bottom = usableHeight - 5;
        const double plotHeight = usableHeight - 20;
        const double each = seriesCount > 0 ? plotWidth / seriesCount : 0;
        // Room is kept for the title above the pies and for the names below them.
        const double radius = std::max(0.0, std::min(0.45 * (each - 60), plotHeight / 2 - 35));
        const double cy = bottom - plotHeight / 2 + 10;
        for (std::size_t i = 0; i < series.size(); ++i) {
            ChartPie pie {series[i].name, left + each * (static_cast<double>(i) + 0.5), cy, radius};
            layout.pies.push_back(pie);
            long long total = 0;
            for (long long value : series[i].values)
                total += std::max(value, 0LL);
            double done = 0;
            for (std::size_t k = 0; k < series[i].values.size(); ++k) {
                const long long value = series[i].values[k];
                if (value <= 0 || total <= 0)
                    continue;
                const double share = 360.0 * static_cast<double>(value) / static_cast<double>(total);
                layout.slices.push_back({static_cast<int>(i), static_cast<int>(k), 90 - done, -share});
                done += share;
            }
        }
        return layout;
    }

    const long long maximum = std::max(chart.AxisMaximum(), 1LL);
    layout.axisX = 8.0 * Digits(maximum) + 50;
    layout.axisY = chart.LabelAngle() == 0 ? usableHeight - 50 : usableHeight - 12.0 * chart.LongestSeriesName() - 15;
    const double plotHeight = std::max(0.0, layout.axisY - 40);
    layout.axisTop = layout.axisY - plotHeight;
    layout.axisRight = std::max(layout.axisX, right);
    layout.scale = static_cast<double>(maximum) > plotHeight ? plotHeight / static_cast<double>(maximum) : 1;
    const long long step = std::max(chart.TickStep(), maximum / 1000 + 1);
    for (long long t = 0; t <= maximum; t += step)
        layout.valueTicks.push_back({layout.axisY - static_cast<double>(t) * layout.scale, t});

    const double slot = seriesCount > 0 ? (layout.axisRight - layout.axisX) / seriesCount : 0;
    for (std::size_t i = 0; i < series.size(); ++i)
        layout.categoryTicks.push_back({layout.axisX + slot * (static_cast<double>(i) + 0.5), series[i].name});

    if (chart.Type() == ChartType::Bar) {
        const double barWidth = values > 0 ? 0.6 * slot / values : 0;
        for (std::size_t i = 0; i < series.size(); ++i) {
            const double groupLeft = layout.axisX + slot * static_cast<double>(i) + 0.2 * slot;
            for (std::size_t k = 0; k < series[i].values.size(); ++k) {
                const double rise = static_cast<double>(series[i].values[k]) * layout.scale;
                ChartBar bar {static_cast<int>(i), static_cast<int>(k), groupLeft + barWidth * static_cast<double>(k),
                    layout.axisY - std::max(rise, 0.0), barWidth, std::abs(rise)};
                layout.bars.push_back(bar);
            }
        }
    } else {
        layout.lines.resize(static_cast<std::size_t>(values));
        for (std::size_t i = 0; i < series.size(); ++i)
            for (std::size_t k = 0; k < series[i].values.size(); ++k)
                layout.lines[k].push_back({static_cast<int>(i), static_cast<int>(k), layout.categoryTicks[i].x,
                    layout.axisY - static_cast<double>(series[i].values[k]) * layout.scale});
    }
    return layout;
}

DisplayList DrawChart(const ChartLayout &layout)
{
    DisplayList picture;
    picture.width = layout.width;
    picture.height = layout.height;
    const Pen black;
    const auto text
        = [&](double x, double y, std::string words, int size, bool bold, Text::Anchor anchor, double angle = 0) {
              Text t;
              t.x = x;
              t.y = y;
              t.text = std::move(words);
              t.pixelSize = size;
              t.bold = bold;
              t.anchor = anchor;
              t.angle = angle;
              picture.Add(t);
          };

    const ChartLegend &legend = layout.legend;
    if (legend.shown) {
        picture.Add(Rect {legend.x, legend.y, legend.width, legend.height, kWhite, true, black, true});
        text(legend.x + legend.width / 2, legend.y + 3, "图例", 14, false, Text::Anchor::TopCentre);
        for (std::size_t i = 0; i < legend.entries.size(); ++i) {
            const LegendEntry &e = legend.entries[i];
            text(e.textX, e.textY, e.label, 14, false, Text::Anchor::TopLeft);
            picture.Add(
                Rect {e.boxX, e.boxY, e.boxWidth, e.boxHeight, kChartColours[i % kChartPlaces], true, black, true});
        }
    }
    text(layout.width / 2.0, 10, layout.title, 28, true, Text::Anchor::TopCentre);

    if (layout.type == ChartType::Pie) {
        for (const ChartSlice &s : layout.slices) {
            const ChartPie &pie = layout.pies[static_cast<std::size_t>(s.series)];
            picture.Add(PieSlice {pie.cx - pie.radius, pie.cy - pie.radius, 2 * pie.radius, s.start, s.span,
                kChartColours[static_cast<std::size_t>(s.index) % kChartPlaces], black});
        }
        for (const ChartPie &pie : layout.pies)
            text(pie.cx, pie.cy + pie.radius + 8, pie.name, 16, true, Text::Anchor::TopCentre);
        return picture;
    }

    picture.Add(Line {layout.axisX, layout.axisTop, layout.axisX, layout.axisY, black});
    picture.Add(Line {layout.axisX, layout.axisY, layout.axisRight, layout.axisY, black});
    if (!layout.valueCaption.empty())
        text(10, (layout.axisTop + layout.axisY) / 2, layout.valueCaption, 16, true, Text::Anchor::TopCentre, 90);
    text(layout.axisX - 6, layout.axisY + 6, layout.categoryCaption, 14, false, Text::Anchor::TopRight);
    for (const ValueTick &t : layout.valueTicks) {
        picture.Add(Line {layout.axisX - 5, t.y, layout.axisX, t.y, black});
        text(layout.axisX - 8, t.y - 7, IntText(t.value), 12, false, Text::Anchor::TopRight);
    }
    for (const CategoryTick &t : layout.categoryTicks) {
        picture.Add(Line {t.x, layout.axisY, t.x, layout.axisY + 5, black});
        if (layout.labelAngle != 0)
            text(t.x, layout.axisY + 6, t.name, 16, true, Text::Anchor::TopRight, layout.labelAngle);
        else
            text(t.x, layout.axisY + 7, t.name, 14, false, Text::Anchor::TopCentre);
    }
    for (const ChartBar &b : layout.bars)
        picture.Add(Rect {b.x, b.y, b.width, b.height, kChartColours[static_cast<std::size_t>(b.index) % kChartPlaces],
            true, black, true});
    for (std::size_t k = 0; k < layout.lines.size(); ++k) {
        const Colour colour = kChartColours[k % kChartPlaces];
        const std::vector<ChartPoint> &points = layout.lines[k];
        for (std::size_t j = 1; j < points.size(); ++j)
            picture.Add(Line {points[j - 1].x, points[j - 1].y, points[j].x, points[j].y, Pen {colour, 2, false}});
        for (const ChartPoint &p : points)
            picture.Add(Circle {p.x, p.y, 3, colour, true, Pen {colour, 1, false}});
    }
    return picture;
}

DisplayList DrawTableChart(const ChartTable &table, const std::string &title, ChartType type, int width, int height)
{
    return DrawChart(LayOutChart(BuildChart(table, title, type).chart, width, height));
}

} // namespace qimbel
