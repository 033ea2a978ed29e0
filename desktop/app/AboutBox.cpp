#include "desktop/app/AboutBox.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qimbel {

AboutBox::AboutBox(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("关于 Qimbel"));
    setObjectName(QStringLiteral("about_box"));

    auto *line = new QHBoxLayout;
    const QIcon icon = parent != nullptr ? parent->window()->windowIcon() : QIcon();
    if (!icon.isNull()) {
        auto *picture = new QLabel(this);
        picture->setPixmap(icon.pixmap(32, 32));
        line->addWidget(picture);
    }
    auto *version = new QLabel(QStringLiteral("Qimbel 3.0 版"), this);
    version->setObjectName(QStringLiteral("version"));
    line->addWidget(version, 1);

    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("button_1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    line->addWidget(ok, 0, Qt::AlignTop);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addLayout(line);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

} // namespace qimbel
