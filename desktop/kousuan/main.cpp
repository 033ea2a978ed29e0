// 口算练习生成器: mental-arithmetic practice and worksheets, started from Qimbel's tab
// 自动出卷及测试 or on its own.
#include "desktop/app/QtTranslations.h"
#include "desktop/kousuan/KouSuanWindow.h"
#include "desktop/notebook/QtNotebookStore.h"
#include "notebook/Notebook.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QStandardPaths>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    qimbel::InstallQtTranslations(app);
    QApplication::setApplicationName(QStringLiteral("口算练习生成器"));
    qimbel::kousuan::KouSuanWindow window;
    // Wrong answers go into the same 错题本 as the main window's; without it the practice goes on.
    qimbel::QtNotebookStore store;
    qimbel::Notebook notebook(&store);
    const QDate today = QDate::currentDate();
    if (store.Open(qimbel::NotebookFilePath()).ok() && notebook.Open())
        window.SetNotebook(&notebook, qimbel::DayOfDate(today.year(), today.month(), today.day()));
    // A practice left unfinished goes on where it was (~/.local/share/口算练习生成器/practice on Linux).
    window.SetKeptFile(
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("practice")));
    window.RestorePractice();
    window.show();
    return QApplication::exec();
}
