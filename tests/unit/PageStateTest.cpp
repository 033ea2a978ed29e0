// What the chart and graph pages keep over a restart: written and read back it is the same page;
// any damage to the bytes gives nothing rather than half a page.
#include "charts/PageState.h"

#include <gtest/gtest.h>

#include <random>

using namespace qimbel;

namespace {

TEST(PageState, AChartComesBackAsItWasKept)
{
    const ChartState rows[] = {
        {"", {}},
        {DefaultChartTitle(), DefaultChartTable()},
        {"第1行\n第2行", {{"", "一班", "二班"}, {"语文", "61", ""}, {}, {"abc", "-3.5", "72人", "x\r\ny"}}},
    };
    for (const ChartState &row : rows) {
        const std::optional<ChartState> back = ReadChartState(WriteChartState(row));
        ASSERT_TRUE(back.has_value()) << row.title;
        EXPECT_EQ(back->title, row.title);
        EXPECT_EQ(back->table, row.table);
    }
}

TEST(PageState, AGraphComesBackWithItsFunctionsGridAndView)
{
    FunctionGraph graph;
    ASSERT_EQ(graph.Add("y＝2x＋1"), "");
    ASSERT_EQ(graph.Add("x^2－2x－3"), "");
    ASSERT_EQ(graph.Add("6/x"), "");
    graph.SetVisible(1, false);
    graph.SetGrid(false);
    graph.ZoomAt(2.5, 120, 340);
    graph.Pan(-33, 17);

    FunctionGraph back;
    back.Resize(graph.View().width, graph.View().height);
    ASSERT_TRUE(ReadGraphState(back, WriteGraphState(graph)));
    ASSERT_EQ(back.Functions().size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back.Functions()[i].typed, graph.Functions()[i].typed);
        EXPECT_EQ(back.Functions()[i].visible, graph.Functions()[i].visible);
        EXPECT_EQ(back.Functions()[i].colour, graph.Functions()[i].colour);
    }
    EXPECT_FALSE(back.Grid());
    EXPECT_EQ(back.View().unit, graph.View().unit);
    EXPECT_EQ(back.View().centreX, graph.View().centreX);
    EXPECT_EQ(back.View().centreY, graph.View().centreY);
    EXPECT_EQ(back.Properties(), graph.Properties());
}

// Every shortened file and every file with one byte changed is read whole or not at all: the
// page is then what it was, and nothing crashes.
TEST(PageState, DamagedFilesChangeNothing)
{
    FunctionGraph graph;
    graph.Add("y＝x");
    graph.Add("|x|");
    const std::string kept = WriteGraphState(graph);
    const std::string chart = WriteChartState({"标题", {{"", "a"}, {"b", "1"}}});
    std::mt19937 random(3);
    for (std::size_t cut = 0; cut < kept.size(); ++cut) {
        FunctionGraph page;
        page.Add("y＝5");
        EXPECT_FALSE(ReadGraphState(page, kept.substr(0, cut))) << cut;
        ASSERT_EQ(page.Functions().size(), 1u);
        EXPECT_EQ(page.Functions()[0].typed, "y＝5");
    }
    for (std::size_t cut = 0; cut < chart.size(); ++cut)
        EXPECT_FALSE(ReadChartState(chart.substr(0, cut)).has_value()) << cut;
    for (int i = 0; i < 2000; ++i) {
        std::string bytes = i % 2 ? kept : chart;
        bytes[random() % bytes.size()] = static_cast<char>(random() % 256);
        FunctionGraph page;
        if (i % 2 && ReadGraphState(page, bytes)) {
            EXPECT_LE(page.Functions().size(), static_cast<std::size_t>(kMostGraphFunctions));
        } else if (i % 2 == 0) {
            const std::optional<ChartState> read = ReadChartState(bytes);
            if (read) {
                EXPECT_LE(read->table.size(), 35u);
            }
        }
    }
    EXPECT_FALSE(ReadGraphState(graph, "QimbelGraph 1\ngrid 1\nview nan 0 0\nfunctions 0\n"));
    EXPECT_FALSE(ReadGraphState(graph, "QimbelGraph 1\ngrid 1\nview 1e999 0 0\nfunctions 0\n"));
    EXPECT_FALSE(ReadChartState("QimbelChart 1\ntitle 0\n\nrows 36\n").has_value());
}

} // namespace
