#include "pages/ProblemPageWidget.h"

#include "pages/BusyCursorGuard.h"
#include "pages/GbkBridge.h"
#include "pages/ProblemPage.h"
#include "pages/TextBoxFont.h"
#include "pages/TypeTable.h"
#include "tools/SymbolPalette.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace qimbel {

namespace {

constexpr int kTypeColumnWidth = 150;
constexpr int kSideColumnWidth = 200;

QCheckBox *AddCheckBox(QWidget *parent, const QString &label, int id)
{
    auto *box = new QCheckBox(label, parent);
    box->setObjectName(QStringLiteral("check_%1").arg(id));
    return box;
}

} // namespace

ProblemPageWidget::ProblemPageWidget(ProblemPage &model, QWidget *parent)
    : QWidget(parent)
    , model_(model)
{
    setObjectName(QStringLiteral("page_%1").arg(model_.Page()));

    // Left: the problem types of the page.
    auto *typeColumn = new QWidget(this);
    typeColumn->setFixedWidth(kTypeColumnWidth);
    BuildTypeColumn(typeColumn);

    // Middle: title, text box, and the buttons that work on the text box.
    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("label_1263"));
    title_->setAlignment(Qt::AlignCenter);
    title_->setTextFormat(Qt::PlainText);
    QFont titleFont = title_->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 3);
    title_->setFont(titleFont);

    edit_ = new QPlainTextEdit(this);
    edit_->setObjectName(QStringLiteral("edit_1004"));
    edit_->setFont(TextBoxFont());
    new TwoColumnSpacing(edit_->document(), edit_->font()); // owned by the document
    edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    edit_->setTabChangesFocus(true);

    QPushButton *insert = AddButton(this, QStringLiteral("插入标准符号"), 1231, {});
    QPushButton *clear = AddButton(this, QStringLiteral("清空"), 1293, {});
    QPushButton *check = AddButton(this, QStringLiteral("先进行算式检测"), 1039, {});
    compute_ = AddButton(this, QStringLiteral("再进行运算操作"), 1006, {});

    auto *actionRow = new QHBoxLayout;
    actionRow->addWidget(insert);
    actionRow->addWidget(clear);
    actionRow->addStretch();
    actionRow->addWidget(check);
    actionRow->addWidget(compute_);

    auto *middle = new QVBoxLayout;
    middle->addWidget(title_);
    middle->addWidget(edit_, 1);
    middle->addLayout(actionRow);

    // Right: summary, option boxes, example and the two buttons without action.
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("label_1216"));
    summary_->setTextFormat(Qt::PlainText);
    summary_->setWordWrap(true);
    summary_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    summary_->setMargin(6);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A summary longer than its panel scrolls instead of stretching the page or being cut off.
    auto *summaryPanel = new QScrollArea(this);
    summaryPanel->setWidget(summary_);
    summaryPanel->setWidgetResizable(true);
    summaryPanel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    summaryPanel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    summaryPanel->setBackgroundRole(QPalette::Base);

    auto *side = new QVBoxLayout;
    side->addWidget(summaryPanel, 1);

    if (model_.Page() == kPage134) {
        // The factorisation methods; nothing reads the choice.
        auto *methods = new QGroupBox(QStringLiteral("因式分解方法"), this);
        methods->setObjectName(QStringLiteral("methods"));
        auto *grid = new QGridLayout(methods);
        const char *const names[]
            = {"提公因法", "应用公式法", "分组分解法", "十字相乘法", "配方法", "求根法", "待定系数法", "综合处理"};
        int n = 0;
        for (const char *name : names) {
            auto *radio = new QRadioButton(QString::fromUtf8(name), methods);
            radio->setObjectName(QStringLiteral("method_%1").arg(n + 1));
            grid->addWidget(radio, n / 2, n % 2);
            ++n;
        }
        side->addWidget(methods);
    }

    showIntro_ = AddCheckBox(this, QStringLiteral("显示简介"), 1015);
    showResult_ = AddCheckBox(this, QStringLiteral("运算结果"), 1259);
    showResult_->setEnabled(false);
    showWorking_ = AddCheckBox(this, QStringLiteral("运算过程"), 1260);
    showExplain_ = AddCheckBox(this, QStringLiteral("运算说明"), 1261);
    auto *options = new QGridLayout;
    options->addWidget(showIntro_, 0, 0);
    options->addWidget(showResult_, 0, 1);
    options->addWidget(showWorking_, 1, 0);
    options->addWidget(showExplain_, 1, 1);
    side->addLayout(options);

    QPushButton *example = AddButton(this, QStringLiteral("示例"), 1094, {});
    QPushButton *help = AddButton(this, QStringLiteral("帮助"), 1013, {});
    QPushButton *about = AddButton(this, QStringLiteral("关于"), 1014, {});
    auto *helpRow = new QHBoxLayout;
    helpRow->addWidget(example);
    helpRow->addWidget(help);
    helpRow->addWidget(about);
    side->addLayout(helpRow);

    auto *sideColumn = new QWidget(this);
    sideColumn->setFixedWidth(kSideColumnWidth);
    side->setContentsMargins(0, 0, 0, 0);
    sideColumn->setLayout(side);

    auto *page = new QHBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->setSpacing(10);
    page->addWidget(typeColumn);
    page->addLayout(middle, 1);
    page->addWidget(sideColumn);

    connect(check, &QPushButton::clicked, this, [this] { Run([this] { model_.Check(); }); });
    connect(compute_, &QPushButton::clicked, this, [this] {
        // The text box is written once, after the last line; a long compute shows the busy cursor.
        BusyCursorGuard busy;
        Run([this, &busy] {
            model_.Compute([&busy] { busy.Tick(); });
            // Laying out a long text takes a moment of its own: about 0.1 s per 256 KB here.
            if (model_.EditText().size() > 256 * 1024)
                busy.Show();
        });
    });
    connect(clear, &QPushButton::clicked, this, [this] { Run([this] { model_.Clear(); }); });
    connect(example, &QPushButton::clicked, this, [this] { Run([this] { model_.Example(); }); });
    connect(insert, &QPushButton::clicked, this, [this] { OpenSymbolPalette(); });
    // 帮助 and 关于 on the page have no action.

    WriteToScreen();
}

QPushButton *ProblemPageWidget::AddButton(QWidget *parent, const QString &caption, int id, const QString &name)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name.isEmpty() ? QStringLiteral("button_%1").arg(id) : name);
    button->setAutoDefault(false);
    return button;
}

void ProblemPageWidget::BuildTypeColumn(QWidget *column)
{
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    if (model_.Page() == kPage131) {
        // The word-problem page chooses no type: its first button only refreshes the page.
        QPushButton *formulas = AddButton(column, QStringLiteral("公式应用题"), 1103, {});
        connect(formulas, &QPushButton::clicked, this, [this] { Run([] {}); });
        layout->addWidget(formulas);
        QPushButton *patterns = AddButton(column, QStringLiteral("根据要求找规律"), 1158, {});
        patterns->setEnabled(false);
        layout->addWidget(patterns);
    }

    for (const ProblemType *row : TypesOfPage(model_.Page())) {
        const int type = row->type;
        QPushButton *button = AddButton(
            column, FromGbk(row->caption), row->buttonId, QStringLiteral("type_%1_%2").arg(type).arg(row->buttonId));
        button->setEnabled(row->enabled);
        connect(button, &QPushButton::clicked, this, [this, type] { Run([this, type] { model_.ChooseType(type); }); });
        layout->addWidget(button);
    }

    if (model_.Page() == kPage129) {
        QPushButton *mixed = AddButton(column, QStringLiteral("算式计算与填空"), 1082, {});
        mixed->setEnabled(false);
        layout->addWidget(mixed);
    }
    layout->addStretch();
}

template <class Handler> void ProblemPageWidget::Run(Handler handler)
{
    ReadFromScreen();
    handler();
    WriteToScreen();
}

void ProblemPageWidget::ReadFromScreen()
{
    model_.SetEditText(ToGbk(edit_->toPlainText()));
    PageOptions options;
    options.showIntro = showIntro_->isChecked();
    options.showResult = showResult_->isChecked();
    options.showWorking = showWorking_->isChecked();
    options.showExplain = showExplain_->isChecked();
    model_.SetOptions(options);
}

void ProblemPageWidget::WriteToScreen()
{
    // Setting the same text again would throw away the caret, the scroll position and the undo
    // history, so the text box is only rewritten when the model changed its text.
    const QString text = FromGbk(model_.EditText());
    if (text != edit_->toPlainText())
        edit_->setPlainText(text);
    edit_->setEnabled(model_.EditEnabled());
    title_->setText(FromGbk(model_.Title()));
    summary_->setText(FromGbk(model_.Summary()));
    compute_->setEnabled(model_.ComputeEnabled());
    const PageOptions &options = model_.Options();
    showIntro_->setChecked(options.showIntro);
    showResult_->setChecked(options.showResult);
    showWorking_->setChecked(options.showWorking);
    showExplain_->setChecked(options.showExplain);
}

void ProblemPageWidget::InsertSymbols(const QString &selection)
{
    Run([this, &selection] { model_.AppendSymbols(ToGbk(selection)); });
}

void ProblemPageWidget::OpenSymbolPalette()
{
    SymbolPalette palette(this);
    if (palette.exec() == QDialog::Accepted)
        InsertSymbols(palette.Selection());
}

} // namespace qimbel
