// The 错题本 tab: today's due entries first, filters by type, slip and date, 重做 (the same
// problem, marked), 举一反三, a small chart of slips by kind, 打印错题本, 导出/导入 and delete.
// The notebook itself is the model of notebook/; its file is an SQLite database.
#pragma once

#include "desktop/notebook/QtNotebookStore.h"
#include "marking/MarkedProblem.h"
#include "notebook/Notebook.h"

#include <QWidget>

#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace qimbel {

class DisplayListView;

class NotebookTab : public QWidget {
    Q_OBJECT
public:
    explicit NotebookTab(QWidget *parent = nullptr);

    // Opens the notebook's file; what went wrong shows in the tab and the status bar.
    void OpenFile(const QString &path);
    Notebook &Book() { return *book_; }
    // The day the schedule counts from (today; tests set it).
    void SetToday(int day);
    int Today() const { return today_; }

    // Every problem with a wrong step goes into the notebook, with Qimbel's worked solution; the
    // number kept (new or counted again).
    int AddMarked(int type, int level, const std::vector<MarkedProblem> &marked);

    // The entries shown, in the list's order.
    std::vector<std::int64_t> ShownIds() const;
    void Select(std::int64_t id);
    // 重做 of the selected entry with the working typed below its problem: the marked copy.
    QString RedoSelected(const QString &working);
    // 举一反三: three problems like the selected one, or the maker's sentence.
    QString SimilarOfSelected();
    void DeleteSelected();
    bool ExportTo(const QString &path);
    bool ImportFrom(const QString &path);
    // 打印错题本 into a PDF file (the print dialog's road, without the dialog).
    bool PrintToPdf(const QString &path);
    // The line at the top: the counts.
    QString StatusText() const;
    // What the last action said (an import, a file that could not be written), empty for none.
    QString MessageText() const;

signals:
    void StatusMessage(const QString &message);

private:
    void Refresh();
    void ShowSelected();
    void Say(const QString &message);
    const NotebookEntry *Selected() const;
    void AskExport();
    void AskImport();
    void Print();
    NotebookFilter Filter() const;

    QtNotebookStore store_;
    // In memory until a file is opened.
    std::unique_ptr<Notebook> book_ = std::make_unique<Notebook>();
    int today_ = 0;
    bool refreshing_ = false;
    QLabel *status_ = nullptr;
    QLabel *message_ = nullptr;
    QComboBox *type_ = nullptr;
    QComboBox *slip_ = nullptr;
    QComboBox *date_ = nullptr;
    QListWidget *list_ = nullptr;
    QPlainTextEdit *detail_ = nullptr;
    QPlainTextEdit *redo_ = nullptr;
    QPushButton *redoMark_ = nullptr;
    DisplayListView *chart_ = nullptr;
};

} // namespace qimbel
