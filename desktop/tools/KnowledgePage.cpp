#include "desktop/tools/KnowledgePage.h"

#include "desktop/pages/GbkBridge.h"
#include "solver/Solver.h"
#include "desktop/tools/HandbookViewer.h"
#include "tools/Handbooks.h"
#include "desktop/tools/HyperlinkLabel.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QUrl>
#include <QVBoxLayout>

namespace qimbel {

KnowledgePage::KnowledgePage(QWidget *parent)
    : QWidget(parent)
    , opener_([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("page_153"));

    auto *layout = new QVBoxLayout(this);
    auto *groups = new QGridLayout;
    groups->setHorizontalSpacing(16);
    QFont linkFont = font();
    linkFont.setPointSizeF(linkFont.pointSizeF() * 1.25);
    int column = 0;
    for (const char *group : HandbookGroups()) {
        auto *box = new QGroupBox(FromGbk(group), this);
        box->setObjectName(QStringLiteral("group_%1").arg(column + 1));
        auto *links = new QVBoxLayout(box);
        links->setSpacing(4);
        links->setContentsMargins(16, 16, 16, 16);
        for (const Handbook &book : Handbooks()) {
            if (std::string(book.group) != group)
                continue;
            auto *label = new HyperlinkLabel(FromGbk(book.label), box);
            label->setObjectName(QStringLiteral("link_%1").arg(book.id));
            label->setFont(linkFont);
            label->setProperty("id", book.id);
            const int id = book.id;
            connect(label, &HyperlinkLabel::Activated, this, [this, id] { OpenHandbook(id); });
            links->addWidget(label, 0, Qt::AlignLeft);
            labels_.push_back(label);
            // What the handbook holds, in grey, so that a pupil knows where to look.
            auto *about = new QLabel(FromGbk(book.about), box);
            about->setObjectName(QStringLiteral("about_%1").arg(book.id));
            about->setWordWrap(true);
            about->setForegroundRole(QPalette::PlaceholderText);
            links->addWidget(about);
            links->addSpacing(12);
        }
        links->addStretch(1);
        groups->addWidget(box, 0, column, Qt::AlignTop);
        groups->setColumnStretch(column, 1);
        ++column;
    }
    layout->addLayout(groups);
    layout->addStretch(1);
    auto *hint = new QLabel(
        QStringLiteral("单击书名打开手册。手册是网页文件，也可以用浏览器打开安装文件夹中 ZhiShi 里的文件。"), this);
    hint->setObjectName(QStringLiteral("hint"));
    hint->setWordWrap(true);
    layout->addWidget(hint);

    SetInstallationFolder(QFile::decodeName(Solver().GetLuJing().c_str()));
}

void KnowledgePage::SetInstallationFolder(const QString &folder)
{
    const QDir books(QDir(folder).filePath(QStringLiteral("ZhiShi")));
    for (HyperlinkLabel *label : labels_) {
        const int id = label->property("id").toInt();
        for (const Handbook &book : Handbooks())
            if (book.id == id)
                label->SetTarget(QDir::toNativeSeparators(books.filePath(QString::fromLatin1(book.file))));
    }
}

void KnowledgePage::SetOpener(Opener opener) { opener_ = std::move(opener); }

HyperlinkLabel *KnowledgePage::Label(int id) const
{
    for (HyperlinkLabel *label : labels_)
        if (label->property("id").toInt() == id)
            return label;
    return nullptr;
}

HandbookViewer *KnowledgePage::Viewer() const { return viewer_; }

void KnowledgePage::OpenHandbook(int id)
{
    HyperlinkLabel *label = Label(id);
    if (label == nullptr)
        return;
    const int fault = Open(label);
    if (fault == kHandbookOpens) {
        label->SetVisited(true);
        return;
    }
    QApplication::beep();
    QMessageBox::warning(this, QStringLiteral("Qimbel"), QString::fromLatin1(HyperlinkWarning(fault).c_str()));
}

int KnowledgePage::Open(HyperlinkLabel *label)
{
    const QString file = label->Target();
    // A file that is not there cannot be opened by the desktop nor by the viewer; the desktop
    // would only report that later, in a window of its own.
    const int fault = HandbookFault(QFile::encodeName(file).toStdString());
    if (fault != kHandbookOpens)
        return fault;
    if (opener_ && opener_(QUrl::fromLocalFile(file)))
        return kHandbookOpens;
    if (viewer_ == nullptr)
        viewer_ = new HandbookViewer(this);
    const int shown = viewer_->Open(file);
    if (shown != kHandbookOpens)
        return shown;
    viewer_->show();
    viewer_->raise();
    viewer_->activateWindow();
    return kHandbookOpens;
}

} // namespace qimbel
