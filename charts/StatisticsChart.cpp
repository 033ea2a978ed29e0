#include "charts/StatisticsChart.h"

#include "solver/GbkText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace qimbel {

namespace {

// Cell values beyond this size are read as this size: the axis arithmetic stays far from overflow.
constexpr double kLargestCell = 1e12;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The places after the point that the multiples of a step need: 0 for 5, 1 for 0.5, 2 for 0.25.
int PlacesOf(double step)
{
    for (int places = 0; places < 9; ++places) {
        const double scaled = step * std::pow(10.0, places);
        if (std::fabs(scaled - std::round(scaled)) < 1e-6 * std::max(1.0, scaled))
            return places;
    }
    return 9;
}

std::string NumberText(double value, int places)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", places, value);
    std::string text = buffer;
    if (text == "-0" || text.find_first_not_of("-0.") == std::string::npos)
        return "0";
    return text;
}

// The percentage of value in total to one place: 26.7%, 25%.
std::string Percent(double value, double total)
{
    const double tenths = std::round(1000.0 * value / total);
    std::string text = NumberText(tenths / 10, 1);
    if (text.size() > 2 && text.compare(text.size() - 2, 2, ".0") == 0)
        text.erase(text.size() - 2);
    return text + "%";
}

} // namespace

double ChartTextWidth(const std::string &text, int pixelSize)
{
    return 0.6 * pixelSize * static_cast<double>(text.size());
}

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

bool StatisticsChart::AddSeries(std::string name, const std::vector<double> &values)
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

ValueAxis ChooseValueAxis(double least, double most)
{
    least = std::min(least, 0.0);
    most = std::max(most, 0.0);
    if (!(most > 0) && !(least < 0))
        return ValueAxis {};
    const double range = most - least;
    // Multiples of the step are counted with a little slack, so 0.3 is three steps of 0.1.
    const auto steps = [](double value, double step) { return std::floor(value / step + 1e-9); };
    for (int exponent = static_cast<int>(std::floor(std::log10(range / 10))) - 1;; ++exponent)
        for (int mantissa : {1, 2, 5}) {
            const double step = mantissa * std::pow(10.0, exponent);
            const double top = most > 0 ? (steps(most, step) + 1) * step : 0;
            const double bottom = least < 0 ? -(steps(-least, step) + 1) * step : 0;
            if ((top - bottom) / step <= 10 + 1e-9)
                return ValueAxis {step, bottom, top};
        }
}

namespace {

BuiltChart BuildChartOf(const ChartTable &table, const std::string &title, ChartType type);

// A cell that holds something but no number at its front ("abc"): it is drawn as 0.
bool IsWordCell(const std::string &cell)
{
    std::size_t i = 0;
    while (i < cell.size() && (IsBlank(cell[i]) || cell[i] == '-' || cell[i] == '+' || cell[i] == '.'))
        ++i;
    return i < cell.size() && !IsDigit(cell[i]) && cell.find_first_not_of(" \t") != std::string::npos;
}

} // namespace

BuiltChart BuildChart(const ChartTable &table, const std::string &title, ChartType type)
{
    BuiltChart built = BuildChartOf(table, title, type);
    // The first value that is no number, named, so that a 0 in the picture is never a surprise.
    const std::vector<std::string> noRow;
    const std::vector<std::string> &headings = table.empty() ? noRow : table[0];
    for (std::size_t r = 1; r < table.size(); ++r)
        for (std::size_t c = 1; c < table[r].size() && c < headings.size(); ++c)
            if (!headings[c].empty() && IsWordCell(table[r][c])) {
                const std::string &cell = table[r][c];
                std::size_t shown = 0; // at most 40 bytes, never half a character
                while (shown < cell.size() && shown < 40)
                    shown += IsGbkLead(static_cast<unsigned char>(cell[shown])) ? 2 : 1;
                built.leftOut += (built.leftOut.empty() ? "" : "\r\n") + std::string("表中的“") + cell.substr(0, shown)
                    + (shown < cell.size() ? "…" : "") + "”不是数，按0画出。";
                return built;
            }
    return built;
}

namespace {

BuiltChart BuildChartOf(const ChartTable &table, const std::string &title, ChartType type)
{
    BuiltChart built {StatisticsChart(type), {}};
    StatisticsChart &chart = built.chart;

    const std::vector<std::string> noRow;
    const std::vector<std::string> &headings = table.empty() ? noRow : table[0];
    // The value axis spans the values that are drawn: those of the headed columns.
    double most = 0, least = 0;
    std::size_t columns = 0;
    for (std::size_t r = 1; r < table.size(); ++r) {
        columns = std::max(columns, table[r].size());
        for (std::size_t c = 1; c < table[r].size(); ++c) {
            if (table[r][c].empty() || c >= headings.size() || headings[c].empty())
                continue;
            most = std::max(most, CellNumber(table[r][c]));
            least = std::min(least, CellNumber(table[r][c]));
        }
    }
    const ValueAxis axis = ChooseValueAxis(least, most);
    chart.SetTickStep(axis.step);
    chart.SetAxisMaximum(axis.maximum);
    chart.SetAxisMinimum(axis.minimum);
    chart.SetLabelAngle(type == ChartType::Line ? 50 : 0);
    chart.SetTitle(title);
    chart.SetCategoryCaption(headings.empty() ? std::string() : headings[0]);
    columns = std::max(columns, headings.size());

    bool fitted = true;
    // One row of data in a pie chart: one pie, a slice for each column.
    std::vector<std::size_t> dataRows;
    for (std::size_t r = 1; r < table.size(); ++r)
        for (std::size_t c = 1; c < table[r].size(); ++c)
            if (!table[r][c].empty() && c < headings.size() && !headings[c].empty()) {
                dataRows.push_back(r);
                break;
            }
    if (type == ChartType::Pie && dataRows.size() == 1) {
        const std::vector<std::string> &row = table[dataRows[0]];
        std::vector<double> values;
        int label = 0;
        for (std::size_t c = 1; c < columns; ++c) {
            if (c >= headings.size() || headings[c].empty())
                continue;
            values.push_back(c < row.size() ? CellNumber(row[c]) : 0);
            fitted = chart.SetLabel(label++, headings[c]) && fitted;
        }
        fitted = chart.AddSeries(row.empty() ? std::string() : row[0], values) && fitted;
        if (!fitted)
            built.leftOut = "统计图最多画10组、每组10个数据、10个图例：表中多出的数据没有画出。";
        return built;
    }
    for (std::size_t c = 1; c < columns; ++c) {
        if (c >= headings.size() || headings[c].empty())
            continue;
        std::vector<double> values;
        for (std::size_t r = 1; r < table.size(); ++r)
            if (c < table[r].size() && !table[r][c].empty())
                values.push_back(CellNumber(table[r][c]));
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

} // namespace

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
            double total = 0;
            for (double value : series[i].values)
                total += std::max(value, 0.0);
            double done = 0;
            for (std::size_t k = 0; k < series[i].values.size(); ++k) {
                const double value = series[i].values[k];
                if (value <= 0 || total <= 0)
                    continue;
                const double share = 360.0 * value / total;
                ChartSlice slice;
                slice.series = static_cast<int>(i);
                slice.index = static_cast<int>(k);
                slice.start = 90 - done;
                slice.span = -share;
                slice.percent = Percent(value, total);
                // The percentage stands in the slice when it has room, else just outside it.
                const double middle = (90 - done - share / 2) * std::numbers::pi / 180;
                // Inside only where the slice is wide and the pie large enough to hold the text.
                const double reach = share >= 30 && radius >= 60 ? 0.62 * radius : radius + 16;
                slice.inside = reach < radius;
                slice.labelX = pie.cx + std::cos(middle) * reach;
                slice.labelY = pie.cy - std::sin(middle) * reach;
                layout.slices.push_back(slice);
                done += share;
            }
        }
        // Percentages beside narrow slices are pushed apart so that no two overlap.
        for (std::size_t a = 0; a < layout.slices.size(); ++a)
            for (std::size_t b = a + 1; b < layout.slices.size(); ++b) {
                ChartSlice &first = layout.slices[a];
                ChartSlice &second = layout.slices[b];
                const double wide = 0.5 * (ChartTextWidth(first.percent, 12) + ChartTextWidth(second.percent, 12));
                if (first.series == second.series && std::fabs(first.labelX - second.labelX) < wide
                    && std::fabs(first.labelY - second.labelY) < 14)
                    second.labelY = first.labelY + (second.labelY >= first.labelY ? 14 : -14);
            }
        return layout;
    }

    const double maximum = std::max(chart.AxisMaximum(), 0.0);
    const double minimum = std::min(chart.AxisMinimum(), 0.0);
    const double span = maximum - minimum > 0 ? maximum - minimum : 1;
    const double step = chart.TickStep() > span / 1000 ? chart.TickStep() : span / 10;
    const int places = PlacesOf(step);
    std::size_t widestNumber = 1;
    for (double t = minimum; t <= maximum + step / 2; t += step)
        widestNumber = std::max(widestNumber, NumberText(t, places).size());
    layout.axisX = 8.0 * static_cast<double>(widestNumber) + 50;
    layout.axisRight = std::max(layout.axisX, right);
    const double slot = seriesCount > 0 ? (layout.axisRight - layout.axisX) / seriesCount : 0;

    // Names wider than their slot are turned, as the line chart's always are; names that stand too
    // close even then are thinned to every second, third … one.
    int angle = chart.LabelAngle();
    double widestName = 0;
    for (const ChartSeries &one : series)
        widestName = std::max(widestName, ChartTextWidth(one.name, 14));
    if (angle == 0 && !series.empty() && widestName > slot - 4)
        angle = 45;
    layout.labelAngle = angle;
    const int every = slot > 0 && angle != 0 ? std::max(1, static_cast<int>(std::ceil(18 / slot))) : 1;
    const double nameDrop
        = angle == 0 ? 50 : 12.0 * chart.LongestSeriesName() * std::sin(angle * std::numbers::pi / 180) + 25;
    // Long turned names may take at most two fifths of the height; the plot keeps the rest.
    layout.axisBottom = usableHeight - std::max(50.0, std::min(nameDrop, 0.4 * usableHeight));
    const double plotHeight = std::max(0.0, layout.axisBottom - 40);
    layout.axisTop = layout.axisBottom - plotHeight;
    // The whole value axis fills the plot: small values make tall bars, never slivers.
    layout.scale = plotHeight / span;
    layout.axisY = layout.axisBottom + minimum * layout.scale;
    const double tickPixels = step * layout.scale;
    const int numberEvery = tickPixels > 0 ? std::max(1, static_cast<int>(std::ceil(14 / tickPixels))) : 1;
    int k = 0;
    for (double t = minimum; t <= maximum + step / 2 && k <= 1000; t += step, ++k) {
        const double value = std::round(t / step) * step;
        layout.valueTicks.push_back({layout.axisY - value * layout.scale, value,
            k % numberEvery == 0 ? NumberText(value, places) : std::string()});
    }

    for (std::size_t i = 0; i < series.size(); ++i)
        layout.categoryTicks.push_back(
            {layout.axisX + slot * (static_cast<double>(i) + 0.5), series[i].name, static_cast<int>(i) % every == 0});

    if (chart.Type() == ChartType::Bar) {
        const double barWidth = values > 0 ? 0.6 * slot / values : 0;
        for (std::size_t i = 0; i < series.size(); ++i) {
            const double groupLeft = layout.axisX + slot * static_cast<double>(i) + 0.2 * slot;
            for (std::size_t k = 0; k < series[i].values.size(); ++k) {
                const double rise = series[i].values[k] * layout.scale;
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
                    layout.axisY - series[i].values[k] * layout.scale});
    }
    return layout;
}

Colour TextColourOn(const Colour &ground)
{
    // Relative lightness with the weights of the eye (ITU-R BT.601), 0 to 255.
    const double lightness = 0.299 * ground.r + 0.587 * ground.g + 0.114 * ground.b;
    return lightness < 128 ? kWhite : kBlack;
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
        for (const ChartSlice &s : layout.slices) {
            text(s.labelX, s.labelY - 7, s.percent, 12, false, Text::Anchor::TopCentre);
            // Readable on the slice it stands in: white on the blue, black on the yellow.
            if (s.inside)
                std::get<Text>(picture.items.back()).colour
                    = TextColourOn(kChartColours[static_cast<std::size_t>(s.index) % kChartPlaces]);
        }
        for (const ChartPie &pie : layout.pies)
            text(pie.cx, pie.cy + pie.radius + 8, pie.name, 16, true, Text::Anchor::TopCentre);
        return picture;
    }

    const double bottom = std::max(layout.axisBottom, layout.axisY);
    picture.Add(Line {layout.axisX, layout.axisTop, layout.axisX, bottom, black});
    picture.Add(Line {layout.axisX, layout.axisY, layout.axisRight, layout.axisY, black});
    if (!layout.valueCaption.empty())
        text(10, (layout.axisTop + bottom) / 2, layout.valueCaption, 16, true, Text::Anchor::TopCentre, 90);
    text(layout.axisX - 6, bottom + 6, layout.categoryCaption, 14, false, Text::Anchor::TopRight);
    for (const ValueTick &t : layout.valueTicks) {
        picture.Add(Line {layout.axisX - 5, t.y, layout.axisX, t.y, black});
        if (!t.text.empty())
            text(layout.axisX - 8, t.y - 7, t.text, 12, false, Text::Anchor::TopRight);
    }
    for (const CategoryTick &t : layout.categoryTicks) {
        picture.Add(Line {t.x, layout.axisY, t.x, layout.axisY + 5, black});
        if (!t.labelled)
            continue;
        if (layout.labelAngle != 0)
            text(t.x, bottom + 6, t.name, 16, true, Text::Anchor::TopRight, layout.labelAngle);
        else
            text(t.x, bottom + 7, t.name, 14, false, Text::Anchor::TopCentre);
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
