// Qimbel's own window for the handbooks, for machines where the desktop cannot open an HTML file:
// the handbook with its internal links, back and forward, find, zoom and print.
#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QLineEdit;
class QTextBrowser;

namespace qimbel {

class HandbookViewer : public QMainWindow {
    Q_OBJECT
public:
    explicit HandbookViewer(QWidget *parent = nullptr);

    // Shows the handbook `file` from its beginning. Returns kHandbookOpens (tools/Handbooks.h)
    // or, when the file cannot be shown, the failure code of the warning box; the window then
    // stays as it was.
    int Open(const QString &file);

    QTextBrowser *Browser() const { return browser_; }
    // Looks for `text` from the cursor on, forwards or backwards, round the end of the handbook.
    bool Find(const QString &text, bool backwards = false);
    // Zoom steps away from the handbook's own size.
    int Zoom() const { return zoom_; }
    void ZoomBy(int steps);

private:
    void ShowTitle();
    void Print();

    QTextBrowser *browser_ = nullptr;
    QLineEdit *findText_ = nullptr;
    QLabel *findResult_ = nullptr;
    QAction *back_ = nullptr;
    QAction *forward_ = nullptr;
    int zoom_ = 0;
};

} // namespace qimbel
