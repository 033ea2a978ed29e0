// The window of 小学数学四则运算自动出题系统: the teacher chooses grade, kinds, counts, points and
// whether decimals come in; the window shows the paper and its answer key and prints them, exports
// them as PDF or saves them as text. All deciding is done by the paper generator of the core.
#pragma once

#include "generators/ShiJuan.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QSpinBox;
class QTabWidget;

namespace qimbel {

class ChuTiWindow : public QWidget {
    Q_OBJECT
public:
    explicit ChuTiWindow(QWidget *parent = nullptr);

    // The settings as the controls show them.
    shijuan::ShiJuanSheZhi Settings() const;
    const shijuan::ShiJuan &Paper() const { return paper_; }
    QString PaperText() const;
    QString KeyText() const;

    // 出题: makes the paper of the current settings and shows it.
    void Generate();
    // 换一套: a new paper number, then 出题.
    void NewSeed();
    bool ExportPdf(const QString &path) const;
    bool SaveText(const QString &path) const;

private:
    void GradeChosen(int index);
    void ShowPaper();
    void AskPdf();
    void AskText();
    void AskPrint();
    void ShowHelp();

    QComboBox *grade_ = nullptr;
    std::array<QSpinBox *, shijuan::kTiXingShu> counts_ {};
    std::array<QSpinBox *, shijuan::kTiXingShu> scores_ {};
    QCheckBox *decimals_ = nullptr;
    QSpinBox *seed_ = nullptr;
    QLabel *total_ = nullptr;
    QTabWidget *tabs_ = nullptr;
    QPlainTextEdit *paperView_ = nullptr;
    QPlainTextEdit *keyView_ = nullptr;
    shijuan::ShiJuan paper_;
};

} // namespace qimbel
