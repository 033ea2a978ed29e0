#include "desktop/charts/ChartsPage.h"

#include "charts/FrequencyTable.h"
#include "charts/PageState.h"
#include "desktop/charts/DisplayListView.h"
#include "desktop/charts/FrequencyDialog.h"
#include "desktop/pages/GbkBridge.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qimbel {

namespace {

constexpr int kGridSize = 35;
constexpr int kColumnWidth = 100;

// The same cells, whatever empty cells stand around them.
bool SameCells(const ChartTable &a, const ChartTable &b)
{
    const auto cell = [](const ChartTable &t, std::size_t r, std::size_t c) {
        return r < t.size() && c < t[r].size() ? t[r][c] : std::string();
    };
    std::size_t rows = std::max(a.size(), b.size()), columns = 0;
    for (const ChartTable *t : {&a, &b})
        for (const std::vector<std::string> &row : *t)
            columns = std::max(columns, row.size());
    for (std::size_t r = 0; r < rows; ++r)
        for (std::size_t c = 0; c < columns; ++c)
            if (cell(a, r, c) != cell(b, r, c))
                return false;
    return true;
}

} // namespace

ChartsPage::ChartsPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("page_132"));

    auto *titleCaption = new QLabel(QStringLiteral("标题"), this);
    title_ = new QLineEdit(FromGbk(DefaultChartTitle()), this);
    title_->setObjectName(QStringLiteral("edit_title"));
    titleCaption->setBuddy(title_);

    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    grid_->setShowGrid(true);
    grid_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    // The arrow keys move between cells; Tab leaves the grid for the buttons, so the keyboard
    // does not get caught in 35 × 35 cells.
    grid_->setTabKeyNavigation(false);
    grid_->setFixedHeight(150);
    SetTable(DefaultChartTable());

    picture_ = new DisplayListView(this);
    picture_->setObjectName(QStringLiteral("picture_chart"));
    picture_->setMinimumSize(300, 300);
    picture_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("label_note"));
    note_->setWordWrap(true);

    const auto button = [this](const QString &text, const char *name, auto handler) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(button(QStringLiteral("条形统计图"), "button_bar", [this] { DrawChart(ChartType::Bar); }));
    buttons->addWidget(button(QStringLiteral("折线统计图"), "button_line", [this] { DrawChart(ChartType::Line); }));
    buttons->addWidget(button(QStringLiteral("扇形统计图"), "button_pie", [this] { DrawChart(ChartType::Pie); }));
    buttons->addWidget(button(QStringLiteral("频率分布直方图"), "button_histogram", [this] { OpenFrequencyDialog(); }));
    buttons->addSpacing(16);
    buttons->addWidget(button(QStringLiteral("增加一行"), "button_add_row", [this] { AddRow(); }));
    buttons->addWidget(button(QStringLiteral("增加一列"), "button_add_column", [this] { AddColumn(); }));
    buttons->addWidget(button(QStringLiteral("清空"), "button_clear", [this] { Clear(); }));
    buttons->addWidget(button(QStringLiteral("保存图片"), "button_save", [this] { Save(); }));

    auto *top = new QHBoxLayout;
    top->addWidget(titleCaption);
    top->addWidget(title_, 1);

    // The grid above, the picture area below it across the whole page: the pies of six series
    // need the width.
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(new QLabel(QStringLiteral("数据分析"), this));
    layout->addWidget(grid_);
    layout->addLayout(buttons);
    layout->addWidget(picture_, 1);
    layout->addWidget(note_);
}

ChartTable ChartsPage::Table() const
{
    ChartTable table(static_cast<std::size_t>(grid_->rowCount()));
    for (int r = 0; r < grid_->rowCount(); ++r)
        for (int c = 0; c < grid_->columnCount(); ++c) {
            const QTableWidgetItem *item = grid_->item(r, c);
            table[static_cast<std::size_t>(r)].push_back(
                item != nullptr ? ToGbk(item->text().trimmed()) : std::string());
        }
    return table;
}

void ChartsPage::SetTable(const ChartTable &table)
{
    grid_->clearContents();
    grid_->setRowCount(kGridSize);
    grid_->setColumnCount(kGridSize);
    for (std::size_t r = 0; r < table.size() && r < kGridSize; ++r)
        for (std::size_t c = 0; c < table[r].size() && c < kGridSize; ++c)
            grid_->setItem(static_cast<int>(r), static_cast<int>(c), new QTableWidgetItem(FromGbk(table[r][c])));
}

void ChartsPage::DrawChart(ChartType type)
{
    const BuiltChart built = BuildChart(Table(), ToGbk(title_->text()), type);
    const StatisticsChart chart = built.chart;
    picture_->SetPictureSource(
        [chart](int width, int height) { return qimbel::DrawChart(LayOutChart(chart, width, height)); });
    note_->setText(FromGbk(built.leftOut));
}

void ChartsPage::OpenFrequencyDialog()
{
    FrequencyDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The pupil's own table and title are replaced only when the pupil says so.
    const ChartTable kept = Table();
    const bool own = std::any_of(kept.begin(), kept.end(), [](const std::vector<std::string> &row) {
        return std::any_of(row.begin(), row.end(), [](const std::string &c) { return !c.empty(); });
    }) && !SameCells(kept, DefaultChartTable());
    if (own
        && QMessageBox::question(this, QStringLiteral("频率分布直方图"),
               QStringLiteral("直方图的分组会替换表格中的数据和标题，原来的表格不能恢复。要替换吗？"))
            != QMessageBox::Yes)
        return;
    const FrequencyTable table = dialog.Table();
    SetTable(FrequencyGrid(table));
    title_->setText(QStringLiteral("频数分布直方图"));
    const std::string title = ToGbk(title_->text());
    picture_->SetPictureSource(
        [table, title](int width, int height) { return DrawHistogram(table, title, width, height); });
    note_->setText(QStringLiteral("共%1个数据，组距%2。").arg(table.total).arg(FromGbk(table.width)));
}

void ChartsPage::AddRow() { grid_->insertRow(grid_->rowCount()); }

void ChartsPage::AddColumn() { grid_->insertColumn(grid_->columnCount()); }

void ChartsPage::Clear()
{
    grid_->setRowCount(0);
    grid_->setColumnCount(0);
    SetTable({});
    // The title belongs to the table that went.
    title_->clear();
}

std::string ChartsPage::KeptState() const { return WriteChartState({ToGbk(title_->text()), Table()}); }

bool ChartsPage::RestoreKept(const std::string &bytes)
{
    const std::optional<ChartState> kept = ReadChartState(bytes);
    if (!kept)
        return false;
    title_->setText(FromGbk(kept->title));
    SetTable(kept->table);
    return true;
}

void ChartsPage::Save() { SaveDisplayList(this, picture_->Picture(), QStringLiteral("统计图.png")); }

} // namespace qimbel
