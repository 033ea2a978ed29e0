// 自动组卷: choose a grade (its topics come first), the kinds of problem with their levels, counts
// and points, and the paper's number; the paper and its key of worked solutions (or answers only)
// are shown, printed, exported as PDF or saved as text.
#pragma once

#include "maker/Paper.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QSpinBox;
class QTableWidget;

namespace qimbel {

class PaperWindow : public QDialog {
    Q_OBJECT
public:
    explicit PaperWindow(QWidget *parent = nullptr);

    // The grade's default selection in the table (1 … 9).
    void ChooseGrade(int grade);
    void SetSeed(std::uint64_t seed);
    // Makes the paper of the table; false, with the sentence shown in the window, when none can be.
    bool MakeThePaper();
    QString PaperText() const;
    QString KeyText() const;

private:
    void AddRow(const PaperKind &kind);
    std::vector<PaperKind> Kinds() const;
    void UpdateTotal();
    void Print();
    void ExportPdf();
    void SaveText();

    QComboBox *grade_;
    QTableWidget *kinds_;
    QLabel *total_;
    QSpinBox *seed_;
    QCheckBox *answersOnly_;
    QPlainTextEdit *paper_;
    QPlainTextEdit *key_;
    MadePaper made_; // the paper shown, for its printed pages
    QLabel *status_;
};

} // namespace qimbel
