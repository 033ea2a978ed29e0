// qimbel-screenshots [FOLDER [PART | SCENE AS]]: takes every scene of Scenes.cpp from a fresh main
// window and writes it as a PNG file below FOLDER (docs/ by default). With PART, only the scenes
// whose file name holds PART; with SCENE and AS, only the scene of that file, written as AS (run
// with QT_SCALE_FACTOR=2 for the high-DPI picture). Run offscreen by ./qimbel.sh screenshots.
#include "desktop/app/MainWindow.h"
#include "desktop/app/QtTranslations.h"
#include "desktop/screenshots/Scenes.h"
#include "pages/Session.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QTest>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Qimbel")); // the about box names its folders
    qimbel::InstallQtTranslations(app);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
    const QString only = argc > 3 ? QString::fromLocal8Bit(argv[2]) : QString();
    int failures = 0;
    const QString part = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();
    for (const qimbel::Scene &scene : qimbel::Scenes()) {
        if (!only.isEmpty() ? only != QString::fromUtf8(scene.file) : !QString::fromUtf8(scene.file).contains(part))
            continue;
        qimbel::ResetSession();
        qimbel::MainWindow window;
        window.resize(scene.size);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qWarning("screenshots: the window was not shown");
        QWidget *target = scene.stage(window);
        if (target == nullptr)
            target = &window;
        // Let layouts, text layout and the dialogs settle before the picture is taken.
        QTest::qWait(50);
        const QString path
            = out.filePath(only.isEmpty() ? QString::fromUtf8(scene.file) : QString::fromLocal8Bit(argv[3]));
        QDir().mkpath(QFileInfo(path).path());
        if (!target->grab().save(path)) {
            std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
            ++failures;
            continue;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return failures == 0 ? 0 : 1;
}
