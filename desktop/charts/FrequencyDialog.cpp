#include "desktop/charts/FrequencyDialog.h"

#include "desktop/pages/GbkBridge.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qimbel {

FrequencyDialog::FrequencyDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dialog_frequency"));
    setWindowTitle(QStringLiteral("频率分布直方图数据"));

    data_ = new QPlainTextEdit(this);
    data_->setObjectName(QStringLiteral("edit_data"));
    data_->setPlaceholderText(QStringLiteral("原始数据，数与数之间用空格、逗号或换行隔开"));
    width_ = new QLineEdit(this);
    width_->setObjectName(QStringLiteral("edit_width"));
    error_ = new QLabel(this);
    error_->setObjectName(QStringLiteral("label_error"));
    error_->setWordWrap(true);
    error_->setStyleSheet(QStringLiteral("color: #b00000"));
    auto *rule = new QLabel(QStringLiteral("每组含下限，不含上限。"), this);

    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("button_ok"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("button_cancel"));
    connect(ok, &QPushButton::clicked, this, &FrequencyDialog::Accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(data_, &QPlainTextEdit::textChanged, this, &FrequencyDialog::ShowDefaultWidth);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("组距"), width_);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(data_);
    layout->addLayout(form);
    layout->addWidget(rule);
    layout->addWidget(error_);
    layout->addLayout(buttons);
    resize(420, 360);
}

void FrequencyDialog::ShowDefaultWidth()
{
    const std::string width = DefaultClassWidth(ToGbk(data_->toPlainText()));
    width_->setPlaceholderText(width.empty() ? QString() : QStringLiteral("不填就用 ") + FromGbk(width));
}

void FrequencyDialog::Accept()
{
    FrequencyTable table = FrequencyDistribution(ToGbk(data_->toPlainText()), ToGbk(width_->text()));
    if (!table.error.empty()) {
        error_->setText(FromGbk(table.error));
        return;
    }
    table_ = std::move(table);
    accept();
}

} // namespace qimbel
