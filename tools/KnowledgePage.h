// The tab 知识资料汇总: the library of handbooks.
#pragma once

#include <QWidget>

namespace qimbel {

class KnowledgePage : public QWidget {
    Q_OBJECT
public:
    explicit KnowledgePage(QWidget *parent = nullptr);
};

} // namespace qimbel
