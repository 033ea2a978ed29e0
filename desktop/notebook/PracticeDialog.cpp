#include "desktop/notebook/PracticeDialog.h"

#include "desktop/pages/GbkBridge.h"
#include "desktop/pages/TextBoxFont.h"
#include "pages/Practice.h"
#include "pages/TypeTable.h"

#include <QComboBox>
#include <QDateTime>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace qimbel {

namespace {

std::int64_t Now() { return QDateTime::currentSecsSinceEpoch(); }

QPushButton *Button(const QString &caption, const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

PracticeDialog::PracticeDialog(Practice &practice, int type, QWidget *parent)
    : QDialog(parent)
    , practice_(practice)
    , type_(type)
{
    setObjectName(QStringLiteral("dialog_practice"));
    const ProblemType *row = FindProblemType(type);
    setWindowTitle(
        QStringLiteral("练一练") + (row != nullptr ? QStringLiteral("：") + FromGbk(row->caption) : QString()));
    pages_ = new QStackedWidget(this);

    // The choice of level and count.
    auto *setup = new QWidget(pages_);
    auto *form = new QFormLayout(setup);
    level_ = new QComboBox(setup);
    level_->setObjectName(QStringLiteral("practice_level"));
    level_->addItems({QStringLiteral("基础"), QStringLiteral("提高"), QStringLiteral("拓展")});
    count_ = new QComboBox(setup);
    count_->setObjectName(QStringLiteral("practice_count"));
    for (int count : kPracticeCounts)
        count_->addItem(QStringLiteral("%1道").arg(count), count);
    refusal_ = new QLabel(setup);
    refusal_->setObjectName(QStringLiteral("practice_refusal"));
    refusal_->setWordWrap(true);
    QPushButton *start = Button(QStringLiteral("开始"), QStringLiteral("button_practice_start"), setup);
    form->addRow(QStringLiteral("难度："), level_);
    form->addRow(QStringLiteral("题数："), count_);
    form->addRow(refusal_);
    form->addRow(start);
    connect(start, &QPushButton::clicked, this,
        [this] { StartRound(level_->currentIndex(), count_->currentData().toInt()); });

    // One problem at a time.
    auto *work = new QWidget(pages_);
    auto *workLayout = new QVBoxLayout(work);
    progress_ = new QLabel(work);
    progress_->setObjectName(QStringLiteral("practice_progress"));
    problem_ = new QLabel(work);
    problem_->setObjectName(QStringLiteral("practice_problem"));
    problem_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont big = problem_->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    problem_->setFont(big);
    working_ = new QPlainTextEdit(work);
    working_->setObjectName(QStringLiteral("practice_working"));
    marked_ = new QPlainTextEdit(work);
    marked_->setObjectName(QStringLiteral("practice_marked"));
    marked_->setReadOnly(true);
    for (QPlainTextEdit *box : {working_, marked_})
        box->setFont(TextBoxFont());
    mark_ = Button(QStringLiteral("批改"), QStringLiteral("button_practice_mark"), work);
    retry_ = Button(QStringLiteral("再试一次"), QStringLiteral("button_practice_retry"), work);
    similar_ = Button(QStringLiteral("再做一道相似的"), QStringLiteral("button_practice_similar"), work);
    next_ = Button(QStringLiteral("下一题"), QStringLiteral("button_practice_next"), work);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {mark_, retry_, similar_, next_})
        buttons->addWidget(b);
    workLayout->addWidget(progress_);
    workLayout->addWidget(problem_);
    workLayout->addWidget(working_, 2);
    workLayout->addLayout(buttons);
    workLayout->addWidget(marked_, 2);

    // The report.
    report_ = new QPlainTextEdit(pages_);
    report_->setObjectName(QStringLiteral("practice_report"));
    report_->setReadOnly(true);

    pages_->addWidget(setup);
    pages_->addWidget(work);
    pages_->addWidget(report_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    QPushButton *close = Button(QStringLiteral("关闭"), QStringLiteral("button_practice_close"), this);
    layout->addWidget(close, 0, Qt::AlignRight);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    connect(working_, &QPlainTextEdit::textChanged, this, [this] {
        if (!writing_)
            practice_.SetWorking(ToGbk(working_->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"))));
    });
    connect(mark_, &QPushButton::clicked, this, &PracticeDialog::MarkCurrent);
    // Ctrl+Enter marks, as it checks and computes on the pages.
    for (const QKeySequence &keys : {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        auto *markKey = new QShortcut(keys, this);
        connect(markKey, &QShortcut::activated, this, [this] {
            if (pages_->currentIndex() == 1)
                mark_->click();
        });
    }
    connect(retry_, &QPushButton::clicked, this, [this] {
        practice_.Retry();
        ShowState();
        working_->setFocus();
    });
    connect(similar_, &QPushButton::clicked, this, [this] {
        const std::string refusal = practice_.AddSimilar(static_cast<std::uint64_t>(Now()));
        if (refusal.empty()) {
            practice_.Next(Now());
            ShowState();
        } else {
            marked_->appendPlainText(FromGbk(refusal));
        }
    });
    connect(next_, &QPushButton::clicked, this, [this] {
        practice_.Next(Now());
        ShowState();
    });
    resize(640, 560);
    ShowState();
}

QString PracticeDialog::StartRound(int level, int count)
{
    const std::string refusal = practice_.Start(
        type_, static_cast<MakerLevel>(std::clamp(level, 0, 2)), count, static_cast<std::uint64_t>(Now()), Now());
    refusal_->setText(FromGbk(refusal));
    ShowState();
    return FromGbk(refusal);
}

void PracticeDialog::MarkCurrent()
{
    Solver solver;
    const int type = practice_.Current().problem.type;
    const int level = static_cast<int>(practice_.Current().problem.level) + 1;
    const MarkedProblem *wrong = practice_.Mark(solver);
    if (wrong != nullptr)
        emit MarkedWrong(type, level, *wrong);
    ShowState();
}

void PracticeDialog::ShowState()
{
    writing_ = true;
    if (!practice_.Active()) {
        pages_->setCurrentIndex(0);
    } else if (practice_.Finished()) {
        pages_->setCurrentIndex(2);
        report_->setPlainText(FromGbk(practice_.Report()));
    } else {
        pages_->setCurrentIndex(1);
        const PracticeItem &item = practice_.Current();
        progress_->setText(QStringLiteral("第%1题，共%2题%3")
                               .arg(practice_.Index() + 1)
                               .arg(practice_.Count())
                               .arg(item.similar ? QStringLiteral("（相似的题）") : QString()));
        problem_->setText(FromGbk(item.problem.line));
        working_->setPlaceholderText(practice_.AnswerOnly()
                ? QStringLiteral("在这里写出答案，再按“批改”（Ctrl+Enter）。")
                : QStringLiteral("在这里一步一步写出解答，每步一行，再按“批改”（Ctrl+Enter）。"));
        const QString working = FromGbk(item.working).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (working_->toPlainText() != working)
            working_->setPlainText(working);
        marked_->setPlainText(FromGbk(item.marked).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        const bool marked = item.result != PracticeResult::NotMarked;
        const bool wrong = item.result == PracticeResult::Wrong;
        retry_->setEnabled(marked && wrong);
        similar_->setEnabled(marked && wrong);
        next_->setText(
            practice_.Index() + 1 < practice_.Count() ? QStringLiteral("下一题") : QStringLiteral("看练习报告"));
    }
    writing_ = false;
}

} // namespace qimbel
