#include "desktop/chuti/ChuTiWindow.h"

#include "desktop/chuti/ShiJuanPrinter.h"
#include "desktop/pages/GbkBridge.h"
#include "desktop/pages/TextBoxFont.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qimbel {

using namespace shijuan;

namespace {

QPlainTextEdit *TextView(QWidget *parent, const QString &name)
{
    auto *view = new QPlainTextEdit(parent);
    view->setObjectName(name);
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setFont(TextBoxFont());
    new TwoColumnSpacing(view->document(), view->font()); // owned by the document
    return view;
}

QPushButton *Button(QWidget *parent, const QString &caption, const QString &name)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

const char *const kHelp
    = "小学数学四则运算自动出题系统\n\n"
      "按年级出一份四则运算测试卷：选择年级（一年级至六年级）、各题型的题数和每题分数，"
      "以及是否含小数（三年级起），然后按“出题”。\n\n"
      "题型随年级而定：口算和四则混合运算（带小括号、中括号）各年级都有，竖式计算从二年级起，"
      "解方程从五年级起。每道题都按年级的要求出：结果不为负数，除法都能除尽，数的大小不超出年级的范围。\n\n"
      "“答案与解题过程”一页给出每道题的答案和完整的解题过程，与本系统计算题页面的写法相同。\n\n"
      "试卷编号相同，出的试卷就相同；按“换一套”换一个编号。试卷可以打印、导出为PDF（试卷在前，"
      "答案从新的一页开始）或保存为文本文件。";

} // namespace

ChuTiWindow::ChuTiWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ChuTiWindow"));
    setWindowTitle(QStringLiteral("小学数学四则运算自动出题系统"));

    auto *settingsBox = new QGroupBox(QStringLiteral("出题设置"), this);
    auto *grid = new QGridLayout(settingsBox);
    grid->addWidget(new QLabel(QStringLiteral("年级："), settingsBox), 0, 0);
    grade_ = new QComboBox(settingsBox);
    grade_->setObjectName(QStringLiteral("grade"));
    for (int g = 1; g <= kZuiGaoNianJi; ++g)
        grade_->addItem(FromGbk(NianJiMing(g)));
    grid->addWidget(grade_, 0, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("题型"), settingsBox), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("题数"), settingsBox), 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("每题分数"), settingsBox), 1, 2);
    for (int k = 0; k < kTiXingShu; ++k) {
        const auto index = static_cast<std::size_t>(k);
        grid->addWidget(new QLabel(FromGbk(TiXingMing(static_cast<TiXing>(k))), settingsBox), k + 2, 0);
        counts_[index] = new QSpinBox(settingsBox);
        counts_[index]->setObjectName(QStringLiteral("count%1").arg(k));
        counts_[index]->setRange(0, kZuiDuoTiShu);
        scores_[index] = new QSpinBox(settingsBox);
        scores_[index]->setObjectName(QStringLiteral("score%1").arg(k));
        scores_[index]->setRange(1, 20);
        grid->addWidget(counts_[index], k + 2, 1);
        grid->addWidget(scores_[index], k + 2, 2);
    }
    decimals_ = new QCheckBox(QStringLiteral("含小数（三年级起）"), settingsBox);
    decimals_->setObjectName(QStringLiteral("decimals"));
    grid->addWidget(decimals_, kTiXingShu + 2, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("试卷编号："), settingsBox), kTiXingShu + 3, 0);
    seed_ = new QSpinBox(settingsBox);
    seed_->setObjectName(QStringLiteral("seed"));
    seed_->setRange(1, 999999999);
    seed_->setValue(1);
    grid->addWidget(seed_, kTiXingShu + 3, 1, 1, 2);
    total_ = new QLabel(settingsBox);
    total_->setObjectName(QStringLiteral("total"));
    grid->addWidget(total_, kTiXingShu + 4, 0, 1, 3);

    auto *generate = Button(this, QStringLiteral("出题"), QStringLiteral("generate"));
    auto *newSeed = Button(this, QStringLiteral("换一套"), QStringLiteral("newSeed"));
    auto *print = Button(this, QStringLiteral("打印…"), QStringLiteral("print"));
    auto *pdf = Button(this, QStringLiteral("导出PDF…"), QStringLiteral("exportPdf"));
    auto *text = Button(this, QStringLiteral("保存为文本…"), QStringLiteral("saveText"));
    auto *help = Button(this, QStringLiteral("帮助"), QStringLiteral("help"));
    generate->setDefault(true);

    auto *side = new QVBoxLayout;
    side->addWidget(settingsBox);
    for (QPushButton *button : {generate, newSeed, print, pdf, text, help})
        side->addWidget(button);
    side->addStretch(1);

    tabs_ = new QTabWidget(this);
    paperView_ = TextView(tabs_, QStringLiteral("paperText"));
    keyView_ = TextView(tabs_, QStringLiteral("keyText"));
    tabs_->addTab(paperView_, QStringLiteral("试卷"));
    tabs_->addTab(keyView_, QStringLiteral("答案与解题过程"));

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(side);
    layout->addWidget(tabs_, 1);

    connect(grade_, &QComboBox::currentIndexChanged, this, &ChuTiWindow::GradeChosen);
    connect(generate, &QPushButton::clicked, this, &ChuTiWindow::Generate);
    connect(newSeed, &QPushButton::clicked, this, &ChuTiWindow::NewSeed);
    connect(print, &QPushButton::clicked, this, &ChuTiWindow::AskPrint);
    connect(pdf, &QPushButton::clicked, this, &ChuTiWindow::AskPdf);
    connect(text, &QPushButton::clicked, this, &ChuTiWindow::AskText);
    connect(help, &QPushButton::clicked, this, &ChuTiWindow::ShowHelp);

    grade_->setCurrentIndex(2);
    GradeChosen(2);
    Generate();
    resize(1200, 800);
}

ShiJuanSheZhi ChuTiWindow::Settings() const
{
    ShiJuanSheZhi settings;
    settings.grade = grade_->currentIndex() + 1;
    for (std::size_t k = 0; k < counts_.size(); ++k) {
        settings.counts[k] = counts_[k]->isEnabled() ? counts_[k]->value() : 0;
        settings.scores[k] = scores_[k]->value();
    }
    settings.decimals = decimals_->isEnabled() && decimals_->isChecked();
    settings.seed = static_cast<std::uint64_t>(seed_->value());
    return settings;
}

QString ChuTiWindow::PaperText() const { return FromGbk(ShiJuanWenBen(paper_)); }
QString ChuTiWindow::KeyText() const { return FromGbk(DaAnWenBen(paper_)); }

void ChuTiWindow::GradeChosen(int index)
{
    // A grade brings its usual paper; kinds it does not teach yet cannot be chosen.
    const ShiJuanSheZhi usual = MoRenSheZhi(index + 1);
    for (std::size_t k = 0; k < counts_.size(); ++k) {
        const bool fits = TiXingShiHe(usual.grade, static_cast<TiXing>(k));
        counts_[k]->setValue(usual.counts[k]);
        scores_[k]->setValue(usual.scores[k]);
        counts_[k]->setEnabled(fits);
        scores_[k]->setEnabled(fits);
    }
    decimals_->setEnabled(usual.grade >= 3);
}

void ChuTiWindow::Generate()
{
    paper_ = ZuShiJuan(Settings());
    ShowPaper();
}

void ChuTiWindow::NewSeed()
{
    // A number from the clock: different from one click to the next, and shown, so the same
    // paper can be made again.
    seed_->setValue(static_cast<int>(QDateTime::currentMSecsSinceEpoch() % 999999999) + 1);
    Generate();
}

void ChuTiWindow::ShowPaper()
{
    paperView_->setPlainText(FromGbk(ShiJuanBiaoTi(paper_)) + QStringLiteral("\n\n") + PaperText());
    keyView_->setPlainText(FromGbk(DaAnBiaoTi(paper_)) + QStringLiteral("\n\n") + KeyText());
    total_->setText(QStringLiteral("满分：%1分").arg(paper_.total));
}

bool ChuTiWindow::ExportPdf(const QString &path) const
{
    return ExportShiJuanPdf(path, FromGbk(ShiJuanBiaoTi(paper_)), PaperText(), FromGbk(DaAnBiaoTi(paper_)), KeyText());
}

bool ChuTiWindow::SaveText(const QString &path) const
{
    // UTF-8, as text files are read on this system.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = FromGbk(QuanWenBen(paper_)).toUtf8();
    return file.write(bytes) == bytes.size() && file.commit();
}

void ChuTiWindow::AskPdf()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出PDF"),
        FromGbk(ShiJuanBiaoTi(paper_)) + QStringLiteral(".pdf"), QStringLiteral("PDF (*.pdf)"));
    if (!path.isEmpty() && !ExportPdf(path))
        QMessageBox::warning(this, windowTitle(), QStringLiteral("无法写入文件：%1").arg(path));
}

void ChuTiWindow::AskText()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("保存为文本"),
        FromGbk(ShiJuanBiaoTi(paper_)) + QStringLiteral(".txt"), QStringLiteral("文本文件 (*.txt)"));
    if (!path.isEmpty() && !SaveText(path))
        QMessageBox::warning(this, windowTitle(), QStringLiteral("无法写入文件：%1").arg(path));
}

void ChuTiWindow::AskPrint()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        PrintShiJuan(printer, FromGbk(ShiJuanBiaoTi(paper_)), PaperText(), FromGbk(DaAnBiaoTi(paper_)), KeyText());
}

void ChuTiWindow::ShowHelp() { QMessageBox::information(this, QStringLiteral("帮助"), QString::fromUtf8(kHelp)); }

} // namespace qimbel
