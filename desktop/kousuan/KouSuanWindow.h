// The window of the 口算练习生成器: the choices on the left, the practice on the right (one
// problem at a time or the whole sheet), a running timer, and the closing report; the sheet and
// its answers go to a PDF file or the printer.
#pragma once

#include "generators/KouSuanGenerator.h"
#include "generators/KouSuanKept.h"
#include "generators/KouSuanPractice.h"

#include <QElapsedTimer>
#include <QWidget>

#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QTimer;
class QGridLayout;

namespace qimbel {
class Notebook;
}

namespace qimbel::kousuan {

class KouSuanWindow : public QWidget {
    Q_OBJECT
public:
    explicit KouSuanWindow(QWidget *parent = nullptr);

    // The options as the controls show them, and the other way round.
    Options CurrentOptions() const;
    void SetOptions(const Options &options);
    // Practise the whole sheet at once (true) or one problem at a time.
    void SetSheetMode(bool sheet);

    // Makes a sheet from the options and starts the practice and the timer.
    void Generate();
    const Practice *CurrentPractice() const { return practice_.get(); }

    // One problem at a time: answers the problem on screen, as if typed and confirmed.
    void AnswerCurrent(const QString &typed);
    // Skips to the next problem (one at a time).
    void NextProblem();
    // Whole sheet: checks every answer typed so far and marks the wrong ones.
    void CheckSheet();
    // Ends the practice and shows the report.
    void Finish();
    // Practises again the problems that are still wrong, one at a time.
    void RetryWrong();

    // Wrong answers go into this 错题本 (not owned; nullptr: nowhere), dated `today`.
    void SetNotebook(Notebook *notebook, int today);

    // The worksheet followed by the answer sheet as a PDF file; false when it cannot be written.
    bool ExportPdf(const QString &path);
    QString ReportText() const;

    // The file a practice is kept in over closing and reopening (none: nothing is kept).
    void SetKeptFile(const QString &path) { keptFile_ = path; }
    // Writes the practice under way (or takes the file away when there is none); false when it
    // could not be written. Closing the window does it.
    bool KeepPractice() const;
    // The kept practice, as it was left; false (and the window as it is) when there is none or
    // the file is damaged.
    bool RestorePractice();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildOptions(QWidget *panel);
    void KeepWrong(std::size_t index, const QString &typed);
    void BuildPractice(QWidget *panel);
    // The boxes of the whole sheet for the practice's problems.
    void BuildSheet();
    KeptPractice Kept() const;
    void ShowCurrent();
    void Tick();
    void AskExport();
    void AskPrint();
    void ShowHelp();

    QCheckBox *add_ = nullptr;
    QCheckBox *sub_ = nullptr;
    QCheckBox *mul_ = nullptr;
    QCheckBox *div_ = nullptr;
    QComboBox *range_ = nullptr;
    QComboBox *table_ = nullptr;
    QSpinBox *count_ = nullptr;
    QComboBox *blank_ = nullptr;
    QCheckBox *negative_ = nullptr;
    QCheckBox *remainder_ = nullptr;
    QSpinBox *seed_ = nullptr;
    QRadioButton *oneByOne_ = nullptr;
    QRadioButton *wholeSheet_ = nullptr;
    QPushButton *exportPdf_ = nullptr;
    QPushButton *print_ = nullptr;

    QLabel *clock_ = nullptr;
    QLabel *progress_ = nullptr;
    QStackedWidget *stack_ = nullptr;
    // One at a time.
    QLabel *question_ = nullptr;
    QLineEdit *answer_ = nullptr;
    QLabel *feedback_ = nullptr;
    QPushButton *next_ = nullptr;
    // Whole sheet.
    QWidget *sheet_ = nullptr;
    QGridLayout *sheetGrid_ = nullptr;
    std::vector<QLineEdit *> sheetAnswers_;
    // Report.
    QPlainTextEdit *report_ = nullptr;
    QPushButton *retry_ = nullptr;

    QTimer *ticker_ = nullptr;
    QElapsedTimer elapsed_;
    long long seconds_ = 0;
    qint64 stoppedMs_ = 0; // practice time of the rounds before this one
    bool running_ = false;

    Options options_;
    std::unique_ptr<Practice> practice_;
    std::vector<std::size_t> order_; // the problems of this round, one at a time
    std::size_t position_ = 0;
    Notebook *notebook_ = nullptr;
    int today_ = 0;
    std::vector<KeptAnswer> given_; // every readable answer of this practice, in order
    bool sheetRound_ = false; // the round under way is the whole sheet
    QString keptFile_;
};

} // namespace qimbel::kousuan
