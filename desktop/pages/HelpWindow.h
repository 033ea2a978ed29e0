// The help window of a problem page: the texts of the page's problem type, read-only, in the
// text box font so that the worked example lines up as it does in the text box.
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace qimbel {

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows the help of problem type `type` as seen on page `page`.
    void ShowHelp(int page, int type);
    // Fills the window with that help without showing or raising it.
    void SetHelp(int page, int type);

private:
    QPlainTextEdit *text_ = nullptr;
};

} // namespace qimbel
