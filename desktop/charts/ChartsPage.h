// The tab 统计图初步: a table typed into a grid, drawn as a bar, line or pie chart, or a frequency
// distribution drawn as a histogram. The page copies the grid into the chart model and shows the
// picture the model lays out for the picture area's size.
#pragma once

#include "charts/StatisticsChart.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QTableWidget;

namespace qimbel {

class DisplayListView;

class ChartsPage : public QWidget {
    Q_OBJECT
public:
    explicit ChartsPage(QWidget *parent = nullptr);

    // The grid as the chart model reads it (GBK), row by row.
    ChartTable Table() const;
    // Replaces the grid by an empty 35 × 35 one and writes `table` into its top left corner.
    void SetTable(const ChartTable &table);

    // 条形统计图, 折线统计图, 扇形统计图.
    void DrawChart(ChartType type);
    // 频率分布直方图: the data dialog; its 确定 fills the grid and draws the histogram.
    void OpenFrequencyDialog();
    void AddRow();
    void AddColumn();
    void Clear();
    void Save();

    // The title and the table as kept over a restart, and putting back what was kept (false, and
    // the page as it was, for bytes that are no kept chart).
    std::string KeptState() const;
    bool RestoreKept(const std::string &bytes);

private:
    QLineEdit *title_ = nullptr;
    QTableWidget *grid_ = nullptr;
    DisplayListView *picture_ = nullptr;
    QLabel *note_ = nullptr;
};

} // namespace qimbel
