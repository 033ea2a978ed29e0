#include "desktop/pages/ProblemPageWidget.h"

#include "desktop/pages/BusyCursorGuard.h"
#include "desktop/pages/FlowLayout.h"
#include "desktop/pages/GbkBridge.h"
#include "desktop/pages/HelpWindow.h"
#include "desktop/pages/MakerBar.h"
#include "desktop/pages/PrintedPage.h"
#include "desktop/pages/SaveFolder.h"
#include "desktop/pages/TextBoxFont.h"
#include "desktop/pages/TypesetView.h"
#include "desktop/tools/SymbolPalette.h"
#include "maker/ProblemMaker.h"
#include "pages/ProblemPage.h"
#include "pages/Session.h"
#include "pages/TypeTable.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace qimbel {

namespace {

constexpr int kTypeColumnWidth = 150;
constexpr int kSideColumnWidth = 200;
// The room left of the title that balances the view buttons right of it.
constexpr int kTitleBalance = 120;

// Compute is greyed out until a check has been done; the tooltip says so.
const QString kCheckFirst = QStringLiteral("请先点击“先进行算式检测”");

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

    // Left: the problem types of the page, scrolling in a window too low for all of them.
    auto *typeColumn = new QWidget(this);
    typeColumn->setFixedWidth(kTypeColumnWidth);
    BuildTypeColumn(typeColumn);
    QScrollArea *typePanel = ColumnScroller(typeColumn, QStringLiteral("type_column"));

    // Middle: title, text box, and the buttons that work on the text box.
    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("label_1263"));
    title_->setAlignment(Qt::AlignCenter);
    title_->setTextFormat(Qt::PlainText);
    QFont titleFont = title_->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 3);
    title_->setFont(titleFont);
    // A long title wraps in a narrow window rather than pushing the buttons beside it off the page.
    title_->setWordWrap(true);
    title_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    title_->setMinimumWidth(60);

    edit_ = new QPlainTextEdit(this);
    edit_->setObjectName(QStringLiteral("edit_1004"));
    edit_->setFont(TextBoxFont());
    new TwoColumnSpacing(edit_->document(), edit_->font()); // owned by the document
    edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    edit_->setTabChangesFocus(true);

    QPushButton *insert = AddButton(this, QStringLiteral("插入标准符号(&I)"), 1231, {});
    QPushButton *clear = AddButton(this, QStringLiteral("清空(&L)"), 1293, {});
    QPushButton *check = AddButton(this, QStringLiteral("先进行算式检测(&C)"), 1039, {});
    compute_ = AddButton(this, QStringLiteral("再进行运算操作(&R)"), 1006, {});
    compute_->setToolTip(kCheckFirst);
    mark_ = AddButton(this, QStringLiteral("批改我的解答(&M)"), 0, QStringLiteral("button_mark"));
    // 一步一步: the last line checked at once, or the next move named.
    markLast_ = AddButton(this, QStringLiteral("下一步检查(&J)"), 0, QStringLiteral("button_mark_last"));
    hint_ = AddButton(this, QStringLiteral("提示(&T)"), 0, QStringLiteral("button_hint"));
    practice_ = AddButton(this, QStringLiteral("练一练"), 0, QStringLiteral("button_practice"));

    // The buttons wrap onto a second row in a narrow window; on a wide one check, compute and
    // mark stand at the right.
    auto *actionRow = new FlowLayout;
    actionRow->addWidget(insert);
    actionRow->addWidget(clear);
    actionRow->AddSpring();
    actionRow->addWidget(check);
    actionRow->addWidget(compute_);
    actionRow->addWidget(mark_);

    // 纯文本 and 课本排版: two views of one text box; the choice holds on every page for the run.
    typeset_ = new TypesetView(this);
    views_ = new QStackedWidget(this);
    views_->addWidget(edit_);
    views_->addWidget(typeset_);
    plainButton_ = new QToolButton(this);
    plainButton_->setObjectName(QStringLiteral("view_plain"));
    plainButton_->setText(QStringLiteral("纯文本"));
    typesetButton_ = new QToolButton(this);
    typesetButton_->setObjectName(QStringLiteral("view_typeset"));
    typesetButton_->setText(QStringLiteral("课本排版"));
    typesetButton_->setToolTip(QStringLiteral("分数、乘方、根号按课本的样子排版（只读，可复制）"));
    for (QToolButton *button : {plainButton_, typesetButton_}) {
        button->setCheckable(true);
        button->setAutoRaise(true);
    }
    connect(plainButton_, &QToolButton::clicked, this, [this] {
        SetTypesetWanted(false);
        ShowTypeset(false);
    });
    connect(typesetButton_, &QToolButton::clicked, this, [this] {
        SetTypesetWanted(true);
        ShowTypeset(true);
    });
    // Typing belongs to the plain text: a key typed on the typeset view goes there.
    connect(typeset_, &TypesetView::TypingStarted, this, [this](const QString &text) {
        if (!edit_->isEnabled())
            return;
        ShowTypeset(false);
        // At the end of the typed problems, before any old results (a check cuts those away).
        const QString all = edit_->toPlainText();
        const qsizetype results = all.indexOf(QStringLiteral("\n----"));
        QTextCursor cursor(edit_->document());
        cursor.setPosition(results >= 0 ? static_cast<int>(results) : static_cast<int>(all.size()));
        edit_->setTextCursor(cursor);
        edit_->setFocus();
        edit_->insertPlainText(text);
    });
    titleRow_ = new QHBoxLayout;
    QHBoxLayout *titleRow = titleRow_;
    // As wide as the buttons on the right, so the title stands in the middle; narrower in a narrow
    // window, where the title needs the room (FitTitleRow).
    titleSpacer_ = new QSpacerItem(kTitleBalance, 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
    titleRow->addSpacerItem(titleSpacer_);
    titleRow->addWidget(title_, 1);
    titleRow->addWidget(plainButton_);
    titleRow->addWidget(typesetButton_);
    // 练一练 sits above the text box: the row of action buttons is full at the smallest width.
    titleRow->addWidget(practice_);

    auto *middle = new QVBoxLayout;
    middle->addLayout(titleRow);
    middle->addWidget(views_, 1);
    middle->addLayout(actionRow);
    maker_ = new MakerBar(edit_, this);
    middle->addWidget(maker_);

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
        // The factorisation methods; the checked one goes to the model before every handler.
        methods_ = new QGroupBox(QStringLiteral("因式分解方法"), this);
        QGroupBox *methods = methods_;
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

    // 一步一步 stands above the example: the pupil works beside it one line at a time.
    auto *stepRow = new FlowLayout;
    stepRow->addWidget(markLast_);
    stepRow->addWidget(hint_);
    side->addLayout(stepRow);

    QPushButton *example = AddButton(this, QStringLiteral("示例(&E)"), 1094, {});
    QPushButton *help = AddButton(this, QStringLiteral("帮助(&H)"), 1013, {});
    QPushButton *about = AddButton(this, QStringLiteral("关于(&A)"), 1014, {});
    auto *helpRow = new FlowLayout;
    helpRow->addWidget(example);
    helpRow->addWidget(help);
    helpRow->addWidget(about);
    side->addLayout(helpRow);

    QPushButton *print = AddButton(this, QStringLiteral("打印(&P)"), 0, QStringLiteral("button_print"));
    QPushButton *pdf = AddButton(this, QStringLiteral("导出PDF(&D)"), 0, QStringLiteral("button_pdf"));
    auto *paperRow = new FlowLayout;
    paperRow->addWidget(print);
    paperRow->addWidget(pdf);
    side->addLayout(paperRow);

    auto *sideColumn = new QWidget(this);
    sideColumn->setFixedWidth(kSideColumnWidth);
    side->setContentsMargins(0, 0, 0, 0);
    sideColumn->setLayout(side);
    // In a low window the summary keeps a few lines and the whole column scrolls.
    summaryPanel->setMinimumHeight(120);
    QScrollArea *sidePanel = ColumnScroller(sideColumn, QStringLiteral("side_column"));

    auto *page = new QHBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->setSpacing(10);
    page->addWidget(typePanel);
    page->addLayout(middle, 1);
    page->addWidget(sidePanel);

    connect(check, &QPushButton::clicked, this, [this] {
        if (!RefusesTyped())
            Run([this] { model_.Check(); });
    });
    connect(compute_, &QPushButton::clicked, this, [this] {
        if (RefusesTyped())
            return;
        // The text box is written once, after the last line; a long compute shows the busy cursor.
        BusyCursorGuard busy;
        Run([this, &busy] {
            model_.Compute([&busy] { busy.Tick(); });
            // Laying out a long text takes a moment of its own: about 0.1 s per 256 KB here.
            if (model_.EditText().size() > 256 * 1024)
                busy.Show();
        });
    });
    connect(mark_, &QPushButton::clicked, this, [this] {
        if (RefusesTyped())
            return;
        Run([this] { model_.Mark(); });
        emit Marked();
    });
    connect(markLast_, &QPushButton::clicked, this, [this] { Run([this] { model_.MarkLast(); }); });
    connect(hint_, &QPushButton::clicked, this, [this] { Run([this] { model_.Hint(); }); });
    connect(practice_, &QPushButton::clicked, this, [this] {
        ReadFromScreen();
        emit PracticeRequested();
    });
    connect(clear, &QPushButton::clicked, this, [this] { Run([this] { model_.Clear(); }); });
    connect(example, &QPushButton::clicked, this, [this] { Run([this] { model_.Example(); }); });
    connect(insert, &QPushButton::clicked, this, [this] { OpenSymbolPalette(); });
    connect(help, &QPushButton::clicked, this, &ProblemPageWidget::ShowHelp);
    connect(about, &QPushButton::clicked, this, &ProblemPageWidget::AboutRequested);
    connect(print, &QPushButton::clicked, this, &ProblemPageWidget::Print);
    connect(pdf, &QPushButton::clicked, this, &ProblemPageWidget::AskAndExportPdf);
    for (const QKeySequence &keys : {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        auto *shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, &ProblemPageWidget::CheckAndCompute);
    }
    // Ctrl+Z and its partner work on the text box from anywhere on the page: after a button the
    // focus is on the button, and the pupil should not have to click back into the text first.
    // With the focus in the text box, the text box takes the keys itself.
    for (const QKeySequence::StandardKey key : {QKeySequence::Undo, QKeySequence::Redo}) {
        auto *shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, key] {
            if (key == QKeySequence::Undo)
                edit_->undo();
            else
                edit_->redo();
        });
    }
    connect(edit_, &QPlainTextEdit::textChanged, this, [this] {
        if (writing_)
            return;
        model_.NoteEdited(edit_->document()->isEmpty());
        UpdateStatus();
    });

    // The keyboard's way through the page: the types, the text, check, compute, then the rest.
    QList<QWidget *> order;
    for (QPushButton *button : typeColumn->findChildren<QPushButton *>(QString(), Qt::FindDirectChildrenOnly))
        order.append(button);
    order << edit_ << typeset_ << check << compute_ << mark_ << markLast_ << hint_ << plainButton_ << typesetButton_
          << insert << clear;
    if (methods_ != nullptr)
        for (QRadioButton *radio : methods_->findChildren<QRadioButton *>())
            order.append(radio);
    order << showIntro_ << showWorking_ << showExplain_ << example << help << about << print << pdf;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    WriteToScreen();
}

QScrollArea *ProblemPageWidget::ColumnScroller(QWidget *column, const QString &name)
{
    // Room for the scroll bar is kept, so that the column's buttons never lose width to it.
    auto *scroller = new QScrollArea(this);
    scroller->setObjectName(name);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroller->setWidgetResizable(true);
    scroller->setWidget(column);
    // The column on the page's own background, as it stood without the scroll area.
    column->setAutoFillBackground(false);
    scroller->viewport()->setAutoFillBackground(false);
    scroller->setFixedWidth(
        column->width() + scroller->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroller) + 2);
    return scroller;
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
        // 公式应用题 has no type number: it takes the page back to the word problems.
        QPushButton *formulas = AddButton(column, QStringLiteral("公式应用题"), 1103, {});
        connect(formulas, &QPushButton::clicked, this, [this] { Run([this] { model_.ShowWordProblems(); }); });
        layout->addWidget(formulas);
    }

    for (const ProblemType *row : TypesOfPage(model_.Page())) {
        const int type = row->type;
        QPushButton *button = AddButton(
            column, FromGbk(row->caption), row->buttonId, QStringLiteral("type_%1_%2").arg(type).arg(row->buttonId));
        button->setEnabled(row->enabled);
        button->setToolTip(FromGbk(TypeButtonTip(*row)));
        connect(button, &QPushButton::clicked, this, [this, type] {
            Run([this, type] { model_.ChooseType(type); });
            // The pupil goes on in the text box (and Ctrl+Z works there at once).
            edit_->setFocus();
        });
        layout->addWidget(button);
    }

    layout->addStretch();
}

template <class Handler> void ProblemPageWidget::Run(Handler handler)
{
    ReadFromScreen();
    handler();
    WriteToScreen();
    // The page's message boxes: no caption, an OK button.
    for (const std::string &message : model_.TakeMessages()) {
        QMessageBox box(QMessageBox::NoIcon, QString(), FromGbk(message), QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("message"));
        box.exec();
    }
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
    if (methods_ != nullptr) {
        // 1 提公因法 … 8 综合处理 in the order of the group; 8 when none is checked.
        int method = 8;
        for (int n = 1; n <= 8; ++n) {
            const auto *radio = methods_->findChild<QRadioButton *>(QStringLiteral("method_%1").arg(n));
            if (radio != nullptr && radio->isChecked()) {
                method = n;
                break;
            }
        }
        model_.SetFactorMethod(method);
    }
}

void ProblemPageWidget::WriteToScreen()
{
    ShowText(FromGbk(model_.EditText()));
    edit_->setEnabled(model_.EditEnabled());
    title_->setText(FromGbk(model_.Title()));
    FitTitleRow();
    summary_->setText(FromGbk(model_.Summary()));
    compute_->setEnabled(model_.ComputeEnabled());
    mark_->setEnabled(model_.MarkEnabled());
    practice_->setEnabled(model_.MarkEnabled() || CanMake(model_.Type()));
    mark_->setToolTip(model_.MarkEnabled()
            ? QStringLiteral("先写题目，再在下面每行写一步（算式以“＝”开头，方程每行一个），逐步批改")
            : QStringLiteral("这一类题目还不能批改"));
    markLast_->setEnabled(model_.MarkEnabled());
    markLast_->setToolTip(model_.MarkEnabled() ? QStringLiteral("只检查最后写的一步：和它前面的一行比较")
                                               : QStringLiteral("这一类题目还不能批改"));
    hint_->setEnabled(model_.MarkEnabled());
    hint_->setToolTip(model_.MarkEnabled() ? QStringLiteral("说出下一步该怎么做，但不替你做")
                                           : QStringLiteral("这一类题目还不能批改"));
    const PageOptions &options = model_.Options();
    showIntro_->setChecked(options.showIntro);
    showResult_->setChecked(options.showResult);
    showWorking_->setChecked(options.showWorking);
    showExplain_->setChecked(options.showExplain);
    UpdateExtras();
    FollowViewChoice();
}

bool ProblemPageWidget::TypesetShown() const { return views_->currentWidget() == typeset_; }

void ProblemPageWidget::ShowTypeset(bool typeset)
{
    if (typeset) {
        // The view keeps the line at the top of the text box at its own top.
        const int top = edit_->cursorForPosition(QPoint(0, 0)).blockNumber();
        typeset_->SetText(ToGbk(edit_->toPlainText()), ReadsDivisionAsFraction(CurrentType()));
        if (!TypesetShown())
            typeset_->ScrollToLine(top);
    } else if (TypesetShown()) {
        const QTextBlock block = edit_->document()->findBlockByNumber(typeset_->TopLine());
        if (block.isValid()) {
            QTextCursor cursor(block);
            edit_->setTextCursor(cursor);
            edit_->ensureCursorVisible();
        }
    }
    views_->setCurrentWidget(typeset ? static_cast<QWidget *>(typeset_) : edit_);
    plainButton_->setChecked(!typeset);
    typesetButton_->setChecked(typeset);
}

void ProblemPageWidget::FollowViewChoice() { ShowTypeset(TypesetWanted()); }

void ProblemPageWidget::FitTitleRow()
{
    // The balancing room goes first, so the title stays on one line as long as it can.
    const int buttons = plainButton_->sizeHint().width() + typesetButton_->sizeHint().width()
        + practice_->sizeHint().width() + 4 * titleRow_->spacing();
    const int title = title_->fontMetrics().horizontalAdvance(title_->text()) + 8;
    const int room = std::clamp(views_->width() - buttons - title, 0, kTitleBalance);
    if (room != titleSpacer_->sizeHint().width()) {
        titleSpacer_->changeSize(room, 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
        titleRow_->invalidate();
    }
}

void ProblemPageWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    FitTitleRow();
}

void ProblemPageWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    FollowViewChoice();
}

void ProblemPageWidget::ShowText(const QString &text)
{
    // Rewriting the same text would throw away the caret and the scroll position, so the text
    // box is only rewritten when the model changed its text. The change is one edit of the
    // document, so the pupil's undo history survives type buttons, check and compute.
    if (text == edit_->toPlainText())
        return;
    writing_ = true;
    QTextCursor cursor(edit_->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
    cursor.endEditBlock();
    edit_->moveCursor(QTextCursor::Start);
    writing_ = false;
}

void ProblemPageWidget::UpdateExtras()
{
    if (methods_ != nullptr)
        methods_->setVisible(CurrentType() == 22);
    maker_->SetType(CurrentType());
    // An open help window follows the type.
    if (help_ != nullptr && help_->isVisible())
        help_->SetHelp(model_.Page(), CurrentType());
    UpdateStatus();
}

void ProblemPageWidget::UpdateStatus()
{
    const QString hint = FromGbk(model_.StatusLine());
    if (hint != statusHint_) {
        statusHint_ = hint;
        emit StatusHintChanged(hint);
    }
}

bool ProblemPageWidget::RefusesTyped()
{
    const QString sentence = UnreadableCharacter(edit_->toPlainText());
    if (sentence.isEmpty())
        return false;
    // The text stays as typed, so the pupil can find the character and take it out.
    QMessageBox box(QMessageBox::NoIcon, QString(), sentence, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("message"));
    box.exec();
    return true;
}

void ProblemPageWidget::CheckAndCompute()
{
    if (RefusesTyped())
        return;
    Run([this] {
        model_.Check();
        model_.Compute();
    });
}

void ProblemPageWidget::ShowHelp()
{
    if (help_ == nullptr)
        help_ = new HelpWindow(this);
    help_->ShowHelp(model_.Page(), CurrentType());
}

bool ProblemPageWidget::ExportPdfTo(const QString &path) const
{
    // What is shown goes on paper.
    if (TypesetShown())
        return ExportTypesetPdf(
            path, title_->text(), ToGbk(edit_->toPlainText()), ReadsDivisionAsFraction(CurrentType()));
    return ExportPdf(path, title_->text(), edit_->toPlainText());
}

void ProblemPageWidget::Print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title_->text());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("打印"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (TypesetShown())
        PrintTypesetOn(printer, title_->text(), ToGbk(edit_->toPlainText()), ReadsDivisionAsFraction(CurrentType()));
    else
        PrintOn(printer, title_->text(), edit_->toPlainText());
}

void ProblemPageWidget::AskAndExportPdf()
{
    const QString suggested = QDir(SaveFolder(SavedFile::Document))
                                  .filePath((title_->text().isEmpty() ? QStringLiteral("Qimbel") : title_->text())
                                      + QStringLiteral(".pdf"));
    const QString path
        = QFileDialog::getSaveFileName(this, QStringLiteral("导出PDF"), suggested, QStringLiteral("PDF 文件 (*.pdf)"));
    if (path.isEmpty())
        return;
    RememberSaveFolder(SavedFile::Document, path);
    if (!ExportPdfTo(path))
        QMessageBox::warning(this, QStringLiteral("导出PDF"), QStringLiteral("无法写入文件：\n%1").arg(path));
}

void ProblemPageWidget::InsertSymbols(const QString &selection)
{
    // At the caret, in place of a selection, as typing would; one step for Ctrl+Z.
    if (!selection.isEmpty()) {
        QTextCursor cursor = edit_->textCursor();
        cursor.insertText(selection);
        edit_->setTextCursor(cursor);
    }
    edit_->setFocus();
}

void ProblemPageWidget::OpenSymbolPalette()
{
    SymbolPalette palette(this);
    if (palette.exec() == QDialog::Accepted)
        InsertSymbols(palette.Selection());
}

} // namespace qimbel
