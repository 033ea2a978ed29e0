#include "charts/ChartsPage.h"

#include <QLabel>
#include <QVBoxLayout>

namespace qimbel {

ChartsPage::ChartsPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("page_132"));
    // The page's tools are not built yet; a pupil who opens the tab is told so plainly.
    auto *notice = new QLabel(QStringLiteral("统计图初步：此功能将在后续版本中提供。"), this);
    notice->setObjectName(QStringLiteral("placeholder"));
    notice->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(notice);
}

} // namespace qimbel
