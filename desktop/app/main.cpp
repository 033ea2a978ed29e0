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
#include <QStandardPaths>

#include <cstdio>
#include <cstring>
#include <filesystem>

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

    qimbel::MainWindow window;
    // The 错题本 stays on the pupil's machine: ~/.local/share/Qimbel/notebook.db on Linux.
    window.SetNotebookFile(qimbel::NotebookFilePath());
    // ~/.config/Qimbel/session on Linux.
    window.SetSessionFile(
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath(QStringLiteral("session")));
    if (!fresh)
        window.RestoreSession();
    window.show();
    return QApplication::exec();
}
