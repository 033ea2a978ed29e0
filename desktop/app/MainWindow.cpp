#include "desktop/app/MainWindow.h"

#include "desktop/app/AboutBox.h"
#include "desktop/charts/ChartsPage.h"
#include "desktop/charts/FunctionGraphPage.h"
#include "desktop/pages/GbkBridge.h"
#include "desktop/pages/ProblemPageWidget.h"
#include "desktop/tools/KnowledgePage.h"
#include "desktop/tools/LauncherPage.h"

#include <QAction>
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>

namespace qimbel {

namespace {

// The smallest window the pages are laid out for, and the size it opens at when the screen has
// room: wide enough that worked solutions need no sideways scrolling.
constexpr QSize kMinimumSize(1000, 680);
constexpr QSize kPreferredSize(1280, 860);

// The program's icon: a blue tile with a white summation sign.
QIcon ProgramIcon()
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1f, 0x5f, 0xbf));
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    QFont font;
    font.setPixelSize(44);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("∑"));
    painter.end();
    return QIcon(pixmap);
}

// The page of a tab that is not a problem page, by its template number.
QWidget *OtherPage(int page, QWidget *parent)
{
    switch (page) {
    case 132:
        return new ChartsPage(parent);
    case 137:
        return new FunctionGraphPage(parent);
    case 153:
        return new KnowledgePage(parent);
    case 164:
        return new LauncherPage(parent);
    default:
        return new QWidget(parent);
    }
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Qimbel 数学辅导"));
    setWindowIcon(ProgramIcon());

    // The pages' own 帮助 buttons take Alt+H.
    QMenu *help = menuBar()->addMenu(QStringLiteral("Qimbel(&Q)"));
    QAction *about = help->addAction(QStringLiteral("关于 Qimbel(&A)..."));
    about->setObjectName(QStringLiteral("action_about"));
    connect(about, &QAction::triggered, this, &MainWindow::ShowAbout);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tab_1003"));
    tabs_->setUsesScrollButtons(false);
    for (const TabInfo &tab : Tabs()) {
        ProblemPage *model = book_.ProblemPageOf(tab.page);
        ProblemPageWidget *problemWidget = model != nullptr ? new ProblemPageWidget(*model, tabs_) : nullptr;
        problemWidgets_.push_back(problemWidget);
        if (problemWidget != nullptr) {
            connect(problemWidget, &ProblemPageWidget::AboutRequested, this, &MainWindow::ShowAbout);
            connect(problemWidget, &ProblemPageWidget::StatusHintChanged, this, [this, problemWidget] {
                if (tabs_->currentWidget() == problemWidget)
                    ShowStatusHint();
            });
        }
        QWidget *page = problemWidget != nullptr ? problemWidget : OtherPage(tab.page, tabs_);
        tabs_->addTab(page, FromGbk(tab.label));
    }
    setCentralWidget(tabs_);

    // Start-up: tab 0 with type 1 (current type, title 数的读法 and its summary).
    tabs_->setCurrentIndex(0);
    book_.Start();
    if (problemWidgets_[0] != nullptr)
        problemWidgets_[0]->WriteToScreen();
    connect(tabs_, &QTabWidget::currentChanged, this, &MainWindow::SelectTab);
    ShowStatusHint();

    // The window can be resized and maximised; the pages follow it.
    setMinimumSize(kMinimumSize);
    QSize size = kPreferredSize;
    if (const QScreen *screen = this->screen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size.expandedTo(kMinimumSize));
}

void MainWindow::ShowStatusHint()
{
    auto *page = qobject_cast<ProblemPageWidget *>(tabs_->currentWidget());
    const QString hint = page != nullptr ? page->StatusHint() : QString();
    if (hint.isEmpty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(hint);
}

ProblemPageWidget *MainWindow::ProblemPageWidgetOf(int page) const
{
    const int tab = TabOfPage(page);
    return tab >= 0 ? problemWidgets_[static_cast<std::size_t>(tab)] : nullptr;
}

void MainWindow::SelectTab(int tab)
{
    if (tab < 0 || tab >= static_cast<int>(problemWidgets_.size()))
        return;
    ProblemPageWidget *page = problemWidgets_[static_cast<std::size_t>(tab)];
    if (page != nullptr)
        page->ReadFromScreen();
    book_.SelectTab(tab);
    if (page != nullptr)
        page->WriteToScreen();
    ShowStatusHint();
}

void MainWindow::ShowAbout()
{
    AboutBox box(this);
    box.exec();
}

} // namespace qimbel
