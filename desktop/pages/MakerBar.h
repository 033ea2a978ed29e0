// 出题 on a problem page: 出一道题 puts a made problem of the current type, at the level chosen,
// below the problems already typed; 换一道 swaps the last one made for another; 举一反三 shows
// five problems like the line under the caret, each with its worked solution a click away.
#pragma once

#include "maker/ProblemMaker.h"

#include <QWidget>

#include <cstdint>
#include <memory>

class QComboBox;
class QDialog;
class QPlainTextEdit;
class QPushButton;

namespace qimbel {

class MakerBar : public QWidget {
    Q_OBJECT
public:
    MakerBar(QPlainTextEdit *edit, QWidget *parent = nullptr);

    // The current type of the page: the buttons work for a type that can be made.
    void SetType(int type);
    // The seed of the next request (the screenshots and tests fix it).
    void SetSeed(std::uint64_t seed) { seed_ = seed; }

    void MakeOne();
    void MakeAnother();
    void ShowSimilar();
    // The window of 举一反三 for the problems made like `typed` (not yet shown).
    QDialog *SimilarDialog(const QString &typed, const std::shared_ptr<const MadeProblems> &made);

private:
    // Puts the lines at the end of the typed problems (before any results) and remembers them.
    void Insert(const QStringList &lines);
    // The problem under the caret: its line, or for a system every line of its paragraph.
    QString ProblemUnderCaret() const;

    QPlainTextEdit *edit_;
    QComboBox *level_;
    QPushButton *make_;
    QPushButton *again_;
    QPushButton *similar_;
    int type_ = 0;
    std::uint64_t seed_;
    // The last made problem: its first line in the text box and its lines.
    int lastBlock_ = -1;
    QStringList lastLines_;
};

} // namespace qimbel
