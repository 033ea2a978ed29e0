// The widget of a problem page: the type-button column, the text box with its title, the summary
// and option boxes, and the action buttons. It holds no logic of its own: every handler copies
// the screen into the page model, calls the model, and copies the model back to the screen.
#pragma once

#include <QWidget>

#include <map>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QHBoxLayout;
class QSpacerItem;
class QStackedWidget;
class QToolButton;

namespace qimbel {

class HelpWindow;
class MakerBar;
class ProblemPage;
class TypesetView;

class ProblemPageWidget : public QWidget {
    Q_OBJECT
public:
    explicit ProblemPageWidget(ProblemPage &model, QWidget *parent = nullptr);

    ProblemPage &Model() { return model_; }

    // The screen into the model: the text box and the four option boxes.
    void ReadFromScreen();
    // Shows the sentence naming a typed character that cannot be read; true when there was one.
    bool RefusesTyped();
    // The model onto the screen: text box, title, summary, option boxes, and the enabled state
    // of the text box and of the compute button.
    void WriteToScreen();

    // The symbol palette's OK: its selection goes in at the caret, in place of a selection.
    void InsertSymbols(const QString &selection);

    // What the status bar says while the page is shown: what just happened, a request for the
    // check while compute waits for one, or nothing.
    QString StatusHint() const { return statusHint_; }

    // 帮助: the help window of the page's current problem type.
    void ShowHelp();
    // 导出PDF without asking for a file name; false when the file could not be written.
    bool ExportPdfTo(const QString &path) const;

    // 纯文本 or 课本排版: which view of the text box is shown. Typing, check and compute work on
    // the plain text; the typeset view shows it after every handler while the pupil wants it.
    bool TypesetShown() const;
    void ShowTypeset(bool typeset);

signals:
    void StatusHintChanged(const QString &hint);
    // 关于 on the page.
    void AboutRequested();
    // 批改我的解答 marked the page (its wrong problems go to the 错题本).
    void Marked();
    // 练一练 on the page.
    void PracticeRequested();

private:
    void BuildTypeColumn(QWidget *column);
    QPushButton *AddButton(QWidget *parent, const QString &caption, int id, const QString &name);
    // A column of the page (the types, the side panel) in a scroll area of its own width.
    QScrollArea *ColumnScroller(QWidget *column, const QString &name);
    // The title on one line beside the view buttons while the middle column has room for it.
    void FitTitleRow();
    // Runs one model handler between a read from and a write to the screen.
    template <class Handler> void Run(Handler handler);
    void OpenSymbolPalette();
    // Ctrl+Enter: check, then compute, as one step.
    void CheckAndCompute();
    void Print();
    void AskAndExportPdf();
    // Puts the model's text into the text box as one edit that Ctrl+Z takes back.
    void ShowText(const QString &text);
    // The window extras that follow the model: the status hint and the factorisation methods.
    void UpdateExtras();
    // Shows the view that the pupil's choice asks for.
    void FollowViewChoice();
    void UpdateStatus();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    ProblemPage &model_;
    QPlainTextEdit *edit_ = nullptr; // 1004
    TypesetView *typeset_ = nullptr; // 课本排版, beside the text box
    QStackedWidget *views_ = nullptr;
    QToolButton *plainButton_ = nullptr;
    QToolButton *typesetButton_ = nullptr;
    QLabel *title_ = nullptr; // 1263
    QLabel *summary_ = nullptr; // 1216
    QPushButton *compute_ = nullptr; // 1006
    QPushButton *mark_ = nullptr; // 批改我的解答
    QPushButton *markLast_ = nullptr; // 下一步检查
    QPushButton *hint_ = nullptr; // 提示
    QPushButton *practice_ = nullptr; // 练一练
    QHBoxLayout *titleRow_ = nullptr;
    QSpacerItem *titleSpacer_ = nullptr;
    MakerBar *maker_ = nullptr; // 出一道题, 换一道, 举一反三
    QCheckBox *showIntro_ = nullptr; // 1015
    QCheckBox *showResult_ = nullptr; // 1259
    QCheckBox *showWorking_ = nullptr; // 1260
    QCheckBox *showExplain_ = nullptr; // 1261
    QGroupBox *methods_ = nullptr; // 因式分解方法, page 134 only
    HelpWindow *help_ = nullptr; // made on the first 帮助
    QString statusHint_;
    bool writing_ = false; // the model's text is going onto the screen: not the pupil's edit
};

} // namespace qimbel
