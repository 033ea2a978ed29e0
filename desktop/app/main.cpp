// Qimbel: start-up builds the main window with its ten topic pages and runs it; closing the
// window ends the program. Nothing is saved.
//
// Options, for installers and packagers: --version, --help, and --startup-test, which builds the
// window without showing it, checks that the data beside the program were found, and exits.
#include "desktop/app/MainWindow.h"
#include "pages/ProblemPage.h"
#include "desktop/pages/ProblemPageWidget.h"
#include "solver/Solver.h"

#include <QApplication>

#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

const char kUsage[] = "usage: qimbel [--version | --help | --startup-test]\n"
                      "  Starts Qimbel, the maths tutor. Without options it opens the main window.\n"
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
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Qimbel"));
    QApplication::setApplicationVersion(QStringLiteral(QIMBEL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.qimbel.Qimbel"));
    if (startupTest)
        return StartupTest();

    qimbel::MainWindow window;
    window.show();
    return QApplication::exec();
}
