// The tab 统计图初步: statistics charts drawn from a small data table.
#pragma once

#include <QWidget>

namespace qimbel {

class ChartsPage : public QWidget {
    Q_OBJECT
public:
    explicit ChartsPage(QWidget *parent = nullptr);
};

} // namespace qimbel
