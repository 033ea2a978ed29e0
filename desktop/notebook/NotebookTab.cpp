#include "desktop/notebook/NotebookTab.h"

#include "charts/StatisticsChart.h"
#include "desktop/charts/DisplayListView.h"
#include "desktop/pages/GbkBridge.h"
#include "desktop/pages/PrintedPage.h"
#include "desktop/pages/TextBoxFont.h"
#include "maker/ProblemMaker.h"
#include "marking/MarkWorking.h"
#include "pages/Headless.h"
#include "pages/TypeTable.h"

#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QVBoxLayout>

#include <set>

namespace qimbel {

namespace {

int TodayOfClock()
{
    const QDate d = QDate::currentDate();
    return DayOfDate(d.year(), d.month(), d.day());
}

QString TypeName(int type)
{
    const ProblemType *row = FindProblemType(type);
    return row != nullptr && row->caption != nullptr && *row->caption != 0 ? FromGbk(row->caption)
                                                                           : QStringLiteral("第%1类").arg(type);
}

QString SlipOf(const NotebookEntry &e) { return FromGbk(SlipName(e)); }

QPushButton *Button(const QString &caption, const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

NotebookTab::NotebookTab(QWidget *parent)
    : QWidget(parent)
    , today_(TodayOfClock())
{
    setObjectName(QStringLiteral("page_notebook"));
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("notebook_status"));
    status_->setWordWrap(true);
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("notebook_message"));
    message_->setWordWrap(true);
    message_->hide();

    type_ = new QComboBox(this);
    type_->setObjectName(QStringLiteral("notebook_type"));
    slip_ = new QComboBox(this);
    slip_->setObjectName(QStringLiteral("notebook_slip"));
    date_ = new QComboBox(this);
    date_->setObjectName(QStringLiteral("notebook_date"));
    date_->addItem(QStringLiteral("全部日期"), -1);
    date_->addItem(QStringLiteral("最近一周"), 6);
    date_->addItem(QStringLiteral("最近一个月"), 29);
    auto *filters = new QHBoxLayout;
    filters->addWidget(new QLabel(QStringLiteral("题型："), this));
    filters->addWidget(type_, 1);
    filters->addWidget(new QLabel(QStringLiteral("错误："), this));
    filters->addWidget(slip_, 1);
    filters->addWidget(new QLabel(QStringLiteral("日期："), this));
    filters->addWidget(date_);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("notebook_list"));
    chart_ = new DisplayListView(this);
    chart_->setObjectName(QStringLiteral("notebook_chart"));
    chart_->setMinimumHeight(160);
    auto *left = new QSplitter(Qt::Vertical, this);
    left->addWidget(list_);
    left->addWidget(chart_);
    left->setStretchFactor(0, 3);
    left->setStretchFactor(1, 1);

    detail_ = new QPlainTextEdit(this);
    detail_->setObjectName(QStringLiteral("notebook_detail"));
    detail_->setReadOnly(true);
    // Worked solutions line up in columns, as in the pages' text box.
    detail_->setFont(TextBoxFont());
    detail_->setLineWrapMode(QPlainTextEdit::NoWrap);
    redo_ = new QPlainTextEdit(this);
    redo_->setObjectName(QStringLiteral("notebook_redo"));
    redo_->setFont(TextBoxFont());
    redo_->setPlaceholderText(QStringLiteral("重做：在这里一步一步写出解答，再按“批改”（Ctrl+Enter）。"));
    redoMark_ = Button(QStringLiteral("批改"), QStringLiteral("button_redo_mark"), this);
    auto *right = new QWidget(this);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(detail_, 3);
    rightLayout->addWidget(redo_, 1);
    rightLayout->addWidget(redoMark_, 0, Qt::AlignRight);

    auto *split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(left);
    split->addWidget(right);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);

    auto *buttons = new QHBoxLayout;
    QPushButton *redo = Button(QStringLiteral("重做"), QStringLiteral("button_redo"), this);
    QPushButton *similar = Button(QStringLiteral("举一反三"), QStringLiteral("button_similar"), this);
    QPushButton *remove = Button(QStringLiteral("删除"), QStringLiteral("button_delete"), this);
    QPushButton *print = Button(QStringLiteral("打印错题本"), QStringLiteral("button_print_notebook"), this);
    QPushButton *exportButton = Button(QStringLiteral("导出"), QStringLiteral("button_export"), this);
    QPushButton *importButton = Button(QStringLiteral("导入"), QStringLiteral("button_import"), this);
    for (QPushButton *b : {redo, similar, remove, print, exportButton, importButton})
        buttons->addWidget(b);
    buttons->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addWidget(message_);
    layout->addLayout(filters);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);

    for (QComboBox *box : {type_, slip_, date_})
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            if (!refreshing_)
                Refresh();
        });
    connect(list_, &QListWidget::currentRowChanged, this, [this] {
        if (!refreshing_)
            ShowSelected();
    });
    connect(redo, &QPushButton::clicked, this, [this] {
        if (const NotebookEntry *e = Selected()) {
            redo_->setPlainText(FromGbk(e->problem) + QLatin1Char('\n'));
            redo_->setFocus();
            redo_->moveCursor(QTextCursor::End);
        }
    });
    connect(redoMark_, &QPushButton::clicked, this, [this] {
        const NotebookEntry *e = Selected();
        if (e == nullptr)
            return;
        // The problem line is the entry's own; what the pupil typed below it is the working.
        QString working = redo_->toPlainText();
        const QString problem = FromGbk(e->problem);
        if (working.startsWith(problem))
            working = working.mid(problem.size());
        detail_->setPlainText(RedoSelected(working.trimmed()));
    });
    auto *markKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return), redo_);
    markKey->setContext(Qt::WidgetShortcut);
    connect(markKey, &QShortcut::activated, redoMark_, &QPushButton::click);
    connect(similar, &QPushButton::clicked, this, [this] { detail_->setPlainText(SimilarOfSelected()); });
    connect(remove, &QPushButton::clicked, this, &NotebookTab::DeleteSelected);
    connect(print, &QPushButton::clicked, this, &NotebookTab::Print);
    connect(exportButton, &QPushButton::clicked, this, &NotebookTab::AskExport);
    connect(importButton, &QPushButton::clicked, this, &NotebookTab::AskImport);
    Refresh();
}

void NotebookTab::OpenFile(const QString &path)
{
    const StoreStatus status = store_.Open(path);
    if (!status.ok()) {
        // The entries of this run stay in memory.
        book_ = std::make_unique<Notebook>();
        Say(FromGbk(status.message));
    } else if (book_ = std::make_unique<Notebook>(&store_); !book_->Open()) {
        Say(FromGbk(book_->LastError()));
    }
    Refresh();
}

void NotebookTab::SetToday(int day)
{
    today_ = day;
    Refresh();
}

void NotebookTab::Say(const QString &message)
{
    message_->setText(message);
    message_->setVisible(!message.isEmpty());
    emit StatusMessage(message);
}

int NotebookTab::AddMarked(int type, int level, const std::vector<MarkedProblem> &marked)
{
    int kept = 0;
    for (const MarkedProblem &problem : marked) {
        std::optional<NotebookEntry> entry = EntryOfMarked(type, level, problem, "");
        if (!entry)
            continue;
        entry->solution = WorkedSolutionOf(type, entry->problem);
        if (book_->Add(*entry, today_) == AddOutcome::Failed)
            Say(FromGbk(book_->LastError()));
        else
            ++kept;
    }
    if (kept > 0)
        Refresh();
    return kept;
}

NotebookFilter NotebookTab::Filter() const
{
    NotebookFilter filter;
    filter.type = type_->currentData().toInt();
    if (slip_->currentIndex() > 0)
        filter.slip = ToGbk(slip_->currentText());
    const int days = date_->currentData().toInt();
    if (days >= 0)
        filter.from = today_ - days;
    return filter;
}

void NotebookTab::Refresh()
{
    refreshing_ = true;
    const std::int64_t selected = Selected() != nullptr ? Selected()->id : 0;
    const NotebookStats stats = book_->Stats(today_);

    // The filters offer what the notebook holds; a choice stays while it is there.
    const int type = type_->currentData().toInt();
    const QString slip = slip_->currentIndex() > 0 ? slip_->currentText() : QString();
    type_->clear();
    type_->addItem(QStringLiteral("全部题型"), 0);
    for (const auto &[t, count] : stats.byType)
        type_->addItem(QStringLiteral("%1（%2）").arg(TypeName(t)).arg(count), t);
    type_->setCurrentIndex(std::max(0, type_->findData(type)));
    slip_->clear();
    slip_->addItem(QStringLiteral("全部错误"));
    for (const auto &[s, count] : stats.bySlip)
        slip_->addItem(FromGbk(s));
    slip_->setCurrentIndex(std::max(0, slip_->findText(slip)));

    list_->clear();
    for (const NotebookEntry *e : book_->List(Filter(), today_)) {
        const int due = NextDue(*e);
        const QString when = due < 0 ? QStringLiteral("已掌握")
            : due <= today_          ? QStringLiteral("今天重做")
                                     : FromGbk(DateText(due)).mid(5) + QStringLiteral("重做");
        auto *item = new QListWidgetItem(QStringLiteral("【%1】%2  %3  错在第%4步：%5")
                                             .arg(when, FromGbk(e->problem), TypeName(e->type))
                                             .arg(e->wrongStep)
                                             .arg(SlipOf(*e)),
            list_);
        item->setData(Qt::UserRole, static_cast<qlonglong>(e->id));
    }
    refreshing_ = false;
    Select(selected);
    if (list_->currentRow() < 0 && list_->count() > 0)
        list_->setCurrentRow(0);
    ShowSelected();

    status_->setText(book_->Size() == 0
            ? QStringLiteral("错题本里还没有错题。在任何一页按“批改我的解答”或做“练一练”，做错的题会自动记到这里。")
            : QStringLiteral("今天要重做%1道，共%2道错题，已掌握%3道。")
                  .arg(stats.due)
                  .arg(stats.entries)
                  .arg(stats.mastered));

    // Slips by kind, as a bar chart of the statistics page.
    ChartTable table {{ToGbk(QStringLiteral("错误"))}, {ToGbk(QStringLiteral("题数"))}};
    for (const auto &[s, count] : stats.bySlip) {
        if (table[0].size() > static_cast<std::size_t>(kChartPlaces))
            break;
        table[0].push_back(s);
        table[1].push_back(std::to_string(count));
    }
    chart_->SetPictureSource([table, title = ToGbk(QStringLiteral("错误的种类"))](int width, int height) {
        return DrawTableChart(table, title, ChartType::Bar, width, height);
    });
    chart_->setVisible(!stats.bySlip.empty());
}

QString NotebookTab::StatusText() const { return status_->text(); }

QString NotebookTab::MessageText() const { return message_->text(); }

std::vector<std::int64_t> NotebookTab::ShownIds() const
{
    std::vector<std::int64_t> ids;
    for (int row = 0; row < list_->count(); ++row)
        ids.push_back(list_->item(row)->data(Qt::UserRole).toLongLong());
    return ids;
}

void NotebookTab::Select(std::int64_t id)
{
    for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->data(Qt::UserRole).toLongLong() == id)
            list_->setCurrentRow(row);
}

const NotebookEntry *NotebookTab::Selected() const
{
    const QListWidgetItem *item = list_->currentItem();
    return item != nullptr ? book_->Find(item->data(Qt::UserRole).toLongLong()) : nullptr;
}

void NotebookTab::ShowSelected()
{
    const NotebookEntry *e = Selected();
    redoMark_->setEnabled(e != nullptr);
    if (e == nullptr) {
        detail_->clear();
        return;
    }
    detail_->setPlainText(FromGbk(EntryText(*e))
        + QStringLiteral("\n第一次做错：%1，做错%2次，重做对%3次。")
              .arg(FromGbk(DateText(e->added)))
              .arg(e->wrongTries)
              .arg(e->rightTries));
}

QString NotebookTab::RedoSelected(const QString &working)
{
    const NotebookEntry *e = Selected();
    if (e == nullptr)
        return {};
    const std::int64_t id = e->id;
    const int type = e->type;
    Solver solver;
    const MarkedText marked = MarkWorking(solver, type, e->problem + "\r\n" + ToGbk(working));
    const bool right
        = marked.marked.size() == 1 && marked.marked[0].finished && marked.steps > 0 && marked.right == marked.steps;
    QString answer = FromGbk(marked.text);
    if (!book_->Redo(id, right, today_)) {
        Say(FromGbk(book_->LastError()));
    } else {
        const NotebookEntry &after = *book_->Find(id);
        answer += right
            ? (IsMastered(after) ? QStringLiteral("\n做对了！这道题已掌握。")
                                 : QStringLiteral("\n做对了！%1再重做一次。").arg(FromGbk(DateText(NextDue(after)))))
            : QStringLiteral("\n还有错，明天再重做一次。");
    }
    Refresh();
    Select(id);
    return answer;
}

QString NotebookTab::SimilarOfSelected()
{
    const NotebookEntry *e = Selected();
    if (e == nullptr)
        return {};
    const MadeProblems made = Similar(
        e->type, e->problem, 3, static_cast<std::uint64_t>(e->id) * 7919u + static_cast<std::uint64_t>(today_));
    if (made.problems.empty())
        return made.refusal.empty() ? QStringLiteral("这道题还出不了相似的题目。") : FromGbk(made.refusal);
    QString text = QStringLiteral("举一反三：和“%1”相似的题\n").arg(FromGbk(e->problem));
    int n = 0;
    for (const MadeProblem &p : made.problems)
        text += QStringLiteral("%1. %2\n").arg(++n).arg(FromGbk(p.line));
    return text;
}

void NotebookTab::DeleteSelected()
{
    const NotebookEntry *e = Selected();
    if (e == nullptr)
        return;
    if (!book_->Remove(e->id))
        Say(FromGbk(book_->LastError()));
    Refresh();
}

bool NotebookTab::ExportTo(const QString &path)
{
    QFile file(path);
    const std::string json = book_->ExportJson();
    const bool ok = file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(json.data(), static_cast<qint64>(json.size())) == static_cast<qint64>(json.size())
        && file.flush();
    Say(ok ? QStringLiteral("错题本已导出到 %1。").arg(path) : QStringLiteral("错题本没能导出到 %1。").arg(path));
    return ok;
}

bool NotebookTab::ImportFrom(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > 256 * 1024 * 1024) {
        Say(QStringLiteral("读不出 %1，错题本没有改动。").arg(path));
        return false;
    }
    const QByteArray bytes = file.readAll();
    const ImportOutcome outcome = book_->ImportJson(bytes.toStdString());
    Say(FromGbk(outcome.message));
    Refresh();
    return outcome.ok;
}

void NotebookTab::AskExport()
{
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("导出错题本"), QStringLiteral("错题本.json"), QStringLiteral("错题本 (*.json)"));
    if (!path.isEmpty())
        ExportTo(path);
}

void NotebookTab::AskImport()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("导入错题本"), QString(), QStringLiteral("错题本 (*.json)"));
    if (!path.isEmpty())
        ImportFrom(path);
}

void NotebookTab::Print()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    PrintOn(printer, QStringLiteral("错题本"),
        FromGbk(NotebookPaper(book_->List(Filter(), today_), static_cast<std::uint64_t>(today_))));
}

bool NotebookTab::PrintToPdf(const QString &path)
{
    return ExportPdf(path, QStringLiteral("错题本"),
        FromGbk(NotebookPaper(book_->List(Filter(), today_), static_cast<std::uint64_t>(today_))));
}

} // namespace qimbel
