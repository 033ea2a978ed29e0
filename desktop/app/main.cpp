// Qimbel: start-up builds the main window with its ten topic pages, puts back what the pupil left
// on them last time, and runs it; closing the window saves the pages and ends the program.
//
// Options: --fresh starts with empty pages (the saved session is written over at the end). For
// installers and packagers: --version, --help, and --startup-test, which builds the window
// without showing it, checks that the data beside the program were found, and exits.
#include "desktop/app/MainWindow.h"
#include "desktop/app/QtTranslations.h"
#include "desktop/notebook/QtNotebookStore.h"
#include "desktop/pages/ProblemPageWidget.h"
#include "pages/ProblemPage.h"
#include "solver/Solver.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <functional>
#include <utility>

namespace {

const char kUsage[] = "usage: qimbel [--fresh | --version | --help | --startup-test]\n"
                      "  Starts Qimbel, the maths tutor. Without options it opens the main window\n"
                      "  with the problems left on its pages last time.\n"
                      "  --fresh          start with empty pages\n"
                      "  --version        print the version\n"
                      "  --help           print this text\n"
                      "  --startup-test   build the main window without showing it, check that the\n"
                      "                   data folders beside the program were found, and exit\n";

// The start-up test: the window builds and the installation folder holds the data it reads.
int StartupTest()
{
    qimbel::MainWindow window;
    qimbel::Solver solver;
    const std::filesystem::path folder = solver.GetLuJing();
    int failures = 0;
    for (const char *data : {"Help/JianJie", "Help/ZhaiYao", "Help/ShiLi", "Document/GongShi", "ZhiShi", "KaoShi"}) {
        std::error_code error;
        if (!std::filesystem::is_directory(folder / data, error)) {
            std::fprintf(stderr, "qimbel: missing folder %s\n", (folder / data).c_str());
            ++failures;
        }
    }
    if (!std::filesystem::is_regular_file(folder / "Document/danwei.ini")) {
        std::fprintf(stderr, "qimbel: missing unit table %s\n", (folder / "Document/danwei.ini").c_str());
        ++failures;
    }
    qimbel::ProblemPageWidget *first = window.ProblemPageWidgetOf(129);
    if (first == nullptr || first->Model().Summary().empty()) {
        std::fprintf(stderr, "qimbel: the summary of the first problem type was not found\n");
        ++failures;
    }
    if (failures != 0)
        return 1;
    std::printf("qimbel %s: start-up test passed (%s)\n", QIMBEL_VERSION, folder.c_str());
    return 0;
}

// Runs `then` once, queued just after the first paint of the widget it watches: the window shows
// first, and what it does not need for that comes after.
class AfterFirstPaint : public QObject {
public:
    explicit AfterFirstPaint(std::function<void()> then)
        : then_(std::move(then))
    {
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && then_) {
            QMetaObject::invokeMethod(this, std::exchange(then_, nullptr), Qt::QueuedConnection);
            watched->removeEventFilter(this);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> then_;
};

// For the start-up bench (bench/window-start.py): with QIMBEL_FIRST_PAINT set, the moment of the
// main window's first paint (CLOCK_MONOTONIC) and the CPU time used until then are printed, in
// microseconds, and the program ends once the window is whole.
void PrintFirstPaint()
{
    const auto micro = [](clockid_t clock) {
        timespec now {};
        clock_gettime(clock, &now);
        return static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
    };
    std::printf("first paint %lld %lld\n", micro(CLOCK_MONOTONIC), micro(CLOCK_PROCESS_CPUTIME_ID));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    // These options need no display, so they are answered before Qt starts.
    bool startupTest = false;
    bool fresh = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("qimbel %s\n", QIMBEL_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--startup-test") == 0)
            startupTest = true;
        if (std::strcmp(argv[i], "--fresh") == 0)
            fresh = true;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Qimbel"));
    QApplication::setApplicationVersion(QStringLiteral(QIMBEL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.qimbel.Qimbel"));
    qimbel::InstallQtTranslations(app);
    if (startupTest)
        return StartupTest();

    // The first tab's page is built before the window shows; the other tabs, the 错题本's file
    // and the session come just after its first paint.
    qimbel::MainWindow window(nullptr, qimbel::MainWindow::StartUp::FirstTabFirst);
    const bool probe = std::getenv("QIMBEL_FIRST_PAINT") != nullptr;
    AfterFirstPaint rest([&window, fresh, probe] {
        if (probe)
            PrintFirstPaint();
        window.BuildOtherTabs();
        // The 错题本 stays on the pupil's machine: ~/.local/share/Qimbel/notebook.db on Linux.
        window.SetNotebookFile(qimbel::NotebookFilePath());
        // ~/.config/Qimbel/session on Linux.
        window.SetSessionFile(QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
                                  .filePath(QStringLiteral("session")));
        if (!fresh)
            window.RestoreSession();
        if (probe)
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    window.installEventFilter(&rest);
    window.show();
    return QApplication::exec();
}
