// The dialog 频率分布直方图数据: raw data and a class width; 确定 computes the distribution in
// the core and closes only when there is one, 取消 changes nothing.
#pragma once

#include "charts/FrequencyTable.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace qimbel {

class FrequencyDialog : public QDialog {
    Q_OBJECT
public:
    explicit FrequencyDialog(QWidget *parent = nullptr);

    // The distribution accepted with 确定.
    const FrequencyTable &Table() const { return table_; }

private:
    void Accept();
    void ShowDefaultWidth();

    QPlainTextEdit *data_ = nullptr;
    QLineEdit *width_ = nullptr;
    QLabel *error_ = nullptr;
    FrequencyTable table_;
};

} // namespace qimbel
