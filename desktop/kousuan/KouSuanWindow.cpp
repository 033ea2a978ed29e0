#include "desktop/kousuan/KouSuanWindow.h"

#include "notebook/Notebook.h"

#include "desktop/app/ProgramIcon.h"
#include "desktop/kousuan/SheetPrinter.h"
#include "desktop/pages/GbkBridge.h"
#include "desktop/pages/SaveFolder.h"
#include "generators/KouSuanSheet.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace qimbel::kousuan {

namespace {

constexpr int kRanges[] = {10, 20, 100, 1000};
// The longest answer a pupil can type into a box: enough for any quotient and remainder.
constexpr int kAnswerLength = 20;

// Problems per row of the sheet on screen.
constexpr int kScreenColumns = 3;

enum StackPage { kEmptyPage, kOneByOnePage, kSheetPage, kReportPage };

const char kRightStyle[] = "background: #d8f5d0;";
const char kWrongStyle[] = "background: #ffd6d6;";

QString Clock(long long seconds) { return QStringLiteral("用时：") + FromGbk(TimeText(seconds)); }

} // namespace

KouSuanWindow::KouSuanWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("kousuan"));
    setWindowTitle(QStringLiteral("口算练习生成器"));
    auto *layout = new QHBoxLayout(this);
    auto *left = new QWidget(this);
    auto *right = new QWidget(this);
    BuildOptions(left);
    BuildPractice(right);
    layout->addWidget(left);
    layout->addWidget(right, 1);

    ticker_ = new QTimer(this);
    ticker_->setInterval(1000);
    connect(ticker_, &QTimer::timeout, this, &KouSuanWindow::Tick);
    // The settings and a sheet of problems side by side, on any screen; the program's icon.
    setWindowIcon(ProgramIcon());
    QSize size(1000, 680);
    if (const QScreen *screen = this->screen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    resize(size);
}

void KouSuanWindow::BuildOptions(QWidget *panel)
{
    auto *layout = new QVBoxLayout(panel);
    auto *box = new QGroupBox(QStringLiteral("题目设置"), panel);
    auto *form = new QFormLayout(box);

    auto *ops = new QWidget(box);
    auto *opsLayout = new QGridLayout(ops);
    opsLayout->setContentsMargins(0, 0, 0, 0);
    add_ = new QCheckBox(QStringLiteral("加法"), ops);
    sub_ = new QCheckBox(QStringLiteral("减法"), ops);
    mul_ = new QCheckBox(QStringLiteral("乘法"), ops);
    div_ = new QCheckBox(QStringLiteral("除法"), ops);
    opsLayout->addWidget(add_, 0, 0);
    opsLayout->addWidget(sub_, 0, 1);
    opsLayout->addWidget(mul_, 1, 0);
    opsLayout->addWidget(div_, 1, 1);
    form->addRow(QStringLiteral("运算："), ops);

    range_ = new QComboBox(box);
    for (int range : kRanges)
        range_->addItem(QStringLiteral("%1以内").arg(range), range);
    form->addRow(QStringLiteral("数的范围："), range_);

    table_ = new QComboBox(box);
    table_->addItem(QStringLiteral("按数的范围"), 0);
    for (int t = 1; t <= 9; ++t)
        table_->addItem(QStringLiteral("表内乘除，1到%1的口诀").arg(t), t);
    table_->setToolTip(QStringLiteral("选口诀时，乘法的一个因数（除法的除数或商）不超过所选的数，另一个不超过9。"));
    form->addRow(QStringLiteral("乘法和除法："), table_);

    count_ = new QSpinBox(box);
    count_->setRange(10, 200);
    form->addRow(QStringLiteral("题数："), count_);

    blank_ = new QComboBox(box);
    blank_->addItem(QStringLiteral("a＋b＝(  )"));
    blank_->addItem(QStringLiteral("a＋(  )＝c"));
    blank_->addItem(QStringLiteral("两种都有"));
    form->addRow(QStringLiteral("填空形式："), blank_);

    negative_ = new QCheckBox(QStringLiteral("结果可以是负数（低年级不要选）"), box);
    remainder_ = new QCheckBox(QStringLiteral("除法可以有余数"), box);
    form->addRow(negative_);
    form->addRow(remainder_);

    seed_ = new QSpinBox(box);
    seed_->setRange(1, 999999);
    seed_->setToolTip(QStringLiteral("同一个编号和同样的设置出同样的题，可以把一张卷子再做一遍。"));
    form->addRow(QStringLiteral("练习编号："), seed_);

    oneByOne_ = new QRadioButton(QStringLiteral("一题一题做"), box);
    wholeSheet_ = new QRadioButton(QStringLiteral("整张一起做"), box);
    oneByOne_->setChecked(true);
    form->addRow(QStringLiteral("练习方式："), oneByOne_);
    form->addRow(QString(), wholeSheet_);
    layout->addWidget(box);

    auto *generate = new QPushButton(QStringLiteral("出题并开始练习"), panel);
    generate->setObjectName(QStringLiteral("generate"));
    exportPdf_ = new QPushButton(QStringLiteral("导出PDF（练习卷和答案）…"), panel);
    exportPdf_->setObjectName(QStringLiteral("export_pdf"));
    print_ = new QPushButton(QStringLiteral("打印…"), panel);
    print_->setObjectName(QStringLiteral("print"));
    auto *help = new QPushButton(QStringLiteral("帮助"), panel);
    exportPdf_->setEnabled(false);
    print_->setEnabled(false);
    for (QPushButton *button : {generate, exportPdf_, print_, help})
        layout->addWidget(button);
    layout->addStretch(1);

    connect(generate, &QPushButton::clicked, this, &KouSuanWindow::Generate);
    connect(exportPdf_, &QPushButton::clicked, this, &KouSuanWindow::AskExport);
    connect(print_, &QPushButton::clicked, this, &KouSuanWindow::AskPrint);
    connect(help, &QPushButton::clicked, this, &KouSuanWindow::ShowHelp);

    Options start;
    start.seed = static_cast<std::uint64_t>(QDateTime::currentSecsSinceEpoch() % 999999 + 1);
    SetOptions(start);
}

void KouSuanWindow::BuildPractice(QWidget *panel)
{
    auto *layout = new QVBoxLayout(panel);
    auto *status = new QHBoxLayout;
    progress_ = new QLabel(panel);
    clock_ = new QLabel(Clock(0), panel);
    clock_->setObjectName(QStringLiteral("clock"));
    status->addWidget(progress_, 1);
    status->addWidget(clock_);
    layout->addLayout(status);

    stack_ = new QStackedWidget(panel);
    layout->addWidget(stack_, 1);

    auto *empty = new QLabel(QStringLiteral("在左边选好题目，按“出题并开始练习”。"), stack_);
    empty->setAlignment(Qt::AlignCenter);
    stack_->addWidget(empty);

    auto *one = new QWidget(stack_);
    auto *oneLayout = new QVBoxLayout(one);
    question_ = new QLabel(one);
    question_->setObjectName(QStringLiteral("question"));
    QFont big = question_->font();
    big.setPointSize(big.pointSize() * 3);
    question_->setFont(big);
    question_->setAlignment(Qt::AlignCenter);
    answer_ = new QLineEdit(one);
    answer_->setObjectName(QStringLiteral("answer"));
    answer_->setFont(big);
    answer_->setMaxLength(kAnswerLength);
    answer_->setAlignment(Qt::AlignCenter);
    answer_->setMaximumWidth(360);
    answer_->setPlaceholderText(QStringLiteral("写好答案按回车；有余数写成 3……2 或 3 2"));
    feedback_ = new QLabel(one);
    feedback_->setAlignment(Qt::AlignCenter);
    feedback_->setObjectName(QStringLiteral("feedback"));
    auto *buttons = new QHBoxLayout;
    auto *confirm = new QPushButton(QStringLiteral("确定"), one);
    next_ = new QPushButton(QStringLiteral("下一题"), one);
    auto *finish = new QPushButton(QStringLiteral("结束练习"), one);
    buttons->addStretch(1);
    for (QPushButton *button : {confirm, next_, finish})
        buttons->addWidget(button);
    buttons->addStretch(1);
    oneLayout->addStretch(1);
    oneLayout->addWidget(question_);
    oneLayout->addWidget(answer_, 0, Qt::AlignHCenter);
    oneLayout->addWidget(feedback_);
    oneLayout->addLayout(buttons);
    oneLayout->addStretch(2);
    stack_->addWidget(one);
    connect(answer_, &QLineEdit::returnPressed, this, [this] { AnswerCurrent(answer_->text()); });
    connect(confirm, &QPushButton::clicked, this, [this] { AnswerCurrent(answer_->text()); });
    connect(next_, &QPushButton::clicked, this, &KouSuanWindow::NextProblem);
    connect(finish, &QPushButton::clicked, this, &KouSuanWindow::Finish);

    auto *sheetPage = new QWidget(stack_);
    auto *sheetLayout = new QVBoxLayout(sheetPage);
    auto *scroll = new QScrollArea(sheetPage);
    scroll->setWidgetResizable(true);
    sheet_ = new QWidget(scroll);
    sheetGrid_ = new QGridLayout(sheet_);
    scroll->setWidget(sheet_);
    sheetLayout->addWidget(scroll, 1);
    auto *sheetButtons = new QHBoxLayout;
    auto *check = new QPushButton(QStringLiteral("检查（做错的标红，可以改）"), sheetPage);
    check->setObjectName(QStringLiteral("check"));
    auto *hand = new QPushButton(QStringLiteral("交卷"), sheetPage);
    hand->setObjectName(QStringLiteral("hand_in"));
    sheetButtons->addStretch(1);
    sheetButtons->addWidget(check);
    sheetButtons->addWidget(hand);
    sheetLayout->addLayout(sheetButtons);
    stack_->addWidget(sheetPage);
    connect(check, &QPushButton::clicked, this, &KouSuanWindow::CheckSheet);
    connect(hand, &QPushButton::clicked, this, [this] {
        CheckSheet();
        Finish();
    });

    auto *reportPage = new QWidget(stack_);
    auto *reportLayout = new QVBoxLayout(reportPage);
    report_ = new QPlainTextEdit(reportPage);
    report_->setObjectName(QStringLiteral("report"));
    report_->setReadOnly(true);
    QFont reportFont = report_->font();
    reportFont.setPointSizeF(reportFont.pointSizeF() * 1.4);
    report_->setFont(reportFont);
    retry_ = new QPushButton(QStringLiteral("重做还没做对的题"), reportPage);
    retry_->setObjectName(QStringLiteral("retry"));
    reportLayout->addWidget(report_, 1);
    reportLayout->addWidget(retry_);
    stack_->addWidget(reportPage);
    connect(retry_, &QPushButton::clicked, this, &KouSuanWindow::RetryWrong);
}

Options KouSuanWindow::CurrentOptions() const
{
    Options o;
    o.add = add_->isChecked();
    o.sub = sub_->isChecked();
    o.mul = mul_->isChecked();
    o.div = div_->isChecked();
    o.range = range_->currentData().toInt();
    o.table = table_->currentData().toInt();
    o.count = count_->value();
    o.blank = static_cast<BlankChoice>(blank_->currentIndex());
    o.negative = negative_->isChecked();
    o.remainder = remainder_->isChecked();
    o.seed = static_cast<std::uint64_t>(seed_->value());
    return o;
}

void KouSuanWindow::SetOptions(const Options &o)
{
    add_->setChecked(o.add);
    sub_->setChecked(o.sub);
    mul_->setChecked(o.mul);
    div_->setChecked(o.div);
    range_->setCurrentIndex(range_->findData(RangeOf(o)));
    table_->setCurrentIndex(TableOf(o));
    count_->setValue(CountOf(o));
    blank_->setCurrentIndex(static_cast<int>(o.blank));
    negative_->setChecked(o.negative);
    remainder_->setChecked(o.remainder);
    seed_->setValue(static_cast<int>(std::clamp<std::uint64_t>(o.seed, 1, 999999)));
}

void KouSuanWindow::SetSheetMode(bool sheet)
{
    if (sheet)
        wholeSheet_->setChecked(true);
    else
        oneByOne_->setChecked(true);
}

void KouSuanWindow::Generate()
{
    options_ = CurrentOptions();
    practice_ = std::make_unique<Practice>(kousuan::Generate(options_));
    exportPdf_->setEnabled(true);
    print_->setEnabled(true);
    seconds_ = 0;
    stoppedMs_ = 0;
    elapsed_.start();
    running_ = true;
    ticker_->start();
    clock_->setText(Clock(0));

    given_.clear();
    order_.clear();
    position_ = 0;
    sheetRound_ = wholeSheet_->isChecked();
    if (sheetRound_) {
        BuildSheet();
        if (!sheetAnswers_.empty())
            sheetAnswers_.front()->setFocus();
        return;
    }
    order_.clear();
    for (std::size_t i = 0; i < practice_->Count(); ++i)
        order_.push_back(i);
    position_ = 0;
    ShowCurrent();
}

void KouSuanWindow::BuildSheet()
{
    for (QLineEdit *edit : sheetAnswers_)
        edit->parentWidget()->deleteLater();
    sheetAnswers_.clear();
    QLayoutItem *item = nullptr;
    while ((item = sheetGrid_->takeAt(0)) != nullptr)
        delete item;
    const std::vector<Problem> &problems = practice_->Problems();
    for (std::size_t i = 0; i < problems.size(); ++i) {
        auto *cell = new QWidget(sheet_);
        auto *row = new QHBoxLayout(cell);
        row->setContentsMargins(4, 2, 4, 2);
        auto *label = new QLabel(QStringLiteral("%1. ").arg(i + 1) + FromGbk(QuestionText(problems[i])), cell);
        auto *edit = new QLineEdit(cell);
        edit->setObjectName(QStringLiteral("answer_%1").arg(i));
        edit->setMaxLength(kAnswerLength);
        edit->setFixedWidth(80);
        row->addWidget(label, 1);
        row->addWidget(edit);
        // Enter goes on to the next box, as on a paper sheet.
        connect(edit, &QLineEdit::returnPressed, this, [this, i] {
            if (i + 1 < sheetAnswers_.size())
                sheetAnswers_[i + 1]->setFocus();
        });
        sheetGrid_->addWidget(cell, static_cast<int>(i / kScreenColumns), static_cast<int>(i % kScreenColumns));
        sheetAnswers_.push_back(edit);
    }
    progress_->setText(QStringLiteral("共%1题：全部写好后按“交卷”。").arg(problems.size()));
    stack_->setCurrentIndex(kSheetPage);
}

void KouSuanWindow::ShowCurrent()
{
    if (practice_ == nullptr || position_ >= order_.size()) {
        Finish();
        return;
    }
    const std::size_t i = order_[position_];
    question_->setText(FromGbk(QuestionText(practice_->Problems()[i])));
    answer_->clear();
    answer_->setStyleSheet(QString());
    feedback_->clear();
    progress_->setText(QStringLiteral("第%1题（这一轮%2/%3）").arg(i + 1).arg(position_ + 1).arg(order_.size()));
    stack_->setCurrentIndex(kOneByOnePage);
    answer_->setFocus();
}

void KouSuanWindow::AnswerCurrent(const QString &typed)
{
    if (practice_ == nullptr || position_ >= order_.size() || stack_->currentIndex() != kOneByOnePage)
        return;
    const Verdict verdict = practice_->Answer(order_[position_], ToGbk(typed));
    if (verdict != Verdict::Unreadable)
        given_.push_back({order_[position_], ToGbk(typed)});
    switch (verdict) {
    case Verdict::Right:
        ++position_;
        ShowCurrent();
        if (position_ < order_.size())
            feedback_->setText(QStringLiteral("上一题做对了！"));
        return;
    case Verdict::Wrong:
        KeepWrong(order_[position_], typed);
        answer_->setStyleSheet(QString::fromLatin1(kWrongStyle));
        feedback_->setText(QStringLiteral("不对，再想一想，改好后再按回车；也可以按“下一题”。"));
        answer_->selectAll();
        return;
    case Verdict::Unreadable:
        feedback_->setText(QStringLiteral("请写一个数。"));
        return;
    }
}

void KouSuanWindow::SetNotebook(Notebook *notebook, int today)
{
    notebook_ = notebook;
    today_ = today;
}

// A wrong answer goes into the 错题本 as a problem of 四则混合运算, where it can be redone with
// its working.
void KouSuanWindow::KeepWrong(std::size_t index, const QString &typed)
{
    if (notebook_ == nullptr || index >= practice_->Count())
        return;
    const Problem &problem = practice_->Problems()[index];
    std::string question = QuestionText(problem);
    const std::string equals = ToGbk(QStringLiteral("＝"));
    while (question.size() >= equals.size()
        && question.compare(question.size() - equals.size(), equals.size(), equals) == 0)
        question.erase(question.size() - equals.size());
    NotebookEntry entry = EntryOfAnswer(8, question, ToGbk(typed.trimmed()), AnswerText(problem));
    notebook_->Add(entry, today_);
}

void KouSuanWindow::NextProblem()
{
    if (practice_ == nullptr || position_ >= order_.size())
        return;
    ++position_;
    ShowCurrent();
}

void KouSuanWindow::CheckSheet()
{
    if (practice_ == nullptr)
        return;
    for (std::size_t i = 0; i < sheetAnswers_.size(); ++i) {
        QLineEdit *edit = sheetAnswers_[i];
        if (practice_->RightNow(i) || edit->text().trimmed().isEmpty())
            continue;
        const Verdict verdict = practice_->Answer(i, ToGbk(edit->text()));
        if (verdict != Verdict::Unreadable)
            given_.push_back({i, ToGbk(edit->text())});
        if (verdict == Verdict::Right) {
            edit->setStyleSheet(QString::fromLatin1(kRightStyle));
            edit->setReadOnly(true);
        } else if (verdict == Verdict::Wrong) {
            KeepWrong(i, edit->text());
            edit->setStyleSheet(QString::fromLatin1(kWrongStyle));
        }
    }
}

void KouSuanWindow::Finish()
{
    if (practice_ == nullptr)
        return;
    Tick();
    if (running_)
        stoppedMs_ += elapsed_.elapsed();
    running_ = false;
    ticker_->stop();
    report_->setPlainText(FromGbk(practice_->Report(seconds_)));
    retry_->setEnabled(practice_->NextOpen(0) < practice_->Count());
    progress_->setText(QStringLiteral("练习结束"));
    stack_->setCurrentIndex(kReportPage);
}

void KouSuanWindow::RetryWrong()
{
    if (practice_ == nullptr)
        return;
    order_.clear();
    for (std::size_t i = 0; i < practice_->Count(); ++i)
        if (!practice_->RightNow(i))
            order_.push_back(i);
    if (order_.empty())
        return;
    sheetRound_ = false;
    position_ = 0;
    elapsed_.start();
    running_ = true;
    ticker_->start();
    ShowCurrent();
}

void KouSuanWindow::Tick()
{
    if (!running_)
        return;
    // From the milliseconds, so that the ticks' own lateness never loses time.
    seconds_ = (stoppedMs_ + elapsed_.elapsed()) / 1000;
    clock_->setText(Clock(seconds_));
}

QString KouSuanWindow::ReportText() const { return report_->toPlainText(); }

KeptPractice KouSuanWindow::Kept() const
{
    KeptPractice kept;
    kept.options = options_;
    kept.wholeSheet = sheetRound_;
    kept.finished = stack_->currentIndex() == kReportPage;
    kept.milliseconds = stoppedMs_ + (running_ ? elapsed_.elapsed() : 0);
    kept.order = order_;
    kept.position = position_;
    kept.answers = given_;
    if (sheetRound_)
        for (const QLineEdit *edit : sheetAnswers_)
            kept.boxes.push_back(ToGbk(edit->text()));
    return kept;
}

bool KouSuanWindow::KeepPractice() const
{
    if (keptFile_.isEmpty())
        return true;
    // No practice: nothing to go on with next time.
    if (practice_ == nullptr)
        return !QFileInfo::exists(keptFile_) || QFile::remove(keptFile_);
    const std::string bytes = WriteKeptPractice(Kept());
    QDir().mkpath(QFileInfo(keptFile_).absolutePath());
    QSaveFile file(keptFile_);
    return file.open(QIODevice::WriteOnly)
        && file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size())
        && file.commit();
}

bool KouSuanWindow::RestorePractice()
{
    const QFileInfo info(keptFile_);
    QFile file(keptFile_);
    if (keptFile_.isEmpty() || !info.isFile() || info.size() > static_cast<qint64>(kLargestKeptPractice)
        || !file.open(QIODevice::ReadOnly))
        return false;
    const std::optional<KeptPractice> kept = ReadKeptPractice(file.readAll().toStdString());
    if (!kept)
        return false;
    SetOptions(kept->options);
    SetSheetMode(kept->wholeSheet);
    options_ = kept->options;
    practice_ = std::make_unique<Practice>(ReplayPractice(*kept));
    given_ = kept->answers;
    exportPdf_->setEnabled(true);
    print_->setEnabled(true);
    stoppedMs_ = kept->milliseconds;
    seconds_ = stoppedMs_ / 1000;
    clock_->setText(Clock(seconds_));
    order_ = kept->order;
    position_ = kept->position;
    sheetRound_ = kept->wholeSheet;
    if (kept->wholeSheet) {
        BuildSheet();
        // The boxes as they were, those already right kept and closed, the wrong ones marked.
        for (std::size_t i = 0; i < sheetAnswers_.size() && i < kept->boxes.size(); ++i) {
            QLineEdit *edit = sheetAnswers_[i];
            edit->setText(FromGbk(kept->boxes[i]));
            if (practice_->RightNow(i)) {
                edit->setStyleSheet(QString::fromLatin1(kRightStyle));
                edit->setReadOnly(true);
            } else if (practice_->Tried(i)) {
                edit->setStyleSheet(QString::fromLatin1(kWrongStyle));
            }
        }
    }
    running_ = false;
    if (kept->finished) {
        Finish();
        return true;
    }
    elapsed_.start();
    running_ = true;
    ticker_->start();
    if (!kept->wholeSheet)
        ShowCurrent();
    return true;
}

void KouSuanWindow::closeEvent(QCloseEvent *event)
{
    // The practice goes on next time; when it cannot be kept the window still closes.
    KeepPractice();
    QWidget::closeEvent(event);
}

bool KouSuanWindow::ExportPdf(const QString &path)
{
    if (practice_ == nullptr)
        return false;
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setTitle(QStringLiteral("口算练习"));
    writer.setCreator(QStringLiteral("口算练习生成器"));
    return PrintProblems(writer, practice_->Problems(), options_.seed);
}

void KouSuanWindow::AskExport()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出PDF"),
        QDir(SaveFolder(SavedFile::Document)).filePath(QStringLiteral("口算练习-%1.pdf").arg(options_.seed)),
        QStringLiteral("PDF 文件 (*.pdf)"));
    if (path.isEmpty())
        return;
    RememberSaveFolder(SavedFile::Document, path);
    if (!ExportPdf(path))
        QMessageBox::warning(this, QStringLiteral("口算练习生成器"), QStringLiteral("无法写入文件：%1").arg(path));
}

void KouSuanWindow::AskPrint()
{
    if (practice_ == nullptr)
        return;
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!PrintProblems(printer, practice_->Problems(), options_.seed))
        QMessageBox::warning(this, QStringLiteral("口算练习生成器"), QStringLiteral("无法打印。"));
}

void KouSuanWindow::ShowHelp()
{
    QMessageBox::information(this, QStringLiteral("口算练习生成器 帮助"),
        QStringLiteral("口算练习生成器出加、减、乘、除的口算题，让学生在屏幕上练习，也可以打印成练习卷。\n\n"
                       "1. 在左边选运算、数的范围（10、20、100、1000以内，乘除也可以按口诀表）、题数（10到200）、"
                       "填空形式，以及结果能不能是负数、除法能不能有余数。\n"
                       "2. 按“出题并开始练习”。一题一题做时，写好答案按回车，做错的题会标红，可以再做；"
                       "整张一起做时，写好后按“检查”或“交卷”。有余数的题写成 3……2（或 3 2）。\n"
                       "3. 练习结束时显示做对的题数、用时和做错的题，可以“重做还没做对的题”。\n"
                       "4. “导出PDF”得到练习卷（有姓名、日期、得分栏）和另起一页的答案；“打印”直接送到打印机。\n\n"
                       "同一个练习编号和同样的设置总是出同样的题。"));
}

} // namespace qimbel::kousuan
