#include "desktop/tools/SymbolPalette.h"

#include "desktop/pages/GbkBridge.h"
#include "tools/SymbolTable.h"

#include <QColor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace qimbel {

namespace {

// Each row has its own text colour, so the families of symbols are told apart at a glance; the
// three rows of Greek letters share one.
constexpr std::array<QRgb, kSymbolRows> kRowColours
    = {0x0000a0, 0xa00000, 0x006000, 0x800080, 0x800080, 0x800080, 0x805000, 0x007070, 0x404040};

} // namespace

SymbolPalette::SymbolPalette(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("标准符号"));
    setObjectName(QStringLiteral("symbol_palette"));

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(3);
    const std::vector<const char *> &labels = SymbolRowLabels();
    for (int row = 0; row < kSymbolRows; ++row) {
        auto *label = new QLabel(FromGbk(labels[static_cast<std::size_t>(row)]), this);
        grid->addWidget(label, row, 0);
    }

    std::array<int, kSymbolRows> columns {};
    for (const SymbolButton &symbol : SymbolButtons()) {
        if (symbol.row < 0 || symbol.row >= kSymbolRows)
            continue;
        const auto row = static_cast<std::size_t>(symbol.row);
        auto *button = new QPushButton(FromGbk(symbol.caption), this);
        button->setObjectName(QStringLiteral("symbol_%1").arg(symbol.id));
        button->setFixedSize(38, 28);
        button->setAutoDefault(false);
        if (symbol.tooltip[0] != '\0')
            button->setToolTip(FromGbk(symbol.tooltip));
        QPalette colours = button->palette();
        colours.setColor(QPalette::ButtonText, QColor(kRowColours[row]));
        button->setPalette(colours);
        connect(button, &QPushButton::clicked, this, [this, &symbol] { Press(symbol); });
        grid->addWidget(button, symbol.row, 1 + columns[row]++);
    }
    grid->setColumnStretch(14, 1);

    selection_ = new QLineEdit(this);
    selection_->setObjectName(QStringLiteral("edit_1004"));
    auto *selectionRow = new QHBoxLayout;
    selectionRow->addWidget(new QLabel(QStringLiteral("选择符号："), this));
    selectionRow->addWidget(selection_, 1);

    auto *note = new QLabel(QStringLiteral("暂时只支持部分符号参与运算。"), this);
    note->setObjectName(QStringLiteral("note"));

    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("button_1"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("button_2"));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(note, 1);
    bottom->addWidget(ok);
    bottom->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(selectionRow);
    layout->addLayout(bottom);
    setFixedSize(sizeHint());
}

QString SymbolPalette::Selection() const { return selection_->text(); }

void SymbolPalette::Press(const SymbolButton &button)
{
    // The line as it stands, typing included, gets the symbol at its end (not at the caret).
    selection_->setText(selection_->text() + FromGbk(button.text));
}

} // namespace qimbel
