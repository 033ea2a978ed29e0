// The "标准符号" palette: one button per symbol; every press appends the symbol to the selection
// line, and OK hands the line, as it stands, to the problem page that opened the palette.
#pragma once

#include <QDialog>

class QLineEdit;

namespace qimbel {

struct SymbolButton;

class SymbolPalette : public QDialog {
    Q_OBJECT
public:
    explicit SymbolPalette(QWidget *parent = nullptr);

    // The selection line: the pressed symbols and whatever the pupil typed or deleted there.
    QString Selection() const;

private:
    void Press(const SymbolButton &button);

    QLineEdit *selection_ = nullptr; // 1004
};

} // namespace qimbel
