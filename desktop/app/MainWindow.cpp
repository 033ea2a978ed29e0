#include "desktop/app/MainWindow.h"

#include "charts/PageState.h"
#include "desktop/app/AboutBox.h"
#include "desktop/app/ProgramIcon.h"
#include "desktop/charts/ChartsPage.h"
#include "desktop/charts/FunctionGraphPage.h"
#include "desktop/notebook/NotebookTab.h"
#include "desktop/notebook/PracticeDialog.h"
#include "desktop/pages/GbkBridge.h"
#include "desktop/pages/ProblemPageWidget.h"
#include "desktop/tools/KnowledgePage.h"
#include "desktop/tools/LauncherPage.h"
#include "pages/SessionFile.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSaveFile>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>

namespace qimbel {

namespace {

// The smallest window the pages are laid out for: it fits an 800×600 screen, and one of twice the
// pixels at 1600×1000 (800×500 to the layout) with room for the window's frame. Below the size
// they open at, the pages wrap their rows of buttons and scroll their side columns. The size it
// opens at when the screen has room: wide enough that worked solutions need no sideways scrolling.
constexpr QSize kMinimumSize(780, 440);
constexpr QSize kPreferredSize(1280, 860);

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

    // The pages' own buttons take Alt with I, L, C, R, E, H, A, P and D.
    QMenu *file = menuBar()->addMenu(QStringLiteral("文件(&F)"));
    QAction *fresh = file->addAction(QStringLiteral("新建(&N)"));
    fresh->setObjectName(QStringLiteral("action_new"));
    fresh->setShortcut(QKeySequence::New);
    connect(fresh, &QAction::triggered, this, &MainWindow::NewSession);
    file->addSeparator();
    QAction *quit = file->addAction(QStringLiteral("退出(&X)"));
    quit->setObjectName(QStringLiteral("action_quit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit, &QAction::triggered, this, &QWidget::close);
    QMenu *help = menuBar()->addMenu(QStringLiteral("Qimbel(&Q)"));
    QAction *about = help->addAction(QStringLiteral("关于 Qimbel(&A)..."));
    about->setObjectName(QStringLiteral("action_about"));
    connect(about, &QAction::triggered, this, &MainWindow::ShowAbout);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tab_1003"));
    // In a narrow window the tab strip scrolls: every tab stays reachable.
    tabs_->setUsesScrollButtons(true);
    for (const TabInfo &tab : Tabs()) {
        ProblemPage *model = book_.ProblemPageOf(tab.page);
        ProblemPageWidget *problemWidget = model != nullptr ? new ProblemPageWidget(*model, tabs_) : nullptr;
        problemWidgets_.push_back(problemWidget);
        if (problemWidget != nullptr) {
            connect(problemWidget, &ProblemPageWidget::AboutRequested, this, &MainWindow::ShowAbout);
            // Every wrong problem of 批改我的解答 goes into the 错题本.
            connect(problemWidget, &ProblemPageWidget::Marked, this,
                [this, model] { notebook_->AddMarked(model->Type(), 0, model->LastMarked()); });
            connect(problemWidget, &ProblemPageWidget::PracticeRequested, this,
                [this, model] { OpenPractice(model->Type()); });
            connect(problemWidget, &ProblemPageWidget::StatusHintChanged, this, [this, problemWidget] {
                if (tabs_->currentWidget() == problemWidget)
                    ShowStatusHint();
            });
        }
        QWidget *page = problemWidget != nullptr ? problemWidget : OtherPage(tab.page, tabs_);
        tabs_->addTab(page, FromGbk(tab.label));
    }
    notebook_ = new NotebookTab(tabs_);
    tabs_->addTab(notebook_, QStringLiteral("错题本"));
    connect(notebook_, &NotebookTab::StatusMessage, this,
        [this](const QString &message) { statusBar()->showMessage(message); });
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

void MainWindow::SetNotebookFile(const QString &path) { notebook_->OpenFile(path); }

PracticeDialog *MainWindow::OpenPractice(int type)
{
    qimbel::Practice &round = book_.PracticeRound();
    // A round under way goes on; otherwise a new one of the page's type.
    const int shownType = round.Active() && !round.Finished() ? round.Current().problem.type : type;
    if (round.Finished())
        round.Stop();
    delete practice_;
    practice_ = new PracticeDialog(round, shownType, this);
    connect(
        practice_, &PracticeDialog::MarkedWrong, this, [this](int wrongType, int level, const MarkedProblem &marked) {
            notebook_->AddMarked(wrongType, level, {marked});
        });
    practice_->show();
    return practice_;
}

void MainWindow::ShowAbout()
{
    AboutBox box(this);
    box.exec();
}

void MainWindow::WriteAllToScreen()
{
    {
        const QSignalBlocker quiet(tabs_);
        tabs_->setCurrentIndex(book_.CurrentTab());
    }
    for (ProblemPageWidget *page : problemWidgets_)
        if (page != nullptr)
            page->WriteToScreen();
    ShowStatusHint();
}

void MainWindow::RestoreSession()
{
    const QFileInfo info(sessionFile_);
    if (sessionFile_.isEmpty() || !info.exists())
        return;
    QFile file(sessionFile_);
    QString problem;
    // Only a regular file is read: a folder or a pipe in its place would not end.
    if (!info.isFile() || info.size() > static_cast<qint64>(kLargestSessionFile) || !file.open(QIODevice::ReadOnly)) {
        problem = QStringLiteral("上次的题目没有恢复：保存它们的文件读不出来。");
    } else {
        const QByteArray bytes = file.readAll();
        problem = FromGbk(ReadSession(book_, bytes.toStdString()));
    }
    if (problem.isEmpty()) {
        WriteAllToScreen();
        // A 练一练 left open goes on where it was.
        if (book_.PracticeRound().Active() && !book_.PracticeRound().Finished())
            OpenPractice(book_.PracticeRound().Current().problem.type);
    }
    RestorePictures();
    statusBar()->showMessage(problem.isEmpty() ? QStringLiteral("已恢复上次的题目。") : problem);
}

namespace {

// The bytes of a kept file beside the session file; empty when there is none or it is no file
// of a size one of ours could have.
std::string KeptBytes(const QString &path)
{
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || info.size() > static_cast<qint64>(kLargestPageStateFile) || !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

bool WriteKept(const QString &path, const std::string &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly)
        && file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size())
        && file.commit();
}

} // namespace

// The chart's table and title and the graph's functions and view, kept in files of their own
// beside the session file: a damaged one leaves its page as it starts.
void MainWindow::RestorePictures()
{
    if (sessionFile_.isEmpty())
        return;
    if (auto *charts = findChild<ChartsPage *>())
        charts->RestoreKept(KeptBytes(sessionFile_ + QStringLiteral("-chart")));
    if (auto *graph = findChild<FunctionGraphPage *>())
        graph->RestoreKept(KeptBytes(sessionFile_ + QStringLiteral("-graph")));
}

bool MainWindow::SavePictures()
{
    bool saved = true;
    if (auto *charts = findChild<ChartsPage *>())
        saved = WriteKept(sessionFile_ + QStringLiteral("-chart"), charts->KeptState()) && saved;
    if (auto *graph = findChild<FunctionGraphPage *>())
        saved = WriteKept(sessionFile_ + QStringLiteral("-graph"), graph->KeptState()) && saved;
    return saved;
}

bool MainWindow::SaveSession()
{
    if (sessionFile_.isEmpty())
        return true;
    for (ProblemPageWidget *page : problemWidgets_)
        if (page != nullptr)
            page->ReadFromScreen();
    const std::string bytes = WriteSession(book_);
    QDir().mkpath(QFileInfo(sessionFile_).absolutePath());
    return WriteKept(sessionFile_, bytes) && SavePictures();
}

void MainWindow::NewSession()
{
    bool typed = false;
    for (ProblemPageWidget *page : problemWidgets_)
        if (page != nullptr) {
            page->ReadFromScreen();
            typed = typed || !page->Model().HoldsNothingTyped();
        }
    if (typed
        && QMessageBox::question(
               this, QStringLiteral("新建"), QStringLiteral("新建会清空所有页面上输入的题目和结果。要继续吗？"))
            != QMessageBox::Yes)
        return;
    book_.Reset();
    WriteAllToScreen();
    statusBar()->showMessage(QStringLiteral("已新建：所有页面都回到了开始的样子。"));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!SaveSession()
        && QMessageBox::warning(this, QStringLiteral("Qimbel"),
               QStringLiteral("题目没能保存到 %1。\n仍然关闭吗？下次启动时将看不到这些题目。").arg(sessionFile_),
               QMessageBox::Yes | QMessageBox::No)
            != QMessageBox::Yes) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace qimbel
