#include "desktop/pages/MakerBar.h"

#include "desktop/pages/FlowLayout.h"
#include "desktop/pages/GbkBridge.h"
#include "maker/LevelTable.h"
#include "maker/ProblemMaker.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include <memory>

namespace qimbel {

namespace {

QStringList LinesOf(const MadeProblem &problem)
{
    QStringList lines;
    for (const std::string &line : TypedLines(problem))
        lines << FromGbk(line);
    return lines;
}

} // namespace

MakerBar::MakerBar(QPlainTextEdit *edit, QWidget *parent)
    : QWidget(parent)
    , edit_(edit)
    , seed_(QRandomGenerator::global()->generate64())
{
    setObjectName(QStringLiteral("maker_bar"));
    level_ = new QComboBox(this);
    level_->setObjectName(QStringLiteral("combo_make_level"));
    for (MakerLevel level : {MakerLevel::JiChu, MakerLevel::TiGao, MakerLevel::TuoZhan})
        level_->addItem(FromGbk(MakerLevelName(level)), static_cast<int>(level));
    make_ = new QPushButton(QStringLiteral("出一道题"), this);
    make_->setObjectName(QStringLiteral("button_make"));
    again_ = new QPushButton(QStringLiteral("换一道"), this);
    again_->setObjectName(QStringLiteral("button_make_again"));
    similar_ = new QPushButton(QStringLiteral("举一反三"), this);
    similar_->setObjectName(QStringLiteral("button_similar"));
    similar_->setToolTip(QStringLiteral("出五道和光标所在行相似的题"));
    for (QPushButton *button : {make_, again_, similar_})
        button->setAutoDefault(false);

    // Wraps in a narrow window.
    auto *row = new FlowLayout(this);
    row->addWidget(level_);
    row->addWidget(make_);
    row->addWidget(again_);
    row->addWidget(similar_);

    connect(make_, &QPushButton::clicked, this, &MakerBar::MakeOne);
    connect(again_, &QPushButton::clicked, this, &MakerBar::MakeAnother);
    connect(similar_, &QPushButton::clicked, this, &MakerBar::ShowSimilar);
    connect(level_, &QComboBox::currentIndexChanged, this, [this] { SetType(type_); });
    SetType(0);
}

void MakerBar::SetType(int type)
{
    if (type != type_)
        lastBlock_ = -1;
    type_ = type;
    const bool can = CanMake(type);
    for (QWidget *widget : {static_cast<QWidget *>(level_), static_cast<QWidget *>(make_),
             static_cast<QWidget *>(again_), static_cast<QWidget *>(similar_)})
        widget->setEnabled(can);
    const QString tip = can ? FromGbk(LevelMeaning(type, static_cast<MakerLevel>(level_->currentData().toInt())))
                            : QStringLiteral("这一类题目还不能出题");
    make_->setToolTip(tip);
}

void MakerBar::Insert(const QStringList &lines)
{
    // At the end of the typed problems, before any old results (a check cuts those away).
    const QString all = edit_->toPlainText();
    const qsizetype results = all.indexOf(QStringLiteral("\n----"));
    QTextCursor cursor(edit_->document());
    cursor.setPosition(results >= 0 ? static_cast<int>(results) : static_cast<int>(all.size()));
    cursor.movePosition(QTextCursor::StartOfBlock);
    if (!cursor.block().text().trimmed().isEmpty() || cursor.blockNumber() > 0) {
        cursor.movePosition(QTextCursor::EndOfBlock);
        if (!cursor.block().text().trimmed().isEmpty()) {
            cursor.insertBlock();
        }
    }
    lastBlock_ = cursor.blockNumber();
    cursor.insertText(lines.join(QLatin1Char('\n')));
    lastLines_ = lines;
    edit_->setTextCursor(cursor);
    edit_->ensureCursorVisible();
}

void MakerBar::MakeOne()
{
    const MadeProblems made = MakeProblems(type_, static_cast<MakerLevel>(level_->currentData().toInt()), 1, seed_++);
    if (made.problems.empty()) {
        QMessageBox::information(this, QString(), FromGbk(made.refusal));
        return;
    }
    Insert(LinesOf(made.problems.front()));
}

void MakerBar::MakeAnother()
{
    // The last made problem is swapped only while it stands as it was made.
    QTextDocument *document = edit_->document();
    bool standing = lastBlock_ >= 0 && lastBlock_ + lastLines_.size() <= document->blockCount();
    for (qsizetype i = 0; standing && i < lastLines_.size(); ++i)
        standing = document->findBlockByNumber(lastBlock_ + static_cast<int>(i)).text() == lastLines_[i];
    if (!standing) {
        MakeOne();
        return;
    }
    const MadeProblems made = MakeProblems(type_, static_cast<MakerLevel>(level_->currentData().toInt()), 1, seed_++);
    if (made.problems.empty())
        return;
    QTextCursor cursor(document->findBlockByNumber(lastBlock_));
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, static_cast<int>(lastLines_.size()) - 1);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    lastLines_ = LinesOf(made.problems.front());
    cursor.insertText(lastLines_.join(QLatin1Char('\n')));
    cursor.endEditBlock();
    edit_->setTextCursor(cursor);
}

QString MakerBar::ProblemUnderCaret() const
{
    const QTextBlock block = edit_->textCursor().block();
    if (type_ != 26 && type_ != 28 && type_ != 31)
        return block.text().trimmed();
    // A system: the lines of its paragraph, joined as the maker reads them.
    QTextBlock first = block;
    while (first.previous().isValid() && !first.previous().text().trimmed().isEmpty())
        first = first.previous();
    QStringList lines;
    for (QTextBlock each = first; each.isValid() && !each.text().trimmed().isEmpty() && lines.size() < 10;
         each = each.next())
        lines << each.text().trimmed();
    return lines.join(QStringLiteral("；"));
}

void MakerBar::ShowSimilar()
{
    const QString typed = ProblemUnderCaret();
    if (typed.isEmpty()) {
        QMessageBox::information(this, QString(), QStringLiteral("请把光标放在一道题目所在的行上。"));
        return;
    }
    auto made = std::make_shared<MadeProblems>(Similar(type_, ToGbk(typed), 5, seed_++));
    if (made->problems.empty()) {
        QMessageBox::information(this, QString(), FromGbk(made->refusal));
        return;
    }
    QDialog *dialog = SimilarDialog(typed, made);
    const bool add = dialog->exec() == QDialog::Accepted;
    delete dialog;
    if (!add)
        return;
    QStringList lines;
    for (const MadeProblem &problem : made->problems)
        lines << LinesOf(problem);
    Insert(lines);
    lastBlock_ = -1;
}

QDialog *MakerBar::SimilarDialog(const QString &typed, const std::shared_ptr<const MadeProblems> &made)
{
    auto *dialog = new QDialog(this);
    dialog->setObjectName(QStringLiteral("similar_dialog"));
    dialog->setWindowTitle(QStringLiteral("举一反三"));
    auto *label = new QLabel(QStringLiteral("和“%1”相似的题（点一道题看它的解答）：").arg(typed), dialog);
    label->setWordWrap(true);
    auto *list = new QListWidget(dialog);
    list->setObjectName(QStringLiteral("similar_list"));
    list->setFont(edit_->font());
    auto *solution = new QPlainTextEdit(dialog);
    solution->setObjectName(QStringLiteral("similar_solution"));
    solution->setReadOnly(true);
    solution->setFont(edit_->font());
    solution->setLineWrapMode(QPlainTextEdit::NoWrap);
    solution->setPlaceholderText(QStringLiteral("点上面的一道题，这里显示它的解答。"));
    for (const MadeProblem &problem : made->problems)
        list->addItem(LinesOf(problem).join(QStringLiteral("；")));
    const int type = type_;
    connect(list, &QListWidget::currentRowChanged, dialog, [made, solution, type](int row) {
        if (row < 0 || row >= static_cast<int>(made->problems.size()))
            return;
        const MadeProblem &problem = made->problems[static_cast<std::size_t>(row)];
        solution->setPlainText(FromGbk(MadeSolution(type, problem.line)));
    });
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QPushButton *add = buttons->addButton(QStringLiteral("放进题目框"), QDialogButtonBox::AcceptRole);
    add->setObjectName(QStringLiteral("button_similar_add"));
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    auto *layout = new QVBoxLayout(dialog);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(solution, 1);
    if (!made->refusal.empty())
        layout->addWidget(new QLabel(FromGbk(made->refusal), dialog));
    layout->addWidget(buttons);
    dialog->resize(640, 520);
    return dialog;
}

} // namespace qimbel
