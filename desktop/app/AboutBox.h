// The about box: the program's name and version, what it is, the folders it reads and writes, and
// the licence texts of Qimbel and of the Qt libraries it runs on.
#pragma once

#include <QDialog>

namespace qimbel {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);
};

} // namespace qimbel
