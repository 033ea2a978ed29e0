#include "desktop/tools/HandbookViewer.h"

#include "tools/Handbooks.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

#include <algorithm>

namespace qimbel {

namespace {

// A handbook larger than this is not a handbook; it is refused rather than read into memory.
constexpr qint64 kLargestHandbook = 16 * 1024 * 1024;
// How far a pupil may zoom in or out, in steps of the browser.
constexpr int kZoomLimit = 10;

} // namespace

HandbookViewer::HandbookViewer(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("handbook_viewer"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(900, 700);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("handbook_text"));
    browser_->setOpenExternalLinks(true);
    setCentralWidget(browser_);

    QToolBar *bar = addToolBar(QStringLiteral("手册"));
    bar->setObjectName(QStringLiteral("handbook_tools"));
    bar->setMovable(false);
    back_ = bar->addAction(QStringLiteral("后退"), browser_, &QTextBrowser::backward);
    back_->setObjectName(QStringLiteral("action_back"));
    back_->setShortcut(QKeySequence::Back);
    back_->setEnabled(false);
    forward_ = bar->addAction(QStringLiteral("前进"), browser_, &QTextBrowser::forward);
    forward_->setObjectName(QStringLiteral("action_forward"));
    forward_->setShortcut(QKeySequence::Forward);
    forward_->setEnabled(false);
    QAction *home = bar->addAction(QStringLiteral("目录"), browser_, &QTextBrowser::home);
    home->setObjectName(QStringLiteral("action_home"));
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HandbookViewer::ShowTitle);

    bar->addSeparator();
    findText_ = new QLineEdit(bar);
    findText_->setObjectName(QStringLiteral("find_text"));
    findText_->setPlaceholderText(QStringLiteral("查找"));
    findText_->setClearButtonEnabled(true);
    findText_->setMaximumWidth(200);
    bar->addWidget(findText_);
    QAction *next = bar->addAction(QStringLiteral("下一个"), this, [this] { Find(findText_->text()); });
    next->setObjectName(QStringLiteral("action_find_next"));
    next->setShortcut(QKeySequence::FindNext);
    QAction *previous = bar->addAction(QStringLiteral("上一个"), this, [this] { Find(findText_->text(), true); });
    previous->setObjectName(QStringLiteral("action_find_previous"));
    previous->setShortcut(QKeySequence::FindPrevious);
    connect(findText_, &QLineEdit::returnPressed, this, [this] { Find(findText_->text()); });
    findResult_ = new QLabel(bar);
    findResult_->setObjectName(QStringLiteral("find_result"));
    bar->addWidget(findResult_);
    auto *findKey = new QAction(this);
    findKey->setShortcut(QKeySequence::Find);
    connect(findKey, &QAction::triggered, this, [this] {
        findText_->setFocus();
        findText_->selectAll();
    });
    addAction(findKey);

    bar->addSeparator();
    QAction *larger = bar->addAction(QStringLiteral("放大"), this, [this] { ZoomBy(1); });
    larger->setObjectName(QStringLiteral("action_zoom_in"));
    larger->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    QAction *smaller = bar->addAction(QStringLiteral("缩小"), this, [this] { ZoomBy(-1); });
    smaller->setObjectName(QStringLiteral("action_zoom_out"));
    smaller->setShortcut(QKeySequence::ZoomOut);
    QAction *actual = bar->addAction(QStringLiteral("原大"), this, [this] { ZoomBy(-zoom_); });
    actual->setObjectName(QStringLiteral("action_zoom_reset"));
    actual->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));

    bar->addSeparator();
    QAction *print = bar->addAction(QStringLiteral("打印"), this, &HandbookViewer::Print);
    print->setObjectName(QStringLiteral("action_print"));
    print->setShortcut(QKeySequence::Print);
}

int HandbookViewer::Open(const QString &file)
{
    const int fault = HandbookFault(QFile::encodeName(file).toStdString());
    if (fault != kHandbookOpens)
        return fault;
    if (QFileInfo(file).size() > kLargestHandbook)
        return 8;
    browser_->setSource(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
    // A handbook opened from the page starts a history of its own.
    browser_->clearHistory();
    findResult_->clear();
    ShowTitle();
    return kHandbookOpens;
}

bool HandbookViewer::Find(const QString &text, bool backwards)
{
    findResult_->clear();
    if (text.isEmpty())
        return false;
    const QTextDocument::FindFlags flags = backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (browser_->find(text, flags))
        return true;
    // Round the end: from the other end of the handbook once more.
    const QTextCursor kept = browser_->textCursor();
    QTextCursor cursor = kept;
    cursor.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
    browser_->setTextCursor(cursor);
    if (browser_->find(text, flags))
        return true;
    browser_->setTextCursor(kept);
    findResult_->setText(QStringLiteral("找不到“%1”").arg(text));
    return false;
}

void HandbookViewer::ZoomBy(int steps)
{
    const int wanted = std::clamp(zoom_ + steps, -kZoomLimit, kZoomLimit);
    if (wanted > zoom_)
        browser_->zoomIn(wanted - zoom_);
    else if (wanted < zoom_)
        browser_->zoomOut(zoom_ - wanted);
    zoom_ = wanted;
}

void HandbookViewer::ShowTitle()
{
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Qimbel 知识资料") : title + QStringLiteral(" - Qimbel 知识资料"));
}

void HandbookViewer::Print()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("打印手册"));
    if (dialog.exec() == QDialog::Accepted)
        browser_->document()->print(&printer);
}

} // namespace qimbel
