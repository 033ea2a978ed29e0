#include "desktop/charts/FunctionGraphPage.h"

#include "charts/PageState.h"
#include "desktop/charts/DisplayListView.h"
#include "desktop/pages/GbkBridge.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <cmath>

namespace qimbel {

namespace {

// A formula such as x2＝－1 never breaks across two lines of the narrow side panel: a word joiner
// between two of its characters; lines still break at blanks, Chinese words and punctuation.
QString Unbroken(const QString &text)
{
    const auto formula = [](QChar c) {
        const char16_t u = c.unicode();
        return (u > 0x20 && u < 0x7f) || (u >= 0xFF0B && u <= 0xFF1E && u != 0xFF0C && u != 0xFF1A && u != 0xFF1B)
            || u == 0x00D7 || u == 0x00F7 || u == 0x221A || u == 0x00B2 || u == 0x00B3 || u == 0x2212;
    };
    QString out;
    out.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        out += text[i];
        if (i + 1 < text.size() && formula(text[i]) && formula(text[i + 1]))
            out += QChar(0x2060);
    }
    return out;
}

QPushButton *Button(const QString &text, const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

FunctionGraphPage::FunctionGraphPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("page_137"));

    picture_ = new DisplayListView(this);
    picture_->setObjectName(QStringLiteral("picture_graph"));
    picture_->setMinimumSize(300, 300);
    picture_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(picture_, &DisplayListView::PointerMoved, this, &FunctionGraphPage::ShowPointer);
    connect(picture_, &DisplayListView::Dragged, this, [this](int dx, int dy) {
        graph_.Pan(dx, dy);
        Refresh();
    });
    connect(picture_, &DisplayListView::WheelTurned, this, [this](int x, int y, int eighths) {
        graph_.ZoomAt(std::pow(1.25, eighths / 120.0), x, y);
        Refresh();
    });

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("label_status"));
    status_->setWordWrap(true);
    pointer_ = new QLabel(this);
    pointer_->setObjectName(QStringLiteral("label_pointer"));

    auto *caption = new QLabel(QStringLiteral("函数F(x)"), this);
    function_ = new QLineEdit(this);
    function_->setObjectName(QStringLiteral("edit_function"));
    function_->setPlaceholderText(QStringLiteral("如 y＝2x＋1、x²－2x－3、6/x"));
    caption->setBuddy(function_);
    auto *draw = Button(QStringLiteral("绘图"), QStringLiteral("button_draw"), this);
    auto *remove = Button(QStringLiteral("删除"), QStringLiteral("button_remove"), this);
    auto *clear = Button(QStringLiteral("清空"), QStringLiteral("button_clear"), this);
    auto *zoomIn = Button(QStringLiteral("放大"), QStringLiteral("button_zoom_in"), this);
    auto *zoomOut = Button(QStringLiteral("缩小"), QStringLiteral("button_zoom_out"), this);
    auto *reset = Button(QStringLiteral("复原"), QStringLiteral("button_reset"), this);
    auto *save = Button(QStringLiteral("保存图片"), QStringLiteral("button_save"), this);
    grid_ = new QCheckBox(QStringLiteral("网格"), this);
    grid_->setObjectName(QStringLiteral("check_grid"));
    grid_->setChecked(graph_.Grid());
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("list_functions"));
    list_->setMaximumHeight(130);
    auto *heading = new QLabel(QStringLiteral("函数的性质："), this);
    properties_ = new QPlainTextEdit(this);
    properties_->setObjectName(QStringLiteral("text_properties"));
    properties_->setReadOnly(true);

    connect(draw, &QPushButton::clicked, this, &FunctionGraphPage::Draw);
    connect(function_, &QLineEdit::returnPressed, this, &FunctionGraphPage::Draw);
    connect(remove, &QPushButton::clicked, this, &FunctionGraphPage::RemoveSelected);
    connect(clear, &QPushButton::clicked, this, &FunctionGraphPage::ClearAll);
    connect(zoomIn, &QPushButton::clicked, this, [this] {
        graph_.ZoomIn();
        Refresh();
    });
    connect(zoomOut, &QPushButton::clicked, this, [this] {
        graph_.ZoomOut();
        Refresh();
    });
    connect(reset, &QPushButton::clicked, this, [this] {
        graph_.Reset();
        Refresh();
    });
    connect(grid_, &QCheckBox::toggled, this, [this](bool on) {
        graph_.SetGrid(on);
        Refresh();
    });
    connect(save, &QPushButton::clicked, this, &FunctionGraphPage::Save);
    connect(list_, &QListWidget::itemChanged, this, &FunctionGraphPage::ItemChanged);

    auto *edits = new QHBoxLayout;
    edits->addWidget(draw);
    edits->addWidget(remove);
    edits->addWidget(clear);
    auto *zoom = new QHBoxLayout;
    zoom->addWidget(zoomIn);
    zoom->addWidget(zoomOut);
    zoom->addWidget(reset);
    auto *more = new QHBoxLayout;
    more->addWidget(grid_);
    more->addWidget(save);

    auto *side = new QVBoxLayout;
    side->addWidget(caption);
    side->addWidget(function_);
    side->addLayout(edits);
    side->addWidget(list_);
    side->addLayout(zoom);
    side->addLayout(more);
    side->addWidget(heading);
    side->addWidget(properties_, 1);

    auto *sideWidget = new QWidget(this);
    sideWidget->setLayout(side);
    sideWidget->setFixedWidth(340);
    side->setContentsMargins(0, 0, 0, 0);

    auto *layout = new QGridLayout(this);
    layout->addWidget(picture_, 0, 0);
    layout->addWidget(sideWidget, 0, 1);
    layout->addWidget(status_, 1, 0, 1, 2);
    layout->addWidget(pointer_, 2, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(0, 1);

    Refresh();
}

void FunctionGraphPage::Refresh()
{
    picture_->SetPictureSource([this](int width, int height) {
        graph_.Resize(width, height);
        return graph_.Picture();
    });
}

void FunctionGraphPage::Draw()
{
    const std::string error = graph_.Add(ToGbk(function_->text()));
    if (!error.empty()) {
        status_->setText(FromGbk(error));
        return;
    }
    // The list follows the model: a function listed before is checked again, not added twice.
    status_->setText(QStringLiteral("已画出图象。"));
    // The box is ready for the next function, which would otherwise be typed onto this one.
    function_->clear();
    ShowFunctions();
}

void FunctionGraphPage::ShowFunctions()
{
    {
        const QSignalBlocker quiet(list_);
        list_->clear();
        for (const GraphFunction &f : graph_.Functions()) {
            auto *item = new QListWidgetItem(FromGbk(f.shown), list_);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(f.visible ? Qt::Checked : Qt::Unchecked);
            item->setForeground(QColor(f.colour.r, f.colour.g, f.colour.b));
        }
    }
    {
        const QSignalBlocker quiet(grid_);
        grid_->setChecked(graph_.Grid());
    }
    properties_->setPlainText(Unbroken(FromGbk(graph_.Properties())));
    Refresh();
}

std::string FunctionGraphPage::KeptState() const { return WriteGraphState(graph_); }

bool FunctionGraphPage::RestoreKept(const std::string &bytes)
{
    if (!ReadGraphState(graph_, bytes))
        return false;
    ShowFunctions();
    return true;
}

void FunctionGraphPage::RemoveSelected()
{
    const int row = list_->currentRow();
    if (row < 0)
        return;
    graph_.Remove(row);
    {
        const QSignalBlocker quiet(list_);
        delete list_->takeItem(row);
    }
    properties_->setPlainText(Unbroken(FromGbk(graph_.Properties())));
    Refresh();
}

void FunctionGraphPage::ClearAll()
{
    graph_.Clear();
    {
        const QSignalBlocker quiet(list_);
        list_->clear();
    }
    properties_->clear();
    status_->clear();
    Refresh();
}

void FunctionGraphPage::ItemChanged(QListWidgetItem *item)
{
    graph_.SetVisible(list_->row(item), item->checkState() == Qt::Checked);
    properties_->setPlainText(Unbroken(FromGbk(graph_.Properties())));
    Refresh();
}

void FunctionGraphPage::Save() { SaveDisplayList(this, picture_->Picture(), QStringLiteral("函数图象.png")); }

void FunctionGraphPage::ShowPointer(int x, int y)
{
    if (x < 0) {
        pointer_->clear();
        graph_.ClearTrace();
        Refresh();
        return;
    }
    QString text = QStringLiteral("鼠标位置 ") + FromGbk(graph_.Position(x, y));
    const TracePoint trace = graph_.Trace(x, y);
    if (trace.found)
        text += QStringLiteral("　　") + FromGbk(trace.text);
    pointer_->setText(text);
    Refresh();
}

} // namespace qimbel
