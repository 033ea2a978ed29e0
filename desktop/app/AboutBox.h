// The about box: the program's name and version.
#pragma once

#include <QDialog>

namespace qimbel {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);
};

} // namespace qimbel
