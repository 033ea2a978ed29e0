// The tab 函数与图象: the graph of a typed function.
#pragma once

#include <QWidget>

namespace qimbel {

class FunctionGraphPage : public QWidget {
    Q_OBJECT
public:
    explicit FunctionGraphPage(QWidget *parent = nullptr);
};

} // namespace qimbel
