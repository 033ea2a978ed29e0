#include "desktop/tools/PaperWindow.h"

#include "desktop/chuti/ShiJuanPrinter.h"
#include "desktop/pages/GbkBridge.h"
#include "desktop/pages/PrintedPage.h"
#include "desktop/pages/SaveFolder.h"
#include "desktop/pages/TextBoxFont.h"
#include "maker/LevelTable.h"
#include "solver/DataFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qimbel {

namespace {

enum Column { kType, kLevel, kCount, kPoints, kColumns };

const MakerLevel kLevels[] = {MakerLevel::JiChu, MakerLevel::TiGao, MakerLevel::TuoZhan};

} // namespace

PaperWindow::PaperWindow(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("paper_window"));
    setWindowTitle(QStringLiteral("自动组卷"));

    grade_ = new QComboBox(this);
    grade_->setObjectName(QStringLiteral("combo_grade"));
    for (int grade = 1; grade <= 9; ++grade)
        grade_->addItem(FromGbk(GradeName(grade)), grade);
    kinds_ = new QTableWidget(0, kColumns, this);
    kinds_->setObjectName(QStringLiteral("table_kinds"));
    kinds_->setHorizontalHeaderLabels(
        {QStringLiteral("题型"), QStringLiteral("难度"), QStringLiteral("道数"), QStringLiteral("每题分数")});
    kinds_->horizontalHeader()->setSectionResizeMode(kType, QHeaderView::Stretch);
    kinds_->verticalHeader()->setVisible(false);
    auto *add = new QPushButton(QStringLiteral("添加题型"), this);
    auto *remove = new QPushButton(QStringLiteral("删除所选题型"), this);
    total_ = new QLabel(this);
    total_->setObjectName(QStringLiteral("label_total"));
    seed_ = new QSpinBox(this);
    seed_->setObjectName(QStringLiteral("spin_seed"));
    seed_->setRange(1, 999999);
    auto *another = new QPushButton(QStringLiteral("换一张"), this);
    answersOnly_ = new QCheckBox(QStringLiteral("答案只写结果"), this);
    auto *make = new QPushButton(QStringLiteral("生成试卷"), this);
    make->setObjectName(QStringLiteral("button_make_paper"));
    make->setDefault(true);

    paper_ = new QPlainTextEdit(this);
    paper_->setObjectName(QStringLiteral("paper_text"));
    key_ = new QPlainTextEdit(this);
    key_->setObjectName(QStringLiteral("key_text"));
    for (QPlainTextEdit *view : {paper_, key_}) {
        view->setReadOnly(true);
        view->setFont(TextBoxFont());
        view->setLineWrapMode(QPlainTextEdit::NoWrap);
        new TwoColumnSpacing(view->document(), view->font());
    }
    auto *views = new QTabWidget(this);
    views->addTab(paper_, QStringLiteral("试卷"));
    views->addTab(key_, QStringLiteral("答案"));
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("label_status"));
    auto *print = new QPushButton(QStringLiteral("打印"), this);
    auto *pdf = new QPushButton(QStringLiteral("导出PDF"), this);
    auto *save = new QPushButton(QStringLiteral("保存为文本"), this);

    auto *choice = new QGridLayout;
    choice->addWidget(new QLabel(QStringLiteral("年级："), this), 0, 0);
    choice->addWidget(grade_, 0, 1);
    choice->addWidget(new QLabel(QStringLiteral("试卷编号："), this), 0, 2);
    choice->addWidget(seed_, 0, 3);
    choice->addWidget(another, 0, 4);
    choice->addWidget(answersOnly_, 0, 5);
    choice->setColumnStretch(6, 1);
    auto *rows = new QHBoxLayout;
    rows->addWidget(add);
    rows->addWidget(remove);
    rows->addWidget(total_, 1);
    rows->addWidget(make);
    auto *out = new QHBoxLayout;
    out->addWidget(status_, 1);
    out->addWidget(print);
    out->addWidget(pdf);
    out->addWidget(save);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(kinds_);
    layout->addLayout(rows);
    layout->addWidget(views, 1);
    layout->addLayout(out);
    resize(900, 760);

    connect(grade_, &QComboBox::currentIndexChanged, this, [this] { ChooseGrade(grade_->currentData().toInt()); });
    connect(add, &QPushButton::clicked, this, [this] {
        AddRow({MakerLevels().front().type, MakerLevel::JiChu, 1, 5});
        UpdateTotal();
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        if (kinds_->currentRow() >= 0)
            kinds_->removeRow(kinds_->currentRow());
        UpdateTotal();
    });
    connect(another, &QPushButton::clicked, this, [this] {
        seed_->setValue(static_cast<int>(QRandomGenerator::global()->bounded(1, 1000000)));
        MakeThePaper();
    });
    connect(make, &QPushButton::clicked, this, &PaperWindow::MakeThePaper);
    connect(print, &QPushButton::clicked, this, &PaperWindow::Print);
    connect(pdf, &QPushButton::clicked, this, &PaperWindow::ExportPdf);
    connect(save, &QPushButton::clicked, this, &PaperWindow::SaveText);

    seed_->setValue(static_cast<int>(QRandomGenerator::global()->bounded(1, 1000000)));
    ChooseGrade(1);
}

void PaperWindow::ChooseGrade(int grade)
{
    const QSignalBlocker block(grade_);
    grade_->setCurrentIndex(grade - 1);
    kinds_->setRowCount(0);
    for (const PaperKind &kind : GradeSelection(ReadDataFile(CurriculumPath()), grade))
        AddRow(kind);
    UpdateTotal();
}

void PaperWindow::SetSeed(std::uint64_t seed) { seed_->setValue(static_cast<int>(seed)); }

void PaperWindow::AddRow(const PaperKind &kind)
{
    const int row = kinds_->rowCount();
    kinds_->insertRow(row);
    auto *type = new QComboBox(kinds_);
    for (const MakerLevelRow &each : MakerLevels())
        type->addItem(QStringLiteral("%1 %2").arg(each.type).arg(FromGbk(each.name)), each.type);
    type->setCurrentIndex(type->findData(kind.type));
    auto *level = new QComboBox(kinds_);
    for (MakerLevel each : kLevels)
        level->addItem(FromGbk(MakerLevelName(each)), static_cast<int>(each));
    level->setCurrentIndex(level->findData(static_cast<int>(kind.level)));
    auto *count = new QSpinBox(kinds_);
    count->setRange(1, 20);
    count->setValue(kind.count);
    auto *points = new QSpinBox(kinds_);
    points->setRange(1, 100);
    points->setValue(kind.points);
    kinds_->setCellWidget(row, kType, type);
    kinds_->setCellWidget(row, kLevel, level);
    kinds_->setCellWidget(row, kCount, count);
    kinds_->setCellWidget(row, kPoints, points);
    for (QSpinBox *spin : {count, points})
        connect(spin, &QSpinBox::valueChanged, this, &PaperWindow::UpdateTotal);
    // The level's meaning shows beside the type it belongs to.
    const auto tip = [type, level] {
        level->setToolTip(
            FromGbk(LevelMeaning(type->currentData().toInt(), static_cast<MakerLevel>(level->currentData().toInt()))));
    };
    connect(type, &QComboBox::currentIndexChanged, level, tip);
    connect(level, &QComboBox::currentIndexChanged, level, tip);
    tip();
}

std::vector<PaperKind> PaperWindow::Kinds() const
{
    std::vector<PaperKind> kinds;
    for (int row = 0; row < kinds_->rowCount(); ++row) {
        PaperKind kind;
        kind.type = static_cast<QComboBox *>(kinds_->cellWidget(row, kType))->currentData().toInt();
        kind.level
            = static_cast<MakerLevel>(static_cast<QComboBox *>(kinds_->cellWidget(row, kLevel))->currentData().toInt());
        kind.count = static_cast<QSpinBox *>(kinds_->cellWidget(row, kCount))->value();
        kind.points = static_cast<QSpinBox *>(kinds_->cellWidget(row, kPoints))->value();
        kinds.push_back(kind);
    }
    return kinds;
}

void PaperWindow::UpdateTotal()
{
    int total = 0;
    int count = 0;
    for (const PaperKind &kind : Kinds()) {
        total += kind.count * kind.points;
        count += kind.count;
    }
    total_->setText(QStringLiteral("共%1道题，合计%2分（满分应是100分）").arg(count).arg(total));
}

bool PaperWindow::MakeThePaper()
{
    PaperRequest request;
    request.title = ToGbk(grade_->currentText() + QStringLiteral("数学测试卷"));
    request.kinds = Kinds();
    request.seed = static_cast<std::uint64_t>(seed_->value());
    request.workedKey = !answersOnly_->isChecked();
    const MadePaper made = MakePaper(request);
    if (!made.refusal.empty()) {
        status_->setText(FromGbk(made.refusal));
        return false;
    }
    made_ = made;
    paper_->setPlainText(FromGbk(made.paper));
    key_->setPlainText(FromGbk(made.key));
    status_->setText(QStringLiteral("已生成%1道题。").arg(made.problems.size()));
    return true;
}

QString PaperWindow::PaperText() const { return paper_->toPlainText(); }
QString PaperWindow::KeyText() const { return key_->toPlainText(); }

void PaperWindow::Print()
{
    if (paper_->toPlainText().isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("打印"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The paper, then its key from a page of its own, laid out as the test papers are.
    if (!PrintMadePaper(printer, made_))
        QMessageBox::warning(this, QStringLiteral("打印"), QStringLiteral("无法打印。"));
}

void PaperWindow::ExportPdf()
{
    if (paper_->toPlainText().isEmpty())
        return;
    const QString suggested
        = QDir(SaveFolder(SavedFile::Document)).filePath(grade_->currentText() + QStringLiteral("数学测试卷.pdf"));
    const QString path
        = QFileDialog::getSaveFileName(this, QStringLiteral("导出PDF"), suggested, QStringLiteral("PDF 文件 (*.pdf)"));
    if (path.isEmpty())
        return;
    RememberSaveFolder(SavedFile::Document, path);
    if (!ExportMadePaperPdf(path, made_))
        QMessageBox::warning(this, QStringLiteral("导出PDF"), QStringLiteral("无法写入文件：\n%1").arg(path));
}

void PaperWindow::SaveText()
{
    if (paper_->toPlainText().isEmpty())
        return;
    const QString suggested
        = QDir(SaveFolder(SavedFile::Document)).filePath(grade_->currentText() + QStringLiteral("数学测试卷.txt"));
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("保存为文本"), suggested, QStringLiteral("文本文件 (*.txt)"));
    if (path.isEmpty())
        return;
    RememberSaveFolder(SavedFile::Document, path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write((paper_->toPlainText() + QStringLiteral("\n\n") + key_->toPlainText()).toUtf8()) < 0)
        QMessageBox::warning(this, QStringLiteral("保存为文本"), QStringLiteral("无法写入文件：\n%1").arg(path));
}

} // namespace qimbel
