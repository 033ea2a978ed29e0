// The main window: ten topic pages on one tab strip, all built at start-up and kept for the whole
// run; switching tabs only shows and hides them.
#pragma once

#include "pages/PageBook.h"

#include <QMainWindow>

#include <vector>

class QTabWidget;

namespace qimbel {

class ProblemPageWidget;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);

    QTabWidget *TabWidget() const { return tabs_; }
    PageBook &Book() { return book_; }
    // The widget of the problem page with template `page`, or nullptr.
    ProblemPageWidget *ProblemPageWidgetOf(int page) const;

    // Opens the about box modally.
    void ShowAbout();

private:
    // A tab selection: the problem page of the tab follows the type of the tab (title, summary,
    // current type) and keeps its typed text.
    void SelectTab(int tab);
    // The status bar tells what the shown page needs next.
    void ShowStatusHint();

    PageBook book_;
    QTabWidget *tabs_ = nullptr;
    std::vector<ProblemPageWidget *> problemWidgets_; // by tab; nullptr for the other pages
};

} // namespace qimbel
