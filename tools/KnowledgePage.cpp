#include "tools/KnowledgePage.h"

#include <QLabel>
#include <QVBoxLayout>

namespace qimbel {

KnowledgePage::KnowledgePage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("page_153"));
    // The page's tools are not built yet; a pupil who opens the tab is told so plainly.
    auto *notice = new QLabel(QStringLiteral("知识资料汇总：此功能将在后续版本中提供。"), this);
    notice->setObjectName(QStringLiteral("placeholder"));
    notice->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(notice);
}

} // namespace qimbel
