// The tab 自动出卷及测试: starts the two exercise-generator programs.
#pragma once

#include <QWidget>

namespace qimbel {

class LauncherPage : public QWidget {
    Q_OBJECT
public:
    explicit LauncherPage(QWidget *parent = nullptr);
};

} // namespace qimbel
