#include "desktop/tools/LauncherPage.h"

#include "desktop/pages/GbkBridge.h"
#include "desktop/tools/PaperWindow.h"
#include "solver/Solver.h"
#include "tools/ExerciseLaunchers.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QPushButton>

namespace qimbel {

namespace {

constexpr int kIconSize = 96;

// The button icons: a card with 1＋2 for the mental arithmetic, a ruled paper for the test papers.
QIcon LauncherIcon(int id)
{
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card(6, 6, kIconSize - 12, kIconSize - 12);
    if (id == 1218) {
        painter.setBrush(QColor(0x3c, 0x9d, 0x5d));
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(card, 14, 14);
        QFont font = painter.font();
        font.setPixelSize(30);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(card, Qt::AlignCenter, QStringLiteral("1+2"));
    } else {
        painter.setBrush(Qt::white);
        painter.setPen(QPen(QColor(0x2f, 0x5f, 0xa8), 4));
        painter.drawRoundedRect(card.adjusted(10, 0, -10, 0), 6, 6);
        painter.setPen(QPen(QColor(0x2f, 0x5f, 0xa8), 3));
        for (int line = 0; line < 5; ++line) {
            const qreal y = card.top() + 18 + line * 13;
            painter.drawLine(QPointF(card.left() + 22, y), QPointF(card.right() - (line == 4 ? 40 : 22), y));
        }
        painter.setPen(QPen(QColor(0xd0, 0x30, 0x30), 5));
        painter.drawLine(QPointF(card.right() - 34, card.bottom() - 14), QPointF(card.right() - 26, card.bottom() - 6));
        painter.drawLine(QPointF(card.right() - 26, card.bottom() - 6), QPointF(card.right() - 8, card.bottom() - 28));
    }
    return QIcon(pixmap);
}

const ExerciseLauncher *LauncherOf(int id)
{
    for (const ExerciseLauncher &launcher : ExerciseLaunchers())
        if (launcher.id == id)
            return &launcher;
    return nullptr;
}

} // namespace

LauncherPage::LauncherPage(QWidget *parent, const QString &folder)
    : QWidget(parent)
    , folder_(folder.isEmpty() ? QString::fromStdString(Solver().GetLuJing()) : folder)
    , starter_([](const QString &program) {
        return QProcess::startDetached(program, {}, QFileInfo(program).absolutePath());
    })
{
    setObjectName(QStringLiteral("page_164"));
    auto *layout = new QGridLayout(this);
    layout->setRowStretch(0, 1);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(3, 1);
    int column = 1;
    for (const ExerciseLauncher &launcher : ExerciseLaunchers()) {
        auto *button = new QPushButton(LauncherIcon(launcher.id), FromGbk(launcher.caption), this);
        button->setObjectName(QStringLiteral("button_%1").arg(launcher.id));
        button->setIconSize(QSize(kIconSize, kIconSize));
        button->setMinimumSize(360, 160);
        QFont font = button->font();
        font.setPointSizeF(font.pointSizeF() * 1.4);
        button->setFont(font);
        button->setToolTip(ProgramOf(launcher.id));
        const int id = launcher.id;
        connect(button, &QPushButton::clicked, this, [this, id] { Launch(id); });
        layout->addWidget(button, 1, column++);
    }
    // 自动组卷: a paper of any grade and topics, made here rather than by a program of its own.
    auto *paper = new QPushButton(QStringLiteral("自动组卷\n（一年级到九年级，带详细答案）"), this);
    paper->setObjectName(QStringLiteral("button_paper"));
    paper->setMinimumSize(360, 100);
    QFont paperFont = paper->font();
    paperFont.setPointSizeF(paperFont.pointSizeF() * 1.2);
    paper->setFont(paperFont);
    connect(paper, &QPushButton::clicked, this, [this] {
        PaperWindow window(this);
        window.exec();
    });
    layout->addWidget(paper, 2, 1, 1, column - 1, Qt::AlignHCenter | Qt::AlignTop);
}

QString LauncherPage::ProgramOf(int id) const
{
    const ExerciseLauncher *launcher = LauncherOf(id);
    if (launcher == nullptr)
        return QString();
    // The folder is a file-system path, not GBK text: it crosses as the local 8-bit encoding.
    return QString::fromLocal8Bit(LauncherProgramPath(folder_.toLocal8Bit().toStdString(), *launcher));
}

void LauncherPage::Launch(int id)
{
    const ExerciseLauncher *launcher = LauncherOf(id);
    if (launcher == nullptr)
        return;
    const QString program = ProgramOf(id);
    const QFileInfo info(program);
    const std::string shown = ToGbk(program);
    if (!info.isFile() || !info.isExecutable()) {
        QMessageBox::warning(this, QStringLiteral("自动出卷及测试"), FromGbk(MissingProgramMessage(*launcher, shown)));
        return;
    }
    if (!starter_(program))
        QMessageBox::warning(this, QStringLiteral("自动出卷及测试"), FromGbk(FailedProgramMessage(*launcher, shown)));
}

} // namespace qimbel
