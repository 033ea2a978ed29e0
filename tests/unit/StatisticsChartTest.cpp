// The statistics chart model: the building rules, the layout of the default table as numbers,
// the capacity of ten places, and the frequency distribution counted exactly.
#include "charts/StatisticsChart.h"
#include "charts/FrequencyTable.h"
#include "solver/GbkText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

using namespace qimbel;

namespace {

// The page's default table, as the grid shows it at start.
ChartTable DefaultTable()
{
    const ChartTable table = DefaultChartTable();
    EXPECT_EQ(table[0][4], "四年级");
    EXPECT_EQ(table[1][5], "95");
    EXPECT_EQ(table[2][0], "女生");
    return table;
}

const std::string kTitle = DefaultChartTitle();

ChartTable EmptyGrid() { return ChartTable(35, std::vector<std::string>(35)); }

// Picture 640 × 520: usable 635 × 500; the legend of 男生/女生 (4 bytes) is 98 wide from x = 532.
ChartLayout DefaultLayout(ChartType type)
{
    return LayOutChart(BuildChart(DefaultTable(), kTitle, type).chart, 640, 520);
}

} // namespace

TEST(StatisticsChart, ReadsCellsAsTheLeadingNumber)
{
    EXPECT_EQ(CellNumber("61"), 61);
    EXPECT_EQ(CellNumber(" 72人"), 72);
    EXPECT_EQ(CellNumber("-3.5"), -3.5);
    EXPECT_EQ(CellNumber(".5"), 0.5);
    EXPECT_EQ(CellNumber("1e400"), 1);
    EXPECT_EQ(CellNumber("99999999999999999999"), 1e12);
    for (const char *none : {"", "男生", "-", ".", "abc12", "inf", "0x10"})
        EXPECT_EQ(CellNumber(none), 0) << none;
}

TEST(StatisticsChart, ValueAxisIsTheSmallestOneTwoFiveStepWithFiveToTenTicks)
{
    struct Case {
        const char *cells; // the values of one row
        double step, minimum, maximum;
    };
    for (const Case &c : {Case {"", 2, 0, 10}, Case {"12 30 45", 5, 0, 50}, Case {"95", 10, 0, 100},
             Case {"61 34 80", 10, 0, 90}, Case {"250", 50, 0, 300}, Case {"400", 50, 0, 450},
             Case {"0.3", 0.05, 0, 0.35}, Case {"2.5 3.75", 0.5, 0, 4}, Case {"-12 30", 5, -15, 35},
             Case {"-3 -7", 1, -8, 0}, Case {"1234", 200, 0, 1400}, Case {"99999999999999999999", 2e11, 0, 1.2e12}}) {
        ChartTable table = EmptyGrid();
        table[0][1] = "甲";
        std::size_t row = 1;
        for (std::string rest = c.cells; !rest.empty(); ++row) {
            const std::size_t blank = rest.find(' ');
            table[row][0] = "行";
            table[row][1] = rest.substr(0, blank);
            rest = blank == std::string::npos ? "" : rest.substr(blank + 1);
        }
        const StatisticsChart chart = BuildChart(table, "", ChartType::Bar).chart;
        EXPECT_NEAR(chart.TickStep(), c.step, 1e-9 * c.step) << c.cells;
        EXPECT_NEAR(chart.AxisMinimum(), c.minimum, 1e-9 * c.step) << c.cells;
        EXPECT_NEAR(chart.AxisMaximum(), c.maximum, 1e-9 * c.step) << c.cells;
        const double ticks = (chart.AxisMaximum() - chart.AxisMinimum()) / chart.TickStep();
        EXPECT_TRUE(ticks >= 5 - 1e-9 && ticks <= 10 + 1e-9) << c.cells;
    }
    const ChartLayout empty = LayOutChart(BuildChart(EmptyGrid(), "", ChartType::Bar).chart, 640, 520);
    ASSERT_EQ(empty.valueTicks.size(), 6u); // 0, 2, …, 10
    EXPECT_EQ(empty.valueTicks.back().text, "10");
    EXPECT_TRUE(empty.bars.empty());
    EXPECT_FALSE(empty.legend.shown);
}

// Decimals stand at their value, negative values below the zero line, the numbers of the value
// axis in the step's places.
TEST(StatisticsChart, DecimalsAndNegativeValuesStandAtTheirValue)
{
    const ChartTable table = {{"月份", "一月", "二月", "三月"}, {"气温", "-4.5", "1.5", "6.25"}};
    const ChartLayout layout = LayOutChart(BuildChart(table, "", ChartType::Bar).chart, 640, 520);
    // −4.5 … 6.25 by 2: −6 … 8, seven steps over the plot height of 410.
    ASSERT_EQ(layout.valueTicks.size(), 8u);
    EXPECT_EQ(layout.valueTicks.front().text, "-6");
    EXPECT_EQ(layout.valueTicks.back().text, "8");
    EXPECT_DOUBLE_EQ(layout.scale, 410.0 / 14);
    EXPECT_DOUBLE_EQ(layout.axisY, 450 - 6 * layout.scale);
    ASSERT_EQ(layout.bars.size(), 3u);
    EXPECT_DOUBLE_EQ(layout.bars[0].y, layout.axisY); // hangs down from the zero line
    EXPECT_DOUBLE_EQ(layout.bars[0].height, 4.5 * layout.scale);
    EXPECT_DOUBLE_EQ(layout.bars[2].y, layout.axisY - 6.25 * layout.scale);
    const ChartLayout tenths
        = LayOutChart(BuildChart({{"", "甲", "乙"}, {"a", "0.3", "0.12"}}, "", ChartType::Bar).chart, 640, 520);
    EXPECT_EQ(tenths.valueTicks[1].text, "0.05");
    EXPECT_DOUBLE_EQ(tenths.bars[1].height, 0.12 * tenths.scale);
}

TEST(StatisticsChart, SeriesComeFromHeadedColumnsAndLabelsFromHeadedRows)
{
    const BuiltChart built = BuildChart(DefaultTable(), kTitle, ChartType::Line);
    const StatisticsChart &chart = built.chart;
    EXPECT_EQ(chart.Title(), "某小学各年级男女学生人数统计图");
    EXPECT_EQ(chart.CategoryCaption(), "年级");
    EXPECT_EQ(chart.LabelAngle(), 50);
    ASSERT_EQ(chart.Series().size(), 6u);
    EXPECT_EQ(chart.Series()[4].name, "五年级");
    EXPECT_EQ(chart.Series()[4].values, (std::vector<double> {95, 41}));
    EXPECT_EQ(chart.Labels(), (std::vector<std::string> {"男生", "女生"}));
    EXPECT_EQ(chart.LongestLabel(), 4);
    EXPECT_EQ(chart.LongestSeriesName(), 6);
    EXPECT_TRUE(built.leftOut.empty());

    // A column without heading is skipped even when it holds numbers; empty cells are no value,
    // a cell that is not a number is the value 0.
    ChartTable table = {{"", "甲", "", "乙"}, {"一", "5", "999", ""}, {"", "x", "7", "8"}};
    const StatisticsChart sparse = BuildChart(table, "", ChartType::Bar).chart;
    ASSERT_EQ(sparse.Series().size(), 2u);
    EXPECT_EQ(sparse.Series()[0].values, (std::vector<double> {5, 0}));
    EXPECT_EQ(sparse.Series()[1].values, (std::vector<double> {8}));
    EXPECT_EQ(sparse.Labels(), (std::vector<std::string> {"一"}));
    EXPECT_EQ(sparse.AxisMaximum(), 9); // the unheaded 999 is not drawn and does not count
}

TEST(StatisticsChart, KeepsTenPlacesAndSaysWhatWasLeftOut)
{
    ChartTable table = EmptyGrid();
    for (std::size_t r = 1; r <= 12; ++r) {
        table[r][0] = "行" + IntText(static_cast<long long>(r));
        table[r][1] = IntText(static_cast<long long>(r));
    }
    for (std::size_t c = 1; c <= 12; ++c)
        table[0][c] = "列" + IntText(static_cast<long long>(c));
    const BuiltChart built = BuildChart(table, "", ChartType::Bar);
    ASSERT_EQ(built.chart.Series().size(), 10u);
    EXPECT_EQ(built.chart.Series()[0].values.size(), 10u);
    EXPECT_EQ(built.chart.Series()[0].values.back(), 10);
    EXPECT_EQ(built.chart.Labels().size(), 10u);
    EXPECT_EQ(built.chart.Labels().back(), "行10");
    EXPECT_EQ(built.leftOut, "统计图最多画10组、每组10个数据、10个图例：表中多出的数据没有画出。");

    // A word where a number belongs is drawn as 0, and the note says so, once.
    table[2][1] = "abc";
    table[3][1] = "xyz";
    EXPECT_EQ(BuildChart(table, "", ChartType::Bar).leftOut,
        "统计图最多画10组、每组10个数据、10个图例：表中多出的数据没有画出。\r\n表中的“abc”不是数，按0画出。");
    for (const char *cell : {"61", "-3.5", "72人", " 8", "", ".5"}) {
        ChartTable small = {{"", "一班"}, {"语文", cell}};
        EXPECT_EQ(BuildChart(small, "", ChartType::Pie).leftOut, "") << cell;
    }
    ChartTable word = {{"", "一班"}, {"语文", "很多"}};
    EXPECT_EQ(BuildChart(word, "", ChartType::Line).leftOut, "表中的“很多”不是数，按0画出。");

    // A percentage on a dark slice is white, on a light one black.
    EXPECT_EQ(TextColourOn(Colour {0, 0, 255}), kWhite);
    EXPECT_EQ(TextColourOn(Colour {255, 255, 0}), kBlack);
    EXPECT_EQ(TextColourOn(kBlack), kWhite);

    StatisticsChart chart;
    EXPECT_FALSE(chart.SetLabel(10, "x"));
    EXPECT_FALSE(chart.SetLabel(-1, "x"));
    EXPECT_FALSE(chart.HasLegend());
}

TEST(StatisticsChart, BarsOfTheDefaultTable)
{
    const ChartLayout layout = DefaultLayout(ChartType::Bar);
    // Value axis at 8 × 3 + 50; category axis at 500 − 50; 410 pixels of plot height hold 0…100.
    EXPECT_EQ(layout.axisX, 74);
    EXPECT_EQ(layout.axisY, 450);
    EXPECT_EQ(layout.axisBottom, 450);
    EXPECT_EQ(layout.axisTop, 40);
    EXPECT_EQ(layout.axisRight, 522);
    EXPECT_DOUBLE_EQ(layout.scale, 4.1);
    ASSERT_EQ(layout.bars.size(), 12u);
    const double slot = (522.0 - 74) / 6;
    const ChartBar &boys1 = layout.bars[0];
    EXPECT_EQ(boys1.series, 0);
    EXPECT_EQ(boys1.index, 0);
    EXPECT_DOUBLE_EQ(boys1.x, 74 + 0.2 * slot);
    EXPECT_DOUBLE_EQ(boys1.width, 0.6 * slot / 2);
    EXPECT_DOUBLE_EQ(boys1.y, 450 - 61 * 4.1);
    EXPECT_DOUBLE_EQ(boys1.height, 61 * 4.1);
    const ChartBar &girls6 = layout.bars[11];
    EXPECT_EQ(girls6.index, 1);
    EXPECT_DOUBLE_EQ(girls6.x, 74 + 5 * slot + 0.2 * slot + 0.3 * slot);
    EXPECT_DOUBLE_EQ(girls6.height, 80 * 4.1);
    EXPECT_DOUBLE_EQ(layout.categoryTicks[2].x, 74 + 2.5 * slot);
    EXPECT_EQ(layout.labelAngle, 0);

    // A lower picture scales every value and tick alike.
    const ChartLayout low = LayOutChart(BuildChart(DefaultTable(), kTitle, ChartType::Bar).chart, 640, 300);
    EXPECT_DOUBLE_EQ(low.scale, 190.0 / 100);
    EXPECT_DOUBLE_EQ(low.bars[0].height, 61 * 1.9);
    EXPECT_DOUBLE_EQ(low.valueTicks[1].y, 230 - 10 * 1.9);
}

// Names that do not fit their slot are turned; when even turned names crowd, every second (third
// …) is written; value numbers closer than 14 pixels are thinned too. No two texts overlap.
TEST(StatisticsChart, LabelsNeverOverlap)
{
    ChartTable table = EmptyGrid();
    table[1][0] = "人数";
    for (std::size_t c = 1; c <= 10; ++c) {
        table[0][c] = "第" + IntText(static_cast<long long>(c)) + "小组的同学";
        table[1][c] = IntText(static_cast<long long>(c * 7));
    }
    for (int width : {300, 500, 900, 1600})
        for (int height : {160, 300, 700}) {
            const ChartLayout layout = LayOutChart(BuildChart(table, "", ChartType::Bar).chart, width, height);
            const double slot
                = layout.categoryTicks.size() > 1 ? layout.categoryTicks[1].x - layout.categoryTicks[0].x : 0;
            double lastX = -1e9;
            for (const CategoryTick &t : layout.categoryTicks) {
                if (!t.labelled)
                    continue;
                // Upright names need their width, turned ones a line's height (18 pixels).
                const double needed = layout.labelAngle == 0 ? 8.4 * t.name.size() : 18;
                EXPECT_GE(t.x - lastX, needed - 1e-9) << width << "x" << height << " slot " << slot;
                lastX = t.x;
            }
            double lastY = 1e9;
            for (const ValueTick &t : layout.valueTicks) {
                if (t.text.empty())
                    continue;
                EXPECT_GE(lastY - t.y, 14 - 1e-9) << width << "x" << height;
                lastY = t.y;
            }
            EXPECT_GE(layout.axisTop, 0);
        }
    const ChartLayout wide = LayOutChart(BuildChart(DefaultTable(), kTitle, ChartType::Bar).chart, 1600, 520);
    EXPECT_EQ(wide.labelAngle, 0);
    const ChartLayout narrow = LayOutChart(BuildChart(table, "", ChartType::Bar).chart, 500, 520);
    EXPECT_EQ(narrow.labelAngle, 45);
}

TEST(StatisticsChart, LegendGeometry)
{
    const ChartLegend legend = DefaultLayout(ChartType::Pie).legend;
    ASSERT_TRUE(legend.shown);
    EXPECT_EQ(legend.x, 532);
    EXPECT_EQ(legend.width, 98);
    EXPECT_EQ(legend.height, 62);
    EXPECT_EQ(legend.y, 219);
    ASSERT_EQ(legend.entries.size(), 2u);
    EXPECT_EQ(legend.entries[1].label, "女生");
    EXPECT_EQ(legend.entries[1].textX, 537);
    EXPECT_EQ(legend.entries[1].textY, 219 + 24 + 18);
    EXPECT_EQ(legend.entries[1].boxX, 590);
    EXPECT_EQ(legend.entries[1].boxHeight, 12);
    // The legend box lies inside the picture, right of the plot.
    EXPECT_LE(legend.x + legend.width, 635);
}

TEST(StatisticsChart, LinePointsOfTheDefaultTable)
{
    const ChartLayout layout = DefaultLayout(ChartType::Line);
    // The names turned by 50° need 12 × 6 × sin 50° + 25 pixels under the axis.
    const double bottom = 500 - (72 * std::sin(50 * std::acos(-1.0) / 180) + 25);
    EXPECT_DOUBLE_EQ(layout.axisY, bottom);
    const double scale = (bottom - 40) / 100;
    ASSERT_EQ(layout.lines.size(), 2u);
    ASSERT_EQ(layout.lines[0].size(), 6u);
    const double slot = (522.0 - 74) / 6;
    EXPECT_DOUBLE_EQ(layout.lines[0][4].x, 74 + 4.5 * slot);
    EXPECT_DOUBLE_EQ(layout.lines[0][4].y, bottom - 95 * scale);
    EXPECT_DOUBLE_EQ(layout.lines[1][5].y, bottom - 80 * scale);

    const DisplayList picture = DrawChart(layout);
    int circles = 0;
    for (const Circle &c : picture.All<Circle>())
        circles += c.fill == kChartColours[1];
    EXPECT_EQ(circles, 6);
}

TEST(StatisticsChart, PieSlicesShareThreeHundredAndSixtyDegrees)
{
    const ChartLayout layout = DefaultLayout(ChartType::Pie);
    ASSERT_EQ(layout.pies.size(), 6u);
    ASSERT_EQ(layout.slices.size(), 12u);
    EXPECT_DOUBLE_EQ(layout.slices[0].start, 90);
    EXPECT_DOUBLE_EQ(layout.slices[0].span, -360.0 * 61 / 104);
    EXPECT_DOUBLE_EQ(layout.slices[1].start, 90 - 360.0 * 61 / 104);
    EXPECT_EQ(layout.slices[1].index, 1);
    for (int pie = 0; pie < 6; ++pie) {
        double sum = 0;
        for (const ChartSlice &s : layout.slices)
            if (s.series == pie)
                sum -= s.span;
        EXPECT_NEAR(sum, 360, 1e-9);
    }
    // The pies stand side by side left of the legend, each within its share of the width.
    const double each = (522.0 - 5) / 6;
    EXPECT_DOUBLE_EQ(layout.pies[1].cx, 5 + 1.5 * each);
    EXPECT_DOUBLE_EQ(layout.pies[1].radius, 0.45 * (each - 60));

    // Zero and negative values make no slice.
    const ChartLayout sparse = LayOutChart(
        BuildChart({{"", "甲"}, {"a", "0"}, {"b", "-5"}, {"c", "3"}}, "", ChartType::Pie).chart, 640, 520);
    ASSERT_EQ(sparse.slices.size(), 1u);
    EXPECT_EQ(sparse.slices[0].index, 2);
    EXPECT_DOUBLE_EQ(sparse.slices[0].span, -360);
}

// A table with one row of data is one pie of its columns, with the percentages; a narrow slice
// has its percentage beside it, and no two percentages overlap.
TEST(StatisticsChart, OneRowIsOnePieOfItsColumnsWithPercentages)
{
    const ChartTable table = {{"项目", "跳绳", "踢毽子", "跑步", "下棋"}, {"人数", "12", "30", "45", "3"}};
    const BuiltChart built = BuildChart(table, "", ChartType::Pie);
    ASSERT_EQ(built.chart.Series().size(), 1u);
    EXPECT_EQ(built.chart.Series()[0].name, "人数");
    EXPECT_EQ(built.chart.Series()[0].values, (std::vector<double> {12, 30, 45, 3}));
    EXPECT_EQ(built.chart.Labels(), (std::vector<std::string> {"跳绳", "踢毽子", "跑步", "下棋"}));
    const ChartLayout layout = LayOutChart(built.chart, 800, 520);
    ASSERT_EQ(layout.pies.size(), 1u);
    ASSERT_EQ(layout.slices.size(), 4u);
    std::vector<std::string> percents;
    for (const ChartSlice &s : layout.slices)
        percents.push_back(s.percent);
    EXPECT_EQ(percents, (std::vector<std::string> {"13.3%", "33.3%", "50%", "3.3%"}));
    const ChartPie &pie = layout.pies[0];
    for (const ChartSlice &s : layout.slices) {
        const double distance = std::hypot(s.labelX - pie.cx, s.labelY - pie.cy);
        if (-s.span >= 30 && pie.radius >= 60)
            EXPECT_LT(distance, pie.radius) << s.percent;
        else
            EXPECT_GT(distance, pie.radius) << s.percent;
    }
    // Several narrow slices side by side: their percentages are pushed apart.
    const ChartTable many = {{"", "a", "b", "c", "d", "e"}, {"n", "100", "1", "1", "1", "1"}};
    const ChartLayout crowded = LayOutChart(BuildChart(many, "", ChartType::Pie).chart, 800, 520);
    for (std::size_t a = 0; a < crowded.slices.size(); ++a)
        for (std::size_t b = a + 1; b < crowded.slices.size(); ++b)
            EXPECT_FALSE(std::fabs(crowded.slices[a].labelX - crowded.slices[b].labelX)
                    < 3.6 * static_cast<double>(crowded.slices[a].percent.size() + crowded.slices[b].percent.size())
                && std::fabs(crowded.slices[a].labelY - crowded.slices[b].labelY) < 14 - 1e-9)
                << a << " " << b;
    // The legend is titled 图例; with several rows, one pie per column as before.
    const DisplayList picture = DrawChart(layout);
    bool titled = false;
    for (const Text &t : picture.All<Text>())
        titled = titled || t.text == "图例";
    EXPECT_TRUE(titled);
    EXPECT_EQ(DefaultLayout(ChartType::Pie).pies.size(), 6u);
}

TEST(StatisticsChart, AnySizeAndAnyTableDrawWithoutFault)
{
    for (int size : {0, 1, 30, 100})
        for (ChartType type : {ChartType::Bar, ChartType::Line, ChartType::Pie}) {
            const DisplayList picture = DrawTableChart(DefaultTable(), kTitle, type, size, size);
            EXPECT_EQ(picture.width, size);
        }
    const DisplayList huge = DrawTableChart({{"", "甲"}, {"a", "99999999999999999999"}}, "", ChartType::Bar, 640, 520);
    EXPECT_FALSE(huge.items.empty());
}

TEST(FrequencyTable, CountsEveryNumberInItsClass)
{
    const std::string data = "141,143，144、145\r\n147 149\t150；152 155 158 160";
    EXPECT_EQ(DefaultClassWidth(data), "5");
    const FrequencyTable table = FrequencyDistribution(data, "");
    ASSERT_TRUE(table.error.empty()) << table.error;
    EXPECT_EQ(table.total, 11);
    EXPECT_EQ(table.width, "5");
    ASSERT_EQ(table.classes.size(), 5u);
    const char *names[] = {"140~145", "145~150", "150~155", "155~160", "160~165"};
    const long long counts[] = {3, 3, 2, 2, 1};
    const char *frequencies[] = {"0.2727", "0.2727", "0.1818", "0.1818", "0.0909"};
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(table.classes[k].name, names[k]);
        EXPECT_EQ(table.classes[k].count, counts[k]);
        EXPECT_EQ(table.classes[k].frequency, frequencies[k]);
    }
    const ChartTable grid = FrequencyGrid(table);
    ASSERT_EQ(grid.size(), 6u);
    EXPECT_EQ(grid[0], (std::vector<std::string> {"分组", "频数", "频率"}));
    EXPECT_EQ(grid[5], (std::vector<std::string> {"160~165", "1", "0.0909"}));

    const FrequencyTable fine = FrequencyDistribution("1.5 2.25 -0.5 0.5 1", "0.5");
    ASSERT_EQ(fine.classes.size(), 6u);
    EXPECT_EQ(fine.classes[0].name, "-0.5~0");
    EXPECT_EQ(fine.classes[5].name, "2~2.5");
    std::vector<long long> got;
    for (const FrequencyClass &c : fine.classes)
        got.push_back(c.count);
    EXPECT_EQ(got, (std::vector<long long> {1, 0, 1, 1, 1, 1}));
    EXPECT_EQ(fine.classes[0].frequency, "0.2");
    EXPECT_EQ(FrequencyDistribution("7 7 7", "").classes.size(), 1u);
    EXPECT_EQ(FrequencyDistribution("7 7 7", "").classes[0].frequency, "1");
}

TEST(FrequencyTable, RefusesWhatItCannotCount)
{
    EXPECT_EQ(FrequencyDistribution(" ,\r\n", "").error, "请输入原始数据：数与数之间用空格、逗号或换行隔开。");
    EXPECT_EQ(FrequencyDistribution("12 abc 5", "").error, "不认识的数据：abc");
    EXPECT_EQ(FrequencyDistribution("12 1234567890", "").error, "不认识的数据：1234567890");
    EXPECT_EQ(FrequencyDistribution("12 1.1234567", "").error, "不认识的数据：1.1234567");
    EXPECT_EQ(FrequencyDistribution("1 2", "0").error, "组距要填一个大于0的数。");
    EXPECT_EQ(FrequencyDistribution("1 2", "-1").error, "组距要填一个大于0的数。");
    EXPECT_EQ(FrequencyDistribution("0 999999999", "0.000001").error,
        "按这个组距要分999999999000001组，太多了（最多20组）：请把组距放大。");
}

TEST(FrequencyTable, HistogramBarsTouch)
{
    const FrequencyTable table = FrequencyDistribution("141 143 144 145 147 149 150 152 155 158 160", "5");
    const DisplayList picture = DrawHistogram(table, "频率分布直方图", 640, 520);
    std::vector<Rect> bars;
    for (const Rect &r : picture.All<Rect>())
        if (r.fill == kChartColours[0])
            bars.push_back(r);
    ASSERT_EQ(bars.size(), 5u);
    for (std::size_t k = 1; k < bars.size(); ++k)
        EXPECT_DOUBLE_EQ(bars[k].x, bars[k - 1].x + bars[k - 1].width);
    // Heights by count: 3, 3, 2, 2, 1 on the same scale.
    EXPECT_DOUBLE_EQ(bars[0].height, 3 * bars[4].height);
    EXPECT_DOUBLE_EQ(bars[2].height, 2 * bars[4].height);
}

TEST(FrequencyTable, HistogramBoundsTurnOnlyWhenTheyDoNotFitUnderTheirBars)
{
    // Level bounds never overlap: each is narrower than the bar between it and the next.
    const auto bounds = [](const DisplayList &picture, const FrequencyTable &table) {
        std::vector<Text> found;
        for (const Text &t : picture.All<Text>())
            if (std::find(table.bounds.begin(), table.bounds.end(), t.text) != table.bounds.end())
                found.push_back(t);
        return found;
    };
    const FrequencyTable heights = FrequencyDistribution("141 143 144 145 147 149 150 152 155 158 160", "5");
    for (const auto &[width, turned] : {std::pair {640, false}, std::pair {1000, false}, std::pair {160, true}}) {
        SCOPED_TRACE(width);
        const std::vector<Text> texts = bounds(DrawHistogram(heights, "频数分布直方图", width, 400), heights);
        ASSERT_EQ(texts.size(), heights.bounds.size());
        for (std::size_t k = 0; k < texts.size(); ++k) {
            EXPECT_EQ(texts[k].angle, turned ? 45 : 0);
            if (!turned && k > 0) {
                EXPECT_LT(texts[k - 1].x + ChartTextWidth(texts[k - 1].text, texts[k - 1].pixelSize) / 2,
                    texts[k].x - ChartTextWidth(texts[k].text, texts[k].pixelSize) / 2);
            }
        }
    }
    // Long bounds in a picture of the same size do not fit level.
    const FrequencyTable fine = FrequencyDistribution("1000.25 1000.5 1001.75 1002.5 1003 1004.5 1005 1006.25", "0.5");
    for (const Text &t : bounds(DrawHistogram(fine, "", 640, 400), fine))
        EXPECT_EQ(t.angle, 45) << t.text;
}
