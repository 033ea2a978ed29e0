// The main window: ten topic pages on one tab strip, built at start-up (or, for a quick first
// paint, the first at once and the others just after) and kept for the whole run; switching tabs
// only shows and hides them.
#pragma once

#include "pages/PageBook.h"

#include <QMainWindow>

#include <vector>

class QTabWidget;

namespace qimbel {

class NotebookTab;
class PracticeDialog;
class ProblemPageWidget;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // FirstTabFirst builds only the first tab's page; the other tabs hold empty placeholders
    // until BuildOtherTabs (the program calls it after the window's first paint).
    enum class StartUp { AllTabs, FirstTabFirst };
    explicit MainWindow(QWidget *parent = nullptr, StartUp startUp = StartUp::AllTabs);
    // Builds the pages of the tabs that wait; what the window then shows is what AllTabs shows.
    void BuildOtherTabs();

    QTabWidget *TabWidget() const { return tabs_; }
    PageBook &Book() { return book_; }
    // The widget of the problem page with template `page`, or nullptr.
    ProblemPageWidget *ProblemPageWidgetOf(int page) const;

    // The 错题本 tab (the last tab) and the file it keeps its entries in.
    NotebookTab *Notebook() const { return notebook_; }
    void SetNotebookFile(const QString &path);
    // 练一练 on a problem page: the window of the round under way, or of a new one of the page's
    // type; nullptr before the first.
    PracticeDialog *OpenPractice(int type);
    PracticeDialog *PracticeWindow() const { return practice_; }

    // Opens the about box modally.
    void ShowAbout();

    // The file the session is kept in: RestoreSession reads it, closing the window writes it;
    // the chart and graph pages are kept beside it, in the same name with "-chart" and "-graph".
    // Without one (the tests) nothing is read or written.
    void SetSessionFile(const QString &path) { sessionFile_ = path; }
    // The pages as they were left last time. No file is a first start; a damaged or foreign one
    // is ignored with a line in the status bar.
    void RestoreSession();
    // Writes the session file whole or not at all (a temporary file renamed over it); false
    // when it could not be written.
    bool SaveSession();
    // 新建: every problem page as at start-up, after asking when typed work would go.
    void NewSession();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // A tab selection: the problem page of the tab follows the type of the tab (title, summary,
    // current type) and keeps its typed text.
    void SelectTab(int tab);
    // The status bar tells what the shown page needs next.
    void ShowStatusHint();

    // The page of tab `tab` (a problem page's widget is kept in problemWidgets_).
    QWidget *BuildPage(std::size_t tab);
    // The model onto every problem page's screen, and the shown tab onto the tab strip.
    void WriteAllToScreen();
    // The chart and graph pages as they were left, from files beside the session file.
    void RestorePictures();
    bool SavePictures();

    PageBook book_;
    QString sessionFile_;
    QTabWidget *tabs_ = nullptr;
    std::vector<ProblemPageWidget *> problemWidgets_; // by tab; nullptr for the other pages
    std::vector<std::size_t> waitingTabs_; // tabs still holding a placeholder
    NotebookTab *notebook_ = nullptr;
    PracticeDialog *practice_ = nullptr;
};

} // namespace qimbel
