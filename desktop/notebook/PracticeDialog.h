// 练一练: the window of a round of made problems (pages/Practice). The pupil types the working
// below the problem (for the answer-only types just the answer), 批改 or Ctrl+Enter marks it at
// once; 再试一次, 再做一道相似的 and 下一题 follow; the 练习报告 ends the round.
#pragma once

#include "marking/MarkedProblem.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

namespace qimbel {

class Practice;

class PracticeDialog : public QDialog {
    Q_OBJECT
public:
    // `type`: the page's current type, for a new round; a round under way is shown as it is.
    PracticeDialog(Practice &practice, int type, QWidget *parent = nullptr);

    // 开始 with the level (0 基础, 1 提高, 2 拓展) and count chosen; the maker's sentence when
    // no round could start.
    QString StartRound(int level, int count);
    // The practice's current state onto the screen.
    void ShowState();

signals:
    // A try marked wrong: for the 错题本.
    void MarkedWrong(int type, int level, const MarkedProblem &marked);

private:
    void MarkCurrent();

    Practice &practice_;
    int type_;
    QStackedWidget *pages_ = nullptr;
    QComboBox *level_ = nullptr;
    QComboBox *count_ = nullptr;
    QLabel *refusal_ = nullptr;
    QLabel *progress_ = nullptr;
    QLabel *problem_ = nullptr;
    QPlainTextEdit *working_ = nullptr;
    QPlainTextEdit *marked_ = nullptr;
    QPushButton *mark_ = nullptr;
    QPushButton *retry_ = nullptr;
    QPushButton *similar_ = nullptr;
    QPushButton *next_ = nullptr;
    QPlainTextEdit *report_ = nullptr;
    bool writing_ = false;
};

} // namespace qimbel
