// qimbel-screenshots [FOLDER]: takes every scene of Scenes.cpp from a fresh main window and
// writes it as a PNG file below FOLDER (docs/ by default). Run offscreen by ./qimbel.sh
// screenshots.
#include "desktop/app/MainWindow.h"
#include "pages/Session.h"
#include "desktop/screenshots/Scenes.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QTest>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
    int failures = 0;
    for (const qimbel::Scene &scene : qimbel::Scenes()) {
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
        const QString path = out.filePath(QString::fromUtf8(scene.file));
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
