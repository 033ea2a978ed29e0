// Qimbel: start-up builds the main window with its ten topic pages and runs it; closing the
// window ends the program. Nothing is saved.
#include "app/MainWindow.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Qimbel"));
    QApplication::setApplicationVersion(QStringLiteral("3.0"));

    qimbel::MainWindow window;
    window.show();
    return QApplication::exec();
}
